#include "toolkit/model/clipboard_text.h"

#include <string_view>

namespace ostrevin::toolkit {

std::wstring TextOfClipboardBlock(const wchar_t* block, std::size_t blockBytes) {
  if (!block) return {};
  const std::wstring_view whole(block, blockBytes / sizeof(wchar_t));
  return std::wstring(whole.substr(0, whole.find(L'\0')));
}

}  // namespace ostrevin::toolkit
