#pragma once

#include <cstdint>
#include <string>

#include "base/decimal_text.h"
#include "base/time_units.h"

namespace ostrevin {

// The clock counts ticks, not wall-clock time: each tick of a running lesson
// is half a minute, in tenths of a minute.
inline constexpr std::int32_t kTenthsPerTick = 5;

// The minute label's text for an elapsed time in tenths of a minute.
inline std::wstring MinuteLabel(std::int32_t elapsed) {
  return DecimalText(elapsed / kTenthsPerMinute) + L" мин.";
}

}  // namespace ostrevin
