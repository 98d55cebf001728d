#include "clock/school_clock.h"

#include <cstdlib>

#include "clock/local_moment.h"
#include "settings/bell_settings.h"

namespace ostrevin {
namespace {

// Whole seconds, rounded half away from zero.
std::int64_t RoundedSeconds(std::int64_t milliseconds) {
  const std::int64_t half = kMillisecondsPerSecond / 2;
  return (milliseconds + (milliseconds < 0 ? -half : half)) / kMillisecondsPerSecond;
}

}  // namespace

SchoolClock::SchoolClock(const LocalClock& computerClock, Settings& settings)
    : computerClock_(computerClock), settings_(settings) {}

std::int64_t SchoolClock::CorrectionMs() const {
  // Limited again here: the dialog and the file keep the offset within its
  // hour, but the record is open to every writer.
  return serverDifferenceMs_ +
         std::int64_t{LimitedBellOffset(settings_.BellOffset)} * kMillisecondsPerSecond;
}

LocalDateTime SchoolClock::Now() const {
  return AddMilliseconds(computerClock_.Now(), CorrectionMs());
}

// The bell heard against the computer's clock told its error and the bell's
// together; the server now tells the clock's error, and the offset keeps the
// bell's alone. An offset that would leave its hour that way was no measure
// of this error (the computer's date was wrong, the bell was not an hour
// off): it is kept as it is.
bool SchoolClock::TakeServerDifference(std::int64_t milliseconds) {
  serverDifferenceMs_ = milliseconds;
  hasServerDifference_ = true;
  if (!settings_.BellOffsetByComputer) return false;
  const std::int64_t rebased = settings_.BellOffset - RoundedSeconds(milliseconds);
  if (std::llabs(rebased) <= kBellOffsetLimitSeconds) {
    settings_.BellOffset = static_cast<std::int32_t>(rebased);
  }
  settings_.BellOffsetByComputer = false;
  return true;
}

void SchoolClock::DropServerDifference() {
  serverDifferenceMs_ = 0;
  hasServerDifference_ = false;
}

void SchoolClock::NoteBellOffsetTaken() {
  settings_.BellOffsetByComputer = !hasServerDifference_;
}

}  // namespace ostrevin
