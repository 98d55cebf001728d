#include "system/program_path.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace ostrevin {
namespace {

TEST(ProgramPathTest, NamesTheRunningProgramsFileInFull) {
  const std::wstring path = ProgramPath();
  ASSERT_GT(path.size(), 4u);
  EXPECT_TRUE(path[1] == L':' || path.rfind(L"\\\\", 0) == 0) << path;
  EXPECT_EQ(::CompareStringOrdinal(path.c_str() + path.size() - 4, -1, L".exe", -1, TRUE),
            CSTR_EQUAL);
  EXPECT_EQ(::GetModuleHandleW(path.c_str()), ::GetModuleHandleW(nullptr));
}

}  // namespace
}  // namespace ostrevin
