// import-csv FILE IN.csv -o OUT: the channels of FILE replaced by the rows of
// IN.csv, each field typed into its cell. Nothing is written when a row fails.

#include <cstdio>

#include "cliCommand.h"
#include "cliOutputPath.h"
#include "cliSheetSession.h"
#include "cmcInputFile.h"
#include "indChannelCsv.h"

namespace {

void Report(const char* kind, const indCsvProblem& p) {
    std::fprintf(stderr, "%s: line %d%s%s: %s\n", kind, p.line, p.column.empty() ? "" : ", column ",
                 p.column.c_str(), p.message.c_str());
}

}  // namespace

int CmdImportCsv(const cliArgs& args) {
    if (!OutputSparesInputs("import-csv", args.Option("-o"),
                            {args.positional[0], args.positional[1]})) {
        return ExitUsage;
    }
    const cmcInputFile text = ReadInputFile(args.positional[1], kMaxCsvFileBytes);
    if (text.result != cmcInputFileResult::Ok) {
        std::fprintf(stderr, "orvane-cli import-csv: cannot read '%s': %s\n",
                     args.positional[1].c_str(), InputFileProblem(text, kMaxCsvFileBytes).c_str());
        return 2;
    }

    cliSheetSession session;
    const int code = session.Open(args.positional[0]);
    if (code != 0) {
        return code;
    }
    std::vector<indCsvProblem> errors, notes;
    const bool ok = ImportChannelCsv(session.Context(), text.contents, errors, notes);
    for (const indCsvProblem& n : notes) {
        Report("note", n);
    }
    for (const indCsvProblem& e : errors) {
        Report("error", e);
    }
    if (!ok) {
        return 1;
    }
    return session.Document().SaveToFile(args.Option("-o")) ? 0 : 2;
}
