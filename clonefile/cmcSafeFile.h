#pragma once
// Replaces a file's contents so that a failure never leaves it half written:
// the new contents go to a temporary file in the same folder, which is synced,
// closed and only then renamed over the target.

#include <string>

enum class cmcSafeFileResult {
    Ok,
    OpenFailed,   // the target cannot be written, or no temporary file could be made
    WriteFailed,  // writing, syncing, closing or renaming failed; the target is untouched
};

cmcSafeFileResult WriteFileReplacing(const std::string& path, const std::string& contents);
