// read --port DEV [--high-speed] -o FILE: reads the radio and saves its image as a clone file.

#include "cliCloneSession.h"
#include "cliCommand.h"

int CmdRead(const cliArgs& args) {
    cliCloneArgs clone;
    if (!ParseCloneArgs(args.words, {"--port", "--high-speed", "-o"}, 0, clone)) {
        return ExitUsage;
    }
    cliCloneSession session(clone);
    const int status = session.Run(&indCloneCommands::CloneRead);
    if (status != 0) {
        return status;
    }
    return session.Document().SaveToFile(clone.output) ? 0 : 1;
}
