#include "DataDirectory.h"

#include <filesystem>
#include <system_error>

#include "cmcInternalErrorBox.h"

namespace DataDirectory {

namespace {

// path with "." and ".." resolved lexically, ending in one separator.
std::string FolderName(const std::filesystem::path& path) {
    std::string text = path.lexically_normal().string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

}  // namespace

}  // namespace DataDirectory

std::string cmcDataLookup::Message() const {
    std::string text = "The data folder was not found: no '" +
                       std::string(DataDirectory::DataMarkerFile) + "' in ";
    for (size_t i = 0; i < searched.size(); ++i) {
        text += (i == 0 ? "'" : i + 1 == searched.size() ? "' or in '" : "', '") + searched[i];
    }
    return text + "'. Reinstall the program or copy its data files into one of these folders.";
}

namespace DataDirectory {

std::vector<std::string> DataDirectoryCandidates(const std::string& programDirectory) {
    const std::filesystem::path program = programDirectory.empty() ? "./" : programDirectory;
    return {FolderName(program), FolderName(program / ".." / "share" / "orvane")};
}

cmcDataLookup FindDataDirectory(const std::string& programDirectory, const std::string& marker) {
    cmcDataLookup lookup;
    lookup.searched = DataDirectoryCandidates(programDirectory);
    for (const std::string& folder : lookup.searched) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(folder + marker, ec)) {
            lookup.directory = folder;
            break;
        }
    }
    return lookup;
}

const cmcDataLookup& DataLookup() {
    static const cmcDataLookup lookup = FindDataDirectory(ProgramDirectory());
    return lookup;
}

std::string DataDirectory() {
    const cmcDataLookup& lookup = DataLookup();
    return lookup.directory.empty() ? ProgramDirectory() : lookup.directory;
}

}  // namespace DataDirectory
