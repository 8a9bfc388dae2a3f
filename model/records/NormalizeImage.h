#pragma once
// Bringing an image into the shape the program and the radio expect: run
// before a file save and a clone write, and after a file open and a clone read.

#include <cstdint>

class cmcEeprom;
struct RadioIdentity;

// 1. A map revision below 2 has its frequencies converted to the current encoding.
// 2. Identity, signatures and the template-owned bits come from templateImage;
//    the record tables keep every field the user can edit and take all other
//    bits from the template; channels not in use become the template's record.
// 3. Bytes 19-20 get their default when bit 0 of byte 11 is clear.
// 4. The derived fields are recomputed (see ImageDerived.h).
void NormalizeImage(cmcEeprom& image, const cmcEeprom& templateImage, int modelType);

// Whether step 2 takes any of the mask bits at address from the template for
// the model type (identity, signatures and the template-owned bits; not the
// record tables, whose fields keep the user's values). A cell stored there
// cannot keep an edit.
bool TemplateOwnsBits(int address, uint8_t mask, int modelType);

// Whether channels off the 5 kHz and 6.25 kHz grids must be corrected before a
// clone write: for a radio of map revision 0 or 1, or one that does not accept
// them (maker mode: bit 7 of image byte 12 says so, else the radio's clone
// information).
bool NeedsChannelCorrection(const cmcEeprom& image, const RadioIdentity& radio, bool makerMode);

// When NeedsChannelCorrection: every channel whose receive or transmit
// frequency is a multiple of neither 5000 nor 6250 Hz becomes the template's
// record (keeping its attribute bits) and is marked not in use. Returns
// whether a channel was replaced.
bool CorrectChannels(cmcEeprom& image, const cmcEeprom& templateImage, int modelType,
                     const RadioIdentity& radio, bool makerMode);
