#pragma once

#include <ostream>
#include <vector>

#include "settings/lesson_times_text.h"
#include "settings/settings.h"
#include "support/time_printers.h"

namespace ostrevin {

// How GoogleTest shows a lesson of a schedule in a failed check.
inline void PrintTo(const BellLesson& lesson, std::ostream* out) {
  const std::wstring times = FormatLessonTimes(lesson);
  *out << std::string(times.begin(), times.end());
}

}  // namespace ostrevin

namespace ostrevin::test_support {

// What a load from a file without any of the program's keys gives: every
// key's documented default and the built-in start times.
Settings SettingsFileDefaults();

// A lesson of a bell schedule from its start and its length.
BellLesson LessonAt(int hour, int minute, int minutes);

// count lessons of one length from a first start, each break as long.
std::vector<BellLesson> EvenLessons(int count, int hour, int minute, int minutes,
                                    int breakMinutes);

}  // namespace ostrevin::test_support
