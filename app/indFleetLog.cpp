#include "indFleetLog.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <unistd.h>

#include "Csv.h"

std::vector<std::string> FleetLogHeading() {
    return {"time", "port", "row", "values", "result", "message", "backup", "verification"};
}

std::vector<std::string> FleetLogFields(const indFleetRecord& r) {
    return {r.time,
            r.port,
            r.row > 0 ? std::to_string(r.row) : std::string(),
            Csv::ProtectCsvText(r.values),
            std::to_string(r.result),
            Csv::ProtectCsvText(r.message),
            r.backup,
            r.verification};
}

bool CanAppendLog(const std::string& path, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path file(path);
    const bool exists = fs::exists(file, ec);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (exists ? (fs::is_directory(file, ec) || access(path.c_str(), W_OK) != 0)
               : access(folder.c_str(), W_OK) != 0) {
        error = "cannot write the log " + path + ": " +
                (exists && fs::is_directory(file, ec) ? "it is a folder" : std::strerror(errno));
        return false;
    }
    return true;
}

bool indFleetLog::Open(const std::string& path, std::string& error) {
    std::error_code ec;
    const bool fresh =
        !std::filesystem::exists(path, ec) || std::filesystem::file_size(path, ec) == 0;
    out_.open(path, std::ios::binary | std::ios::app);
    if (!out_) {
        error = "cannot open the log " + path + ": " + std::strerror(errno);
        return false;
    }
    path_ = path;
    if (fresh) {
        out_ << Csv::FormatCsvRecord(FleetLogHeading());
        out_.flush();
    }
    if (!out_) {
        error = "cannot write the log " + path;
        return false;
    }
    return true;
}

bool indFleetLog::Append(const indFleetRecord& record, std::string& error) {
    out_ << Csv::FormatCsvRecord(FleetLogFields(record));
    out_.flush();
    if (!out_) {
        error = "cannot write the log " + path_ + "; the radio's record is missing from it";
        return false;
    }
    return true;
}
