#pragma once
// The named values of the attribute language: colours, character sets, font
// styles and pitches. Every lookup returns false for an unknown name, which
// leaves the property unchanged.

#include <cstdint>
#include <string_view>

#include "cmcFont.h"

// System colours: the top bit set, the system colour number in the low byte.
inline constexpr uint32_t kClWindow = 0x80000005;
inline constexpr uint32_t kClWindowText = 0x80000008;
inline constexpr uint32_t kClBtnFace = 0x8000000F;
inline constexpr uint32_t kClGrayText = 0x80000011;

bool FindColor(std::string_view name, uint32_t& color);
bool FindCharset(std::string_view name, int& charset);
bool FindFontStyle(std::string_view name, uint8_t& styleBit);
bool FindPitch(std::string_view name, cmcFontPitch& pitch);
