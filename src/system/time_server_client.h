#pragma once

#include <windows.h>
#include <winsock2.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "system/model/sntp_message.h"
#include "toolkit/window.h"
#include "toolkit/window_timer.h"

namespace ostrevin {

// A UDP socket of Winsock, closed with its owner.
class UniqueSocket {
 public:
  UniqueSocket() = default;
  explicit UniqueSocket(SOCKET socket) : socket_(socket) {}
  UniqueSocket(const UniqueSocket&) = delete;
  UniqueSocket& operator=(const UniqueSocket&) = delete;
  ~UniqueSocket() { reset(); }

  SOCKET get() const { return socket_; }
  explicit operator bool() const { return socket_ != INVALID_SOCKET; }
  void reset(SOCKET socket = INVALID_SOCKET);

 private:
  SOCKET socket_ = INVALID_SOCKET;
};

// Asks the school's time server, by SNTP (RFC 4330) over UDP, how far the
// computer's clock is off. Nothing in it ever waits: the name is looked up
// and the answer read through window messages to a hidden window of its own
// (WSAAsyncGetHostByName, WSAAsyncSelect), so the program's one thread goes
// on with its ticks and clicks meanwhile. A question sends a few requests
// a short while apart and gives up when none is answered. It never sets the
// computer's clock.
//
// The round trip is measured by the performance counter, which no clock
// setting moves, to the moment the reply's message was posted: a reply that
// waited in the queue behind other work, or a clock set meanwhile, does not
// shift the answer.
class TimeServerClient final : private toolkit::Window {
 public:
  // Called back once for each question, from the message loop: the server's
  // answer, or nothing when the server did not answer or cannot be found.
  using AnswerHandler = std::function<void(std::optional<SntpAnswer> answer)>;

  static constexpr int kRequests = 3;
  static constexpr UINT kRequestIntervalMs = 1500;
  // Datagrams read for one notification of the socket: a flood to the port
  // cannot keep the program's thread from its other messages, and what is
  // left is read at the next notification.
  static constexpr int kReadsPerNotification = 8;

  explicit TimeServerClient(AnswerHandler onAnswer);
  ~TimeServerClient() override;

  // Starts a question to a server named "name" or "name:port" and returns at
  // once; a question still open is dropped unanswered.
  void Ask(const std::wstring& server);
  // Drops the question still open, if any: its answer is never handed on.
  void Cancel();
  bool Asking() const { return asking_; }

 private:
  HWND CreateMessageWindow();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Resolved(int error);
  void SendRequest();
  void RequestTimedOut();
  void ReadReplies(LONG postedAt);
  void Finish(std::optional<SntpAnswer> answer);
  void Drop();

  struct WinsockUse {
    WinsockUse();
    ~WinsockUse();
    bool started = false;
  };

  AnswerHandler onAnswer_;
  WinsockUse winsock_;
  toolkit::WindowTimer requestTimer_;
  bool asking_ = false;
  std::uint16_t port_ = kSntpPort;
  sockaddr_in server_{};
  HANDLE lookup_ = nullptr;
  std::array<char, MAXGETHOSTSTRUCT> lookupBuffer_{};
  UniqueSocket socket_;
  // This question's requests: their transmit times, and when they went by
  // the performance counter.
  struct SentRequest {
    NtpTimestamp transmitTime;
    LONGLONG counter;
  };
  std::vector<SentRequest> sent_;
  LONGLONG counterFrequency_ = 1;
};

}  // namespace ostrevin
