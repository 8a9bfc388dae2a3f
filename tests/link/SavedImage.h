#pragma once
// Clone files for the end-to-end tests of orvane-cli.

#include <string>

class cmcEeprom;

// A folder of this test program's own, ending in '/', removed when it ends:
// files named alike by the same tests of another build running at the same
// time never meet there.
const std::string& OwnTempDir();

// The template of a model type with channel 1 in use and the changes of
// change applied, saved as a clone file name in OwnTempDir(); its path.
std::string SavedImage(int model, const std::string& name, void (*change)(cmcEeprom&));
