#pragma once
// Clone files of the simulator: the image it starts with, and what a clone
// write sent.

#include <string>
#include <vector>

#include "MemoryMap.h"
#include "cmcEeprom.h"

// Reads a clone file into image (image size); false with a message.
bool LoadSimImage(const std::string& path, cmcEeprom& image, std::string& error);
// Writes the bytes of ranges as a clone file; false with a message.
bool SaveSimImage(const std::string& path, const cmcEeprom& image,
                  const std::vector<AddressRange>& ranges, std::string& error);
// An image that passes the strict image check: model code, map revision and signatures.
void DefaultSimImage(cmcEeprom& image, int mapRevision);
