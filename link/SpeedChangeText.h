#pragma once
// The speed-change text of an exchange: "(settings)" parts reopen the port
// with those settings, the hexadecimal parts between them (spaces ignored, two
// digits a byte) are sent, in order.

#include <string>

#include "cmcBuff.h"

struct SpeedChangePart {
    bool reopen = false;   // a "(settings)" part
    std::string settings;  // its settings text
    cmcBuff bytes;         // otherwise the bytes to send
};

// Removes the front part of text into part; false when text is empty. A "("
// without its ")" takes the rest of the text as settings.
bool TakeSpeedChangePart(std::string& text, SpeedChangePart& part);

// The 38400 form opens the port at 38400 baud and sends the speed-change frame
// ending in 0x32 0x37 (the radio goes to 9600 baud); the 9600 form opens at
// 9600 baud and sends 0x30 0x39 (the radio goes to 38400 baud).
std::string SpeedChangeForm38400(int modelCode);
std::string SpeedChangeForm9600(int modelCode);
