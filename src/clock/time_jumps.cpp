// The school's time moving other than by its ticks: sleep, the computer's
// clock set, the program's own corrections. The lesson clock still counts
// ticks while nothing jumps; after a jump it places the lesson by the time.
#include <algorithm>

#include "clock/lesson_clock.h"
#include "clock/lesson_units.h"
#include "clock/local_moment.h"

namespace ostrevin {
namespace {

// Ticks come every 30 seconds, late by a beep series at most. A tick further
// from the last one than this, either way, finds that the time has jumped:
// the computer slept without saying so, or its clock was set. A tick two
// minutes late, or one a minute back (a correction of the clock by a time
// service), is still counted as a tick.
constexpr std::int64_t kTickMs = 30'000;
constexpr std::int64_t kLateTickMs = kTickMs + 120'000;
constexpr std::int64_t kBackwardStepMs = -60'000;

Color PartColor(LessonStateKind part) {
  switch (part) {
    case lsIntro:
      return clGreen;
    case lsFinal:
      return clRed;
    case lsMain:
    case lsIdle:
      break;
  }
  return clBlack;
}

}  // namespace

LessonClock::TickTime LessonClock::ReadTickTime() {
  TickTime tick{.now = clock_.Now(), .jump = std::nullopt};
  const std::int64_t moment = MomentOf(tick.now);
  warningsHeld_ = moment <= latestMoment_;
  if (lastSeen_) {
    const std::int64_t step = moment - MomentOf(*lastSeen_);
    if (step > kLateTickMs) tick.jump = TimeJump::kSleep;
    if (step < kBackwardStepMs) tick.jump = TimeJump::kClockSet;
  }
  if (!tick.jump) RememberTime(tick.now);
  return tick;
}

void LessonClock::FollowTimeJump(TimeJump jump) {
  const LocalDateTime now = clock_.Now();
  FollowJump(jump, now);
  JoinLessonInProgress();
  if (settings_.ShowCurrNo) host_.UpdateLessonIndicator();
}

bool LessonClock::FollowJump(TimeJump jump, const LocalDateTime& now) {
  // The end of the day is kept while the program runs into the next day
  // tick by tick; a day reached by a jump or after sleep gets its own.
  if (lastSeen_ && !IsSameDay(*lastSeen_, now)) ComputeDayEndTime();
  bool placed = false;
  if (LessonState != lsIdle && anchoredToBell_) {
    PlaceLessonAt(MomentOf(now) - anchorMoment_);
    placed = true;
  } else if (LessonState != lsIdle && jump == TimeJump::kSleep && lastSeen_) {
    // A lesson begun by hand has no bell: the time slept is lesson time, a
    // clock set or corrected is not.
    PlaceLessonAt(Elapsed * kMillisecondsPerTenth + MomentOf(now) - MomentOf(*lastSeen_));
    placed = true;
  }
  RememberTime(now);
  return placed;
}

void LessonClock::RememberTime(const LocalDateTime& now) {
  lastSeen_ = now;
  latestMoment_ = std::max(latestMoment_, MomentOf(now));
}

void LessonClock::PlaceLessonAt(std::int64_t elapsedMs) {
  // A clock set back before the lesson's bell: the lesson has not begun by
  // the new time, and it will not begin again today.
  if (elapsedMs < 0) {
    EndLessonQuietly();
    return;
  }
  const std::int64_t elapsed = elapsedMs / kMillisecondsPerTenth;
  if (elapsed < LessonLength()) {
    MoveLessonTo(static_cast<std::int32_t>(elapsed));
  } else if (elapsed - LessonLength() < kTenthsPerTick) {
    // Over within the last half minute, as a tick would have ended it.
    EndLesson();
  } else {
    EndLessonQuietly();
  }
}

// Cues that fell due within the last half minute are played as a tick would
// have played them; older ones, and those played before the clock went back,
// are not.
void LessonClock::MoveLessonTo(std::int32_t elapsed) {
  const std::int32_t heardUpTo = std::max(cuedUpTo_, elapsed - kTenthsPerTick);
  Elapsed = elapsed;
  LessonState = PartAt(elapsed);
  host_.SetGaugeColor(PartColor(LessonState));
  host_.SetGaugeProgress(Elapsed);
  host_.SetMinuteLabel(MinuteLabel(Elapsed));
  // Each part up to the one landed in counts as entered, its cue near enough
  // to sound or not.
  const bool newMainPart = LessonState != lsIntro && EntersNewPart(lsMain);
  const bool newFinalPart = LessonState == lsFinal && EntersNewPart(lsFinal);
  if (newMainPart && settings_.IntroTime > heardUpTo && settings_.IntroPartSnd) {
    host_.PlaySystemSound(kSoundBeep);
  }
  if (LessonState == lsFinal) {
    MinutesLeft = MinutesToLessonEnd();
    if (newFinalPart && std::int64_t{LessonLength()} - settings_.FinishTime > heardUpTo) {
      host_.BringForward();
      if (settings_.FinishPartSounds != fpsNone) host_.PlaySystemSound(kSoundFinalPart);
    }
  }
  cuedUpTo_ = std::max(cuedUpTo_, elapsed);
}

// The lesson's end lies well before now: the window and the actions are put
// back as at any end, without the cue and the balloon of an end heard now.
void LessonClock::EndLessonQuietly() {
  LessonState = lsIdle;
  host_.SetGaugeColor(clBlack);
  host_.SetGaugeProgress(0);
  host_.SetMinuteLabel(std::wstring());
  host_.SetStartEnabled(true);
  host_.SetStopEnabled(false);
}

}  // namespace ostrevin
