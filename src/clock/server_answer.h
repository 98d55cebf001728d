#pragma once

#include <cstdint>

#include "base/time_units.h"

namespace ostrevin {

// How the school's time takes a time server's answer. The rule, which the
// README states for the teacher:
// - an answer dated before the program was built is refused: a router that
//   answers with the time it started at (1970) would move the school to
//   another year and weekday;
// - a difference of whole hours, give or take a minute, is the computer
//   showing the right local time under the wrong time zone (old zone rules,
//   a zone chosen wrongly and the clock set by hand): only the part below the
//   hour is taken, and the teacher is told to check the zone;
// - any other difference is taken; one above ten minutes (a clock reset to
//   2009 by a dead battery) is said in words.
enum class ServerVerdict { kTaken, kLarge, kZoneMismatch, kRefused };

struct ServerCorrection {
  ServerVerdict verdict = ServerVerdict::kTaken;
  std::int64_t appliedMs = 0;  // what the school's time takes of the difference
  int zoneHours = 0;           // with kZoneMismatch: the hours left out, signed as the difference
  bool operator==(const ServerCorrection&) const = default;
};

inline constexpr std::int64_t kLargeServerDifferenceMs = 10 * kMillisecondsPerMinute;
// A zone mismatch is taken for one up to 14 hours, the furthest a zone lies
// from UTC (a Windows left at UTC, the most distant wrong zone one would
// choose); a day or more off is a date set wrong, and taken whole.
inline constexpr int kLongestZoneMismatchHours = 14;

// differenceMs: how far the server's clock is ahead of the computer's;
// serverUnixMs: the server's time then (milliseconds since 1970, UTC);
// builtUnixMs: when the program was built.
ServerCorrection JudgeServerAnswer(std::int64_t differenceMs, std::int64_t serverUnixMs,
                                   std::int64_t builtUnixMs);

}  // namespace ostrevin
