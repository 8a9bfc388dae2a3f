#include "cliCommand.h"

namespace {

const std::vector<cliCommand> kCommands = {
    {"new",
     "--model lmr|pmr|biis -o FILE",
     "write a new image of a model type as a clone file",
     {{"--model", true}, {"-o", true}},
     false,
     0,
     CmdNew},
    {"info",
     "FILE",
     "show model, map revision, comment and channel counts of a clone file",
     {},
     false,
     1,
     CmdInfo},
    {"verify",
     "FILE",
     "check that a clone file would open; exit status 0 or the clone-file result code",
     {},
     false,
     1,
     CmdVerify},
    {"sheet",
     "FILE REF",
     "print a sheet of the image as the item handler shows it, e.g. "
     "\"[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0\"",
     {},
     false,
     2,
     CmdSheet},
    {"edit",
     "FILE -o OUT -s REF (--at ROW,COL | --item NAME[INDEX]) ACTION...",
     "apply actions to cells as the window would and save: --type TEXT, --key "
     "space|backspace|enter|CHAR, --choose VALUE, --command "
     "copy|paste|carry-up|carry-down|clear|delete|insert, --yes/--no",
     {},
     false,
     FreeFormArgs,
     CmdEdit},
    {"radio-info",
     "--port DEV",
     "identify the radio on the serial device DEV",
     {},
     false,
     FreeFormArgs,
     CmdRadioInfo},
    {"read",
     "--port DEV [--high-speed] -o FILE",
     "read the radio into a clone file",
     {},
     false,
     FreeFormArgs,
     CmdRead},
    {"write",
     "--port DEV FILE [--high-speed]",
     "write a clone file into the radio",
     {},
     true,
     FreeFormArgs,
     CmdWrite},
};

}  // namespace

std::span<const cliCommand> CliCommands() {
    return kCommands;
}
