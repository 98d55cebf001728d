#include "toolkit/clipboard.h"

namespace ostrevin::toolkit {

std::wstring ClipboardText(HWND owner) {
  if (!::OpenClipboard(owner)) return {};
  struct Closer {
    ~Closer() { ::CloseClipboard(); }
  } closer;
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const wchar_t*>(::GlobalLock(data));
  if (!text) return {};
  std::wstring copy(text);
  ::GlobalUnlock(data);
  return copy;
}

}  // namespace ostrevin::toolkit
