// diff A B: the differences between two clone files as the sheets show them.

#include <cstdio>

#include "cliCommand.h"
#include "indImageDiff.h"
#include "indSheetSession.h"

int CmdDiff(const cliArgs& args) {
    indSheetSession a, b;
    for (auto [session, path] :
         {std::pair{&a, &args.positional[0]}, std::pair{&b, &args.positional[1]}}) {
        const int code = session->Open(*path);
        if (code != 0) {
            return ExitStatus::ForCloneFile(code);
        }
    }
    if (a.Document().ModelType() != b.Document().ModelType()) {
        std::printf("model | - | model type | %d | %d\n", a.Document().ModelType(),
                    b.Document().ModelType());
    }
    const indImageDiff diff = DiffImages(a.Context(), b.Context());
    for (const indCellDifference& d : diff.cells) {
        std::printf("%s | %s | %s | %s | %s\n", d.sheet.c_str(), d.row.c_str(), d.column.c_str(),
                    d.before.c_str(), d.after.c_str());
    }
    for (const indByteDifference& d : diff.bytes) {
        std::printf("bytes %04X-%04X | no cell shows them\n", d.first, d.last);
    }
    const bool same = diff.Equal() && a.Document().ModelType() == b.Document().ModelType();
    return same ? ExitStatus::Ok : ExitStatus::Refused;
}
