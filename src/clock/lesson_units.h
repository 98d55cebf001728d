#pragma once

#include <cstdint>

#include "base/time_units.h"

namespace ostrevin {

// The clock counts ticks, not wall-clock time: each tick of a running lesson
// is half a minute, in tenths of a minute.
inline constexpr std::int32_t kTenthsPerTick = 5;

// The whole minutes of an elapsed time in tenths of a minute, truncated.
inline std::int32_t WholeMinutes(std::int32_t elapsed) {
  return elapsed / kTenthsPerMinute;
}

}  // namespace ostrevin
