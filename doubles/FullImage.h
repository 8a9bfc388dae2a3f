#pragma once
// A full image for tests and benchmarks: all 256 memory channels in use, 16
// in each bank, on 12.5 kHz steps from 146 MHz.

class cmcEeprom;

void FillAllChannels(cmcEeprom& image, int modelType);
