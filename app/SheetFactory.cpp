#include "SheetFactory.h"

#include "clsSheetRef.h"
#include "cuiTree.h"
#include "iuiSh_BankList.h"
#include "iuiSh_ChBank.h"
#include "iuiSh_Common.h"

namespace SheetFactory {

std::unique_ptr<cuiSheet> CreateSheet(std::string_view reference, const cuiSheetEnv& env) {
    const clsSheetRef ref = ParseSheetRef(reference);
    std::unique_ptr<cuiSheet> sheet;
    if (ref.className == "St_ChBank") {
        sheet = std::make_unique<iuiSh_ChBank>(env, ref.name);
    } else if (ref.name == cuiTree::MemoryChannelTop) {
        sheet = std::make_unique<iuiSh_BankList>(env, ref.name);
    } else if (ref.className == "St_Common") {
        sheet = std::make_unique<iuiSh_Common>(env, ref.name);
    } else {
        sheet = std::make_unique<cuiSheet>(env, ref.name);
    }
    sheet->SetReference(std::string(reference));
    sheet->SetArgument(ref.argument);
    return sheet;
}

}  // namespace SheetFactory
