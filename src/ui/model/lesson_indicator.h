#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/passed_lessons.h"

namespace ostrevin {

// The lesson number icon's two properties the indicator writes.
enum class IndicatorProperty { Text, Hint };

struct IndicatorWrite {
  IndicatorProperty property;
  std::wstring value;
  friend bool operator==(const IndicatorWrite&, const IndicatorWrite&) = default;
};

// One refresh of the lesson number icon: what is written to it, in order,
// and whether it now shows the number of the current lesson.
struct IndicatorRefresh {
  std::vector<IndicatorWrite> writes;
  bool showsLessonNumber = false;
};

// What the icon shows from the locator's results (the number of the lesson
// going on, or none; where the day stands outside its lessons) and the text
// it shows now. Outside lessons the text and tooltip are written on every
// refresh, in a break first "--" and after the tooltip "II"; during a lesson
// they are written only when the number differs from the text shown, which
// keeps ticks within one lesson from redrawing the icon.
IndicatorRefresh RefreshLessonIndicator(std::optional<int> currentLesson,
                                        const PassedLessons& prevLesson,
                                        std::wstring_view shownText);

}  // namespace ostrevin
