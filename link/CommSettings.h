#pragma once
// The port settings text, such as "9600,N,8,1": baud, parity, data bits and
// stop bits, comma-separated; extra fields are ignored, missing ones read as empty.

#include <string>

#include "cmcSerialDevice.h"

namespace CommSettings {

cmcLineSettings ParseCommSettings(const std::string& text);

}  // namespace CommSettings
