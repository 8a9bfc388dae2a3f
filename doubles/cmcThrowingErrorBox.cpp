#include "cmcThrowingErrorBox.h"

void cmcThrowingErrorBox::Show(const std::string& /*caption*/, const std::string& text) {
    throw cmcInternalErrorException(text);
}

cmcScopedThrowingErrorBox::cmcScopedThrowingErrorBox() : previous_(SetInternalErrorBox(&box_)) {}

cmcScopedThrowingErrorBox::~cmcScopedThrowingErrorBox() {
    SetInternalErrorBox(previous_);
}
