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

IndicatorRefresh OutsideLessons(int prevLesson) {
  IndicatorRefresh refresh;
  refresh.writes.push_back({IndicatorProperty::Text, kNoLessonText});
  if (prevLesson == kLessonsNotBegun) {
    refresh.writes.push_back({IndicatorProperty::Hint, L"Уроки ещё не начались"});
  } else if (prevLesson == kLessonsOver) {
    refresh.writes.push_back({IndicatorProperty::Hint, L"Уроки закончились! ))"});
  } else {
    refresh.writes.push_back({IndicatorProperty::Hint, BreakHint(prevLesson + 1)});
    refresh.writes.push_back({IndicatorProperty::Text, kBreakText});
  }
  return refresh;
}

}  // namespace

IndicatorRefresh RefreshLessonIndicator(int currentLesson, int prevLesson,
                                        std::wstring_view shownText) {
  if (currentLesson == 0) return OutsideLessons(prevLesson);
  const std::wstring number = std::to_wstring(currentLesson);
  if (number == shownText) return {};
  return {.writes = {{IndicatorProperty::Text, number},
                     {IndicatorProperty::Hint, LessonHint(currentLesson)}},
          .showsLessonNumber = true};
}

}  // namespace ostrevin
