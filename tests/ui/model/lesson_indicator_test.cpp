#include "ui/model/lesson_indicator.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace ostrevin {
namespace {}  // namespace

void PrintTo(const IndicatorView& view, std::ostream* out) {
  *out << testing::PrintToString(view.text) << " " << testing::PrintToString(view.hint);
}

namespace {

IndicatorView Shows(const wchar_t* text, const wchar_t* hint) {
  return {text, hint};
}

struct IndicatorCase {
  const char* name;
  int currentLesson;
  int prevLesson;
  const wchar_t* shownText;
  std::optional<IndicatorView> view;
  bool showsLessonNumber;
};

void PrintTo(const IndicatorCase& c, std::ostream* out) {
  *out << c.name;
}

class LessonIndicatorTest : public testing::TestWithParam<IndicatorCase> {};

TEST_P(LessonIndicatorTest, ShowsTheTextAndTooltipOfTheDaysState) {
  const IndicatorCase& c = GetParam();
  const IndicatorRefresh refresh =
      RefreshLessonIndicator(c.currentLesson, c.prevLesson, c.shownText);
  EXPECT_EQ(refresh.view, c.view);
  EXPECT_EQ(refresh.showsLessonNumber, c.showsLessonNumber);
}

INSTANTIATE_TEST_SUITE_P(
    States, LessonIndicatorTest,
    testing::Values(IndicatorCase{"FirstLessonOverTheDesignText", 1, 0, L"II",
                                  Shows(L"1", L"Сейчас идёт 1-й урок"), true},
                    IndicatorCase{"SeventhLesson", 7, 6, L"II",
                                  Shows(L"7", L"Сейчас идёт 7-й урок"), true},
                    IndicatorCase{"NextLessonStraightAfterTheLast", 4, 3, L"3",
                                  Shows(L"4", L"Сейчас идёт 4-й урок"), true},
                    IndicatorCase{"SameLessonShowsNothingNew", 3, 3, L"3", std::nullopt, false},
                    IndicatorCase{"BreakBeforeLessonFour", 0, 3, L"3",
                                  Shows(L"II", L"Сейчас перемена перед 4-м уроком"), false},
                    IndicatorCase{"BreakIsGivenAgainOnEveryRefresh", 0, 1, L"II",
                                  Shows(L"II", L"Сейчас перемена перед 2-м уроком"), false},
                    IndicatorCase{"BeforeTheFirstLesson", 0, 0, L"II",
                                  Shows(L"--", L"Уроки ещё не начались"), false},
                    IndicatorCase{"AfterTheLastLesson", 0, 7, L"7",
                                  Shows(L"--", L"Уроки закончились! ))"), false},
                    IndicatorCase{"AfterTheLastLessonAgain", 0, 7, L"--",
                                  Shows(L"--", L"Уроки закончились! ))"), false}),
    [](const testing::TestParamInfo<IndicatorCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrevin
