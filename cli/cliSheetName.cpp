#include "cliSheetName.h"

#include <cstdio>

#include "cliExitStatus.h"
#include "cmcGTex.h"
#include "cuiSheetName.h"
#include "indSheetSession.h"

std::optional<std::string> ResolveCliSheet(const char* command, indSheetSession& session,
                                           const std::string& name, int unknownStatus,
                                           int& status) {
    const cuiSheetLookup lookup = ResolveSheetName(GTex(), session.Context().ModelType(), name);
    if (lookup.result == cuiSheetNameResult::Found) {
        return lookup.reference;
    }
    std::fprintf(stderr, "orvane-cli %s: %s\n", command, lookup.message.c_str());
    status = lookup.result == cuiSheetNameResult::Ambiguous ? cliExit::Ambiguous : unknownStatus;
    return std::nullopt;
}
