#include "components/model/tray_text.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrevin {
namespace {

TEST(TrayFieldTextTest, CutsLongTextsToTheFieldLimits) {
  struct Case {
    std::size_t length;
    std::size_t limit;
    std::size_t expected;
  };
  for (const Case& c : {Case{200, kTrayTipLimit, 127}, Case{127, kTrayTipLimit, 127},
                        Case{100, kBalloonTitleLimit, 63}, Case{300, kBalloonTextLimit, 255},
                        Case{0, kTrayTipLimit, 0}, Case{5, kBalloonTitleLimit, 5}}) {
    std::wstring text;
    for (std::size_t i = 0; i < c.length; ++i) text += static_cast<wchar_t>(L'А' + i % 32);
    const std::wstring cut = TrayFieldText(text, c.limit);
    EXPECT_EQ(cut, text.substr(0, c.expected)) << c.length << " into " << c.limit;
  }
}

TEST(TrayFieldTextTest, NeverSplitsASurrogatePairAtTheCut) {
  const std::wstring pair = L"\xD83D\xDD14";  // a bell symbol, two UTF-16 units
  const std::wstring head(62, L'x');
  EXPECT_EQ(TrayFieldText(head + pair, kBalloonTitleLimit), head);
  EXPECT_EQ(TrayFieldText(head.substr(1) + pair, kBalloonTitleLimit), head.substr(1) + pair);
}

}  // namespace
}  // namespace ostrevin
