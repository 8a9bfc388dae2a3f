#include "SafeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "Path.h"

namespace SafeFile {

namespace {

// More links in a row than this are a loop, as the system counts them.
constexpr int kMaxLinkHops = 40;

// The file a path finally names: symbolic links are followed one by one, so
// that a link whose target does not exist yet names that target. False (with
// errno set) for a loop of links or an unreadable link.
bool FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return true;
        }
        char next[PATH_MAX];
        const ssize_t n = readlink(target.c_str(), next, sizeof next - 1);
        if (n <= 0) {
            return false;
        }
        const std::string link(next, static_cast<size_t>(n));
        target = link[0] == '/' ? link : Path::PathJoin(Path::PathDirectory(target), link);
    }
    errno = ELOOP;
    return false;
}

// The process id in a temporary's name "<stem of any pid>N", or -1 when name is
// not a temporary of the target.
long TemporaryOwner(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return -1;
    }
    name.remove_prefix(prefix.size());
    const auto underscore = name.find('_');
    if (underscore == 0 || underscore == std::string_view::npos || underscore + 1 == name.size() ||
        name.find_first_not_of("0123456789_") != std::string_view::npos ||
        name.find('_', underscore + 1) != std::string_view::npos) {
        return -1;
    }
    return std::strtol(std::string(name.substr(0, underscore)).c_str(), nullptr, 10);
}

bool ProcessHasEnded(long pid) {
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() && pid != getpid() &&
           kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// With the default action, a file-size limit reached while writing would end
// the program; ignored, the write fails with EFBIG and the save fails cleanly.
void IgnoreFileSizeSignal() {
    struct sigaction current {};
    if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        signal(SIGXFSZ, SIG_IGN);
    }
}

// Removes the temporaries of target that saves of ended processes left behind.
void RemoveStaleTemporaries(const std::string& target) {
    const std::string prefix = "." + Path::PathFileName(target) + ".tmp";
    DIR* dir = opendir(Path::PathDirectory(target).c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(dir)) {
        if (ProcessHasEnded(TemporaryOwner(entry->d_name, prefix))) {
            unlinkat(dirfd(dir), entry->d_name, 0);
        }
    }
    closedir(dir);
}

// Creates a new, empty file beside the target; -1 when none can be made.
int CreateTemporary(const std::string& target, std::string& name) {
    const std::string stem = TemporaryFileStem(target, getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + std::to_string(attempt);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteAll(int fd, const std::string& contents) {
    size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

void SyncDirectory(const std::string& directory) {
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);  // best effort: the rename is done either way
        close(fd);
    }
}

cmcSafeFileResult Failed(cmcSafeFileResult result, int* error) {
    if (error != nullptr) {
        *error = errno;
    }
    return result;
}

}  // namespace

std::string TemporaryFileStem(const std::string& target, long pid) {
    return Path::PathJoin(Path::PathDirectory(target),
                          "." + Path::PathFileName(target) + ".tmp" + std::to_string(pid) + "_");
}

cmcSafeFileResult WriteFileReplacing(const std::string& path, const std::string& contents,
                                     int* error) {
    IgnoreFileSizeSignal();
    std::string target;
    if (!FollowLinks(path, target)) {
        return Failed(cmcSafeFileResult::OpenFailed, error);
    }
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        errno = S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        return Failed(cmcSafeFileResult::OpenFailed, error);
    }
    if (exists && access(target.c_str(), W_OK) != 0) {
        return Failed(cmcSafeFileResult::OpenFailed, error);
    }
    RemoveStaleTemporaries(target);

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) {
        return Failed(cmcSafeFileResult::OpenFailed, error);
    }
    bool ok = !exists || fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, contents) && fsync(fd) == 0;
    int failure = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        errno = failure;
        return Failed(cmcSafeFileResult::WriteFailed, error);
    }
    SyncDirectory(Path::PathDirectory(target));
    return cmcSafeFileResult::Ok;
}

}  // namespace SafeFile
