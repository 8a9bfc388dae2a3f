#include "CliProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "cmcInternalErrorBox.h"

int RunCliBounded(const std::string& arguments, const std::string& stdoutFile,
                  const std::string& stderrFile) {
    const std::string command = "timeout 120 '" + ProgramDirectory() + "orvane-cli' " + arguments +
                                " < /dev/null > '" + stdoutFile + "' 2>'" + stderrFile + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int StartCli(const std::vector<std::string>& arguments, const std::string& stderrFile) {
    const std::string program = ProgramDirectory() + "orvane-cli";
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open("/dev/null", O_WRONLY);
        const int err = open(stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
            dup2(err, 2) < 0) {
            _exit(127);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

int WaitCli(int pid, int waitMs) {
    for (int waited = 0; waited <= waitMs; waited += 10) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return status;
        }
        usleep(10 * 1000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}
