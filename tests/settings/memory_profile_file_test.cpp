#include "support/memory_profile_file.h"

#include <gtest/gtest.h>

#include <string>

#include "base/app_error.h"

namespace ostrevin::test_support {
namespace {

constexpr wchar_t kPath[] = L"C:\\School\\Ostrevin.INI";

TEST(MemoryProfileFile, ReadsAndWritesItsDocument) {
  MemoryProfileFile file(kPath, L"[A]\r\nx = 1\r\nkeep\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(file.ReadString(L"a", L"X"), L"1");
  file.WriteString(L"A", L"z", L"3");
  file.WriteString(L"C", L"w", L"4");
  EXPECT_EQ(file.Text(), L"[A]\nx = 1\nkeep\nz=3\n[B]\ny=2\n[C]\nw=4\n");
  EXPECT_EQ(file.SectionNames(), (std::vector<std::wstring>{L"A", L"B", L"C"}));
  EXPECT_EQ(file.KeyNames(L"A"), (std::vector<std::wstring>{L"x", L"z"}));
}

TEST(MemoryProfileFile, CreatesAMissingFileOnlyWhenWritten) {
  MemoryProfileFile file(kPath);
  EXPECT_EQ(file.ReadString(L"A", L"x"), L"");
  file.Flush();
  EXPECT_FALSE(file.Exists());
  file.WriteString(L"A", L"x", L"1");
  EXPECT_TRUE(file.Exists());
  EXPECT_EQ(file.Text(), L"[A]\nx=1\n");
}

TEST(MemoryProfileFile, RecordsWritesAndFlushesInOrder) {
  MemoryProfileFile file(kPath);
  file.WriteString(L"A", L"x", L"1");
  file.Flush();
  file.WriteString(L"B", L"y", L"2");
  const std::vector<ProfileEvent> expected = {
      {ProfileEvent::Kind::kWrite, L"A", L"x", L"1"},
      FlushEvent(),
      {ProfileEvent::Kind::kWrite, L"B", L"y", L"2"},
  };
  EXPECT_EQ(file.Events(), expected);
}

TEST(MemoryProfileFile, RefusesTheChosenWriteOnly) {
  MemoryProfileFile file(kPath);
  file.FailWrite(2);
  file.WriteString(L"A", L"x", L"1");
  try {
    file.WriteString(L"A", L"y", L"2");
    ADD_FAILURE() << "the second write succeeded";
  } catch (const AppError& error) {
    EXPECT_EQ(error.message(), L"Unable to write to C:\\School\\Ostrevin.INI");
  }
  file.WriteString(L"A", L"z", L"3");
  EXPECT_EQ(file.Text(), L"[A]\nx=1\nz=3\n");
}

}  // namespace
}  // namespace ostrevin::test_support
