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
  // busyAfterAnswerMs: the program's thread is busy that long after the
  // answer was sent, before it handles its messages again.
  void RunUntilAnswered(LoopbackServer& server, std::optional<std::int64_t> aheadMs,
                        bool wrongFirst = false, DWORD busyAfterAnswerMs = 0) {
    const ULONGLONG deadline = ::GetTickCount64() + 20'000;
    while (!answered && ::GetTickCount64() < deadline) {
      app.ProcessMessages();
      if (const std::optional<SntpMessage> request = server.TakeRequest(); request && aheadMs) {
        if (wrongFirst) server.Answer(*request, *aheadMs, true);
        server.Answer(*request, *aheadMs);
        ::Sleep(busyAfterAnswerMs);
      }
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
  }

  toolkit::Application& app = toolkit::Application::Instance();
  bool answered = false;
  std::optional<std::int64_t> difference;
  int calls = 0;
  TimeServerClient client{[this](std::optional<SntpAnswer> answer) {
    answered = true;
    difference = answer ? std::optional(answer->offsetMs) : std::nullopt;
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

// The reply came while the program was busy for most of a second (a fade, a
// dialog opening): it counts from when it arrived, not from when it was read.
TEST_F(TimeServerClientTest, AReplyReadLateCountsFromWhenItArrived) {
  LoopbackServer server;
  client.Ask(server.Name());
  RunUntilAnswered(server, 37'000, false, 800);
  ASSERT_TRUE(difference.has_value());
  EXPECT_NEAR(static_cast<double>(*difference), 37'000.0, 100.0);
}

// A name cleared while its question is open: the server's late answer is
// never handed on.
TEST_F(TimeServerClientTest, ACancelledQuestionIsNeverAnswered) {
  LoopbackServer server;
  client.Ask(server.Name());
  client.Cancel();
  EXPECT_FALSE(client.Asking());
  const ULONGLONG until = ::GetTickCount64() + 2'000;
  while (::GetTickCount64() < until) {
    app.ProcessMessages();
    if (const std::optional<SntpMessage> request = server.TakeRequest()) {
      server.Answer(*request, 37'000);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  EXPECT_EQ(calls, 0);
}

// Datagrams from another port flood the client's ahead of the server's
// answer: they are read a few at a time, and the answer is still taken.
TEST_F(TimeServerClientTest, AFloodFromElsewhereDoesNotHideTheAnswer) {
  LoopbackServer server;
  LoopbackServer flood;
  client.Ask(server.Name());
  std::optional<SntpMessage> request;
  const ULONGLONG deadline = ::GetTickCount64() + 5'000;
  while (!request && ::GetTickCount64() < deadline) {
    request = server.TakeRequest();
    ::Sleep(5);
  }
  ASSERT_TRUE(request);
  flood.SendTo(server.LastSender(), 10 * TimeServerClient::kReadsPerNotification);
  server.Answer(*request, 5'000);
  RunUntilAnswered(server, std::nullopt);
  ASSERT_TRUE(difference.has_value());
  EXPECT_NEAR(static_cast<double>(*difference), 5'000.0, 500.0);
}

}  // namespace
}  // namespace ostrevin
