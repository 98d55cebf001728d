#include "support/memory_profile_file.h"

#include <gtest/gtest.h>

#include <string>

#include "base/app_error.h"

namespace ostrevin::test_support {
namespace {

constexpr wchar_t kPath[] = L"C:\\School\\Ostrevin.INI";

TEST(MemoryProfileFile, ReadsAsThePlatformDoes) {
  MemoryProfileFile file(kPath,
                         L"top=level\r\n"
                         L"[Common]\r\n"
                         L"LessLen=450\r\n"
                         L"  Spaced  =  a value  \r\n"
                         L"Double=\"quoted \"\r\n"
                         L"Single='x'\r\n"
                         L"Mixed=\"x'\r\n"
                         L"Inner=a\"b\"\r\n"
                         L"Equals=a=b\r\n"
                         L"NoKey\r\n"
                         L"LessLen=999\r\n"
                         L"[ common ]\r\n"
                         L"Later=1\r\n"
                         L"[Other]\r\n"
                         L"Key=other\r\n");
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"Common", L"LessLen", L"450"},    {L"COMMON", L"lesslen", L"450"},
      {L"Common", L"Spaced", L"a value"}, {L"Common", L"Double", L"quoted "},
      {L"Common", L"Single", L"x"},       {L"Common", L"Mixed", L"\"x'"},
      {L"Common", L"Inner", L"a\"b\""},   {L"Common", L"Equals", L"a=b"},
      {L"Common", L"NoKey", L""},         {L"Common", L"Later", L""},
      {L"Common", L"Key", L""},           {L"Other", L"Key", L"other"},
      {L"Missing", L"Key", L""},          {L"", L"top", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(file.ReadString(c.section, c.key), c.expected) << c.section << "/" << c.key;
  }
}

TEST(MemoryProfileFile, ReadsAtMost2047Characters) {
  const std::wstring longValue(3000, L'7');
  MemoryProfileFile file(kPath, L"[S]\nK=" + longValue + L"\n");
  EXPECT_EQ(file.ReadString(L"S", L"K"), longValue.substr(0, 2047));
}

TEST(MemoryProfileFile, WritesAsThePlatformDoes) {
  MemoryProfileFile file(kPath, L"[A]\nx = 1\nkeep\n\n[B]\ny=2\n");
  file.WriteString(L"a", L"X", L"10");
  file.WriteString(L"A", L"z", L"3");
  file.WriteString(L"C", L"w", L"4");
  file.WriteString(L"B", L"v", L"5");
  EXPECT_EQ(file.Text(), L"[A]\nx=10\nkeep\nz=3\n\n[B]\ny=2\nv=5\n[C]\nw=4\n");
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
