#include "loopback_time_server.h"

#include <ws2tcpip.h>

#include <algorithm>

namespace ostrevin::test_support {
namespace {

constexpr std::int64_t kFileTimeToUnix = 116'444'736'000'000'000;

std::int64_t UnixNowMs() {
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return (((static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) -
          kFileTimeToUnix) /
         10'000;
}

}  // namespace

LoopbackServer::LoopbackServer() {
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

LoopbackServer::~LoopbackServer() {
  socket_.reset();
  ::WSACleanup();
}

std::optional<SntpMessage> LoopbackServer::TakeRequest() {
  SntpMessage request{};
  int size = sizeof(from_);
  const int got =
      ::recvfrom(socket_.get(), reinterpret_cast<char*>(request.data()),
                 static_cast<int>(request.size()), 0, reinterpret_cast<sockaddr*>(&from_), &size);
  if (got != static_cast<int>(request.size())) return std::nullopt;
  ++requests;
  return request;
}

void LoopbackServer::Answer(const SntpMessage& request, std::int64_t aheadMs,
                            bool forAnotherRequest) {
  SntpMessage reply{};
  reply[0] = (4 << 3) | 4;
  reply[1] = 2;
  std::copy_n(request.begin() + 40, 8, reply.begin() + 24);
  if (forAnotherRequest) reply[31] ^= 1;
  const NtpTimestamp now = NtpTimestampOf(UnixNowMs() + aheadMs);
  for (const std::size_t at : {std::size_t{32}, std::size_t{40}}) {
    for (std::size_t i = 0; i < 8; ++i) {
      reply[at + i] = static_cast<std::uint8_t>(now >> (56 - 8 * i));
    }
  }
  ::sendto(socket_.get(), reinterpret_cast<const char*>(reply.data()),
           static_cast<int>(reply.size()), 0, reinterpret_cast<const sockaddr*>(&from_),
           sizeof(from_));
}

}  // namespace ostrevin::test_support
