// Image bytes of any kind (written over the template from address 0) under
// every sheet the tree of each model type opens, in maker mode: every sheet
// builds and every cell shows without touching the image.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ModelType.h"
#include "cuiTree.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace {

// The tree's sheets of a model type, listed once.
const std::vector<cuiTree::Sheet>& SheetsOf(int model, indDocumentContext& context) {
    static std::vector<cuiTree::Sheet> sheets[ModelTypeCount];
    static bool listed[ModelTypeCount] = {};
    if (!listed[model]) {
        cuiTree tree(context.Texts());
        tree.Build();
        tree.AdaptToModel(model, true);
        sheets[model] = tree.Sheets();
        listed[model] = true;
    }
    return sheets[model];
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    FuzzSetUp((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int model = 0; model < ModelTypeCount; ++model) {
        indDocumentContext& context = FuzzWorkbench::Fresh(model);
        cmcEeprom& image = context.WorkingImage();
        const int count =
            static_cast<int>(std::min<size_t>(size, static_cast<size_t>(image.Size())));
        if (count > 0) {
            image.WriteBlock(0, data, count);
        }
        for (const cuiTree::Sheet& sheet : SheetsOf(model, context)) {
            FuzzShowSheet(context, sheet.reference);
        }
    }
    return 0;
}
