#include "SimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "cmcInternalErrorBox.h"

namespace {

long NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace

SimProcess::SimProcess(const std::vector<std::string>& args) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return;
    }
    const std::string program = ProgramDirectory() + "orvane-radio-sim";
    pid_ = fork();
    if (pid_ == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    out_ = pipeFds[0];
    fcntl(out_, F_SETFL, O_NONBLOCK);
    const long deadline = NowMs() + 5000;
    while (lines_.empty() && NowMs() < deadline) {
        ReadAvailable(50);
    }
    if (!lines_.empty()) {
        device_ = lines_.front();
        lines_.erase(lines_.begin());
    }
}

SimProcess::~SimProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        const long deadline = NowMs() + 3000;
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (NowMs() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            poll(nullptr, 0, 5);
        }
    }
    if (out_ >= 0) {
        close(out_);
    }
}

void SimProcess::ReadAvailable(int waitMs) {
    if (out_ < 0) {
        return;
    }
    pollfd p{out_, POLLIN, 0};
    if (poll(&p, 1, waitMs) <= 0) {
        return;
    }
    char buffer[4096];
    ssize_t n;
    while ((n = read(out_, buffer, sizeof buffer)) > 0) {
        pending_.append(buffer, static_cast<size_t>(n));
    }
    std::string::size_type nl;
    while ((nl = pending_.find('\n')) != std::string::npos) {
        lines_.push_back(pending_.substr(0, nl));
        pending_.erase(0, nl + 1);
    }
}

const std::vector<std::string>& SimProcess::Lines(int waitMs) {
    ReadAvailable(waitMs);
    return lines_;
}

bool SimProcess::HasLine(const std::string& prefix) const {
    for (const std::string& l : lines_) {
        if (l.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

bool SimProcess::WaitForLine(const std::string& prefix, int waitMs) {
    const long deadline = NowMs() + waitMs;
    while (!HasLine(prefix) && NowMs() < deadline) {
        ReadAvailable(20);
    }
    return HasLine(prefix);
}
