#pragma once

#include <cstdint>
#include <optional>

#include "base/time_units.h"
#include "clock/day_plan.h"

namespace ostrevin {

// How far from the school's time a bell of the timetable may be to be taken
// for the one that rang.
inline constexpr std::int64_t kBellSearchMs = 10 * kMillisecondsPerMinute;

// A bell of a day's timetable: a lesson's start or its end.
struct Bell {
  PlannedLesson lesson;
  bool isStart = false;
  TimeOfDay at;

  bool operator==(const Bell&) const = default;
};

// The start or end of the day's lessons nearest to the moment, within
// kBellSearchMs either way; of two as near, the earlier in the timetable.
// Lessons not taught count: the bell rings for them too.
std::optional<Bell> NearestBell(const DayPlan& day, TimeOfDay moment);

// The whole seconds that move the moment onto the bell or just past it, never
// before it, so that a lesson beginning at the bell has begun.
std::int64_t SecondsOntoBell(TimeOfDay bell, TimeOfDay moment);

// What "the bell rang" did, for the teacher to be told.
struct BellRangOutcome {
  enum class Kind : std::uint8_t {
    kNoBellNear,    // no bell of today within kBellSearchMs: nothing changed
    kBeyondAnHour,  // the offset would leave its hour: nothing changed
    kTaken,         // the bell is now, by a new offset
  };
  Kind kind = Kind::kNoBellNear;
  std::optional<Bell> bell;        // with kTaken: the bell taken
  std::int32_t offsetSeconds = 0;  // with kTaken: the new bell offset

  bool operator==(const BellRangOutcome&) const = default;
};

}  // namespace ostrevin
