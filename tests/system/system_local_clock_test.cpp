#include "system/system_local_clock.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace ostrevin {
namespace {

ULONGLONG Ticks(const SYSTEMTIME& time) {
  FILETIME file{};
  EXPECT_TRUE(::SystemTimeToFileTime(&time, &file));
  return (static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

SYSTEMTIME AsSystemTime(const LocalDateTime& now) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(now.year);
  time.wMonth = static_cast<WORD>(now.month);
  time.wDay = static_cast<WORD>(now.day);
  time.wHour = static_cast<WORD>(now.hour);
  time.wMinute = static_cast<WORD>(now.minute);
  time.wSecond = static_cast<WORD>(now.second);
  time.wMilliseconds = static_cast<WORD>(now.millisecond);
  return time;
}

// The weekday of a date, as the system computes it (0 = Sunday).
Weekday WeekdayOf(const SYSTEMTIME& date) {
  SYSTEMTIME roundTrip{};
  FILETIME file{};
  ::SystemTimeToFileTime(&date, &file);
  ::FileTimeToSystemTime(&file, &roundTrip);
  return WeekdayOfNumber(roundTrip.wDayOfWeek);
}

TEST(SystemLocalClockTest, ReadsTheLocalTimeOfTheMoment) {
  SystemLocalClock clock;
  SYSTEMTIME before{};
  ::GetLocalTime(&before);
  const LocalDateTime now = clock.Now();
  SYSTEMTIME after{};
  ::GetLocalTime(&after);

  const SYSTEMTIME reading = AsSystemTime(now);
  EXPECT_LE(Ticks(before), Ticks(reading));
  EXPECT_LE(Ticks(reading), Ticks(after));
  EXPECT_EQ(now.dayOfWeek, WeekdayOf(reading));
}

}  // namespace
}  // namespace ostrevin
