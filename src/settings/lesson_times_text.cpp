#include "settings/lesson_times_text.h"

#include "base/time_units.h"

namespace ostrevin {
namespace {

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

bool IsTimeSeparator(wchar_t c) {
  return c == L':' || c == L'.';
}

int DigitsValue(std::wstring_view digits) {
  int value = 0;
  for (const wchar_t c : digits) value = value * 10 + (c - L'0');
  return value;
}

// Whether two digits stand at pos and no third one follows them.
bool TwoDigitsAt(std::wstring_view text, std::size_t pos) {
  return pos + 2 <= text.size() && IsDigit(text[pos]) && IsDigit(text[pos + 1]) &&
         (pos + 2 == text.size() || !IsDigit(text[pos + 2]));
}

// A time of day found in a line: where it starts, where it ends, its minute.
struct FoundTime {
  std::size_t begin;
  std::size_t end;
  TimeOfDay time;
};

// Whether pos continues a number written with separators, as a date's
// "01.09.2026" does.
bool ContinuesNumber(std::wstring_view line, std::size_t pos) {
  if (pos == 0) return false;
  if (IsDigit(line[pos - 1])) return true;
  return pos >= 2 && IsTimeSeparator(line[pos - 1]) && IsDigit(line[pos - 2]);
}

// The time that begins at pos: one or two hour digits, a separator, two
// minute digits, and perhaps ":" and two digits of seconds; not part of a
// longer number such as a date.
std::optional<FoundTime> TimeAt(std::wstring_view line, std::size_t pos) {
  if (ContinuesNumber(line, pos)) return std::nullopt;
  std::size_t hourEnd = pos;
  while (hourEnd < line.size() && IsDigit(line[hourEnd]) && hourEnd - pos < 3) ++hourEnd;
  const std::size_t hourDigits = hourEnd - pos;
  if (hourDigits < 1 || hourDigits > 2) return std::nullopt;
  if (hourEnd >= line.size() || !IsTimeSeparator(line[hourEnd])) return std::nullopt;
  if (!TwoDigitsAt(line, hourEnd + 1)) return std::nullopt;
  const int hour = DigitsValue(line.substr(pos, hourDigits));
  const int minute = DigitsValue(line.substr(hourEnd + 1, 2));
  if (hour >= kHoursPerDay || minute >= kMinutesPerHour) return std::nullopt;
  std::size_t end = hourEnd + 3;
  if (end < line.size() && line[end] == L':' && TwoDigitsAt(line, end + 1)) end += 3;
  if (end + 1 < line.size() && IsTimeSeparator(line[end]) && IsDigit(line[end + 1])) {
    return std::nullopt;
  }
  return FoundTime{pos, end, TimeOfDay::At(hour, minute)};
}

std::optional<FoundTime> NextTime(std::wstring_view line, std::size_t from) {
  for (std::size_t pos = from; pos < line.size(); ++pos) {
    if (std::optional<FoundTime> time = TimeAt(line, pos)) return time;
  }
  return std::nullopt;
}

// The last whole number in the text before a line's first time: "1. ",
// "Урок 1: ", "№ 2 ".
std::optional<int> LessonNumberIn(std::wstring_view prefix) {
  std::optional<int> number;
  std::size_t pos = 0;
  while (pos < prefix.size()) {
    if (!IsDigit(prefix[pos])) {
      ++pos;
      continue;
    }
    const std::size_t start = pos;
    while (pos < prefix.size() && IsDigit(prefix[pos])) ++pos;
    // Longer runs are no lesson numbers (a year, a room).
    if (pos - start <= 2) number = DigitsValue(prefix.substr(start, pos - start));
  }
  return number;
}

}  // namespace

std::wstring FormatLessonTimes(const BellLesson& lesson) {
  return FormatHourMinute(lesson.start) + L"-" + FormatHourMinute(lesson.end);
}

std::optional<BellLesson> ParseLessonTimes(std::wstring_view line) {
  const std::optional<FoundTime> start = NextTime(line, 0);
  if (!start) return std::nullopt;
  const std::optional<FoundTime> end = NextTime(line, start->end);
  if (!end) return std::nullopt;
  return BellLesson{start->time, end->time};
}

PastedLessons ParsePastedLessons(std::wstring_view text) {
  PastedLessons pasted;
  bool numberSeen = false;
  while (!text.empty()) {
    const std::size_t lineEnd = std::min(text.find(L'\n'), text.size());
    const std::wstring_view line = text.substr(0, lineEnd);
    text.remove_prefix(std::min(lineEnd + 1, text.size()));
    const std::optional<BellLesson> lesson = ParseLessonTimes(line);
    if (!lesson) continue;
    if (!numberSeen) {
      numberSeen = true;
      const std::optional<FoundTime> start = NextTime(line, 0);
      if (LessonNumberIn(line.substr(0, start->begin)) == 0) pasted.firstNumber = 0;
    }
    pasted.lessons.push_back(*lesson);
  }
  return pasted;
}

}  // namespace ostrevin
