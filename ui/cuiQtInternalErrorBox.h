#pragma once
// The internal error box that ends the program.

#include "cmcInternalErrorBox.h"

class cuiQtInternalErrorBox : public cmcInternalErrorBox {
  public:
    void Show(const std::string& caption, const std::string& text) override;
};
