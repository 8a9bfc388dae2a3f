#include "SectionLines.h"

#include "cmcGTex.h"

std::vector<std::string> ReadBodyLines(cmcGTex& texts, const std::string& section) {
    std::vector<std::string> lines;
    for (int i = 0;; ++i) {
        std::string line = texts.GetText(section, i);
        if (line.starts_with('#')) {
            return lines;
        }
        lines.push_back(std::move(line));
    }
}
