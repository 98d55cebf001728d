#include "system/ansi_code_page_win32.h"

#include <windows.h>

namespace ostrevin {

std::wstring SystemAnsiCodePage::Decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
  return text;
}

std::optional<std::string> SystemAnsiCodePage::EncodeExactly(std::wstring_view text) const {
  if (text.empty()) return std::string();
  // Without WC_NO_BEST_FIT_CHARS "ё" would become "e" in code page 1252; with
  // it, a character the code page lacks becomes the default character and is
  // told. Windows set to UTF-8 as its ANSI code page takes neither.
  const bool utf8 = ::GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* tellDefault = utf8 ? nullptr : &usedDefault;
  const int size = static_cast<int>(text.size());
  const int length =
      ::WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, tellDefault);
  if (length == 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, flags, text.data(), size, bytes.data(), length, nullptr, nullptr);
  // A character may still come back as another one (a lone surrogate); only
  // the text read back as itself counts.
  if (Decode(bytes) != text) return std::nullopt;
  return bytes;
}

}  // namespace ostrevin
