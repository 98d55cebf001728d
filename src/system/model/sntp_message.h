#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

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

// How far the server's clock is ahead of ours (behind: negative), from a
// reply received at receivedAt to the request sent at sentAt, both by our
// clock; nothing when the reply is not a good answer to that request: too
// short, not from a server, a kiss-of-death or an unsynchronised server, an
// originate time that is not our transmit time, no transmit time.
std::optional<std::int64_t> SntpClockOffsetMs(std::span<const std::uint8_t> reply,
                                              NtpTimestamp sentAt, NtpTimestamp receivedAt);

// A time server as the settings name it: "name" or "name:port" (port 123 when
// none is given). Nothing for an empty name or a port that is no port.
struct TimeServerAddress {
  std::wstring host;
  std::uint16_t port = kSntpPort;

  bool operator==(const TimeServerAddress&) const = default;
};
std::optional<TimeServerAddress> ParseTimeServerAddress(const std::wstring& text);

}  // namespace ostrevin
