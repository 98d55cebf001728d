#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/regional_time_format.h"

namespace ostrevin::fuzz {

// Reads a fuzzer's bytes front to back: bytes below 0x80 are ASCII
// characters, a higher byte brings in the UTF-16 unit of the two bytes after
// it, so that every character a Windows string can hold is reachable.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ == size_; }

  std::uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }

  // Characters up to a zero byte (dropped) or to the end.
  std::wstring Field() {
    std::wstring text;
    while (!Empty() && data_[pos_] != 0) text += Character();
    if (!Empty()) ++pos_;
    return text;
  }

  std::wstring Rest() {
    std::wstring text;
    while (!Empty()) text += Character();
    return text;
  }

 private:
  wchar_t Character() {
    const std::uint8_t lead = Byte();
    if (lead < 0x80) return static_cast<wchar_t>(lead);
    const std::uint8_t low = Byte();
    const std::uint8_t high = Byte();
    return static_cast<wchar_t>(low | high << 8);
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A flags byte (bit 0 leading zero, bit 1 twelve-hour, bit 2 designator
// first), then the morning designator, the afternoon designator and the
// decimal separator, each ended by a zero byte.
inline RegionalTimeFormat ConsumeRegionalTimeFormat(FuzzInput& input) {
  const std::uint8_t flags = input.Byte();
  RegionalTimeFormat format;
  format.hourLeadingZero = (flags & 1) != 0;
  format.twelveHour = (flags & 2) != 0;
  format.designatorFirst = (flags & 4) != 0;
  format.amDesignator = input.Field();
  format.pmDesignator = input.Field();
  format.decimalSeparator = input.Field();
  return format;
}

// A broken property: report it and stop, so that libFuzzer keeps the input.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace ostrevin::fuzz
