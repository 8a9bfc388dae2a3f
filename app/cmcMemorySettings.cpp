#include "cmcSettingsBackend.h"

bool cmcMemorySettings::ReadInt(const std::string& group, const std::string& name, int& value) {
    ++reads;
    const auto it = ints.find({group, name});
    if (it == ints.end()) {
        return false;
    }
    value = it->second;
    return true;
}

bool cmcMemorySettings::ReadString(const std::string& group, const std::string& name,
                                   std::string& value) {
    ++reads;
    const auto it = strings.find({group, name});
    if (it == strings.end()) {
        return false;
    }
    value = it->second;
    return true;
}

void cmcMemorySettings::WriteInt(const std::string& group, const std::string& name, int value) {
    ++writes;
    ints[{group, name}] = value;
}

void cmcMemorySettings::WriteString(const std::string& group, const std::string& name,
                                    const std::string& value) {
    ++writes;
    strings[{group, name}] = value;
}
