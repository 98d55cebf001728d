#include "settings/time_of_day.h"

#include <cstdint>
#include <string_view>

#include "base/app_error.h"
#include "base/decimal_text.h"

namespace ostrevin {

namespace {

// Real designators and separators are a few characters long; a longer one
// could push a time text past the 2047 characters the file reader returns.
constexpr std::size_t kMaxDesignatorLength = 64;
constexpr std::size_t kMaxDecimalSeparatorLength = 8;

// Numbers are only compared with small limits, so accumulation stops here
// instead of overflowing on a long run of digits.
constexpr int kNumberCeiling = 1'000'000;

constexpr std::wstring_view kLiteralAm = L"AM";
constexpr std::wstring_view kLiteralPm = L"PM";
constexpr std::wstring_view kFallbackDecimalSeparator = L".";

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}
bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}
bool IsControl(wchar_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// Case folding for the scripts whose designators have letter case (Latin,
// Greek, Cyrillic); the platform's full tables are not available here.
wchar_t FoldCase(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 0x50);
  return c;
}

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (FoldCase(text[i]) != FoldCase(prefix[i])) return false;
  }
  return true;
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

// Blanks and the other spaces that a profile file reader may strip from the
// ends of a value.
bool IsSpaceLike(wchar_t c) {
  return IsBlank(c) || c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) ||
         c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

std::wstring_view TrimSpaces(std::wstring_view text) {
  while (!text.empty() && IsSpaceLike(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpaceLike(text.back())) text.remove_suffix(1);
  return text;
}

bool Contains(std::wstring_view text, std::wstring_view part) {
  return text.find(part) != std::wstring_view::npos;
}

bool ContainsAny(std::wstring_view text, bool (*predicate)(wchar_t)) {
  for (wchar_t c : text) {
    if (predicate(c)) return true;
  }
  return false;
}

// The regional separator unless it could not be told apart from the digits,
// blanks or line structure around it.
std::wstring_view DecimalSeparatorOf(const RegionalTimeFormat& format) {
  const std::wstring_view separator = format.decimalSeparator;
  const bool usable = !separator.empty() && separator.size() <= kMaxDecimalSeparatorLength &&
                      !ContainsAny(separator, IsDigit) && !ContainsAny(separator, IsSpaceLike) &&
                      !ContainsAny(separator, IsControl);
  return usable ? separator : kFallbackDecimalSeparator;
}

bool IsReadableDesignator(std::wstring_view designator, std::wstring_view decimalSeparator) {
  return !designator.empty() && designator.size() <= kMaxDesignatorLength &&
         !ContainsAny(designator, IsDigit) && !ContainsAny(designator, IsControl) &&
         !Contains(designator, L":") && !Contains(designator, decimalSeparator);
}

// The texts that time texts are actually read and written with under one
// regional format. Regional designators that a reader could confuse with the
// numbers, with the separators or with each other are left out: then only
// "AM" and "PM" are read, and times are written in the 24-hour form, which
// always reads back.
struct TimeTextRules {
  std::wstring_view amDesignator;  // empty when the regional ones are left out
  std::wstring_view pmDesignator;
  std::wstring_view decimalSeparator;

  bool HasRegionalDesignators() const { return !amDesignator.empty(); }
};

TimeTextRules RulesFor(const RegionalTimeFormat& format) {
  TimeTextRules rules;
  rules.decimalSeparator = DecimalSeparatorOf(format);
  const std::wstring_view am = TrimSpaces(format.amDesignator);
  const std::wstring_view pm = TrimSpaces(format.pmDesignator);
  if (IsReadableDesignator(am, rules.decimalSeparator) &&
      IsReadableDesignator(pm, rules.decimalSeparator) && !EqualIgnoringCase(am, pm)) {
    rules.amDesignator = am;
    rules.pmDesignator = pm;
  }
  return rules;
}

enum class Meridiem { kAm, kPm };

struct MarkerText {
  std::wstring_view text;
  Meridiem meridiem;
};

// Reads a time text left to right. Every optional step restores the position
// when it does not match completely, so a separator that begins like a
// designator does not swallow it.
class TimeTextScanner {
 public:
  TimeTextScanner(std::wstring_view text, const TimeTextRules& rules)
      : text_(text), rules_(rules) {}

  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }

  bool AtEnd() const { return pos_ == text_.size(); }

  // Blanks, then a run of decimal digits.
  std::optional<int> Number() {
    const std::size_t start = pos_;
    SkipBlanks();
    if (pos_ == text_.size() || !IsDigit(text_[pos_])) return Restore(start);
    int value = 0;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      if (value < kNumberCeiling) value = value * 10 + (text_[pos_] - L'0');
      ++pos_;
    }
    return value;
  }

  // Blanks, the separator, then a number.
  std::optional<int> SeparatedNumber(std::wstring_view separator) {
    const std::size_t start = pos_;
    SkipBlanks();
    if (!Rest().starts_with(separator)) return Restore(start);
    pos_ += separator.size();
    const std::optional<int> number = Number();
    if (!number) return Restore(start);
    return number;
  }

  // Blanks, then the longest designator that matches; a regional designator
  // wins over an equally long literal one.
  std::optional<Meridiem> Marker() {
    const std::size_t start = pos_;
    SkipBlanks();
    const MarkerText candidates[] = {
        {rules_.amDesignator, Meridiem::kAm},
        {rules_.pmDesignator, Meridiem::kPm},
        {kLiteralAm, Meridiem::kAm},
        {kLiteralPm, Meridiem::kPm},
    };
    const MarkerText* best = nullptr;
    for (const MarkerText& candidate : candidates) {
      if (candidate.text.empty() || !StartsWithIgnoringCase(Rest(), candidate.text)) continue;
      if (!best || candidate.text.size() > best->text.size()) best = &candidate;
    }
    if (!best) return Restore(start);
    pos_ += best->text.size();
    return best->meridiem;
  }

 private:
  std::wstring_view Rest() const { return text_.substr(pos_); }

  std::nullopt_t Restore(std::size_t position) {
    pos_ = position;
    return std::nullopt;
  }

  std::wstring_view text_;
  const TimeTextRules& rules_;
  std::size_t pos_ = 0;
};

struct TimeFields {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// With a designator the hour is 1..12, and 12 is the first hour of its half.
std::optional<int> DayHour(int hour, std::optional<Meridiem> marker) {
  if (!marker) return hour;
  if (hour < 1 || hour > 12) return std::nullopt;
  const int halfDayHour = hour % 12;
  return *marker == Meridiem::kPm ? halfDayHour + 12 : halfDayHour;
}

bool InRange(const TimeFields& f) {
  return f.hour <= 23 && f.minute <= 59 && f.second <= 59 && f.millisecond <= 999;
}

// The fields of the time on its own day.
TimeFields FieldsOf(TimeOfDay time) {
  const std::int64_t ms = time.WithinDay().Milliseconds();
  TimeFields fields;
  fields.hour = static_cast<int>(ms / kMillisecondsPerHour);
  fields.minute = static_cast<int>(ms % kMillisecondsPerHour / kMillisecondsPerMinute);
  fields.second = static_cast<int>(ms % kMillisecondsPerMinute / kMillisecondsPerSecond);
  fields.millisecond = static_cast<int>(ms % kMillisecondsPerSecond);
  return fields;
}

}  // namespace

TimeOfDay EncodeTimeOfDay(int hour, int minute, int second, int millisecond) {
  const bool inRange = hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
                       second <= 59 && millisecond >= 0 && millisecond <= 999;
  if (!inRange) throw AppError(L"Invalid argument to time encode");
  return TimeOfDay::FromMilliseconds(hour * kMillisecondsPerHour + minute * kMillisecondsPerMinute +
                                     second * kMillisecondsPerSecond + millisecond);
}

std::optional<TimeOfDay> ParseTimeOfDay(const std::wstring& text,
                                        const RegionalTimeFormat& format) {
  const TimeTextRules rules = RulesFor(format);
  TimeTextScanner scanner(text, rules);
  std::optional<Meridiem> marker = scanner.Marker();
  const std::optional<int> hour = scanner.Number();
  if (!hour) return std::nullopt;
  TimeFields fields;
  if (const std::optional<int> minute = scanner.SeparatedNumber(L":")) {
    fields.minute = *minute;
    if (const std::optional<int> second = scanner.SeparatedNumber(L":")) {
      fields.second = *second;
      fields.millisecond = scanner.SeparatedNumber(rules.decimalSeparator).value_or(0);
    }
  }
  if (!marker) marker = scanner.Marker();
  scanner.SkipBlanks();
  if (!scanner.AtEnd()) return std::nullopt;
  const std::optional<int> dayHour = DayHour(*hour, marker);
  if (!dayHour) return std::nullopt;
  fields.hour = *dayHour;
  if (!InRange(fields)) return std::nullopt;
  return EncodeTimeOfDay(fields.hour, fields.minute, fields.second, fields.millisecond);
}

std::wstring FormatTimeOfDay(TimeOfDay time, const RegionalTimeFormat& format) {
  const TimeTextRules rules = RulesFor(format);
  const TimeFields fields = FieldsOf(time);
  const bool twelveHour = format.twelveHour && rules.HasRegionalDesignators();
  int shownHour = fields.hour;
  if (twelveHour) shownHour = fields.hour % 12 == 0 ? 12 : fields.hour % 12;
  std::wstring text = DecimalText(shownHour, format.hourLeadingZero ? 2 : 1) + L":" +
                      DecimalText(fields.minute, 2) + L":" + DecimalText(fields.second, 2);
  // The program itself only keeps whole minutes; a fraction can come only
  // from a hand-edited file and is kept, so that saving and loading again
  // never changes a start time (dropping it could turn a first start time
  // into midnight, which replaces the whole timetable on the next load).
  if (fields.millisecond != 0) {
    text += std::wstring(rules.decimalSeparator) + DecimalText(fields.millisecond, 3);
  }
  if (!twelveHour) return text;
  const std::wstring designator(fields.hour < 12 ? rules.amDesignator : rules.pmDesignator);
  return format.designatorFirst ? designator + L" " + text : text + L" " + designator;
}

std::wstring FormatHourMinute(TimeOfDay time) {
  const TimeFields fields = FieldsOf(time);
  return DecimalText(fields.hour, 2) + L":" + DecimalText(fields.minute, 2);
}

}  // namespace ostrevin
