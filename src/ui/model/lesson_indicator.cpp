#include "ui/model/lesson_indicator.h"

#include "base/decimal_text.h"

namespace ostrevin {
namespace {

constexpr wchar_t kNoLessonText[] = L"--";
constexpr wchar_t kBreakText[] = L"II";

std::wstring LessonHint(int lesson) {
  return L"Сейчас идёт " + DecimalText(lesson) + L"-й урок";
}

std::wstring BreakHint(int nextLesson) {
  return L"Сейчас перемена перед " + DecimalText(nextLesson) + L"-м уроком";
}

std::wstring StageHint(PassedLessons::Stage stage) {
  switch (stage) {
    case PassedLessons::Stage::NotBegun:
      return L"Уроки ещё не начались";
    case PassedLessons::Stage::Over:
      return L"Уроки закончились! ))";
    case PassedLessons::Stage::NoneToday:
    case PassedLessons::Stage::AfterLesson:
      break;
  }
  return L"Сегодня уроков нет";
}

IndicatorView OutsideLessons(const PassedLessons& prevLesson) {
  if (prevLesson.stage != PassedLessons::Stage::AfterLesson) {
    return {kNoLessonText, StageHint(prevLesson.stage)};
  }
  // Lessons are numbered in order, so the next one is one on.
  return {kBreakText, BreakHint(prevLesson.lesson + 1)};
}

}  // namespace

IndicatorRefresh RefreshLessonIndicator(std::optional<int> currentLesson,
                                        const PassedLessons& prevLesson,
                                        std::wstring_view shownText) {
  if (!currentLesson) return {.view = OutsideLessons(prevLesson)};
  std::wstring number = DecimalText(*currentLesson);
  if (number == shownText) return {};
  return {.view = IndicatorView{std::move(number), LessonHint(*currentLesson)},
          .showsLessonNumber = true};
}

}  // namespace ostrevin
