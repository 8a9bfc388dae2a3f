#pragma once
// The program's message boxes: user questions and messages, and the internal
// error box that ends the program.

#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"

class cuiQtMessageBox : public cmcMessageBoxHost {
  public:
    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override;
};

class cuiQtInternalErrorBox : public cmcInternalErrorBox {
  public:
    void Show(const std::string& caption, const std::string& text) override;
};
