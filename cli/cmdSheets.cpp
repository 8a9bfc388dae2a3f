// sheets FILE: the sheets of the tree for the file's model type, one a line:
// caption, path in the tree and reference, separated by a tab. Any of the
// three names the sheet for sheet and edit -s.

#include <cstdio>

#include "SheetName.h"
#include "cliCommand.h"
#include "cmcGTex.h"
#include "indSheetSession.h"

int CmdSheets(const cliArgs& args) {
    indSheetSession session;
    const int code = session.Open(args.positional[0]);
    if (code != 0) {
        return ExitStatus::ForCloneFile(code);
    }
    for (const cuiNamedSheet& s : SheetName::NamedSheets(GTex(), session.Context().ModelType())) {
        std::printf("%s\t%s\t%s\n", s.caption.c_str(), s.path.c_str(), s.reference.c_str());
    }
    return ExitStatus::Ok;
}
