#pragma once

#include <cstdint>

#include "base/time_units.h"
#include "clock/local_clock.h"
#include "settings/time_of_day.h"

namespace ostrevin {

// A reading of the local clock as one count of milliseconds (from the start
// of 1970, by the calendar), so that two readings compare and subtract
// across midnight, month ends and years.
std::int64_t MomentOf(const LocalDateTime& time);

// The reading's time of day, to the millisecond.
TimeOfDay TimeOfDayOf(const LocalDateTime& time);

// The reading moved by a number of milliseconds, either way; the date, and
// the weekday with it, follow across midnight.
LocalDateTime AddMilliseconds(const LocalDateTime& time, std::int64_t milliseconds);

// Whether two readings fall on the same calendar day.
bool IsSameDay(const LocalDateTime& a, const LocalDateTime& b);

}  // namespace ostrevin
