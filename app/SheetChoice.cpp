#include "SheetChoice.h"

#include <algorithm>

#include "Excerpt.h"
#include "clsSheetRef.h"
#include "cmcGTex.h"
#include "cuiTree.h"

namespace SheetChoice {

std::string WhyNoSheet(cmcGTex& texts, int modelType, const std::string& reference) {
    cuiTree tree(texts);
    tree.Build();
    tree.AdaptToModel(modelType, true);
    const std::vector<cuiTree::Sheet> sheets = tree.Sheets();
    const bool inTree = std::any_of(sheets.begin(), sheets.end(), [&](const cuiTree::Sheet& s) {
        return s.reference == reference;
    });
    const clsSheetRef ref = ParseSheetRef(reference);
    const bool plainSheet = ref.argument.empty() && ref.className != "St_ChBank" &&
                            texts.HasSection(ref.name + "_Cells");
    if (inTree || plainSheet) {
        return "";
    }
    std::string why = "no sheet " + Excerpt::QuoteExcerpt(reference) + "; the sheets are:";
    for (const cuiTree::Sheet& s : sheets) {
        why += "\n  " + s.reference + "  (" + s.caption + ")";
    }
    return why;
}

}  // namespace SheetChoice
