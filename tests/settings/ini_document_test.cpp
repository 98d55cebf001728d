#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ostrevin {
namespace {

TEST(IniDocument, ReadsAsThePlatformDoes) {
  const IniDocument document(
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
      L";Comment=is a key\r\n"
      L"Inline=1 ; not a comment\r\n"
      L"LessLen=999\r\n"
      L"[ common ]\r\n"
      L"Later=1\r\n"
      L"[A]b]\r\n"
      L"Bracket=last\r\n"
      L"[Other]\r\n"
      L"Key=other\r\n");
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"Common", L"LessLen", L"450"},
      {L"COMMON", L"lesslen", L"450"},
      {L"Common", L"Spaced", L"a value"},
      {L"Common", L"Double", L"quoted "},
      {L"Common", L"Single", L"x"},
      {L"Common", L"Mixed", L"\"x'"},
      {L"Common", L"Inner", L"a\"b\""},
      {L"Common", L"Equals", L"a=b"},
      {L"Common", L"NoKey", L""},
      {L"Common", L";Comment", L"is a key"},
      {L"Common", L"Inline", L"1 ; not a comment"},
      {L"Common", L"Later", L""},
      {L"Common", L"Key", L""},
      {L"A]b", L"Bracket", L"last"},
      {L"A", L"Bracket", L""},
      {L"Other", L"Key", L"other"},
      {L"Missing", L"Key", L""},
      {L"", L"top", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(document.Value(c.section, c.key), c.expected) << c.section << "/" << c.key;
  }
}

TEST(IniDocument, IgnoresTheCaseOfAsciiLettersOnly) {
  const IniDocument document(L"[Расписание]\r\nÏ=1\r\nName=2\r\n");
  EXPECT_EQ(document.Value(L"Расписание", L"NAME"), L"2");
  EXPECT_EQ(document.Value(L"расписание", L"Name"), L"");
  EXPECT_EQ(document.Value(L"Расписание", L"ï"), L"");
}

TEST(IniDocument, ReadsAtMost2047Characters) {
  const std::wstring longValue(3000, L'7');
  const IniDocument document(L"[S]\nK=" + longValue + L"\n");
  EXPECT_EQ(document.Value(L"S", L"K"), longValue.substr(0, 2047));
}

TEST(IniDocument, TakesEveryKindOfLineEnd) {
  const std::wstring texts[] = {
      L"[A]\r\nx=1\r\ny=2\r\n",
      L"[A]\nx=1\ny=2",
      L"[A]\rx=1\ry=2\r",
      L"[A]\r\nx=1\ny=2\r",
  };
  for (const std::wstring& text : texts) {
    const IniDocument document(text);
    EXPECT_EQ(document.Lines(), (std::vector<std::wstring>{L"[A]", L"x=1", L"y=2"}))
        << testing::PrintToString(text);
    EXPECT_EQ(document.Value(L"A", L"y"), L"2");
  }
}

TEST(IniDocument, EndsALineAtItsFirstNulAsTheProfileFunctionsDo) {
  const IniDocument document(std::wstring(L"[A]\r\nx=1\0z\r\ny=2\r\n\0\0[B]\r\n", 24));
  EXPECT_EQ(document.Lines(), (std::vector<std::wstring>{L"[A]", L"x=1", L"y=2", L""}));
  EXPECT_TRUE(IniDocument(std::wstring(512, L'\0')).IsBlank());
}

TEST(IniDocument, WritesAsThePlatformDoes) {
  IniDocument document(L"[A]\nx = 1\nkeep\n\n[B]\ny=2\n");
  document.WriteString(L"a", L"X", L"10");
  document.WriteString(L"A", L"z", L"3");
  document.WriteString(L"C", L"w", L"4");
  document.WriteString(L"B", L"v", L"5");
  EXPECT_EQ(document.Lines(), (std::vector<std::wstring>{L"[A]", L"x=10", L"keep", L"z=3", L"",
                                                         L"[B]", L"y=2", L"v=5", L"[C]", L"w=4"}));
}

TEST(IniDocument, GivesBackEveryLineItDoesNotChangeWithWindowsLineEnds) {
  IniDocument document(
      L"; written by hand\n"
      L"\n"
      L"  [Journal]  \n"
      L"Class = 7B ; the teacher's own\n"
      L"a line of its own\n"
      L"[Common]\n"
      L"LessLen=400\n");
  document.WriteString(L"Common", L"LessLen", L"450");
  EXPECT_EQ(document.Text(),
            L"; written by hand\r\n"
            L"\r\n"
            L"  [Journal]  \r\n"
            L"Class = 7B ; the teacher's own\r\n"
            L"a line of its own\r\n"
            L"[Common]\r\n"
            L"LessLen=450\r\n");
}

TEST(IniDocument, WritesLineBreaksAndNulsOfANameOrValueAsBlanks) {
  IniDocument document;
  document.WriteString(L"Schedule", L"Name", L"Осень\r\n[Common]\r\nLessLen=1");
  document.WriteString(L"Schedule\n", std::wstring(L"Second\0Key", 10), std::wstring(L"x\0y", 3));
  EXPECT_EQ(document.SectionNames(), std::vector<std::wstring>{L"Schedule"});
  EXPECT_EQ(document.Value(L"Schedule", L"Name"), L"Осень  [Common]  LessLen=1");
  EXPECT_EQ(IniDocument(document.Text()).Value(L"Common", L"LessLen"), L"");
  EXPECT_EQ(document.Value(L"Schedule", L"Second Key"), L"x y");
}

TEST(IniDocument, KnowsItsSectionsAndWhetherItIsBlank) {
  const IniDocument document(L"\r\n[Times]\r\n1=8:30:00\r\n[sounds]\r\n");
  EXPECT_TRUE(document.HasSection(L"TIMES"));
  EXPECT_TRUE(document.HasSection(L"Sounds"));
  EXPECT_FALSE(document.HasSection(L"Common"));
  EXPECT_FALSE(document.IsBlank());
  EXPECT_TRUE(IniDocument().IsBlank());
  EXPECT_TRUE(IniDocument(L" \r\n\t\r\n").IsBlank());
  EXPECT_FALSE(IniDocument(L"x").IsBlank());
}

}  // namespace
}  // namespace ostrevin
