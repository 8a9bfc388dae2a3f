// check FILE: the warning check list on the image: "errors: N" and
// "warnings: M", then one line per flagged sheet reference with its kind;
// exit status 1 when there are errors, else 0 (a file that does not open
// gives the status of its clone-file result code, its message on stderr).

#include <cstdio>
#include <string>
#include <vector>

#include "WarningCheck.h"
#include "cliCommand.h"
#include "cmcGTex.h"
#include "indSheetSession.h"

namespace {

void PrintReferences(const char* kind, const std::vector<std::string>& references) {
    for (const std::string& reference : references) {
        std::printf("%s: %s\n", kind, reference.c_str());
    }
}

}  // namespace

int CmdCheck(const cliArgs& args) {
    indSheetSession session;
    const int code = session.Open(args.positional[0]);
    if (code != 0) {
        return ExitStatus::ForCloneFile(code);
    }
    const indWarningCheckResult result = WarningCheck::CheckWarnings(
        session.Handler(), GTex(), session.Document().ModelType(), nullptr);
    std::printf("errors: %d\nwarnings: %d\n", result.errors, result.warnings);
    PrintReferences("error", result.errorReferences);
    PrintReferences("warning", result.warningReferences);
    return result.errors > 0 ? ExitStatus::Refused : ExitStatus::Ok;
}
