#pragma once
// Clone files for the end-to-end tests of orvane-cli.

#include <string>

class cmcEeprom;

// The template of a model type with channel 1 in use and the changes of
// change applied, saved as a clone file name in the test folder; its path.
std::string SavedImage(int model, const std::string& name, void (*change)(cmcEeprom&));
