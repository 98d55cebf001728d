// The first version's timetable as bell schedules, and the school's
// timetable as version 1.0 reads it.
#include "settings/first_version_timetable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sample_settings.h"

namespace ostrevin {
namespace {

using test_support::EvenLessons;
using test_support::LessonAt;
using test_support::SettingsFileDefaults;

constexpr Weekday kSunday = Weekday::Sunday;
constexpr Weekday kMonday = Weekday::Monday;
constexpr Weekday kTuesday = Weekday::Tuesday;
constexpr Weekday kFriday = Weekday::Friday;
constexpr Weekday kSaturday = Weekday::Saturday;

std::wstring StartsOf(const Settings& settings) {
  std::wstring starts;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    starts += (slot > 1 ? L" " : L"") + FormatHourMinute(settings.StartTime(slot));
  }
  return starts;
}

// "1010000": the slots taught on a weekday.
std::wstring TaughtSlots(const Settings& settings, Weekday day) {
  std::wstring row;
  for (int slot = 1; slot <= kSlotCount; ++slot) row += settings.Lesson(day, slot) ? L'1' : L'0';
  return row;
}

TEST(FirstVersionTimetableTest, IsOneScheduleOfSevenLessonsOnEveryDay) {
  Settings settings = SettingsFileDefaults();
  settings.Lesson(kMonday, 1) = true;
  settings.Lesson(kFriday, 7) = true;
  settings.LessLen = 400;

  const SchoolTimetable timetable = FirstVersionTimetable(settings);

  ASSERT_EQ(timetable.schedules.size(), 1u);
  const BellSchedule& schedule = timetable.schedules[0];
  EXPECT_EQ(schedule.name, L"Основное");
  EXPECT_EQ(schedule.firstNumber, 1);
  EXPECT_EQ(schedule.lessons,
            (std::vector<BellLesson>{LessonAt(8, 30, 40), LessonAt(9, 30, 40), LessonAt(10, 30, 40),
                                     LessonAt(11, 30, 40), LessonAt(12, 25, 40),
                                     LessonAt(13, 20, 40), LessonAt(14, 15, 40)}));
  for (const Weekday day : kWeekOrder) {
    EXPECT_EQ(timetable.Day(day).schedule, 0) << testing::PrintToString(day);
  }
  EXPECT_EQ(timetable.Day(kMonday).taught.to_string(), "00000000000000010");
  EXPECT_EQ(timetable.Day(kFriday).taught.to_string(), "00000000010000000");
  EXPECT_TRUE(timetable.Day(kTuesday).taught.none());
  EXPECT_TRUE(timetable.Day(kSaturday).taught.none());
  EXPECT_TRUE(timetable.Day(kSunday).taught.none());
}

TEST(FirstVersionTimetableTest, EndsALessonAtTheNextStartAndAtTheEndOfTheDay) {
  Settings settings = SettingsFileDefaults();
  settings.LessLen = 1000;  // 100-minute lessons run into the next start
  settings.StartTime(1) = EncodeTimeOfDay(8, 30, 15, 0);  // seconds from a hand-edited file
  settings.StartTime(7) = EncodeTimeOfDay(23, 0, 0, 0);   // would end past midnight

  const SchoolTimetable timetable = FirstVersionTimetable(settings);

  EXPECT_EQ(timetable.schedules[0].lessons,
            (std::vector<BellLesson>{LessonAt(8, 30, 60), LessonAt(9, 30, 60), LessonAt(10, 30, 60),
                                     LessonAt(11, 30, 55), LessonAt(12, 25, 55),
                                     LessonAt(13, 20, 100), LessonAt(23, 0, 59)}));
}

TEST(FirstVersionTimetableTest, LeavesOutASlotThatStartsBeforeTheOneBefore) {
  Settings settings = SettingsFileDefaults();
  settings.StartTime(3) = EncodeTimeOfDay(9, 0, 0, 0);

  const SchoolTimetable timetable = FirstVersionTimetable(settings);

  ASSERT_EQ(timetable.schedules[0].lessons.size(), 6u);
  EXPECT_EQ(timetable.schedules[0].lessons[1], LessonAt(9, 30, 45));
  EXPECT_EQ(timetable.schedules[0].lessons[2], LessonAt(11, 30, 45));
}

// A timetable of bell schedules, seen by version 1.0.
class FirstVersionViewTest : public ::testing::Test {
 protected:
  FirstVersionViewTest() {
    settings.LessonOn.fill(true);
    AddSchedule(timetable(),
                {.name = L"Основное", .firstNumber = 1, .lessons = EvenLessons(9, 8, 30, 45, 10)});
    AddSchedule(timetable(), {.name = L"Понедельник",
                              .firstNumber = 0,
                              .lessons = {LessonAt(8, 0, 30), LessonAt(8, 40, 45),
                                          LessonAt(9, 35, 45)}});
    for (const Weekday day : {kTuesday, Weekday::Wednesday, Weekday::Thursday, kFriday}) {
      week(day).schedule = 0;
    }
    week(kMonday).schedule = 1;
  }

  SchoolTimetable& timetable() { return settings.Timetable; }
  SchoolDay& week(Weekday day) { return settings.Timetable.Day(day); }

  Settings settings = SettingsFileDefaults();
};

TEST_F(FirstVersionViewTest, TakesMondaysScheduleWithItsLastStartRepeated) {
  week(kMonday).taught.set(0).set(2);
  week(kTuesday).taught.set(1).set(7).set(9);
  week(kSaturday).taught.set(1);  // Saturday has no row in version 1.0

  UpdateFirstVersionTimetable(settings);

  EXPECT_EQ(StartsOf(settings), L"08:00 08:40 09:35 09:35 09:35 09:35 09:35");
  EXPECT_EQ(TaughtSlots(settings, kMonday), L"1010000");
  // Tuesday's lessons go by number onto Monday's slots: lesson 1 is Monday's
  // second; Tuesday's 7 and 9 are no lessons of Monday's schedule.
  EXPECT_EQ(TaughtSlots(settings, kTuesday), L"0100000");
  EXPECT_EQ(TaughtSlots(settings, Weekday::Wednesday), L"0000000");
}

TEST_F(FirstVersionViewTest, WithoutMondayTakesTheFirstDayThatHasLessons) {
  week(kMonday).schedule = kNoSchedule;
  week(kTuesday).taught.set(1).set(8).set(9);

  UpdateFirstVersionTimetable(settings);

  EXPECT_EQ(StartsOf(settings), L"08:30 09:25 10:20 11:15 12:10 13:05 14:00");
  EXPECT_EQ(TaughtSlots(settings, kMonday), L"0000000");
  EXPECT_EQ(TaughtSlots(settings, kTuesday), L"1000000") << "only seven slots";
}

TEST_F(FirstVersionViewTest, ANumberTheDaysScheduleDoesNotHaveIsNotTaught) {
  week(kTuesday).schedule = 1;  // counts from 0, three lessons
  week(kTuesday).taught.set(0).set(3);
  week(kMonday).schedule = 0;

  UpdateFirstVersionTimetable(settings);

  EXPECT_EQ(TaughtSlots(settings, kTuesday), L"0000000")
      << "Tuesday's 0 is no lesson of Monday's schedule, and its own has no 3";
}

TEST_F(FirstVersionViewTest, ScheduleWithoutLessonsGivesTheBuiltInTimes) {
  for (SchoolDay& day : timetable().week) day.schedule = kNoSchedule;
  AddSchedule(timetable(), {.name = L"Пустое", .firstNumber = 1, .lessons = {}});
  week(kMonday).schedule = 2;
  settings.StartTime(1) = EncodeTimeOfDay(7, 0, 0, 0);

  UpdateFirstVersionTimetable(settings);

  EXPECT_EQ(StartsOf(settings), L"08:30 09:30 10:30 11:30 12:25 13:20 14:15");
  EXPECT_EQ(TaughtSlots(settings, kMonday), L"0000000");
}

TEST(FirstVersionViewWithoutSchedulesTest, LeavesTheFirstVersionsTimetableAlone) {
  Settings settings = SettingsFileDefaults();
  settings.Lesson(kMonday, 3) = true;
  settings.StartTime(2) = EncodeTimeOfDay(9, 40, 0, 0);
  const Settings before = settings;

  UpdateFirstVersionTimetable(settings);

  EXPECT_EQ(settings, before);
}

}  // namespace
}  // namespace ostrevin
