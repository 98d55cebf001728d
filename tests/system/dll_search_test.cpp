#include "system/dll_search.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "system/program_path.h"

namespace ostrevin {
namespace {

constexpr const wchar_t* kPlantedDll = L"planted_probe.dll";

std::wstring BesideTheProgram(const std::wstring& fileName) {
  const std::wstring program = ProgramPath();
  return program.substr(0, program.find_last_of(L'\\') + 1) + fileName;
}

// Without the restriction the program's own folder comes first in the search:
// the probe really lies where a planted DLL would (this runs before the
// restriction when the tests share one process).
TEST(DllSearchTest, WithoutTheRestrictionADllBesideTheProgramLoadsByName) {
  ASSERT_NE(::GetFileAttributesW(BesideTheProgram(kPlantedDll).c_str()), INVALID_FILE_ATTRIBUTES);
  HMODULE planted = ::LoadLibraryW(kPlantedDll);
  ASSERT_NE(planted, nullptr);
  ::FreeLibrary(planted);
  ASSERT_EQ(::GetModuleHandleW(kPlantedDll), nullptr);
}

TEST(DllSearchTest, AfterTheRestrictionADllOnlyBesideTheProgramIsNeverLoaded) {
  EXPECT_TRUE(RestrictDllSearchToSystemFolder()) << "the system has SetDefaultDllDirectories";
  EXPECT_EQ(::LoadLibraryW(kPlantedDll), nullptr);
  EXPECT_EQ(::LoadLibraryExW(kPlantedDll, nullptr, 0), nullptr);
  EXPECT_EQ(::GetModuleHandleW(kPlantedDll), nullptr);
  // What the program's own code and the system load by name still comes.
  HMODULE systemDll = ::LoadLibraryW(L"version.dll");
  EXPECT_NE(systemDll, nullptr);
  if (systemDll) ::FreeLibrary(systemDll);
}

}  // namespace
}  // namespace ostrevin
