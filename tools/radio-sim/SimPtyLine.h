#pragma once
// The simulated radio's end of the cable: the master side of a
// pseudo-terminal. The line settings belong to the program on the slave side
// (both sides share one termios), so they are only read here, never set: the
// baud rate the program chose is the line's speed. The simulator keeps a
// descriptor of the slave open itself, so that the program may close and
// reopen its side without hanging up the line.

#include <csignal>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class SimRadio;

class SimPtyLine {
  public:
    SimPtyLine() = default;
    ~SimPtyLine();
    SimPtyLine(const SimPtyLine&) = delete;
    SimPtyLine& operator=(const SimPtyLine&) = delete;

    // Opens a pseudo-terminal; with linkPath, makes it a symbolic link to the slave.
    bool Open(const std::string& linkPath, std::string& error);
    const std::string& DevicePath() const { return devicePath_; }

    // Serves the radio until stop is set. With pace, bytes cross the line no
    // faster than its baud rate (10 bits a byte). log gets every line to print.
    void Serve(SimRadio& radio, bool pace, const volatile std::sig_atomic_t& stop,
               const std::function<void(const std::string&)>& log);

  private:
    void Close();
    bool Reopen(std::string& error);
    int LineBaud() const;
    int64_t ByteTimeUs() const;

    int master_ = -1;
    int hold_ = -1;
    std::string devicePath_;
    std::string linkPath_;
};
