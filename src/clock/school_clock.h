#pragma once

#include <cstdint>

#include "clock/local_clock.h"
#include "settings/settings.h"

namespace ostrevin {

// The school's time: the computer's clock corrected first by the time
// server's difference and then by the bell offset of the settings. This is
// the one place that corrects the clock; the lesson clock, and through it the
// start watch, the lesson run, the end of the day and the lesson number, read
// only this. The bell offset is read live, so a change in the settings
// dialog or by "the bell rang" takes effect at the next reading.
class SchoolClock final : public LocalClock {
 public:
  SchoolClock(const LocalClock& computerClock, const Settings& settings);

  LocalDateTime Now() const override;

  // The computer's own reading, uncorrected.
  LocalDateTime ComputerNow() const { return computerClock_.Now(); }

  // The time server's last good answer: how far the computer's clock is
  // behind it (ahead: negative). Zero until a server has answered.
  std::int64_t ServerDifferenceMs() const { return serverDifferenceMs_; }
  void SetServerDifferenceMs(std::int64_t milliseconds) { serverDifferenceMs_ = milliseconds; }

  // All that is added to the computer's clock.
  std::int64_t CorrectionMs() const;

 private:
  const LocalClock& computerClock_;
  const Settings& settings_;
  std::int64_t serverDifferenceMs_ = 0;
};

}  // namespace ostrevin
