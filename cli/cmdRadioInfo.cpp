// radio-info --port DEV [--trace TRACE]: identifies the radio and prints what it reported.

#include <cstdio>

#include "cliCloneSession.h"
#include "cliCommand.h"

int CmdRadioInfo(const cliArgs& args) {
    cliCloneArgs clone;
    if (!ParseCloneArgs(args.words, {"--port", "--trace"}, 0, clone)) {
        return ExitUsage;
    }
    cliCloneSession session(clone);
    const int status = session.Run(&indCloneCommands::CloneInfo);
    if (status != ExitStatus::Ok) {
        return status;
    }
    const RadioIdentity& radio = session.Document().Radio();
    std::printf("model code: %02X%02X\n", radio.modelHigh, radio.modelLow);
    std::printf("map revision: %d\n", radio.mapRevision);
    std::printf("revision low byte: %02X\n", radio.revisionLow);
    std::printf("clone information:");
    for (uint8_t b : radio.cloneInfo) {
        std::printf(" %02X", b);
    }
    std::printf("\n");
    return ExitStatus::Ok;
}
