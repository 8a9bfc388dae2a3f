#pragma once
// The program's message boxes: user questions and messages.

#include "cmcMessageBoxHost.h"

class cuiQtMessageBox : public cmcMessageBoxHost {
  public:
    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;
};
