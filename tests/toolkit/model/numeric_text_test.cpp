#include "toolkit/model/numeric_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ostrevin::toolkit {
namespace {

TEST(NumericFieldCharTest, TakesDigitsSignsTheDecimalSeparatorAndEditingKeys) {
  for (wchar_t c : std::wstring(L"0123456789+-,\b\x01\x16")) {
    EXPECT_TRUE(IsNumericFieldChar(c, L",")) << int(c);
  }
  for (wchar_t c : std::wstring(L"a .eЖ$x")) EXPECT_FALSE(IsNumericFieldChar(c, L",")) << int(c);
  EXPECT_TRUE(IsNumericFieldChar(L'.', L"."));
}

struct ReadCase {
  std::wstring text;
  std::optional<int> value;
};

TEST(ReadDecimalIntegerTest, ReadsSignedDecimalNumbersWithin32Bits) {
  const ReadCase cases[] = {
      {L"45", 45},
      {L"  7", 7},
      {L"\t45", 45},
      {L" \t-3", -3},
      {L"+3", 3},
      {L"-12", -12},
      {L"2147483647", 2147483647},
      {L"-2147483648", -2147483647 - 1},
      {L"2147483648", std::nullopt},
      {L"", std::nullopt},
      {L"-", std::nullopt},
      {L"4,5", std::nullopt},
      {L"45 ", std::nullopt},
      {L"$10", std::nullopt},
  };
  for (const ReadCase& c : cases) EXPECT_EQ(ReadDecimalInteger(c.text), c.value) << c.text;
}

TEST(NumericFieldValueTest, ANonNumberReadsAsTheMinimumAndANumberIsNotHeldToTheLimits) {
  const NumericLimits limits{3, 100};
  EXPECT_EQ(NumericFieldValue(L"", limits), 3);
  EXPECT_EQ(NumericFieldValue(L"4,5", limits), 3);
  EXPECT_EQ(NumericFieldValue(L"500", limits), 500);
  EXPECT_EQ(NumericFieldValue(L"\t45", limits), 45) << "a pasted leading tab";
  EXPECT_EQ(NumericFieldValue(L"-1", limits), -1);
  EXPECT_EQ(limits.Clamp(500), 100);
  EXPECT_EQ(limits.Clamp(-1), 3);
  EXPECT_EQ(limits.Clamp(45), 45);
}

}  // namespace
}  // namespace ostrevin::toolkit
