// import-csv FILE IN.csv -o OUT: the channels of FILE replaced by the rows of
// IN.csv, each field typed into its cell. Nothing is written when a row fails.

#include <cstdio>

#include "ChannelCsv.h"
#include "OutputPath.h"
#include "cliCommand.h"
#include "cmcInputFile.h"
#include "indSheetSession.h"

namespace {

// At most this many problems of a kind are listed; a count stands for the rest.
constexpr size_t kListed = 20;

void Report(const char* kind, const std::vector<indCsvProblem>& problems) {
    for (size_t i = 0; i < problems.size() && i < kListed; ++i) {
        std::fprintf(stderr, "%s: %s\n", kind, ChannelCsv::DescribeCsvProblem(problems[i]).c_str());
    }
    if (problems.size() > kListed) {
        std::fprintf(stderr, "%s: %zu more not listed\n", kind, problems.size() - kListed);
    }
}

}  // namespace

int CmdImportCsv(const cliArgs& args) {
    if (!OutputPath::OutputSparesInputs("import-csv", args.Option("-o"),
                                        {args.positional[0], args.positional[1]})) {
        return ExitUsage;
    }
    const cmcInputFile text = ReadInputFile(args.positional[1], kMaxCsvFileBytes);
    if (text.result != cmcInputFileResult::Ok) {
        std::fprintf(stderr, "orvane-cli import-csv: cannot read '%s': %s\n",
                     args.positional[1].c_str(), InputFileProblem(text, kMaxCsvFileBytes).c_str());
        return ExitStatus::FileFailed;
    }

    indSheetSession session;
    const int code = session.Open(args.positional[0]);
    if (code != 0) {
        return ExitStatus::ForCloneFile(code);
    }
    std::vector<indCsvProblem> errors, notes;
    const bool ok = ChannelCsv::ImportChannelCsv(session.Context(), text.contents, errors, notes);
    Report("note", notes);
    Report("error", errors);
    if (!ok) {
        return ExitStatus::Refused;
    }
    return session.Document().SaveToFile(args.Option("-o")) ? ExitStatus::Ok
                                                            : ExitStatus::FileFailed;
}
