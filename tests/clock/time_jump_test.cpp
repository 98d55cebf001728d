// Jumps of the school's time (sleep, the computer's clock set, the program's
// own corrections) against the lesson clock, by the injected clock and
// direct ticks.
#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "clock/school_clock.h"
#include "clock_fakes.h"

namespace ostrevin::clocktest {
namespace {

using TimeJump = LessonClock::TimeJump;

constexpr Weekday kMonday = Weekday::Monday;
constexpr Weekday kTuesday = Weekday::Tuesday;

int Count(const std::vector<std::wstring>& events, const std::wstring& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

struct DayTime {
  Weekday day;
  int second;  // of the day
};

constexpr DayTime Mon(int hour, int minute, int second = 0) {
  return {kMonday, (hour * 60 + minute) * 60 + second};
}
constexpr DayTime Tue(int hour, int minute, int second = 0) {
  return {kTuesday, (hour * 60 + minute) * 60 + second};
}

class TimeJumpTest : public ClockTest {
 protected:
  TimeJumpTest() {
    settings.ShowCurrNo = false;
    settings.bOfferExit = false;
  }

  void SetClock(DayTime at) {
    clock.Set(at.day, at.second / 3600, at.second / 60 % 60, at.second % 60);
  }

  // Ticks every 30 seconds from one moment to another of the same day, both
  // included; everything they did goes into the record.
  void TickFromTo(DayTime from, DayTime to) {
    for (int second = from.second; second <= to.second; second += 30) {
      SetClock({from.day, second});
      lessonClock.TimerTimer();
    }
  }

  // The clock moves to a moment, and the program is told how (nullopt: it is
  // not told, and finds out at its next tick).
  void JumpTo(DayTime to, std::optional<TimeJump> told) {
    SetClock(to);
    if (told) {
      lessonClock.FollowTimeJump(*told);
    } else {
      lessonClock.TimerTimer();
    }
  }

  std::vector<std::wstring> Record() { return host.TakeEvents(); }
};

struct JumpCase {
  const char* name;
  DayTime before;  // ticking from 08:29:30 Monday to here; lesson 1 begins at 08:30
  DayTime after;
  std::optional<TimeJump> told;
  LessonStateKind state;  // right after the jump
  std::int32_t elapsed;   // when a lesson runs
  bool endCue;            // the jump itself ended the lesson with its cue
  // Over the whole day to 16:00: lessons begun (by their bell or joined),
  // start cues, final-part cues and end cues.
  int begun;
  int starts;
  int finals;
  int ends;
};

void PrintTo(const JumpCase& c, std::ostream* out) {
  *out << c.name;
}

class JumpTableTest : public TimeJumpTest, public ::testing::WithParamInterface<JumpCase> {};

// A lesson begun by the timetable at its bell, then the jump, then the rest of
// the day ticked through to 16:00: the lesson is where the new time says; no
// lesson begins twice and no cue sounds twice.
TEST_P(JumpTableTest, PlacesTheLessonByTheNewTimeAndRepeatsNothing) {
  const JumpCase& c = GetParam();
  TickFromTo(Mon(8, 29, 30), c.before);
  const std::vector<std::wstring> beforeJump = Record();

  JumpTo(c.after, c.told);
  const std::vector<std::wstring> atJump = Record();
  EXPECT_EQ(lessonClock.LessonState(), c.state);
  if (c.state != lsIdle) {
    EXPECT_EQ(lessonClock.Elapsed(), c.elapsed);
  }
  EXPECT_EQ(Count(atJump, L"sound 2"), c.endCue ? 1 : 0);
  EXPECT_EQ(Count(atJump, L"sound 1"), 0) << "a lesson was begun by the jump with its cue";

  const DayTime later = {c.after.day, c.after.second + 30};
  TickFromTo(later, {c.after.day, 16 * 3600});
  std::vector<std::wstring> all = beforeJump;
  all.insert(all.end(), atJump.begin(), atJump.end());
  const auto rest = Record();
  all.insert(all.end(), rest.begin(), rest.end());
  EXPECT_EQ(Count(all, L"clear balloon"), c.begun);
  EXPECT_EQ(Count(all, L"sound 1"), c.starts);
  EXPECT_EQ(Count(all, L"sound 4"), c.finals);
  EXPECT_EQ(Count(all, L"sound 2"), c.ends);
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

INSTANTIATE_TEST_SUITE_P(
    Jumps, JumpTableTest,
    ::testing::Values(
        // Forward ten minutes past the intro part's end: no late cue.
        JumpCase{"ForwardInsideTheLesson", Mon(8, 33), Mon(8, 43), TimeJump::kClockSet, lsMain, 130,
                 false, 7, 7, 7, 7},
        JumpCase{"BackwardInsideTheLesson", Mon(8, 43), Mon(8, 33), TimeJump::kClockSet, lsIntro,
                 30, false, 7, 7, 7, 7},
        JumpCase{"ForwardFarPastTheEnd", Mon(8, 40), Mon(9, 20), TimeJump::kClockSet, lsIdle, 0,
                 false, 7, 7, 6, 6},
        JumpCase{"ForwardOntoTheEnd", Mon(8, 40), Mon(9, 15, 10), TimeJump::kClockSet, lsIdle, 0,
                 true, 7, 7, 6, 7},
        // The lesson ends with its cue when its end fell due within the last
        // half minute, and quietly from half a minute on.
        JumpCase{"ForwardOntoTheEndsFirstSecond", Mon(8, 40), Mon(9, 15, 0), TimeJump::kClockSet,
                 lsIdle, 0, true, 7, 7, 6, 7},
        JumpCase{"ForwardHalfAMinutePastTheEnd", Mon(8, 40), Mon(9, 15, 30), TimeJump::kClockSet,
                 lsIdle, 0, false, 7, 7, 6, 6},
        // The lesson had begun before its bell by the time as it stands now: it
        // begins at its bell, with its cues, as if never begun.
        JumpCase{"BackwardBeforeTheStart", Mon(8, 40), Mon(8, 20), TimeJump::kClockSet, lsIdle, 0,
                 false, 8, 8, 7, 7},
        JumpCase{"BackwardIntoTheEndedLesson", Mon(9, 20), Mon(9, 0), TimeJump::kClockSet, lsIdle,
                 0, false, 7, 7, 7, 7},
        // Lesson 2 running, the clock set back into lesson 1: lesson 2 has not
        // begun by the new time, and lesson 1, over already, is not joined.
        JumpCase{"BackwardOverTwoLessons", Mon(9, 40), Mon(8, 50), TimeJump::kClockSet, lsIdle, 0,
                 false, 8, 8, 7, 7},
        JumpCase{"ForwardIntoTheNextLesson", Mon(9, 20), Mon(9, 34), TimeJump::kClockSet, lsIntro,
                 40, false, 7, 6, 7, 7},
        JumpCase{"ResumeAfterHours", Mon(8, 40), Mon(12, 0), TimeJump::kSleep, lsMain, 300, false,
                 5, 4, 4, 4},
        JumpCase{"SleepFoundByTheTick", Mon(8, 40), Mon(12, 0), std::nullopt, lsMain, 300, false, 5,
                 4, 4, 4},
        JumpCase{"ClockSetBackFoundByTheTick", Mon(8, 43), Mon(8, 33), std::nullopt, lsIntro, 30,
                 false, 7, 7, 7, 7},
        JumpCase{"MidnightWhileAsleep", Mon(8, 40), Tue(8, 40), TimeJump::kSleep, lsMain, 100,
                 false, 8, 7, 7, 7},
        JumpCase{"ProgramsOwnCorrection", Mon(8, 33), Mon(8, 32, 20), TimeJump::kCorrection,
                 lsIntro, 23, false, 7, 7, 7, 7}),
    [](const auto& info) { return std::string(info.param.name); });

struct TickStepCase {
  const char* name;
  int stepSeconds;  // from the tick at 08:40:00 to the next one
  std::int32_t elapsed;
};

void PrintTo(const TickStepCase& c, std::ostream* out) {
  *out << c.name;
}

class TickStepTest : public TimeJumpTest, public ::testing::WithParamInterface<TickStepCase> {};

// A tick late by up to two minutes (a long beep series, a busy computer)
// counts as a tick; later than that, or a minute and more back, it finds a
// jump nobody reported and places lesson 1 by the time.
TEST_P(TickStepTest, ATickFindsAJumpOnlyBeyondItsThresholds) {
  const TickStepCase& c = GetParam();
  TickFromTo(Mon(8, 29, 30), Mon(8, 40));
  ASSERT_EQ(lessonClock.Elapsed(), 100);
  SetClock({kMonday, Mon(8, 40).second + c.stepSeconds});
  lessonClock.TimerTimer();
  EXPECT_EQ(lessonClock.Elapsed(), c.elapsed);
}

INSTANTIATE_TEST_SUITE_P(Steps, TickStepTest,
                         ::testing::Values(TickStepCase{"TwoAndAHalfMinutesLater", 150, 105},
                                           TickStepCase{"ASecondMore", 151, 125},
                                           TickStepCase{"AMinuteBack", -60, 105},
                                           TickStepCase{"ASecondFurtherBack", -61, 89}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CueCase {
  const char* name;
  DayTime before;  // ticking from 08:29:30 Monday to here
  DayTime after;
  TimeJump told;
  const wchar_t* cue;  // the intro part's end "sound 10", the final part's "sound 4"
  int heard;           // from the jump to a minute and a half after it
};

void PrintTo(const CueCase& c, std::ostream* out) {
  *out << c.name;
}

class CueTableTest : public TimeJumpTest, public ::testing::WithParamInterface<CueCase> {};

// A cue that fell due less than half a minute before the jump landed sounds
// once, as the tick would have rung it; an older one is not played late, and
// one heard before the jump is not heard again.
TEST_P(CueTableTest, ACueNearTheLandingSoundsOnce) {
  const CueCase& c = GetParam();
  TickFromTo(Mon(8, 29, 30), c.before);
  Record();
  JumpTo(c.after, c.told);
  TickFromTo({c.after.day, c.after.second + 30}, {c.after.day, c.after.second + 90});
  EXPECT_EQ(Count(Record(), c.cue), c.heard);
}

INSTANTIATE_TEST_SUITE_P(
    Cues, CueTableTest,
    ::testing::Values(
        CueCase{"JustBeforeTheIntrosEnd", Mon(8, 33), Mon(8, 34, 59), TimeJump::kClockSet,
                L"sound 10", 1},
        CueCase{"OntoTheIntrosEnd", Mon(8, 33), Mon(8, 35), TimeJump::kClockSet, L"sound 10", 1},
        CueCase{"WithinHalfAMinuteOfTheIntrosEnd", Mon(8, 33), Mon(8, 35, 29), TimeJump::kClockSet,
                L"sound 10", 1},
        CueCase{"HalfAMinuteAfterTheIntrosEnd", Mon(8, 33), Mon(8, 35, 30), TimeJump::kClockSet,
                L"sound 10", 0},
        CueCase{"SleepAcrossTheIntrosEnd", Mon(8, 34, 30), Mon(8, 35, 10), TimeJump::kSleep,
                L"sound 10", 1},
        // The school's time corrected back a few seconds just after the
        // intro's end: the lesson passes it again without its cue.
        CueCase{"BackOverTheIntrosEndHeard", Mon(8, 35), Mon(8, 34, 50), TimeJump::kCorrection,
                L"sound 10", 0},
        CueCase{"OntoTheFinalPart", Mon(9, 0), Mon(9, 10), TimeJump::kClockSet, L"sound 4", 1},
        CueCase{"HalfAMinuteAfterTheFinalPart", Mon(9, 0), Mon(9, 10, 30), TimeJump::kClockSet,
                L"sound 4", 0},
        CueCase{"BackOverTheFinalPartHeard", Mon(9, 10), Mon(9, 9, 50), TimeJump::kCorrection,
                L"sound 4", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Set back over the intro part's end, the lesson runs through it again
// without its cue, and only the final part's cue and beeps beyond the point
// reached before are new.
TEST_F(TimeJumpTest, ACueIsNeverPlayedTwiceAfterTheClockGoesBack) {
  TickFromTo(Mon(8, 29, 30), Mon(9, 12, 0));  // final part, three minutes left
  std::vector<std::wstring> before = Record();
  ASSERT_EQ(Count(before, L"sound 4"), 1);

  JumpTo(Mon(8, 32), TimeJump::kClockSet);
  TickFromTo(Mon(8, 32, 30), Mon(9, 16));
  const std::vector<std::wstring> after = Record();
  EXPECT_EQ(Count(after, L"sound 4"), 0);
  EXPECT_EQ(Count(after, L"sound 1"), 0);
  EXPECT_EQ(Count(after, L"sound 2"), 1);
  // Before the jump: the intro's end and the series of two and three beeps
  // (09:10:30 and 09:11:30); after it only the three series still to come
  // (4, 5 and 6 beeps).
  EXPECT_EQ(BeepsIn(before), 1 + 2 + 3);
  EXPECT_EQ(BeepsIn(after), 4 + 5 + 6);
}

TEST_F(TimeJumpTest, ALessonBegunByHandMovesOnByTheTimeSleptOnly) {
  SetClock(Mon(7, 0));
  lessonClock.BeginLesson();
  TickFromTo(Mon(7, 0, 30), Mon(7, 5));  // ten ticks
  ASSERT_EQ(lessonClock.Elapsed(), 50);

  JumpTo(Mon(7, 15), TimeJump::kClockSet);
  EXPECT_EQ(lessonClock.Elapsed(), 50);
  TickFromTo(Mon(7, 15, 30), Mon(7, 15, 30));
  EXPECT_EQ(lessonClock.Elapsed(), 55);

  JumpTo(Mon(7, 25, 30), TimeJump::kSleep);
  EXPECT_EQ(lessonClock.Elapsed(), 155);
  EXPECT_EQ(lessonClock.LessonState(), lsMain);

  JumpTo(Mon(16, 0), TimeJump::kSleep);
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
  EXPECT_EQ(Count(Record(), L"sound 2"), 0);
}

TEST_F(TimeJumpTest, AWarningIsNotGivenAgainWhenTheClockGoesBackOverIt) {
  settings.bWarnBeforeLesson = true;
  TickFromTo(Mon(9, 20), Mon(9, 27, 30));
  const auto before = Record();
  ASSERT_EQ(Count(before, L"sound 1"), 4);  // two warnings of two sounds

  JumpTo(Mon(9, 26, 30), TimeJump::kClockSet);
  TickFromTo(Mon(9, 27), Mon(9, 29, 30));
  EXPECT_EQ(Count(Record(), L"sound 1"), 0);
  TickFromTo(Mon(9, 30), Mon(9, 30));
  EXPECT_EQ(Count(Record(), L"sound 1"), 1);  // lesson 2 begins
}

// Asleep from Monday evening, after a No to the end-of-day question, to
// Tuesday morning: Tuesday's day ends at its own last lesson.
TEST_F(TimeJumpTest, ANewDayAfterSleepGetsItsOwnEndOfTheDay) {
  settings.bOfferExit = true;
  settings.LessonOn.fill(false);
  settings.Lesson(kMonday, 7) = true;
  settings.Lesson(kTuesday, 2) = true;
  SetClock(Mon(7, 0));
  lessonClock.ComputeDayEndTime();
  TickFromTo(Mon(22, 30), Mon(22, 30));
  ASSERT_EQ(Count(Record(), L"ask to close"), 1);

  JumpTo(Tue(9, 0), TimeJump::kSleep);
  EXPECT_EQ(lessonClock.DayEndTime(), At(10, 15));
  TickFromTo(Tue(10, 15), Tue(10, 15, 30));
  EXPECT_EQ(Count(Record(), L"ask to close"), 0);
  TickFromTo(Tue(10, 16), Tue(10, 16));
  EXPECT_EQ(Count(Record(), L"ask to close"), 1);
}

// Corrections of the school's time, from each of the three places they come
// from, in both directions, at each point of lesson 1 (08:30 to 09:15): the
// lesson stands where the corrected time says, and over the rest of the day
// every lesson begins once at its bell, a lesson begun before its bell by the
// corrected time included.
enum class Source { kTimeServer, kBellOffset, kWindowsClock };

std::string SourceName(Source source) {
  switch (source) {
    case Source::kTimeServer:
      return "TimeServer";
    case Source::kBellOffset:
      return "BellOffset";
    case Source::kWindowsClock:
      return "WindowsClock";
  }
  return "";
}

struct CorrectionCase {
  const char* name;
  int at;                 // second of Monday, by the school's time before the correction
  int seconds;            // the correction, either way
  LessonStateKind state;  // right after it
  std::int32_t elapsed;   // when a lesson runs
  // Over the whole day to 16:00: lessons begun, start cues, final-part cues
  // and end cues.
  int begun;
  int starts;
  int finals;
  int ends;
};

class CorrectionTableTest : public ::testing::TestWithParam<std::tuple<Source, CorrectionCase>> {
 protected:
  CorrectionTableTest() {
    settings.ShowCurrNo = false;
    settings.bOfferExit = false;
  }

  // The computer's clock ticks every 30 seconds, from one second of Monday
  // to another, both included.
  void TickFromTo(int from, int to) {
    for (int second = from; second <= to; second += 30) {
      computer.Set(kMonday, second / 3600, second / 60 % 60, second % 60);
      lessonClock.TimerTimer();
    }
  }

  // The correction as the program makes it: the server's answer, the bell
  // offset set in the dialog, or the Windows clock set by the teacher, which
  // Windows tells the program of. Returns the computer's clock after it.
  int Correct(Source source, int at, int seconds) {
    switch (source) {
      case Source::kTimeServer:
        school.TakeServerDifference(seconds * 1000LL);
        lessonClock.FollowTimeJump(TimeJump::kCorrection);
        return at;
      case Source::kBellOffset:
        settings.BellOffset += seconds;
        lessonClock.FollowTimeJump(TimeJump::kCorrection);
        return at;
      case Source::kWindowsClock:
        computer.Set(kMonday, (at + seconds) / 3600, (at + seconds) / 60 % 60, (at + seconds) % 60);
        lessonClock.FollowTimeJump(TimeJump::kClockSet);
        return at + seconds;
    }
    return at;
  }

  Settings settings = DefaultSettings();
  SettableClock computer;
  SchoolClock school{computer, settings};
  RecordingHost host;
  LessonClock lessonClock{settings, school, host};
};

TEST_P(CorrectionTableTest, TheLessonStandsByTheCorrectedTimeAndBeginsAtItsBell) {
  const auto& [source, c] = GetParam();
  TickFromTo(Mon(8, 20).second, c.at);
  const int computerAfter = Correct(source, c.at, c.seconds);
  EXPECT_EQ(lessonClock.LessonState(), c.state);
  if (c.state != lsIdle) {
    EXPECT_EQ(lessonClock.Elapsed(), c.elapsed);
  }
  TickFromTo(computerAfter + 30, Mon(16, 0).second);
  const std::vector<std::wstring> all = host.TakeEvents();
  EXPECT_EQ(Count(all, L"clear balloon"), c.begun);
  EXPECT_EQ(Count(all, L"sound 1"), c.starts);
  EXPECT_EQ(Count(all, L"sound 4"), c.finals);
  EXPECT_EQ(Count(all, L"sound 2"), c.ends);
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

constexpr int kFourMinutes = 240;

INSTANTIATE_TEST_SUITE_P(
    Corrections, CorrectionTableTest,
    ::testing::Combine(
        ::testing::Values(Source::kTimeServer, Source::kBellOffset, Source::kWindowsClock),
        ::testing::Values(
            // Into the lesson from before it: joined, its start cue not late.
            CorrectionCase{"BeforeForward", Mon(8, 27).second, kFourMinutes, lsIntro, 10, 7, 6, 7,
                           7},
            CorrectionCase{"BeforeBackward", Mon(8, 27).second, -kFourMinutes, lsIdle, 0, 7, 7, 7,
                           7},
            CorrectionCase{"AtTheStartForward", Mon(8, 30).second, kFourMinutes, lsIntro, 40, 7, 7,
                           7, 7},
            // Begun four minutes before its bell: it begins again at the bell.
            CorrectionCase{"AtTheStartBackward", Mon(8, 30).second, -kFourMinutes, lsIdle, 0, 8, 8,
                           7, 7},
            CorrectionCase{"InTheLessonForward", Mon(8, 50).second, kFourMinutes, lsMain, 240, 7, 7,
                           7, 7},
            CorrectionCase{"InTheLessonBackward", Mon(8, 50).second, -kFourMinutes, lsMain, 160, 7,
                           7, 7, 7},
            // Past the end by two minutes: over, without an end cue heard late.
            CorrectionCase{"InTheFinalPartForward", Mon(9, 13).second, kFourMinutes, lsIdle, 0, 7,
                           7, 7, 6},
            // The final part's cue is not heard twice.
            CorrectionCase{"InTheFinalPartBackward", Mon(9, 13).second, -kFourMinutes, lsMain, 390,
                           7, 7, 7, 7},
            CorrectionCase{"AfterForward", Mon(9, 17).second, kFourMinutes, lsIdle, 0, 7, 7, 7, 7},
            // Back into the lesson over: not begun again.
            CorrectionCase{"AfterBackward", Mon(9, 17).second, -kFourMinutes, lsIdle, 0, 7, 7, 7,
                           7})),
    [](const auto& info) {
      return SourceName(std::get<0>(info.param)) + std::get<1>(info.param).name;
    });

// The program on the school's time: the computer's own clock, the server's
// difference on top of it, and the lesson clock reading the school's time.
class SchoolTimeJumpTest : public TimeJumpTest {
 protected:
  SettableClock computer;
  SchoolClock school{computer, settings};
  RecordingHost schoolHost;
  LessonClock program{settings, school, schoolHost};
};

// The computer's clock is 4 minutes fast. The program starts at 08:32 by it
// (08:28 by the school's), joins lesson 1 two minutes in; then the time
// server answers that the computer is 4 minutes ahead. The lesson is not
// lost: it begins at its bell with its start cue.
TEST_F(SchoolTimeJumpTest, ALessonJoinedTooEarlyBeginsAtItsBellAfterTheServerAnswers) {
  settings.JoinLesson = true;
  computer.Set(kMonday, 8, 32, 0);
  program.JoinLessonInProgress();
  ASSERT_EQ(program.LessonState(), lsIntro);
  ASSERT_EQ(program.Elapsed(), 20);

  school.TakeServerDifference(-240'000);
  program.FollowTimeJump(TimeJump::kCorrection);
  EXPECT_EQ(program.LessonState(), lsIdle);
  schoolHost.TakeEvents();

  computer.Set(kMonday, 8, 34, 0);  // 08:30:00 at school
  program.TimerTimer();
  const std::vector<std::wstring> atTheBell = schoolHost.TakeEvents();
  EXPECT_EQ(Count(atTheBell, L"sound 1"), 1);
  EXPECT_EQ(program.LessonState(), lsIntro);
  EXPECT_EQ(program.Elapsed(), 0);
}

// The same lesson, but the teacher hears the bell before the minute's tick:
// "Звонок прозвенел" begins it.
TEST_F(SchoolTimeJumpTest, ALessonJoinedTooEarlyIsBegunByTheBellAfterTheServerAnswers) {
  settings.JoinLesson = true;
  computer.Set(kMonday, 8, 32, 0);
  program.JoinLessonInProgress();
  school.TakeServerDifference(-240'000);
  program.FollowTimeJump(TimeJump::kCorrection);
  schoolHost.TakeEvents();

  computer.Set(kMonday, 8, 33, 58);  // the bell rings two seconds early
  const BellRangOutcome outcome = program.BellRang();
  EXPECT_EQ(outcome.kind, BellRangOutcome::Kind::kTaken);
  EXPECT_EQ(Count(schoolHost.TakeEvents(), L"sound 1"), 1);
  EXPECT_EQ(program.LessonState(), lsIntro);
}

// A tick that finds the computer's clock set (no message came) lets the
// program drop the server's difference before the lesson is placed: the
// teacher put the clock right, and the old difference would put it wrong
// again.
TEST_F(SchoolTimeJumpTest, ATickThatFindsTheClockSetPlacesTheLessonAfterTheCorrectionIsDropped) {
  school.TakeServerDifference(180'000);  // the computer 3 minutes slow
  schoolHost.onClockMoved = [&] { school.DropServerDifference(); };
  for (int second = (8 * 60 + 26) * 60 + 30; second <= (8 * 60 + 37) * 60; second += 30) {
    computer.Set(kMonday, second / 3600, second / 60 % 60, second % 60);
    program.TimerTimer();
  }
  ASSERT_EQ(program.Elapsed(), 100);  // 08:40 at school

  computer.Set(kMonday, 8, 40, 30);  // set right by the teacher
  program.TimerTimer();
  EXPECT_EQ(schoolHost.clockMoves, 1);
  EXPECT_EQ(program.LessonState(), lsMain);
  EXPECT_EQ(program.Elapsed(), 105);
}

}  // namespace
}  // namespace ostrevin::clocktest
