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
//
// The two corrections never add the same error: a bell offset taken while
// no server answer was in force holds the computer clock's own error, so the
// first answer takes that error out of the offset rather than adding it a
// second time.
class SchoolClock final : public LocalClock {
 public:
  SchoolClock(const LocalClock& computerClock, Settings& settings);

  LocalDateTime Now() const override;

  // The computer's own reading, uncorrected.
  LocalDateTime ComputerNow() const { return computerClock_.Now(); }

  // The part of the time server's last answer in force: how far the
  // computer's clock is behind the server (ahead: negative). Zero while no
  // answer is in force.
  std::int64_t ServerDifferenceMs() const { return serverDifferenceMs_; }
  bool HasServerDifference() const { return hasServerDifference_; }
  // A server's answer, as JudgeServerAnswer applies it. True when it moved a
  // bell offset taken on the computer's own clock onto the server's, which
  // the settings file is then to keep.
  bool TakeServerDifference(std::int64_t milliseconds);
  // The computer's clock was set, or the server is no longer the school's:
  // its difference no longer holds.
  void DropServerDifference();

  // The bell offset was just set by the bell: against the server's time
  // when one is in force, else against the computer's own clock.
  void NoteBellOffsetTaken();

  // All that is added to the computer's clock.
  std::int64_t CorrectionMs() const;

 private:
  const LocalClock& computerClock_;
  Settings& settings_;
  std::int64_t serverDifferenceMs_ = 0;
  bool hasServerDifference_ = false;
};

}  // namespace ostrevin
