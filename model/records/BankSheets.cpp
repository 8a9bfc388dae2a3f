#include "BankSheets.h"

#include "ModelType.h"

namespace BankSheets {

const char* Word(int modelType) {
    switch (modelType) {
        case ModelPmr:
            return "Pmr";
        case ModelBiisPmr:
            return "PmrB";
        default:
            return "Lmr";
    }
}

std::string Reference(int modelType, int bank) {
    return std::string("[St_ChBank]GI_Sheet_Mch_") + Word(modelType) + ",Bank " +
           std::to_string(bank);
}

}  // namespace BankSheets
