#include "ComDevicePath.h"

std::string ComDevicePath(const std::string& pattern, int portNumber) {
    const std::string& source = pattern.empty() ? std::string(DefaultComDevicePattern) : pattern;
    const std::string::size_type at = source.find("%d");
    if (at == std::string::npos) {
        return source;
    }
    return source.substr(0, at) + std::to_string(portNumber - 1) + source.substr(at + 2);
}
