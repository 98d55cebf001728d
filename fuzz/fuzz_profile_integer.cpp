// The settings file's integer reader against every text.
#include <cerrno>
#include <cstdint>
#include <cwchar>
#include <string>

#include "fuzz_input.h"
#include "settings/settings_file.h"

namespace {

using ostrevin::ReadProfileInteger;
using ostrevin::fuzz::Require;

bool IsPlainDecimal(const std::wstring& text) {
  std::size_t i = text.find_first_not_of(L" \t");
  if (i == std::wstring::npos) return false;
  if (text[i] == L'+' || text[i] == L'-') ++i;
  if (i == text.size()) return false;
  return text.find_first_not_of(L"0123456789", i) == std::wstring::npos;
}

// For decimal texts the C library is an independent judge of the value and
// of the 32-bit range.
void CompareWithTheCLibrary(const std::wstring& text, std::optional<std::int32_t> read) {
  if (!IsPlainDecimal(text)) return;
  errno = 0;
  const long long value = std::wcstoll(text.c_str(), nullptr, 10);
  const bool inRange = errno == 0 && value >= INT32_MIN && value <= INT32_MAX;
  Require(read.has_value() == inRange, "decimal texts read exactly when within 32 bits");
  if (read) Require(*read == value, "decimal texts read as the C library reads them");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ostrevin::fuzz::FuzzInput input(data, size);
  const std::wstring text = input.Rest();
  const std::optional<std::int32_t> read = ReadProfileInteger(text);
  CompareWithTheCLibrary(text, read);
  if (read) {
    Require(ReadProfileInteger(std::to_wstring(*read)) == read,
            "every number read reads back from the writer's decimal form");
  }
  return 0;
}
