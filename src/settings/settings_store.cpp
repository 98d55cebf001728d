#include "settings/settings_store.h"

#include <algorithm>
#include <utility>

#include "base/app_error.h"
#include "settings/school_timetable_file.h"
#include "settings/settings_file.h"

namespace ostrevin {

namespace {

// The sections every save writes; any one of them makes a settings file.
constexpr const wchar_t* kSettingsSections[] = {L"1", L"2",     L"3",      L"4",
                                                L"5", L"Times", L"Common", L"Sounds"};

// An administrator may write only the school's timetable by hand.
bool HoldsSchoolTimetable(const IniDocument& document) {
  return std::ranges::any_of(SchoolTimetableSections(), [&](const std::wstring& section) {
    return document.HasSection(section);
  });
}

// Windows file names match without regard to case; the program's own file is
// always named the same way, so folding ASCII letters is enough.
std::wstring FileKey(const std::wstring& path) {
  std::wstring key = path;
  std::ranges::transform(key, key.begin(), [](wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 0x20) : c;
  });
  return key;
}

AppError UnableToWrite(const std::wstring& path) {
  return AppError(L"Unable to write to " + path);
}

AppError HeldBack(const std::wstring& path) {
  return AppError(L"Настройки не сохранены: Ostrevin не смог прочитать файл\n" + path +
                  L"\nи не записывает его, чтобы не затереть расписание. Перезапустите "
                  L"Ostrevin, когда файл освободится.");
}

void LoadDefaults(Settings& settings, const RegionalTimeFormat& format) {
  IniDocument nothing;
  LoadSettings(settings, nothing, format);
}

}  // namespace

std::wstring BackupPath(const std::wstring& path) {
  return path + L".bak";
}

bool HoldsSettings(const IniDocument& document) {
  return std::ranges::any_of(
             kSettingsSections,
             [&](const wchar_t* section) { return document.HasSection(section); }) ||
         HoldsSchoolTimetable(document);
}

SettingsStore::SettingsStore(SettingsDisk& disk, const AnsiCodePage& codePage)
    : disk_(disk), codePage_(codePage) {}

SettingsFileState SettingsStore::Load(Settings& settings, const std::wstring& path,
                                      const RegionalTimeFormat& format) {
  const std::wstring key = FileKey(path);
  const FileContents found = ReadPatiently(path);
  if (found.access == FileAccess::kMissing) {
    read_.insert(key);
    heldBack_.erase(key);
    LoadDefaults(settings, format);
    return SettingsFileState::kMissing;
  }
  if (found.access != FileAccess::kDone) {
    if (!read_.contains(key)) {
      heldBack_.insert(key);
      LoadDefaults(settings, format);
    }
    return SettingsFileState::kUnreadable;
  }
  IniDocument document = DocumentOf(found);
  const bool restored = !HoldsSettings(document) && RestoreFromBackup(path, document);
  read_.insert(key);
  heldBack_.erase(key);
  LoadSettings(settings, document, format);
  return restored ? SettingsFileState::kRestoredFromBackup : SettingsFileState::kRead;
}

void SettingsStore::Save(const Settings& settings, const std::wstring& path,
                         const RegionalTimeFormat& format) {
  RefuseHeldBack(path);
  FoundFile file = ReadToWrite(path);
  const bool keepBackup = HoldsSettings(file.document);
  WriteSettings(settings, path, format, file, keepBackup);
}

bool SettingsStore::IsHeldBack(const std::wstring& path) const {
  return heldBack_.contains(FileKey(path));
}

ImportResult SettingsStore::Import(Settings& settings, const std::wstring& path,
                                   const RegionalTimeFormat& format) {
  const FileContents found = ReadPatiently(path);
  if (found.access == FileAccess::kMissing) return ImportResult::kMissing;
  if (found.access != FileAccess::kDone) return ImportResult::kUnreadable;
  IniDocument document = DocumentOf(found);
  if (!HoldsSettings(document)) return ImportResult::kNotASettingsFile;
  LoadSettings(settings, document, format);
  // The program's own file, imported once it is free again, is read now.
  read_.insert(FileKey(path));
  heldBack_.erase(FileKey(path));
  return ImportResult::kImported;
}

ExportResult SettingsStore::Export(const Settings& settings, const std::wstring& path,
                                   const RegionalTimeFormat& format,
                                   const std::function<bool()>& replaceOtherFile) {
  RefuseHeldBack(path);
  FoundFile file = ReadToWrite(path);
  if (!HoldsSettings(file.document) && !file.document.IsBlank()) {
    if (!replaceOtherFile()) return ExportResult::kDeclined;
    file.document = IniDocument();
    file.encoding = TextEncoding::kAnsi;
  }
  WriteSettings(settings, path, format, file, false);
  return ExportResult::kExported;
}

FileContents SettingsStore::ReadPatiently(const std::wstring& path) const {
  for (int attempt = 1;; ++attempt) {
    FileContents contents = disk_.Read(path);
    if (contents.access != FileAccess::kBusy || attempt == kAttempts) return contents;
    disk_.Pause(kRetryPauseMs);
  }
}

bool SettingsStore::ReplacePatiently(const std::wstring& path, const std::string& bytes) const {
  for (int attempt = 1;; ++attempt) {
    const FileAccess access = disk_.Replace(path, bytes);
    if (access != FileAccess::kBusy || attempt == kAttempts) return access == FileAccess::kDone;
    disk_.Pause(kRetryPauseMs);
  }
}

IniDocument SettingsStore::DocumentOf(const FileContents& contents, TextEncoding* encoding) const {
  DecodedText text = DecodeIniText(contents.bytes, codePage_);
  if (encoding) *encoding = text.encoding;
  return IniDocument(text.text);
}

SettingsStore::FoundFile SettingsStore::ReadToWrite(const std::wstring& path) const {
  FoundFile file;
  file.contents = ReadPatiently(path);
  if (file.contents.access == FileAccess::kMissing) return file;
  if (file.contents.access != FileAccess::kDone) throw UnableToWrite(path);
  file.document = DocumentOf(file.contents, &file.encoding);
  return file;
}

void SettingsStore::RefuseHeldBack(const std::wstring& path) const {
  if (IsHeldBack(path)) throw HeldBack(path);
}

void SettingsStore::WriteSettings(const Settings& settings, const std::wstring& path,
                                  const RegionalTimeFormat& format, FoundFile& file,
                                  bool keepBackup) {
  SaveSettings(settings, file.document, format);
  const std::string bytes = EncodeIniText(file.document.Text(), file.encoding, codePage_);
  // Written again unchanged, the file would only push its backup, the file
  // before the last real change, out of the way.
  if (file.contents.access == FileAccess::kDone && bytes == file.contents.bytes) return;
  // The backup serves only when the file itself is lost: one that cannot be
  // written must not cost the teacher the save.
  if (keepBackup) ReplacePatiently(BackupPath(path), file.contents.bytes);
  if (!ReplacePatiently(path, bytes)) throw UnableToWrite(path);
}

// The backup comes back only as a settings file; put back in the file's place
// at once, so that the file holds the timetable again even before the next
// save (which tries again when this fails).
bool SettingsStore::RestoreFromBackup(const std::wstring& path, IniDocument& document) {
  const FileContents backup = ReadPatiently(BackupPath(path));
  if (backup.access != FileAccess::kDone) return false;
  IniDocument saved = DocumentOf(backup);
  if (!HoldsSettings(saved)) return false;
  ReplacePatiently(path, backup.bytes);
  document = std::move(saved);
  return true;
}

}  // namespace ostrevin
