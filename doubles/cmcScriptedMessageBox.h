#pragma once
// A message-box host for tests: scripted answers, every box recorded.

#include <deque>
#include <string>
#include <vector>

#include "cmcMessageBoxHost.h"

// Test double: answers from a script, records every box shown. With the
// script used up it answers the safe choice (OK for plain boxes, else Cancel or No).
class cmcScriptedMessageBox : public cmcMessageBoxHost {
  public:
    struct Shown {
        std::string caption;
        std::string text;
        cmcMbButtons buttons;
        cmcMbIcon icon;
    };

    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;

    void Answer(cmcMbResult result) { answers_.push_back(result); }
    const std::vector<Shown>& Boxes() const { return shown_; }
    void Clear() { shown_.clear(); }

  private:
    std::deque<cmcMbResult> answers_;
    std::vector<Shown> shown_;
};
