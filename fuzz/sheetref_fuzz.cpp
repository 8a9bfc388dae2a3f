// A sheet reference of any text, as the tree, the sheet and the edit commands
// name a sheet: its parts come from the reference itself, and a reference
// whose sheet the overlay has is built over each model type's document and
// shown cell by cell.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "ModelType.h"
#include "clsSheetRef.h"
#include "cmcGTex.h"

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    FuzzSetUp((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string reference(FuzzText(data, size));
    const clsSheetRef ref = ParseSheetRef(reference);
    FuzzExpect(reference.find(ref.name) != std::string::npos &&
                   reference.find(ref.className) != std::string::npos &&
                   reference.ends_with(ref.argument),
               "the parts of a reference come from it");
    if (!GTex().HasSection(ref.name + "_Cells")) {
        return 0;
    }
    for (int model = 0; model < ModelTypeCount; ++model) {
        FuzzShowSheet(FuzzWorkbench::Fresh(model), reference);
    }
    return 0;
}
