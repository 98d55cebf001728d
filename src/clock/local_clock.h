#pragma once

#include "base/weekday.h"

namespace ostrevin {

// A reading of the local date and time.
struct LocalDateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  Weekday dayOfWeek = Weekday::Saturday;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Where the lesson clock takes the local date and time from; the program
// passes the system's clock, tests pass one they set.
class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual LocalDateTime Now() const = 0;
};

}  // namespace ostrevin
