#include "CommSettings.h"

#include <algorithm>
#include <vector>

namespace CommSettings {

namespace {

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> fields;
    std::string::size_type from = 0;
    for (;;) {
        const std::string::size_type comma = text.find(',', from);
        fields.push_back(text.substr(from, comma == std::string::npos ? comma : comma - from));
        if (comma == std::string::npos) {
            break;
        }
        from = comma + 1;
    }
    fields.resize(std::max<size_t>(fields.size(), 4));
    return fields;
}

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The leading decimal digits of s (0 when there are none), saturated well above any baud rate.
int DecimalOf(const std::string& s) {
    long value = 0;
    for (char c : Trimmed(s)) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min(value * 10 + (c - '0'), 100000000L);
    }
    return static_cast<int>(value);
}

}  // namespace

cmcLineSettings ParseCommSettings(const std::string& text) {
    const std::vector<std::string> f = SplitFields(text);
    cmcLineSettings s;
    s.baud = DecimalOf(f[0]);
    const std::string parity = Trimmed(f[1]);
    s.parity = parity.empty() ? 'N' : parity[0];
    s.dataBits = std::clamp(DecimalOf(f[2]), 4, 8);
    const std::string stop = Trimmed(f[3]);
    s.stopBits = stop == "1.5" ? cmcStopBits::OneAndHalf
                 : stop == "2" ? cmcStopBits::Two
                               : cmcStopBits::One;
    return s;
}

}  // namespace CommSettings
