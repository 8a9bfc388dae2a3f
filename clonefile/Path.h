#pragma once
// File-path pieces used by the file commands and the safe writer.

#include <string>

namespace Path {

// The folder part without trailing separator: "/" for a file in the root, "."
// for a bare name.
std::string PathDirectory(const std::string& path);
// The part after the last separator.
std::string PathFileName(const std::string& path);
// directory and name joined by one separator.
std::string PathJoin(const std::string& directory, const std::string& name);
// The path made absolute against the current directory, "." and ".." resolved.
std::string PathAbsolute(const std::string& path);
// The process's current directory.
std::string CurrentDirectory();
// Whether two paths name the same file: by device and inode when both exist,
// else (neither exists) by their absolute paths with links resolved as far as
// they exist. A path that exists and one that does not differ.
bool PathsNameSameFile(const std::string& a, const std::string& b);

}  // namespace Path
