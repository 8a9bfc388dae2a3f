#include "BackupFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "CloneFileComment.h"
#include "Path.h"
#include "cmcClfFile.h"
#include "cmcEeprom.h"

namespace BackupFile {

namespace {

// More backups than this within one second mean something else is wrong.
constexpr int kMaxSuffix = 999;

}  // namespace

std::string BackupFileName(const std::tm& time, int suffix) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", time.tm_year + 1900,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    std::string name = std::string("radio-backup-") + stamp;
    if (suffix > 0) {
        name += "-" + std::to_string(suffix);
    }
    return name + ".clf";
}

bool ReserveBackupFile(const std::string& directory, const std::tm& time, std::string& path,
                       std::string& error) {
    for (int suffix = 0; suffix <= kMaxSuffix; ++suffix) {
        path = Path::PathJoin(directory, BackupFileName(time, suffix));
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        if (errno != EEXIST) {
            error = std::strerror(errno);
            break;
        }
        error = "every backup name of this second is taken";
    }
    path.clear();
    return false;
}

int SaveBackupImage(const std::string& path, const cmcEeprom& image,
                    const std::vector<AddressRange>& ranges) {
    cmcEeprom copy;  // the writer takes a target it could also read into
    copy.Assign(image);
    cmcClfFile file;
    file.AttachTarget(&copy);
    file.SetHeaderWords(MemoryMap::ModelCode, MemoryMap::FileRevision);
    file.SetComment(CloneFileComment::BuildClfComment(copy));
    return file.SaveFile(path, ranges);
}

}  // namespace BackupFile
