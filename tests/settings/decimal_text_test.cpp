#include "base/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace ostrevin {
namespace {

struct DecimalCase {
  std::int64_t value;
  std::size_t minDigits;
  const wchar_t* text;
};

// The texts std::to_wstring and "%0*d" write, which the settings file and
// every caption have always had.
TEST(DecimalTextTest, WritesTheNumberAsTheStandardLibraryDoes) {
  const DecimalCase cases[] = {
      {0, 1, L"0"},
      {7, 1, L"7"},
      {-7, 1, L"-7"},
      {450, 1, L"450"},
      {5, 2, L"05"},
      {0, 2, L"00"},
      {123, 2, L"123"},
      {-5, 2, L"-05"},
      {45, 3, L"045"},
      {std::numeric_limits<std::int32_t>::max(), 1, L"2147483647"},
      {std::numeric_limits<std::int32_t>::min(), 1, L"-2147483648"},
      {std::numeric_limits<std::int64_t>::min(), 1, L"-9223372036854775808"},
  };
  for (const DecimalCase& c : cases) {
    EXPECT_EQ(DecimalText(c.value, c.minDigits), c.text) << c.value << " " << c.minDigits;
  }
}

}  // namespace
}  // namespace ostrevin
