#pragma once

#include <cstdint>

namespace ostrevin {

// The clock counts ticks, not wall-clock time: each tick of a running lesson
// is half a minute, in tenths of a minute.
inline constexpr std::int32_t kTenthsPerTick = 5;
inline constexpr int kTenthsPerMinute = 10;
inline constexpr std::int64_t kMillisecondsPerTenth = 6000;

// The whole minutes of an elapsed time in tenths of a minute, truncated.
inline std::int32_t WholeMinutes(std::int32_t elapsed) {
  return elapsed / kTenthsPerMinute;
}

}  // namespace ostrevin
