#pragma once

#include <cstdint>

namespace ostrevin {

// The units of time every layer counts in, defined here once. Times of day
// and moments are whole milliseconds; the lengths of a lesson and of its
// parts, and the time a lesson has run, are tenths of a minute (450 is 45
// minutes), as the settings file has always stored them.

inline constexpr int kSecondsPerMinute = 60;
inline constexpr int kMinutesPerHour = 60;
inline constexpr int kHoursPerDay = 24;
inline constexpr int kMinutesPerDay = kHoursPerDay * kMinutesPerHour;
inline constexpr int kDaysPerWeek = 7;
inline constexpr int kTenthsPerMinute = 10;

inline constexpr std::int64_t kMillisecondsPerSecond = 1'000;
inline constexpr std::int64_t kMillisecondsPerMinute = kSecondsPerMinute * kMillisecondsPerSecond;
inline constexpr std::int64_t kMillisecondsPerHour = kMinutesPerHour * kMillisecondsPerMinute;
inline constexpr std::int64_t kMillisecondsPerDay = kHoursPerDay * kMillisecondsPerHour;
inline constexpr std::int64_t kMillisecondsPerTenth = kMillisecondsPerMinute / kTenthsPerMinute;

// The time server's round trip is measured finer than the clock reads.
inline constexpr std::int64_t kMicrosecondsPerMillisecond = 1'000;
inline constexpr std::int64_t kMicrosecondsPerSecond =
    kMillisecondsPerSecond * kMicrosecondsPerMillisecond;

}  // namespace ostrevin
