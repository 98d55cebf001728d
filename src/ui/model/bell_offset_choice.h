#pragma once

#include <cstdint>

namespace ostrevin {

// The bell offset as the settings dialog shows it, in plain words rather than
// as a signed number: "Звонок спешит на [N] с" or "отстаёт на [N] с".
inline constexpr int kBellAhead = 0;   // "спешит на"
inline constexpr int kBellBehind = 1;  // "отстаёт на"

struct BellOffsetChoice {
  int direction = kBellAhead;
  int seconds = 0;

  bool operator==(const BellOffsetChoice&) const = default;
};

// A bell on time shows as ahead by 0 seconds.
BellOffsetChoice ChoiceOfBellOffset(std::int32_t offset);

// The offset the two controls give, within its hour; a direction of neither
// item (none chosen) counts as ahead.
std::int32_t BellOffsetOfChoice(int direction, int seconds);

}  // namespace ostrevin
