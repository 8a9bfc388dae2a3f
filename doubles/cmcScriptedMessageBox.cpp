#include "cmcScriptedMessageBox.h"

cmcMbResult cmcScriptedMessageBox::Show(const std::string& caption, const std::string& text,
                                        cmcMbButtons buttons, cmcMbIcon icon) {
    shown_.push_back({caption, text, buttons, icon});
    if (answers_.empty()) {
        return SafeAnswer(buttons);
    }
    const cmcMbResult r = answers_.front();
    answers_.pop_front();
    return r;
}
