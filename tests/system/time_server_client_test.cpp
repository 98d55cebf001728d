// The time server client under Wine against a UDP server of the test's own
// on loopback: it answers as a server whose clock is 37 s ahead, or never.
#include <winsock2.h>
#include <windows.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "system/model/sntp_message.h"
#include "system/time_server_client.h"
#include "toolkit/application.h"

namespace ostrevin {
namespace {

constexpr std::int64_t kFileTimeToUnix = 116'444'736'000'000'000;

std::int64_t UnixNowMs() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return (((static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) -
          kFileTimeToUnix) /
         10'000;
}

// A UDP socket on 127.0.0.1 at a port the system chooses.
class LoopbackServer {
 public:
  LoopbackServer() {
    WSADATA data{};
    ::WSAStartup(MAKEWORD(2, 2), &data);
    socket_.reset(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    ::bind(socket_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    int size = sizeof(address);
    ::getsockname(socket_.get(), reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ::ntohs(address.sin_port);
    u_long nonBlocking = 1;
    ::ioctlsocket(socket_.get(), FIONBIO, &nonBlocking);
  }
  ~LoopbackServer() {
    socket_.reset();
    ::WSACleanup();
  }

  std::wstring Name() const { return L"127.0.0.1:" + std::to_wstring(port_); }

  // The next request waiting, if any, with where it came from.
  std::optional<SntpMessage> TakeRequest() {
    SntpMessage request{};
    int size = sizeof(from_);
    const int got = ::recvfrom(socket_.get(), reinterpret_cast<char*>(request.data()),
                               static_cast<int>(request.size()), 0,
                               reinterpret_cast<sockaddr*>(&from_), &size);
    if (got != static_cast<int>(request.size())) return std::nullopt;
    ++requests;
    return request;
  }

  // Answers as a stratum-2 server whose clock is aheadMs ahead.
  void Answer(const SntpMessage& request, std::int64_t aheadMs, bool forAnotherRequest = false) {
    SntpMessage reply{};
    reply[0] = (4 << 3) | 4;
    reply[1] = 2;
    std::copy_n(request.begin() + 40, 8, reply.begin() + 24);
    if (forAnotherRequest) reply[31] ^= 1;
    const NtpTimestamp now = NtpTimestampOf(UnixNowMs() + aheadMs);
    for (const std::size_t at : {std::size_t{32}, std::size_t{40}}) {
      for (std::size_t i = 0; i < 8; ++i) reply[at + i] = static_cast<std::uint8_t>(now >> (56 - 8 * i));
    }
    ::sendto(socket_.get(), reinterpret_cast<const char*>(reply.data()),
             static_cast<int>(reply.size()), 0, reinterpret_cast<const sockaddr*>(&from_),
             sizeof(from_));
  }

  int requests = 0;

 private:
  UniqueSocket socket_;
  std::uint16_t port_ = 0;
  sockaddr_in from_{};
};

class TimeServerClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!app.Handle()) app.Initialize(::GetModuleHandleW(nullptr));
  }

  // Runs the messages until the client has answered or a deadline far beyond
  // its own time-out has passed; serves requests meanwhile when told to.
  void RunUntilAnswered(LoopbackServer& server, std::optional<std::int64_t> aheadMs,
                        bool wrongFirst = false) {
    const ULONGLONG deadline = ::GetTickCount64() + 20'000;
    while (!answered && ::GetTickCount64() < deadline) {
      app.ProcessMessages();
      if (const std::optional<SntpMessage> request = server.TakeRequest(); request && aheadMs) {
        if (wrongFirst) server.Answer(*request, *aheadMs, true);
        server.Answer(*request, *aheadMs);
      }
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
  }

  toolkit::Application& app = toolkit::Application::Instance();
  bool answered = false;
  std::optional<std::int64_t> difference;
  int calls = 0;
  TimeServerClient client{[this](std::optional<std::int64_t> ms) {
    answered = true;
    difference = ms;
    ++calls;
  }};
};

TEST_F(TimeServerClientTest, AServerAheadOfTheComputerGivesItsDifference) {
  LoopbackServer server;
  client.Ask(server.Name());
  // Asking only sends: the answer comes later through the message loop.
  EXPECT_TRUE(client.Asking());
  EXPECT_FALSE(answered);
  RunUntilAnswered(server, 37'000);
  ASSERT_TRUE(answered);
  ASSERT_TRUE(difference.has_value());
  EXPECT_NEAR(static_cast<double>(*difference), 37'000.0, 500.0);
  EXPECT_EQ(server.requests, 1);
  EXPECT_FALSE(client.Asking());
  EXPECT_EQ(calls, 1);
}

TEST_F(TimeServerClientTest, AReplyToAnotherRequestIsNotTaken) {
  LoopbackServer server;
  client.Ask(server.Name());
  RunUntilAnswered(server, -12'000, true);
  ASSERT_TRUE(difference.has_value());
  EXPECT_NEAR(static_cast<double>(*difference), -12'000.0, 500.0);
}

// Three requests a second and a half apart, then no answer, and the program's
// messages ran all along.
TEST_F(TimeServerClientTest, AServerThatDoesNotAnswerGetsAFewRequestsThenNoAnswer) {
  LoopbackServer server;
  client.Ask(server.Name());
  RunUntilAnswered(server, std::nullopt);
  ASSERT_TRUE(answered);
  EXPECT_FALSE(difference.has_value());
  EXPECT_EQ(server.requests, TimeServerClient::kRequests);
  EXPECT_EQ(calls, 1);
}

TEST_F(TimeServerClientTest, ANameThatIsNoServerIsAnsweredFromTheLoopNotFromAsk) {
  LoopbackServer server;
  for (const wchar_t* name : {L"127.0.0.1:99999", L"", L"школа.local"}) {
    answered = false;
    client.Ask(name);
    EXPECT_FALSE(answered) << "from inside Ask";
    RunUntilAnswered(server, std::nullopt);
    EXPECT_TRUE(answered);
    EXPECT_FALSE(difference.has_value());
  }
  EXPECT_EQ(server.requests, 0);
}

TEST_F(TimeServerClientTest, ANewQuestionDropsTheOneStillOpen) {
  LoopbackServer silent;
  LoopbackServer answering;
  client.Ask(silent.Name());
  client.Ask(answering.Name());
  RunUntilAnswered(answering, 5'000);
  ASSERT_TRUE(difference.has_value());
  EXPECT_NEAR(static_cast<double>(*difference), 5'000.0, 500.0);
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace ostrevin
