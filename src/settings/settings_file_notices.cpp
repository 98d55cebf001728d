#include "settings/settings_file_notices.h"

namespace ostrevin {

namespace {

constexpr wchar_t kCheckInSettings[] =
    L"Проверьте расписание в окне «Настройки» и нажмите «OK», если всё верно.";

std::wstring RestoredFromText(const SettingsFileFound& found, const std::wstring& path) {
  if (found.restoredFrom == BackupPath(path)) {
    return L"Расписание и настройки восстановлены из резервной копии\n" + found.restoredFrom +
           L"\n(файл, каким Ostrevin нашёл его при последнем запуске).";
  }
  return L"Расписание и настройки восстановлены из файла\n" + found.restoredFrom +
         L"\n(его оставило прерванное сохранение).";
}

// After a file was moved aside: what the program works with now.
std::wstring WhatStandsInText(const SettingsFileFound& found, const std::wstring& path) {
  if (found.settingsKept) {
    return L"Расписание и настройки, с которыми работает Ostrevin, будут записаны на прежнее "
           L"место при следующем сохранении.";
  }
  if (found.restoredFrom.empty()) return L"Ostrevin работает с настройками по умолчанию.";
  return RestoredFromText(found, path);
}

}  // namespace

std::wstring SettingsFileFoundText(const SettingsFileFound& found, const std::wstring& path) {
  switch (found.state) {
    case SettingsFileState::kRead:
    case SettingsFileState::kMissing:
      return {};
    case SettingsFileState::kUnreadable:
      return L"Не удалось прочитать файл настроек\n" + path +
             L"\n(его занимает другая программа, или к нему нет доступа).\n\n"
             L"Ostrevin работает с настройками по умолчанию и не изменит этот файл. Чтобы вернуть "
             L"своё расписание, перезапустите Ostrevin, когда файл освободится.";
    case SettingsFileState::kRestoredEmpty:
      return L"Файл настроек\n" + path +
             L"\nоказался пустым (так бывает после внезапного отключения питания).\n\n" +
             RestoredFromText(found, path) + L"\n\n" + kCheckInSettings;
    case SettingsFileState::kRestoredMissing:
      return L"Файл настроек\n" + path + L"\nне найден.\n\n" + RestoredFromText(found, path) +
             L"\n\n" + kCheckInSettings;
    case SettingsFileState::kSetAside:
      return L"В файле настроек\n" + path +
             L"\nнет ни одного раздела, который понимает Ostrevin. Чтобы ничего из него не "
             L"потерять, файл переименован в\n" +
             found.setAside + L"\n\n" + WhatStandsInText(found, path) +
             L"\n\nЕсли файл писали вручную, исправьте его и дайте ему прежнее имя, пока Ostrevin "
             L"не запущен.";
  }
  return {};
}

std::wstring SettingsFileSetAsideAtSaveText(const std::wstring& path, const std::wstring& aside) {
  return L"Файл настроек\n" + path +
         L"\nбыл заменён файлом, в котором нет ни одного раздела, который понимает Ostrevin. "
         L"Чтобы ничего из него не потерять, он переименован в\n" +
         aside + L"\nа расписание и настройки Ostrevin записаны на прежнее место.";
}

std::wstring SettingsNotSavedText(const std::wstring& path) {
  return L"Настройки не сохранены: не удалось записать файл\n" + path +
         L"\n(его занимает другая программа, он только для чтения, или диск полон либо "
         L"недоступен).\n\nИзменения не потеряны, пока Ostrevin работает: он запишет их при "
         L"следующем сохранении. Освободите файл и нажмите «OK» в окне «Настройки» ещё раз.";
}

std::wstring SettingsFileHeldBackText(const std::wstring& path) {
  return L"Настройки не сохранены: Ostrevin не смог прочитать файл\n" + path +
         L"\nи не записывает его, чтобы не затереть расписание. Перезапустите Ostrevin, когда "
         L"файл освободится.";
}

std::wstring ExportNotWrittenText(const std::wstring& path) {
  return L"Не удалось записать файл\n" + path +
         L"\n(его занимает другая программа, он только для чтения, или диск полон либо "
         L"недоступен).\n\nЗакройте программу, которая держит файл, или выберите другое место.";
}

}  // namespace ostrevin
