#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "clock_fakes.h"

namespace ostrevin::clocktest {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr Weekday kSunday = Weekday::Sunday;
constexpr Weekday kMonday = Weekday::Monday;
constexpr Weekday kTuesday = Weekday::Tuesday;
constexpr Weekday kWednesday = Weekday::Wednesday;
constexpr Weekday kThursday = Weekday::Thursday;
constexpr Weekday kFriday = Weekday::Friday;
constexpr Weekday kSaturday = Weekday::Saturday;

const std::wstring kQuestion = L"ask to close";
const std::wstring kLessonOver = L"lesson over";
const std::vector<std::wstring> kLessonBegins = {L"clear balloon", L"color green", L"start off",
                                                 L"stop on",       L"label 0",     L"restore",
                                                 L"forward",       L"fade in",     L"sound 1"};

std::vector<std::wstring> Warning(int minutes) {
  return {L"sound 1", L"sound 1", L"warning " + std::to_wstring(minutes)};
}

int Count(const std::vector<std::wstring>& events, const std::wstring& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

class StartWatchTest : public ClockTest {
 protected:
  StartWatchTest() {
    settings.ShowCurrNo = false;
    settings.bOfferExit = false;
  }

  void DisableAllSlots() { settings.LessonOn.fill(false); }
  // Every day but Friday without lessons, in a timetable that is not empty.
  void TeachOnlyOnFridayMorning() {
    DisableAllSlots();
    settings.Lesson(kFriday, 1) = true;
  }

  // One tick at the given moment; returns what it did before the trim.
  std::vector<std::wstring> TickAt(Weekday day, int hour, int minute, int second = 0) {
    clock.Set(day, hour, minute, second);
    lessonClock.TimerTimer();
    std::vector<std::wstring> events = host.TakeEvents();
    EXPECT_FALSE(events.empty());
    if (!events.empty()) {
      EXPECT_EQ(events.back(), L"trim");
      events.pop_back();
    }
    return events;
  }

  // Idle ticks every 30 seconds from one second of the day (inclusive) to
  // another (exclusive); returns everything they did.
  std::vector<std::wstring> TickThrough(Weekday day, int fromSecond, int toSecond) {
    std::vector<std::wstring> all;
    for (int second = fromSecond; second < toSecond; second += 30) {
      const auto events = TickAt(day, second / 3600, second / 60 % 60, second % 60);
      all.insert(all.end(), events.begin(), events.end());
    }
    return all;
  }

  bool IsDueAt(Weekday day, int hour, int minute, int second = 0) {
    clock.Set(day, hour, minute, second);
    return lessonClock.IsLessonStartDue();
  }
};

TEST_F(StartWatchTest, LessonBeginsOnTheFirstTickOfItsMinuteOnly) {
  EXPECT_THAT(TickAt(kMonday, 8, 29, 30), IsEmpty());

  EXPECT_THAT(TickAt(kMonday, 8, 30, 0), Contains(L"sound 1"));
  EXPECT_EQ(lessonClock.LessonState(), lsIntro);

  EXPECT_THAT(TickAt(kMonday, 8, 30, 30), ElementsAre(L"progress 5", L"label 0"));
  EXPECT_EQ(lessonClock.Elapsed(), 5);
}

TEST_F(StartWatchTest, LessonIsFoundWhateverTheSecondsOfTheTick) {
  EXPECT_TRUE(IsDueAt(kMonday, 10, 30, 59));
}

TEST_F(StartWatchTest, DisabledSlotStartingNowDoesNotHideALaterEnabledOne) {
  settings.Lesson(kMonday, 1) = false;
  EXPECT_FALSE(IsDueAt(kMonday, 8, 30));

  settings.StartTime(4) = At(8, 30);
  EXPECT_TRUE(IsDueAt(kMonday, 8, 30));
}

TEST_F(StartWatchTest, SlotDisabledOnAnotherDayOnlyStartsOnItsOwnDays) {
  DisableAllSlots();
  settings.Lesson(kTuesday, 2) = true;

  EXPECT_FALSE(IsDueAt(kMonday, 9, 30));
  EXPECT_TRUE(IsDueAt(kTuesday, 9, 30));
}

TEST_F(StartWatchTest, WarningComesOnBothTicksOfItsMinute) {
  settings.bWarnBeforeLesson = true;

  EXPECT_EQ(TickAt(kMonday, 8, 27, 0), Warning(3));
  EXPECT_EQ(TickAt(kMonday, 8, 27, 30), Warning(3));
  EXPECT_THAT(TickAt(kMonday, 8, 28, 0), IsEmpty());
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

// The all-sounds-off box silences the lesson's own cues through the options it
// turns off; the warning follows its own option alone.
TEST_F(StartWatchTest, WarningPlaysItsTwoSoundsWithAllSoundsOff) {
  settings.AllSndsOFF = true;
  settings.StartStopSnd = false;
  settings.IntroPartSnd = false;
  settings.FinishPartSounds = fpsNone;
  settings.bWarnBeforeLesson = true;

  EXPECT_EQ(TickAt(kMonday, 8, 27, 0), Warning(3));
  EXPECT_EQ(TickAt(kMonday, 8, 27, 30), Warning(3));
}

TEST_F(StartWatchTest, NoWarningWhenTheOptionIsOff) {
  settings.bWarnBeforeLesson = false;

  EXPECT_THAT(TickThrough(kMonday, 8 * 3600, 8 * 3600 + 30 * 60), IsEmpty());
}

TEST_F(StartWatchTest, NoWarningForADisabledSlot) {
  settings.bWarnBeforeLesson = true;
  settings.Lesson(kMonday, 1) = false;

  EXPECT_THAT(TickAt(kMonday, 8, 27), IsEmpty());
}

TEST_F(StartWatchTest, TwoSlotsStartingAtTheWarningMinuteGiveTwoWarnings) {
  settings.bWarnBeforeLesson = true;
  settings.WarnVal = 10;
  settings.StartTime(5) = At(9, 30);

  std::vector<std::wstring> twice = Warning(10);
  const auto once = Warning(10);
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(TickAt(kMonday, 9, 20), twice);
}

TEST_F(StartWatchTest, LessonStartingNowEndsTheScanBeforeLaterWarnings) {
  settings.bWarnBeforeLesson = true;
  settings.StartTime(3) = At(8, 33);

  EXPECT_TRUE(IsDueAt(kMonday, 8, 30));
  EXPECT_THAT(host.TakeEvents(), IsEmpty());
}

TEST_F(StartWatchTest, WarnValZeroNeverWarns) {
  settings.bWarnBeforeLesson = true;
  settings.WarnVal = 0;
  settings.Lesson(kMonday, 1) = false;

  EXPECT_FALSE(IsDueAt(kMonday, 8, 30));
  EXPECT_THAT(host.TakeEvents(), IsEmpty());
}

// Every minute of the day against every warning time the dialog allows: the
// start time is encoded from hours and minutes, the warning minute is reached
// by adding minutes, and the two must still meet.
TEST_F(StartWatchTest, StartAndWarningMeetTheirMinuteAtEveryMinuteOfTheDay) {
  DisableAllSlots();
  settings.Lesson(kMonday, 1) = true;
  settings.bWarnBeforeLesson = true;
  int mismatches = 0;
  for (int warnVal = 0; warnVal <= 60; ++warnVal) {
    settings.WarnVal = warnVal;
    for (int minute = 0; minute < kMinutesPerDay; ++minute) {
      const int startMinute = (minute + warnVal) % kMinutesPerDay;
      const bool pastMidnight = minute + warnVal >= kMinutesPerDay;
      settings.StartTime(1) = At(startMinute / 60, startMinute % 60);

      const bool due = IsDueAt(kMonday, minute / 60, minute % 60);

      const auto events = host.TakeEvents();
      const bool expectDue = warnVal == 0;
      const bool expectWarning = warnVal != 0 && !pastMidnight;
      if (due != expectDue ||
          events != (expectWarning ? Warning(warnVal) : std::vector<std::wstring>{})) {
        ADD_FAILURE() << "minute " << minute << ", WarnVal " << warnVal;
        if (++mismatches == 5) return;
      }
    }
  }
}

TEST_F(StartWatchTest, StartTimeWithSecondsNeverStartsNorWarns) {
  settings.bWarnBeforeLesson = true;
  for (const TimeOfDay start : {At(8, 30, 15), EncodeTimeOfDay(8, 30, 0, 1)}) {
    settings.StartTime(1) = start;
    EXPECT_THAT(TickThrough(kMonday, 8 * 3600, 8 * 3600 + 31 * 60), IsEmpty());
    EXPECT_EQ(lessonClock.LessonState(), lsIdle);
  }
}

TEST_F(StartWatchTest, WeekendHasNoLessonsAndNoWarnings) {
  settings.bWarnBeforeLesson = true;
  for (const Weekday day : {kSaturday, kSunday}) {
    SCOPED_TRACE(testing::PrintToString(day));
    EXPECT_THAT(TickThrough(day, 0, 24 * 3600), IsEmpty());
    EXPECT_EQ(lessonClock.LessonState(), lsIdle);
  }
}

TEST_F(StartWatchTest, OfferComesAtTheFirstIdleTickAfterTheDaysLastLesson) {
  settings.bOfferExit = true;
  clock.Set(kMonday, 7, 0);
  lessonClock.ComputeDayEndTime();

  EXPECT_THAT(TickThrough(kMonday, 15 * 3600 - 30, 15 * 3600 + 60), IsEmpty());
  EXPECT_THAT(TickAt(kMonday, 15, 1, 0), ElementsAre(kQuestion));
  EXPECT_EQ(lessonClock.DayEndTime(), At(17, 1));
}

// The day's end is a start time plus whole minutes; whatever minute the last
// lesson starts at, the offer waits until the minute after its end.
TEST_F(StartWatchTest, OfferComesTheMinuteAfterTheLastLessonAtEveryStartMinute) {
  constexpr int kLessonMinutes = 45;
  settings.bOfferExit = true;
  DisableAllSlots();
  settings.Lesson(kMonday, 7) = true;
  for (int start = 0; start + kLessonMinutes + 1 < kMinutesPerDay; ++start) {
    settings.StartTime(7) = At(start / 60, start % 60);
    clock.Set(kMonday, 0, 0);
    lessonClock.ComputeDayEndTime();
    const int end = start + kLessonMinutes;

    IsDueAt(kMonday, end / 60, end % 60, 59);
    const bool askedInTheEndMinute = !host.TakeEvents().empty();
    IsDueAt(kMonday, (end + 1) / 60, (end + 1) % 60);
    const bool askedTheMinuteAfter = host.TakeEvents() == std::vector<std::wstring>{kQuestion};

    ASSERT_FALSE(askedInTheEndMinute) << "start minute " << start;
    ASSERT_TRUE(askedTheMinuteAfter) << "start minute " << start;
  }
}

TEST_F(StartWatchTest, OfferIsOffWhenTheOptionIsOff) {
  settings.bOfferExit = false;
  clock.Set(kMonday, 7, 0);
  lessonClock.ComputeDayEndTime();

  EXPECT_THAT(TickThrough(kMonday, 16 * 3600, 24 * 3600), IsEmpty());
}

TEST_F(StartWatchTest, TickInsideTheQuestionDoesNotAskAgain) {
  settings.bOfferExit = true;
  clock.Set(kMonday, 7, 0);
  lessonClock.ComputeDayEndTime();  // lesson 7 ends at 15:00
  ASSERT_EQ(lessonClock.DayEndTime(), At(15, 0));
  TimeOfDay dayEndWhileAsking;
  host.onConfirm = [&] {
    dayEndWhileAsking = lessonClock.DayEndTime();
    clock.Set(kMonday, 15, 1, 40);
    lessonClock.TimerTimer();
    return false;
  };

  const auto events = TickAt(kMonday, 15, 1, 10);

  EXPECT_EQ(Count(events, kQuestion), 1);
  EXPECT_EQ(dayEndWhileAsking, At(17, 1, 10));
}

TEST_F(StartWatchTest, NoAt144610AsksAgainAtTheFirstTickOf1647) {
  settings.bOfferExit = true;
  TeachOnlyOnFridayMorning();
  clock.Set(kMonday, 7, 0);
  lessonClock.ComputeDayEndTime();  // nothing taught on Monday

  EXPECT_THAT(TickAt(kMonday, 14, 46, 10), ElementsAre(kQuestion));
  EXPECT_THAT(TickThrough(kMonday, 14 * 3600 + 46 * 60 + 40, 16 * 3600 + 47 * 60), IsEmpty());
  EXPECT_THAT(TickAt(kMonday, 16, 46, 59), IsEmpty());
  EXPECT_THAT(TickAt(kMonday, 16, 47, 0), ElementsAre(kQuestion));
}

TEST_F(StartWatchTest, NoAfter2200IsNeverAskedAgain) {
  settings.bOfferExit = true;
  TeachOnlyOnFridayMorning();
  clock.Set(kMonday, 7, 0);
  lessonClock.ComputeDayEndTime();

  EXPECT_THAT(TickAt(kMonday, 22, 0, 10), ElementsAre(kQuestion));
  EXPECT_THAT(TickThrough(kMonday, 22 * 3600 + 30, 24 * 3600), IsEmpty());
  EXPECT_THAT(TickThrough(kTuesday, 0, 24 * 3600), IsEmpty());
}

TEST_F(StartWatchTest, YesClosesTheProgram) {
  settings.bOfferExit = true;
  clock.Set(kMonday, 7, 0);
  lessonClock.ComputeDayEndTime();
  host.onConfirm = [] { return true; };

  EXPECT_THAT(TickAt(kMonday, 15, 1), ElementsAre(kQuestion, L"close"));
}

// Started on a Sunday, whose day is over from its start, and left running
// into Monday: the first lesson begins at its minute, without the question
// that Sunday's end would have asked over it.
TEST_F(StartWatchTest, LessonBeginningOnATickIsNeverMetByTheQuestion) {
  settings.bOfferExit = true;
  clock.Set(kSunday, 20, 0);
  lessonClock.ComputeDayEndTime();
  host.onConfirm = [] { return true; };

  EXPECT_EQ(TickAt(kMonday, 8, 30), kLessonBegins);
  EXPECT_EQ(lessonClock.LessonState(), lsIntro);
}

// The question asked on a Sunday evening stays open overnight; its modal
// loop ticks on through Monday's first lesson, from its start minute to past
// its end, and only then does the user answer No.
TEST_F(StartWatchTest, LessonBegunAndEndedInsideTheQuestionIsBegunOnce) {
  settings.bOfferExit = true;
  clock.Set(kSunday, 20, 0);
  lessonClock.ComputeDayEndTime();
  size_t eventsWhenAnswered = 0;
  host.onConfirm = [&] {
    for (int second = 8 * 3600 + 29 * 60 + 30; second < 9 * 3600 + 20 * 60; second += 30) {
      clock.Set(kMonday, second / 3600, second / 60 % 60, second % 60);
      lessonClock.TimerTimer();
    }
    eventsWhenAnswered = host.events.size();
    return false;
  };

  const auto events = TickAt(kSunday, 20, 0, 30);

  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), kQuestion);
  EXPECT_EQ(Count(events, L"clear balloon"), 1);
  EXPECT_EQ(Count(events, L"sound 1"), 1);
  EXPECT_EQ(Count(events, kLessonOver), 1);
  // After the answer the tick does nothing more than its trim.
  EXPECT_EQ(events.size(), eventsWhenAnswered);
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

TEST_F(StartWatchTest, WeekendStillGetsTheOffer) {
  settings.bOfferExit = true;
  for (const Weekday day : {kSaturday, kSunday}) {
    SCOPED_TRACE(testing::PrintToString(day));
    clock.Set(day, 9, 0);
    lessonClock.ComputeDayEndTime();
    EXPECT_THAT(TickAt(day, 9, 0, 30), ElementsAre(kQuestion));
  }
}

struct DayEndCase {
  const char* name;
  Weekday day;
  std::vector<int> enabledSlots;                      // on that day, when it is a weekday
  std::vector<std::pair<int, TimeOfDay>> startTimes;  // changed from the built-in ones
  std::int32_t lessLen;
  TimeOfDay expected;
};

void PrintTo(const DayEndCase& c, std::ostream* out) {
  *out << c.name;
}

class DayEndTimeTest : public StartWatchTest, public ::testing::WithParamInterface<DayEndCase> {};

TEST_P(DayEndTimeTest, IsTheEndOfTodaysLastEnabledSlot) {
  const DayEndCase& c = GetParam();
  // The other weekdays stay fully taught: only today's row counts.
  if (IsFirstVersionDay(c.day)) {
    for (int slot = 1; slot <= kSlotCount; ++slot) settings.Lesson(c.day, slot) = false;
  }
  for (const int slot : c.enabledSlots) settings.Lesson(c.day, slot) = true;
  for (const auto& [slot, start] : c.startTimes) settings.StartTime(slot) = start;
  settings.LessLen = c.lessLen;
  clock.Set(c.day, 6, 45);

  lessonClock.ComputeDayEndTime();

  EXPECT_EQ(lessonClock.DayEndTime(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DayEndTimeTest,
    ::testing::Values(DayEndCase{"AllSlots", kMonday, {1, 2, 3, 4, 5, 6, 7}, {}, 450, At(15, 0)},
                      DayEndCase{"LastInSlotOrderNotLatestStart",
                                 kMonday,
                                 {2, 5},
                                 {{2, At(14, 0)}, {5, At(9, 0)}},
                                 450,
                                 At(9, 45)},
                      DayEndCase{"TenthsOfAMinuteDropped", kWednesday, {3}, {}, 455, At(11, 15)},
                      DayEndCase{"LongLesson", kWednesday, {1}, {}, 1000, At(10, 10)},
                      DayEndCase{"WeekdayWithNoLessons", kWednesday, {}, {}, 450, kMidnight},
                      DayEndCase{"Saturday", kSaturday, {}, {}, 450, kMidnight},
                      DayEndCase{"Sunday", kSunday, {}, {}, 450, kMidnight}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartWatchTest, DayWithoutLessonsOffersAtTheFirstIdleTick) {
  settings.bOfferExit = true;
  TeachOnlyOnFridayMorning();
  clock.Set(kWednesday, 7, 50);
  lessonClock.ComputeDayEndTime();

  EXPECT_THAT(TickAt(kWednesday, 7, 50, 30), ElementsAre(kQuestion));
  EXPECT_THAT(TickThrough(kWednesday, 7 * 3600 + 51 * 60, 9 * 3600 + 51 * 60), IsEmpty());
  EXPECT_THAT(TickAt(kWednesday, 9, 51), ElementsAre(kQuestion));
}

// Each day of the week through the start watch and the day's end. A school
// day has only its own row taught, so reading another day's row shows; a
// weekend has every row taught, none of which it may read.
struct WeekDayCase {
  const char* name;
  Weekday day;
  bool schoolDay;
};

void PrintTo(const WeekDayCase& c, std::ostream* out) {
  *out << c.name;
}

class WeekDayTest : public StartWatchTest, public ::testing::WithParamInterface<WeekDayCase> {};

TEST_P(WeekDayTest, LessonsWarningsAndTheOfferFollowTheDaysOwnRow) {
  const WeekDayCase& c = GetParam();
  settings.LessonOn.fill(!c.schoolDay);
  if (c.schoolDay) {
    for (int slot = 1; slot <= kSlotCount; ++slot) settings.Lesson(c.day, slot) = true;
  }
  settings.bWarnBeforeLesson = true;
  settings.bOfferExit = true;
  clock.Set(c.day, 7, 0);
  lessonClock.ComputeDayEndTime();

  if (c.schoolDay) {
    EXPECT_EQ(lessonClock.DayEndTime(), At(15, 0));
    EXPECT_THAT(TickThrough(c.day, 7 * 3600 + 30, 8 * 3600 + 27 * 60), IsEmpty());
    EXPECT_EQ(TickAt(c.day, 8, 27), Warning(3));
    EXPECT_EQ(TickAt(c.day, 8, 30), kLessonBegins);
    lessonClock.EndLesson();  // stopped by hand, so that later ticks are idle
    host.TakeEvents();
    EXPECT_THAT(TickAt(c.day, 15, 0, 30), IsEmpty());
    EXPECT_THAT(TickAt(c.day, 15, 1), ElementsAre(kQuestion));
  } else {
    EXPECT_EQ(lessonClock.DayEndTime(), kMidnight);
    EXPECT_THAT(TickAt(c.day, 7, 0, 30), ElementsAre(kQuestion));
    EXPECT_THAT(TickThrough(c.day, 7 * 3600 + 60, 9 * 3600), IsEmpty());
    EXPECT_EQ(lessonClock.LessonState(), lsIdle);
  }
}

INSTANTIATE_TEST_SUITE_P(Week, WeekDayTest,
                         ::testing::Values(WeekDayCase{"Sunday", kSunday, false},
                                           WeekDayCase{"Monday", kMonday, true},
                                           WeekDayCase{"Tuesday", kTuesday, true},
                                           WeekDayCase{"Wednesday", kWednesday, true},
                                           WeekDayCase{"Thursday", kThursday, true},
                                           WeekDayCase{"Friday", kFriday, true},
                                           WeekDayCase{"Saturday", kSaturday, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A timetable with no lesson on any day has not been entered yet. What the
// program does from its start at 07:00 on a Monday through the day, when the
// timetable it started with is changed in the settings dialog at 10:00.
struct EmptyTimetableCase {
  const char* name;
  std::vector<std::pair<Weekday, int>> taughtAtStart;  // (day, slot)
  std::vector<std::pair<Weekday, int>> taughtFrom10;   // the whole timetable from 10:00
  int firstQuestion;                                   // second of the day; -1 for none
};

void PrintTo(const EmptyTimetableCase& c, std::ostream* out) {
  *out << c.name;
}

class EmptyTimetableTest : public StartWatchTest,
                           public ::testing::WithParamInterface<EmptyTimetableCase> {
 protected:
  void Teach(const std::vector<std::pair<Weekday, int>>& lessons) {
    DisableAllSlots();
    for (const auto& [day, slot] : lessons) settings.Lesson(day, slot) = true;
  }
};

TEST_P(EmptyTimetableTest, OfferWaitsForATimetableWithALesson) {
  const EmptyTimetableCase& c = GetParam();
  settings.bOfferExit = true;
  Teach(c.taughtAtStart);
  clock.Set(kMonday, 7, 0);
  lessonClock.ComputeDayEndTime();

  int firstQuestion = -1;
  for (int second = 7 * 3600 + 30; second < 24 * 3600 && firstQuestion < 0; second += 30) {
    if (second == 10 * 3600) Teach(c.taughtFrom10);
    clock.Set(kMonday, second / 3600, second / 60 % 60, second % 60);
    lessonClock.TimerTimer();
    if (Count(host.TakeEvents(), kQuestion) > 0) firstQuestion = second;
  }

  EXPECT_EQ(firstQuestion, c.firstQuestion);
}

constexpr int kAt1000 = 10 * 3600;
const std::vector<std::pair<Weekday, int>> kNoLessons;
const std::vector<std::pair<Weekday, int>> kMondayAfternoon = {{kMonday, 7}};  // 14:15 to 15:00
const std::vector<std::pair<Weekday, int>> kMondayMorning = {{kMonday, 1}};    // 08:30 to 09:15
const std::vector<std::pair<Weekday, int>> kTuesdayOnly = {{kTuesday, 1}, {kTuesday, 7}};

INSTANTIATE_TEST_SUITE_P(
    Cases, EmptyTimetableTest,
    ::testing::Values(
        EmptyTimetableCase{"EmptyAllDay", kNoLessons, kNoLessons, -1},
        EmptyTimetableCase{"LessonEnabledForLaterToday", kNoLessons, kMondayAfternoon,
                           15 * 3600 + 60},
        EmptyTimetableCase{"LessonEnabledThatIsOverToday", kNoLessons, kMondayMorning, kAt1000},
        EmptyTimetableCase{"LessonsEnabledOnOtherDaysOnly", kNoLessons, kTuesdayOnly, kAt1000},
        EmptyTimetableCase{"StartedWithLessonsOnOtherDaysOnly", kTuesdayOnly, kTuesdayOnly,
                           7 * 3600 + 30},
        EmptyTimetableCase{"StartedWithALessonToday", kMondayAfternoon, kMondayAfternoon,
                           15 * 3600 + 60},
        EmptyTimetableCase{"EmptiedBeforeTheDaysEnd", kMondayAfternoon, kNoLessons, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// The timetable changed in the settings dialog during the day: the question
// waits for the end of the last lesson taught today in the timetable as it
// stands when it would be asked, and never comes earlier than the day's end
// found at start-up. The program starts at 07:00 on a Monday with lessons 1 to
// 3 (the last ends at 11:15); the change comes at 10:00.
struct ChangedTimetableCase {
  const char* name;
  std::function<void(Settings&)> changeAt10;
  int firstQuestion;  // second of the day
};

void PrintTo(const ChangedTimetableCase& c, std::ostream* out) {
  *out << c.name;
}

class ChangedTimetableTest : public StartWatchTest,
                             public ::testing::WithParamInterface<ChangedTimetableCase> {};

TEST_P(ChangedTimetableTest, OfferWaitsForTheLastLessonOfTheTimetableAsItStands) {
  const ChangedTimetableCase& c = GetParam();
  settings.bOfferExit = true;
  DisableAllSlots();
  for (const int slot : {1, 2, 3}) settings.Lesson(kMonday, slot) = true;
  clock.Set(kMonday, 7, 0);
  lessonClock.ComputeDayEndTime();

  int firstQuestion = -1;
  for (int second = 7 * 3600 + 30; second < 24 * 3600 && firstQuestion < 0; second += 30) {
    if (second == 10 * 3600) c.changeAt10(settings);
    clock.Set(kMonday, second / 3600, second / 60 % 60, second % 60);
    lessonClock.TimerTimer();
    if (Count(host.TakeEvents(), kQuestion) > 0) firstQuestion = second;
  }

  EXPECT_EQ(firstQuestion, c.firstQuestion);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangedTimetableTest,
    ::testing::Values(
        ChangedTimetableCase{"Unchanged", [](Settings&) {}, 11 * 3600 + 16 * 60},
        ChangedTimetableCase{"LaterLessonTaught", [](Settings& s) { s.Lesson(kMonday, 7) = true; },
                             15 * 3600 + 60},
        ChangedTimetableCase{"LessonsMadeLonger", [](Settings& s) { s.LessLen = 900; },
                             12 * 3600 + 60},
        ChangedTimetableCase{"LastLessonMovedLater",
                             [](Settings& s) { s.StartTime(3) = At(13, 0); }, 13 * 3600 + 46 * 60},
        ChangedTimetableCase{"LastLessonDropped", [](Settings& s) { s.Lesson(kMonday, 3) = false; },
                             11 * 3600 + 16 * 60},
        ChangedTimetableCase{"TodaysLessonsDropped",
                             [](Settings& s) {
                               for (const int slot : {1, 2, 3}) s.Lesson(kMonday, slot) = false;
                               s.Lesson(kTuesday, 1) = true;
                             },
                             11 * 3600 + 16 * 60}),
    [](const auto& info) { return std::string(info.param.name); });

// The teacher enters a timetable on a Wednesday morning in the settings
// dialog, beginning with Monday's first lesson: a timetable half entered asks
// nothing while the dialog stays open, and the question comes at the first
// idle tick after it has closed.
TEST_F(StartWatchTest, NoOfferWhileTheSettingsDialogIsOpen) {
  settings.bOfferExit = true;
  DisableAllSlots();
  clock.Set(kWednesday, 7, 50);
  lessonClock.ComputeDayEndTime();

  host.settingsDialogOpen = true;
  settings.Lesson(kMonday, 1) = true;
  EXPECT_THAT(TickThrough(kWednesday, 7 * 3600 + 50 * 60 + 30, 9 * 3600), IsEmpty());
  EXPECT_EQ(lessonClock.DayEndTime(), kMidnight);

  host.settingsDialogOpen = false;
  EXPECT_THAT(TickAt(kWednesday, 9, 0, 0), ElementsAre(kQuestion));
}

}  // namespace
}  // namespace ostrevin::clocktest
