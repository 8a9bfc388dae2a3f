#include "cmcInternalErrorBox.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

cmcInternalErrorBox* g_box = nullptr;

std::string& ProgramPath() {
    static std::string path;
    return path;
}

// The kernel's view of the executable; argv[0] only when that cannot be read.
std::string ExecutablePath() {
    std::vector<char> buf(4096);
    const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n > 0) {
        return std::string(buf.data(), static_cast<size_t>(n));
    }
    return ProgramPath().empty() ? std::string("orvane") : ProgramPath();
}

}  // namespace

cmcInternalErrorBox* SetInternalErrorBox(cmcInternalErrorBox* box) {
    cmcInternalErrorBox* previous = g_box;
    g_box = box;
    return previous;
}

void SetProgramPath(const std::string& argv0) {
    ProgramPath() = argv0;
}

std::string ProgramFileName() {
    const std::string path = ExecutablePath();
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ProgramDirectory() {
    const std::string path = ExecutablePath();
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

void cmcInternalError(const std::string& text) {
    const std::string caption = ProgramFileName();
    if (g_box != nullptr) {
        g_box->Show(caption, text);
    } else {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        std::fflush(stderr);
    }
    std::_Exit(3);
}
