#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "clock/passed_lessons.h"

namespace ostrevin {

// What the lesson number icon shows: its text and its tooltip, which reach
// the tray together.
struct IndicatorView {
  std::wstring text;
  std::wstring hint;
  friend bool operator==(const IndicatorView&, const IndicatorView&) = default;
};

// One refresh of the lesson number icon: what it is to show, if anything,
// and whether it now shows the number of the current lesson.
struct IndicatorRefresh {
  std::optional<IndicatorView> view;
  bool showsLessonNumber = false;
};

// What the icon shows from the locator's results (the number of the lesson
// going on, or none; where the day stands outside its lessons) and the text
// it shows now. Outside lessons the view is given on every refresh, a
// break's as "II" at once (never "--" on the way); the icon itself tells the
// tray only what changed. During a lesson the view is given only when the
// number differs from the text shown.
IndicatorRefresh RefreshLessonIndicator(std::optional<int> currentLesson,
                                        const PassedLessons& prevLesson,
                                        std::wstring_view shownText);

}  // namespace ostrevin
