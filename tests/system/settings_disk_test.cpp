#include "system/settings_disk_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "temp_folder.h"
#include "toolkit/handles.h"

namespace ostrevin {
namespace {

using test_support::FileExists;
using test_support::ReadFileBytes;
using test_support::WriteFileBytes;

class SettingsDiskTest : public ::testing::Test {
 protected:
  // Nothing but the file itself in the folder: no attempt left behind.
  bool FolderHoldsOnly(const std::wstring& name) const {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder_.Path() + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool only = true;
    do {
      const std::wstring entry = found.cFileName;
      if (entry != L"." && entry != L".." && entry != name) only = false;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return only;
  }

  test_support::TempFolder folder_;
  std::wstring path_ = folder_.File(L"Ostrevin.INI");
  SystemSettingsDisk disk_;
};

TEST_F(SettingsDiskTest, ReadsTheWholeFile) {
  std::string content = std::string("\xFF\xFE", 2) + std::string(3, '\0');
  for (int i = 0; content.size() < 200000; ++i) content += "[Section" + std::to_string(i) + "]\r\n";
  WriteFileBytes(path_, content);
  const FileContents read = disk_.Read(path_);
  EXPECT_EQ(read.access, FileAccess::kDone);
  EXPECT_EQ(read.bytes, content);
}

TEST_F(SettingsDiskTest, TellsAMissingFileOrFolder) {
  EXPECT_EQ(disk_.Read(path_).access, FileAccess::kMissing);
  EXPECT_EQ(disk_.Read(folder_.File(L"no folder\\Ostrevin.INI")).access, FileAccess::kMissing);
  EXPECT_EQ(disk_.Replace(folder_.File(L"no folder\\Ostrevin.INI"), "x"), FileAccess::kMissing);
}

TEST_F(SettingsDiskTest, DoesNotReadAFileFarBiggerThanAnySettingsFile) {
  WriteFileBytes(path_, std::string(17 * 1024 * 1024, 'x'));
  EXPECT_EQ(disk_.Read(path_).access, FileAccess::kFailed);
}

TEST_F(SettingsDiskTest, ReplacesTheFileAndLeavesNothingBeside) {
  WriteFileBytes(path_, "[Common]\r\nLessLen=450\r\n");
  EXPECT_EQ(disk_.Replace(path_, "[Common]\r\nLessLen=400\r\n"), FileAccess::kDone);
  EXPECT_EQ(ReadFileBytes(path_), "[Common]\r\nLessLen=400\r\n");
  EXPECT_TRUE(FolderHoldsOnly(L"Ostrevin.INI"));
}

TEST_F(SettingsDiskTest, CreatesAMissingFile) {
  EXPECT_EQ(disk_.Replace(path_, "[1]\r\n1=1\r\n"), FileAccess::kDone);
  EXPECT_EQ(ReadFileBytes(path_), "[1]\r\n1=1\r\n");
  EXPECT_TRUE(FolderHoldsOnly(L"Ostrevin.INI"));
}

TEST_F(SettingsDiskTest, RenamesAFileButNeverOverAnother) {
  const std::wstring aside = folder_.File(L"Ostrevin.INI.unreadable-2026-09-01");
  WriteFileBytes(path_, "not understood");
  WriteFileBytes(aside, "set aside before");
  EXPECT_NE(disk_.Rename(path_, aside), FileAccess::kDone);
  EXPECT_EQ(ReadFileBytes(aside), "set aside before");
  EXPECT_EQ(ReadFileBytes(path_), "not understood");
  const std::wstring second = aside + L"-2";
  EXPECT_EQ(disk_.Rename(path_, second), FileAccess::kDone);
  EXPECT_EQ(ReadFileBytes(second), "not understood");
  EXPECT_FALSE(FileExists(path_));
  EXPECT_EQ(disk_.Rename(path_, aside + L"-3"), FileAccess::kMissing);
}

TEST_F(SettingsDiskTest, DatesAFileByTodaysLocalDate) {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  const std::wstring stamp = disk_.DateStamp();
  ASSERT_EQ(stamp.size(), 10u) << stamp;
  EXPECT_EQ(stamp.substr(0, 4), std::to_wstring(now.wYear));
  EXPECT_EQ(stamp[4], L'-');
  EXPECT_EQ(std::stoi(stamp.substr(5, 2)), now.wMonth);
  EXPECT_EQ(stamp[7], L'-');
}

// Another program has the file open: a backup or antivirus program that
// shares nothing, or a reader that lets no one rename or delete it.
struct HolderCase {
  const char* label;
  DWORD sharing;
  FileAccess read;
};

void PrintTo(const HolderCase& holder, std::ostream* out) {
  *out << holder.label;
}

class HeldFileTest : public SettingsDiskTest, public ::testing::WithParamInterface<HolderCase> {};

TEST_P(HeldFileTest, IsBusyAndStaysAsItWasWithNothingBeside) {
  WriteFileBytes(path_, "[Common]\r\nLessLen=450\r\n");
  {
    const toolkit::UniqueFileHandle held(::CreateFileW(path_.c_str(), GENERIC_READ,
                                                       GetParam().sharing, nullptr, OPEN_EXISTING,
                                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(disk_.Read(path_).access, GetParam().read);
    EXPECT_EQ(disk_.Replace(path_, "[Common]\r\nLessLen=400\r\n"), FileAccess::kBusy);
  }
  EXPECT_EQ(ReadFileBytes(path_), "[Common]\r\nLessLen=450\r\n");
  EXPECT_TRUE(FolderHoldsOnly(L"Ostrevin.INI"));
}

INSTANTIATE_TEST_SUITE_P(Holders, HeldFileTest,
                         ::testing::Values(HolderCase{"SharingNothing", 0, FileAccess::kBusy},
                                           HolderCase{"SharingReadAndWrite",
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                      FileAccess::kDone}));

TEST_F(SettingsDiskTest, AFailedReplacementLeavesTheFileAndWhatIsInTheWay) {
  WriteFileBytes(path_, "old");
  // A folder where the new file would be written first.
  ASSERT_TRUE(::CreateDirectoryW((path_ + L".tmp").c_str(), nullptr));
  EXPECT_NE(disk_.Replace(path_, "new"), FileAccess::kDone);
  EXPECT_EQ(ReadFileBytes(path_), "old");
  EXPECT_EQ(::GetFileAttributesW((path_ + L".tmp").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

// Another program (or the next start after a power cut) may look at the file
// at any moment of a save: it must find the old file or the new one, whole.
TEST_F(SettingsDiskTest, IsNeverSeenHalfWrittenOrMissingWhileItIsReplaced) {
  const std::string versions[] = {"[Common]\r\nLessLen=450\r\n" + std::string(3000, ';'),
                                  "[Common]\r\nLessLen=400\r\n" + std::string(5000, '#')};
  WriteFileBytes(path_, versions[0]);
  std::atomic<bool> saving = true;
  std::atomic<int> looks = 0;
  std::atomic<int> wrong = 0;
  std::thread watcher([&] {
    SystemSettingsDisk reader;
    while (saving) {
      const FileContents seen = reader.Read(path_);
      ++looks;
      if (seen.access != FileAccess::kDone ||
          (seen.bytes != versions[0] && seen.bytes != versions[1])) {
        ++wrong;
      }
    }
  });
  // The name cannot move onto a file that another program has open at that
  // instant: the settings store tries again, and so does this writer.
  int busy = 0;
  for (int save = 1; save <= 100; ++save) {
    FileAccess access;
    while ((access = disk_.Replace(path_, versions[save % 2])) == FileAccess::kBusy) ++busy;
    ASSERT_EQ(access, FileAccess::kDone) << save;
  }
  saving = false;
  watcher.join();
  EXPECT_EQ(wrong, 0) << "of " << looks << " looks, " << busy << " busy saves";
  EXPECT_GT(looks, 100);
}

}  // namespace
}  // namespace ostrevin
