#include "ClfResult.h"

#include <array>

#include "cmcGTex.h"

namespace {

constexpr std::array<const char*, 10> kTextNames = {
    nullptr,
    "GI_Mess_FileErr_FileOpen",
    "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_Model",
    "GI_Mess_FileErr_Extra",
    "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Format",
    "GI_Mess_FileErr_Coverage",
    "GI_Mess_FileErr_Data",
    "GI_Mess_FileErr_Newer",
};

}  // namespace

const char* ClfResultTextName(int code) {
    if (code < 0 || code >= static_cast<int>(kTextNames.size())) {
        return nullptr;
    }
    return kTextNames[static_cast<size_t>(code)];
}

std::string FileErrorText(int code, const ClfErrorPlace& place) {
    const char* name = ClfResultTextName(code);
    if (name == nullptr) {
        return {};
    }
    std::string text = GTex().GetText("GI_Mess_FileErr_Headline") + "\n\n" + GTex().GetText(name);
    if (!place.reason.empty()) {
        text += "\n" + place.reason;
    }
    if (!place.path.empty()) {
        text += "\n" + (place.line > 0
                            ? FillPattern(GTex().GetText("GI_Mess_FileErr_FileLine"),
                                          {place.path, std::to_string(place.line)})
                            : FillPattern(GTex().GetText("GI_Mess_FileErr_File"), {place.path}));
    }
    return text;
}

void ShowFileError(int code, const ClfErrorPlace& place) {
    const std::string text = FileErrorText(code, place);
    if (!text.empty()) {
        ShowMessage(text, cmcMbButtons::Ok, cmcMbIcon::Warning);
    }
}
