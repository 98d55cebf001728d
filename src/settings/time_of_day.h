#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

#include "base/time_units.h"
#include "settings/regional_time_format.h"

namespace ostrevin {

// A time of day: whole milliseconds since midnight, compared at the
// millisecond. A time read from the settings file, typed or taken from the
// clock lies within its day (00:00:00.000 .. 23:59:59.999). The end of a
// lesson reached by adding its length to its start is not wrapped: a lesson
// from 23:30 to 00:15 ends at 24:15, past every time within the day, and a
// length from a hand-edited file may take the end days away either way.
class TimeOfDay {
 public:
  constexpr TimeOfDay() = default;  // midnight

  static constexpr TimeOfDay FromMilliseconds(std::int64_t milliseconds) {
    return TimeOfDay(milliseconds);
  }
  static constexpr TimeOfDay FromMinutes(std::int64_t minutes) {
    return TimeOfDay(minutes * kMillisecondsPerMinute);
  }
  // A whole minute written in the program's own tables; times read from
  // text or from the clock are built by EncodeTimeOfDay, which checks them.
  static constexpr TimeOfDay At(int hour, int minute) {
    return FromMinutes(std::int64_t{hour} * kMinutesPerHour + minute);
  }

  constexpr std::int64_t Milliseconds() const { return milliseconds_; }
  // The whole minutes since midnight; seconds are dropped.
  constexpr std::int64_t Minutes() const {
    return FloorDivide(milliseconds_, kMillisecondsPerMinute);
  }
  // The start of the minute the time falls in.
  constexpr TimeOfDay WholeMinute() const { return FromMinutes(Minutes()); }
  // The same time of day on its own day: 24:15 is 00:15.
  constexpr TimeOfDay WithinDay() const {
    return TimeOfDay(milliseconds_ -
                     FloorDivide(milliseconds_, kMillisecondsPerDay) * kMillisecondsPerDay);
  }

  constexpr auto operator<=>(const TimeOfDay&) const = default;

 private:
  explicit constexpr TimeOfDay(std::int64_t milliseconds) : milliseconds_(milliseconds) {}

  static constexpr std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
  }

  std::int64_t milliseconds_ = 0;
};

inline constexpr TimeOfDay kMidnight{};

// Fails (throws AppError) when hour > 23, minute > 59, second > 59 or
// millisecond > 999.
TimeOfDay EncodeTimeOfDay(int hour, int minute, int second, int millisecond);

// Reads "8:30", "08:30:15", " 2:15 PM ", "AM 8" ...; nothing when the text
// is not a valid time of day under the given regional format.
std::optional<TimeOfDay> ParseTimeOfDay(const std::wstring& text, const RegionalTimeFormat& format);

// The settings file's time text: hour, ":", two-digit minutes, ":", two-digit
// seconds, following the regional long-time format; a fraction of a second,
// which only a hand-edited file can bring, follows as the regional decimal
// separator and three digits. Where the regional designators could not be
// read back, the 24-hour form is written. ParseTimeOfDay reads every text
// this writes, under the same format, as the same value.
std::wstring FormatTimeOfDay(TimeOfDay time, const RegionalTimeFormat& format);

// "08:30": two-digit hours and minutes, seconds dropped; a time past
// midnight shows the next day's time.
std::wstring FormatHourMinute(TimeOfDay time);

// Adds whole minutes, either way, without wrapping at midnight.
constexpr TimeOfDay AddMinutes(TimeOfDay time, std::int64_t minutes) {
  return TimeOfDay::FromMilliseconds(time.Milliseconds() + minutes * kMillisecondsPerMinute);
}

}  // namespace ostrevin
