#include "ui/model/lesson_indicator.h"
#include "support/passed_lessons_printer.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ostrevin {
namespace {

using Writes = std::vector<IndicatorWrite>;

IndicatorWrite Text(const wchar_t* value) {
  return {IndicatorProperty::Text, value};
}

IndicatorWrite Hint(const wchar_t* value) {
  return {IndicatorProperty::Hint, value};
}

const std::optional<int> kNone;
const PassedLessons kNotBegun{PassedLessons::Stage::NotBegun};
const PassedLessons kOver{PassedLessons::Stage::Over};
const PassedLessons kNoneToday{PassedLessons::Stage::NoneToday};

PassedLessons After(int lesson) {
  return PassedLessons::After(lesson);
}

struct IndicatorCase {
  const char* name;
  std::optional<int> currentLesson;
  PassedLessons prevLesson;
  const wchar_t* shownText;
  Writes writes;
  bool showsLessonNumber;
};

void PrintTo(const IndicatorCase& c, std::ostream* out) {
  *out << c.name;
}

class LessonIndicatorTest : public testing::TestWithParam<IndicatorCase> {};

TEST_P(LessonIndicatorTest, WritesTheTextAndTooltipOfTheDaysState) {
  const IndicatorCase& c = GetParam();
  const IndicatorRefresh refresh =
      RefreshLessonIndicator(c.currentLesson, c.prevLesson, c.shownText);
  EXPECT_EQ(refresh.writes, c.writes);
  EXPECT_EQ(refresh.showsLessonNumber, c.showsLessonNumber);
}

INSTANTIATE_TEST_SUITE_P(
    States, LessonIndicatorTest,
    testing::Values(
        IndicatorCase{"FirstLessonOverTheDesignText",
                      1,
                      kNotBegun,
                      L"II",
                      {Text(L"1"), Hint(L"Сейчас идёт 1-й урок")},
                      true},
        IndicatorCase{
            "SeventhLesson", 7, After(6), L"II", {Text(L"7"), Hint(L"Сейчас идёт 7-й урок")}, true},
        IndicatorCase{"NextLessonStraightAfterTheLast",
                      4,
                      After(3),
                      L"3",
                      {Text(L"4"), Hint(L"Сейчас идёт 4-й урок")},
                      true},
        IndicatorCase{"SameLessonWritesNothing", 3, After(3), L"3", {}, false},
        IndicatorCase{"BreakBeforeLessonFour",
                      kNone,
                      After(3),
                      L"3",
                      {Text(L"--"), Hint(L"Сейчас перемена перед 4-м уроком"), Text(L"II")},
                      false},
        IndicatorCase{"BreakIsWrittenAgainOnEveryRefresh",
                      kNone,
                      After(1),
                      L"II",
                      {Text(L"--"), Hint(L"Сейчас перемена перед 2-м уроком"), Text(L"II")},
                      false},
        IndicatorCase{"BeforeTheFirstLesson",
                      kNone,
                      kNotBegun,
                      L"II",
                      {Text(L"--"), Hint(L"Уроки ещё не начались")},
                      false},
        IndicatorCase{
            "AfterTheLastLesson", kNone, kOver, L"7", {Text(L"--"), Hint(L"Уроки закончились! ))")}, false},
        IndicatorCase{"AfterTheLastLessonAgain",
                      kNone,
                      kOver,
                      L"--",
                      {Text(L"--"), Hint(L"Уроки закончились! ))")},
                      false},
        // Schedules may count from 0 and have up to 16 lessons, and a day may
        // have none.
        IndicatorCase{"LessonZero",
                      0,
                      kNotBegun,
                      L"--",
                      {Text(L"0"), Hint(L"Сейчас идёт 0-й урок")},
                      true},
        IndicatorCase{"BreakAfterLessonZero",
                      kNone,
                      After(0),
                      L"0",
                      {Text(L"--"), Hint(L"Сейчас перемена перед 1-м уроком"), Text(L"II")},
                      false},
        IndicatorCase{"SixteenthLesson",
                      16,
                      After(15),
                      L"II",
                      {Text(L"16"), Hint(L"Сейчас идёт 16-й урок")},
                      true},
        IndicatorCase{"BreakBeforeLessonNine",
                      kNone,
                      After(8),
                      L"8",
                      {Text(L"--"), Hint(L"Сейчас перемена перед 9-м уроком"), Text(L"II")},
                      false},
        IndicatorCase{"NoLessonsToday",
                      kNone,
                      kNoneToday,
                      L"--",
                      {Text(L"--"), Hint(L"Сегодня уроков нет")},
                      false}),
    [](const testing::TestParamInfo<IndicatorCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrevin
