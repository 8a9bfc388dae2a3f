#include "CliProcess.h"

#include <sys/wait.h>

#include <cstdlib>

#include "cmcInternalError.h"

int RunCliBounded(const std::string& arguments, const std::string& stdoutFile,
                  const std::string& stderrFile) {
    const std::string command = "timeout 120 '" + ProgramDirectory() + "orvane-cli' " + arguments +
                                " < /dev/null > '" + stdoutFile + "' 2>'" + stderrFile + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
