#pragma once

#include <cstdint>

namespace ostrevin {

// 0x00BBGGRR is an RGB colour (red in the low byte); 0xFF0000nn names system
// colour nn, resolved through the platform only when drawing; clNone is no colour.
using Color = std::uint32_t;

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clGreen = 0x008000;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clBtnFace = 0xFF00000F;
inline constexpr Color clWindow = 0xFF000005;
inline constexpr Color clWindowFrame = 0xFF000006;
inline constexpr Color clNone = 0x1FFFFFFF;

inline constexpr bool IsSystemColor(Color c) { return (c & 0xFF000000u) == 0xFF000000u; }
inline constexpr int SystemColorIndex(Color c) { return static_cast<int>(c & 0xFFu); }

}  // namespace ostrevin
