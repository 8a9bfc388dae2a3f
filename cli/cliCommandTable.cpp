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
};

}  // namespace

std::span<const cliCommand> CliCommands() {
    return kCommands;
}
