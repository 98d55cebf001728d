#include "clock/school_clock.h"

#include "clock/local_moment.h"
#include "settings/bell_settings.h"

namespace ostrevin {

SchoolClock::SchoolClock(const LocalClock& computerClock, const Settings& settings)
    : computerClock_(computerClock), settings_(settings) {}

std::int64_t SchoolClock::CorrectionMs() const {
  // Limited again here: the dialog and the file keep the offset within its
  // hour, but the record is open to every writer.
  return serverDifferenceMs_ + std::int64_t{LimitedBellOffset(settings_.BellOffset)} *
                                   kMillisecondsPerSecond;
}

LocalDateTime SchoolClock::Now() const {
  return AddMilliseconds(computerClock_.Now(), CorrectionMs());
}

}  // namespace ostrevin
