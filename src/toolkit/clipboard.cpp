#include "toolkit/clipboard.h"

#include "toolkit/model/clipboard_text.h"

namespace ostrevin::toolkit {

// Another program put the block there: it is read no further than its size,
// whether or not its text ends in a zero.
std::wstring ClipboardText(HWND owner) {
  if (!::OpenClipboard(owner)) return {};
  struct Closer {
    ~Closer() { ::CloseClipboard(); }
  } closer;
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* block = static_cast<const wchar_t*>(::GlobalLock(data));
  if (!block) return {};
  struct Unlocker {
    HANDLE data;
    ~Unlocker() { ::GlobalUnlock(data); }
  } unlocker{data};
  return TextOfClipboardBlock(block, ::GlobalSize(data));
}

}  // namespace ostrevin::toolkit
