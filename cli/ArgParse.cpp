#include "ArgParse.h"

#include <algorithm>
#include <charconv>
#include <climits>

std::string cliArgs::Option(const std::string& name, const std::string& fallback) const {
    const auto found = options.find(name);
    return found == options.end() ? fallback : found->second;
}

namespace ArgParse {

bool ParseCliArgs(const cliCommand& command, int argc, char** argv, int first, cliArgs& args,
                  std::string& error) {
    if (command.positionalCount == FreeFormArgs) {
        args.words.assign(argv + first, argv + argc);
        return true;
    }
    const auto takesValue = [&](const std::string& name) {
        return std::any_of(command.valueOptions.begin(), command.valueOptions.end(),
                           [&](const cliOption& o) { return name == o.name; });
    };
    const auto isFlag = [&](const std::string& name) {
        return std::any_of(command.flagOptions.begin(), command.flagOptions.end(),
                           [&](const char* flag) { return name == flag; });
    };
    for (int i = first; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--yes" && command.acceptsYes) {
            args.yes = true;
        } else if (isFlag(word)) {
            args.flags.insert(word);
        } else if (takesValue(word)) {
            if (i + 1 >= argc) {
                error = "option " + word + " needs a value";
                return false;
            }
            args.options[word] = argv[++i];
        } else if (word.size() > 1 && word[0] == '-') {
            error = "unknown option " + word;
            return false;
        } else {
            args.positional.push_back(word);
        }
    }
    for (const cliOption& option : command.valueOptions) {
        if (option.required && args.options.count(option.name) == 0) {
            error = std::string("option ") + option.name + " is required";
            return false;
        }
    }
    if (static_cast<int>(args.positional.size()) != command.positionalCount) {
        error = "wrong number of arguments";
        return false;
    }
    return true;
}

std::optional<int> StrictInt(std::string_view text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::pair<int, int>> ParseRowCol(std::string_view text) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const auto row = StrictInt(text.substr(0, comma), 0, INT_MAX);
    const auto col = StrictInt(text.substr(comma + 1), 0, INT_MAX);
    if (!row || !col) {
        return std::nullopt;
    }
    return std::pair{*row, *col};
}

std::optional<cliItemRef> ParseItemRef(std::string_view text) {
    const size_t open = text.find('[');
    if (open == std::string_view::npos) {
        return text.empty() ? std::nullopt : std::optional(cliItemRef{std::string(text), 0});
    }
    if (open == 0 || !text.ends_with(']')) {
        return std::nullopt;
    }
    const auto index = StrictInt(text.substr(open + 1, text.size() - open - 2), 0, INT_MAX);
    if (!index) {
        return std::nullopt;
    }
    return cliItemRef{std::string(text.substr(0, open)), *index};
}

}  // namespace ArgParse
