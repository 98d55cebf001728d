#pragma once

#include "clock/local_clock.h"

namespace ostrevin {

// The computer's local date and time.
class SystemLocalClock final : public LocalClock {
 public:
  LocalDateTime Now() const override;
};

}  // namespace ostrevin
