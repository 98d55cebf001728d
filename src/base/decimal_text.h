#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ostrevin {

// A whole number in decimal digits, at least minDigits of them (zeros in
// front), with "-" before a negative one. std::to_wstring gives the same text
// through the C library's wide printf, whose whole machinery (floating point
// included) it would link into the program file.
inline std::wstring DecimalText(std::int64_t value, std::size_t minDigits = 1) {
  // The magnitude in unsigned arithmetic: the smallest value has no positive
  // counterpart.
  std::uint64_t magnitude = static_cast<std::uint64_t>(value);
  if (value < 0) magnitude = std::uint64_t{0} - magnitude;
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), L'0');
  if (value < 0) digits.insert(digits.begin(), L'-');
  return digits;
}

}  // namespace ostrevin
