#pragma once
// The message boxes of the radio commands of orvane-cli: every text goes to
// stderr; a question is answered yes by --yes, otherwise asked on the
// terminal, and refused when there is no terminal to ask.

#include "cmcMessageBoxHost.h"

class cliAskHost : public cmcMessageBoxHost {
  public:
    explicit cliAskHost(bool acceptQuestions) : accept_(acceptQuestions) {}
    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;

  private:
    bool accept_;
};
