#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/app_error.h"
#include "support/memory_profile_file.h"
#include "support/sample_settings.h"
#include "support/sample_time_formats.h"
#include "support/time_printers.h"

namespace ostrevin {
namespace {

using test_support::MemoryProfileFile;
using test_support::ProfileEvent;
using test_support::SettingsFileDefaults;

constexpr wchar_t kPath[] = L"C:\\School\\Ostrevin.INI";

// Every field away from its default.
Settings UnusualSettings() {
  Settings settings;
  for (const Weekday day : kFirstVersionDays) {
    for (int slot = 1; slot <= kSlotCount; ++slot)
      settings.Lesson(day, slot) = (WeekdayNumber(day) + slot) % 3 == 0;
  }
  const TimeOfDay starts[] = {
      EncodeTimeOfDay(7, 45, 0, 0),  EncodeTimeOfDay(0, 0, 0, 0),   EncodeTimeOfDay(12, 0, 0, 0),
      EncodeTimeOfDay(23, 59, 0, 0), EncodeTimeOfDay(8, 30, 15, 0), EncodeTimeOfDay(13, 20, 0, 0),
      EncodeTimeOfDay(0, 0, 0, 1),
  };
  for (int slot = 1; slot <= kSlotCount; ++slot) settings.StartTime(slot) = starts[slot - 1];
  settings.BlendVal = 300;
  settings.WarnVal = -5;
  settings.LessLen = 455;
  settings.IntroTime = INT32_MAX;
  settings.FinishTime = INT32_MIN;
  settings.bWarnBeforeLesson = true;
  settings.CountDown = true;
  settings.AllSndsOFF = true;
  settings.FinishPartSounds = fpsFinalStart;
  settings.bYieldToFullScreen = true;
  settings.TimerWindowPlace =
      WindowPlace{.left = -1180, .top = 40, .screens = {{-1280, 0, 0, 1024}, {0, 0, 1920, 1080}}};
  return settings;
}

Settings LoadedFrom(const std::wstring& text, const RegionalTimeFormat& format) {
  MemoryProfileFile file(kPath, text);
  Settings settings;
  LoadSettings(settings, file, format);
  return settings;
}

Settings LoadedFrom(const std::wstring& text) {
  return LoadedFrom(text, test_support::RussianTime());
}

TEST(ReadProfileInteger, ReadsDecimalAndHexadecimalNumbers) {
  struct Case {
    std::wstring text;
    std::optional<std::int32_t> expected;
  };
  const Case cases[] = {
      {L"0", 0},
      {L"455", 455},
      {L"   455", 455},
      {L"\t7", 7},
      {L"+12", 12},
      {L"-450", -450},
      {L"007", 7},
      {L"$1C2", 450},
      {L"$ff", 255},
      {L"x10", 16},
      {L"X10", 16},
      {L"0x1", 1},
      {L"0XaB", 171},
      {L"-$10", -16},
      {L"+0x10", 16},
      {L"2147483647", INT32_MAX},
      {L"$7FFFFFFF", INT32_MAX},
      // The magnitude is checked with its sign: the most negative number is
      // read in both notations, and hexadecimal is not a bit pattern.
      {L"-2147483648", INT32_MIN},
      {L"-$80000000", INT32_MIN},
      {L"2147483648", std::nullopt},
      {L"-2147483649", std::nullopt},
      {L"$80000000", std::nullopt},
      {L"$FFFFFFFF", std::nullopt},
      {L"99999999999999999999", std::nullopt},
      {L"0000000000000000000000042", 42},
      {L"", std::nullopt},
      {L"   ", std::nullopt},
      {L"$", std::nullopt},
      {L"0x", std::nullopt},
      {L"-", std::nullopt},
      {L"+-1", std::nullopt},
      {L"- 1", std::nullopt},
      {L"$-1", std::nullopt},
      {L"455 ", std::nullopt},
      {L"45 5", std::nullopt},
      {L"4.5", std::nullopt},
      {L"1e3", std::nullopt},
      {L"$1G", std::nullopt},
      {L"0b1", std::nullopt},
      {L"yes", std::nullopt},
      {L"１", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadProfileInteger(c.text), c.expected)
        << "\"" << testing::PrintToString(c.text) << "\"";
  }
}

TEST(DefaultSettingsPath, ReplacesTheExtensionOfTheFileName) {
  struct Case {
    std::wstring programPath;
    std::wstring expected;
  };
  const Case cases[] = {
      {L"C:\\Apps\\Ostrevin.exe", L"C:\\Apps\\Ostrevin.INI"},
      {L"C:\\Apps\\Ostrevin.v2.exe", L"C:\\Apps\\Ostrevin.v2.INI"},
      {L"C:\\My.Apps\\Ostrevin", L"C:\\My.Apps\\Ostrevin.INI"},
      {L"C:\\My.Apps\\Ostrevin.EXE", L"C:\\My.Apps\\Ostrevin.INI"},
      {L"\\\\server\\share.d\\Ostrevin", L"\\\\server\\share.d\\Ostrevin.INI"},
      {L"C:/Apps.d/Ostrevin", L"C:/Apps.d/Ostrevin.INI"},
      {L"Ostrevin.exe", L"Ostrevin.INI"},
      {L"C:\\Apps\\Ostrevin.", L"C:\\Apps\\Ostrevin.INI"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DefaultSettingsPath(c.programPath), c.expected);
  }
}

TEST(LoadSettings, WithoutAFileGivesTheDefaultsAndCreatesNothing) {
  MemoryProfileFile file(kPath);
  Settings settings = UnusualSettings();
  LoadSettings(settings, file, test_support::RussianTime());
  EXPECT_EQ(settings, SettingsFileDefaults());
  EXPECT_FALSE(file.Exists());
  EXPECT_EQ(file.Events(), std::vector<ProfileEvent>{test_support::FlushEvent()});
}

TEST(LoadSettings, TakesDefaultsForEverythingTheFileLacks) {
  Settings expected = SettingsFileDefaults();
  expected.LessLen = 600;
  EXPECT_EQ(LoadedFrom(L"[Common]\nLessLen=600\n"), expected);
}

TEST(LoadSettings, ReadsTheTimetable) {
  const Settings settings =
      LoadedFrom(L"[1]\n3=1\n[Times]\n1=7:45:00\n2=08:40\n3=junk\n[5]\n7=1\n1=0\n[3]\n4=$1\n");
  for (const Weekday day : kFirstVersionDays) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      const bool expected = (day == Weekday::Monday && slot == 3) ||
                            (day == Weekday::Friday && slot == 7) ||
                            (day == Weekday::Wednesday && slot == 4);
      EXPECT_EQ(settings.Lesson(day, slot), expected) << testing::PrintToString(day) << "/" << slot;
    }
  }
  EXPECT_EQ(settings.StartTime(1), EncodeTimeOfDay(7, 45, 0, 0));
  EXPECT_EQ(settings.StartTime(2), EncodeTimeOfDay(8, 40, 0, 0));
  for (int slot = 3; slot <= kSlotCount; ++slot) {
    EXPECT_EQ(settings.StartTime(slot), kMidnight) << slot;
  }
}

// Version 1.0's sections "1" to "5" are Monday to Friday.
TEST(SaveSettings, WritesEachWeekdaysLessonsInTheSectionOfItsNumber) {
  const std::pair<Weekday, const wchar_t*> cases[] = {
      {Weekday::Monday, L"1"},   {Weekday::Tuesday, L"2"}, {Weekday::Wednesday, L"3"},
      {Weekday::Thursday, L"4"}, {Weekday::Friday, L"5"},
  };
  for (const auto& [day, section] : cases) {
    SCOPED_TRACE(testing::PrintToString(day));
    Settings settings = SettingsFileDefaults();
    settings.Lesson(day, 2) = true;
    MemoryProfileFile file(kPath);
    SaveSettings(settings, file, test_support::RussianTime());
    for (const auto& [otherDay, otherSection] : cases) {
      EXPECT_EQ(file.ReadString(otherSection, L"2"), otherDay == day ? L"1" : L"0") << otherSection;
    }
    EXPECT_EQ(file.ReadString(L"0", L"2"), L"");
    EXPECT_EQ(file.ReadString(L"6", L"2"), L"");
    EXPECT_TRUE(LoadedFrom(file.Text()).Lesson(day, 2));
  }
}

TEST(LoadSettings, TheFirstStartTimeDecidesOnTheBuiltInTimetable) {
  const std::wstring otherSlots = L"2=9:00\n3=10:00\n4=11:00\n5=12:00\n6=13:00\n7=14:00\n";
  Settings builtIn;
  ResetStartTimes(builtIn);
  struct Case {
    std::wstring firstSlotLine;
    bool reset;
  };
  const Case cases[] = {
      {L"1=0:00:00\n", true},  {L"1=\n", true},
      {L"1=25:00\n", true},    {L"", true},
      {L"1=12:00 AM\n", true}, {L"1=8:30:15\n", false},
      {L"1=0:00:01\n", false}, {L"1=0:00:00,001\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.firstSlotLine);
    const Settings settings = LoadedFrom(L"[Times]\n" + c.firstSlotLine + otherSlots);
    if (c.reset) {
      EXPECT_EQ(settings.StartTimes, builtIn.StartTimes);
      continue;
    }
    EXPECT_NE(settings.StartTime(1), kMidnight);
    EXPECT_EQ(settings.StartTime(7), EncodeTimeOfDay(14, 0, 0, 0));
  }
}

TEST(LoadSettings, KeepsTheSecondsOfAStartTime) {
  const Settings settings = LoadedFrom(L"[Times]\n1=8:30:15\n");
  EXPECT_EQ(settings.StartTime(1), EncodeTimeOfDay(8, 30, 15, 0));
  EXPECT_EQ(settings.StartTime(2), kMidnight);
}

TEST(LoadSettings, ReadsStartTimesInTheRegionalFormat) {
  const Settings settings =
      LoadedFrom(L"[Times]\n1=오후 2:15:00\n2=2:15:00 PM\n3=14:15\n", test_support::KoreanTime());
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_EQ(settings.StartTime(slot), EncodeTimeOfDay(14, 15, 0, 0)) << slot;
  }
}

TEST(LoadSettings, KeepsTheFinalPartSoundsWhenTheNumberIsNoMode) {
  struct Case {
    FinishPartMode before;
    std::optional<std::wstring> value;  // nothing: no such key
    FinishPartMode expected;
  };
  const Case cases[] = {
      {fpsFinalStart, L"7", fpsFinalStart}, {fpsNone, L"-1", fpsNone},
      {fpsNone, L"256", fpsNone},           {fpsFinalStart, L"x", fpsEveryMinute},
      {fpsNone, L"", fpsEveryMinute},       {fpsNone, std::nullopt, fpsEveryMinute},
      {fpsEveryMinute, L"0", fpsNone},      {fpsEveryMinute, L"1", fpsFinalStart},
      {fpsNone, L"$2", fpsEveryMinute},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value.value_or(L"<missing>") << " after " << c.before);
    MemoryProfileFile file(kPath, c.value ? L"[Sounds]\nFinishPartSounds=" + *c.value : L"");
    Settings settings;
    settings.FinishPartSounds = c.before;
    LoadSettings(settings, file, test_support::RussianTime());
    EXPECT_EQ(settings.FinishPartSounds, c.expected);
  }
}

TEST(LoadSettings, KeepsTheFinalPartSoundsOfTheLoadBefore) {
  MemoryProfileFile first(kPath, L"[Sounds]\nFinishPartSounds=1\n");
  MemoryProfileFile second(kPath, L"[Sounds]\nFinishPartSounds=7\n");
  Settings settings;
  LoadSettings(settings, first, test_support::RussianTime());
  LoadSettings(settings, second, test_support::RussianTime());
  EXPECT_EQ(settings.FinishPartSounds, fpsFinalStart);
}

TEST(LoadSettings, ReadsBooleansAsNumbers) {
  struct Case {
    std::wstring text;
    bool Settings::*field;
    bool expected;
  };
  const Case cases[] = {
      {L"[Common]\nShowCurrNo=2", &Settings::ShowCurrNo, true},
      {L"[Common]\nShowCurrNo=yes", &Settings::ShowCurrNo, true},
      {L"[Common]\nShowCurrNo=0", &Settings::ShowCurrNo, false},
      {L"[Common]\nShowCurrNo=$0", &Settings::ShowCurrNo, false},
      {L"[Common]\nbWarnBeforeLesson=0x1", &Settings::bWarnBeforeLesson, true},
      {L"[Common]\nbWarnBeforeLesson=true", &Settings::bWarnBeforeLesson, false},
      {L"[Common]\nbWarnBeforeLesson=-1", &Settings::bWarnBeforeLesson, true},
      {L"[Common]\nIsBlend=", &Settings::IsBlend, true},
      {L"[Common]\nbOfferExit=0", &Settings::bOfferExit, false},
      {L"[Common]\nbShowOnStartLesson=0", &Settings::bShowOnStartLesson, false},
      {L"[Sounds]\nStartStopSnd=0", &Settings::StartStopSnd, false},
      {L"[Sounds]\nIntroPartSnd=0", &Settings::IntroPartSnd, false},
      {L"[Sounds]\nCountDown=1", &Settings::CountDown, true},
      {L"[Sounds]\nAllSndsOFF= 1 ", &Settings::AllSndsOFF, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text);
    EXPECT_EQ(LoadedFrom(c.text).*c.field, c.expected);
  }
}

TEST(LoadSettings, ReadsIntegersWithoutRangeTests) {
  struct Case {
    std::wstring text;
    std::int32_t Settings::*field;
    std::int32_t expected;
  };
  const Case cases[] = {
      {L"[Common]\nLessLen= 455 ", &Settings::LessLen, 455},
      {L"[Common]\nLessLen=\"455\"", &Settings::LessLen, 455},
      {L"[Common]\nLessLen=4.5", &Settings::LessLen, 450},
      {L"[Common]\nLessLen=-450", &Settings::LessLen, -450},
      {L"[Common]\nIntroTime=$1C2", &Settings::IntroTime, 450},
      {L"[Common]\nIntroTime=", &Settings::IntroTime, 50},
      {L"[Common]\nFinishTime=2147483648", &Settings::FinishTime, 50},
      {L"[Common]\nBlendVal=300", &Settings::BlendVal, 300},
      {L"[Common]\nWarnVal=-2147483648", &Settings::WarnVal, INT32_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text);
    EXPECT_EQ(LoadedFrom(c.text).*c.field, c.expected);
  }
}

TEST(LoadSettings, MatchesSectionsAndKeysWithoutRegardToCase) {
  const Settings settings = LoadedFrom(L"[times]\n1=9:00\n[COMMON]\nlesslen=500\n");
  EXPECT_EQ(settings.StartTime(1), EncodeTimeOfDay(9, 0, 0, 0));
  EXPECT_EQ(settings.LessLen, 500);
}

std::vector<std::wstring> SlotKeys() {
  return {L"1", L"2", L"3", L"4", L"5", L"6", L"7"};
}

TEST(SaveSettings, CreatesTheFileInTheFileOrder) {
  MemoryProfileFile file(kPath);
  SaveSettings(SettingsFileDefaults(), file, test_support::RussianTime());

  EXPECT_EQ(file.SectionNames(),
            (std::vector<std::wstring>{L"1", L"Times", L"2", L"3", L"4", L"5", L"Common", L"Sounds",
                                       L"Window", L"Bell"}));
  for (const wchar_t* section : {L"1", L"2", L"3", L"4", L"5", L"Times"}) {
    EXPECT_EQ(file.KeyNames(section), SlotKeys()) << section;
  }
  EXPECT_EQ(file.KeyNames(L"Common"),
            (std::vector<std::wstring>{L"LessLen", L"IntroTime", L"FinishTime", L"ShowCurrNo",
                                       L"bOfferExit", L"bWarnBeforeLesson", L"bShowOnStartLesson",
                                       L"IsBlend", L"BlendVal", L"WarnVal"}));
  EXPECT_EQ(file.KeyNames(L"Sounds"),
            (std::vector<std::wstring>{L"StartStopSnd", L"IntroPartSnd", L"FinishPartSounds",
                                       L"CountDown", L"AllSndsOFF"}));
}

TEST(SaveSettings, WritesEachLessonFlagThenItsStartTime) {
  MemoryProfileFile file(kPath);
  SaveSettings(SettingsFileDefaults(), file, test_support::RussianTime());
  const std::vector<ProfileEvent>& events = file.Events();
  ASSERT_EQ(events.size(), 5u * 7u * 2u + 10u + 5u + 4u + 1u + 1u);
  for (std::size_t i = 0; i < 70; i += 2) {
    const std::wstring day = std::to_wstring(i / 14 + 1);
    const std::wstring slot = std::to_wstring(i / 2 % 7 + 1);
    EXPECT_EQ(events[i].section, day) << i;
    EXPECT_EQ(events[i].key, slot) << i;
    EXPECT_EQ(events[i + 1].section, L"Times") << i;
    EXPECT_EQ(events[i + 1].key, slot) << i;
  }
  EXPECT_EQ(events[1].value, L"8:30:00");
  EXPECT_EQ(events[15].value, L"8:30:00");  // written again in Tuesday's pass
  EXPECT_EQ(events.back().kind, ProfileEvent::Kind::kFlush);
}

TEST(SaveSettings, WritesTheValueTexts) {
  MemoryProfileFile file(kPath);
  SaveSettings(UnusualSettings(), file, test_support::EnglishUsTime());
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    std::wstring expected;
  };
  const Case cases[] = {
      {L"1", L"2", L"1"},
      {L"1", L"1", L"0"},
      {L"Times", L"1", L"7:45:00 AM"},
      {L"Times", L"2", L"12:00:00 AM"},
      {L"Times", L"3", L"12:00:00 PM"},
      {L"Times", L"5", L"8:30:15 AM"},
      {L"Times", L"7", L"12:00:00.001 AM"},
      {L"Common", L"LessLen", L"455"},
      {L"Common", L"IntroTime", L"2147483647"},
      {L"Common", L"FinishTime", L"-2147483648"},
      {L"Common", L"WarnVal", L"-5"},
      {L"Common", L"ShowCurrNo", L"0"},
      {L"Common", L"bWarnBeforeLesson", L"1"},
      {L"Sounds", L"FinishPartSounds", L"1"},
      {L"Sounds", L"AllSndsOFF", L"1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(file.ReadString(c.section, c.key), c.expected) << c.section << "/" << c.key;
  }
}

TEST(SaveSettings, LoadsBackAsSavedUnderEveryFormat) {
  const RegionalTimeFormat formats[] = {
      test_support::EnglishUsTime(), test_support::PhilippineTime(), test_support::RussianTime(),
      test_support::GermanTime(),    test_support::KoreanTime(),     test_support::GreekTime(),
  };
  for (const RegionalTimeFormat& format : formats) {
    SCOPED_TRACE(testing::Message() << format.amDesignator);
    MemoryProfileFile file(kPath);
    SaveSettings(UnusualSettings(), file, format);
    Settings loaded;
    LoadSettings(loaded, file, format);
    EXPECT_EQ(loaded, UnusualSettings());
  }
}

TEST(SaveSettings, KeepsAFractionOfASecondSoTheTimetableSurvivesTheNextLoad) {
  // Written as 0:00:00 this first start time would read back as midnight and
  // replace the whole timetable with the built-in one.
  MemoryProfileFile edited(kPath, L"[Times]\n1=0:00:00,5\n2=9:00\n");
  Settings loaded;
  LoadSettings(loaded, edited, test_support::RussianTime());
  MemoryProfileFile saved(kPath);
  SaveSettings(loaded, saved, test_support::RussianTime());
  Settings reloaded;
  LoadSettings(reloaded, saved, test_support::RussianTime());
  EXPECT_EQ(saved.ReadString(L"Times", L"1"), L"0:00:00,005");
  EXPECT_EQ(reloaded.StartTime(2), EncodeTimeOfDay(9, 0, 0, 0));
  EXPECT_EQ(reloaded, loaded);
}

TEST(SaveSettings, KeepsWhatOtherProgramsKeepInTheFile) {
  MemoryProfileFile file(kPath,
                         L"; written by hand\n"
                         L"[Other]\n"
                         L"LessLen=1\n"
                         L"[common]\n"
                         L"Colour=blue\n"
                         L"lesslen = 600\n"
                         L"a line without a key\n"
                         L"\n"
                         L"[Tail]\n"
                         L"x=y\n");
  Settings settings = SettingsFileDefaults();
  SaveSettings(settings, file, test_support::RussianTime());

  const std::wstring text = file.Text();
  EXPECT_EQ(text.substr(0, text.find(L"WarnVal=3\n") + 10),
            L"; written by hand\n"
            L"[Other]\n"
            L"LessLen=1\n"
            L"[common]\n"
            L"Colour=blue\n"
            L"lesslen=450\n"
            L"a line without a key\n"
            L"IntroTime=50\n"
            L"FinishTime=50\n"
            L"ShowCurrNo=1\n"
            L"bOfferExit=1\n"
            L"bWarnBeforeLesson=0\n"
            L"bShowOnStartLesson=1\n"
            L"IsBlend=1\n"
            L"BlendVal=127\n"
            L"WarnVal=3\n");
  EXPECT_EQ(file.SectionNames(),
            (std::vector<std::wstring>{L"Other", L"common", L"Tail", L"1", L"Times", L"2", L"3",
                                       L"4", L"5", L"Sounds", L"Window", L"Bell"}));
  EXPECT_EQ(file.ReadString(L"Tail", L"x"), L"y");
}

TEST(SaveSettings, StopsAtTheKeyThatCannotBeWritten) {
  for (const int failing : {1, 2, 70, 71, 80, 85}) {
    SCOPED_TRACE(failing);
    MemoryProfileFile file(kPath);
    file.FailWrite(failing);
    const Settings settings = UnusualSettings();
    try {
      SaveSettings(settings, file, test_support::RussianTime());
      ADD_FAILURE() << "the failed write was not reported";
    } catch (const AppError& error) {
      EXPECT_EQ(error.message(), L"Unable to write to C:\\School\\Ostrevin.INI");
    }
    const std::vector<ProfileEvent>& events = file.Events();
    ASSERT_EQ(events.size(), static_cast<std::size_t>(failing));
    EXPECT_EQ(events.back().kind, ProfileEvent::Kind::kFlush);
    EXPECT_EQ(file.FlushCount(), 1);
    EXPECT_EQ(file.Exists(), failing > 1);
    EXPECT_EQ(settings, UnusualSettings());
  }
}

TEST(SaveSettings, StopsBeforeTheKeysAfterTheFailingOne) {
  MemoryProfileFile file(kPath);
  file.FailWrite(71);  // Common/LessLen, the first key after the timetable
  EXPECT_THROW(SaveSettings(SettingsFileDefaults(), file, test_support::RussianTime()), AppError);
  EXPECT_EQ(file.ReadString(L"5", L"7"), L"0");
  EXPECT_EQ(file.ReadString(L"Times", L"7"), L"14:15:00");
  EXPECT_EQ(file.ReadString(L"Common", L"LessLen"), L"");
  EXPECT_EQ(file.ReadString(L"Sounds", L"AllSndsOFF"), L"");
}

TEST(SaveSettings, FlushesOnceAfterTheLastWrite) {
  MemoryProfileFile file(kPath);
  SaveSettings(SettingsFileDefaults(), file, test_support::RussianTime());
  EXPECT_EQ(file.FlushCount(), 1);
  EXPECT_EQ(file.Events().back().kind, ProfileEvent::Kind::kFlush);
}

TEST(LoadSettings, FlushesOnceAfterReading) {
  MemoryProfileFile file(kPath, L"[Common]\nLessLen=600\n");
  Settings settings;
  LoadSettings(settings, file, test_support::RussianTime());
  EXPECT_EQ(file.Events(), std::vector<ProfileEvent>{test_support::FlushEvent()});
}

}  // namespace
}  // namespace ostrevin
