#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "system/model/sntp_message.h"

namespace ostrevin {
namespace {

// 2026-09-07 08:30:00 UTC.
constexpr std::int64_t kMonday0830 = 1'788'769'800'000;

TEST(NtpTimestamp, CountsFrom1900AndComesBackToTheMillisecond) {
  EXPECT_EQ(NtpTimestampOf(0) >> 32, 2'208'988'800u);
  EXPECT_EQ(NtpTimestampOf(500) & 0xFFFF'FFFF, 0x8000'0000u);
  for (const std::int64_t ms : {std::int64_t{0}, kMonday0830, kMonday0830 + 999,
                                std::int64_t{2'085'978'496'000} + 1234}) {
    EXPECT_EQ(UnixMillisecondsOf(NtpTimestampOf(ms)), ms) << ms;
  }
}

// After 06:28:16 UTC on 7 February 2036 the seconds wrap to a new era.
TEST(NtpTimestamp, TheEraAfter2036HasItsTopBitClear) {
  const std::int64_t afterWrap = std::int64_t{2'085'978'496'000} + 60'000;
  EXPECT_EQ(NtpTimestampOf(afterWrap) >> 32, 60u);
  EXPECT_EQ(UnixMillisecondsOf(std::uint64_t{60} << 32), afterWrap);
}

TEST(SntpRequest, IsAVersion4ClientRequestWithItsTransmitTime) {
  const SntpMessage request = SntpRequest(0x0102030405060708);
  EXPECT_EQ(request[0], 0x23);
  for (std::size_t i = 1; i < 40; ++i) EXPECT_EQ(request[i], 0) << i;
  EXPECT_EQ(request[40], 0x01);
  EXPECT_EQ(request[47], 0x08);
}

// A server's reply to a request sent at T1 = 08:30:00.000 and received back
// at T4 = 08:30:00.100, with the server 37 s ahead and 20 ms each way.
struct Reply {
  std::uint8_t first = 0x24;  // version 4, server
  std::uint8_t stratum = 8;
  std::int64_t originate = kMonday0830;
  std::int64_t received = kMonday0830 + 37'020;
  std::int64_t sent = kMonday0830 + 37'080;
  std::size_t size = kSntpMessageSize;
};

std::vector<std::uint8_t> Bytes(const Reply& reply) {
  std::vector<std::uint8_t> bytes(kSntpMessageSize);
  bytes[0] = reply.first;
  bytes[1] = reply.stratum;
  auto put = [&](std::size_t at, std::int64_t ms) {
    NtpTimestamp value = ms < 0 ? 0 : NtpTimestampOf(ms);
    for (std::size_t i = 0; i < 8; ++i) {
      bytes[at + 7 - i] = static_cast<std::uint8_t>(value & 0xFF);
      value >>= 8;
    }
  };
  put(24, reply.originate);
  put(32, reply.received);
  put(40, reply.sent);
  bytes.resize(reply.size);
  return bytes;
}

struct ReplyCase {
  const char* name;
  Reply reply;
  std::optional<std::int64_t> offset;
};

void PrintTo(const ReplyCase& c, std::ostream* out) {
  *out << c.name;
}

class SntpReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(SntpReplyTest, GivesTheOffsetOfAGoodAnswerOnly) {
  const ReplyCase& c = GetParam();
  EXPECT_EQ(SntpClockOffsetMs(Bytes(c.reply), NtpTimestampOf(kMonday0830),
                              NtpTimestampOf(kMonday0830 + 100)),
            c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, SntpReplyTest,
    ::testing::Values(ReplyCase{"ServerAhead", {}, 37'000},
                      ReplyCase{"ServerBehind",
                                {.received = kMonday0830 - 11'980, .sent = kMonday0830 - 11'920},
                                -12'000},
                      ReplyCase{"Version3", {.first = 0x1c}, 37'000},
                      ReplyCase{"Version1", {.first = 0x0c}, 37'000},
                      ReplyCase{"Version0", {.first = 0x04}, std::nullopt},
                      ReplyCase{"Version5", {.first = 0x2c}, std::nullopt},
                      ReplyCase{"LeapSecondAhead", {.first = 0x64}, 37'000},
                      ReplyCase{"Unsynchronised", {.first = 0xe4}, std::nullopt},
                      ReplyCase{"ClientModeEcho", {.first = 0x23}, std::nullopt},
                      ReplyCase{"KissOfDeath", {.stratum = 0}, std::nullopt},
                      ReplyCase{"Stratum16", {.stratum = 16}, std::nullopt},
                      ReplyCase{"AnswerToAnotherRequest", {.originate = kMonday0830 + 1},
                                std::nullopt},
                      ReplyCase{"NoTransmitTime", {.sent = -1}, std::nullopt},
                      ReplyCase{"TooShort", {.size = 47}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseTimeServerAddress, ReadsANameWithAnOptionalPort) {
  EXPECT_EQ(ParseTimeServerAddress(L"ntp.school.local"),
            (TimeServerAddress{L"ntp.school.local", 123}));
  EXPECT_EQ(ParseTimeServerAddress(L"127.0.0.1:11123"), (TimeServerAddress{L"127.0.0.1", 11123}));
  EXPECT_EQ(ParseTimeServerAddress(L"10.0.0.5:65535"), (TimeServerAddress{L"10.0.0.5", 65535}));
  for (const wchar_t* bad : {L"", L":123", L"host:", L"host:0", L"host:65536", L"host:12a",
                             L"host:1234567"}) {
    EXPECT_FALSE(ParseTimeServerAddress(bad)) << testing::PrintToString(std::wstring(bad));
  }
}

}  // namespace
}  // namespace ostrevin
