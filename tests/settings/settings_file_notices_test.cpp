#include "settings/settings_file_notices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ostrevin {
namespace {

constexpr wchar_t kPath[] = L"D:\\Ostrevin\\ostrevin.INI";
constexpr wchar_t kBackup[] = L"D:\\Ostrevin\\ostrevin.INI.bak";
constexpr wchar_t kTemporary[] = L"D:\\Ostrevin\\ostrevin.INI.tmp";
constexpr wchar_t kAside[] = L"D:\\Ostrevin\\ostrevin.INI.unreadable-2026-09-01";

bool Holds(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

// Every notice names the file, each place a file was taken from or moved to
// on a line of its own, and says what to do, in Russian.
TEST(SettingsFileFoundText, NamesTheFileAndEveryPlaceAndWhatToDo) {
  struct Case {
    const char* label;
    SettingsFileFound found;
    std::vector<std::wstring> parts;
  };
  const Case cases[] = {
      {"unreadable",
       {SettingsFileState::kUnreadable, L"", L"", false},
       {L"перезапустите Ostrevin"}},
      {"emptied",
       {SettingsFileState::kRestoredEmpty, kBackup, L"", false},
       {L"пустым", std::wstring(L"\n") + kBackup + L"\n", L"резервной копии", L"«Настройки»"}},
      {"missing, from the interrupted save",
       {SettingsFileState::kRestoredMissing, kTemporary, L"", false},
       {L"не найден", std::wstring(L"\n") + kTemporary + L"\n", L"прерванное сохранение",
        L"«Настройки»"}},
      {"missing, from the backup",
       {SettingsFileState::kRestoredMissing, kBackup, L"", false},
       {L"не найден", std::wstring(L"\n") + kBackup + L"\n", L"резервной копии"}},
      {"set aside, backup restored",
       {SettingsFileState::kSetAside, kBackup, kAside, false},
       {std::wstring(L"переименован в\n") + kAside + L"\n", kBackup, L"прежнее имя"}},
      {"set aside, nothing to restore",
       {SettingsFileState::kSetAside, L"", kAside, false},
       {std::wstring(L"переименован в\n") + kAside + L"\n", L"по умолчанию", L"прежнее имя"}},
      {"set aside, the settings in memory kept",
       {SettingsFileState::kSetAside, L"", kAside, true},
       {std::wstring(L"переименован в\n") + kAside + L"\n", L"при следующем сохранении"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::wstring text = SettingsFileFoundText(c.found, kPath);
    EXPECT_TRUE(Holds(text, std::wstring(L"\n") + kPath + L"\n")) << text;
    for (const std::wstring& part : c.parts) EXPECT_TRUE(Holds(text, part)) << text;
    EXPECT_FALSE(Holds(text, L"Unable")) << text;
  }
}

TEST(SettingsFileFoundText, SaysNothingWhenTheFileWasReadOrIsNew) {
  EXPECT_EQ(SettingsFileFoundText({SettingsFileState::kRead, L"", L"", false}, kPath), L"");
  EXPECT_EQ(SettingsFileFoundText({SettingsFileState::kMissing, L"", L"", false}, kPath), L"");
}

TEST(SettingsFileSetAsideAtSaveText, NamesBothFiles) {
  const std::wstring text = SettingsFileSetAsideAtSaveText(kPath, kAside);
  EXPECT_TRUE(Holds(text, std::wstring(L"\n") + kPath + L"\n")) << text;
  EXPECT_TRUE(Holds(text, std::wstring(L"\n") + kAside + L"\n")) << text;
}

TEST(SettingsNotSavedText, NamesTheFileAndSaysTheEditsAreKept) {
  const std::wstring texts[] = {SettingsNotSavedText(kPath), ExportNotWrittenText(kPath)};
  for (const std::wstring& text : texts) {
    EXPECT_TRUE(Holds(text, std::wstring(L"\n") + kPath + L"\n")) << text;
  }
  EXPECT_TRUE(Holds(texts[0], L"Изменения не потеряны")) << texts[0];
  EXPECT_TRUE(Holds(texts[1], L"другое место")) << texts[1];
}

}  // namespace
}  // namespace ostrevin
