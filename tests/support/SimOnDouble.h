#pragma once
// The simulated radio wired to the serial double: what the program sends
// reaches the radio at the line's current speed, the radio's frames come
// back at once, and its hang-up ends the line.

#include <memory>

#include "SimRadio.h"
#include "cmcSerialDouble.h"

class SimOnDouble {
  public:
    SimOnDouble(cmcSerialDouble& device, SimConfig config);
    // Bytes the device reports unsent once the radio has stopped reading.
    static constexpr int StalledOutput = 64;

    SimRadio& Radio() { return radio_; }

    // A radio of map revision 3 (unless told) holding a valid default image.
    static SimConfig DefaultConfig(int mapRevision = 3);

  private:
    void Take(const uint8_t* bytes, int length);

    cmcSerialDouble& device_;
    SimRadio radio_;
};
