#pragma once
// The main window with a sheet: a bank sheet with channels and an error mark,
// a settings sheet, and a bank sheet with the choice pop-up, the in-place
// editor or the flag-bit pop-up open. Pop-ups are separate windows: the
// picture is taken from the screen.

#include <string>

// name: sheet-bank, sheet-settings, sheet-choice, sheet-editor or sheet-flags.
bool IsSheetShot(const std::string& name);
int ShowSheetShot(const std::string& name, const std::string& out);
