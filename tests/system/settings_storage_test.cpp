#include "system/settings_storage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/app_error.h"
#include "settings/settings_file.h"
#include "settings/time_of_day.h"
#include "support/sample_settings.h"
#include "system/private_profile_file.h"
#include "system/program_path.h"
#include "temp_folder.h"
#include "user_locale_override.h"

namespace ostrevin {
namespace {

using test_support::SettingsFileDefaults;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::FileExists;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

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

std::vector<std::wstring> SectionsOf(const std::wstring& path) {
  std::wstring buffer(4096, L'\0');
  DWORD length = ::GetPrivateProfileSectionNamesW(buffer.data(), 4096, path.c_str());
  buffer.resize(length);
  return SplitNameList(buffer);
}

std::vector<std::wstring> KeysOf(const std::wstring& path, const std::wstring& section) {
  std::wstring buffer(4096, L'\0');
  DWORD length =
      ::GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer.data(), 4096, path.c_str());
  buffer.resize(length);
  return SplitNameList(buffer);
}

std::wstring ValueOf(const std::wstring& path, const std::wstring& section,
                     const std::wstring& key) {
  return PrivateProfileFile(path).ReadString(section, key);
}

const std::vector<std::wstring> kSlotKeys = {L"1", L"2", L"3", L"4", L"5", L"6", L"7"};

class SettingsStorageTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
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
  EXPECT_THAT(SectionsOf(path_),
              ElementsAre(L"1", L"Times", L"2", L"3", L"4", L"5", L"Common", L"Sounds", L"Window"));
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
  EXPECT_EQ(settings.StartTime(3), 0.0);
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
                                             L"5", L"Sounds", L"Window"));
}

TEST_F(SettingsStorageTest, ASaveToALockedFileFailsNamingItAndWritesNothing) {
  const std::string before = "[Other]\r\nkey=value\r\n";
  WriteFileBytes(path_, before);
  {
    auto lock = testing::OpenWithoutSharing(path_);
    try {
      SaveSettings(UnusualSettings(), path_);
      FAIL() << "the save to a locked file succeeded";
    } catch (const AppError& error) {
      EXPECT_EQ(error.message(), L"Unable to write to " + path_);
    }
  }
  EXPECT_EQ(ReadFileBytes(path_), before);
}

// A real settings file that becomes locked just before its nth write.
class FileLockedAtWrite final : public ProfileFile {
 public:
  FileLockedAtWrite(const std::wstring& path, int failingWrite)
      : file_(path), failingWrite_(failingWrite) {}

  std::wstring ReadString(const std::wstring& section, const std::wstring& key) override {
    return file_.ReadString(section, key);
  }
  void WriteString(const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override {
    if (++writes_ == failingWrite_) lock_ = testing::OpenWithoutSharing(file_.Path());
    file_.WriteString(section, key, value);
  }
  void Flush() override { file_.Flush(); }
  void Unlock() { lock_.reset(); }

 private:
  PrivateProfileFile file_;
  int failingWrite_;
  int writes_ = 0;
  toolkit::UniqueKernelHandle lock_;
};

struct FailingWriteCase {
  const char* label;
  int failingWrite;
  std::vector<std::wstring> sectionsWritten;
};

void PrintTo(const FailingWriteCase& failing, std::ostream* out) {
  *out << failing.label;
}

class SaveStopTest : public SettingsStorageTest,
                     public ::testing::WithParamInterface<FailingWriteCase> {};

TEST_P(SaveStopTest, StopsAtTheKeyThatCannotBeWritten) {
  FileLockedAtWrite file(path_, GetParam().failingWrite);
  EXPECT_THROW(SaveSettings(UnusualSettings(), file, RegionalTimeFormat{}), AppError);
  file.Unlock();
  EXPECT_THAT(SectionsOf(path_), ElementsAreArray(GetParam().sectionsWritten));
  for (const std::wstring& section : GetParam().sectionsWritten) {
    EXPECT_THAT(KeysOf(path_, section), ::testing::SizeIs(section == L"Common" ? 10u : 7u));
  }
}

// Each weekday pass writes its seven slots and the seven start times: 70
// writes, then ten "Common" keys, then the "Sounds" keys.
INSTANTIATE_TEST_SUITE_P(
    Writes, SaveStopTest,
    ::testing::Values(
        FailingWriteCase{"LessLen", 71, {L"1", L"Times", L"2", L"3", L"4", L"5"}},
        FailingWriteCase{"StartStopSnd", 81, {L"1", L"Times", L"2", L"3", L"4", L"5", L"Common"}}));

// Keeps the program's default settings file out of the way of one test:
// removed before it (a run that crashed may have left one) and after it.
class DefaultFileRemover {
 public:
  explicit DefaultFileRemover(std::wstring path) : path_(std::move(path)) { Remove(); }
  ~DefaultFileRemover() { Remove(); }

 private:
  void Remove() {
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path_.c_str());
    ::DeleteFileW(path_.c_str());
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

using testing::UserTimeFormat;

class UserFormatTest : public SettingsStorageTest,
                       public ::testing::WithParamInterface<UserTimeFormat> {
 protected:
  void SetUp() override { ASSERT_TRUE(locale_.Set(GetParam())); }

  testing::UserLocaleOverride locale_;
};

TEST_P(UserFormatTest, ASavedRecordLoadsBackUnchanged) {
  SaveSettings(UnusualSettings(), path_);
  Settings loaded;
  LoadSettings(loaded, path_);
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
  testing::UserLocaleOverride locale;
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
