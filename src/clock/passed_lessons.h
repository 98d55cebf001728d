#pragma once

#include <cstdint>

namespace ostrevin {

// How far the school day has come, as the lesson number icon tells it while
// no lesson is going on: the lessons have not begun, a break follows a
// lesson, they are over, or the day has none. Lesson numbers may begin at 0
// and run past 7, so none of these is told by a number.
struct PassedLessons {
  enum class Stage : std::uint8_t { NotBegun, AfterLesson, Over, NoneToday };

  Stage stage = Stage::NotBegun;
  int lesson = 0;  // after a lesson: its number

  static PassedLessons After(int lesson) { return {Stage::AfterLesson, lesson}; }
  bool operator==(const PassedLessons&) const = default;
};

}  // namespace ostrevin
