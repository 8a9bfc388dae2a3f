// export-csv FILE [-o OUT.csv]: every channel in use, as the sheets show them.

#include <cstdio>
#include <fstream>

#include "cliCommand.h"
#include "indSheetSession.h"
#include "indChannelCsv.h"

int CmdExportCsv(const cliArgs& args) {
    indSheetSession session;
    const int code = session.Open(args.positional[0]);
    if (code != 0) {
        return code;
    }
    const std::string csv = ExportChannelCsv(session.Context());
    const std::string out = args.Option("-o");
    if (out.empty()) {
        std::fwrite(csv.data(), 1, csv.size(), stdout);
        return 0;
    }
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file << csv;
    file.close();
    if (!file) {
        std::fprintf(stderr, "orvane-cli export-csv: cannot write '%s'\n", out.c_str());
        return 2;
    }
    return 0;
}
