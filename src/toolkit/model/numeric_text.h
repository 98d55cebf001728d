#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrevin::toolkit {

// The limits of a numeric field, both included.
struct NumericLimits {
  int minimum = 0;
  int maximum = 100;

  int Clamp(int value) const;
};

// Whether typing c into a numeric field is accepted: digits, "+", "-", the
// regional decimal separator and the editing keys (backspace and the other
// control characters). Anything else is refused with a beep.
bool IsNumericFieldChar(wchar_t c, std::wstring_view decimalSeparator);

// The text as a whole decimal number: optional blanks, an optional sign,
// digits, within the 32-bit range; nothing for anything else.
std::optional<int> ReadDecimalInteger(std::wstring_view text);

// A numeric field's value: its text as a number, or the minimum for a text
// that is no number. Not held to the limits: while the user types, any
// number stands.
int NumericFieldValue(std::wstring_view text, const NumericLimits& limits);

}  // namespace ostrevin::toolkit
