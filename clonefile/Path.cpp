#include "Path.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace Path {

std::string PathDirectory(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string PathFileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string PathJoin(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == '/') {
        return directory + name;
    }
    return directory + "/" + name;
}

std::string PathAbsolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::string CurrentDirectory() {
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    return ec ? std::string(".") : current.string();
}

bool PathsNameSameFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    const bool aExists = stat(a.c_str(), &sa) == 0;
    const bool bExists = stat(b.c_str(), &sb) == 0;
    if (aExists || bExists) {
        return aExists && bExists && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    std::error_code ea, eb;
    const auto ra = std::filesystem::weakly_canonical(std::filesystem::absolute(a, ea), ea);
    const auto rb = std::filesystem::weakly_canonical(std::filesystem::absolute(b, eb), eb);
    return !ea && !eb ? ra == rb : PathAbsolute(a) == PathAbsolute(b);
}

}  // namespace Path
