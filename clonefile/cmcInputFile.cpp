#include "cmcInputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cmcGTex.h"

namespace {

class FdCloser {
  public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() { close(fd_); }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

  private:
    int fd_;
};

// Reads to the end of the file, but never more than limit + 1 bytes, so that a
// file that grows while it is read is still caught.
bool ReadAll(int fd, size_t limit, std::string& out) {
    char block[16384];
    while (out.size() <= limit) {
        const ssize_t n = read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        out.append(block, static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

cmcInputFile ReadInputFile(const std::string& path, size_t maxBytes) {
    cmcInputFile file;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        file.error = errno;
        return file;
    }
    const FdCloser closer(fd);
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        file.error = errno;
        return file;
    }
    if (!S_ISREG(st.st_mode)) {
        file.result = cmcInputFileResult::NotRegular;
        return file;
    }
    file.size = static_cast<uint64_t>(st.st_size);
    if (file.size > maxBytes) {
        file.result = cmcInputFileResult::TooLarge;
        return file;
    }
    file.contents.reserve(static_cast<size_t>(file.size));
    if (!ReadAll(fd, maxBytes, file.contents)) {
        file.error = errno;
        file.result = cmcInputFileResult::ReadFailed;
        file.contents.clear();
        return file;
    }
    if (file.contents.size() > maxBytes) {
        file.result = cmcInputFileResult::TooLarge;
        file.size = file.contents.size();
        file.contents.clear();
        return file;
    }
    file.result = cmcInputFileResult::Ok;
    return file;
}

std::string InputFileProblem(const cmcInputFile& file, size_t maxBytes) {
    switch (file.result) {
        case cmcInputFileResult::Ok:
            return {};
        case cmcInputFileResult::NotRegular:
            return GTex().GetText("GI_Mess_FileErr_NotRegular");
        case cmcInputFileResult::TooLarge:
            return FillPattern(GTex().GetText("GI_Mess_FileErr_TooLarge"),
                               {std::to_string(file.size), std::to_string(maxBytes)});
        case cmcInputFileResult::OpenFailed:
        case cmcInputFileResult::ReadFailed:
            break;
    }
    return std::strerror(file.error);
}
