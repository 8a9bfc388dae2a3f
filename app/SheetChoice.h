#pragma once
// Whether a sheet reference typed by a user names a sheet the document
// offers, and if not, which ones it does offer.

#include <string>

class cmcGTex;

namespace SheetChoice {

// Empty when reference names a sheet of the model type's tree exactly (a
// bank sheet only with the argument of one of its banks, "Bank 0" to
// "Bank 15"), or another sheet the overlay holds, without an argument and not
// of the bank class; else a message naming the reference and listing the
// tree's sheets, one a line.
std::string WhyNoSheet(cmcGTex& texts, int modelType, const std::string& reference);

}  // namespace SheetChoice
