#include "system/system_sound.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "system/program_path.h"

namespace ostrevin {
namespace {

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH] = {};
  UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, length);
}

std::wstring FolderOf(const std::wstring& path) {
  return std::filesystem::path(path).parent_path().wstring();
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// A copy of the system's winmm.dll beside the test program, where a plain
// load by name would find it first.
class PlantedLibrary {
 public:
  PlantedLibrary() : path_(FolderOf(ProgramPath()) + L"\\winmm.dll") {
    planted_ =
        ::CopyFileW((SystemFolder() + L"\\winmm.dll").c_str(), path_.c_str(), FALSE) != FALSE;
  }
  ~PlantedLibrary() {
    if (planted_) ::DeleteFileW(path_.c_str());
  }
  PlantedLibrary(const PlantedLibrary&) = delete;
  PlantedLibrary& operator=(const PlantedLibrary&) = delete;

  bool planted() const { return planted_; }

 private:
  std::wstring path_;
  bool planted_ = false;
};

// Must run before any other cue of this process: every test runs in its own
// process under ctest, and this one comes first in the program.
TEST(SoundLibraryTest, IsLoadedAtTheFirstCueFromTheSystemFolderOnly) {
  PlantedLibrary planted;
  ASSERT_TRUE(planted.planted());
  ASSERT_EQ(::GetModuleHandleW(L"winmm.dll"), nullptr) << "imported or loaded too early";

  EXPECT_TRUE(PlaySystemSound(kSoundBeep, false));

  HMODULE library = ::GetModuleHandleW(L"winmm.dll");
  ASSERT_NE(library, nullptr);
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(library, path, MAX_PATH);
  EXPECT_TRUE(SameFolder(FolderOf(path), SystemFolder())) << path;
}

struct AliasCase {
  SoundKind kind;
  const wchar_t* alias;
};

void PrintTo(const AliasCase& alias, std::ostream* out) {
  *out << alias.kind;
}

class SystemSoundAliasTest : public ::testing::TestWithParam<AliasCase> {};

TEST_P(SystemSoundAliasTest, NamesTheCuesSystemSound) {
  EXPECT_STREQ(SystemSoundAlias(GetParam().kind), GetParam().alias);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SystemSoundAliasTest,
    ::testing::Values(AliasCase{1, L"SystemStart"}, AliasCase{2, L"SystemExit"},
                      AliasCase{3, L"WindowsLogon"}, AliasCase{4, L"WindowsLogoff"},
                      AliasCase{5, L"SystemAsterisk"}, AliasCase{6, L"SystemExclamation"},
                      AliasCase{7, L"SystemHand"}, AliasCase{8, L"SystemNotification"},
                      AliasCase{9, L"SystemQuestion"}, AliasCase{10, L"MailBeep"},
                      AliasCase{0, L"Ding"}, AliasCase{11, L"Ding"}, AliasCase{1000, L"Ding"},
                      AliasCase{0xFFFFFFFFu, L"Ding"}));

TEST(PlaySystemSoundTest, StartsEveryCueInTheBackground) {
  for (SoundKind kind = 0; kind <= 11; ++kind) {
    EXPECT_TRUE(PlaySystemSound(kind, false)) << kind;
  }
}

}  // namespace
}  // namespace ostrevin
