#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "clock/bell_rang.h"
#include "clock/school_clock.h"
#include "clock_fakes.h"

namespace ostrevin::clocktest {
namespace {

using ::testing::Contains;
using ::testing::Not;

constexpr Weekday kMonday = Weekday::Monday;

// What the bell did, as the last line of its record: the bell taken and the
// new offset, or why nothing changed.
std::wstring Taken(const std::wstring& bell, std::int32_t offset) {
  return L"told: bell " + bell + L" taken, offset " + std::to_wstring(offset);
}
const std::wstring kNoBell = L"told: no bell near";
const std::wstring kBeyondAnHour = L"told: beyond an hour";

std::wstring Told(const BellRangOutcome& outcome) {
  switch (outcome.kind) {
    case BellRangOutcome::Kind::kNoBellNear:
      return kNoBell;
    case BellRangOutcome::Kind::kBeyondAnHour:
      return kBeyondAnHour;
    case BellRangOutcome::Kind::kTaken:
      break;
  }
  const Bell& bell = *outcome.bell;
  return Taken(FormatHourMinute(bell.isStart ? bell.lesson.start : bell.lesson.end) +
                   (bell.isStart ? L" start" : L" end"),
               outcome.offsetSeconds);
}

int Count(const std::vector<std::wstring>& events, const std::wstring& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

// The lesson clock on the school's time, over the computer's clock.
class BellRangTest : public ::testing::Test {
 protected:
  BellRangTest() {
    settings.bOfferExit = false;
    settings.ShowCurrNo = true;
  }

  void SetComputer(int hour, int minute, int second) {
    computer.Set(kMonday, hour, minute, second);
  }
  std::vector<std::wstring> TickAt(int hour, int minute, int second) {
    SetComputer(hour, minute, second);
    lessonClock.TimerTimer();
    return host.TakeEvents();
  }
  std::vector<std::wstring> BellAt(int hour, int minute, int second) {
    SetComputer(hour, minute, second);
    const BellRangOutcome outcome = lessonClock.BellRang();
    std::vector<std::wstring> events = host.TakeEvents();
    events.push_back(Told(outcome));
    return events;
  }

  Settings settings = DefaultSettings();
  SettableClock computer;
  SchoolClock school{computer, settings};
  RecordingHost host;
  LessonClock lessonClock{settings, school, host};
};

// The bell of lesson 1 rings 40 seconds after the computer began the lesson:
// the bell is behind, the lesson counts from the bell.
TEST_F(BellRangTest, FortySecondsAfterTheStartTheLessonCountsFromTheBell) {
  TickAt(8, 30, 0);
  TickAt(8, 30, 30);
  ASSERT_EQ(lessonClock.Elapsed(), 5);

  const auto events = BellAt(8, 30, 40);
  EXPECT_EQ(settings.BellOffset, -40);
  EXPECT_EQ(events, (std::vector<std::wstring>{L"color green", L"progress 0", L"label 0",
                                               L"indicator", Taken(L"08:30 start", -40)}));
  EXPECT_EQ(lessonClock.LessonState(), lsIntro);
  EXPECT_EQ(lessonClock.Elapsed(), 0);

  // The next tick is half a minute after the bell by the school's time.
  TickAt(8, 31, 10);
  EXPECT_EQ(lessonClock.Elapsed(), 5);
}

// The bell rings 40 seconds before the computer's 08:30: the lesson begins
// now, with its start cue, and the lesson number follows.
TEST_F(BellRangTest, FortySecondsBeforeTheStartTheLessonBeginsAtTheBell) {
  TickAt(8, 29, 0);
  const auto events = BellAt(8, 29, 20);
  EXPECT_EQ(settings.BellOffset, 40);
  EXPECT_EQ(Count(events, L"sound 1"), 1);
  EXPECT_EQ(lessonClock.LessonState(), lsIntro);
  EXPECT_EQ(events[events.size() - 2], L"indicator");
  EXPECT_EQ(events.back(), Taken(L"08:30 start", 40));

  // The start watch's minute comes by the computer's clock 40 seconds later:
  // nothing begins twice.
  const auto tick = TickAt(8, 30, 0);
  EXPECT_THAT(tick, Not(Contains(L"sound 1")));
  EXPECT_THAT(tick, Not(Contains(L"clear balloon")));
}

TEST_F(BellRangTest, AtALessonsEndTheLessonEndsWithItsCue) {
  TickAt(8, 30, 0);
  for (int second = 30; second < 44 * 60 + 30; second += 30) {
    TickAt(8, 30 + second / 60, second % 60);
  }
  ASSERT_EQ(lessonClock.LessonState(), lsFinal);

  const auto events = BellAt(9, 14, 40);
  EXPECT_EQ(settings.BellOffset, 20);
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
  EXPECT_EQ(Count(events, L"sound 2"), 1);
  EXPECT_EQ(events.back(), Taken(L"09:15 end", 20));
}

struct BellCase {
  const char* name;
  int hour, minute, second;  // the computer's clock
  std::int32_t offsetBefore;
  std::int32_t offsetAfter;
  std::wstring told;
};

void PrintTo(const BellCase& c, std::ostream* out) {
  *out << c.name;
}

class BellTableTest : public BellRangTest, public ::testing::WithParamInterface<BellCase> {};

TEST_P(BellTableTest, TakesTheNearestBellWithinTenMinutes) {
  const BellCase& c = GetParam();
  settings.BellOffset = c.offsetBefore;
  settings.LessonOn.fill(false);  // only the offset and the balloon here
  const auto events = BellAt(c.hour, c.minute, c.second);
  EXPECT_EQ(settings.BellOffset, c.offsetAfter);
  EXPECT_EQ(events.back(), c.told);
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

INSTANTIATE_TEST_SUITE_P(
    Bells, BellTableTest,
    ::testing::Values(
        BellCase{"ExactlyOnTime", 9, 30, 0, 0, 0, Taken(L"09:30 start", 0)},
        BellCase{"TenMinutesLate", 9, 40, 0, 0, -600, Taken(L"09:30 start", -600)},
        BellCase{"MoreThanTenMinutesFromAnyBell", 10, 52, 30, 0, 0, kNoBell},
        BellCase{"TheEndOfLessonOneIsNearer", 9, 20, 0, 0, -300, Taken(L"09:15 end", -300)},
        BellCase{"AFractionOfASecondCountsAsAWholeOne", 9, 30, 0, 0, 0, Taken(L"09:30 start", 0)},
        BellCase{"AddsToTheOffsetThere", 9, 30, 45, -40, -45, Taken(L"09:30 start", -45)},
        BellCase{"NeverMoreThanAnHour", 8, 29, 20, 3590, 3590, kBeyondAnHour},
        // An hour either way is the most the bell may differ by: the school's
        // time is 40 s before or after the bell of 09:30.
        BellCase{"AnHourAhead", 8, 30, 0, 3560, 3600, Taken(L"09:30 start", 3600)},
        BellCase{"ASecondMoreThanAnHourAhead", 8, 29, 59, 3561, 3561, kBeyondAnHour},
        BellCase{"AnHourBehind", 10, 30, 0, -3560, -3600, Taken(L"09:30 start", -3600)},
        BellCase{"ASecondMoreThanAnHourBehind", 10, 30, 1, -3561, -3561, kBeyondAnHour}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BellRangTest, AFractionOfASecondPutsTheTimeJustPastTheBell) {
  computer.now.millisecond = 300;
  SetComputer(8, 30, 40);
  computer.now.millisecond = 300;
  lessonClock.BellRang();
  EXPECT_EQ(settings.BellOffset, -40);
  EXPECT_EQ(school.Now().second, 0);
  EXPECT_EQ(school.Now().millisecond, 300);
}

TEST_F(BellRangTest, ALessonNotTaughtIsNotBegunByItsBell) {
  settings.Lesson(kMonday, 1) = false;
  const auto events = BellAt(8, 29, 20);
  EXPECT_EQ(settings.BellOffset, 40);
  EXPECT_THAT(events, Not(Contains(L"sound 1")));
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

// The bell at lesson 1's end, rung while no lesson runs (the computer's
// clock is 20 s behind it): lesson 1, taught and not yet begun today, is over
// by the bell, not begun.
TEST_F(BellRangTest, TheBellAtALessonsEndDoesNotBeginIt) {
  const auto events = BellAt(9, 14, 40);
  EXPECT_EQ(settings.BellOffset, 20);
  EXPECT_THAT(events, Not(Contains(L"sound 1")));
  EXPECT_EQ(events.back(), Taken(L"09:15 end", 20));
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

TEST_F(BellRangTest, ALessonStoppedByHandIsNotBegunAgainByItsBell) {
  TickAt(8, 30, 0);
  lessonClock.EndLesson();
  host.TakeEvents();
  const auto events = BellAt(8, 30, 40);
  EXPECT_EQ(settings.BellOffset, -40);
  EXPECT_THAT(events, Not(Contains(L"sound 1")));
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

TEST(NearestBell, TakesTheNearerOfTwoAndTheEarlierOfTwoAsNear) {
  const DayPlan day = {
      {.number = 1, .start = At(8, 30), .end = At(9, 15), .taught = true, .length = {}},
      {.number = 2, .start = At(9, 25), .end = At(10, 10), .taught = false, .length = {}}};
  const auto at = [](int h, int m, int s) { return EncodeTimeOfDay(h, m, s, 0); };

  const std::optional<Bell> between = NearestBell(day, at(9, 20, 0));
  ASSERT_TRUE(between);
  EXPECT_EQ(between->lesson.number, 1);
  EXPECT_FALSE(between->isStart);

  const std::optional<Bell> nearer = NearestBell(day, at(9, 20, 1));
  ASSERT_TRUE(nearer);
  EXPECT_EQ(nearer->lesson.number, 2);
  EXPECT_TRUE(nearer->isStart);

  EXPECT_TRUE(NearestBell(day, at(8, 20, 0)));
  EXPECT_FALSE(NearestBell(day, at(8, 19, 59)));
  EXPECT_FALSE(NearestBell({}, at(8, 30, 0)));
}

TEST(SecondsOntoBell, NeverLandsBeforeTheBell) {
  const auto ms = [](std::int64_t milliseconds) {
    return TimeOfDay::FromMilliseconds(milliseconds);
  };
  EXPECT_EQ(SecondsOntoBell(ms(30'000), ms(70'000)), -40);
  EXPECT_EQ(SecondsOntoBell(ms(30'000), ms(70'300)), -40);
  EXPECT_EQ(SecondsOntoBell(ms(30'000), ms(69'700)), -39);
  EXPECT_EQ(SecondsOntoBell(ms(70'000), ms(30'000)), 40);
  EXPECT_EQ(SecondsOntoBell(ms(70'000), ms(30'300)), 40);
}

}  // namespace
}  // namespace ostrevin::clocktest
