#pragma once

#include <ostream>
#include <string>

#include "base/decimal_text.h"
#include "base/weekday.h"
#include "settings/time_of_day.h"

namespace ostrevin {

// How GoogleTest shows a time of day in a failed check: "08:30:15.250",
// with the days a time past midnight lies away ("08:30:00.000 +1 day").
inline void PrintTo(TimeOfDay time, std::ostream* out) {
  const std::int64_t ms = time.WithinDay().Milliseconds();
  const std::wstring text = DecimalText(ms / kMillisecondsPerHour, 2) + L":" +
                            DecimalText(ms % kMillisecondsPerHour / kMillisecondsPerMinute, 2) +
                            L":" +
                            DecimalText(ms % kMillisecondsPerMinute / kMillisecondsPerSecond, 2) +
                            L"." + DecimalText(ms % kMillisecondsPerSecond, 3);
  *out << std::string(text.begin(), text.end());
  const std::int64_t days = (time.Milliseconds() - ms) / kMillisecondsPerDay;
  if (days != 0) *out << " " << (days > 0 ? "+" : "") << days << " day";
}

inline void PrintTo(Weekday day, std::ostream* out) {
  static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
  *out << kNames[IndexOf(day)];
}

}  // namespace ostrevin
