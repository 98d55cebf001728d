// Any text on the clipboard: the paste reader never misbehaves, gives only
// lessons of real times in tables and columns it counts, and reads the
// lessons it found, written one a line, back as one schedule of them.
#include <cstdint>
#include <string>

#include "base/time_units.h"
#include "fuzz_input.h"
#include "settings/lesson_times_text.h"
#include "settings/pasted_bells.h"

namespace {

using ostrevin::BellLesson;
using ostrevin::PastedBells;
using ostrevin::PastedColumn;
using ostrevin::TimeOfDay;
using ostrevin::fuzz::Require;

// A whole minute of the day, as a page writes its bells.
bool IsTimeOfDay(TimeOfDay time) {
  return time >= ostrevin::kMidnight && time < TimeOfDay::FromMinutes(ostrevin::kMinutesPerDay) &&
         time == time.WholeMinute();
}

void RequireSound(const PastedBells& bells) {
  Require(bells.breaks >= 0 && bells.singleTimes >= 0, "counts are not negative");
  Require(bells.columns.empty() == (bells.tables == 0), "columns come in tables");
  for (const PastedColumn& column : bells.columns) {
    Require(!column.lessons.empty(), "a column holds lessons");
    Require(column.table >= 0 && column.table < bells.tables, "a column's table is counted");
    Require(column.position >= 1, "a column has a place");
    Require(column.firstNumber == 0 || column.firstNumber == 1, "numbering from 0 or 1");
    for (const BellLesson& lesson : column.lessons) {
      Require(IsTimeOfDay(lesson.start) && IsTimeOfDay(lesson.end), "lessons are times of a day");
    }
  }
}

void RequireReadBack(const PastedColumn& column) {
  std::wstring lines;
  for (const BellLesson& lesson : column.lessons) {
    lines += ostrevin::FormatLessonTimes(lesson) + L"\r\n";
  }
  const PastedBells reread = ostrevin::ReadPastedBells(lines);
  Require(reread.columns.size() == 1 && reread.columns[0].lessons == column.lessons,
          "a column's lessons written one a line read back as they were");
  Require(reread.breaks == 0 && reread.singleTimes == 0, "nothing of them is passed over");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ostrevin::fuzz::FuzzInput input(data, size);
  const PastedBells bells = ostrevin::ReadPastedBells(input.Rest());
  RequireSound(bells);
  for (const PastedColumn& column : bells.columns) RequireReadBack(column);
  return 0;
}
