#include "DebugCompare.h"

#include <cstdio>

#include "cmcEeprom.h"

namespace DebugCompare {

std::vector<std::string> Lines(const cmcEeprom& base, const cmcEeprom& working) {
    if (base.Size() != working.Size()) {
        return {"Not match size !"};
    }
    std::vector<std::string> lines;
    for (int i = 0; i < base.Size(); ++i) {
        const unsigned before = base.GetByte(i);
        const unsigned after = working.GetByte(i);
        if (before != after) {
            char line[24];
            std::snprintf(line, sizeof line, "%04X : %02X -> %02X", static_cast<unsigned>(i),
                          before, after);
            lines.emplace_back(line);
        }
    }
    return lines;
}

}  // namespace DebugCompare
