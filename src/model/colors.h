// Colours are 0x00BBGGRR values, stored as signed 32-bit integers.
#pragma once

#include <cstdint>

namespace spf {

constexpr int32_t kSheetColor = 15398909;  // red 253, green 247, blue 234
constexpr int32_t kInputColor = 16777215;  // white
constexpr int32_t kPurpleColor = 8388736;  // red 128, green 0, blue 128
constexpr int32_t kBlackColor = 0;

constexpr int32_t MakeColor(int r, int g, int b) { return r | (g << 8) | (b << 16); }
constexpr int ColorRed(int32_t c) { return c & 0xFF; }
constexpr int ColorGreen(int32_t c) { return (c >> 8) & 0xFF; }
constexpr int ColorBlue(int32_t c) { return (c >> 16) & 0xFF; }

}  // namespace spf
