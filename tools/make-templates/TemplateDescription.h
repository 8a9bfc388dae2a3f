#pragma once
// The readable description of the template images: directives that set bytes
// of one model type's image or of all three.
//
//   model all|Lmr|Pmr|BiisPmr          following directives apply to that image (or all)
//   bytes ADDR HH HH ...                 bytes from ADDR (hex pairs)
//   text ADDR "TEXT"                     characters from ADDR
//   fill ADDR COUNT HH                   COUNT bytes of value HH
//   repeat ADDR STRIDE COUNT HH HH ...   COUNT copies of the bytes, every STRIDE bytes
//   word ADDR VALUE                      16-bit big-endian value
//   bit ADDR BIT 0|1                     one bit (7 = most significant)
//
// ADDR, COUNT, STRIDE, BIT and VALUE are decimal or 0x-prefixed hex. "#" begins
// a comment line; blank lines are skipped.

#include <array>
#include <string>

#include "ModelType.h"
#include "cmcEeprom.h"

class TemplateDescription {
  public:
    // Applies the description text to the three images (indexed by model
    // type). False with error set ("line N: ...") on the first bad directive.
    bool Apply(const std::string& text, std::array<cmcEeprom, ModelTypeCount>& images);
    const std::string& Error() const { return error_; }

  private:
    std::string error_;
};
