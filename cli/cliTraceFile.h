#pragma once
// The trace file of --trace FILE: a header line, then every line of the serial
// trace as it happens (flushed, so that a trace of a hung exchange is whole).

#include <cstdio>
#include <string>

#include "Trace.h"

class cliTraceFile : public cmcTraceSink {
  public:
    cliTraceFile() = default;
    ~cliTraceFile() override;
    cliTraceFile(const cliTraceFile&) = delete;
    cliTraceFile& operator=(const cliTraceFile&) = delete;

    // Creates or truncates path; false with a message on stderr when it cannot.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    void TraceLine(const std::string& line) override;
    // Closes the file; false with a message on stderr when a line was lost.
    bool Close();

  private:
    std::FILE* file_ = nullptr;
    std::string path_;
    bool failed_ = false;
};
