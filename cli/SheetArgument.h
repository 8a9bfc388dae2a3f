#pragma once
// A sheet named on the command line by reference, tree caption or path.

#include <optional>
#include <string>

class indSheetSession;

namespace SheetArgument {

// The reference of the sheet name names in the open document; nullopt after
// writing one message ("orvane-cli COMMAND: ...") to standard error, with the
// exit status in status: unknownStatus for a name that fits no sheet,
// ExitStatus::Ambiguous for one that fits several.
std::optional<std::string> ResolveCliSheet(const char* command, indSheetSession& session,
                                           const std::string& name, int unknownStatus, int& status);

}  // namespace SheetArgument
