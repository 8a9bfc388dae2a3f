#pragma once
// The built orvane-radio-sim, started from the running program's directory
// (tests, the benchmark): its first line of output is the device path; later
// lines are what the radio did. Stopped (and reaped) when the object goes;
// every wait is bounded.

#include <sys/types.h>

#include <string>
#include <vector>

class SimProcess {
  public:
    explicit SimProcess(const std::vector<std::string>& args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Started() const { return !device_.empty(); }
    const std::string& Device() const { return device_; }
    // Lines printed after the device path, collected so far (waits up to waitMs for more).
    const std::vector<std::string>& Lines(int waitMs = 0);
    // Whether a line beginning with prefix has been printed, waiting up to waitMs for it.
    bool WaitForLine(const std::string& prefix, int waitMs);
    bool HasLine(const std::string& prefix) const;

  private:
    void ReadAvailable(int waitMs);

    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
    std::string device_;
    std::vector<std::string> lines_;
};
