#pragma once
// The names of the channel-bank sheets of each model type, as the overlay and
// the tree use them.

#include <string>

namespace BankSheets {

// The word of a model type in the names of its bank sheets: "Lmr", "Pmr", "PmrB".
const char* Word(int modelType);
// The reference of a bank's channel sheet: "[St_ChBank]GI_Sheet_Mch_<word>,Bank <bank>".
std::string Reference(int modelType, int bank);

}  // namespace BankSheets
