#include "settings/time_of_day.h"

#include <cstdint>

#include "base/app_error.h"

namespace ostrevin {

namespace {

constexpr std::int64_t kMsPerMinute = 60'000;
constexpr std::int64_t kMsPerHour = 60 * kMsPerMinute;
constexpr std::int64_t kMsPerDay = 24 * kMsPerHour;

}  // namespace

TimeOfDay EncodeTimeOfDay(int hour, int minute, int second, int millisecond) {
  const bool inRange = hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
                       second <= 59 && millisecond >= 0 && millisecond <= 999;
  if (!inRange) throw AppError(L"Invalid argument to time encode");
  // One exact integer numerator and one division: equal fields always give
  // bit-equal values, which the lesson start detection depends on.
  const std::int64_t ms = hour * kMsPerHour + minute * kMsPerMinute + second * 1000 + millisecond;
  return static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

TimeOfDay AddMinutes(TimeOfDay time, int minutes) {
  // 64-bit product: a lesson length read from the file may be any 32-bit value.
  const std::int64_t ms = std::int64_t{minutes} * kMsPerMinute;
  return time + static_cast<double>(ms) / static_cast<double>(kMsPerDay);
}

}  // namespace ostrevin
