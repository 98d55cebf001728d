#pragma once

#include <windows.h>

#include "base/color.h"

namespace ostrevin::toolkit {

// The system's text colour for windows.
inline constexpr Color clWindowText = 0xFF000008;

// The RGB value of a colour; system colours are looked up now.
inline COLORREF ToColorRef(Color color) {
  if (IsSystemColor(color)) return ::GetSysColor(SystemColorIndex(color));
  return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace ostrevin::toolkit
