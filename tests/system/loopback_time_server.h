#pragma once

#include <windows.h>
#include <winsock2.h>

#include <cstdint>
#include <optional>
#include <string>

#include "system/model/sntp_message.h"
#include "system/time_server_client.h"

namespace ostrevin::test_support {

// A UDP socket on 127.0.0.1 at a port the system chooses, standing in for a
// time server: it reads the requests that came and answers those it is told
// to, as a stratum-2 server whose clock is some time ahead.
class LoopbackServer {
 public:
  LoopbackServer();
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  std::wstring Name() const { return L"127.0.0.1:" + std::to_wstring(port_); }

  // The next request waiting, if any; it is answered to where it came from.
  std::optional<SntpMessage> TakeRequest();
  // forAnotherRequest: the reply's originate time is not the request's.
  void Answer(const SntpMessage& request, std::int64_t aheadMs, bool forAnotherRequest = false);

  int requests = 0;

 private:
  UniqueSocket socket_;
  std::uint16_t port_ = 0;
  sockaddr_in from_{};
};

}  // namespace ostrevin::test_support
