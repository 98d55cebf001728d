#include "system/single_instance.h"

namespace ostrevin {
namespace {

constexpr DWORD kLookAgainMs = 100;

}  // namespace

SingleInstance::SingleInstance(const std::wstring& name) {
  // "Local\": one copy per user session, so that users switched in on the
  // same computer each have their own.
  const std::wstring mutexName = L"Local\\" + name;
  mutex_.reset(::CreateMutexW(nullptr, FALSE, mutexName.c_str()));
  const DWORD error = ::GetLastError();
  if (mutex_) {
    first_ = error != ERROR_ALREADY_EXISTS;
  } else {
    // Refused access means the object is there, made by a copy running with
    // other rights. Any other failure must not keep the program from running.
    first_ = error != ERROR_ACCESS_DENIED;
  }
}

UINT ShowRunningCopyMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"Ostrevin.ShowMainWindow");
  return message;
}

bool AskRunningCopyToShow(const wchar_t* windowClass, const std::wstring& title, int patienceMs) {
  const UINT message = ShowRunningCopyMessage();
  if (message == 0) return false;
  const ULONGLONG deadline =
      ::GetTickCount64() + static_cast<ULONGLONG>(patienceMs > 0 ? patienceMs : 0);
  for (;;) {
    if (HWND window = ::FindWindowW(windowClass, title.c_str())) {
      // Only the foreground process may hand the foreground on: this start,
      // begun by the user, passes it to the copy that is to show itself.
      DWORD processId = 0;
      ::GetWindowThreadProcessId(window, &processId);
      ::AllowSetForegroundWindow(processId);
      return ::PostMessageW(window, message, 0, 0) != FALSE;
    }
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(kLookAgainMs);
  }
}

}  // namespace ostrevin
