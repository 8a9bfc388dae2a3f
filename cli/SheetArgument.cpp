#include "SheetArgument.h"

#include <cstdio>

#include "ExitStatus.h"
#include "SheetName.h"
#include "cmcGTex.h"
#include "indSheetSession.h"

namespace SheetArgument {

std::optional<std::string> ResolveCliSheet(const char* command, indSheetSession& session,
                                           const std::string& name, int unknownStatus,
                                           int& status) {
    const cuiSheetLookup lookup =
        SheetName::ResolveSheetName(GTex(), session.Context().ModelType(), name);
    if (lookup.result == cuiSheetNameResult::Found) {
        return lookup.reference;
    }
    std::fprintf(stderr, "orvane-cli %s: %s\n", command, lookup.message.c_str());
    status = lookup.result == cuiSheetNameResult::Ambiguous ? ExitStatus::Ambiguous : unknownStatus;
    return std::nullopt;
}

}  // namespace SheetArgument
