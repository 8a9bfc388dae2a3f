#include "SpeedChangeText.h"

#include <cstdio>

namespace {

std::string SpeedChangeForm(const char* openSettings, int modelCode, int s1, int s2) {
    char frame[128];
    std::snprintf(frame, sizeof frame,
                  "(%s)FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFE EEEF E8 %04X%04X 01 %02X%02X FD",
                  openSettings, static_cast<unsigned>(modelCode) & 0xFFFFu, 0u,
                  static_cast<unsigned>(s1), static_cast<unsigned>(s2));
    return frame;
}

}  // namespace

bool TakeSpeedChangePart(std::string& text, SpeedChangePart& part) {
    if (text.empty()) {
        return false;
    }
    part = SpeedChangePart{};
    if (text[0] == '(') {
        const std::string::size_type close = text.find(')');
        part.reopen = true;
        part.settings = text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        text.erase(0, close == std::string::npos ? text.size() : close + 1);
        return true;
    }
    const std::string::size_type open = text.find('(');
    part.bytes = cmcBuff::FromHex(text.substr(0, open));
    text.erase(0, open == std::string::npos ? text.size() : open);
    return true;
}

std::string SpeedChangeForm38400(int modelCode) {
    return SpeedChangeForm("38400,N,8,1", modelCode, 50, 55);
}

std::string SpeedChangeForm9600(int modelCode) {
    return SpeedChangeForm("9600,N,8,1", modelCode, 48, 57);
}
