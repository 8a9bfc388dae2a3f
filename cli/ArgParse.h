#pragma once
// Splitting a command's arguments by the command's table row.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "cliCommand.h"
// "NAME[INDEX]" with INDEX 0 or more, or "NAME" alone (index 0).
struct cliItemRef {
    std::string name;
    int index = 0;
};

namespace ArgParse {

// Parses argv[first..argc-1] for command; false with error set when they do not fit.
bool ParseCliArgs(const cliCommand& command, int argc, char** argv, int first, cliArgs& args,
                  std::string& error);

// Parsed only when they are wholly a value: nothing before or after, no
// blanks, no overflow. A caller refuses the option naming it when nullopt.
// A decimal whole number within [min, max] (a leading '-' for negatives).
std::optional<int> StrictInt(std::string_view text, int min, int max);
// "ROW,COL", both 0 or more.
std::optional<std::pair<int, int>> ParseRowCol(std::string_view text);
std::optional<cliItemRef> ParseItemRef(std::string_view text);

}  // namespace ArgParse
