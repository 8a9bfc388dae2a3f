#pragma once
// The message boxes of the command-line tool: every text goes to stderr; a
// question is answered with its accepting choice when --yes was given,
// otherwise with its refusing one.

#include "cmcMessageBoxHost.h"

class cliMessageHost : public cmcMessageBoxHost {
  public:
    explicit cliMessageHost(bool acceptQuestions) : accept_(acceptQuestions) {}
    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;

  private:
    bool accept_;
};
