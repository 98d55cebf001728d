#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "clock_fakes.h"

namespace ostrevin::clocktest {
namespace {

using ::testing::IsEmpty;

constexpr Weekday kMonday = Weekday::Monday;
constexpr Weekday kSaturday = Weekday::Saturday;

int Count(const std::vector<std::wstring>& events, const std::wstring& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

class LessonJoinTest : public ClockTest {
 protected:
  LessonJoinTest() {
    settings.ShowCurrNo = false;
    settings.bOfferExit = false;
  }

  std::vector<std::wstring> JoinAt(Weekday day, int hour, int minute, int second = 0) {
    clock.Set(day, hour, minute, second);
    lessonClock.JoinLessonInProgress();
    return host.TakeEvents();
  }

  std::vector<std::wstring> TickAt(Weekday day, int hour, int minute, int second = 0) {
    clock.Set(day, hour, minute, second);
    lessonClock.TimerTimer();
    return host.TakeEvents();
  }
};

struct JoinCase {
  const char* name;
  Weekday day;
  int hour;
  int minute;
  int second;
  std::vector<std::wstring> events;  // empty: nothing joined
  LessonStateKind state;
  std::int32_t elapsed;
};

void PrintTo(const JoinCase& c, std::ostream* out) {
  *out << c.name;
}

std::vector<std::wstring> Joined(const wchar_t* color, int tenths) {
  return {L"clear balloon",
          std::wstring(L"color ") + color,
          L"progress " + std::to_wstring(tenths),
          L"label " + std::to_wstring(tenths / 10) + L" мин.",
          L"start off",
          L"stop on",
          L"restore",
          L"forward",
          L"fade in"};
}

class JoinTableTest : public LessonJoinTest, public ::testing::WithParamInterface<JoinCase> {};

// The built-in timetable, all taught on Monday: lesson 1 from 08:30 to 09:15,
// lesson 2 from 09:30. No case plays a sound.
TEST_P(JoinTableTest, BeginsTheLessonGoingOnWithItsTimeGone) {
  const JoinCase& c = GetParam();
  EXPECT_EQ(JoinAt(c.day, c.hour, c.minute, c.second), c.events);
  EXPECT_EQ(lessonClock.LessonState, c.state);
  if (c.state != lsIdle) {
    EXPECT_EQ(lessonClock.Elapsed, c.elapsed);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Moments, JoinTableTest,
    ::testing::Values(
        // At its bell a lesson is going on already: joined in its intro with
        // nothing gone, silent as every join.
        JoinCase{"AtItsStart", kMonday, 8, 30, 0, Joined(L"green", 0), lsIntro, 0},
        JoinCase{"ThreeMinutesIn", kMonday, 8, 33, 0, Joined(L"green", 30), lsIntro, 30},
        JoinCase{"SecondsIntoTheStart", kMonday, 8, 30, 20, Joined(L"green", 3), lsIntro, 3},
        JoinCase{"AtTheIntrosEnd", kMonday, 8, 35, 0, Joined(L"black", 50), lsMain, 50},
        JoinCase{"InTheMainPart", kMonday, 8, 40, 30, Joined(L"black", 105), lsMain, 105},
        // Five minutes and a second are left: still the main part, though
        // the minutes left read five.
        JoinCase{"ASecondBeforeTheFinalPart", kMonday, 9, 9, 59, Joined(L"black", 399), lsMain,
                 399},
        JoinCase{"AtTheFinalPartsStart", kMonday, 9, 10, 0, Joined(L"red", 400), lsFinal, 400},
        JoinCase{"InTheFinalPart", kMonday, 9, 12, 0, Joined(L"red", 420), lsFinal, 420},
        JoinCase{"InTheLastSecond", kMonday, 9, 14, 59, Joined(L"red", 449), lsFinal, 449},
        JoinCase{"AtTheEnd", kMonday, 9, 15, 0, {}, lsIdle, 0},
        JoinCase{"InABreak", kMonday, 9, 20, 0, {}, lsIdle, 0},
        JoinCase{"BeforeTheFirstLesson", kMonday, 7, 50, 0, {}, lsIdle, 0},
        JoinCase{"OnSaturday", kSaturday, 8, 33, 0, {}, lsIdle, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LessonJoinTest, InTheFinalPartTheBeepsFollowFromTheMinutesLeft) {
  JoinAt(kMonday, 9, 12, 0);
  EXPECT_EQ(lessonClock.MinutesLeft, 3);
  // 09:12:30: two and a half minutes left, counted as two: the series of a
  // lesson counting up from its final part's start (5 - 3 + 2 beeps), as
  // at the same point of a lesson begun at its bell; 09:13:00: none.
  EXPECT_EQ(Count(TickAt(kMonday, 9, 12, 30), L"sound 10"), 4);
  EXPECT_EQ(Count(TickAt(kMonday, 9, 13, 0), L"sound 10"), 0);
}

TEST_F(LessonJoinTest, NothingForALessonTheTeacherDoesNotTeach) {
  settings.Lesson(kMonday, 1) = false;
  EXPECT_THAT(JoinAt(kMonday, 8, 33), IsEmpty());
}

TEST_F(LessonJoinTest, NothingWhenTheOptionIsOff) {
  settings.JoinLesson = false;
  EXPECT_THAT(JoinAt(kMonday, 8, 33), IsEmpty());
  EXPECT_EQ(lessonClock.LessonState, lsIdle);
}

TEST_F(LessonJoinTest, NothingWhileALessonRuns) {
  lessonClock.BeginLesson();
  host.TakeEvents();
  EXPECT_THAT(JoinAt(kMonday, 8, 33), IsEmpty());
  EXPECT_EQ(lessonClock.Elapsed, 0);
}

// The teacher stopped it: neither joining nor its start minute begins it
// again that day; the next lesson still begins.
TEST_F(LessonJoinTest, ALessonBegunTodayIsNotBegunAgain) {
  TickAt(kMonday, 8, 30, 0);
  ASSERT_EQ(lessonClock.LessonState, lsIntro);
  lessonClock.EndLesson();
  host.TakeEvents();

  EXPECT_THAT(TickAt(kMonday, 8, 30, 30), ::testing::Not(::testing::Contains(L"sound 1")));
  EXPECT_THAT(JoinAt(kMonday, 8, 40), IsEmpty());
  EXPECT_EQ(lessonClock.LessonState, lsIdle);

  EXPECT_EQ(Count(TickAt(kMonday, 9, 30, 0), L"sound 1"), 1);
  EXPECT_EQ(lessonClock.LessonState, lsIntro);
}

// The teacher stopped lesson 1 and then moved its start in the settings
// dialog: at its new time it is another lesson, and it is joined.
TEST_F(LessonJoinTest, ALessonMovedAfterItBeganIsJoinedAtItsNewTime) {
  TickAt(kMonday, 8, 30, 0);
  lessonClock.EndLesson();
  host.TakeEvents();
  settings.StartTime(1) = At(8, 40);

  EXPECT_EQ(JoinAt(kMonday, 8, 45), Joined(L"black", 50));
  EXPECT_EQ(lessonClock.LessonState, lsMain);
}

// Joined, then the ticks go on: each cue comes once, at its own tick, and
// the lesson ends at its bell.
TEST_F(LessonJoinTest, AJoinedLessonRunsOnToItsEndWithEachCueOnce) {
  JoinAt(kMonday, 8, 33, 0);
  std::vector<std::wstring> all;
  for (int second = 8 * 3600 + 33 * 60 + 30; second <= 9 * 3600 + 16 * 60; second += 30) {
    const auto events = TickAt(kMonday, second / 3600, second / 60 % 60, second % 60);
    all.insert(all.end(), events.begin(), events.end());
  }
  EXPECT_EQ(Count(all, L"sound 1"), 0);
  EXPECT_EQ(Count(all, L"sound 4"), 1);
  EXPECT_EQ(Count(all, L"sound 2"), 1);
  // The intro part's end, then the five series of the final part.
  EXPECT_EQ(Count(all, L"sound 10"), 1 + 2 + 3 + 4 + 5 + 6);
  EXPECT_EQ(lessonClock.LessonState, lsIdle);
}

}  // namespace
}  // namespace ostrevin::clocktest
