#include "system/private_profile_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/app_error.h"
#include "temp_folder.h"

namespace ostrevin {
namespace {

using testing::FileExists;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class PrivateProfileFileTest : public ::testing::Test {
 protected:
  std::wstring WithContent(const std::string& content) {
    WriteFileBytes(path_, content);
    return path_;
  }

  testing::TempFolder folder_;
  std::wstring path_ = folder_.File(L"settings.ini");
};

TEST_F(PrivateProfileFileTest, FindsSectionsAndKeysWithoutRegardToLetterCase) {
  PrivateProfileFile file(WithContent("[Times]\r\n1=8:30:00\r\n[Common]\r\nLessLen=600\r\n"));
  EXPECT_EQ(file.ReadString(L"times", L"1"), L"8:30:00");
  EXPECT_EQ(file.ReadString(L"TIMES", L"1"), L"8:30:00");
  EXPECT_EQ(file.ReadString(L"common", L"lesslen"), L"600");
  EXPECT_EQ(file.ReadString(L"Common", L"LESSLEN"), L"600");
}

struct ValueCase {
  const char* label;
  std::string line;
  std::wstring value;
};

void PrintTo(const ValueCase& value, std::ostream* out) {
  *out << value.label;
}

class ValueTextTest : public PrivateProfileFileTest,
                      public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTextTest, HasBlanksAndOneEnclosingPairOfQuotesRemoved) {
  PrivateProfileFile file(WithContent("[Common]\r\n" + GetParam().line + "\r\n"));
  EXPECT_EQ(file.ReadString(L"Common", L"LessLen"), GetParam().value);
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
                      ValueCase{"Empty", "LessLen=", L""}));

TEST_F(PrivateProfileFileTest, CutsALongValueTo2047Characters) {
  const std::string value(3000, 'x');
  PrivateProfileFile file(WithContent("[Common]\r\nLessLen=" + value + "\r\n"));
  EXPECT_EQ(file.ReadString(L"Common", L"LessLen"), std::wstring(2047, L'x'));
}

TEST_F(PrivateProfileFileTest, ReadsEmptyForAMissingFileSectionOrKeyAndCreatesNothing) {
  PrivateProfileFile missing(folder_.File(L"missing.ini"));
  EXPECT_EQ(missing.ReadString(L"Common", L"LessLen"), L"");
  missing.Flush();
  EXPECT_FALSE(FileExists(folder_.File(L"missing.ini")));

  PrivateProfileFile file(WithContent("[Common]\r\nLessLen=600\r\n"));
  EXPECT_EQ(file.ReadString(L"Sounds", L"LessLen"), L"");
  EXPECT_EQ(file.ReadString(L"Common", L"IntroTime"), L"");
}

TEST_F(PrivateProfileFileTest, ReplacesAKeyInPlaceAndAddsNewKeysAtTheEndOfTheirSection) {
  PrivateProfileFile file(
      WithContent("[Common]\r\nLessLen=450\r\nIntroTime=50\r\n[Other]\r\nx=1\r\n"));
  file.WriteString(L"common", L"lesslen", L"600");
  file.WriteString(L"Common", L"WarnVal", L"3");
  file.Flush();
  EXPECT_EQ(ReadFileBytes(path_),
            "[Common]\r\nLessLen=600\r\nIntroTime=50\r\nWarnVal=3\r\n[Other]\r\nx=1\r\n");
}

TEST_F(PrivateProfileFileTest, CreatesAMissingFileAndAddsNewSectionsAtItsEnd) {
  PrivateProfileFile file(path_);
  file.WriteString(L"1", L"1", L"1");
  file.WriteString(L"Times", L"1", L"8:30:00");
  file.WriteString(L"1", L"2", L"0");
  file.Flush();
  EXPECT_EQ(ReadFileBytes(path_), "[1]\r\n1=1\r\n2=0\r\n[Times]\r\n1=8:30:00\r\n");
}

// Keeps the process's current folder for one test.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::wstring& folder) {
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    previous_ = previous;
    ::SetCurrentDirectoryW(folder.c_str());
  }
  ~CurrentFolder() { ::SetCurrentDirectoryW(previous_.c_str()); }

 private:
  std::wstring previous_;
};

TEST_F(PrivateProfileFileTest, TakesARelativeNameFromTheCurrentFolder) {
  CurrentFolder current(folder_.Path());
  PrivateProfileFile file(L"relative.ini");
  EXPECT_EQ(file.Path(), folder_.File(L"relative.ini"));
  file.WriteString(L"Common", L"LessLen", L"600");
  file.Flush();
  EXPECT_EQ(ReadFileBytes(folder_.File(L"relative.ini")), "[Common]\r\nLessLen=600\r\n");
}

TEST_F(PrivateProfileFileTest, AFailedWriteNamesTheFullPath) {
  CurrentFolder current(folder_.Path());
  PrivateProfileFile file(L"settings.ini");
  auto lock = testing::OpenWithoutSharing(path_);
  try {
    file.WriteString(L"Common", L"LessLen", L"600");
    FAIL() << "the write to a locked file succeeded";
  } catch (const AppError& error) {
    EXPECT_EQ(error.message(), L"Unable to write to " + path_);
  }
}

TEST_F(PrivateProfileFileTest, AnEmptyNameIsNeitherReadNorWritten) {
  // The profile functions would take win.ini for it.
  PrivateProfileFile file(L"");
  EXPECT_EQ(file.ReadString(L"mail", L"MAPI"), L"");
  EXPECT_THROW(file.WriteString(L"Common", L"LessLen", L"600"), AppError);
}

}  // namespace
}  // namespace ostrevin
