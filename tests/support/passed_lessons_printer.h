#pragma once

#include <ostream>

#include "clock/passed_lessons.h"

namespace ostrevin {

// How GoogleTest shows where the school day stands in a failed check.
inline void PrintTo(const PassedLessons& passed, std::ostream* out) {
  static const char* const kStages[] = {"not begun", "after lesson", "over", "none today"};
  *out << kStages[static_cast<int>(passed.stage)];
  if (passed.stage == PassedLessons::Stage::AfterLesson) *out << " " << passed.lesson;
}

}  // namespace ostrevin
