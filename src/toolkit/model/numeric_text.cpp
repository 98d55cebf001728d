#include "toolkit/model/numeric_text.h"

#include <algorithm>
#include <cstdint>

namespace ostrevin::toolkit {

int NumericLimits::Clamp(int value) const {
  return std::clamp(value, minimum, std::max(minimum, maximum));
}

bool IsNumericFieldChar(wchar_t c, std::wstring_view decimalSeparator) {
  if (c < L' ') return true;
  if ((c >= L'0' && c <= L'9') || c == L'+' || c == L'-') return true;
  return decimalSeparator.find(c) != std::wstring_view::npos;
}

std::optional<int> ReadDecimalInteger(std::wstring_view text) {
  while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t magnitude = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    magnitude = magnitude * 10 + (c - L'0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

int NumericFieldValue(std::wstring_view text, const NumericLimits& limits) {
  return ReadDecimalInteger(text).value_or(limits.minimum);
}

}  // namespace ostrevin::toolkit
