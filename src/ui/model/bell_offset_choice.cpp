#include "ui/model/bell_offset_choice.h"

#include <cstdlib>

#include "settings/bell_settings.h"

namespace ostrevin {

BellOffsetChoice ChoiceOfBellOffset(std::int32_t offset) {
  const std::int32_t limited = LimitedBellOffset(offset);
  return {.direction = limited < 0 ? kBellBehind : kBellAhead, .seconds = std::abs(limited)};
}

std::int32_t BellOffsetOfChoice(int direction, int seconds) {
  const std::int64_t magnitude = LimitedBellOffset(std::llabs(std::int64_t{seconds}));
  return LimitedBellOffset(direction == kBellBehind ? -magnitude : magnitude);
}

}  // namespace ostrevin
