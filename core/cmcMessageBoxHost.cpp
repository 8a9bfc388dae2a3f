#include "cmcMessageBoxHost.h"

#include <cstdio>

namespace {

class StderrMessageBox : public cmcMessageBoxHost {
  public:
    cmcMbResult Show(const std::string& /*caption*/, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon /*icon*/) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return SafeAnswer(buttons);
    }
};

cmcMessageBoxHost* g_host = nullptr;

}  // namespace

cmcMbResult SafeAnswer(cmcMbButtons buttons) {
    switch (buttons) {
        case cmcMbButtons::Ok:
            return cmcMbResult::Ok;
        case cmcMbButtons::YesNo:
            return cmcMbResult::No;
        case cmcMbButtons::OkCancel:
        case cmcMbButtons::YesNoCancel:
            break;
    }
    return cmcMbResult::Cancel;
}

cmcMessageBoxHost& CurrentMessageBoxHost() {
    static StderrMessageBox fallback;
    return g_host != nullptr ? *g_host : fallback;
}

cmcMessageBoxHost* SetCurrentMessageBoxHost(cmcMessageBoxHost* host) {
    cmcMessageBoxHost* previous = g_host;
    g_host = host;
    return previous;
}
