#include "system/system_local_clock.h"

#include <windows.h>

namespace ostrevin {

LocalDateTime SystemLocalClock::Now() const {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  // wDayOfWeek counts from Sunday = 0, as the weekday's number does.
  return LocalDateTime{
      .year = now.wYear,
      .month = now.wMonth,
      .day = now.wDay,
      .dayOfWeek = WeekdayOfNumber(now.wDayOfWeek),
      .hour = now.wHour,
      .minute = now.wMinute,
      .second = now.wSecond,
      .millisecond = now.wMilliseconds,
  };
}

}  // namespace ostrevin
