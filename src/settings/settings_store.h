#pragma once

#include <functional>
#include <set>
#include <string>

#include "settings/ini_document.h"
#include "settings/ini_text_encoding.h"
#include "settings/regional_time_format.h"
#include "settings/settings.h"
#include "settings/settings_disk.h"

namespace ostrevin {

// What a load found of the program's own settings file.
enum class SettingsFileState {
  kRead,
  kMissing,             // the first start: the defaults
  kRestoredFromBackup,  // found empty or without settings; the backup put back
  kUnreadable,          // held by another program or denied: never written in this run
};

enum class ImportResult { kImported, kMissing, kUnreadable, kNotASettingsFile };
enum class ExportResult { kExported, kDeclined };

// The backup kept beside a settings file: the file as it was before the last
// save that changed it.
std::wstring BackupPath(const std::wstring& path);

// Whether a document holds any section the settings are kept in, the
// timetable's "Week" and "Schedule1" .. "Schedule16" included: a file
// without one is no settings file (a Word document, another program's INI
// file, a file emptied by a power cut).
bool HoldsSettings(const IniDocument& document);

// Keeps the settings in files on a disk: the program's own settings file,
// read at start and saved whole with a backup of the file before, and the
// files the teacher imports from and exports to. Each file is read once and
// written once, as a whole. A file that is busy is tried again for a few
// hundred milliseconds.
class SettingsStore {
 public:
  static constexpr int kAttempts = 6;
  static constexpr int kRetryPauseMs = 80;

  SettingsStore(SettingsDisk& disk, const AnsiCodePage& codePage);

  // Fills settings from the program's own file at path. Missing: the
  // defaults. Empty or without any settings section: the backup's settings,
  // and the backup is put back in the file's place. Unreadable: the file is
  // held back from every save in this run unless it was read before; the
  // settings take the defaults when it never was, and stay as they are (what
  // was read) when it was.
  SettingsFileState Load(Settings& settings, const std::wstring& path,
                         const RegionalTimeFormat& format);
  // Writes every setting into the program's own file at path, keeping every
  // other line of it, and keeps the file as it was as its backup. Throws
  // AppError: "Unable to write to <path>" when the file cannot be read or
  // written (it is then as it was), and a message that says why when the file
  // is held back.
  void Save(const Settings& settings, const std::wstring& path, const RegionalTimeFormat& format);
  // The program's own file at path could not be read in this run, so the
  // settings in memory are not the teacher's: it is never written.
  bool IsHeldBack(const std::wstring& path) const;

  // Fills settings from a file the teacher chose; changes nothing unless it
  // is a settings file that can be read.
  ImportResult Import(Settings& settings, const std::wstring& path,
                      const RegionalTimeFormat& format);
  // Writes every setting into a file the teacher chose, keeping every other
  // line of a settings file found there. A file there that holds no settings
  // (and is not blank) is replaced by a whole settings file only when
  // replaceOtherFile agrees. Throws as Save does.
  ExportResult Export(const Settings& settings, const std::wstring& path,
                      const RegionalTimeFormat& format,
                      const std::function<bool()>& replaceOtherFile);

 private:
  // A file about to be written: its bytes as found and their document.
  struct FoundFile {
    FileContents contents;
    TextEncoding encoding = TextEncoding::kAnsi;
    IniDocument document;
  };

  FileContents ReadPatiently(const std::wstring& path) const;
  // False when the file could not be replaced: it is then as it was.
  bool ReplacePatiently(const std::wstring& path, const std::string& bytes) const;
  IniDocument DocumentOf(const FileContents& contents, TextEncoding* encoding = nullptr) const;
  // Throws "Unable to write to <path>" when the file is there but cannot be read.
  FoundFile ReadToWrite(const std::wstring& path) const;
  // Throws when the file is held back.
  void RefuseHeldBack(const std::wstring& path) const;
  // Writes the settings into the document and the document over the file,
  // unless it would come out as it is.
  void WriteSettings(const Settings& settings, const std::wstring& path,
                     const RegionalTimeFormat& format, FoundFile& file, bool keepBackup);
  bool RestoreFromBackup(const std::wstring& path, IniDocument& document);

  SettingsDisk& disk_;
  const AnsiCodePage& codePage_;
  // The program's files as names folded to one case: those read in this run,
  // and those that could not be read before they ever were.
  std::set<std::wstring> read_;
  std::set<std::wstring> heldBack_;
};

}  // namespace ostrevin
