#include "ui/model/lesson_indicator.h"
#include "support/passed_lessons_printer.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace ostrevin {

void PrintTo(const IndicatorView& view, std::ostream* out) {
  *out << testing::PrintToString(view.text) << " " << testing::PrintToString(view.hint);
}

namespace {

IndicatorView Shows(const wchar_t* text, const wchar_t* hint) {
  return {text, hint};
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
    testing::Values(IndicatorCase{"FirstLessonOverTheDesignText", 1, kNotBegun, L"II",
                                  Shows(L"1", L"Сейчас идёт 1-й урок"), true},
                    IndicatorCase{"SeventhLesson", 7, After(6), L"II",
                                  Shows(L"7", L"Сейчас идёт 7-й урок"), true},
                    IndicatorCase{"NextLessonStraightAfterTheLast", 4, After(3), L"3",
                                  Shows(L"4", L"Сейчас идёт 4-й урок"), true},
                    IndicatorCase{"SameLessonShowsNothingNew", 3, After(3), L"3", std::nullopt,
                                  false},
                    IndicatorCase{"BreakBeforeLessonFour", kNone, After(3), L"3",
                                  Shows(L"II", L"Сейчас перемена перед 4-м уроком"), false},
                    IndicatorCase{"BreakIsGivenAgainOnEveryRefresh", kNone, After(1), L"II",
                                  Shows(L"II", L"Сейчас перемена перед 2-м уроком"), false},
                    IndicatorCase{"BeforeTheFirstLesson", kNone, kNotBegun, L"II",
                                  Shows(L"--", L"Уроки ещё не начались"), false},
                    IndicatorCase{"AfterTheLastLesson", kNone, kOver, L"7",
                                  Shows(L"--", L"Уроки закончились! ))"), false},
                    IndicatorCase{"AfterTheLastLessonAgain", kNone, kOver, L"--",
                                  Shows(L"--", L"Уроки закончились! ))"), false},
                    // Schedules may count from 0 and have up to 16 lessons, and a day may
                    // have none.
                    IndicatorCase{"LessonZero", 0, kNotBegun, L"--",
                                  Shows(L"0", L"Сейчас идёт 0-й урок"), true},
                    IndicatorCase{"BreakAfterLessonZero", kNone, After(0), L"0",
                                  Shows(L"II", L"Сейчас перемена перед 1-м уроком"), false},
                    IndicatorCase{"SixteenthLesson", 16, After(15), L"II",
                                  Shows(L"16", L"Сейчас идёт 16-й урок"), true},
                    IndicatorCase{"BreakBeforeLessonNine", kNone, After(8), L"8",
                                  Shows(L"II", L"Сейчас перемена перед 9-м уроком"), false},
                    IndicatorCase{"NoLessonsToday", kNone, kNoneToday, L"--",
                                  Shows(L"--", L"Сегодня уроков нет"), false}),
    [](const testing::TestParamInfo<IndicatorCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrevin
