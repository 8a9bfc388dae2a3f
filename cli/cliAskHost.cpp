#include "cliAskHost.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Choice {
    const char* word;
    cmcMbResult result;
};

// The accepting choice first.
std::vector<Choice> ChoicesOf(cmcMbButtons buttons) {
    switch (buttons) {
        case cmcMbButtons::OkCancel:
            return {{"ok", cmcMbResult::Ok}, {"cancel", cmcMbResult::Cancel}};
        case cmcMbButtons::YesNo:
            return {{"yes", cmcMbResult::Yes}, {"no", cmcMbResult::No}};
        case cmcMbButtons::YesNoCancel:
            return {{"yes", cmcMbResult::Yes},
                    {"no", cmcMbResult::No},
                    {"cancel", cmcMbResult::Cancel}};
        case cmcMbButtons::Ok:
            break;
    }
    return {{"ok", cmcMbResult::Ok}};
}

// Asks until an answer matches the first letters of a choice; the refusing answer at end of input.
cmcMbResult AskOnTerminal(const std::vector<Choice>& choices, cmcMbButtons buttons) {
    for (;;) {
        std::string prompt = "[";
        for (const Choice& c : choices) {
            prompt += (prompt.size() > 1 ? "/" : "") + std::string(c.word);
        }
        std::fprintf(stderr, "%s] ", (prompt).c_str());
        std::fflush(stderr);
        std::string line;
        if (!std::getline(std::cin, line)) {
            return SafeAnswer(buttons);
        }
        for (const Choice& c : choices) {
            if (!line.empty() && std::string(c.word).rfind(line, 0) == 0) {
                return c.result;
            }
        }
    }
}

}  // namespace

cmcMbResult cliAskHost::Show(const std::string& /*caption*/, const std::string& text,
                             cmcMbButtons buttons, cmcMbIcon /*icon*/) {
    // A message ends with one line end, whatever blank lines its text ends with.
    const std::string::size_type end = text.find_last_not_of('\n');
    std::fprintf(stderr, "%s\n", text.substr(0, end == std::string::npos ? 0 : end + 1).c_str());
    const std::vector<Choice> choices = ChoicesOf(buttons);
    if (choices.size() == 1) {
        return choices.front().result;
    }
    if (accept_) {
        // Said, so that a log of the run shows how the question was answered.
        std::fprintf(stderr, "%s (--yes)\n", choices.front().word);
        return choices.front().result;
    }
    if (!isatty(STDIN_FILENO)) {
        return SafeAnswer(buttons);
    }
    return AskOnTerminal(choices, buttons);
}
