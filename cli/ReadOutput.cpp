#include "ReadOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "BackupFile.h"
#include "Path.h"
#include "indDocument.h"

namespace ReadOutput {

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
    const std::string parent = Path::PathDirectory(directory);
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
    // An existing file is checked where the writer puts it: at the end of its links.
    std::string target = Path::PathAbsolute(path);
    char resolved[PATH_MAX];
    if (realpath(target.c_str(), resolved) != nullptr) {
        target = resolved;
    }
    struct stat st {};
    if (stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file";
        return false;
    }
    // The writer makes a new file beside the target and renames it over the target.
    const std::string folder = Path::PathDirectory(target);
    std::string probe = Path::PathJoin(folder, ".orvane-check-XXXXXX");
    const int fd = mkstemp(probe.data());
    if (fd < 0) {
        error = "its folder " + folder + " takes no new file: " + std::strerror(errno);
        return false;
    }
    close(fd);
    unlink(probe.c_str());
    return true;
}

std::string ReadFallbackDirectory() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] == '/') {
        return Path::PathJoin(data, "Orvane");
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return Path::PathJoin(Path::PathJoin(Path::PathJoin(home, ".local"), "share"), "Orvane");
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
        BackupFile::ReserveBackupFile(directory, local, kept, error)) {
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

}  // namespace ReadOutput
