// export-csv FILE [-o OUT.csv]: every channel in use, as the sheets show them.

#include <cstdio>
#include <cstring>

#include "ChannelCsv.h"
#include "OutputPath.h"
#include "SafeFile.h"
#include "cliCommand.h"
#include "indSheetSession.h"

int CmdExportCsv(const cliArgs& args) {
    const std::string out = args.Option("-o");
    if (!out.empty() && !OutputPath::OutputSparesInputs("export-csv", out, {args.positional[0]})) {
        return ExitUsage;
    }
    indSheetSession session;
    const int code = session.Open(args.positional[0]);
    if (code != 0) {
        return ExitStatus::ForCloneFile(code);
    }
    const std::string csv = ChannelCsv::ExportChannelCsv(session.Context());
    if (out.empty()) {
        std::fwrite(csv.data(), 1, csv.size(), stdout);
        return ExitStatus::Ok;
    }
    int error = 0;
    if (SafeFile::WriteFileReplacing(out, csv, &error) != cmcSafeFileResult::Ok) {
        std::fprintf(stderr, "orvane-cli export-csv: cannot write '%s': %s\n", out.c_str(),
                     std::strerror(error));
        return ExitStatus::FileFailed;
    }
    return ExitStatus::Ok;
}
