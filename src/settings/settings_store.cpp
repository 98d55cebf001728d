#include "settings/settings_store.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/app_error.h"
#include "settings/school_timetable_file.h"
#include "settings/settings_file.h"
#include "settings/settings_file_notices.h"

namespace ostrevin {

namespace {

// The sections every save writes; any one of them makes a settings file.
constexpr const wchar_t* kSettingsSections[] = {L"1",     L"2",      L"3",      L"4",    L"5",
                                                L"Times", L"Common", L"Sounds", L"Bell", L"Window"};

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

// A file that could not be read before writing, moved aside or written: the
// caller says what that means for the teacher.
struct NotWritten {};

AppError HeldBack(const std::wstring& path) {
  return AppError(SettingsFileHeldBackText(path));
}

void LoadDefaults(Settings& settings, const RegionalTimeFormat& format) {
  IniDocument nothing;
  LoadSettings(settings, nothing, format);
}

// Every save ends the file with a line break: a file cut short by a power cut
// seldom ends exactly at one.
bool EndsWithLineBreak(const std::wstring& text) {
  return !text.empty() && (text.back() == L'\n' || text.back() == L'\r');
}

SettingsFileFound Found(SettingsFileState state, std::wstring restoredFrom = {},
                        std::wstring setAside = {}) {
  SettingsFileFound found;
  found.state = state;
  found.restoredFrom = std::move(restoredFrom);
  found.setAside = std::move(setAside);
  return found;
}

SettingsFileFound SettingsKept() {
  SettingsFileFound found;
  found.settingsKept = true;
  return found;
}

// Files set aside on one day: "-2" .. "-99" after the first; a folder with a
// hundred of them has a problem no name can solve.
constexpr int kSetAsideAttempts = 99;

}  // namespace

std::wstring BackupPath(const std::wstring& path) {
  return path + L".bak";
}

std::wstring TemporaryPath(const std::wstring& path) {
  return path + L".tmp";
}

std::wstring SetAsidePath(const std::wstring& path, const std::wstring& date, int attempt) {
  std::wstring aside = path + L".unreadable-" + date;
  if (attempt > 1) aside += L"-" + std::to_wstring(attempt);
  return aside;
}

bool HoldsSettings(const IniDocument& document) {
  return std::ranges::any_of(
             kSettingsSections,
             [&](const wchar_t* section) { return document.HasSection(section); }) ||
         HoldsSchoolTimetable(document);
}

SettingsStore::SettingsStore(SettingsDisk& disk, const AnsiCodePage& codePage)
    : disk_(disk), codePage_(codePage) {}

SettingsFileFound SettingsStore::Load(Settings& settings, const std::wstring& path,
                                      const RegionalTimeFormat& format) {
  const std::wstring key = FileKey(path);
  // The teacher's edits that a save could not write are newer than the file.
  if (unsaved_.contains(key)) return SettingsKept();
  const FileContents found = ReadPatiently(path);
  switch (found.access) {
    case FileAccess::kDone:
      return LoadFound(settings, path, format, found);
    case FileAccess::kMissing:
      return LoadMissing(settings, path, format, {});
    case FileAccess::kBusy:
    case FileAccess::kFailed:
      break;
  }
  if (!read_.contains(key)) {
    heldBack_.insert(key);
    LoadDefaults(settings, format);
  }
  return Found(SettingsFileState::kUnreadable);
}

SettingsFileFound SettingsStore::LoadFound(Settings& settings, const std::wstring& path,
                                           const RegionalTimeFormat& format,
                                           const FileContents& found) {
  const std::wstring key = FileKey(path);
  IniDocument document = DocumentOf(found);
  if (HoldsSettings(document)) {
    Took(key, found.bytes);
    LoadSettings(settings, document, format);
    return {};
  }
  if (!document.IsBlank()) {
    std::optional<std::wstring> aside = SetAside(path);
    if (aside) {
      return LoadMissing(settings, path, format, Found(SettingsFileState::kSetAside, {}, *aside));
    }
    heldBack_.insert(key);
    if (!read_.contains(key)) LoadDefaults(settings, format);
    return Found(SettingsFileState::kUnreadable);
  }
  // Emptied, as a power cut can leave a file: the settings read before, else
  // the backup's, stand in.
  if (read_.contains(key)) return SettingsKept();
  read_.insert(key);
  heldBack_.erase(key);
  if (std::optional<std::wstring> from = Restore(settings, path, format, false)) {
    return Found(SettingsFileState::kRestoredEmpty, *from);
  }
  LoadDefaults(settings, format);
  return {};
}

// No file (any more): the settings read before, else what a save left whole,
// stand in for it.
SettingsFileFound SettingsStore::LoadMissing(Settings& settings, const std::wstring& path,
                                             const RegionalTimeFormat& format,
                                             SettingsFileFound result) {
  const std::wstring key = FileKey(path);
  const bool readBefore = read_.contains(key);
  heldBack_.erase(key);
  read_.insert(key);
  const bool setAside = result.state == SettingsFileState::kSetAside;
  if (readBefore) {
    result.settingsKept = true;
    return result;
  }
  if (std::optional<std::wstring> from = Restore(settings, path, format, true)) {
    if (!setAside) result.state = SettingsFileState::kRestoredMissing;
    result.restoredFrom = *from;
    return result;
  }
  LoadDefaults(settings, format);
  if (!setAside) result.state = SettingsFileState::kMissing;
  return result;
}

std::wstring SettingsStore::Save(const Settings& settings, const std::wstring& path,
                                 const RegionalTimeFormat& format) {
  RefuseHeldBack(path);
  const std::wstring key = FileKey(path);
  try {
    std::wstring setAside = WriteOwnFile(settings, path, format);
    unsaved_.erase(key);
    return setAside;
  } catch (const NotWritten&) {
    unsaved_.insert(key);
    throw AppError(SettingsNotSavedText(path));
  }
}

std::wstring SettingsStore::WriteOwnFile(const Settings& settings, const std::wstring& path,
                                         const RegionalTimeFormat& format) {
  FoundFile file = ReadToWrite(path);
  std::wstring setAside;
  if (file.contents.access == FileAccess::kDone && !HoldsSettings(file.document) &&
      !file.document.IsBlank()) {
    std::optional<std::wstring> aside = SetAside(path);
    if (!aside) throw NotWritten{};
    setAside = *aside;
    file = FoundFile{};
  }
  const std::wstring key = FileKey(path);
  const auto atStart = foundAtStart_.find(key);
  const std::string* backup = atStart != foundAtStart_.end() ? &atStart->second : nullptr;
  // Once a run: the backup stays the file as found at start, whatever the
  // later saves.
  if (WriteSettings(settings, path, format, file, backup)) {
    foundAtStart_.erase(atStart);
    backedUp_.insert(key);
  }
  return setAside;
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
  Took(FileKey(path), found.bytes);
  return ImportResult::kImported;
}

ExportResult SettingsStore::Export(const Settings& settings, const std::wstring& path,
                                   const RegionalTimeFormat& format,
                                   const std::function<bool()>& replaceOtherFile) {
  RefuseHeldBack(path);
  try {
    FoundFile file = ReadToWrite(path);
    if (!HoldsSettings(file.document) && !file.document.IsBlank()) {
      if (!replaceOtherFile()) return ExportResult::kDeclined;
      file.document = IniDocument();
      file.encoding = TextEncoding::kAnsi;
    }
    WriteSettings(settings, path, format, file);
  } catch (const NotWritten&) {
    throw AppError(ExportNotWrittenText(path));
  }
  return ExportResult::kExported;
}

FileContents SettingsStore::ReadPatiently(const std::wstring& path) const {
  for (int attempt = 1;; ++attempt) {
    FileContents contents = disk_.Read(path);
    if (contents.access != FileAccess::kBusy || attempt == kAttempts) return contents;
    disk_.Pause(kRetryPauseMs);
  }
}

bool SettingsStore::RenamePatiently(const std::wstring& from, const std::wstring& to) const {
  for (int attempt = 1;; ++attempt) {
    const FileAccess access = disk_.Rename(from, to);
    if (access != FileAccess::kBusy || attempt == kAttempts) return access == FileAccess::kDone;
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
  if (file.contents.access != FileAccess::kDone) throw NotWritten{};
  file.document = DocumentOf(file.contents, &file.encoding);
  return file;
}

void SettingsStore::RefuseHeldBack(const std::wstring& path) const {
  if (IsHeldBack(path)) throw HeldBack(path);
}

bool SettingsStore::WriteSettings(const Settings& settings, const std::wstring& path,
                                  const RegionalTimeFormat& format, FoundFile& file,
                                  const std::string* backup) {
  SaveSettings(settings, file.document, format);
  const std::string bytes = EncodeIniText(file.document.Text(), file.encoding, codePage_);
  // Written again unchanged, the file would only push its backup, the file
  // as found at start, out of the way.
  if (file.contents.access == FileAccess::kDone && bytes == file.contents.bytes) return false;
  // The backup serves only when the file itself is lost: one that cannot be
  // written must not cost the teacher the save.
  const bool backedUp = backup && ReplacePatiently(BackupPath(path), *backup);
  if (!ReplacePatiently(path, bytes)) throw NotWritten{};
  return backedUp;
}

// What stands in comes back only as a settings file, and the file an
// interrupted save left only whole; it is put back in the file's place at
// once, so that the file holds the timetable again even before the next save
// (which tries again when this fails).
std::optional<std::wstring> SettingsStore::Restore(Settings& settings, const std::wstring& path,
                                                   const RegionalTimeFormat& format,
                                                   bool fromTemporary) {
  std::vector<std::wstring> candidates;
  if (fromTemporary) candidates.push_back(TemporaryPath(path));
  candidates.push_back(BackupPath(path));
  for (const std::wstring& candidate : candidates) {
    const FileContents found = ReadPatiently(candidate);
    if (found.access != FileAccess::kDone) continue;
    const DecodedText text = DecodeIniText(found.bytes, codePage_);
    IniDocument document(text.text);
    if (!HoldsSettings(document) || !EndsWithLineBreak(text.text)) continue;
    ReplacePatiently(path, found.bytes);
    Took(FileKey(path), found.bytes);
    LoadSettings(settings, document, format);
    return candidate;
  }
  return std::nullopt;
}

// Under a name of its own beside the file, with the day in it, so that the
// teacher or the administrator finds it and nothing writes over it.
std::optional<std::wstring> SettingsStore::SetAside(const std::wstring& path) {
  const std::wstring date = disk_.DateStamp();
  for (int attempt = 1; attempt <= kSetAsideAttempts; ++attempt) {
    const std::wstring aside = SetAsidePath(path, date, attempt);
    if (ReadPatiently(aside).access != FileAccess::kMissing) continue;
    if (RenamePatiently(path, aside)) return aside;
    return std::nullopt;
  }
  return std::nullopt;
}

void SettingsStore::Took(const std::wstring& key, const std::string& bytes) {
  read_.insert(key);
  heldBack_.erase(key);
  if (!backedUp_.contains(key)) foundAtStart_.emplace(key, bytes);
}

}  // namespace ostrevin
