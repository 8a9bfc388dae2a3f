#include "cliMessageHost.h"

#include <cstdio>

cmcMbResult cliMessageHost::Show(const std::string& /*caption*/, const std::string& text,
                                 cmcMbButtons buttons, cmcMbIcon /*icon*/) {
    std::fprintf(stderr, "%s\n", text.c_str());
    if (!accept_) {
        return SafeAnswer(buttons);
    }
    switch (buttons) {
        case cmcMbButtons::YesNo:
        case cmcMbButtons::YesNoCancel:
            return cmcMbResult::Yes;
        case cmcMbButtons::Ok:
        case cmcMbButtons::OkCancel:
            break;
    }
    return cmcMbResult::Ok;
}
