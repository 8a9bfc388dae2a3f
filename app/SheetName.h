#pragma once
// Sheets named as a person types them: besides the reference itself, a tree
// caption ("Bank 1") or a path of captions ("Signalling/DTMF memories"),
// ignoring letter case and repeated blanks. A path may leave out its first
// captions; the last caption may be cut short when that fits one sheet only.
// The command line and the channel-list files resolve names through here.

#include <string>
#include <vector>

class cmcGTex;

struct cuiNamedSheet {
    std::string reference;
    std::string caption;
    std::string path;  // the captions from the top of the tree down, joined by "/"
};

enum class cuiSheetNameResult { Found, Unknown, Ambiguous };

struct cuiSheetLookup {
    cuiSheetNameResult result = cuiSheetNameResult::Unknown;
    std::string reference;               // Found: the sheet's reference
    std::vector<cuiNamedSheet> matches;  // Ambiguous: the sheets the name fits
    std::string message;                 // not Found: one message for the user
};

namespace SheetName {

// The sheets of the model type's tree (maker mode on), in tree order, each
// once under the caption of the deepest node that opens it.
std::vector<cuiNamedSheet> NamedSheets(cmcGTex& texts, int modelType);

// The sheet a reference, caption or path names for the model type.
cuiSheetLookup ResolveSheetName(cmcGTex& texts, int modelType, const std::string& name);

}  // namespace SheetName
