#include "settings/time_of_day.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "support/sample_time_formats.h"
#include "support/time_printers.h"

namespace ostrevin {
namespace {

using test_support::ChineseTime;
using test_support::EnglishUsTime;
using test_support::GermanTime;
using test_support::GreekTime;
using test_support::KoreanTime;
using test_support::PhilippineTime;
using test_support::RussianTime;

struct NamedFormat {
  const char* name;
  RegionalTimeFormat format;
};

// Formats whose designators cannot be read back unambiguously: times are
// written in the 24-hour form under them.
std::vector<NamedFormat> UnreadableDesignatorFormats() {
  RegionalTimeFormat empty = EnglishUsTime();
  empty.amDesignator = L"";
  empty.pmDesignator = L"";
  RegionalTimeFormat digits = EnglishUsTime();
  digits.pmDesignator = L"P1";
  RegionalTimeFormat colon = KoreanTime();
  colon.amDesignator = L"a:m";
  RegionalTimeFormat decimal = EnglishUsTime();
  decimal.amDesignator = L"a.m.";
  RegionalTimeFormat equal = EnglishUsTime();
  equal.amDesignator = L"pm";
  RegionalTimeFormat blanks = PhilippineTime();
  blanks.amDesignator = L"  ";
  return {{"empty designators", empty},   {"digit in designator", digits},
          {"colon in designator", colon}, {"decimal separator in designator", decimal},
          {"equal designators", equal},   {"blank designator", blanks}};
}

std::vector<NamedFormat> AllFormats() {
  std::vector<NamedFormat> formats = {
      {"en-US", EnglishUsTime()}, {"en-PH", PhilippineTime()}, {"ru-RU", RussianTime()},
      {"de-DE", GermanTime()},    {"ko-KR", KoreanTime()},     {"zh-CN", ChineseTime()},
      {"el-GR", GreekTime()},
  };
  for (const NamedFormat& degenerate : UnreadableDesignatorFormats()) {
    formats.push_back(degenerate);
  }
  return formats;
}

TEST(EncodeTimeOfDay, GivesTheMillisecondsSinceMidnight) {
  struct Case {
    int hour, minute, second, millisecond;
    std::int64_t expected;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0},
      {12, 0, 0, 0, 43'200'000},
      {18, 0, 0, 0, 64'800'000},
      {6, 0, 0, 0, 21'600'000},
      {23, 59, 59, 999, 86'399'999},
      {8, 30, 0, 0, 30'600'000},
      {8, 30, 15, 250, 30'615'250},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeTimeOfDay(c.hour, c.minute, c.second, c.millisecond).Milliseconds(), c.expected)
        << c.hour << ":" << c.minute << ":" << c.second << "." << c.millisecond;
  }
}

TEST(EncodeTimeOfDay, RefusesFieldsOutOfRange) {
  struct Case {
    int hour, minute, second, millisecond;
  };
  const Case cases[] = {{24, 0, 0, 0},   {0, 60, 0, 0}, {0, 0, 60, 0},
                        {0, 0, 0, 1000}, {-1, 0, 0, 0}, {0, 0, 0, -1}};
  for (const Case& c : cases) {
    EXPECT_THROW(EncodeTimeOfDay(c.hour, c.minute, c.second, c.millisecond), AppError)
        << c.hour << ":" << c.minute << ":" << c.second << "." << c.millisecond;
  }
}

TEST(ParseTimeOfDay, EqualsTheEncodedTimeExactly) {
  const TimeOfDay encoded = EncodeTimeOfDay(8, 30, 0, 0);
  for (const NamedFormat& f : AllFormats()) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(ParseTimeOfDay(L"8:30:00", f.format), encoded);
    EXPECT_EQ(ParseTimeOfDay(L"08:30", f.format), encoded);
  }
}

struct ParseCase {
  const char* formatName;
  RegionalTimeFormat format;
  std::wstring text;
  // Hour, minute, second, millisecond; nothing when the text is refused.
  std::optional<std::array<int, 4>> fields;
};

std::vector<ParseCase> ParseCases() {
  using Fields = std::array<int, 4>;
  const RegionalTimeFormat en = EnglishUsTime();
  const RegionalTimeFormat ru = RussianTime();
  const RegionalTimeFormat ko = KoreanTime();
  const RegionalTimeFormat zh = ChineseTime();
  const RegionalTimeFormat el = GreekTime();
  const std::nullopt_t refused = std::nullopt;
  return {
      // The numbers and the separators.
      {"ru-RU", ru, L"8:30", Fields{8, 30, 0, 0}},
      {"ru-RU", ru, L"08:30", Fields{8, 30, 0, 0}},
      {"ru-RU", ru, L"8", Fields{8, 0, 0, 0}},
      {"ru-RU", ru, L"0:00", Fields{0, 0, 0, 0}},
      {"ru-RU", ru, L"23:59:59", Fields{23, 59, 59, 0}},
      {"ru-RU", ru, L"  14:15  ", Fields{14, 15, 0, 0}},
      {"ru-RU", ru, L"\t14:15\t", Fields{14, 15, 0, 0}},
      {"ru-RU", ru, L"14 : 15 : 20", Fields{14, 15, 20, 0}},
      {"ru-RU", ru, L"0008:0030", Fields{8, 30, 0, 0}},
      // The milliseconds are a count after the regional decimal separator.
      {"ru-RU", ru, L"8:30:15,250", Fields{8, 30, 15, 250}},
      {"ru-RU", ru, L"8:30:15 , 5", Fields{8, 30, 15, 5}},
      {"en-US", en, L"8:30:15.999", Fields{8, 30, 15, 999}},
      {"en-US", en, L"8:30:15,250", refused},
      {"ru-RU", ru, L"8:30:15.250", refused},
      {"ru-RU", ru, L"8:30,250", refused},
      {"en-US", en, L"8:30:15.1000", refused},
      {"en-US", en, L"8:30:15.", refused},
      // Out of range and malformed.
      {"ru-RU", ru, L"", refused},
      {"ru-RU", ru, L"   ", refused},
      {"ru-RU", ru, L"24:00", refused},
      {"ru-RU", ru, L"8:60", refused},
      {"ru-RU", ru, L"8:30:60", refused},
      {"ru-RU", ru, L"99999999999999999999:00", refused},
      {"en-US", en, L"8.30", refused},
      {"ru-RU", ru, L"8,30", refused},
      {"ru-RU", ru, L"8 30", refused},
      {"ru-RU", ru, L"8:", refused},
      {"ru-RU", ru, L"8:30:", refused},
      {"ru-RU", ru, L":30", refused},
      {"ru-RU", ru, L"-8:30", refused},
      {"ru-RU", ru, L"+8:30", refused},
      {"ru-RU", ru, L"8:30 x", refused},
      {"ru-RU", ru, L"8:30:00:00", refused},
      // Designators after the time.
      {"en-US", en, L"2:15 PM", Fields{14, 15, 0, 0}},
      {"en-US", en, L"2:15pm", Fields{14, 15, 0, 0}},
      {"en-US", en, L"2:15:30 pM ", Fields{14, 15, 30, 0}},
      {"en-US", en, L"12:00 AM", Fields{0, 0, 0, 0}},
      {"en-US", en, L"12:00 PM", Fields{12, 0, 0, 0}},
      {"en-US", en, L"12 am", Fields{0, 0, 0, 0}},
      {"en-US", en, L"1 PM", Fields{13, 0, 0, 0}},
      {"en-US", en, L"11:59:59.5 PM", Fields{23, 59, 59, 5}},
      {"en-US", en, L"13:00 PM", refused},
      {"en-US", en, L"0:30 AM", refused},
      {"en-US", en, L"2:15 PM PM", refused},
      {"en-US", en, L"2:15 P", refused},
      // Designators before the time.
      {"en-US", en, L"PM 2:15", Fields{14, 15, 0, 0}},
      {"en-US", en, L"pm2:15", Fields{14, 15, 0, 0}},
      {"en-US", en, L"  AM 8:30:00", Fields{8, 30, 0, 0}},
      {"en-US", en, L"AM 8 PM", refused},
      {"en-US", en, L"AM", refused},
      {"en-US", en, L"AM :30", refused},
      // The literal designators are read under every format.
      {"ru-RU", ru, L"2:15 PM", Fields{14, 15, 0, 0}},
      {"ru-RU", ru, L"AM 12:05", Fields{0, 5, 0, 0}},
      {"ko-KR", ko, L"2:15 pm", Fields{14, 15, 0, 0}},
      // Regional designators, first or last, in any letter case.
      {"ko-KR", ko, L"오후 2:15:00", Fields{14, 15, 0, 0}},
      {"ko-KR", ko, L"오전 12:05:00", Fields{0, 5, 0, 0}},
      {"ko-KR", ko, L"2:15:00 오후", Fields{14, 15, 0, 0}},
      {"zh-CN", zh, L"下午 11:59:59", Fields{23, 59, 59, 0}},
      {"zh-CN", zh, L"上午 13:00:00", refused},
      {"el-GR", el, L"02:15:00 μ.μ.", Fields{14, 15, 0, 0}},
      {"el-GR", el, L"02:15:00 Μ.Μ.", Fields{14, 15, 0, 0}},
      {"el-GR", el, L"02:15:00,5 π.μ.", Fields{2, 15, 0, 5}},
      {"en-US", en, L"오후 2:15:00", refused},
      {"ru-RU", ru, L"下午 2:15:00", refused},
  };
}

TEST(ParseTimeOfDay, FollowsTheGrammar) {
  for (const ParseCase& c : ParseCases()) {
    SCOPED_TRACE(testing::Message() << c.formatName << " \"" << c.text << "\"");
    const std::optional<TimeOfDay> parsed = ParseTimeOfDay(c.text, c.format);
    if (!c.fields) {
      EXPECT_EQ(parsed, std::nullopt);
      continue;
    }
    const auto [hour, minute, second, millisecond] = *c.fields;
    EXPECT_EQ(parsed, EncodeTimeOfDay(hour, minute, second, millisecond));
  }
}

TEST(ParseTimeOfDay, IgnoresUnreadableRegionalDesignators) {
  // "P1" as the afternoon designator would turn "P12:15" into a quarter
  // past midnight and make "1:00" ambiguous under a designator-first format.
  RegionalTimeFormat format = KoreanTime();
  format.amDesignator = L"1";
  format.pmDesignator = L"P1";
  EXPECT_EQ(ParseTimeOfDay(L"13:00:00", format), EncodeTimeOfDay(13, 0, 0, 0));
  EXPECT_EQ(ParseTimeOfDay(L"P1 2:00:00", format), std::nullopt);
  EXPECT_EQ(ParseTimeOfDay(L"PM 2:00:00", format), EncodeTimeOfDay(14, 0, 0, 0));
}

TEST(ParseTimeOfDay, PrefersTheLongestDesignator) {
  RegionalTimeFormat format = EnglishUsTime();
  format.amDesignator = L"P";
  format.pmDesignator = L"PMX";
  EXPECT_EQ(ParseTimeOfDay(L"2:00 P", format), EncodeTimeOfDay(2, 0, 0, 0));
  EXPECT_EQ(ParseTimeOfDay(L"2:00 PM", format), EncodeTimeOfDay(14, 0, 0, 0));
  EXPECT_EQ(ParseTimeOfDay(L"2:00 PMX", format), EncodeTimeOfDay(14, 0, 0, 0));
}

TEST(FormatTimeOfDay, FollowsTheRegionalFormat) {
  struct Case {
    const char* formatName;
    RegionalTimeFormat format;
    TimeOfDay time;
    std::wstring expected;
  };
  const TimeOfDay afternoon = EncodeTimeOfDay(14, 5, 9, 0);
  const TimeOfDay pastMidnight = EncodeTimeOfDay(0, 5, 0, 0);
  const TimeOfDay noon = EncodeTimeOfDay(12, 0, 0, 0);
  const TimeOfDay withFraction = EncodeTimeOfDay(8, 30, 15, 25);
  // A profile file may strip any of these spaces from the ends of a value.
  RegionalTimeFormat spaced = EnglishUsTime();
  spaced.amDesignator = L" \u00A0a.m.\u3000";
  spaced.pmDesignator = L"\tp.m.\u202F";
  spaced.decimalSeparator = L",";
  const Case cases[] = {
      {"spaced designators", spaced, afternoon, L"2:05:09 p.m."},
      {"en-US", EnglishUsTime(), afternoon, L"2:05:09 PM"},
      {"en-US", EnglishUsTime(), pastMidnight, L"12:05:00 AM"},
      {"en-US", EnglishUsTime(), noon, L"12:00:00 PM"},
      {"en-US", EnglishUsTime(), withFraction, L"8:30:15.025 AM"},
      {"en-PH", PhilippineTime(), afternoon, L"02:05:09 PM"},
      {"ru-RU", RussianTime(), afternoon, L"14:05:09"},
      {"ru-RU", RussianTime(), pastMidnight, L"0:05:00"},
      {"ru-RU", RussianTime(), EncodeTimeOfDay(8, 30, 0, 0), L"8:30:00"},
      {"ru-RU", RussianTime(), withFraction, L"8:30:15,025"},
      {"de-DE", GermanTime(), pastMidnight, L"00:05:00"},
      {"ko-KR", KoreanTime(), afternoon, L"오후 2:05:09"},
      {"ko-KR", KoreanTime(), pastMidnight, L"오전 12:05:00"},
      {"el-GR", GreekTime(), afternoon, L"02:05:09 μ.μ."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.formatName);
    EXPECT_EQ(FormatTimeOfDay(c.time, c.format), c.expected);
  }
}

TEST(FormatTimeOfDay, WritesTheTwentyFourHourFormWhenDesignatorsCannotBeReadBack) {
  const TimeOfDay afternoon = EncodeTimeOfDay(14, 5, 9, 0);
  for (const NamedFormat& f : UnreadableDesignatorFormats()) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(FormatTimeOfDay(afternoon, f.format), L"14:05:09");
    EXPECT_EQ(FormatTimeOfDay(EncodeTimeOfDay(8, 0, 0, 0), f.format),
              f.format.hourLeadingZero ? L"08:00:00" : L"8:00:00");
  }
}

TEST(FormatTimeOfDay, UsesAPointWhereTheDecimalSeparatorCannotBeReadBack) {
  const TimeOfDay withFraction = EncodeTimeOfDay(8, 30, 15, 250);
  for (const std::wstring separator : {L"", L"5", L" ", L"\n"}) {
    RegionalTimeFormat format = RussianTime();
    format.decimalSeparator = separator;
    EXPECT_EQ(FormatTimeOfDay(withFraction, format), L"8:30:15.250");
    EXPECT_EQ(ParseTimeOfDay(L"8:30:15.250", format), withFraction);
  }
}

TEST(FormatTimeOfDay, ReadsBackEveryMinuteOfTheDay) {
  for (const NamedFormat& f : AllFormats()) {
    SCOPED_TRACE(f.name);
    for (int minuteOfDay = 0; minuteOfDay < 24 * 60; ++minuteOfDay) {
      const TimeOfDay time = EncodeTimeOfDay(minuteOfDay / 60, minuteOfDay % 60, 0, 0);
      const std::wstring text = FormatTimeOfDay(time, f.format);
      ASSERT_EQ(ParseTimeOfDay(text, f.format), time) << "\"" << text << "\"";
    }
  }
}

TEST(FormatTimeOfDay, ReadsBackSecondsAndFractions) {
  const TimeOfDay times[] = {
      EncodeTimeOfDay(0, 0, 0, 1),     EncodeTimeOfDay(8, 30, 15, 0),
      EncodeTimeOfDay(12, 0, 0, 500),  EncodeTimeOfDay(23, 59, 59, 999),
      EncodeTimeOfDay(11, 59, 59, 10),
  };
  for (const NamedFormat& f : AllFormats()) {
    SCOPED_TRACE(f.name);
    for (TimeOfDay time : times) {
      const std::wstring text = FormatTimeOfDay(time, f.format);
      EXPECT_EQ(ParseTimeOfDay(text, f.format), time) << "\"" << text << "\"";
    }
  }
}

TEST(FormatHourMinute, ShowsTwoDigitHoursAndMinutesWithinTheDay) {
  struct Case {
    TimeOfDay time;
    std::wstring expected;
  };
  const Case cases[] = {
      {kMidnight, L"00:00"},
      {EncodeTimeOfDay(8, 30, 0, 0), L"08:30"},
      {EncodeTimeOfDay(8, 30, 59, 999), L"08:30"},
      {EncodeTimeOfDay(23, 59, 59, 999), L"23:59"},
      {TimeOfDay::FromMilliseconds(kMillisecondsPerDay / 2), L"12:00"},
      {AddMinutes(EncodeTimeOfDay(8, 0, 0, 0), 30), L"08:30"},
      {AddMinutes(EncodeTimeOfDay(14, 15, 0, 0), 45), L"15:00"},
      // Past midnight, the next day's time; before it, the day before's.
      {AddMinutes(EncodeTimeOfDay(23, 30, 0, 0), 45), L"00:15"},
      {TimeOfDay::FromMilliseconds(kMillisecondsPerDay), L"00:00"},
      {TimeOfDay::FromMilliseconds(kMillisecondsPerDay * 7 / 4), L"18:00"},
      {TimeOfDay::FromMilliseconds(-kMillisecondsPerDay / 4), L"18:00"},
      {TimeOfDay::FromMilliseconds(-1), L"23:59"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatHourMinute(c.time), c.expected) << testing::PrintToString(c.time);
  }
}

TEST(FormatHourMinute, EveryMinuteSumShowsItsMinute) {
  const TimeOfDay start = EncodeTimeOfDay(0, 0, 0, 0);
  for (int minutes = 0; minutes < 2 * 24 * 60; ++minutes) {
    const std::wstring expected =
        FormatHourMinute(EncodeTimeOfDay(minutes / 60 % 24, minutes % 60, 0, 0));
    ASSERT_EQ(FormatHourMinute(AddMinutes(start, minutes)), expected) << minutes;
  }
}

TEST(AddMinutes, AddsWholeMinutesWithoutWrapping) {
  EXPECT_EQ(AddMinutes(EncodeTimeOfDay(8, 0, 0, 0), 30), EncodeTimeOfDay(8, 30, 0, 0));
  EXPECT_EQ(AddMinutes(EncodeTimeOfDay(23, 30, 0, 0), 45).Milliseconds(),
            kMillisecondsPerDay + EncodeTimeOfDay(0, 15, 0, 0).Milliseconds());
  EXPECT_EQ(AddMinutes(EncodeTimeOfDay(12, 0, 0, 0), -60), EncodeTimeOfDay(11, 0, 0, 0));
  EXPECT_EQ(AddMinutes(EncodeTimeOfDay(8, 30, 15, 250), 1), EncodeTimeOfDay(8, 31, 15, 250));
  EXPECT_EQ(AddMinutes(kMidnight, 2'147'483'647).Milliseconds(), 2'147'483'647LL * 60'000);
  EXPECT_EQ(AddMinutes(kMidnight, -2'147'483'647 - 1).Milliseconds(), -2'147'483'648LL * 60'000);
}

// A lesson's end past midnight stays later than every time of the day it
// began on, and shows as the next day's time.
TEST(AddMinutes, CarriesALessonEndPastMidnight) {
  struct Case {
    int hour, minute, minutes;
    std::int64_t endMinutes;  // since the start's midnight
    const wchar_t* shown;
  };
  const Case cases[] = {
      {23, 30, 45, 24 * 60 + 15, L"00:15"},     {23, 59, 1, 24 * 60, L"00:00"},
      {23, 0, 59, 23 * 60 + 59, L"23:59"},      {0, 10, -20, -10, L"23:50"},
      {8, 30, 24 * 60, 32 * 60 + 30, L"08:30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << " + " << c.minutes);
    const TimeOfDay end = AddMinutes(TimeOfDay::At(c.hour, c.minute), c.minutes);
    EXPECT_EQ(end.Minutes(), c.endMinutes);
    EXPECT_EQ(FormatHourMinute(end), c.shown);
    EXPECT_EQ(end > EncodeTimeOfDay(23, 59, 59, 999), c.endMinutes >= 24 * 60);
    EXPECT_EQ(end < kMidnight, c.endMinutes < 0);
  }
}

TEST(TimeOfDay, ComparesAtTheMillisecond) {
  const TimeOfDay bell = EncodeTimeOfDay(8, 30, 0, 0);
  EXPECT_EQ(bell, TimeOfDay::At(8, 30));
  EXPECT_EQ(bell, TimeOfDay::FromMinutes(8 * 60 + 30));
  EXPECT_EQ(bell, TimeOfDay::FromMilliseconds(30'600'000));
  EXPECT_EQ(bell, AddMinutes(TimeOfDay::At(7, 45), 45));
  EXPECT_LT(bell, EncodeTimeOfDay(8, 30, 0, 1));
  EXPECT_GT(bell, EncodeTimeOfDay(8, 29, 59, 999));
  EXPECT_NE(bell, EncodeTimeOfDay(8, 30, 15, 0));
  EXPECT_EQ(TimeOfDay(), kMidnight);
  EXPECT_EQ(kMidnight.Milliseconds(), 0);
}

TEST(TimeOfDay, CutsToItsMinuteAndWrapsIntoItsDay) {
  struct Case {
    std::int64_t milliseconds;
    std::int64_t minutes;      // whole minutes since midnight, seconds dropped
    std::int64_t withinDayMs;  // the same time on its own day
  };
  const Case cases[] = {
      {0, 0, 0},
      {30'659'999, 510, 30'659'999},   // 08:30:59.999
      {86'399'999, 1439, 86'399'999},  // 23:59:59.999
      {86'400'000, 1440, 0},           // the next midnight
      {87'300'000, 1455, 900'000},     // 00:15 the next day
      {-1, -1, 86'399'999},            // the millisecond before midnight
      {-60'000, -1, 86'340'000},       // 23:59 the day before
      {-60'001, -2, 86'339'999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.milliseconds);
    const TimeOfDay time = TimeOfDay::FromMilliseconds(c.milliseconds);
    EXPECT_EQ(time.Milliseconds(), c.milliseconds);
    EXPECT_EQ(time.Minutes(), c.minutes);
    EXPECT_EQ(time.WholeMinute(), TimeOfDay::FromMinutes(c.minutes));
    EXPECT_EQ(time.WithinDay().Milliseconds(), c.withinDayMs);
  }
}

}  // namespace
}  // namespace ostrevin
