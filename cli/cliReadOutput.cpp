#include "cliReadOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "cmcPath.h"
#include "indBackupFile.h"
#include "indDocument.h"

namespace {

// Creates directory and its missing parents; false with error set.
bool MakeDirectories(const std::string& directory, std::string& error) {
    struct stat st {};
    if (stat(directory.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            return true;
        }
        error = directory + " is not a folder";
        return false;
    }
    const std::string parent = PathDirectory(directory);
    if (parent != directory && !MakeDirectories(parent, error)) {
        return false;
    }
    if (mkdir(directory.c_str(), 0777) != 0 && errno != EEXIST) {
        error = directory + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

bool CanSaveReadOutput(const std::string& path, std::string& error) {
    const std::string absolute = PathAbsolute(path);
    struct stat st {};
    if (stat(absolute.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file";
        return false;
    }
    // The saved file is written beside its name and renamed over it: the folder must take a new
    // file.
    std::string probe = PathJoin(PathDirectory(absolute), ".orvane-check-XXXXXX");
    const int fd = mkstemp(probe.data());
    if (fd < 0) {
        error =
            "its folder " + PathDirectory(absolute) + " takes no new file: " + std::strerror(errno);
        return false;
    }
    close(fd);
    unlink(probe.c_str());
    return true;
}

std::string ReadFallbackDirectory() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') {
        return PathJoin(data, "Orvane");
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return PathJoin(PathJoin(PathJoin(home, ".local"), "share"), "Orvane");
    }
    return "";
}

bool SaveReadOutput(indDocument& document, const std::string& path) {
    if (document.SaveToFile(path)) {
        return true;
    }
    const std::string directory = ReadFallbackDirectory();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::string kept;
    std::string error = "no data folder (neither XDG_DATA_HOME nor HOME is set)";
    if (!directory.empty() && MakeDirectories(directory, error) &&
        ReserveBackupFile(directory, local, kept, error)) {
        if (document.SaveToFile(kept)) {
            std::fprintf(stderr,
                         "orvane-cli: the image read from the radio could not be saved as %s; "
                         "it was kept in %s\n",
                         path.c_str(), kept.c_str());
            return false;
        }
        std::remove(kept.c_str());
        error = "the file could not be written";
    }
    std::fprintf(stderr,
                 "orvane-cli: the image read from the radio could not be saved as %s, nor kept "
                 "in %s: %s\n",
                 path.c_str(), directory.empty() ? "a data folder" : directory.c_str(),
                 error.c_str());
    return false;
}
