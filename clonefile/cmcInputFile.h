#pragma once
// Reads a whole input file (a clone file, a CSV file) within a size limit.
// Only a regular file is read: a device, a FIFO or a folder is refused at once
// (the open never waits for a FIFO's writer), and a file larger than the limit
// is refused by its size before anything is read.

#include <cstddef>
#include <cstdint>
#include <string>

// Far above any real file: a full clone file is about 40 KB, a CSV of every
// channel about 30 KB.
constexpr size_t kMaxCloneFileBytes = size_t{1} << 20;
constexpr size_t kMaxCsvFileBytes = size_t{4} << 20;

enum class cmcInputFileResult {
    Ok,
    OpenFailed,  // the system refused the open (error holds its errno)
    NotRegular,  // a folder, device, FIFO or socket
    TooLarge,    // size holds the size found
    ReadFailed,  // a read failed (error holds its errno)
};

struct cmcInputFile {
    cmcInputFileResult result = cmcInputFileResult::OpenFailed;
    std::string contents;
    uint64_t size = 0;
    int error = 0;
};

cmcInputFile ReadInputFile(const std::string& path, size_t maxBytes);

// One sentence on why the file was not read (the system's reason, or the
// overlay's text naming the file kind or size); empty for Ok.
std::string InputFileProblem(const cmcInputFile& file, size_t maxBytes);
