#pragma once
// Text forms of stored values: the filtering, number parsing, formatting and
// unit conversions that the value codecs share. Pure functions, no image.

#include <cstdint>
#include <string>
#include <string_view>

namespace ValueText {

// Removes every character that is neither a decimal digit nor one of extra.
std::string KeepChars(std::string_view text, std::string_view extra);
bool HasDigit(std::string_view text);
std::string Trim(std::string_view text);
std::string Upper(std::string_view text);

// Digits and ".-" kept, cut to 9 characters, read as a decimal number and
// rounded half away from zero. Text without a number gives 0.
int32_t ParseRounded(std::string_view text);
// A decimal number (optional sign, optional fraction) from the start of text; 0 when none.
double ParseDecimal(std::string_view text);
// Half away from zero.
int64_t RoundHalfAway(double v);

// Channel raster: the first frequency >= f, within the precision f was typed
// with, on a 2500 or 3125 Hz point (5000 or 6250 when coarse); -1 when none.
int64_t SnapToRaster(int64_t hz, bool coarse);
constexpr int64_t MaxTypedFrequency = 799999950;
constexpr int64_t MaxDecodedFrequency = 799995000;
// "%d.%06d" of MHz and the Hz remainder.
std::string FormatFrequency(int64_t hz);
// Typed MHz (digits and "." kept, cut to 9 characters) to Hz before the raster snap.
int64_t TypedFrequency(std::string_view text);

// "%3d.%0Nd" for a value stored with storageDecimals, shown with shownDecimals.
std::string FormatFixedPoint(int32_t value, int storageDecimals, int shownDecimals);
// Typed text to stored units, cut toward zero to a multiple of step; false without a digit.
bool ParseFixedPoint(std::string_view text, int storageDecimals, int32_t step, int32_t& value);

// Byte timers: "%3d.%03d" of value / scale, then up to trimCount trailing zeros removed.
std::string FormatTimer(int value, int scale, int trimCount);
// Typed seconds to timer units, clamped to 0..255; "off" gives 0. False for a
// text that is neither "off" nor holds a digit.
bool ParseTimer(std::string_view text, int scale, int& value);
bool IsOffText(std::string_view text);
// A typed number where "of..." (any letter case) stands for 0: trimmed, and "0" for such a text.
std::string ZeroForOff(std::string_view text);

// Minutes and seconds in steps of stepSeconds: "%2d:%02d".
std::string FormatMinSec(int value, int stepSeconds);
// Typed "m:ss" to steps, clamped to lo/step .. hi/step; a missing part keeps the old minutes or
// gives 0 s.
int ParseMinSec(std::string_view text, int oldValue, int stepSeconds, int loSeconds, int hiSeconds);

// Audio tone code <-> Hz (code = Hz x 6.4).
int ToneCodeFromHz(int hz);
int HzFromToneCode(int code);
// Beep frequency byte <-> Hz, Hz limited to 400..3000.
int BeepHzFromByte(int n);
int BeepByteFromHz(int hz);
// User CTCSS word <-> tenths of Hz.
int CtcssTenthsFromWord(int word);
int CtcssWordFromTenths(int tenths);
// User-tone length byte <-> milliseconds (10.9375 ms a unit).
int ToneLengthMs(int byte);
int ToneLengthByte(int ms);

}  // namespace ValueText
