#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_text_encoding.h"

namespace ostrevin {

// The ANSI code page of this process (CP_ACP): the one the profile functions
// read and write a file without a byte-order mark in.
class SystemAnsiCodePage final : public AnsiCodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override;
  std::optional<std::string> EncodeExactly(std::wstring_view text) const override;
};

}  // namespace ostrevin
