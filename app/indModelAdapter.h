#pragma once
// Model operations the document calls, in the form the document needs them.

#include "cmcEeprom.h"

// Template-owned and derived fields of image for the model type.
void DocNormalizeImage(cmcEeprom& image, const cmcEeprom& templateImage, int modelType);
// The clone-file header check the document installs.
bool DocCheckFileHeader(int word1, int word2, int& result);
