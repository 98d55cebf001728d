// What the end-to-end scripts do inside Wine that the X tools cannot:
//
//   e2e_helper ticks <count>   hands the running program's timer window that
//                              many ticks of its 30-second timer, one after
//                              the other, each handled before the next
//   e2e_helper clip <text>     puts the text on the clipboard
//
// Exits 1 when the timer window is not there or does not take a tick, or the
// clipboard cannot be had.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kFormClass[] = L"OstrevinForm";
constexpr wchar_t kTimerWindowTitle[] = L"Ostrevin";
// The timer window's tick timer.
constexpr WPARAM kTickTimerId = 1;
// A tick may sound and fade the window in; under load that takes a while.
constexpr UINT kTickTimeoutMs = 20000;

int SendTicks(int count) {
  HWND window = ::FindWindowW(kFormClass, kTimerWindowTitle);
  if (!window) {
    std::fwprintf(stderr, L"no timer window\n");
    return 1;
  }
  for (int tick = 0; tick < count; ++tick) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, WM_TIMER, kTickTimerId, 0, SMTO_NORMAL, kTickTimeoutMs,
                               &result)) {
      std::fwprintf(stderr, L"tick %d was not taken\n", tick + 1);
      return 1;
    }
  }
  std::wprintf(L"%d ticks\n", count);
  return 0;
}

int PutOnClipboard(const std::wstring& text) {
  if (!::OpenClipboard(nullptr)) return 1;
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (memory) {
    std::wmemcpy(static_cast<wchar_t*>(::GlobalLock(memory)), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
  }
  const bool put = memory && ::SetClipboardData(CF_UNICODETEXT, memory);
  ::CloseClipboard();
  return put ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring verb = argc > 1 ? argv[1] : L"";
  if (verb == L"ticks" && argc > 2) return SendTicks(_wtoi(argv[2]));
  if (verb == L"clip" && argc > 2) return PutOnClipboard(argv[2]);
  std::fwprintf(stderr, L"usage: e2e_helper ticks <count> | clip <text>\n");
  return 2;
}
