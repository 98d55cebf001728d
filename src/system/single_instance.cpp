#include "system/single_instance.h"

#include <algorithm>
#include <utility>

namespace ostrevin {
namespace {

constexpr DWORD kLookAgainMs = 100;
// What a running copy answers to the show request. Any other answer (zero from
// a window whose program no longer listens) is no answer.
constexpr LRESULT kShowing = 0x05770;

// True when the window's program answered that it shows itself.
bool AnswersShowRequest(HWND window, UINT message, DWORD timeoutMs) {
  // Only the foreground process may hand the foreground on: this start,
  // begun by the user, passes it to the copy that is to show itself.
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  ::AllowSetForegroundWindow(processId);
  DWORD_PTR answer = 0;
  return ::SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &answer) &&
         static_cast<LRESULT>(answer) == kShowing;
}

}  // namespace

SingleInstance::SingleInstance(std::wstring name) : name_(std::move(name)) {
  Acquire();
}

bool SingleInstance::TryAgain() {
  // The named object lives while any handle to it is open, this one included.
  mutex_.reset();
  Acquire();
  return first_;
}

void SingleInstance::Acquire() {
  // "Local\": one copy per user session, so that users switched in on the
  // same computer each have their own.
  const std::wstring mutexName = L"Local\\" + name_;
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

void AnswerShowRequest() {
  ::ReplyMessage(kShowing);
}

RunningCopyAnswer AskRunningCopyToShow(SingleInstance& lock, const wchar_t* windowClass,
                                       const std::wstring& title, int patienceMs) {
  const UINT message = ShowRunningCopyMessage();
  const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(std::max(patienceMs, 0));
  for (;;) {
    const ULONGLONG now = ::GetTickCount64();
    const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
    HWND window = ::FindWindowW(windowClass, title.c_str());
    if (window && message != 0 && AnswersShowRequest(window, message, std::max<DWORD>(left, 1))) {
      return RunningCopyAnswer::Showing;
    }
    if (lock.TryAgain()) return RunningCopyAnswer::Ended;
    if (::GetTickCount64() >= deadline) return RunningCopyAnswer::Silent;
    ::Sleep(kLookAgainMs);
  }
}

}  // namespace ostrevin
