#include <algorithm>
#include <cstdint>
#include <string>

#include "base/attribution.h"
#include "clock/lesson_clock.h"
#include "clock/lesson_units.h"

namespace ostrevin {

namespace {

constexpr int kLessonOverSeconds = 10;
constexpr int kPauseAfterBeepMs = 1000;

// Every beep holds the program's only thread for a second: no repaint, no tray
// icon, and the next tick waits. A lesson whose lengths stay as they were when
// its final part began asks for at most 31 beeps in a series (a final part of
// 30 minutes counting up, 2 + 29). Counting down asks for the minutes left,
// and raising the lesson length in the settings dialog during the final part
// leaves up to 98 of them (a hand-edited settings file, millions). So a series
// stops at 32: the thread is never held for much longer than one tick
// interval, and the timer's one waiting tick comes a few seconds late rather
// than being lost.
constexpr std::int64_t kLongestBeepSeries = 32;

}  // namespace

void LessonClock::AdvanceLesson() {
  Elapsed += kTenthsPerTick;
  host_.SetGaugeProgress(Elapsed);
  host_.SetMinuteLabel(MinuteLabel(Elapsed));
  switch (LessonState) {
    case lsIntro:
      AdvanceIntroPart();
      break;
    case lsMain:
      AdvanceMainPart();
      break;
    case lsFinal:
      AdvanceFinalPart();
      break;
    case lsIdle:
      break;
  }
  cuedUpTo_ = std::max(cuedUpTo_, Elapsed);
}

// Every transition waits for a tick of its own, so even overlapping lengths
// take a lesson through all three parts.
void LessonClock::AdvanceIntroPart() {
  if (Elapsed < settings_.IntroTime) return;
  host_.SetGaugeColor(clBlack);
  LessonState = lsMain;
  if (EntersNewPart(lsMain) && settings_.IntroPartSnd) host_.PlaySystemSound(kSoundBeep);
}

void LessonClock::AdvanceMainPart() {
  // Widened: lengths read from the settings file are not range-checked.
  const std::int64_t finalPartStart = std::int64_t{LessonLength()} - settings_.FinishTime;
  if (Elapsed < finalPartStart) return;
  host_.SetGaugeColor(clRed);
  LessonState = lsFinal;
  MinutesLeft = MinutesToLessonEnd();
  // The last minutes matter even to a user who keeps the window out of the
  // way at the start, so this does not follow bShowOnStartLesson.
  host_.BringForward();
  if (EntersNewPart(lsFinal) && settings_.FinishPartSounds != fpsNone) {
    host_.PlaySystemSound(kSoundFinalPart);
  }
}

void LessonClock::AdvanceFinalPart() {
  if (Elapsed >= LessonLength()) {
    EndLesson();
  } else if (MinutesToLessonEnd() != MinutesLeft && IsNewGround()) {
    // The series is sized from the minutes left before this tick.
    PlayFinalPartBeeps();
  }
  MinutesLeft = MinutesToLessonEnd();
}

bool LessonClock::EntersNewPart(LessonStateKind part) {
  if (part <= furthestPart_) return false;
  furthestPart_ = part;
  return true;
}

std::int32_t LessonClock::LessonLength() const {
  return RunLength.value_or(settings_.LessLen);
}

std::int32_t LessonClock::MinutesToLessonEnd() const {
  // The difference of two 32-bit values, divided by ten, fits 32 bits again.
  return static_cast<std::int32_t>((std::int64_t{LessonLength()} - Elapsed) / kTenthsPerMinute);
}

void LessonClock::BeginLesson(const std::optional<PlannedLesson>& lesson) {
  AnchorNewLesson(lesson);
  host_.ClearBalloon();
  // The state comes before anything that may handle messages (the fade-in): a
  // tick handled meanwhile must find the lesson running.
  Elapsed = 0;
  RunLength = lesson ? lesson->length : std::nullopt;
  LessonState = lsIntro;
  host_.SetGaugeColor(clGreen);
  host_.SetStartEnabled(false);
  host_.SetStopEnabled(true);
  host_.SetMinuteLabel(MinuteLabel(Elapsed));
  if (settings_.bShowOnStartLesson) {
    host_.RestoreMainWindow();
    host_.BringForward();
    host_.FadeIn();
  }
  PlayStartSound();
}

void LessonClock::EndLesson() {
  LessonState = lsIdle;
  host_.SetGaugeColor(clBlack);
  host_.SetGaugeProgress(0);
  if (settings_.bShowOnStartLesson) host_.BringForward();
  host_.DisplayBalloon(L"Ostrevin:   УРОК ОКОНЧЕН !", kBalloonAttributionLine, bikInfo,
                       kLessonOverSeconds);
  host_.SetMinuteLabel(std::wstring());
  host_.SetStartEnabled(true);
  host_.SetStopEnabled(false);
  PlayEndSound();
}

void LessonClock::PlayFinalPartBeeps() {
  if (settings_.FinishPartSounds != fpsEveryMinute) return;
  // Counting down, a series tells the minutes left; counting up, it starts at
  // two beeps and grows by one each minute.
  const std::int64_t finalPartMinutes = settings_.FinishTime / kTenthsPerMinute;
  const std::int64_t beeps =
      settings_.CountDown ? std::int64_t{MinutesLeft} : finalPartMinutes - MinutesLeft + 2;
  for (std::int64_t beep = 0; beep < std::min(beeps, kLongestBeepSeries); ++beep) {
    host_.PlaySystemSound(kSoundBeep);
    host_.WaitMs(kPauseAfterBeepMs);
  }
}

void LessonClock::PlayStartSound() {
  if (settings_.StartStopSnd) host_.PlaySystemSound(kSoundLessonStart);
}

void LessonClock::PlayEndSound() {
  if (settings_.StartStopSnd) host_.PlaySystemSound(kSoundLessonEnd);
}

}  // namespace ostrevin
