// sheet FILE SHEET (a reference, tree caption or path): the sheet as the item handler shows it, one
// line per grid row, cells separated by a tab, "!E" / "!W" after cells marked error / warning.

#include <cstdio>
#include <string>

#include "SheetArgument.h"
#include "cliCommand.h"
#include "cmcGTex.h"
#include "indSheetSession.h"

namespace {

// A cell's display text in one line: a line feed becomes the two characters \n.
std::string OneLine(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '\n') {
            out += "\\n";
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

}  // namespace

int CmdSheet(const cliArgs& args) {
    indSheetSession session;
    const int code = session.Open(args.positional[0]);
    if (code != 0) {
        return ExitStatus::ForCloneFile(code);
    }
    int status = ExitStatus::Ok;
    const auto reference =
        SheetArgument::ResolveCliSheet("sheet", session, args.positional[1], ExitUsage, status);
    if (!reference) {
        return status;
    }
    if (!session.ShowSheet(*reference)) {
        std::fprintf(stderr, "orvane-cli sheet: the sheet %s cannot be shown\n",
                     reference->c_str());
        return ExitUsage;
    }
    cuiSheet& sheet = *session.Sheet();
    for (int row = 0; row < sheet.Rows(); ++row) {
        std::string line;
        for (int col = 0; col < sheet.Columns(); ++col) {
            uint8_t flags = 0;
            std::string text = OneLine(session.CellText(row, col, flags));
            if ((flags & CapsuleFlags::Error) != 0) {
                text += "!E";
            } else if ((flags & CapsuleFlags::Warning) != 0) {
                text += "!W";
            }
            line += (col == 0 ? "" : "\t") + text;
        }
        std::printf("%s\n", line.c_str());
    }
    return ExitStatus::Ok;
}
