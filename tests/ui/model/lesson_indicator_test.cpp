#include "ui/model/lesson_indicator.h"

#include <gtest/gtest.h>

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

struct IndicatorCase {
  const char* name;
  int currentLesson;
  int prevLesson;
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
                      0,
                      L"II",
                      {Text(L"1"), Hint(L"Сейчас идёт 1-й урок")},
                      true},
        IndicatorCase{
            "SeventhLesson", 7, 6, L"II", {Text(L"7"), Hint(L"Сейчас идёт 7-й урок")}, true},
        IndicatorCase{"NextLessonStraightAfterTheLast",
                      4,
                      3,
                      L"3",
                      {Text(L"4"), Hint(L"Сейчас идёт 4-й урок")},
                      true},
        IndicatorCase{"SameLessonWritesNothing", 3, 3, L"3", {}, false},
        IndicatorCase{"BreakBeforeLessonFour",
                      0,
                      3,
                      L"3",
                      {Text(L"--"), Hint(L"Сейчас перемена перед 4-м уроком"), Text(L"II")},
                      false},
        IndicatorCase{"BreakIsWrittenAgainOnEveryRefresh",
                      0,
                      1,
                      L"II",
                      {Text(L"--"), Hint(L"Сейчас перемена перед 2-м уроком"), Text(L"II")},
                      false},
        IndicatorCase{"BeforeTheFirstLesson",
                      0,
                      0,
                      L"II",
                      {Text(L"--"), Hint(L"Уроки ещё не начались")},
                      false},
        IndicatorCase{
            "AfterTheLastLesson", 0, 7, L"7", {Text(L"--"), Hint(L"Уроки закончились! ))")}, false},
        IndicatorCase{"AfterTheLastLessonAgain",
                      0,
                      7,
                      L"--",
                      {Text(L"--"), Hint(L"Уроки закончились! ))")},
                      false}),
    [](const testing::TestParamInfo<IndicatorCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrevin
