#include "settings/settings.h"

#include <gtest/gtest.h>

#include "settings/time_of_day.h"
#include "support/sample_time_formats.h"
#include "support/time_printers.h"

namespace ostrevin {
namespace {

TEST(Settings, StartsWithEverythingOffExceptTheFinalPartSounds) {
  const Settings settings;
  for (bool on : settings.LessonOn) EXPECT_FALSE(on);
  for (TimeOfDay start : settings.StartTimes) EXPECT_EQ(start, kMidnight);
  EXPECT_EQ(settings.LessLen, 0);
  EXPECT_FALSE(settings.ShowCurrNo);
  EXPECT_EQ(settings.FinishPartSounds, fpsEveryMinute);
}

TEST(Settings, StoresTheTimetableDayMajor) {
  Settings settings;
  settings.Lesson(Weekday::Tuesday, 3) = true;
  settings.StartTime(7) = TimeOfDay::At(12, 0);
  EXPECT_TRUE(settings.LessonOn[(2 - 1) * 7 + (3 - 1)]);
  EXPECT_EQ(settings.StartTimes[6], TimeOfDay::At(12, 0));
}

TEST(Settings, KeepsMondayToFridayInTheirOwnRows) {
  for (const Weekday day : kFirstVersionDays) {
    Settings settings;
    settings.Lesson(day, 1) = true;
    settings.Lesson(day, 7) = true;
    const int row = WeekdayNumber(day) - 1;
    for (int index = 0; index < kWeekdayCount * kSlotCount; ++index) {
      EXPECT_EQ(settings.LessonOn[static_cast<std::size_t>(index)],
                index == row * kSlotCount || index == row * kSlotCount + kSlotCount - 1)
          << testing::PrintToString(day) << " " << index;
    }
  }
}

TEST(ResetStartTimes, SetsTheBuiltInTimetableAndNothingElse) {
  Settings settings;
  settings.Lesson(Weekday::Friday, 7) = true;
  settings.LessLen = 455;
  settings.StartTimes.fill(EncodeTimeOfDay(21, 36, 0, 0));
  Settings expected = settings;
  const wchar_t* builtIn[] = {L"08:30", L"09:30", L"10:30", L"11:30", L"12:25", L"13:20", L"14:15"};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    expected.StartTime(slot) = *ParseTimeOfDay(builtIn[slot - 1], test_support::RussianTime());
  }

  ResetStartTimes(settings);

  EXPECT_EQ(settings.StartTimes, expected.StartTimes);
  EXPECT_EQ(settings.LessonOn, expected.LessonOn);
  EXPECT_EQ(settings.LessLen, 455);
}

TEST(SlotEndTime, AddsTheLessonLengthInWholeMinutes) {
  struct Case {
    int startHour, startMinute;
    int lessLen;
    const wchar_t* expectedEnd;
  };
  const Case cases[] = {
      {8, 30, 450, L"09:15"},  {8, 30, 455, L"09:15"},  {8, 30, 459, L"09:15"},
      {14, 15, 450, L"15:00"}, {8, 30, 1000, L"10:10"}, {8, 30, 600, L"09:30"},
      {23, 30, 450, L"00:15"}, {8, 30, 5, L"08:30"},    {12, 25, 30, L"12:28"},
  };
  for (const Case& c : cases) {
    Settings settings;
    settings.LessLen = c.lessLen;
    settings.StartTime(4) = EncodeTimeOfDay(c.startHour, c.startMinute, 0, 0);
    EXPECT_EQ(FormatHourMinute(SlotEndTime(settings, 4)), c.expectedEnd)
        << c.startHour << ":" << c.startMinute << " + " << c.lessLen;
  }
}

TEST(SlotEndTime, DropsTenthsOfAMinuteExactly) {
  Settings whole;
  whole.StartTime(1) = EncodeTimeOfDay(8, 30, 0, 0);
  whole.LessLen = 450;
  Settings withTenths = whole;
  withTenths.LessLen = 455;
  EXPECT_EQ(SlotEndTime(withTenths, 1), SlotEndTime(whole, 1));
}

TEST(SlotEndTime, RunsPastMidnightWithoutWrapping) {
  Settings settings;
  settings.StartTime(7) = EncodeTimeOfDay(23, 30, 0, 0);
  settings.LessLen = 450;
  EXPECT_GT(SlotEndTime(settings, 7), EncodeTimeOfDay(23, 59, 59, 999));
  EXPECT_EQ(SlotEndTime(settings, 7).Milliseconds(),
            kMillisecondsPerDay + EncodeTimeOfDay(0, 15, 0, 0).Milliseconds());
}

TEST(SlotEndTime, CopesWithAnyLessonLengthFromTheFile) {
  Settings settings;
  settings.StartTime(1) = kMidnight;
  settings.LessLen = 2'147'483'647;
  EXPECT_EQ(SlotEndTime(settings, 1), TimeOfDay::FromMinutes(214'748'364));
  settings.LessLen = -2'147'483'647 - 1;
  EXPECT_EQ(SlotEndTime(settings, 1), TimeOfDay::FromMinutes(-214'748'364));
}

}  // namespace
}  // namespace ostrevin
