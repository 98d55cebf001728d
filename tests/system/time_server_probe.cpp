// Asks one time server through the program's own client and prints the
// answer: "difference_ms=N", or "no answer". Used by the test against a real
// NTP server on loopback. Usage: time_server_probe <name[:port]>
#include <windows.h>

#include <cstdio>
#include <optional>

#include "system/time_server_client.h"
#include "toolkit/application.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  ostrevin::toolkit::Application& app = ostrevin::toolkit::Application::Instance();
  app.Initialize(::GetModuleHandleW(nullptr));
  bool answered = false;
  std::optional<ostrevin::SntpAnswer> answer;
  ostrevin::TimeServerClient client([&](std::optional<ostrevin::SntpAnswer> got) {
    answered = true;
    answer = got;
  });
  client.Ask(argv[1]);
  const ULONGLONG deadline = ::GetTickCount64() + 30'000;
  while (!answered && ::GetTickCount64() < deadline) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    app.ProcessMessages();
  }
  if (answer) {
    std::printf("difference_ms=%lld\n", static_cast<long long>(answer->offsetMs));
  } else {
    std::printf("no answer\n");
  }
  return answer ? 0 : 1;
}
