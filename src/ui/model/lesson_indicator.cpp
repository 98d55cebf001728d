#include "ui/model/lesson_indicator.h"

namespace ostrevin {
namespace {

constexpr int kLessonsNotBegun = 0;
constexpr int kLessonsOver = 7;

constexpr wchar_t kNoLessonText[] = L"--";
constexpr wchar_t kBreakText[] = L"II";

std::wstring LessonHint(int lesson) {
  return L"Сейчас идёт " + std::to_wstring(lesson) + L"-й урок";
}

std::wstring BreakHint(int nextLesson) {
  return L"Сейчас перемена перед " + std::to_wstring(nextLesson) + L"-м уроком";
}

IndicatorView OutsideLessons(int prevLesson) {
  if (prevLesson == kLessonsNotBegun) return {kNoLessonText, L"Уроки ещё не начались"};
  if (prevLesson == kLessonsOver) return {kNoLessonText, L"Уроки закончились! ))"};
  return {kBreakText, BreakHint(prevLesson + 1)};
}

}  // namespace

IndicatorRefresh RefreshLessonIndicator(int currentLesson, int prevLesson,
                                        std::wstring_view shownText) {
  if (currentLesson == 0) return {.view = OutsideLessons(prevLesson)};
  std::wstring number = std::to_wstring(currentLesson);
  if (number == shownText) return {};
  return {.view = IndicatorView{std::move(number), LessonHint(currentLesson)},
          .showsLessonNumber = true};
}

}  // namespace ostrevin
