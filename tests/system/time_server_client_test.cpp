// The time server client under Wine against a UDP server of the test's own
// on loopback: it answers as a server whose clock is 37 s ahead, or never.
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "loopback_time_server.h"
#include "system/model/sntp_message.h"
#include "system/time_server_client.h"
#include "toolkit/application.h"

namespace ostrevin {
namespace {

using test_support::LoopbackServer;

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
