#include "settings/window_section.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "support/memory_profile_file.h"
#include "support/sample_settings.h"
#include "support/sample_time_formats.h"

namespace ostrevin {

void PrintTo(const ScreenRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

using test_support::MemoryProfileFile;
using test_support::SettingsFileDefaults;

constexpr wchar_t kPath[] = L"C:\\School\\Ostrevin.INI";

Settings LoadedFrom(const std::wstring& text) {
  MemoryProfileFile file(kPath, text);
  Settings settings;
  LoadSettings(settings, file, test_support::RussianTime());
  return settings;
}

// A laptop with a projector to its left, as Windows numbers such a desktop.
const std::vector<ScreenRect> kLaptopAndProjector = {{0, 0, 1920, 1080}, {-1024, 0, 0, 768}};

TEST(WindowSection, AFileOfAnEarlierVersionGivesNoPlaceAndTheWindowOverShows) {
  const Settings settings = LoadedFrom(L"[Common]\nLessLen=450\n");
  EXPECT_FALSE(settings.TimerWindowPlace);
  EXPECT_FALSE(settings.bYieldToFullScreen);
  EXPECT_EQ(settings, SettingsFileDefaults());
}

TEST(WindowSection, IsWrittenInASectionOfItsOwnWithTheOptionFirst) {
  Settings settings = SettingsFileDefaults();
  settings.bYieldToFullScreen = true;
  settings.TimerWindowPlace = WindowPlace{.left = -800, .top = 35, .screens = kLaptopAndProjector};
  MemoryProfileFile file(kPath);
  SaveSettings(settings, file, test_support::RussianTime());
  const std::wstring text = file.Text();
  const std::size_t section = text.find(L"[Window]");
  ASSERT_NE(section, std::wstring::npos);
  EXPECT_EQ(text.substr(section, text.find(L"[", section + 1) - section),
            L"[Window]\n"
            L"bYieldToFullScreen=1\n"
            L"Left=-800\n"
            L"Top=35\n"
            L"Screens=0,0,1920,1080;-1024,0,0,768\n");
}

TEST(WindowSection, LoadsBackAsSaved) {
  for (const bool yield : {false, true}) {
    Settings settings = SettingsFileDefaults();
    settings.bYieldToFullScreen = yield;
    settings.TimerWindowPlace =
        WindowPlace{.left = -800, .top = 35, .screens = kLaptopAndProjector};
    MemoryProfileFile file(kPath);
    SaveSettings(settings, file, test_support::RussianTime());
    Settings loaded;
    LoadSettings(loaded, file, test_support::RussianTime());
    EXPECT_EQ(loaded, settings) << yield;
  }
}

// A run that never knew the window's place (it failed to read it, say) must
// not wipe out the place a later run can still use.
TEST(WindowSection, ASettingsRecordWithoutAPlaceLeavesTheFilesPlace) {
  MemoryProfileFile file(kPath, L"[Window]\nLeft=100\nTop=200\nScreens=0,0,800,600\n");
  SaveSettings(SettingsFileDefaults(), file, test_support::RussianTime());
  EXPECT_EQ(file.ReadString(L"Window", L"Left"), L"100");
  EXPECT_EQ(file.ReadString(L"Window", L"Screens"), L"0,0,800,600");
  EXPECT_EQ(file.ReadString(L"Window", L"bYieldToFullScreen"), L"0");
}

struct PlaceCase {
  const char* name;
  const wchar_t* file;
  std::optional<WindowPlace> place;
  bool yield;
};

TEST(WindowSection, ReadsAPlaceOnlyWhenBothCornersAreNumbers) {
  const PlaceCase cases[] = {
      {"Whole", L"[Window]\nLeft=10\nTop=20\nScreens=0,0,800,600\n",
       WindowPlace{10, 20, {{0, 0, 800, 600}}}, false},
      {"NoScreens", L"[Window]\nLeft=10\nTop=20\n", WindowPlace{10, 20, {}}, false},
      {"UnreadableScreens", L"[Window]\nLeft=10\nTop=20\nScreens=big\n", WindowPlace{10, 20, {}},
       false},
      {"NoTop", L"[Window]\nLeft=10\nScreens=0,0,800,600\n", std::nullopt, false},
      {"LeftNoNumber", L"[Window]\nLeft=left\nTop=20\n", std::nullopt, false},
      {"CaseAndBlanks", L"[window]\nleft = -5\nTOP=7\nbyieldtofullscreen=1\n",
       WindowPlace{-5, 7, {}}, true},
      {"AnyNumberYields", L"[Window]\nbYieldToFullScreen=2\n", std::nullopt, true},
      {"NoNumberDoesNot", L"[Window]\nbYieldToFullScreen=yes\n", std::nullopt, false},
  };
  for (const PlaceCase& c : cases) {
    const Settings settings = LoadedFrom(c.file);
    EXPECT_EQ(settings.TimerWindowPlace, c.place) << c.name;
    EXPECT_EQ(settings.bYieldToFullScreen, c.yield) << c.name;
  }
}

TEST(WindowSection, ALoadWithoutAPlaceForgetsThePlaceOfTheLoadBefore) {
  Settings settings;
  MemoryProfileFile withPlace(kPath, L"[Window]\nLeft=10\nTop=20\n");
  LoadSettings(settings, withPlace, test_support::RussianTime());
  ASSERT_TRUE(settings.TimerWindowPlace);
  MemoryProfileFile without(kPath, L"[Common]\nLessLen=450\n");
  LoadSettings(settings, without, test_support::RussianTime());
  EXPECT_FALSE(settings.TimerWindowPlace);
}

struct ScreensCase {
  const wchar_t* text;
  std::vector<ScreenRect> screens;
};

TEST(ReadScreens, ReadsRectanglesSeparatedBySemicolonsAndRefusesAnythingElse) {
  const ScreensCase cases[] = {
      {L"0,0,1920,1080", {{0, 0, 1920, 1080}}},
      {L"0,0,1920,1080;-1024,0,0,768", kLaptopAndProjector},
      {L" 0, 0, 800, 600", {{0, 0, 800, 600}}},
      {L"", {}},
      {L"0,0,800", {}},
      {L"0,0,800,600,1", {}},
      {L"0,0,800,600;x", {}},
      {L"800,0,0,600", {}},  // empty: right before left
      {L"0,600,800,600", {}},
      {L"0,0,800,600;;0,0,10,10", {}},
      {L"0,0,99999999999,600", {}},
  };
  for (const ScreensCase& c : cases) {
    EXPECT_EQ(ReadScreens(c.text), c.screens) << testing::PrintToString(std::wstring(c.text));
  }
}

TEST(ScreensText, IsReadBackAsWritten) {
  EXPECT_EQ(ScreensText(kLaptopAndProjector), L"0,0,1920,1080;-1024,0,0,768");
  EXPECT_EQ(ReadScreens(ScreensText(kLaptopAndProjector)), kLaptopAndProjector);
  EXPECT_EQ(ScreensText({}), L"");
}

}  // namespace
}  // namespace ostrevin
