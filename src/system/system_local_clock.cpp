#include "system/system_local_clock.h"

#include <windows.h>

namespace ostrevin {

LocalDateTime SystemLocalClock::Now() const {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  // wDayOfWeek already counts from Sunday = 0, as LocalDateTime does.
  return LocalDateTime{
      .year = now.wYear,
      .month = now.wMonth,
      .day = now.wDay,
      .dayOfWeek = now.wDayOfWeek,
      .hour = now.wHour,
      .minute = now.wMinute,
      .second = now.wSecond,
      .millisecond = now.wMilliseconds,
  };
}

}  // namespace ostrevin
