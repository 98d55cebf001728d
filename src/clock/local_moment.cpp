#include "clock/local_moment.h"

namespace ostrevin {
namespace {

// Days from 1970-01-01 to the given date of the proleptic Gregorian
// calendar, negative before it (H. Hinnant's days_from_civil).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
  int year;
  int month;
  int day;
};

// The inverse of DaysFromCivil.
CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), month, day};
}

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
  const std::int64_t quotient = value / divisor;
  return quotient * divisor > value ? quotient - 1 : quotient;
}

std::int64_t DayNumber(const LocalDateTime& time) {
  return DaysFromCivil(time.year, time.month, time.day);
}

}  // namespace

TimeOfDay TimeOfDayOf(const LocalDateTime& time) {
  return TimeOfDay::FromMilliseconds(
      ((std::int64_t{time.hour} * kMinutesPerHour + time.minute) * kSecondsPerMinute +
       time.second) *
          kMillisecondsPerSecond +
      time.millisecond);
}

std::int64_t MomentOf(const LocalDateTime& time) {
  return DayNumber(time) * kMillisecondsPerDay + TimeOfDayOf(time).Milliseconds();
}

// The weekday moves with the day count rather than being worked out from the
// date, so a reading keeps the weekday it was given.
LocalDateTime AddMilliseconds(const LocalDateTime& time, std::int64_t milliseconds) {
  const std::int64_t sum = TimeOfDayOf(time).Milliseconds() + milliseconds;
  const std::int64_t dayShift = FloorDivide(sum, kMillisecondsPerDay);
  std::int64_t rest = sum - dayShift * kMillisecondsPerDay;
  const CivilDate date = CivilFromDays(DayNumber(time) + dayShift);
  LocalDateTime moved = time;
  moved.year = date.year;
  moved.month = date.month;
  moved.day = date.day;
  moved.dayOfWeek = AddDays(time.dayOfWeek, dayShift);
  moved.millisecond = static_cast<int>(rest % kMillisecondsPerSecond);
  rest /= kMillisecondsPerSecond;
  moved.second = static_cast<int>(rest % kSecondsPerMinute);
  rest /= kSecondsPerMinute;
  moved.minute = static_cast<int>(rest % kMinutesPerHour);
  moved.hour = static_cast<int>(rest / kMinutesPerHour);
  return moved;
}

bool IsSameDay(const LocalDateTime& a, const LocalDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace ostrevin
