// Lesson times as text: the settings file's values and what a school's web
// page or table gives when its timetable is copied.
#include "settings/lesson_times_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/sample_settings.h"

namespace ostrevin {
namespace {

using test_support::LessonAt;

TEST(LessonTimesTextTest, WritesTwoDigitHoursAndMinutes) {
  EXPECT_EQ(FormatHourMinute(kMidnight), L"00:00");
  EXPECT_EQ(FormatHourMinute(TimeOfDay::At(8, 5)), L"08:05");
  EXPECT_EQ(FormatHourMinute(TimeOfDay::At(23, 59)), L"23:59");
  EXPECT_EQ(FormatLessonTimes(LessonAt(8, 30, 45)), L"08:30-09:15");
  EXPECT_EQ(ParseLessonTimes(FormatLessonTimes(LessonAt(23, 0, 59))), LessonAt(23, 0, 59));
}

struct LineCase {
  const wchar_t* line;
  std::optional<BellLesson> lesson;
};

TEST(LessonTimesTextTest, ReadsTheFirstTwoTimesOfALine) {
  const std::optional<BellLesson> none;
  const BellLesson first = LessonAt(8, 30, 45);
  const LineCase cases[] = {
      {L"08:30-09:15", first},
      {L"8:30-9:15", first},
      {L" 08:30 - 09:15 ", first},
      {L"1. 08:30 – 09:15", first},
      {L"1) 8.30—9.15", first},
      {L"1 урок\t8:30\t9:15\t10 мин.", first},
      {L"Урок 1: с 8:30 до 9:15", first},
      {L"08:30:00-09:15:00", first},
      {L"8:30:15 - 9:15", first},
      {L"09:15-08:30", LessonAt(9, 15, -45)},  // read, not judged
      {L"0:00-23:59", LessonAt(0, 0, 23 * 60 + 59)},
      {L"08:30", none},
      {L"Начало занятий в 8:30", none},
      {L"", none},
      {L"24:00-24:45", none},
      {L"8:60-9:15", none},
      {L"8:3-9:15", none},
      {L"108:30-109:15", none},
      {L"8:305-9:15", none},
      {L"2026.09.01", none},
      {L"01.09.2026 08:30-09:15", first},
      {L"8:30:15:40 9:00-9:40", LessonAt(9, 0, 40)},
      {L"8 30 - 9 15", none},
      // A bad time is passed over, and a good one after it is taken.
      {L"25:00 8:30 9:15", first},
      // A dotted lesson number before a time written with ":".
      {L"1.08:30-09:15", first},
      {L"12.8:30-9:15", first},
      // "1.08.30" may be a date as well as lesson 1 at 08.30: not read.
      {L"1.08.30-09.15", none},
      {L"08:30:15.5 9:00-9:40", LessonAt(9, 0, 40)},
      {L"8.30:15 9:00-9:40", LessonAt(9, 0, 40)},
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(ParseLessonTimes(c.line), c.lesson) << testing::PrintToString(std::wstring(c.line));
  }
}

}  // namespace
}  // namespace ostrevin
