#include "system/model/sntp_message.h"

#include "base/time_units.h"

namespace ostrevin {
namespace {

// Seconds from 1900 to 1970.
constexpr std::int64_t kNtpToUnixSeconds = 2'208'988'800;
// RFC 4330: a timestamp whose top bit is clear lies in the era that began on
// 7 February 2036, 2^32 seconds after 1900.
constexpr std::int64_t kEraSeconds = std::int64_t{1} << 32;
// The fraction's bits below a millisecond (2^22 of 2^32 is less than 1/1000).
constexpr NtpTimestamp kBelowTheMillisecond = (NtpTimestamp{1} << 22) - 1;
// A round trip measured to the millisecond may come out up to this much
// shorter than the server's hold.
constexpr std::int64_t kMeasuredToUs = kMicrosecondsPerMillisecond;

constexpr std::size_t kOriginateAt = 24;
constexpr std::size_t kReceiveAt = 32;
constexpr std::size_t kTransmitAt = 40;

constexpr std::uint8_t kModeServer = 4;
constexpr std::uint8_t kLeapAlarm = 3;
constexpr std::uint8_t kStratumUnsynchronised = 16;

NtpTimestamp ReadTimestamp(std::span<const std::uint8_t> message, std::size_t at) {
  NtpTimestamp value = 0;
  for (std::size_t i = 0; i < 8; ++i) value = (value << 8) | message[at + i];
  return value;
}

void WriteTimestamp(SntpMessage& message, std::size_t at, NtpTimestamp value) {
  for (std::size_t i = 0; i < 8; ++i) {
    message[at + 7 - i] = static_cast<std::uint8_t>(value & 0xFF);
    value >>= 8;
  }
}

}  // namespace

NtpTimestamp NtpTimestampOf(std::int64_t unixMilliseconds) {
  const std::int64_t seconds = unixMilliseconds / kMillisecondsPerSecond;
  const std::int64_t milliseconds = unixMilliseconds % kMillisecondsPerSecond;
  const auto ntpSeconds = static_cast<std::uint64_t>((seconds + kNtpToUnixSeconds) % kEraSeconds);
  const std::uint64_t fraction =
      (static_cast<std::uint64_t>(milliseconds) << 32) / kMillisecondsPerSecond;
  return (ntpSeconds << 32) | fraction;
}

namespace {

// Microseconds since 1970, in the era the timestamp's top bit gives.
std::int64_t UnixMicrosecondsOf(NtpTimestamp timestamp) {
  std::int64_t seconds = static_cast<std::int64_t>(timestamp >> 32);
  if ((seconds & 0x8000'0000) == 0) seconds += kEraSeconds;
  const std::uint64_t fraction = timestamp & 0xFFFF'FFFF;
  const auto microseconds =
      static_cast<std::int64_t>((fraction * kMicrosecondsPerSecond + (1ull << 31)) >> 32);
  return (seconds - kNtpToUnixSeconds) * kMicrosecondsPerSecond + microseconds;
}

}  // namespace

std::int64_t UnixMillisecondsOf(NtpTimestamp timestamp) {
  std::int64_t seconds = static_cast<std::int64_t>(timestamp >> 32);
  if ((seconds & 0x8000'0000) == 0) seconds += kEraSeconds;
  const std::uint64_t fraction = timestamp & 0xFFFF'FFFF;
  const auto milliseconds =
      static_cast<std::int64_t>((fraction * kMillisecondsPerSecond + (1ull << 31)) >> 32);
  return (seconds - kNtpToUnixSeconds) * kMillisecondsPerSecond + milliseconds;
}

SntpMessage SntpRequest(NtpTimestamp transmitTime) {
  SntpMessage request{};
  request[0] = (4 << 3) | 3;  // no leap warning, version 4, client
  WriteTimestamp(request, kTransmitAt, transmitTime);
  return request;
}

NtpTimestamp WithRandomBelowTheMillisecond(NtpTimestamp time, std::uint32_t randomBits) {
  return (time & ~kBelowTheMillisecond) | (randomBits & kBelowTheMillisecond);
}

std::optional<SntpAnswer> ReadSntpAnswer(std::span<const std::uint8_t> reply, NtpTimestamp sentAt,
                                         std::int64_t roundTripUs) {
  if (reply.size() < kSntpMessageSize) return std::nullopt;
  const std::uint8_t leap = reply[0] >> 6;
  const std::uint8_t version = (reply[0] >> 3) & 7;
  const std::uint8_t mode = reply[0] & 7;
  const std::uint8_t stratum = reply[1];
  if (mode != kModeServer || leap == kLeapAlarm || version < 1 || version > 4) return std::nullopt;
  if (stratum == 0 || stratum >= kStratumUnsynchronised) return std::nullopt;
  if (ReadTimestamp(reply, kOriginateAt) != sentAt) return std::nullopt;
  const NtpTimestamp serverReceived = ReadTimestamp(reply, kReceiveAt);
  const NtpTimestamp serverSent = ReadTimestamp(reply, kTransmitAt);
  if (serverSent == 0 || serverReceived == 0) return std::nullopt;
  // T1 and T4 by our clock, T4 measured from T1; T2 and T3 by the server's.
  const std::int64_t t1 = UnixMicrosecondsOf(sentAt);
  const std::int64_t t2 = UnixMicrosecondsOf(serverReceived);
  const std::int64_t t3 = UnixMicrosecondsOf(serverSent);
  const std::int64_t t4 = t1 + roundTripUs;
  // What the reply spent on the way; our round trip is measured to the
  // millisecond the system tells, the server's hold to the microsecond.
  const std::int64_t delay = (t4 - t1) - (t3 - t2);
  if (delay < -kMeasuredToUs || delay > kLongestRoundTripUs) return std::nullopt;
  // ((T2 - T1) + (T3 - T4)) / 2: the way there and back is taken as equal.
  const std::int64_t offsetUs = ((t2 - t1) + (t3 - t4)) / 2;
  return SntpAnswer{.offsetMs = offsetUs / kMicrosecondsPerMillisecond,
                    .serverUnixMs = t3 / kMicrosecondsPerMillisecond};
}

std::optional<TimeServerAddress> ParseTimeServerAddress(const std::wstring& text) {
  const std::size_t colon = text.rfind(L':');
  TimeServerAddress address{.host = text.substr(0, colon)};
  if (address.host.empty()) return std::nullopt;
  if (colon == std::wstring::npos) return address;
  const std::wstring port = text.substr(colon + 1);
  if (port.empty() || port.size() > 5) return std::nullopt;
  unsigned value = 0;
  for (const wchar_t digit : port) {
    if (digit < L'0' || digit > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(digit - L'0');
  }
  if (value == 0 || value > 65535) return std::nullopt;
  address.port = static_cast<std::uint16_t>(value);
  return address;
}

}  // namespace ostrevin
