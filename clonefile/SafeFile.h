#pragma once
// Replaces a file's contents so that a failure never leaves it half written:
// the new contents go to a temporary file ".NAME.tmpPID_N" in the same folder,
// which is synced, closed and only then renamed over the target. Every file
// the programs write goes through here.
//
// A symbolic link is followed, also one whose target does not exist yet: the
// link stays and the file it names is written. Temporaries that earlier,
// interrupted saves of the same target left behind (their process has ended)
// are removed. A file-size limit reached while writing fails the save: the
// limit's signal, when it has its default action, is ignored from then on.

#include <string>

enum class cmcSafeFileResult {
    Ok,
    OpenFailed,   // the target cannot be written, or no temporary file could be made
    WriteFailed,  // writing, syncing, closing or renaming failed; the target is untouched
};

namespace SafeFile {

// On failure, error (when given) receives the system's error number of the
// failed step.
cmcSafeFileResult WriteFileReplacing(const std::string& path, const std::string& contents,
                                     int* error = nullptr);

// The name WriteFileReplacing's temporary for target takes in a process.
std::string TemporaryFileStem(const std::string& target, long pid);

}  // namespace SafeFile
