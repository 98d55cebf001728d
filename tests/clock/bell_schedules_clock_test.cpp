// The lesson clock on a school's timetable of bell schedules: Saturday,
// a lesson 0, lessons of their own lengths, more than seven lessons, days
// without lessons.
#include <algorithm>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "clock/day_plan.h"
#include "clock_fakes.h"
#include "support/sample_settings.h"

namespace ostrevin::clocktest {
namespace {

using test_support::EvenLessons;
using test_support::LessonAt;
using ::testing::Contains;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr Weekday kSunday = Weekday::Sunday;
constexpr Weekday kMonday = Weekday::Monday;
constexpr Weekday kTuesday = Weekday::Tuesday;
constexpr Weekday kSaturday = Weekday::Saturday;

const std::wstring kLessonOver = L"lesson over";
const std::wstring kQuestion = L"ask to close";

// "0 08:00-08:30 taught 300": a lesson of the plan, to the minute.
std::wstring Shown(const PlannedLesson& lesson) {
  return std::to_wstring(lesson.number) + L" " + FormatHourMinute(lesson.start) + L"-" +
         FormatHourMinute(lesson.end) + (lesson.taught ? L" taught" : L"") +
         (lesson.length ? L" " + std::to_wstring(*lesson.length) : L"");
}

std::vector<std::wstring> ShownPlan(const DayPlan& plan) {
  std::vector<std::wstring> shown;
  for (const PlannedLesson& lesson : plan) shown.push_back(Shown(lesson));
  return shown;
}

// A school with a Monday that begins with a short lesson 0 ("Разговоры о
// важном") and shifts every lesson after it, a main schedule for Tuesday to
// Friday, a Saturday of six 40-minute lessons, and no lessons on Sunday.
class BellSchedulesTest : public ClockTest {
 protected:
  BellSchedulesTest() {
    settings.bOfferExit = false;
    settings.ShowCurrNo = false;
    SchoolTimetable& timetable = settings.Timetable;
    AddSchedule(timetable,
                {.name = L"Основное", .firstNumber = 1, .lessons = EvenLessons(7, 8, 30, 45, 10)});
    AddSchedule(timetable, {.name = L"Понедельник",
                            .firstNumber = 0,
                            .lessons = {LessonAt(8, 0, 30), LessonAt(8, 40, 45),
                                        LessonAt(9, 35, 45), LessonAt(10, 40, 45)}});
    AddSchedule(timetable,
                {.name = L"Суббота", .firstNumber = 1, .lessons = EvenLessons(6, 8, 30, 40, 10)});
    for (const Weekday day : {kTuesday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday}) {
      Day(day).schedule = 0;
    }
    Day(kMonday).schedule = 1;
    Day(kSaturday).schedule = 2;
  }

  SchoolDay& Day(Weekday day) { return settings.Timetable.Day(day); }

  DayPlan PlanOn(Weekday day) { return PlanOfDay(settings, {.dayOfWeek = day, .hour = 12}); }

  // One tick at a moment; what it did before the trim.
  std::vector<std::wstring> TickAt(Weekday day, int hour, int minute, int second = 0) {
    clock.Set(day, hour, minute, second);
    lessonClock.TimerTimer();
    std::vector<std::wstring> events = host.TakeEvents();
    if (!events.empty() && events.back() == L"trim") events.pop_back();
    return events;
  }

  // Ticks of the running lesson until it is over; how many it took.
  int TicksToTheEnd() {
    int ticks = 0;
    while (lessonClock.LessonState() != lsIdle && ticks < 1000) {
      lessonClock.TimerTimer();
      ++ticks;
    }
    return ticks;
  }

  // The ticks on which the lesson's parts began, from its first tick on.
  std::vector<int> PartChanges() {
    std::vector<int> changes;
    LessonStateKind state = lessonClock.LessonState();
    for (int tick = 1; lessonClock.LessonState() != lsIdle && tick < 1000; ++tick) {
      lessonClock.TimerTimer();
      if (lessonClock.LessonState() != state) changes.push_back(tick);
      state = lessonClock.LessonState();
    }
    return changes;
  }
};

TEST_F(BellSchedulesTest, EachDayHasItsSchedulesLessonsWithTheTeachersOwn) {
  Day(kMonday).taught.set(0).set(2);
  Day(kSaturday).taught.set(3);
  Day(kSunday).taught.set(1);  // no schedule: nothing to teach

  EXPECT_EQ(ShownPlan(PlanOn(kMonday)),
            (std::vector<std::wstring>{L"0 08:00-08:30 taught 300", L"1 08:40-09:25 450",
                                       L"2 09:35-10:20 taught 450", L"3 10:40-11:25 450"}));
  EXPECT_EQ(ShownPlan(PlanOn(kSaturday)),
            (std::vector<std::wstring>{L"1 08:30-09:10 400", L"2 09:20-10:00 400",
                                       L"3 10:10-10:50 taught 400", L"4 11:00-11:40 400",
                                       L"5 11:50-12:30 400", L"6 12:40-13:20 400"}));
  EXPECT_EQ(PlanOn(kTuesday).size(), 7u);
  EXPECT_THAT(PlanOn(kSunday), IsEmpty());
  EXPECT_TRUE(HasAnyTaughtLesson(settings));
}

TEST_F(BellSchedulesTest, TheWeeksLessonsNotTheFirstVersionsRowsSayWhetherAnythingIsTaught) {
  settings.LessonOn.fill(true);
  EXPECT_FALSE(HasAnyTaughtLesson(settings));
  Day(kSaturday).taught.set(6);
  EXPECT_TRUE(HasAnyTaughtLesson(settings));
}

TEST_F(BellSchedulesTest, SaturdaysLessonBeginsOnItsMinuteAndRunsItsFortyMinutes) {
  Day(kSaturday).taught.set(3);
  settings.LessLen = 450;  // a lesson begun by hand would run 45 minutes

  EXPECT_THAT(TickAt(kSaturday, 10, 9, 30), IsEmpty());
  EXPECT_THAT(TickAt(kSaturday, 10, 10, 0), Contains(L"sound 1"));
  ASSERT_EQ(lessonClock.LessonState(), lsIntro);
  EXPECT_EQ(lessonClock.RunLength(), 400);

  // Intro part of 5 minutes, final part of 5 minutes before its own end.
  EXPECT_EQ(PartChanges(), (std::vector<int>{10, 70, 80}));
  EXPECT_EQ(lessonClock.Elapsed(), 400);
  EXPECT_THAT(host.TakeEvents(), Contains(kLessonOver));
}

TEST_F(BellSchedulesTest, LessonZeroOfMondayBeginsAndRunsHalfAnHour) {
  Day(kMonday).taught.set(0).set(1);

  EXPECT_THAT(TickAt(kMonday, 8, 0, 0), Contains(L"sound 1"));
  EXPECT_EQ(TicksToTheEnd(), 60);
  // The shifted lesson 1 begins at 08:40, not at the main schedule's 08:30.
  EXPECT_THAT(TickAt(kMonday, 8, 30, 0), Not(Contains(L"sound 1")));
  EXPECT_THAT(TickAt(kMonday, 8, 40, 0), Contains(L"sound 1"));
  EXPECT_EQ(TicksToTheEnd(), 90);
}

TEST_F(BellSchedulesTest, TheLengthFieldNoLongerMovesAScheduledLessonsEnd) {
  Day(kSaturday).taught.set(1);
  TickAt(kSaturday, 8, 30);
  for (int tick = 0; tick < 40; ++tick) lessonClock.TimerTimer();
  settings.LessLen = 100;
  EXPECT_EQ(TicksToTheEnd(), 40) << "still the 40-minute lesson";
}

TEST_F(BellSchedulesTest, ALessonBegunByHandRunsTheLengthFieldsMinutes) {
  Day(kSaturday).taught.set(1);
  TickAt(kSaturday, 8, 30);
  TicksToTheEnd();

  settings.LessLen = 350;
  lessonClock.BeginLesson();
  EXPECT_EQ(lessonClock.RunLength(), std::nullopt);
  EXPECT_EQ(TicksToTheEnd(), 70);
}

TEST_F(BellSchedulesTest, WarningsAndTheDaysEndFollowTheDaysSchedule) {
  // Ticks minutes apart read as a sleep, after which a lesson going on would
  // be joined: that has tests of its own.
  settings.JoinLesson = false;
  settings.bWarnBeforeLesson = true;
  settings.bOfferExit = true;
  Day(kSaturday).taught.set(2).set(5);
  clock.Set(kSaturday, 7, 0);
  lessonClock.ComputeDayEndTime();
  EXPECT_EQ(lessonClock.DayEndTime(), At(12, 30));

  EXPECT_THAT(TickAt(kSaturday, 9, 17), Contains(L"sound 1"))
      << "three minutes before Saturday's lesson 2 at 09:20";
  EXPECT_THAT(TickAt(kSaturday, 9, 27), IsEmpty()) << "Tuesday's 09:30 is no Saturday lesson";
  EXPECT_THAT(TickAt(kSaturday, 12, 30), IsEmpty());
  EXPECT_THAT(TickAt(kSaturday, 12, 31), Contains(kQuestion));
}

TEST_F(BellSchedulesTest, ADayWithoutLessonsOffersTheEndAtOnceWhenOtherDaysTeach) {
  settings.bOfferExit = true;
  Day(kTuesday).taught.set(1);
  clock.Set(kSunday, 9, 0);
  lessonClock.ComputeDayEndTime();
  EXPECT_THAT(TickAt(kSunday, 9, 0, 30), Contains(kQuestion));
}

struct Located {
  int hour, minute, second;
  std::optional<int> current;
  PassedLessons passed;
};

TEST_F(BellSchedulesTest, LocatorPlacesTheTimeAmongTheDaysOwnLessons) {
  const std::optional<int> none;
  const PassedLessons notBegun{PassedLessons::Stage::NotBegun};
  const PassedLessons over{PassedLessons::Stage::Over};
  const Located monday[] = {
      {7, 59, 59, none, notBegun},
      // During a lesson the day has come to it.
      {8, 0, 0, 0, PassedLessons::After(0)},
      {8, 30, 0, 0, PassedLessons::After(0)},
      {8, 30, 1, none, PassedLessons::After(0)},
      {8, 40, 0, 1, PassedLessons::After(1)},
      {10, 30, 0, none, PassedLessons::After(2)},
      {11, 25, 30, none, over},
      {23, 59, 59, none, over},
  };
  for (const Located& at : monday) {
    clock.Set(kMonday, at.hour, at.minute, at.second);
    lessonClock.LocateCurrentLesson();
    EXPECT_EQ(lessonClock.CurrentLesson(), at.current) << at.hour << ":" << at.minute;
    EXPECT_EQ(lessonClock.PrevLesson(), at.passed) << at.hour << ":" << at.minute;
  }
}

TEST_F(BellSchedulesTest, ADayWithoutLessonsSaysSoUntilTheNextDaysLessons) {
  clock.Set(kSunday, 10, 0);
  lessonClock.LocateCurrentLesson();
  EXPECT_EQ(lessonClock.CurrentLesson(), std::nullopt);
  EXPECT_EQ(lessonClock.PrevLesson(), PassedLessons{PassedLessons::Stage::NoneToday});

  // Left running into Monday: before its lessons, not "none today".
  clock.Set(kMonday, 7, 0);
  lessonClock.LocateCurrentLesson();
  EXPECT_EQ(lessonClock.PrevLesson(), PassedLessons{PassedLessons::Stage::NotBegun});
}

TEST_F(BellSchedulesTest, TwoShiftsOfSixteenLessonsAreCountedToTheLast) {
  std::vector<BellLesson> lessons = EvenLessons(8, 7, 30, 40, 5);
  const std::vector<BellLesson> secondShift = EvenLessons(8, 13, 30, 40, 5);
  lessons.insert(lessons.end(), secondShift.begin(), secondShift.end());
  settings.Timetable.schedules[0].lessons = lessons;
  Day(kTuesday).taught.set(16);

  const DayPlan tuesday = PlanOn(kTuesday);
  ASSERT_EQ(tuesday.size(), 16u);
  EXPECT_EQ(Shown(tuesday.back()), L"16 18:45-19:25 taught 400");

  clock.Set(kTuesday, 13, 27);
  lessonClock.LocateCurrentLesson();
  EXPECT_EQ(lessonClock.PrevLesson(), PassedLessons::After(8)) << "the break between the shifts";
  EXPECT_THAT(TickAt(kTuesday, 18, 45), Contains(L"sound 1"));
}

}  // namespace
}  // namespace ostrevin::clocktest
