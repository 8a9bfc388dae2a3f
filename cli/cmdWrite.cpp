// write --port DEV FILE [--high-speed] [--yes]: opens the clone file and writes it into the radio.

#include "cliCloneSession.h"
#include "cliCommand.h"

int CmdWrite(const cliArgs& args) {
    cliCloneArgs clone;
    if (!ParseCloneArgs(args.words, {"--port", "--high-speed", "--yes"}, 1, clone)) {
        return ExitUsage;
    }
    cliCloneSession session(clone);
    const int opened = session.Document().OpenFile(clone.files[0]);
    if (opened != 0) {
        return opened < 0 ? 1 : opened;  // the reader has shown its message
    }
    return session.Run(&indCloneCommands::CloneWrite);
}
