#include "SectionLines.h"

#include "cmcGTex.h"

std::vector<std::string> ReadBodyLines(cmcGTex& texts, const std::string& section) {
    return texts.BodyLines(section);
}
