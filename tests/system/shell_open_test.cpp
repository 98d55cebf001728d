#include "system/shell_open.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "temp_folder.h"

namespace ostrevin {
namespace {

// A system program that, started with nothing to do, ends at once and shows
// no window.
std::wstring QuietSystemProgram() {
  wchar_t folder[MAX_PATH] = {};
  UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder, length < MAX_PATH ? length : 0) + L"\\rundll32.exe";
}

TEST(OpenURLTest, TheShellOpensATargetThatExists) {
  EXPECT_TRUE(OpenURL(QuietSystemProgram()));
}

TEST(OpenURLTest, ATargetThatDoesNotExistIsNotOpened) {
  test_support::TempFolder folder;
  EXPECT_FALSE(OpenURL(folder.File(L"нет такого файла.txt")));
  EXPECT_FALSE(OpenURL(folder.File(L"missing\\page.html")));
}

}  // namespace
}  // namespace ostrevin
