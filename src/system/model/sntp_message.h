#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/time_units.h"

namespace ostrevin {

// The simple network time protocol (SNTP, RFC 4330) as a client uses it: one
// 48-byte request, one reply, from which the clock's offset is worked out.
inline constexpr std::size_t kSntpMessageSize = 48;
inline constexpr std::uint16_t kSntpPort = 123;

using SntpMessage = std::array<std::uint8_t, kSntpMessageSize>;

// An NTP timestamp: seconds since 1900 (in the era RFC 4330 gives by the top
// bit) and a binary fraction, as one 64-bit number.
using NtpTimestamp = std::uint64_t;
NtpTimestamp NtpTimestampOf(std::int64_t unixMilliseconds);
std::int64_t UnixMillisecondsOf(NtpTimestamp timestamp);

// A client request (version 4, mode 3) carrying its transmit time, which the
// server sends back as the reply's originate time.
SntpMessage SntpRequest(NtpTimestamp transmitTime);

// The transmit time of a request: the clock's reading with random bits in
// place of those below the millisecond, which the clock does not tell, so
// that no one who cannot see the request can forge its reply (RFC 4330).
NtpTimestamp WithRandomBelowTheMillisecond(NtpTimestamp time, std::uint32_t randomBits);

// A good answer: how far the server's clock is ahead of ours (behind:
// negative), and the server's time when it answered.
struct SntpAnswer {
  std::int64_t offsetMs = 0;
  std::int64_t serverUnixMs = 0;
  bool operator==(const SntpAnswer&) const = default;
};

// The longest way there and back an answer may have taken: an answer held up
// longer tells the time of its sending no better than to half of that.
inline constexpr std::int64_t kLongestRoundTripUs = kMicrosecondsPerSecond;

// The answer of a reply to the request sent at sentAt by our clock and
// answered roundTripUs later, as measured by a clock that is never set (so a
// step of our clock meanwhile does not shift the result), to the moment the
// reply arrived. Nothing when the reply is not a good answer to that request:
// too short, not from a server, a kiss-of-death or an unsynchronised server,
// an originate time that is not our transmit time, no transmit time, or a
// round trip the server's own times make negative or longer than a second.
std::optional<SntpAnswer> ReadSntpAnswer(std::span<const std::uint8_t> reply, NtpTimestamp sentAt,
                                         std::int64_t roundTripUs);

// A time server as the settings name it: "name" or "name:port" (port 123 when
// none is given). Nothing for an empty name or a port that is no port.
struct TimeServerAddress {
  std::wstring host;
  std::uint16_t port = kSntpPort;

  bool operator==(const TimeServerAddress&) const = default;
};
std::optional<TimeServerAddress> ParseTimeServerAddress(const std::wstring& text);

}  // namespace ostrevin
