#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "clock/server_answer.h"
#include "settings/time_of_day.h"

namespace ostrevin {

// What the program knows of the school's time server in this run.
struct TimeServerState {
  bool named = false;  // a server is set in the settings
  std::optional<std::int64_t>
      differenceMs;             // the last good answer: the computer's clock is behind by this
  ServerCorrection correction;  // how that answer was taken
  TimeOfDay checkedAt;          // of that answer
  bool lastFailed = false;      // the last question got no answer
  TimeOfDay failedAt;
  bool lastRefused = false;  // the last answer named a date before the program was built
};

// The settings dialog's line under the server's name, e.g. "Часы компьютера
// отстают на 12 с, проверено в 08:05."
std::wstring TimeServerResultText(const TimeServerState& state);

// The program icon's tooltip: its name, and a line for each thing about the
// server the teacher should know without opening the settings (it is silent,
// it names a wrong date, the computer's zone or date is wrong).
std::wstring ProgramTooltip(const TimeServerState& state);

}  // namespace ostrevin
