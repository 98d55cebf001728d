#include "ui/model/lesson_list_rules.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/time_units.h"
#include "settings/settings_file.h"

namespace ostrevin {
namespace {

constexpr int kMinimumPercent = 10;
constexpr int kMaximumPercent = 100;
constexpr std::int64_t kOpaque = 255;
// At least one whole minute is left for the main part.
constexpr std::int64_t kMinimumMainMinutes = 1;

int PartOrNone(const std::wstring& text) {
  return ReadProfileInteger(text).value_or(-1);
}

}  // namespace

std::wstring SplitAt(wchar_t delimiter, std::wstring& text) {
  const std::size_t found = text.find(delimiter);
  if (found == std::wstring::npos) return std::exchange(text, std::wstring());
  std::wstring before = text.substr(0, found);
  text.erase(0, found + 1);
  return before;
}

bool IsValidTimeText(const std::wstring& text) {
  std::wstring rest = text;
  const int hours = PartOrNone(SplitAt(L':', rest));
  const int minutes = PartOrNone(rest);
  return hours >= 0 && hours < kHoursPerDay && minutes >= 0 && minutes < kMinutesPerHour;
}

int BlendPercent(int blendVal) {
  return static_cast<int>(std::int64_t{blendVal} * kMaximumPercent / kOpaque);
}

int BlendValOfPercent(int percent) {
  const std::int64_t scaled = std::clamp(percent, kMinimumPercent, kMaximumPercent) * kOpaque;
  std::int64_t whole = scaled / kMaximumPercent;
  const std::int64_t remainder = scaled % kMaximumPercent;
  const bool roundsUp =
      remainder * 2 > kMaximumPercent || (remainder * 2 == kMaximumPercent && whole % 2 != 0);
  if (roundsUp) ++whole;
  return static_cast<int>(whole);
}

bool LessonPartsFit(int lessonMinutes, int introMinutes, int finishMinutes) {
  return std::int64_t{lessonMinutes} >=
         std::int64_t{introMinutes} + finishMinutes + kMinimumMainMinutes;
}

}  // namespace ostrevin
