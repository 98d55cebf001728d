#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/school_timetable.h"

namespace ostrevin {

// Lesson times as text: the settings file's "08:30-09:15", and the times a
// school's web page or a table shows ("1. 08:30 - 09:15", "1 урок 8.30–9.15").

// "08:30-09:15".
std::wstring FormatLessonTimes(const BellLesson& lesson);

// A time of day found in a text: hours 0..23 of one or two digits, ":" or
// ".", two-digit minutes, and after ":" optionally seconds after another ":"
// (dropped). Never part of a longer number (a date "01.09.2026", "108:30"),
// but a time with ":" after a dotted number is one: "1.08:30" is lesson 1 at
// 08:30.
struct TimeInText {
  std::size_t begin = 0;  // where the time starts in the text
  std::size_t end = 0;    // just past it
  TimeOfDay time;
};
// The first time at or after from, if any.
std::optional<TimeInText> NextTimeIn(std::wstring_view text, std::size_t from = 0);

// The first two times of day in a line, as its start and end. Whatever
// stands around and between them is not looked at. Nothing when the line
// holds fewer than two times. The lesson is not checked against a
// schedule's rules.
std::optional<BellLesson> ParseLessonTimes(std::wstring_view line);

}  // namespace ostrevin
