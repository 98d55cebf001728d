#include "clock/server_answer.h"

#include <cstdlib>

#include "base/time_units.h"

namespace ostrevin {
namespace {

constexpr std::int64_t kZoneToleranceMs = kMillisecondsPerMinute;

}  // namespace

ServerCorrection JudgeServerAnswer(std::int64_t differenceMs, std::int64_t serverUnixMs,
                                   std::int64_t builtUnixMs) {
  if (serverUnixMs < builtUnixMs) return {.verdict = ServerVerdict::kRefused};
  // The nearest whole number of hours, rounded half away from zero.
  const std::int64_t hours =
      (differenceMs + (differenceMs < 0 ? -kMillisecondsPerHour : kMillisecondsPerHour) / 2) /
      kMillisecondsPerHour;
  const std::int64_t belowTheHour = differenceMs - hours * kMillisecondsPerHour;
  if (hours != 0 && std::llabs(hours) <= kLongestZoneMismatchHours &&
      std::llabs(belowTheHour) <= kZoneToleranceMs) {
    return {.verdict = ServerVerdict::kZoneMismatch,
            .appliedMs = belowTheHour,
            .zoneHours = static_cast<int>(hours)};
  }
  const ServerVerdict verdict = std::llabs(differenceMs) > kLargeServerDifferenceMs
                                    ? ServerVerdict::kLarge
                                    : ServerVerdict::kTaken;
  return {.verdict = verdict, .appliedMs = differenceMs};
}

}  // namespace ostrevin
