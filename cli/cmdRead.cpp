// read --port DEV [--high-speed] [--trace TRACE] -o FILE: reads the radio and saves its image
// as a clone file. FILE is checked before the radio is asked; an image that
// still cannot be saved there is kept in the user's data folder.

#include <cstdio>

#include "OutputPath.h"
#include "ReadOutput.h"
#include "cliCloneSession.h"
#include "cliCommand.h"

int CmdRead(const cliArgs& args) {
    cliCloneArgs clone;
    if (!ParseCloneArgs(args.words, {"--port", "--high-speed", "-o", "--trace"}, 0, clone)) {
        return ExitUsage;
    }
    if (!clone.trace.empty() &&
        !OutputPath::OutputSparesInputs("read", clone.trace, {clone.output})) {
        return ExitUsage;
    }
    std::string error;
    if (!ReadOutput::CanSaveReadOutput(clone.output, error)) {
        std::fprintf(stderr, "orvane-cli: %s cannot be saved: %s; nothing was read\n",
                     clone.output.c_str(), error.c_str());
        return ExitStatus::FileFailed;
    }
    cliCloneSession session(clone);
    const int status = session.Run(&indCloneCommands::CloneRead);
    if (status != ExitStatus::Ok) {
        return status;
    }
    return ReadOutput::SaveReadOutput(session.Document(), clone.output) ? ExitStatus::Ok
                                                                        : ExitStatus::FileFailed;
}
