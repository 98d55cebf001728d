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

// Whether pos continues a number written with separators: a date's
// "01.09.2026", a time's seconds "08:30:15". Only a time written with ":"
// begins afresh after a dotted number: "1.08:30" is lesson 1 at 08:30.
bool ContinuesNumber(std::wstring_view line, std::size_t pos, wchar_t separator) {
  if (pos == 0) return false;
  if (IsDigit(line[pos - 1])) return true;
  if (pos < 2 || !IsTimeSeparator(line[pos - 1]) || !IsDigit(line[pos - 2])) return false;
  return !(line[pos - 1] == L'.' && separator == L':');
}

// Where the separator after the hour that begins at pos stands: the hour is
// one or two digits.
std::optional<std::size_t> HourEnd(std::wstring_view line, std::size_t pos) {
  std::size_t end = pos;
  while (end < line.size() && IsDigit(line[end]) && end - pos < 3) ++end;
  const std::size_t digits = end - pos;
  if (digits < 1 || digits > 2 || end >= line.size() || !IsTimeSeparator(line[end])) {
    return std::nullopt;
  }
  return end;
}

// The time that begins at pos: one or two hour digits, a separator, two
// minute digits, and after ":" perhaps ":" and two digits of seconds; not
// part of a longer number such as a date.
std::optional<TimeInText> TimeAt(std::wstring_view line, std::size_t pos) {
  const std::optional<std::size_t> hourEnd = HourEnd(line, pos);
  if (!hourEnd) return std::nullopt;
  const wchar_t separator = line[*hourEnd];
  if (ContinuesNumber(line, pos, separator)) return std::nullopt;
  if (!TwoDigitsAt(line, *hourEnd + 1)) return std::nullopt;
  const int hour = DigitsValue(line.substr(pos, *hourEnd - pos));
  const int minute = DigitsValue(line.substr(*hourEnd + 1, 2));
  if (hour >= kHoursPerDay || minute >= kMinutesPerHour) return std::nullopt;
  std::size_t end = *hourEnd + 3;
  if (separator == L':' && end < line.size() && line[end] == L':' && TwoDigitsAt(line, end + 1)) {
    end += 3;
  }
  // A separator with a digit after it: more of a number than a time.
  if (end + 1 < line.size() && IsTimeSeparator(line[end]) && IsDigit(line[end + 1])) {
    return std::nullopt;
  }
  return TimeInText{pos, end, TimeOfDay::At(hour, minute)};
}

}  // namespace

std::wstring FormatLessonTimes(const BellLesson& lesson) {
  return FormatHourMinute(lesson.start) + L"-" + FormatHourMinute(lesson.end);
}

std::optional<TimeInText> NextTimeIn(std::wstring_view text, std::size_t from) {
  for (std::size_t pos = from; pos < text.size(); ++pos) {
    if (std::optional<TimeInText> time = TimeAt(text, pos)) return time;
  }
  return std::nullopt;
}

std::optional<BellLesson> ParseLessonTimes(std::wstring_view line) {
  const std::optional<TimeInText> start = NextTimeIn(line);
  if (!start) return std::nullopt;
  const std::optional<TimeInText> end = NextTimeIn(line, start->end);
  if (!end) return std::nullopt;
  return BellLesson{start->time, end->time};
}

}  // namespace ostrevin
