#include "cliTraceFile.h"

#include <cerrno>
#include <cstring>

cliTraceFile::~cliTraceFile() {
    Close();
}

bool cliTraceFile::Open(const std::string& path) {
    path_ = path;
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) {
        std::fprintf(stderr, "orvane-cli: trace file %s cannot be written: %s; nothing was sent\n",
                     path.c_str(), std::strerror(errno));
        return false;
    }
    TraceLine(Trace::TraceHeader);
    return true;
}

void cliTraceFile::TraceLine(const std::string& line) {
    if (file_ == nullptr) {
        return;
    }
    if (std::fputs(line.c_str(), file_) < 0 || std::fputc('\n', file_) == EOF ||
        std::fflush(file_) != 0) {
        failed_ = true;
    }
}

bool cliTraceFile::Close() {
    if (file_ == nullptr) {
        return true;
    }
    failed_ = std::fclose(file_) != 0 || failed_;
    file_ = nullptr;
    if (failed_) {
        std::fprintf(stderr, "orvane-cli: trace file %s is incomplete: writing it failed\n",
                     path_.c_str());
    }
    return !failed_;
}
