#include <string>

#include <gtest/gtest.h>

#include "settings/bell_settings.h"
#include "settings/settings_file.h"
#include "support/memory_profile_file.h"
#include "support/sample_settings.h"
#include "support/sample_time_formats.h"

namespace ostrevin {
namespace {

using test_support::MemoryProfileFile;

Settings Loaded(const std::wstring& text) {
  MemoryProfileFile file(L"C:\\School\\Ostrevin.INI", text);
  Settings settings;
  LoadSettings(settings, file, test_support::RussianTime());
  return settings;
}

// A file written before the bell's time was kept: no offset, lessons going on
// are joined, no server.
TEST(BellSettings, AFileWithoutTheSectionGivesTheDefaults) {
  const Settings settings = Loaded(L"[Common]\nLessLen=400\n");
  EXPECT_EQ(settings.BellOffset, 0);
  EXPECT_TRUE(settings.JoinLesson);
  EXPECT_EQ(settings.TimeServer, L"");
  EXPECT_FALSE(settings.BellOffsetByComputer);
  EXPECT_EQ(settings.LessLen, 400);
}

struct OffsetCase {
  const wchar_t* text;
  std::int32_t offset;
};

class BellOffsetReadTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(BellOffsetReadTest, IsReadWithinAnHourEitherWay) {
  const OffsetCase& c = GetParam();
  EXPECT_EQ(Loaded(std::wstring(L"[Bell]\nBellOffset=") + c.text + L"\n").BellOffset, c.offset);
}

INSTANTIATE_TEST_SUITE_P(Values, BellOffsetReadTest,
                         ::testing::Values(OffsetCase{L"40", 40}, OffsetCase{L"-40", -40},
                                           OffsetCase{L"3600", 3600}, OffsetCase{L"-3600", -3600},
                                           OffsetCase{L"3601", 3600},
                                           OffsetCase{L"-2147483648", -3600},
                                           OffsetCase{L"forty", 0}, OffsetCase{L"", 0}));

TEST(BellSettings, ReadsTheJoiningSwitchAndTheServerName) {
  const Settings settings = Loaded(L"[bell]\njoinlesson=0\nTimeServer= ntp.school.local:11123 \n");
  EXPECT_FALSE(settings.JoinLesson);
  EXPECT_EQ(settings.TimeServer, L"ntp.school.local:11123");
}

TEST(BellSettings, AreWrittenLastInASectionOfTheirOwn) {
  Settings settings = test_support::SettingsFileDefaults();
  settings.BellOffset = -40;
  settings.JoinLesson = false;
  settings.TimeServer = L"10.0.0.5";
  settings.BellOffsetByComputer = true;
  MemoryProfileFile file(L"C:\\School\\Ostrevin.INI");
  SaveSettings(settings, file, test_support::RussianTime());

  EXPECT_EQ(file.SectionNames().back(), L"Bell");
  EXPECT_EQ(file.KeyNames(L"Bell"),
            (std::vector<std::wstring>{L"BellOffset", L"JoinLesson", L"TimeServer",
                                       L"BellOffsetByComputer"}));
  EXPECT_EQ(file.ReadString(L"Bell", L"BellOffset"), L"-40");
  EXPECT_EQ(file.ReadString(L"Bell", L"JoinLesson"), L"0");
  EXPECT_EQ(file.ReadString(L"Bell", L"TimeServer"), L"10.0.0.5");
  EXPECT_EQ(file.ReadString(L"Bell", L"BellOffsetByComputer"), L"1");

  Settings loaded;
  LoadSettings(loaded, file, test_support::RussianTime());
  EXPECT_EQ(loaded, settings);
}

TEST(LimitedBellOffset, KeepsAnHourEitherWay) {
  EXPECT_EQ(LimitedBellOffset(3599), 3599);
  EXPECT_EQ(LimitedBellOffset(-3601), -3600);
  EXPECT_EQ(LimitedBellOffset(std::int64_t{1} << 40), 3600);
}

}  // namespace
}  // namespace ostrevin
