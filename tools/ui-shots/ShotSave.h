#pragma once
// Saves a window's picture once it has been painted (delayMs after the call),
// then ends the event loop: 0, or 1 with a message when the file cannot be
// written.

#include <string>

class QWidget;

void SaveWhenShown(QWidget* window, const std::string& out, int delayMs = 300);
