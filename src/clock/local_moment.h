#pragma once

#include <cstdint>

#include "clock/local_clock.h"

namespace ostrevin {

inline constexpr std::int64_t kMillisecondsPerSecond = 1000;
inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// A reading of the local clock as one count of milliseconds (from the start
// of 1970, by the calendar), so that two readings compare and subtract
// across midnight, month ends and years.
std::int64_t MomentOf(const LocalDateTime& time);

// The milliseconds since the reading's midnight.
std::int64_t MillisecondOfDay(const LocalDateTime& time);

// The reading moved by a number of milliseconds, either way; the date, and
// the weekday with it, follow across midnight.
LocalDateTime AddMilliseconds(const LocalDateTime& time, std::int64_t milliseconds);

// Whether two readings fall on the same calendar day.
bool IsSameDay(const LocalDateTime& a, const LocalDateTime& b);

}  // namespace ostrevin
