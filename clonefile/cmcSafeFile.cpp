#include "cmcSafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "cmcPath.h"

namespace {

// The file a path finally names: a symbolic link is followed so that the link stays.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

// Creates a new, empty file beside the target; -1 when none can be made.
int CreateTemporary(const std::string& target, std::string& name) {
    const std::string stem = PathJoin(PathDirectory(target), "." + PathFileName(target) + ".tmp" +
                                                                 std::to_string(getpid()) + "_");
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

}  // namespace

cmcSafeFileResult WriteFileReplacing(const std::string& path, const std::string& contents) {
    const std::string target = ResolvedTarget(path);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || access(target.c_str(), W_OK) != 0)) {
        return cmcSafeFileResult::OpenFailed;
    }

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) {
        return cmcSafeFileResult::OpenFailed;
    }
    bool ok = !exists || fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, contents) && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return cmcSafeFileResult::WriteFailed;
    }
    SyncDirectory(PathDirectory(target));
    return cmcSafeFileResult::Ok;
}
