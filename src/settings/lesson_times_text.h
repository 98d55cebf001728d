#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/school_timetable.h"

namespace ostrevin {

// Lesson times as text: the settings file's "08:30-09:15", and the lines a
// school's web page or a table shows ("1. 08:30 - 09:15", "1 урок 8.30–9.15").

// "08:30-09:15".
std::wstring FormatLessonTimes(const BellLesson& lesson);

// The first two times of day in a line, as its start and end: hours 0..23,
// then ":" or ".", then two-digit minutes, optionally seconds after another
// ":" (dropped). Whatever stands around and between them is not looked at.
// Nothing when the line holds fewer than two times. The lesson is not checked
// against a schedule's rules.
std::optional<BellLesson> ParseLessonTimes(std::wstring_view line);

// One lesson a line of pasted text; lines without two times (headings, empty
// lines, a line of breaks) are passed over. The number a line gives before
// its first time ("0.", "1)", "Урок 1:") tells whether the schedule counts
// from 0: only the first lesson's number is looked at.
struct PastedLessons {
  std::vector<BellLesson> lessons;
  int firstNumber = 1;
};
PastedLessons ParsePastedLessons(std::wstring_view text);

}  // namespace ostrevin
