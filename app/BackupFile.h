#pragma once
// The backup of a radio's image taken before a clone write: a new clone file
// in a chosen folder, named by the date and time, that never replaces a file.

#include <ctime>
#include <string>
#include <vector>

#include "MemoryMap.h"

class cmcEeprom;

namespace BackupFile {

// "radio-backup-YYYYMMDD-HHMMSS.clf"; with suffix n > 0 "radio-backup-YYYYMMDD-HHMMSS-n.clf".
std::string BackupFileName(const std::tm& time, int suffix);

// Creates a new, empty file in directory under the first free backup name of
// time, so that no existing file is ever replaced. False with error set to the
// system's reason when the folder takes no new file.
bool ReserveBackupFile(const std::string& directory, const std::tm& time, std::string& path,
                       std::string& error);

// Writes the bytes of ranges of an image, exactly as the radio delivered it,
// as a clone file at path. The clone-file code; its message has been shown.
int SaveBackupImage(const std::string& path, const cmcEeprom& image,
                    const std::vector<AddressRange>& ranges);

}  // namespace BackupFile
