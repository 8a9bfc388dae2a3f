#include "SerialProblem.h"

#include <errno.h>
#include <grp.h>
#include <sys/stat.h>

#include <string_view>

#include "cmcGTex.h"

namespace {

// The text of a failed opening, by error number.
struct OpenProblem {
    int error;
    const char* text;
};

constexpr OpenProblem kOpenProblems[] = {
    {EACCES, "GI_Mess_Port_NoAccess"}, {EPERM, "GI_Mess_Port_NoAccess"},
    {ENOENT, "GI_Mess_Port_Missing"},  {ENODEV, "GI_Mess_Port_Missing"},
    {ENXIO, "GI_Mess_Port_Missing"},   {EBUSY, "GI_Mess_Port_Busy"},
};

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void ReplaceAll(std::string& text, std::string_view from, const std::string& to) {
    for (std::string::size_type at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::string Fill(const char* section, const std::string& path) {
    std::string text = GTex().GetLines(section);
    const std::string group = DeviceGroup(path);
    ReplaceAll(text, "%g", group.empty() ? std::string("dialout") : group);
    ReplaceAll(text, "%s", path);
    return text;
}

}  // namespace

std::string DeviceGroup(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return {};
    }
    group buffer{};
    group* found = nullptr;
    char text[1024];
    if (getgrgid_r(st.st_gid, &buffer, text, sizeof text, &found) != 0 || found == nullptr) {
        return std::to_string(st.st_gid);
    }
    return found->gr_name;
}

bool DeviceVanished(const std::string& path, int error) {
    return error == ENXIO || error == EIO || error == ENODEV || !Exists(path);
}

std::string SerialProblemText(CloneResult code, const std::string& path, int error) {
    if (code == CloneResult::PortFailed) {
        for (const OpenProblem& p : kOpenProblems) {
            if (p.error == error) {
                return Fill(p.text, path);
            }
        }
        return Exists(path) ? std::string() : Fill("GI_Mess_Port_Missing", path);
    }
    if ((code == CloneResult::LineLost || code == CloneResult::WriteFailed) &&
        DeviceVanished(path, error)) {
        return Fill("GI_Mess_Port_Vanished", path);
    }
    return {};
}
