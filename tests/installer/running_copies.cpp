// The installer tests' view of the running copies of Ostrevin in this Windows
// session, through each copy's hidden application window.
//
//   running_copies            prints the program file of each copy that has
//                             started up (reached its message loop), one a line
//   running_copies --log-off  ends every copy the way Windows does when the user
//                             logs off; exits 1 when one did not end by itself
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/handles.h"

namespace {

using ostrevin::toolkit::UniqueKernelHandle;

constexpr wchar_t kApplicationWindowClass[] = L"OstrevinApplication";
constexpr wchar_t kApplicationTitle[] = L"Ostrevin";
constexpr UINT kAnswerTimeoutMs = 5000;
// Ending includes saving the settings file and leaving the notification area,
// which blocks for about two seconds under Wine.
constexpr UINT kEndTimeoutMs = 15000;

struct RunningCopy {
  HWND window = nullptr;
  UniqueKernelHandle process;
  std::wstring file;
};

std::vector<RunningCopy> FindRunningCopies() {
  std::vector<RunningCopy> copies;
  HWND window = nullptr;
  while ((window = ::FindWindowExW(nullptr, window, kApplicationWindowClass, kApplicationTitle))) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    UniqueKernelHandle process(::OpenProcess(
        SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, processId));
    if (!process) continue;
    wchar_t file[4 * MAX_PATH] = {};
    DWORD length = std::size(file);
    if (!::QueryFullProcessImageNameW(process.get(), 0, file, &length)) continue;
    copies.push_back({window, std::move(process), std::wstring(file, length)});
  }
  return copies;
}

// A copy still starting up would let a logoff pass unheeded: it is up once it
// waits for input in its message loop.
bool IsUp(const RunningCopy& copy, DWORD timeoutMs) {
  return ::WaitForInputIdle(copy.process.get(), timeoutMs) == 0;
}

bool EndsWhenAsked(const RunningCopy& copy) {
  if (!IsUp(copy, kAnswerTimeoutMs)) return false;
  DWORD_PTR answer = 0;
  if (!::SendMessageTimeoutW(copy.window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer) ||
      !answer) {
    return false;
  }
  ::SendMessageTimeoutW(copy.window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                        kEndTimeoutMs, &answer);
  return ::WaitForSingleObject(copy.process.get(), kEndTimeoutMs) == WAIT_OBJECT_0;
}

// Asks the copy to end as at logoff. True when it agreed and its process is
// gone in time; a copy that holds the logoff up is ended by force, as Windows
// ends it too, so that no test leaves one behind.
bool LogOff(const RunningCopy& copy) {
  if (EndsWhenAsked(copy)) return true;
  ::TerminateProcess(copy.process.get(), 1);
  return false;
}

void PrintLine(const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
  std::printf("%s\n", utf8.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool logOff = argc > 1 && std::wstring(argv[1]) == L"--log-off";
  bool allEnded = true;
  for (const RunningCopy& copy : FindRunningCopies()) {
    if (logOff) {
      allEnded = LogOff(copy) && allEnded;
    } else if (IsUp(copy, 0)) {
      PrintLine(copy.file);
    }
  }
  return allEnded ? 0 : 1;
}
