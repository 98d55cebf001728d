#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "settings/settings_file.h"
#include "settings/settings_file_notices.h"
#include "support/editor_encodings.h"
#include "support/latin1_code_page.h"
#include "support/sample_settings.h"
#include "support/sample_time_formats.h"

namespace ostrevin {
namespace {

using test_support::Utf16Bytes;
using test_support::Utf8Bytes;

using test_support::SettingsFileDefaults;

constexpr wchar_t kPath[] = L"C:\\School\\Ostrevin.INI";
constexpr wchar_t kBackup[] = L"C:\\School\\Ostrevin.INI.bak";
constexpr wchar_t kChosen[] = L"C:\\Users\\Teacher\\Documents\\Export.INI";

// A disk of files in memory that can be told to have a file busy for some
// attempts, or failing for good, and records what was done to it.
class FakeDisk final : public SettingsDisk {
 public:
  static constexpr int kForever = -1;

  FileContents Read(const std::wstring& path) override {
    reads.push_back(path);
    if (const FileAccess trouble = NextTrouble(readTrouble, path); trouble != FileAccess::kDone) {
      return {trouble, {}};
    }
    const auto file = files.find(path);
    if (file == files.end()) return {FileAccess::kMissing, {}};
    return {FileAccess::kDone, file->second};
  }

  FileAccess Replace(const std::wstring& path, const std::string& bytes) override {
    if (const FileAccess trouble = NextTrouble(replaceTrouble, path);
        trouble != FileAccess::kDone) {
      return trouble;
    }
    files[path] = bytes;
    replaced.push_back(path);
    return FileAccess::kDone;
  }

  FileAccess Rename(const std::wstring& from, const std::wstring& to) override {
    if (const FileAccess trouble = NextTrouble(renameTrouble, from); trouble != FileAccess::kDone) {
      return trouble;
    }
    const auto file = files.find(from);
    if (file == files.end()) return FileAccess::kMissing;
    if (files.contains(to)) return FileAccess::kFailed;
    files[to] = file->second;
    files.erase(file);
    renamed.push_back(to);
    return FileAccess::kDone;
  }

  void Pause(int milliseconds) override { pauses.push_back(milliseconds); }

  std::wstring DateStamp() override { return L"2026-09-01"; }

  // The next `times` accesses of the path give `access` (kForever: all).
  struct Trouble {
    FileAccess access;
    int times;
  };
  void ReadsGive(const std::wstring& path, FileAccess access, int times) {
    readTrouble[path] = {access, times};
  }
  void ReplacesGive(const std::wstring& path, FileAccess access, int times) {
    replaceTrouble[path] = {access, times};
  }
  void RenamesGive(const std::wstring& path, FileAccess access, int times) {
    renameTrouble[path] = {access, times};
  }

  int ReadsOf(const std::wstring& path) const {
    return static_cast<int>(std::ranges::count(reads, path));
  }

  std::map<std::wstring, std::string> files;
  std::vector<std::wstring> reads;
  std::vector<std::wstring> replaced;
  std::vector<std::wstring> renamed;
  std::vector<int> pauses;

 private:
  static FileAccess NextTrouble(std::map<std::wstring, Trouble>& troubles,
                                const std::wstring& path) {
    const auto trouble = troubles.find(path);
    if (trouble == troubles.end() || trouble->second.times == 0) return FileAccess::kDone;
    if (trouble->second.times > 0) --trouble->second.times;
    return trouble->second.access;
  }

  std::map<std::wstring, Trouble> readTrouble;
  std::map<std::wstring, Trouble> replaceTrouble;
  std::map<std::wstring, Trouble> renameTrouble;
};

// A teacher's settings, away from the defaults.
Settings TeachersSettings() {
  Settings settings = SettingsFileDefaults();
  settings.Lesson(Weekday::Monday, 1) = true;
  settings.Lesson(Weekday::Wednesday, 4) = true;
  settings.StartTime(1) = EncodeTimeOfDay(8, 5, 0, 0);
  settings.LessLen = 400;
  settings.ShowCurrNo = false;
  return settings;
}

// The teacher's settings file, with a section and a comment of its own.
const std::string kTeachersFile =
    "; the class journal keeps its own section here\r\n"
    "[Journal]\r\n"
    "Class=7B\r\n"
    "[1]\r\n"
    "1=1\r\n"
    "[3]\r\n"
    "4=1\r\n"
    "[Times]\r\n"
    "1=8:05:00\r\n"
    "2=9:30:00\r\n"
    "3=10:30:00\r\n"
    "4=11:30:00\r\n"
    "5=12:25:00\r\n"
    "6=13:20:00\r\n"
    "7=14:15:00\r\n"
    "[Common]\r\n"
    "LessLen=400\r\n"
    "ShowCurrNo=0\r\n";

const test_support::Latin1CodePage kWestern;

IniDocument DocumentIn(const FakeDisk& disk, const std::wstring& path) {
  return IniDocument(DecodeIniText(disk.files.at(path), kWestern).text);
}

std::wstring ValueIn(const FakeDisk& disk, const std::wstring& path, const std::wstring& section,
                     const std::wstring& key) {
  return DocumentIn(disk, path).Value(section, key);
}

Settings SettingsIn(const FakeDisk& disk, const std::wstring& path) {
  IniDocument document = DocumentIn(disk, path);
  Settings settings;
  LoadSettings(settings, document, test_support::RussianTime());
  return settings;
}

class SettingsStoreTest : public testing::Test {
 protected:
  // The error a call raises; empty when it raises none.
  template <class Call>
  std::wstring ErrorOf(Call call) {
    try {
      call();
    } catch (const AppError& error) {
      return error.message();
    }
    return {};
  }

  FakeDisk disk;
  SettingsStore store{disk, kWestern};
  RegionalTimeFormat format = test_support::RussianTime();
  Settings settings;
};

TEST_F(SettingsStoreTest, LoadsTheFileAndWritesNothing) {
  disk.files[kPath] = kTeachersFile;
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kRead);
  EXPECT_EQ(settings, TeachersSettings());
  EXPECT_TRUE(disk.replaced.empty());
  EXPECT_FALSE(store.IsHeldBack(kPath));
}

// An administrator's file of the school's timetable alone, written by hand,
// as each of Notepad's encodings saves it.
const std::wstring kSchedulesOnly =
    L"[Week]\r\nMonday=Основное\r\nMondayLessons=2\r\n"
    L"[Schedule1]\r\nName=Основное\r\n1=08:30-09:15\r\n2=09:25-10:10\r\n";

struct EncodedFile {
  const char* label;
  std::string bytes;
};

std::vector<EncodedFile> SchedulesOnlyAsNotepadSavesIt() {
  return {
      {"UTF-8", Utf8Bytes(kSchedulesOnly)},
      {"UTF-8 with BOM", "\xEF\xBB\xBF" + Utf8Bytes(kSchedulesOnly)},
      {"Unicode", "\xFF\xFE" + Utf16Bytes(kSchedulesOnly, true)},
      {"Unicode big endian", "\xFE\xFF" + Utf16Bytes(kSchedulesOnly, false)},
      {"UTF-16 LE without a mark", Utf16Bytes(kSchedulesOnly, true)},
      {"UTF-16 BE without a mark", Utf16Bytes(kSchedulesOnly, false)},
  };
}

void ExpectTheAdministratorsTimetable(const Settings& settings) {
  ASSERT_EQ(settings.Timetable.schedules.size(), 1u);
  EXPECT_EQ(settings.Timetable.schedules[0].name, L"Основное");
  EXPECT_EQ(settings.Timetable.schedules[0].lessons.size(), 2u);
  EXPECT_EQ(settings.Timetable.Day(Weekday::Monday).schedule, 0);
  EXPECT_TRUE(settings.Timetable.Day(Weekday::Monday).taught.test(2));
  EXPECT_TRUE(settings.Lesson(Weekday::Monday, 2)) << "version 1.0's Monday";
}

TEST_F(SettingsStoreTest, ReadsAnAdministratorsTimetableInEveryEncodingNotepadSaves) {
  for (const EncodedFile& file : SchedulesOnlyAsNotepadSavesIt()) {
    SCOPED_TRACE(file.label);
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    disk.files[kPath] = file.bytes;
    disk.files[kBackup] = kTeachersFile;
    Settings loaded;
    EXPECT_EQ(store.Load(loaded, kPath, format).state, SettingsFileState::kRead);
    ExpectTheAdministratorsTimetable(loaded);
    EXPECT_TRUE(disk.replaced.empty()) << "taken for a broken file";

    Settings imported;
    EXPECT_EQ(store.Import(imported, kPath, format), ImportResult::kImported);
    ExpectTheAdministratorsTimetable(imported);
  }
}

// Each section a save writes makes a settings file on its own, the newer
// ones too.
TEST_F(SettingsStoreTest, AFileOfAnyOneOfTheProgramsSectionsIsASettingsFile) {
  const std::string files[] = {"[Window]\r\nLeft=40\r\nTop=50\r\n", "[Bell]\r\nBellOffset=30\r\n",
                               "[Sounds]\r\nAllSndsOFF=1\r\n", "[Schedule3]\r\nName=Суббота\r\n"};
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    disk.files[kPath] = file;
    EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kRead);
    EXPECT_EQ(disk.files[kPath], file);
    EXPECT_TRUE(disk.renamed.empty());
  }
}

TEST_F(SettingsStoreTest, AnAdministratorsFileInUtf8StaysUnicodeWhenSaved) {
  disk.files[kPath] = Utf8Bytes(kSchedulesOnly);
  store.Load(settings, kPath, format);
  settings.LessLen = 350;
  store.Save(settings, kPath, format);
  const DecodedText saved = DecodeIniText(disk.files[kPath], kWestern);
  EXPECT_EQ(saved.encoding, TextEncoding::kUtf16);
  Settings loaded;
  store.Load(loaded, kPath, format);
  ExpectTheAdministratorsTimetable(loaded);
  EXPECT_EQ(loaded.LessLen, 350);
}

TEST_F(SettingsStoreTest, AMissingFileGivesTheDefaultsAndCreatesNothing) {
  settings = TeachersSettings();
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kMissing);
  EXPECT_EQ(settings, SettingsFileDefaults());
  EXPECT_TRUE(disk.files.empty());
}

TEST_F(SettingsStoreTest, ABusyFileIsTriedAgainForAFewHundredMilliseconds) {
  disk.files[kPath] = kTeachersFile;
  disk.ReadsGive(kPath, FileAccess::kBusy, 3);
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kRead);
  EXPECT_EQ(settings, TeachersSettings());
  EXPECT_EQ(disk.pauses, (std::vector<int>{80, 80, 80}));
}

TEST_F(SettingsStoreTest, AFileBusyThroughoutIsUnreadableAndTheDefaultsRun) {
  disk.files[kPath] = kTeachersFile;
  disk.ReadsGive(kPath, FileAccess::kBusy, FakeDisk::kForever);
  settings = TeachersSettings();
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kUnreadable);
  EXPECT_EQ(settings, SettingsFileDefaults());
  EXPECT_EQ(disk.ReadsOf(kPath), SettingsStore::kAttempts);
  EXPECT_EQ(disk.pauses, std::vector<int>(SettingsStore::kAttempts - 1, 80));
  EXPECT_TRUE(store.IsHeldBack(kPath));
}

TEST_F(SettingsStoreTest, AFileThatFailsOtherwiseIsNotTriedAgain) {
  disk.files[kPath] = kTeachersFile;
  disk.ReadsGive(kPath, FileAccess::kFailed, FakeDisk::kForever);
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kUnreadable);
  EXPECT_EQ(disk.ReadsOf(kPath), 1);
  EXPECT_TRUE(disk.pauses.empty());
  EXPECT_TRUE(store.IsHeldBack(kPath));
}

// The reproduction of the teacher's loss: the file locked at start, the
// defaults run, then every way of saving meets the file free again.
TEST_F(SettingsStoreTest, NothingIsWrittenOverAFileThatCouldNotBeRead) {
  disk.files[kPath] = kTeachersFile;
  disk.ReadsGive(kPath, FileAccess::kBusy, SettingsStore::kAttempts);
  ASSERT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kUnreadable);

  const std::wstring refusal = ErrorOf([&] { store.Save(settings, kPath, format); });
  EXPECT_NE(refusal.find(L"Настройки не сохранены"), std::wstring::npos) << refusal;
  EXPECT_NE(refusal.find(kPath), std::wstring::npos) << refusal;
  // The same file by another spelling of its name.
  const std::wstring exportRefusal = ErrorOf(
      [&] { store.Export(settings, L"c:\\school\\OSTREVIN.ini", format, [] { return true; }); });
  EXPECT_NE(exportRefusal.find(L"Настройки не сохранены"), std::wstring::npos) << exportRefusal;
  EXPECT_EQ(disk.files[kPath], kTeachersFile);
  EXPECT_TRUE(disk.replaced.empty());

  EXPECT_EQ(store.Export(settings, kChosen, format, [] { return true; }), ExportResult::kExported);
  EXPECT_EQ(SettingsIn(disk, kChosen), SettingsFileDefaults());
}

TEST_F(SettingsStoreTest, AFileReadLaterInTheRunIsWrittenAgain) {
  disk.files[kPath] = kTeachersFile;
  disk.ReadsGive(kPath, FileAccess::kBusy, SettingsStore::kAttempts);
  ASSERT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kUnreadable);
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kRead);
  EXPECT_FALSE(store.IsHeldBack(kPath));
  settings.LessLen = 350;
  store.Save(settings, kPath, format);
  EXPECT_EQ(ValueIn(disk, kPath, L"Common", L"LessLen"), L"350");
}

TEST_F(SettingsStoreTest, AFileReadBeforeKeepsTheSettingsInMemoryWhenItTurnsUnreadable) {
  disk.files[kPath] = kTeachersFile;
  ASSERT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kRead);
  settings.LessLen = 350;
  disk.ReadsGive(kPath, FileAccess::kBusy, SettingsStore::kAttempts);
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kUnreadable);
  EXPECT_EQ(settings.LessLen, 350);
  EXPECT_FALSE(store.IsHeldBack(kPath));
  store.Save(settings, kPath, format);
  EXPECT_EQ(ValueIn(disk, kPath, L"Common", L"LessLen"), L"350");
}

TEST_F(SettingsStoreTest, SavesEveryKeyAndKeepsTheLinesItDoesNotKnow) {
  disk.files[kPath] = kTeachersFile;
  store.Load(settings, kPath, format);
  settings.Lesson(Weekday::Friday, 7) = true;
  store.Save(settings, kPath, format);
  const std::string& saved = disk.files[kPath];
  EXPECT_EQ(saved.rfind(
                "; the class journal keeps its own section here\r\n[Journal]\r\nClass=7B\r\n[1]\r\n"
                "1=1\r\n2=0\r\n",
                0),
            0u)
      << saved;
  EXPECT_EQ(SettingsIn(disk, kPath), settings);
  IniDocument document(DecodeIniText(saved, kWestern).text);
  EXPECT_EQ(document.SectionNames(),
            (std::vector<std::wstring>{L"Journal", L"1", L"3", L"Times", L"Common", L"2", L"4",
                                       L"5", L"Sounds", L"Window", L"Bell"}));
  EXPECT_EQ(document.KeyNames(L"Common").size(), 10u);
}

TEST_F(SettingsStoreTest, KeepsTheFileAsItWasAsTheBackup) {
  disk.files[kPath] = kTeachersFile;
  store.Load(settings, kPath, format);
  settings.LessLen = 350;
  store.Save(settings, kPath, format);
  EXPECT_EQ(disk.replaced, (std::vector<std::wstring>{kBackup, kPath}));
  EXPECT_EQ(disk.files[kBackup], kTeachersFile);
  EXPECT_EQ(ValueIn(disk, kPath, L"Common", L"LessLen"), L"350");
}

TEST_F(SettingsStoreTest, WritesNothingWhenTheFileWouldStayAsItIs) {
  disk.files[kPath] = kTeachersFile;
  store.Load(settings, kPath, format);
  store.Save(settings, kPath, format);
  const std::string whole = disk.files[kPath];
  const std::string backup = disk.files[kBackup];
  disk.replaced.clear();
  store.Save(settings, kPath, format);
  EXPECT_TRUE(disk.replaced.empty());
  EXPECT_EQ(disk.files[kBackup], backup) << "the backup still holds the file before the change";
}

TEST_F(SettingsStoreTest, KeepsNoBackupOfAFileWithoutSettings) {
  disk.files[kPath] = "";
  disk.files[kBackup] = "[Other]\r\nx=1\r\n";
  store.Load(settings, kPath, format);
  store.Save(TeachersSettings(), kPath, format);
  EXPECT_EQ(disk.replaced, std::vector<std::wstring>{kPath});
  EXPECT_EQ(disk.files[kBackup], "[Other]\r\nx=1\r\n");
}

TEST_F(SettingsStoreTest, CreatesAMissingFileWithEveryKeyAndNoBackup) {
  store.Load(settings, kPath, format);
  store.Save(TeachersSettings(), kPath, format);
  EXPECT_EQ(disk.replaced, std::vector<std::wstring>{kPath});
  EXPECT_EQ(disk.files[kPath].rfind("[1]\r\n1=1\r\n", 0), 0u);
  EXPECT_EQ(SettingsIn(disk, kPath), TeachersSettings());
}

TEST_F(SettingsStoreTest, ASaveThatCannotReadOrReplaceTheFileLeavesItAsItWas) {
  struct Case {
    const char* label;
    bool readBusy;
    FileAccess replace;
  };
  const Case cases[] = {
      {"read busy", true, FileAccess::kDone},
      {"replace busy", false, FileAccess::kBusy},
      {"replace failed", false, FileAccess::kFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    disk.files[kPath] = kTeachersFile;
    store.Load(settings, kPath, format);
    if (c.readBusy) disk.ReadsGive(kPath, FileAccess::kBusy, FakeDisk::kForever);
    disk.ReplacesGive(kPath, c.replace, FakeDisk::kForever);
    settings.LessLen = 350;
    EXPECT_EQ(ErrorOf([&] { store.Save(settings, kPath, format); }), SettingsNotSavedText(kPath));
    EXPECT_EQ(disk.files[kPath], kTeachersFile);
  }
}

// OK whose save failed, then the dialog opened again: the edits are still
// there, and the save that succeeds writes them.
TEST_F(SettingsStoreTest, SettingsASaveCouldNotWriteStayUntilASaveSucceeds) {
  disk.files[kPath] = kTeachersFile;
  store.Load(settings, kPath, format);
  settings.LessLen = 350;
  disk.ReplacesGive(kPath, FileAccess::kFailed, 1);
  EXPECT_FALSE(ErrorOf([&] { store.Save(settings, kPath, format); }).empty());

  const int readsBefore = disk.ReadsOf(kPath);
  const SettingsFileFound found = store.Load(settings, kPath, format);
  EXPECT_EQ(found.state, SettingsFileState::kRead);
  EXPECT_TRUE(found.settingsKept);
  EXPECT_EQ(settings.LessLen, 350);
  EXPECT_EQ(disk.ReadsOf(kPath), readsBefore) << "the file is older than the edits";

  store.Save(settings, kPath, format);
  EXPECT_EQ(ValueIn(disk, kPath, L"Common", L"LessLen"), L"350");
  disk.files[kPath] = kTeachersFile;
  store.Load(settings, kPath, format);
  EXPECT_EQ(settings, TeachersSettings()) << "saved once, the file is read again";
}

// The file deleted or renamed while the program runs: the timetable in
// memory stays and is written again, never the defaults.
TEST_F(SettingsStoreTest, AFileDeletedOrEmptiedMeanwhileIsWrittenAgainFromMemory) {
  const std::optional<std::string> meanwhile[] = {std::nullopt, ""};
  for (const std::optional<std::string>& left : meanwhile) {
    SCOPED_TRACE(left ? "emptied" : "deleted");
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    disk.files[kPath] = kTeachersFile;
    disk.files[kBackup] = "[Common]\r\nLessLen=300\r\n";
    store.Load(settings, kPath, format);
    disk.files.erase(kPath);
    if (left) disk.files[kPath] = *left;
    const SettingsFileFound found = store.Load(settings, kPath, format);
    EXPECT_EQ(found.state, SettingsFileState::kRead);
    EXPECT_TRUE(found.settingsKept);
    EXPECT_EQ(settings, TeachersSettings());
    store.Save(settings, kPath, format);
    EXPECT_EQ(SettingsIn(disk, kPath), TeachersSettings());
  }
}

TEST_F(SettingsStoreTest, ABackupThatCannotBeWrittenDoesNotStopTheSave) {
  disk.files[kPath] = kTeachersFile;
  disk.ReplacesGive(kBackup, FileAccess::kFailed, FakeDisk::kForever);
  store.Load(settings, kPath, format);
  settings.LessLen = 350;
  store.Save(settings, kPath, format);
  EXPECT_EQ(ValueIn(disk, kPath, L"Common", L"LessLen"), L"350");
}

TEST_F(SettingsStoreTest, AnEmptiedFileIsRestoredFromTheBackup) {
  const std::string emptied[] = {"", std::string(4096, '\0'), " \r\n\r\n"};
  for (const std::string& found : emptied) {
    SCOPED_TRACE(testing::PrintToString(found.substr(0, 16)));
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    disk.files[kPath] = found;
    disk.files[kBackup] = kTeachersFile;
    const SettingsFileFound loaded = store.Load(settings, kPath, format);
    EXPECT_EQ(loaded.state, SettingsFileState::kRestoredEmpty);
    EXPECT_EQ(loaded.restoredFrom, kBackup);
    EXPECT_EQ(settings, TeachersSettings());
    EXPECT_EQ(disk.files[kPath], kTeachersFile);
    EXPECT_EQ(disk.files[kBackup], kTeachersFile);
    EXPECT_TRUE(disk.renamed.empty());
  }
}

constexpr wchar_t kSetAside[] = L"C:\\School\\Ostrevin.INI.unreadable-2026-09-01";

// A file that is not empty and holds none of the settings' sections is the
// teacher's or the administrator's, not the program's: it is never written
// over, but moved aside, and the backup stands in.
TEST_F(SettingsStoreTest, AFileNotUnderstoodIsSetAsideAndTheBackupStandsIn) {
  const std::string strange[] = {"[Journal]\r\nClass=7B\r\n", "\x89PNG\r\n\x1a\n"};
  for (const std::string& found : strange) {
    SCOPED_TRACE(testing::PrintToString(found));
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    disk.files[kPath] = found;
    disk.files[kBackup] = kTeachersFile;
    const SettingsFileFound loaded = store.Load(settings, kPath, format);
    EXPECT_EQ(loaded.state, SettingsFileState::kSetAside);
    EXPECT_EQ(loaded.setAside, kSetAside);
    EXPECT_EQ(loaded.restoredFrom, kBackup);
    EXPECT_EQ(disk.files[kSetAside], found);
    EXPECT_EQ(settings, TeachersSettings());
    EXPECT_EQ(disk.files[kPath], kTeachersFile);
  }
}

TEST_F(SettingsStoreTest, AFileNotUnderstoodWithoutABackupIsSetAsideAndTheDefaultsWritten) {
  disk.files[kPath] = "[Journal]\r\nClass=7B\r\n";
  disk.files[kSetAside] = "set aside this morning";
  settings = TeachersSettings();
  const SettingsFileFound loaded = store.Load(settings, kPath, format);
  EXPECT_EQ(loaded.state, SettingsFileState::kSetAside);
  EXPECT_EQ(loaded.setAside, std::wstring(kSetAside) + L"-2");
  EXPECT_TRUE(loaded.restoredFrom.empty());
  EXPECT_EQ(disk.files[kSetAside], "set aside this morning");
  EXPECT_EQ(disk.files[loaded.setAside], "[Journal]\r\nClass=7B\r\n");
  EXPECT_EQ(settings, SettingsFileDefaults());
  EXPECT_FALSE(disk.files.contains(kPath));
  store.Save(settings, kPath, format);
  EXPECT_EQ(SettingsIn(disk, kPath), SettingsFileDefaults());
  EXPECT_FALSE(disk.files.contains(kBackup));
}

TEST_F(SettingsStoreTest, AFileNotUnderstoodThatCannotBeMovedIsHeldBack) {
  disk.files[kPath] = "[Journal]\r\nClass=7B\r\n";
  disk.files[kBackup] = kTeachersFile;
  disk.RenamesGive(kPath, FileAccess::kBusy, FakeDisk::kForever);
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kUnreadable);
  EXPECT_TRUE(store.IsHeldBack(kPath));
  EXPECT_FALSE(ErrorOf([&] { store.Save(settings, kPath, format); }).empty());
  EXPECT_EQ(disk.files[kPath], "[Journal]\r\nClass=7B\r\n");
  EXPECT_TRUE(disk.replaced.empty());
}

TEST_F(SettingsStoreTest, AFileTurnedIntoAnotherWhileTheProgramRunsIsSetAsideAtTheNextRead) {
  disk.files[kPath] = kTeachersFile;
  disk.files[kBackup] = "[Common]\r\nLessLen=300\r\n";
  store.Load(settings, kPath, format);
  settings.LessLen = 350;
  disk.files[kPath] = "[Journal]\r\nClass=7B\r\n";
  const SettingsFileFound found = store.Load(settings, kPath, format);
  EXPECT_EQ(found.state, SettingsFileState::kSetAside);
  EXPECT_EQ(found.setAside, kSetAside);
  EXPECT_TRUE(found.settingsKept);
  EXPECT_EQ(settings.LessLen, 350) << "the settings in memory, not the backup's";
  store.Save(settings, kPath, format);
  EXPECT_EQ(ValueIn(disk, kPath, L"Common", L"LessLen"), L"350");
}

TEST_F(SettingsStoreTest, AFileTurnedIntoAnotherBeforeASaveIsSetAsideFirst) {
  disk.files[kPath] = kTeachersFile;
  store.Load(settings, kPath, format);
  disk.files[kPath] = "[Journal]\r\nClass=7B\r\n";
  EXPECT_EQ(store.Save(settings, kPath, format), kSetAside);
  EXPECT_EQ(disk.files[kSetAside], "[Journal]\r\nClass=7B\r\n");
  EXPECT_EQ(SettingsIn(disk, kPath), TeachersSettings());
  EXPECT_EQ(ValueIn(disk, kPath, L"Journal", L"Class"), L"");
}

constexpr wchar_t kTemporary[] = L"C:\\School\\Ostrevin.INI.tmp";

// A save interrupted on a FAT or exFAT stick can leave the new file under its
// temporary name and no file under the right one.
TEST_F(SettingsStoreTest, AMissingFileIsRestoredFromAWholeTemporaryFileOrTheBackup) {
  Settings newer = TeachersSettings();
  newer.LessLen = 350;
  FakeDisk written;
  SettingsStore writer(written, kWestern);
  writer.Save(newer, kPath, format);
  const std::string whole = written.files[kPath];
  struct Case {
    const char* label;
    std::optional<std::string> temporary;
    std::optional<std::string> backup;
    SettingsFileState state;
    std::wstring restoredFrom;
    Settings settings;
  };
  const Case cases[] = {
      {"whole temporary file", whole, kTeachersFile, SettingsFileState::kRestoredMissing,
       kTemporary, newer},
      {"temporary file cut short", whole.substr(0, whole.size() / 2), kTeachersFile,
       SettingsFileState::kRestoredMissing, kBackup, TeachersSettings()},
      {"backup only", std::nullopt, kTeachersFile, SettingsFileState::kRestoredMissing, kBackup,
       TeachersSettings()},
      {"backup without settings", std::nullopt, "[Journal]\r\n", SettingsFileState::kMissing, L"",
       SettingsFileDefaults()},
      {"nothing", std::nullopt, std::nullopt, SettingsFileState::kMissing, L"",
       SettingsFileDefaults()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    if (c.temporary) disk.files[kTemporary] = *c.temporary;
    if (c.backup) disk.files[kBackup] = *c.backup;
    Settings loaded;
    const SettingsFileFound found = store.Load(loaded, kPath, format);
    EXPECT_EQ(found.state, c.state);
    EXPECT_EQ(found.restoredFrom, c.restoredFrom);
    EXPECT_EQ(loaded, c.settings);
    if (c.restoredFrom.empty()) {
      EXPECT_FALSE(disk.files.contains(kPath));
    } else {
      EXPECT_EQ(disk.files[kPath], disk.files[c.restoredFrom]);
    }
  }
}

// A broken timetable confirmed with OK, then the window moved: the backup
// still holds the timetable the day began with.
TEST_F(SettingsStoreTest, TheBackupIsTheFileAsFoundAtStartWhateverTheLaterSaves) {
  disk.files[kPath] = kTeachersFile;
  store.Load(settings, kPath, format);
  settings.Lesson(Weekday::Monday, 1) = false;
  store.Save(settings, kPath, format);
  // The dialog opened again reads the file; the window moved saves.
  store.Load(settings, kPath, format);
  settings.TimerWindowPlace = WindowPlace{.left = 10, .top = 20, .screens = {}};
  store.Save(settings, kPath, format);
  EXPECT_EQ(disk.files[kBackup], kTeachersFile);
  EXPECT_EQ(std::ranges::count(disk.replaced, std::wstring(kBackup)), 1);

  SettingsStore nextRun(disk, kWestern);
  Settings next;
  nextRun.Load(next, kPath, format);
  const std::string foundNextRun = disk.files[kPath];
  next.LessLen = 300;
  nextRun.Save(next, kPath, format);
  EXPECT_EQ(disk.files[kBackup], foundNextRun);
}

TEST_F(SettingsStoreTest, TheBackupsSettingsServeEvenWhenTheFileCannotBeRestoredAtOnce) {
  disk.files[kPath] = "";
  disk.files[kBackup] = kTeachersFile;
  disk.ReplacesGive(kPath, FileAccess::kFailed, 1);
  EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kRestoredEmpty);
  EXPECT_EQ(settings, TeachersSettings());
  EXPECT_EQ(disk.files[kPath], "");
  store.Save(settings, kPath, format);
  EXPECT_EQ(SettingsIn(disk, kPath), TeachersSettings());
  EXPECT_EQ(disk.files[kBackup], kTeachersFile);
}

TEST_F(SettingsStoreTest, NoBackupOrABackupWithoutSettingsRestoresNothing) {
  const std::optional<std::string> backups[] = {std::nullopt, "", "[Journal]\r\nClass=7B\r\n"};
  for (const std::optional<std::string>& backup : backups) {
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    disk.files[kPath] = "";
    if (backup) disk.files[kBackup] = *backup;
    settings = TeachersSettings();
    EXPECT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kRead);
    EXPECT_EQ(settings, SettingsFileDefaults());
    EXPECT_TRUE(disk.replaced.empty());
  }
}

TEST_F(SettingsStoreTest, KeepsAUnicodeFileUnicodeAndWritesAnsiWhereItCan) {
  struct Case {
    const char* label;
    std::optional<std::string> found;
    RegionalTimeFormat format;
    bool unicode;
  };
  const Case cases[] = {
      {"new, plain", std::nullopt, test_support::RussianTime(), false},
      {"ANSI, plain", "[Common]\r\nLessLen=400\r\n", test_support::RussianTime(), false},
      {"UTF-16, plain", std::string("\xFF\xFE[\0C\0o\0m\0m\0o\0n\0]\0", 18),
       test_support::RussianTime(), true},
      {"UTF-8, plain", "\xEF\xBB\xBF[Common]\r\nLessLen=400\r\n", test_support::RussianTime(),
       true},
      {"new, Korean afternoon", std::nullopt, test_support::KoreanTime(), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    if (c.found) disk.files[kPath] = *c.found;
    store.Load(settings, kPath, c.format);
    settings.StartTime(1) = EncodeTimeOfDay(14, 15, 0, 0);
    store.Save(settings, kPath, c.format);
    EXPECT_EQ(DecodeIniText(disk.files[kPath], kWestern).encoding == TextEncoding::kUtf16,
              c.unicode);
    Settings loaded;
    store.Load(loaded, kPath, c.format);
    EXPECT_EQ(loaded, settings);
  }
}

TEST_F(SettingsStoreTest, ImportsASettingsFile) {
  disk.files[kChosen] = kTeachersFile;
  EXPECT_EQ(store.Import(settings, kChosen, format), ImportResult::kImported);
  EXPECT_EQ(settings, TeachersSettings());
}

TEST_F(SettingsStoreTest, TheFileHeldBackImportedOnceItIsFreeIsSavedAgain) {
  disk.files[kPath] = kTeachersFile;
  disk.ReadsGive(kPath, FileAccess::kBusy, SettingsStore::kAttempts);
  ASSERT_EQ(store.Load(settings, kPath, format).state, SettingsFileState::kUnreadable);
  EXPECT_EQ(store.Import(settings, kPath, format), ImportResult::kImported);
  EXPECT_FALSE(store.IsHeldBack(kPath));
  settings.LessLen = 350;
  store.Save(settings, kPath, format);
  EXPECT_EQ(ValueIn(disk, kPath, L"Common", L"LessLen"), L"350");
}

TEST_F(SettingsStoreTest, RefusesToImportWhatIsNoReadableSettingsFile) {
  struct Case {
    const char* label;
    std::optional<std::string> file;
    FileAccess read;
    ImportResult result;
  };
  const Case cases[] = {
      {"missing", std::nullopt, FileAccess::kDone, ImportResult::kMissing},
      {"busy", kTeachersFile, FileAccess::kBusy, ImportResult::kUnreadable},
      {"failed", kTeachersFile, FileAccess::kFailed, ImportResult::kUnreadable},
      {"empty", "", FileAccess::kDone, ImportResult::kNotASettingsFile},
      {"Word document", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0[1]", 13),
       FileAccess::kDone, ImportResult::kNotASettingsFile},
      {"another program's", "[Other]\r\nLessLen=300\r\n", FileAccess::kDone,
       ImportResult::kNotASettingsFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    if (c.file) disk.files[kChosen] = *c.file;
    disk.ReadsGive(kChosen, c.read, FakeDisk::kForever);
    settings = TeachersSettings();
    EXPECT_EQ(store.Import(settings, kChosen, format), c.result);
    EXPECT_EQ(settings, TeachersSettings());
    EXPECT_TRUE(disk.replaced.empty());
  }
}

TEST_F(SettingsStoreTest, ExportsIntoANewOrBlankFileWithoutAsking) {
  const std::optional<std::string> found[] = {std::nullopt, "", "\r\n \r\n"};
  for (const std::optional<std::string>& file : found) {
    SCOPED_TRACE(testing::PrintToString(file));
    FakeDisk disk;
    SettingsStore store(disk, kWestern);
    if (file) disk.files[kChosen] = *file;
    bool asked = false;
    EXPECT_EQ(store.Export(TeachersSettings(), kChosen, format, [&] { return asked = true; }),
              ExportResult::kExported);
    EXPECT_FALSE(asked);
    EXPECT_EQ(SettingsIn(disk, kChosen), TeachersSettings());
    EXPECT_EQ(disk.replaced, std::vector<std::wstring>{kChosen}) << "no backup of an export";
  }
}

TEST_F(SettingsStoreTest, ExportsIntoASettingsFileKeepingItsOtherLinesWithoutAsking) {
  disk.files[kChosen] = "[Common]\r\nColour=blue\r\nLessLen=300\r\n";
  bool asked = false;
  EXPECT_EQ(store.Export(TeachersSettings(), kChosen, format, [&] { return asked = true; }),
            ExportResult::kExported);
  EXPECT_FALSE(asked);
  EXPECT_EQ(SettingsIn(disk, kChosen), TeachersSettings());
  EXPECT_EQ(ValueIn(disk, kChosen, L"Common", L"Colour"), L"blue");
  EXPECT_EQ(disk.replaced, std::vector<std::wstring>{kChosen}) << "no backup of an export";
}

TEST_F(SettingsStoreTest, AsksBeforeReplacingAnotherFileWithAWholeSettingsFile) {
  const std::string other = "[Other]\r\nkey=value\r\n";
  disk.files[kChosen] = other;
  int asked = 0;
  EXPECT_EQ(store.Export(TeachersSettings(), kChosen, format,
                         [&] {
                           ++asked;
                           return false;
                         }),
            ExportResult::kDeclined);
  EXPECT_EQ(disk.files[kChosen], other);
  EXPECT_TRUE(disk.replaced.empty());

  EXPECT_EQ(store.Export(TeachersSettings(), kChosen, format,
                         [&] {
                           ++asked;
                           return true;
                         }),
            ExportResult::kExported);
  EXPECT_EQ(asked, 2);
  IniDocument document = DocumentIn(disk, kChosen);
  EXPECT_EQ(document.SectionNames(),
            (std::vector<std::wstring>{L"1", L"Times", L"2", L"3", L"4", L"5", L"Common", L"Sounds",
                                       L"Window", L"Bell"}));
  EXPECT_EQ(SettingsIn(disk, kChosen), TeachersSettings());
}

TEST_F(SettingsStoreTest, AnExportThatCannotReadTheFileThereWritesNothing) {
  disk.files[kChosen] = kTeachersFile;
  disk.ReadsGive(kChosen, FileAccess::kBusy, FakeDisk::kForever);
  EXPECT_EQ(ErrorOf([&] { store.Export(settings, kChosen, format, [] { return true; }); }),
            ExportNotWrittenText(kChosen));
  EXPECT_TRUE(disk.replaced.empty());
}

}  // namespace
}  // namespace ostrevin
