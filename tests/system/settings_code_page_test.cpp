// The settings file's text on two Windows of different ANSI code pages: a
// Western one (1252) and a Cyrillic one (1251). Run twice by the test
// command, once under each; "--code-page=<number>" on the command line says
// which this run is meant to be.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>

#include "profile_functions_file.h"
#include "settings/ini_document.h"
#include "settings/ini_text_encoding.h"
#include "system/ansi_code_page_win32.h"
#include "system/settings_disk_win32.h"
#include "system/settings_storage.h"
#include "temp_folder.h"

namespace ostrevin {
namespace {

using test_support::ReadFileBytes;
using test_support::WriteFileBytes;

// A schedule named in the school's own words, as the bell schedules keep it.
const std::wstring kSchedule = L"Schedule Сокращённые";
const std::wstring kName = L"Уроки по 30 минут, «ёлка»";

class SettingsCodePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring commandLine = ::GetCommandLineW();
    const std::wstring option = L"--code-page=";
    const std::size_t given = commandLine.find(option);
    ASSERT_NE(given, std::wstring::npos) << "run by the test command under a chosen code page";
    ASSERT_EQ(::GetACP(), std::wcstoul(commandLine.c_str() + given + option.size(), nullptr, 10));
  }

  // Writes the document the way every save does.
  void Save(const IniDocument& document, TextEncoding found) {
    ASSERT_EQ(disk_.Replace(path_, EncodeIniText(document.Text(), found, codePage_)),
              FileAccess::kDone);
  }
  IniDocument Load(TextEncoding* found = nullptr) {
    const DecodedText text = DecodeIniText(disk_.Read(path_).bytes, codePage_);
    if (found) *found = text.encoding;
    return IniDocument(text.text);
  }

  test_support::TempFolder folder_;
  std::wstring path_ = folder_.File(L"Ostrevin.INI");
  SystemSettingsDisk disk_;
  SystemAnsiCodePage codePage_;
};

TEST_F(SettingsCodePageTest, CyrillicNamesAndValuesSurviveASaveAndALoad) {
  IniDocument document(L"[Common]\r\nLessLen=450\r\n");
  document.WriteString(kSchedule, L"Name", kName);
  Save(document, TextEncoding::kAnsi);
  EXPECT_EQ(Load().Value(kSchedule, L"Name"), kName);
}

TEST_F(SettingsCodePageTest, AnOlderCopyReadsTheCyrillicBack) {
  IniDocument document(L"[Common]\r\nLessLen=450\r\n");
  document.WriteString(kSchedule, L"Name", kName);
  Save(document, TextEncoding::kAnsi);
  test_support::ProfileFunctionsFile olderCopy(path_);
  EXPECT_EQ(olderCopy.ReadString(kSchedule, L"Name"), kName);
  EXPECT_EQ(olderCopy.ReadString(L"Common", L"LessLen"), L"450");
}

// Notepad opens either form as text: the system's code page, or Unicode by
// its mark.
TEST_F(SettingsCodePageTest, IsAnsiWhereTheCodePageHoldsEveryCharacterElseUnicode) {
  IniDocument document;
  document.WriteString(kSchedule, L"Name", L"Ёлка");
  Save(document, TextEncoding::kAnsi);
  const std::string bytes = ReadFileBytes(path_);
  if (::GetACP() == 1251) {
    EXPECT_EQ(
        bytes,
        "[Schedule \xD1\xEE\xEA\xF0\xE0\xF9\xB8\xED\xED\xFB\xE5]\r\nName=\xA8\xEB\xEA\xE0\r\n");
  } else {
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE[\0", 4));
  }
}

TEST_F(SettingsCodePageTest, NoCharacterIsReplacedByALookAlike) {
  // Code page 1252 has a best-fit "e" for "ё" and "A" for "Ā": saved as
  // ANSI they would come back changed.
  IniDocument document;
  document.WriteString(L"Schedule", L"Name", L"Ā ё ĉ");
  Save(document, TextEncoding::kAnsi);
  TextEncoding found = TextEncoding::kAnsi;
  EXPECT_EQ(Load(&found).Value(L"Schedule", L"Name"), L"Ā ё ĉ");
  EXPECT_EQ(found, TextEncoding::kUtf16);
}

TEST_F(SettingsCodePageTest, AUnicodeFileStaysUnicode) {
  WriteFileBytes(path_, std::string("\xFF\xFE[\0C\0o\0m\0m\0o\0n\0]\0\r\0\n\0", 22));
  Settings settings;
  LoadSettings(settings, path_);
  SaveSettings(settings, path_);
  EXPECT_EQ(ReadFileBytes(path_).substr(0, 4), std::string("\xFF\xFE[\0", 4));
  test_support::ProfileFunctionsFile olderCopy(path_);
  EXPECT_EQ(olderCopy.ReadString(L"Common", L"LessLen"), L"450");
}

// An older copy writes its file in the code page (and cannot keep what does
// not fit it): whatever it could keep is read as the same text.
TEST_F(SettingsCodePageTest, AFileOfAnOlderCopyInTheCodePageIsReadAsItsText) {
  const std::wstring section = ::GetACP() == 1251 ? kSchedule : L"Schedule Caf\u00e9";
  const std::wstring name = ::GetACP() == 1251 ? L"Ёлка" : L"cr\u00e8me br\u00fbl\u00e9e";
  test_support::ProfileFunctionsFile olderCopy(path_);
  olderCopy.WriteString(section, L"Name", name);
  olderCopy.Flush();
  TextEncoding found = TextEncoding::kUtf16;
  const IniDocument document = Load(&found);
  EXPECT_EQ(found, TextEncoding::kAnsi);
  EXPECT_EQ(document.Value(section, L"Name"), name);
}

}  // namespace
}  // namespace ostrevin
