// orvane-cli: clone files from the command line, speaking the overlay's texts.

#include <cstdio>
#include <cstring>
#include <string>

#include "cliArgs.h"
#include "cliCommand.h"
#include "cliMessageHost.h"
#include "cmcInternalError.h"

namespace {

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: orvane-cli COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const cliCommand& c : CliCommands()) {
        std::fprintf(out, "  %s %s%s\n      %s\n", c.name, c.synopsis,
                     c.acceptsYes ? " [--yes]" : "", c.summary);
    }
}

const cliCommand* FindCommand(const char* name) {
    for (const cliCommand& c : CliCommands()) {
        if (std::strcmp(c.name, name) == 0) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    SetProgramPath(argv[0]);
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(stdout);
        return argc < 2 ? ExitUsage : 0;
    }
    const cliCommand* command = FindCommand(argv[1]);
    if (command == nullptr) {
        std::fprintf(stderr, "orvane-cli: unknown command '%s'\n", argv[1]);
        PrintUsage(stderr);
        return ExitUsage;
    }
    cliArgs args;
    std::string error;
    if (!ParseCliArgs(*command, argc, argv, 2, args, error)) {
        std::fprintf(stderr, "orvane-cli %s: %s\nusage: orvane-cli %s %s\n", command->name,
                     error.c_str(), command->name, command->synopsis);
        return ExitUsage;
    }
    cliMessageHost host(args.yes);
    SetCurrentMessageBoxHost(&host);
    const int status = command->handler(args);
    SetCurrentMessageBoxHost(nullptr);
    return status;
}
