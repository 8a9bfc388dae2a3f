#pragma once
// The log of a fleet write (LOG.csv): one record per radio, written and
// flushed as soon as the radio is done, so that the log is complete whenever
// the run ends. An existing log is appended to; a new or empty one gets the
// heading line first.

#include <fstream>
#include <string>
#include <vector>

struct indFleetRecord {
    std::string time;  // local time, "YYYY-MM-DD HH:MM:SS"
    std::string port;  // the serial device
    int row = 0;  // the radio's record of RADIOS.csv (1 = the first after the heading); 0 without
    std::string values;        // "CELL=VALUE; ..."
    int result = 0;            // 0 success, else the outcome code (see indFleetPort)
    std::string message;       // what went wrong, or "written"
    std::string backup;        // the backup file, if one was saved
    std::string verification;  // "verified", "differs", "not read back", "not done"; "" unasked
};

std::vector<std::string> FleetLogHeading();
std::vector<std::string> FleetLogFields(const indFleetRecord& record);

// Whether path can be appended to (an existing writable file, or a new one in
// a writable folder), without creating it; false with error set.
bool CanAppendLog(const std::string& path, std::string& error);

class indFleetLog {
  public:
    // False with error set when the file cannot be opened for appending.
    bool Open(const std::string& path, std::string& error);
    // False with error set when the record could not be written whole.
    bool Append(const indFleetRecord& record, std::string& error);

  private:
    std::string path_;
    std::ofstream out_;
};
