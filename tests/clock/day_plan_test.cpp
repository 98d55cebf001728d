#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "clock/day_plan.h"
#include "clock_fakes.h"

namespace ostrevin::clocktest {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Field;

LocalDateTime Day(Weekday dayOfWeek) {
  return {.dayOfWeek = dayOfWeek, .hour = 12};
}

// "2 09:30-10:10 taught": a lesson as the timetable shows it, to the minute.
std::wstring Shown(const PlannedLesson& lesson) {
  return std::to_wstring(lesson.number) + L" " + FormatHourMinute(lesson.start) + L"-" +
         FormatHourMinute(lesson.end) + (lesson.taught ? L" taught" : L"");
}

// Every day has the seven slots with their times, numbered by slot; the
// teacher's own lessons are those of the day's row, on Monday to Friday only.
TEST(DayPlanTest, HoldsTheSevenSlotsWithTheDaysOwnLessons) {
  Settings settings = DefaultSettings();
  settings.LessonOn.fill(false);
  settings.Lesson(Weekday::Wednesday, 2) = true;
  settings.Lesson(Weekday::Wednesday, 7) = true;
  settings.LessLen = 400;
  settings.StartTime(7) = At(16, 0);

  const DayPlan wednesday = PlanOfDay(settings, Day(Weekday::Wednesday));
  ASSERT_EQ(wednesday.size(), 7u);
  EXPECT_EQ(Shown(wednesday[0]), L"1 08:30-09:10");
  EXPECT_EQ(Shown(wednesday[1]), L"2 09:30-10:10 taught");
  EXPECT_EQ(Shown(wednesday[5]), L"6 13:20-14:00");
  EXPECT_EQ(Shown(wednesday[6]), L"7 16:00-16:40 taught");
  EXPECT_THAT(PlanOfDay(settings, Day(Weekday::Tuesday)),
              Each(Field(&PlannedLesson::taught, false)));

  for (const Weekday weekend : {Weekday::Sunday, Weekday::Saturday}) {
    settings.LessonOn.fill(true);
    const DayPlan day = PlanOfDay(settings, Day(weekend));
    EXPECT_EQ(day.size(), 7u);
    EXPECT_THAT(day, Each(Field(&PlannedLesson::taught, false))) << testing::PrintToString(weekend);
  }
}

TEST(DayPlanTest, AnyTaughtLessonOfTheWeekMakesATimetable) {
  Settings settings = DefaultSettings();
  settings.LessonOn.fill(false);
  EXPECT_FALSE(HasAnyTaughtLesson(settings));
  settings.Lesson(Weekday::Friday, 7) = true;
  EXPECT_TRUE(HasAnyTaughtLesson(settings));
}

}  // namespace
}  // namespace ostrevin::clocktest
