#include "toolkit/model/time_mask.h"

#include <algorithm>

namespace ostrevin::toolkit {
namespace {

constexpr wchar_t kUnfilled = L' ';
constexpr wchar_t kShownUnfilled = L'_';
constexpr wchar_t kSeparator = L':';
constexpr std::size_t kOptionalPlace = 0;

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

wchar_t PlaceOf(wchar_t c) {
  return IsDigit(c) ? c : kUnfilled;
}

}  // namespace

TimeMask::TimeMask() {
  places_.fill(kUnfilled);
  places_[kSeparatorPlace] = kSeparator;
}

bool TimeMask::IsEditable(std::size_t place) {
  return place < kLength && place != kSeparatorPlace;
}

void TimeMask::Assign(std::wstring_view text) {
  const std::size_t separator = text.find(kSeparator);
  std::wstring_view hour = text.substr(0, separator);
  const std::wstring_view minute =
      separator == std::wstring_view::npos ? std::wstring_view{} : text.substr(separator + 1);
  *this = TimeMask();
  // Hours fill from the right, so that "8" is the leading blank form " 8".
  for (std::size_t place = kSeparatorPlace; place-- > 0 && !hour.empty();) {
    places_[place] = PlaceOf(hour.back());
    hour.remove_suffix(1);
  }
  for (std::size_t index = 0; index < minute.size() && kSeparatorPlace + 1 + index < kLength;
       ++index) {
    places_[kSeparatorPlace + 1 + index] = PlaceOf(minute[index]);
  }
}

std::wstring TimeMask::Text() const {
  return std::wstring(places_.begin(), places_.end());
}

std::wstring TimeMask::DisplayText() const {
  std::wstring shown = Text();
  for (std::size_t place = 0; place < kLength; ++place) {
    if (IsEditable(place) && shown[place] == kUnfilled) shown[place] = kShownUnfilled;
  }
  return shown;
}

bool TimeMask::Complete() const {
  for (std::size_t place = 0; place < kLength; ++place) {
    if (IsEditable(place) && place != kOptionalPlace && places_[place] == kUnfilled) return false;
  }
  return true;
}

void TimeMask::Clear(std::size_t start, std::size_t end) {
  for (std::size_t place = start; place < std::min(end, kLength); ++place) {
    if (IsEditable(place)) places_[place] = kUnfilled;
  }
}

TimeMask::Edit TimeMask::Type(std::size_t start, std::size_t end, wchar_t c) {
  start = std::min(start, kLength);
  if (c == kSeparator) {
    const bool beforeSeparator = start <= kSeparatorPlace;
    return {beforeSeparator, beforeSeparator ? kSeparatorPlace + 1 : start};
  }
  if (!IsDigit(c)) return {false, start};
  std::size_t place = start;
  while (place < kLength && !IsEditable(place)) ++place;
  if (place >= kLength) return {false, start};
  Clear(start, end);
  places_[place] = c;
  std::size_t caret = place + 1;
  while (caret < kLength && !IsEditable(caret)) ++caret;
  return {true, caret};
}

// A paste with nothing the mask takes is refused whole: the selection stays.
TimeMask::Edit TimeMask::TypeText(std::size_t start, std::size_t end, std::wstring_view text) {
  const TimeMask before = *this;
  Clear(start, end);
  Edit edit{false, std::min(start, kLength)};
  for (wchar_t c : text) {
    const Edit typed = Type(edit.caret, edit.caret, c);
    if (typed.accepted) edit = typed;
  }
  if (!edit.accepted) *this = before;
  return edit;
}

TimeMask::Edit TimeMask::Backspace(std::size_t start, std::size_t end) {
  if (start < end) {
    Clear(start, end);
    return {true, start};
  }
  std::size_t place = std::min(start, kLength);
  while (place > 0) {
    --place;
    if (IsEditable(place)) {
      places_[place] = kUnfilled;
      return {true, place};
    }
  }
  return {false, 0};
}

TimeMask::Edit TimeMask::Delete(std::size_t start, std::size_t end) {
  if (start < end) {
    Clear(start, end);
    return {true, start};
  }
  if (!IsEditable(start)) return {false, start};
  places_[start] = kUnfilled;
  return {true, start};
}

}  // namespace ostrevin::toolkit
