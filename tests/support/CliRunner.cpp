#include "CliRunner.h"

#include <sys/wait.h>

#include <cstdio>

#include "ClfTestSupport.h"
#include "cmcInternalErrorBox.h"

CliRun RunCli(const std::string& arguments, const std::string& errFile) {
    const std::string command = ProgramDirectory() + "orvane-cli " + arguments + " 2>" + errFile;
    CliRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.out.append(buffer, n);
    }
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = ReadWholeFile(errFile);
    return run;
}
