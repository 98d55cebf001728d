// The program's INI document reads and changes a settings file as the
// system's private-profile functions do: version 1.0.0.0 of the program used
// them, and a file either of them wrote means the same to the other.
#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "profile_functions_file.h"
#include "settings/ini_document.h"
#include "system/ansi_code_page_win32.h"
#include "temp_folder.h"

namespace ostrevin {
namespace {

using test_support::ProfileFunctionsFile;
using test_support::ReadFileBytes;
using test_support::WriteFileBytes;

IniDocument DocumentOf(const std::string& content) {
  return IniDocument(DecodeIniText(content, SystemAnsiCodePage()).text);
}

// The lines that are not blank: the profile functions drop blank lines when
// they rewrite a file (measured under Wine), the document keeps them.
std::vector<std::string> TextLines(const std::string& content) {
  std::vector<std::string> lines;
  std::istringstream in(content);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") != std::string::npos) lines.push_back(line);
  }
  return lines;
}

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

class IniDocumentPlatformTest : public ::testing::Test {
 protected:
  // Reads the key both ways from a file of that content; both must give the
  // expected value.
  void ExpectBothRead(const std::string& content, const std::wstring& section,
                      const std::wstring& key, const std::wstring& expected) {
    WriteFileBytes(path_, content);
    EXPECT_EQ(ProfileFunctionsFile(path_).ReadString(section, key), expected)
        << "profile functions, " << Narrow(section) << "/" << Narrow(key);
    EXPECT_EQ(DocumentOf(content).Value(section, key), expected)
        << "document, " << Narrow(section) << "/" << Narrow(key);
  }

  test_support::TempFolder folder_;
  std::wstring path_ = folder_.File(L"settings.ini");
};

TEST_F(IniDocumentPlatformTest, FindsSectionsAndKeysWithoutRegardToLetterCase) {
  const std::string content = "[Times]\r\n1=8:30:00\r\n[Common]\r\nLessLen=600\r\n";
  ExpectBothRead(content, L"times", L"1", L"8:30:00");
  ExpectBothRead(content, L"TIMES", L"1", L"8:30:00");
  ExpectBothRead(content, L"common", L"lesslen", L"600");
  ExpectBothRead(content, L"Common", L"LESSLEN", L"600");
}

struct ValueCase {
  const char* label;
  std::string line;
  std::wstring value;
};

void PrintTo(const ValueCase& value, std::ostream* out) {
  *out << value.label;
}

class ValueTextTest : public IniDocumentPlatformTest,
                      public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTextTest, HasBlanksAndOneEnclosingPairOfQuotesRemoved) {
  ExpectBothRead("[Common]\r\n" + GetParam().line + "\r\n", L"Common", L"LessLen",
                 GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ValueTextTest,
    ::testing::Values(ValueCase{"Plain", "LessLen=455", L"455"},
                      ValueCase{"BlanksAroundEquals", "LessLen =   455   ", L"455"},
                      ValueCase{"Tabs", "  LessLen\t=\t455\t", L"455"},
                      ValueCase{"DoubleQuotes", "LessLen=\"455\"", L"455"},
                      ValueCase{"SingleQuotesInBlanks", "LessLen= '455' ", L"455"},
                      ValueCase{"UnmatchedQuote", "LessLen=\"455", L"\"455"},
                      ValueCase{"InnerQuotes", "LessLen=\"4\"5", L"\"4\"5"},
                      ValueCase{"SecondEquals", "LessLen=4=5", L"4=5"},
                      ValueCase{"Semicolon", "LessLen=455 ; minutes", L"455 ; minutes"},
                      ValueCase{"Empty", "LessLen=", L""}));

TEST_F(IniDocumentPlatformTest, CutsALongValueTo2047Characters) {
  ExpectBothRead("[Common]\r\nLessLen=" + std::string(3000, 'x') + "\r\n", L"Common", L"LessLen",
                 std::wstring(2047, L'x'));
}

struct FileCase {
  const char* label;
  std::string content;
  std::wstring section;
  std::wstring key;
  std::wstring value;
};

void PrintTo(const FileCase& file, std::ostream* out) {
  *out << file.label;
}

class FileShapeTest : public IniDocumentPlatformTest,
                      public ::testing::WithParamInterface<FileCase> {};

TEST_P(FileShapeTest, ReadsTheSameValue) {
  ExpectBothRead(GetParam().content, GetParam().section, GetParam().key, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileShapeTest,
    ::testing::Values(
        FileCase{"LineFeedsOnly", "[A]\nx=1\ny=2\n", L"A", L"y", L"2"},
        FileCase{"CarriageReturnsOnly", "[A]\rx=1\ry=2\r", L"A", L"y", L"2"},
        FileCase{"NoLineEndAtTheEnd", "[A]\r\nx=1\r\ny=2", L"A", L"y", L"2"},
        FileCase{"TextAfterTheHeader", "[A] junk\r\nx=1\r\n", L"A", L"x", L"1"},
        FileCase{"TwoClosingBrackets", "[A]b]\r\nx=1\r\n", L"A]b", L"x", L"1"},
        FileCase{"NotTheFirstBracket", "[A]b]\r\nx=1\r\n", L"A", L"x", L""},
        FileCase{"UnclosedHeader", "[A\r\nx=1\r\n", L"A", L"x", L""},
        FileCase{"IndentedHeader", "   [ A ]\r\nx=1\r\n", L"A", L"x", L"1"},
        FileCase{"SecondSectionOfTheName", "[A]\r\nx=1\r\n[a]\r\ny=2\r\n", L"A", L"y", L""},
        FileCase{"SecondKeyOfTheName", "[A]\r\nx=1\r\nX=2\r\n", L"A", L"x", L"1"},
        FileCase{"SemicolonKey", "[A]\r\n;x=1\r\n", L"A", L";x", L"1"},
        FileCase{"KeyWithBlanksInside", "[A]\r\nmy key = v\r\n", L"A", L"my key", L"v"},
        FileCase{"EmptyKeyName", "[A]\r\n=5\r\n", L"A", L"", L"5"},
        FileCase{"BracketKey", "[A]\r\n[x=1\r\n", L"A", L"[x", L"1"},
        FileCase{"BeforeANul", std::string("[A]\r\nx=1\0z\r\ny=2\r\n", 17), L"A", L"x", L"1"},
        FileCase{"AfterANul", std::string("[A]\r\nx=1\0z\r\ny=2\r\n", 17), L"A", L"y", L"2"},
        FileCase{"NulsBeforeAHeader", std::string("\0\0\0\0[A]\r\ny=2\r\n", 14), L"A", L"y", L""},
        FileCase{"UnicodeFile", std::string("\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0\x1F\x04\r\0\n\0", 22),
                 L"A", L"x", L"\u041f"}));

struct WritesCase {
  const char* label;
  std::string content;                            // no file when empty
  std::vector<std::vector<std::wstring>> writes;  // section, key, value
};

void PrintTo(const WritesCase& writes, std::ostream* out) {
  *out << writes.label;
}

class WritesTest : public IniDocumentPlatformTest,
                   public ::testing::WithParamInterface<WritesCase> {};

TEST_P(WritesTest, ChangeTheFileTheSameWay) {
  if (!GetParam().content.empty()) WriteFileBytes(path_, GetParam().content);
  IniDocument document = DocumentOf(GetParam().content);
  ProfileFunctionsFile file(path_);
  for (const std::vector<std::wstring>& write : GetParam().writes) {
    file.WriteString(write[0], write[1], write[2]);
    document.WriteString(write[0], write[1], write[2]);
  }
  file.Flush();
  EXPECT_EQ(TextLines(Narrow(document.Text())), TextLines(ReadFileBytes(path_)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, WritesTest,
    ::testing::Values(
        WritesCase{"NewFileNewSectionsAtTheEnd",
                   "",
                   {{L"1", L"1", L"1"}, {L"Times", L"1", L"8:30:00"}, {L"1", L"2", L"0"}}},
        WritesCase{"KeyReplacedInPlaceNewKeyAtTheEndOfItsSection",
                   "[Common]\r\nLessLen=450\r\nIntroTime=50\r\n[Other]\r\nx=1\r\n",
                   {{L"common", L"lesslen", L"600"}, {L"Common", L"WarnVal", L"3"}}},
        WritesCase{"OtherLinesKept",
                   "; by hand\r\n[Other]\r\nkey=value\r\n[common]\r\nForeign=yes\r\nno key\r\n"
                   "LessLen = 1\r\n",
                   {{L"Common", L"LessLen", L"455"},
                    {L"Common", L"IntroTime", L"50"},
                    {L"Sounds", L"CountDown", L"0"}}},
        WritesCase{"QuotedValueReplaced", "[A]\r\nx=\"old\"\r\n", {{L"A", L"x", L"new"}}}));

}  // namespace
}  // namespace ostrevin
