#include "system/regional_time_format_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "settings/time_of_day.h"
#include "user_locale_override.h"

namespace ostrevin {
namespace {

struct PictureCase {
  const char* label;
  const wchar_t* picture;
  bool hourLeadingZero;
  bool twelveHour;
  bool designatorFirst;
};

void PrintTo(const PictureCase& picture, std::ostream* out) {
  *out << picture.label;
}

class TimePictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(TimePictureTest, GivesTheHourFormAndTheDesignatorPlace) {
  RegionalTimeFormat format =
      RegionalTimeFormatFromLocaleTexts(LocaleTimeTexts{.timeFormat = GetParam().picture});
  EXPECT_EQ(format.hourLeadingZero, GetParam().hourLeadingZero);
  EXPECT_EQ(format.twelveHour, GetParam().twelveHour);
  EXPECT_EQ(format.designatorFirst, GetParam().designatorFirst);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, TimePictureTest,
    ::testing::Values(PictureCase{"HH", L"HH:mm:ss", true, false, false},
                      PictureCase{"H", L"H:mm:ss", false, false, false},
                      PictureCase{"h_tt", L"h:mm:ss tt", false, true, false},
                      PictureCase{"hh_tt", L"hh:mm:ss tt", true, true, false},
                      PictureCase{"tt_h", L"tt h:mm:ss", false, true, true},
                      PictureCase{"tt_hh", L"tt hh:mm:ss", true, true, true},
                      PictureCase{"t_h", L"t h:mm:ss", false, true, true},
                      PictureCase{"h_without_tt", L"h:mm:ss", false, true, false},
                      // Letters inside quotes are literal text, not elements.
                      PictureCase{"QuotedH", L"HH' h 'mm' min 'ss' s'", true, false, false},
                      PictureCase{"QuotedHhTt", L"'hh tt' H:mm:ss", false, false, false},
                      PictureCase{"EscapedQuote", L"'It''s' h:mm:ss tt", false, true, false},
                      PictureCase{"EscapedQuoteAroundTt", L"'tt''s' hh:mm:ss tt", true, true,
                                  false},
                      PictureCase{"QuotedHAfterTt", L"tt'h' HH:mm", true, false, true},
                      // Without an hour, the form the program writes by default.
                      PictureCase{"NoHour", L"mm:ss", true, false, false},
                      PictureCase{"Empty", L"", true, false, false}));

TEST(LocaleTimeTextsTest, KeepsTheDefaultsForWhatTheSystemCouldNotGive) {
  RegionalTimeFormat format = RegionalTimeFormatFromLocaleTexts(LocaleTimeTexts{});
  RegionalTimeFormat defaults;
  EXPECT_EQ(format.hourLeadingZero, defaults.hourLeadingZero);
  EXPECT_EQ(format.twelveHour, defaults.twelveHour);
  EXPECT_EQ(format.designatorFirst, defaults.designatorFirst);
  EXPECT_EQ(format.amDesignator, L"AM");
  EXPECT_EQ(format.pmDesignator, L"PM");
  EXPECT_EQ(format.decimalSeparator, L".");
}

TEST(LocaleTimeTextsTest, TakesDesignatorsAsGivenButNeverAnEmptyDecimalSeparator) {
  RegionalTimeFormat format =
      RegionalTimeFormatFromLocaleTexts(LocaleTimeTexts{.timeFormat = L"H:mm:ss",
                                                        .amDesignator = L"",
                                                        .pmDesignator = L"pm",
                                                        .decimalSeparator = L""});
  EXPECT_EQ(format.amDesignator, L"");
  EXPECT_EQ(format.pmDesignator, L"pm");
  EXPECT_EQ(format.decimalSeparator, L".");
  format = RegionalTimeFormatFromLocaleTexts(LocaleTimeTexts{.decimalSeparator = L","});
  EXPECT_EQ(format.decimalSeparator, L",");
}

using test_support::UserTimeFormat;

class UserRegionalFormatTest : public ::testing::TestWithParam<UserTimeFormat> {
 protected:
  void SetUp() override { ASSERT_TRUE(locale_.Set(GetParam())); }

  test_support::UserLocaleOverride locale_;
};

TEST_P(UserRegionalFormatTest, AgreesWithTheSystemsOwnReadingOfTheFormat) {
  using test_support::UserLocaleItem;
  RegionalTimeFormat format = ReadRegionalTimeFormat();
  EXPECT_EQ(format.twelveHour, UserLocaleItem(LOCALE_ITIME) == L"0");
  EXPECT_EQ(format.hourLeadingZero, UserLocaleItem(LOCALE_ITLZERO) == L"1");
  if (format.twelveHour) {
    EXPECT_EQ(format.designatorFirst, UserLocaleItem(LOCALE_ITIMEMARKPOSN) == L"1");
  }
  EXPECT_EQ(format.amDesignator, UserLocaleItem(LOCALE_S1159));
  EXPECT_EQ(format.pmDesignator, UserLocaleItem(LOCALE_S2359));
  EXPECT_EQ(format.decimalSeparator, UserLocaleItem(LOCALE_SDECIMAL));
}

std::wstring SystemTimeText(WORD hour, WORD minute, WORD second) {
  SYSTEMTIME time{};
  time.wYear = 2024;
  time.wMonth = 9;
  time.wDay = 2;
  time.wHour = hour;
  time.wMinute = minute;
  time.wSecond = second;
  wchar_t text[64] = {};
  int length = ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, 64);
  return length > 0 ? std::wstring(text, length - 1) : std::wstring();
}

TEST_P(UserRegionalFormatTest, WritesTimesAsTheSystemShowsThem) {
  RegionalTimeFormat format = ReadRegionalTimeFormat();
  EXPECT_EQ(FormatTimeOfDay(EncodeTimeOfDay(7, 5, 9, 0), format), SystemTimeText(7, 5, 9));
  EXPECT_EQ(FormatTimeOfDay(EncodeTimeOfDay(14, 15, 0, 0), format), SystemTimeText(14, 15, 0));
  EXPECT_EQ(FormatTimeOfDay(EncodeTimeOfDay(0, 30, 0, 0), format), SystemTimeText(0, 30, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, UserRegionalFormatTest,
    ::testing::Values(UserTimeFormat{"SystemsOwn", L"", L"", L"", L""},
                      UserTimeFormat{"HH_comma", L"HH:mm:ss", L"", L"", L","},
                      UserTimeFormat{"H", L"H:mm:ss", L"AM", L"PM", L"."},
                      UserTimeFormat{"hh_tt_lowercase", L"hh:mm:ss tt", L"am", L"pm", L"."},
                      UserTimeFormat{"tt_h_comma", L"tt h:mm:ss", L"AM", L"PM", L","},
                      UserTimeFormat{"tt_hh_german", L"tt hh:mm:ss", L"vorm", L"nachm", L"."}));

TEST(UserDesignatorTest, OneTheSettingsFileCannotHoldGivesWayToThePlainDesignator) {
  const UINT ansiCodePage = ::GetACP();
  if (ansiCodePage == 949 || ansiCodePage == 1361 || ansiCodePage == CP_UTF8) {
    GTEST_SKIP() << "this system's ANSI code page holds Hangul";
  }
  test_support::UserLocaleOverride locale;
  ASSERT_TRUE(locale.Set(LOCALE_S1159, L"\uc624\uc804"));
  ASSERT_TRUE(locale.Set(LOCALE_S2359, L"pm"));
  RegionalTimeFormat format = ReadRegionalTimeFormat();
  EXPECT_EQ(format.amDesignator, L"AM");
  EXPECT_EQ(format.pmDesignator, L"pm");
}

}  // namespace
}  // namespace ostrevin
