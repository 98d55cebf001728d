#include "system/settings_storage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/app_error.h"
#include "profile_functions_file.h"
#include "settings/settings_file.h"
#include "settings/settings_file_notices.h"
#include "settings/time_of_day.h"
#include "support/sample_settings.h"
#include "system/program_path.h"
#include "system/regional_time_format_win32.h"
#include "temp_folder.h"
#include "user_locale_override.h"

namespace ostrevin {
namespace {

using test_support::FileExists;
using test_support::ProfileFunctionsFile;
using test_support::ReadFileBytes;
using test_support::SettingsFileDefaults;
using test_support::WriteFileBytes;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Every field away from its default; times before and after noon, at noon,
// at midnight and with seconds, so that every regional form is exercised.
Settings UnusualSettings() {
  Settings settings;
  for (size_t i = 0; i < settings.LessonOn.size(); ++i) settings.LessonOn[i] = i % 3 == 1;
  settings.StartTimes = {EncodeTimeOfDay(7, 5, 0, 0),   EncodeTimeOfDay(12, 0, 0, 0),
                         EncodeTimeOfDay(0, 0, 0, 0),   EncodeTimeOfDay(12, 30, 15, 0),
                         EncodeTimeOfDay(14, 15, 0, 0), EncodeTimeOfDay(0, 0, 1, 0),
                         EncodeTimeOfDay(23, 59, 59, 0)};
  settings.BlendVal = 200;
  settings.WarnVal = -5;
  settings.LessLen = 455;
  settings.IntroTime = 70;
  settings.FinishTime = 120;
  settings.bWarnBeforeLesson = true;
  settings.CountDown = true;
  settings.AllSndsOFF = true;
  settings.FinishPartSounds = fpsFinalStart;
  return settings;
}

void ExpectSameSettings(const Settings& actual, const Settings& expected) {
  EXPECT_EQ(actual.LessonOn, expected.LessonOn);
  EXPECT_EQ(actual.StartTimes, expected.StartTimes);
  EXPECT_EQ(actual.BlendVal, expected.BlendVal);
  EXPECT_EQ(actual.WarnVal, expected.WarnVal);
  EXPECT_EQ(actual.LessLen, expected.LessLen);
  EXPECT_EQ(actual.IntroTime, expected.IntroTime);
  EXPECT_EQ(actual.FinishTime, expected.FinishTime);
  EXPECT_EQ(actual.ShowCurrNo, expected.ShowCurrNo);
  EXPECT_EQ(actual.bOfferExit, expected.bOfferExit);
  EXPECT_EQ(actual.bWarnBeforeLesson, expected.bWarnBeforeLesson);
  EXPECT_EQ(actual.bShowOnStartLesson, expected.bShowOnStartLesson);
  EXPECT_EQ(actual.IsBlend, expected.IsBlend);
  EXPECT_EQ(actual.StartStopSnd, expected.StartStopSnd);
  EXPECT_EQ(actual.IntroPartSnd, expected.IntroPartSnd);
  EXPECT_EQ(actual.CountDown, expected.CountDown);
  EXPECT_EQ(actual.AllSndsOFF, expected.AllSndsOFF);
  EXPECT_EQ(actual.FinishPartSounds, expected.FinishPartSounds);
}

// A double-null-terminated list of names, as the profile functions give it.
std::vector<std::wstring> SplitNameList(const std::wstring& list) {
  std::vector<std::wstring> names;
  for (size_t start = 0; start < list.size() && list[start] != L'\0';) {
    size_t end = list.find(L'\0', start);
    names.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

// The sections and keys as the profile functions list them, as version
// 1.0.0.0 of the program and other INI tools see the file.
std::vector<std::wstring> SectionsOf(const std::wstring& path) {
  ProfileFunctionsFile(path).Flush();
  std::wstring buffer(4096, L'\0');
  DWORD length = ::GetPrivateProfileSectionNamesW(buffer.data(), 4096, path.c_str());
  buffer.resize(length);
  return SplitNameList(buffer);
}

std::vector<std::wstring> KeysOf(const std::wstring& path, const std::wstring& section) {
  ProfileFunctionsFile(path).Flush();
  std::wstring buffer(4096, L'\0');
  DWORD length =
      ::GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer.data(), 4096, path.c_str());
  buffer.resize(length);
  return SplitNameList(buffer);
}

std::wstring ValueOf(const std::wstring& path, const std::wstring& section,
                     const std::wstring& key) {
  return ProfileFunctionsFile(path).ReadString(section, key);
}

const std::vector<std::wstring> kSlotKeys = {L"1", L"2", L"3", L"4", L"5", L"6", L"7"};

class SettingsStorageTest : public ::testing::Test {
 protected:
  test_support::TempFolder folder_;
  std::wstring path_ = folder_.File(L"Ostrevin.INI");
};

TEST_F(SettingsStorageTest, LoadingAMissingFileGivesTheDefaultsAndCreatesNothing) {
  Settings settings = UnusualSettings();
  LoadSettings(settings, path_);
  ExpectSameSettings(settings, SettingsFileDefaults());
  EXPECT_FALSE(FileExists(path_));
}

TEST_F(SettingsStorageTest, TheFirstSaveCreatesTheFileWithEveryKeyInOrder) {
  SaveSettings(SettingsFileDefaults(), path_);
  EXPECT_THAT(SectionsOf(path_), ElementsAre(L"1", L"Times", L"2", L"3", L"4", L"5", L"Common",
                                             L"Sounds", L"Window", L"Bell"));
  for (const wchar_t* section : {L"1", L"Times", L"2", L"3", L"4", L"5"}) {
    EXPECT_THAT(KeysOf(path_, section), ElementsAreArray(kSlotKeys)) << section;
  }
  EXPECT_THAT(KeysOf(path_, L"Common"),
              ElementsAre(L"LessLen", L"IntroTime", L"FinishTime", L"ShowCurrNo", L"bOfferExit",
                          L"bWarnBeforeLesson", L"bShowOnStartLesson", L"IsBlend", L"BlendVal",
                          L"WarnVal"));
  EXPECT_THAT(KeysOf(path_, L"Sounds"),
              ElementsAre(L"StartStopSnd", L"IntroPartSnd", L"FinishPartSounds", L"CountDown",
                          L"AllSndsOFF"));
  EXPECT_THAT(KeysOf(path_, L"Bell"), ElementsAre(L"BellOffset", L"JoinLesson", L"TimeServer",
                                                  L"BellOffsetByComputer"));
  EXPECT_THAT(KeysOf(path_, L"Window"), ElementsAre(L"bYieldToFullScreen"));
}

TEST_F(SettingsStorageTest, ASavedRecordLoadsBackUnchanged) {
  SaveSettings(UnusualSettings(), path_);
  Settings loaded;
  LoadSettings(loaded, path_);
  ExpectSameSettings(loaded, UnusualSettings());
}

TEST_F(SettingsStorageTest, ReadsAFileWrittenByHand) {
  WriteFileBytes(path_,
                 "[times]\r\n1 = \"9:05\" \r\n2=8:30:15\r\n[COMMON]\r\nlesslen=  455 \r\n"
                 "showcurrno=2\r\nbWarnBeforeLesson=0x1\r\n[Sounds]\r\nFinishPartSounds=7\r\n");
  Settings settings;
  settings.FinishPartSounds = fpsFinalStart;
  LoadSettings(settings, path_);
  EXPECT_EQ(settings.StartTime(1), EncodeTimeOfDay(9, 5, 0, 0));
  EXPECT_EQ(settings.StartTime(2), EncodeTimeOfDay(8, 30, 15, 0));
  EXPECT_EQ(settings.StartTime(3), kMidnight);
  EXPECT_EQ(settings.LessLen, 455);
  EXPECT_TRUE(settings.ShowCurrNo);
  EXPECT_TRUE(settings.bWarnBeforeLesson);
  EXPECT_EQ(settings.FinishPartSounds, fpsFinalStart);
}

TEST_F(SettingsStorageTest, SavingKeepsWhatAnotherProgramWroteInTheFile) {
  WriteFileBytes(path_,
                 "; kept\r\n[Other]\r\nkey=value\r\n[Common]\r\nForeign=yes\r\nLessLen=1\r\n");
  SaveSettings(UnusualSettings(), path_);
  const std::string content = ReadFileBytes(path_);
  EXPECT_EQ(content.rfind(
                "; kept\r\n[Other]\r\nkey=value\r\n[Common]\r\nForeign=yes\r\nLessLen=455\r\n", 0),
            0u)
      << content;
  EXPECT_THAT(SectionsOf(path_), ElementsAre(L"Other", L"Common", L"1", L"Times", L"2", L"3", L"4",
                                             L"5", L"Sounds", L"Window", L"Bell"));
}

TEST_F(SettingsStorageTest, ASaveToALockedFileFailsNamingItAndWritesNothing) {
  const std::string before = "[Other]\r\nkey=value\r\n";
  WriteFileBytes(path_, before);
  {
    auto lock = test_support::OpenWithoutSharing(path_);
    try {
      SaveSettings(UnusualSettings(), path_);
      FAIL() << "the save to a locked file succeeded";
    } catch (const AppError& error) {
      EXPECT_EQ(error.message(), SettingsNotSavedText(path_));
    }
  }
  EXPECT_EQ(ReadFileBytes(path_), before);
}

TEST_F(SettingsStorageTest, AnOlderCopyReadsEveryValueThisOneWrites) {
  SaveSettings(UnusualSettings(), path_);
  ProfileFunctionsFile olderCopy(path_);
  Settings loaded;
  LoadSettings(loaded, olderCopy, ReadRegionalTimeFormat());
  ExpectSameSettings(loaded, UnusualSettings());
}

// Keeps the process's current folder for one test.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::wstring& folder) {
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    previous_ = previous;
    ::SetCurrentDirectoryW(folder.c_str());
  }
  ~CurrentFolder() { ::SetCurrentDirectoryW(previous_.c_str()); }

 private:
  std::wstring previous_;
};

TEST_F(SettingsStorageTest, TakesARelativeNameFromTheCurrentFolder) {
  CurrentFolder current(folder_.Path());
  EXPECT_EQ(SettingsFilePath(L"relative.ini"), folder_.File(L"relative.ini"));
  SaveSettings(UnusualSettings(), L"relative.ini");
  EXPECT_EQ(ValueOf(folder_.File(L"relative.ini"), L"Common", L"LessLen"), L"455");
}

// Another program has the file open: one that shares nothing (a backup
// program), and one that lets no one rename or delete it.
struct HolderCase {
  const char* label;
  DWORD sharing;
};

void PrintTo(const HolderCase& holder, std::ostream* out) {
  *out << holder.label;
}

class FailedSaveTest : public SettingsStorageTest,
                       public ::testing::WithParamInterface<HolderCase> {};

TEST_P(FailedSaveTest, NamesTheFullPathAndLeavesTheFileAsItWas) {
  CurrentFolder current(folder_.Path());
  const std::string before = "[Other]\r\nkey=value\r\n[Common]\r\nLessLen=400\r\n";
  WriteFileBytes(path_, before);
  {
    const toolkit::UniqueFileHandle held(::CreateFileW(path_.c_str(), GENERIC_READ,
                                                       GetParam().sharing, nullptr, OPEN_EXISTING,
                                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    try {
      SaveSettings(UnusualSettings(), L"Ostrevin.INI");
      FAIL() << "the save to a held file succeeded";
    } catch (const AppError& error) {
      EXPECT_EQ(error.message(), SettingsNotSavedText(path_));
    }
  }
  EXPECT_EQ(ReadFileBytes(path_), before);
  EXPECT_FALSE(FileExists(path_ + L".tmp"));
}

INSTANTIATE_TEST_SUITE_P(Holders, FailedSaveTest,
                         ::testing::Values(HolderCase{"SharingNothing", 0},
                                           HolderCase{"SharingReadAndWrite",
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE}));

TEST_F(SettingsStorageTest, KeepsTheFileAsFoundAtStartAsTheBackup) {
  Settings first = UnusualSettings();
  SaveSettings(first, path_);
  EXPECT_FALSE(FileExists(path_ + L".bak"));
  const std::string firstFile = ReadFileBytes(path_);
  Settings loaded;
  LoadSettings(loaded, path_);
  Settings second = first;
  second.LessLen = 300;
  SaveSettings(second, path_);
  LoadSettings(loaded, path_);
  second.LessLen = 250;
  SaveSettings(second, path_);
  EXPECT_EQ(ReadFileBytes(path_ + L".bak"), firstFile);
  EXPECT_EQ(ValueOf(path_, L"Common", L"LessLen"), L"250");
}

// A save interrupted on a FAT or exFAT stick between its two steps.
TEST_F(SettingsStorageTest, AMissingFileIsPutBackFromTheWholeFileAnInterruptedSaveLeft) {
  SaveSettings(UnusualSettings(), path_);
  ASSERT_TRUE(::MoveFileW(path_.c_str(), (path_ + L".tmp").c_str()));
  const std::string saved = ReadFileBytes(path_ + L".tmp");
  Settings loaded;
  const SettingsFileFound found = LoadSettings(loaded, path_);
  EXPECT_EQ(found.state, SettingsFileState::kRestoredMissing);
  EXPECT_EQ(found.restoredFrom, path_ + L".tmp");
  ExpectSameSettings(loaded, UnusualSettings());
  EXPECT_EQ(ReadFileBytes(path_), saved);
  EXPECT_FALSE(FileExists(path_ + L".tmp"));
}

TEST_F(SettingsStorageTest, AFileFoundEmptyIsRestoredFromTheBackup) {
  SaveSettings(UnusualSettings(), path_);
  const std::string backup = ReadFileBytes(path_);
  WriteFileBytes(path_ + L".bak", backup);
  WriteFileBytes(path_, std::string(1024, '\0'));

  Settings loaded;
  EXPECT_EQ(LoadSettings(loaded, path_).state, SettingsFileState::kRestoredEmpty);
  ExpectSameSettings(loaded, UnusualSettings());
  EXPECT_EQ(ReadFileBytes(path_), backup);
}

// The teacher's loss as it was seen: the file locked at start, the defaults
// run, and the save that meets the file free again wrote them over it.
TEST_F(SettingsStorageTest, AFileThatCouldNotBeReadIsNeverWrittenInThisRun) {
  SaveSettings(UnusualSettings(), path_);
  const std::string teachers = ReadFileBytes(path_);
  Settings loaded;
  {
    auto lock = test_support::OpenWithoutSharing(path_);
    EXPECT_EQ(LoadSettings(loaded, path_).state, SettingsFileState::kUnreadable);
  }
  ExpectSameSettings(loaded, SettingsFileDefaults());
  EXPECT_TRUE(SettingsFileHeldBack(path_));
  try {
    SaveSettings(loaded, path_);
    FAIL() << "the defaults were saved over the file";
  } catch (const AppError& error) {
    EXPECT_NE(error.message().find(path_), std::wstring::npos);
  }
  EXPECT_EQ(ReadFileBytes(path_), teachers);
}

// Keeps the program's default settings file out of the way of one test:
// removed before it (a run that crashed may have left one) and after it.
class DefaultFileRemover {
 public:
  explicit DefaultFileRemover(std::wstring path) : path_(std::move(path)) { Remove(); }
  ~DefaultFileRemover() { Remove(); }

 private:
  void Remove() {
    ::DeleteFileW(path_.c_str());
    ::DeleteFileW((path_ + L".bak").c_str());
  }

  std::wstring path_;
};

TEST(DefaultSettingsFileTest, AnEmptyPathMeansTheFileBesideTheProgram) {
  std::wstring expected = ProgramPath();
  ASSERT_GT(expected.size(), 4u);
  expected.replace(expected.size() - 4, 4, L".INI");
  DefaultFileRemover remover(expected);

  SaveSettings(UnusualSettings(), L"");
  EXPECT_EQ(ValueOf(expected, L"Common", L"LessLen"), L"455");
  Settings loaded;
  LoadSettings(loaded, L"");
  ExpectSameSettings(loaded, UnusualSettings());
}

using test_support::UserTimeFormat;

class UserFormatTest : public SettingsStorageTest,
                       public ::testing::WithParamInterface<UserTimeFormat> {
 protected:
  void SetUp() override { ASSERT_TRUE(locale_.Set(GetParam())); }

  test_support::UserLocaleOverride locale_;
};

TEST_P(UserFormatTest, ASavedRecordLoadsBackUnchanged) {
  SaveSettings(UnusualSettings(), path_);
  Settings loaded;
  LoadSettings(loaded, path_);
  ExpectSameSettings(loaded, UnusualSettings());
}

TEST_P(UserFormatTest, AnOlderCopyReadsItBackUnchanged) {
  SaveSettings(UnusualSettings(), path_);
  ProfileFunctionsFile olderCopy(path_);
  Settings loaded;
  LoadSettings(loaded, olderCopy, ReadRegionalTimeFormat());
  ExpectSameSettings(loaded, UnusualSettings());
}

INSTANTIATE_TEST_SUITE_P(
    Formats, UserFormatTest,
    ::testing::Values(UserTimeFormat{"HH_comma", L"HH:mm:ss", L"", L"", L","},
                      UserTimeFormat{"H", L"H:mm:ss", L"AM", L"PM", L"."},
                      UserTimeFormat{"h_tt", L"h:mm:ss tt", L"AM", L"PM", L"."},
                      UserTimeFormat{"hh_tt_dotted", L"hh:mm:ss tt", L"a.m.", L"p.m.", L"."},
                      UserTimeFormat{"h_tt_empty", L"h:mm:ss tt", L"", L"", L"."},
                      UserTimeFormat{"tt_h_comma", L"tt h:mm:ss", L"AM", L"PM", L","},
                      UserTimeFormat{"tt_hh_chinese", L"tt hh:mm:ss", L"\u4e0a\u5348",
                                     L"\u4e0b\u5348", L"."},
                      UserTimeFormat{"HH_literals", L"HH' h 'mm' min 'ss' s'", L"", L"", L","}));

struct WrittenTimeCase {
  UserTimeFormat format;
  const char* morning;    // 07:05
  const char* afternoon;  // 14:15
};

void PrintTo(const WrittenTimeCase& written, std::ostream* out) {
  *out << written.format.label;
}

class WrittenTimeTest : public SettingsStorageTest,
                        public ::testing::WithParamInterface<WrittenTimeCase> {};

TEST_P(WrittenTimeTest, FollowsTheUserLongTimeFormat) {
  test_support::UserLocaleOverride locale;
  ASSERT_TRUE(locale.Set(GetParam().format));
  Settings settings = UnusualSettings();
  settings.StartTime(2) = EncodeTimeOfDay(14, 15, 0, 0);
  SaveSettings(settings, path_);
  const std::string content = ReadFileBytes(path_);
  EXPECT_NE(content.find(std::string("[Times]\r\n1=") + GetParam().morning +
                         "\r\n2=" + GetParam().afternoon + "\r\n"),
            std::string::npos)
      << content;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WrittenTimeTest,
    ::testing::Values(
        WrittenTimeCase{{"HH", L"HH:mm:ss", L"", L"", L"."}, "07:05:00", "14:15:00"},
        WrittenTimeCase{{"H", L"H:mm:ss", L"", L"", L"."}, "7:05:00", "14:15:00"},
        WrittenTimeCase{{"h_tt", L"h:mm:ss tt", L"AM", L"PM", L"."}, "7:05:00 AM", "2:15:00 PM"},
        WrittenTimeCase{
            {"tt_hh", L"tt hh:mm:ss", L"AM", L"PM", L"."}, "AM 07:05:00", "PM 02:15:00"}));

}  // namespace
}  // namespace ostrevin
