// rand_s, which draws on the system's random number generator.
#define _CRT_RAND_S
#include <stdlib.h>

#include "system/time_server_client.h"

#include <ws2tcpip.h>

#include <algorithm>

#include "base/time_units.h"

namespace ostrevin {
namespace {

constexpr UINT kResolvedMessage = WM_APP + 1;
constexpr UINT kSocketMessage = WM_APP + 2;
constexpr UINT kFailedMessage = WM_APP + 3;
constexpr UINT_PTR kRequestTimerId = 1;

// 1601-01-01 to 1970-01-01 in the system time's 100-nanosecond units.
constexpr std::int64_t kFileTimeToUnix = 116'444'736'000'000'000;

NtpTimestamp NowAsNtp() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  const std::int64_t ticks =
      (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return NtpTimestampOf((ticks - kFileTimeToUnix) / 10'000);
}

LONGLONG PerformanceCounter() {
  LARGE_INTEGER counter{};
  ::QueryPerformanceCounter(&counter);
  return counter.QuadPart;
}

std::uint32_t RandomBits() {
  unsigned int bits = 0;
  if (::rand_s(&bits) != 0) bits = static_cast<unsigned int>(PerformanceCounter());
  return bits;
}

// How long ago, by the performance counter, a message posted at postedAt
// (GetMessageTime, by the tick count) was posted.
LONGLONG CounterSincePosted(LONG postedAt, LONGLONG frequency) {
  const DWORD waitedMs = ::GetTickCount() - static_cast<DWORD>(postedAt);
  // A message time from another tick count than today's (a message long
  // older than any reply could be) is taken as fresh.
  if (waitedMs > kMillisecondsPerMinute) return 0;
  return static_cast<LONGLONG>(waitedMs) * frequency / kMillisecondsPerSecond;
}

// A host name goes to the resolver as ASCII; anything else is no name.
std::optional<std::string> AsciiName(const std::wstring& host) {
  std::string name;
  for (const wchar_t c : host) {
    if (c <= L' ' || c > L'~') return std::nullopt;
    name.push_back(static_cast<char>(c));
  }
  return name;
}

}  // namespace

void UniqueSocket::reset(SOCKET socket) {
  if (socket_ != INVALID_SOCKET) ::closesocket(socket_);
  socket_ = socket;
}

TimeServerClient::WinsockUse::WinsockUse() {
  WSADATA data{};
  started = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

TimeServerClient::WinsockUse::~WinsockUse() {
  if (started) ::WSACleanup();
}

TimeServerClient::TimeServerClient(AnswerHandler onAnswer)
    : onAnswer_(std::move(onAnswer)),
      requestTimer_(
          CreateMessageWindow(), kRequestTimerId, kRequestIntervalMs, [this] { RequestTimedOut(); },
          false) {
  LARGE_INTEGER frequency{};
  if (::QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0) {
    counterFrequency_ = frequency.QuadPart;
  }
}

// A message-only window: it receives the lookups' and the socket's messages
// and the request timer, and is never shown.
HWND TimeServerClient::CreateMessageWindow() {
  CreateHandle(
      {.className = L"OstrevinTimeServer", .text = {}, .bounds = {}, .parent = HWND_MESSAGE});
  return Handle();
}

TimeServerClient::~TimeServerClient() {
  Drop();
  DestroyHandle();
}

void TimeServerClient::Cancel() {
  Drop();
}

void TimeServerClient::Ask(const std::wstring& server) {
  Drop();
  asking_ = true;
  const std::optional<TimeServerAddress> address = ParseTimeServerAddress(server);
  const std::optional<std::string> name = address ? AsciiName(address->host) : std::nullopt;
  if (!winsock_.started || !name) {
    // Reported from the loop, as every answer is, never from inside Ask.
    ::PostMessageW(Handle(), kFailedMessage, 0, 0);
    return;
  }
  port_ = address->port;
  server_ = {};
  server_.sin_family = AF_INET;
  server_.sin_port = ::htons(port_);
  if (::inet_pton(AF_INET, name->c_str(), &server_.sin_addr) == 1) {
    SendRequest();
    return;
  }
  lookup_ = ::WSAAsyncGetHostByName(Handle(), kResolvedMessage, name->c_str(), lookupBuffer_.data(),
                                    static_cast<int>(lookupBuffer_.size()));
  if (!lookup_) ::PostMessageW(Handle(), kFailedMessage, 0, 0);
}

LRESULT TimeServerClient::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kResolvedMessage:
      if (reinterpret_cast<HANDLE>(wParam) == lookup_) Resolved(WSAGETASYNCERROR(lParam));
      return 0;
    case kSocketMessage:
      if (static_cast<SOCKET>(wParam) == socket_.get() && WSAGETSELECTEVENT(lParam) == FD_READ) {
        ReadReplies(::GetMessageTime());
      }
      return 0;
    case kFailedMessage:
      if (asking_ && !socket_ && !lookup_) Finish(std::nullopt);
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void TimeServerClient::Resolved(int error) {
  lookup_ = nullptr;
  const auto* host = reinterpret_cast<const hostent*>(lookupBuffer_.data());
  if (error != 0 || host->h_addrtype != AF_INET || !host->h_addr_list[0]) {
    Finish(std::nullopt);
    return;
  }
  std::copy_n(host->h_addr_list[0], sizeof(server_.sin_addr),
              reinterpret_cast<char*>(&server_.sin_addr));
  SendRequest();
}

void TimeServerClient::SendRequest() {
  if (!socket_) {
    socket_.reset(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    // Also makes the socket non-blocking: no call on it ever waits.
    if (!socket_ || ::WSAAsyncSelect(socket_.get(), Handle(), kSocketMessage, FD_READ) != 0) {
      Finish(std::nullopt);
      return;
    }
  }
  sent_.push_back({WithRandomBelowTheMillisecond(NowAsNtp(), RandomBits()), PerformanceCounter()});
  const SntpMessage request = SntpRequest(sent_.back().transmitTime);
  // A send the network refuses is a request not answered.
  ::sendto(socket_.get(), reinterpret_cast<const char*>(request.data()),
           static_cast<int>(request.size()), 0, reinterpret_cast<const sockaddr*>(&server_),
           sizeof(server_));
  requestTimer_.SetEnabled(true);
}

void TimeServerClient::RequestTimedOut() {
  if (static_cast<int>(sent_.size()) < kRequests) {
    SendRequest();
  } else {
    Finish(std::nullopt);
  }
}

// The reply arrived when its notification was posted: the handling of this
// message may come later, behind other work of the program's thread.
void TimeServerClient::ReadReplies(LONG postedAt) {
  const LONGLONG arrived = PerformanceCounter() - CounterSincePosted(postedAt, counterFrequency_);
  std::array<std::uint8_t, 512> reply{};
  for (int read = 0; read < kReadsPerNotification; ++read) {
    sockaddr_in from{};
    int fromSize = sizeof(from);
    const int size = ::recvfrom(socket_.get(), reinterpret_cast<char*>(reply.data()),
                                static_cast<int>(reply.size()), 0,
                                reinterpret_cast<sockaddr*>(&from), &fromSize);
    // No more to read now, or an error such as a port that nobody listens
    // on: the next request or the time-out decides.
    if (size == SOCKET_ERROR) return;
    if (from.sin_addr.s_addr != server_.sin_addr.s_addr || from.sin_port != server_.sin_port) {
      continue;
    }
    for (const SentRequest& sent : sent_) {
      const LONGLONG counted = std::max<LONGLONG>(arrived - sent.counter, 0);
      const std::int64_t roundTripUs = counted * kMicrosecondsPerSecond / counterFrequency_;
      const std::optional<SntpAnswer> answer = ReadSntpAnswer(
          std::span<const std::uint8_t>(reply.data(), static_cast<std::size_t>(size)),
          sent.transmitTime, roundTripUs);
      if (answer) {
        Finish(answer);
        return;
      }
    }
  }
}

void TimeServerClient::Finish(std::optional<SntpAnswer> answer) {
  Drop();
  if (onAnswer_) onAnswer_(answer);
}

void TimeServerClient::Drop() {
  requestTimer_.SetEnabled(false);
  if (lookup_) ::WSACancelAsyncRequest(lookup_);
  lookup_ = nullptr;
  socket_.reset();
  sent_.clear();
  asking_ = false;
}

}  // namespace ostrevin
