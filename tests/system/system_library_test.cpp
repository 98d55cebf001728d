#include "toolkit/system_library.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "system/program_path.h"

namespace ostrevin {
namespace {

using toolkit::LibraryFunction;
using toolkit::LoadedSystemFunction;
using toolkit::LoadSystemLibrary;
using toolkit::SystemFolderFile;

std::wstring FileOf(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(module, path, MAX_PATH);
  return std::wstring(path, length);
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(::towlower(c));
  return text;
}

TEST(SystemLibraryTest, ALibraryIsLoadedFromTheSystemFolderAndItsFunctionsFound) {
  const toolkit::UniqueModule library = LoadSystemLibrary(L"version.dll");
  ASSERT_TRUE(library);
  EXPECT_EQ(Lower(FileOf(library.get())), Lower(SystemFolderFile(L"version.dll")));
  EXPECT_NE(LibraryFunction<decltype(::GetFileVersionInfoSizeW)>(library.get(),
                                                                 "GetFileVersionInfoSizeW"),
            nullptr);
  EXPECT_EQ(LibraryFunction<void()>(library.get(), "NoSuchFunction"), nullptr);
  EXPECT_EQ(LibraryFunction<void()>(nullptr, "GetFileVersionInfoSizeW"), nullptr);
}

// planted_probe.dll lies beside this test program only, where a DLL planted
// beside a portable copy would: found by name, never by the helper.
TEST(SystemLibraryTest, ADllBesideTheProgramIsNeverLoadedInsteadOfASystemOne) {
  const std::wstring program = ProgramPath();
  const std::wstring beside = program.substr(0, program.find_last_of(L'\\') + 1);
  ASSERT_NE(::GetFileAttributesW((beside + L"planted_probe.dll").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(LoadSystemLibrary(L"planted_probe.dll"));
  EXPECT_EQ(::GetModuleHandleW(L"planted_probe.dll"), nullptr);
}

TEST(SystemLibraryTest, AFunctionOfALoadedSystemDllIsFoundWithoutLoadingAnything) {
  using GetTickCountFunction = DWORD WINAPI();
  const auto getTickCount =
      LoadedSystemFunction<GetTickCountFunction>(L"kernel32.dll", "GetTickCount");
  ASSERT_NE(getTickCount, nullptr);
  EXPECT_GE(getTickCount() + 1000, ::GetTickCount()) << "the real function";
  EXPECT_EQ(::GetModuleHandleW(L"dwmapi.dll"), nullptr) << "the test needs an unloaded DLL";
  using Function = HRESULT WINAPI(HWND, DWORD, PVOID, DWORD);
  EXPECT_EQ(LoadedSystemFunction<Function>(L"dwmapi.dll", "DwmGetWindowAttribute"), nullptr);
  EXPECT_EQ(::GetModuleHandleW(L"dwmapi.dll"), nullptr);
}

}  // namespace
}  // namespace ostrevin
