#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_text_encoding.h"

namespace ostrevin::test_support {

// A Western code page for portable tests: byte n is U+00nn, so Cyrillic,
// Greek or Korean letters have no place in it.
class Latin1CodePage final : public AnsiCodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override {
    std::wstring text;
    for (char byte : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return text;
  }
  std::optional<std::string> EncodeExactly(std::wstring_view text) const override {
    std::string bytes;
    for (wchar_t c : text) {
      if (static_cast<unsigned long>(c) > 0xFF) return std::nullopt;
      bytes += static_cast<char>(c);
    }
    return bytes;
  }
};

}  // namespace ostrevin::test_support
