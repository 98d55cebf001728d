// Lesson times as text: the settings file's values and what a school's web
// page or table gives when its timetable is copied.
#include "settings/lesson_times_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

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
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(ParseLessonTimes(c.line), c.lesson) << testing::PrintToString(std::wstring(c.line));
  }
}

struct PasteCase {
  const char* name;
  const wchar_t* text;
  std::vector<BellLesson> lessons;
  int firstNumber;
};

void PrintTo(const PasteCase& c, std::ostream* out) {
  *out << c.name;
}

class PastedLessonsTest : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PastedLessonsTest, TakesOneLessonALine) {
  const PasteCase& c = GetParam();
  const PastedLessons pasted = ParsePastedLessons(c.text);
  EXPECT_EQ(pasted.lessons, c.lessons);
  EXPECT_EQ(pasted.firstNumber, c.firstNumber);
}

const std::vector<BellLesson> kThree = {LessonAt(8, 30, 45), LessonAt(9, 25, 45),
                                        LessonAt(10, 30, 45)};

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedLessonsTest,
    ::testing::Values(
        PasteCase{"PlainLines", L"08:30-09:15\n09:25-10:10\n10:30-11:15", kThree, 1},
        PasteCase{"NumberedWindowsLines", L"1. 08:30 - 09:15\r\n2. 09:25 - 10:10\r\n3. 10:30 - 11:15\r\n",
                  kThree, 1},
        PasteCase{"WebPageWithHeadingsAndBreaks",
                  L"Расписание звонков\n\nУрок\tВремя\tПеремена\n1\t8.30 – 9.15\t10 минут\n"
                  L"2\t9.25 – 10.10\t20 минут\n3\t10.30 – 11.15\t\n",
                  kThree, 1},
        PasteCase{"CountingFromZero",
                  L"0. 08:00-08:30\n1. 08:40-09:25\n",
                  {LessonAt(8, 0, 30), LessonAt(8, 40, 45)}, 0},
        PasteCase{"ZeroOnALaterLineDoesNotCount",
                  L"1. 08:30-09:15\n0. 09:25-10:10\n", {LessonAt(8, 30, 45), LessonAt(9, 25, 45)},
                  1},
        PasteCase{"SecondShiftNumberedAgain", L"1 смена\n1. 8:00-8:40\n2 смена\n1. 13:00-13:40",
                  {LessonAt(8, 0, 40), LessonAt(13, 0, 40)}, 1},
        PasteCase{"LastLineWithoutItsEnd", L"08:30-09:15\n09:25", {LessonAt(8, 30, 45)}, 1},
        PasteCase{"KeptAsGivenForTheDialogToJudge", L"09:25-10:10\n08:30-09:15",
                  {LessonAt(9, 25, 45), LessonAt(8, 30, 45)}, 1},
        PasteCase{"NoLessons", L"Расписание будет позже", {}, 1},
        PasteCase{"Empty", L"", {}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LessonTimesTextTest, PasteKeepsEveryLessonForTheDialogToCount) {
  std::wstring text;
  for (int lesson = 0; lesson < 20; ++lesson) {
    text += FormatLessonTimes(LessonAt(7 + lesson / 2, lesson % 2 * 30, 25)) + L"\n";
  }
  EXPECT_EQ(ParsePastedLessons(text).lessons.size(), 20u);
}

}  // namespace
}  // namespace ostrevin
