#pragma once

#include <functional>
#include <map>
#include <optional>
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
  kMissing,          // the first start: no file and nothing to restore it from
  kRestoredMissing,  // no file: a whole one put back from the backup or the interrupted save
  kRestoredEmpty,    // found empty (as a power cut can leave it): the backup put back
  kSetAside,         // not empty and not understood: moved aside, never written over
  kUnreadable,       // held by another program or denied: never written in this run
};

struct SettingsFileFound {
  SettingsFileState state = SettingsFileState::kRead;
  // The file the settings were put back from: the backup or the file an
  // interrupted save left. Empty when none was.
  std::wstring restoredFrom;
  // Where a file not understood was moved, with its bytes as they were.
  std::wstring setAside;
  // The file was read before in this run and is gone or moved aside, or a
  // save failed since: the settings in memory stay, and the next save writes
  // them.
  bool settingsKept = false;
};

enum class ImportResult { kImported, kMissing, kUnreadable, kNotASettingsFile };
enum class ExportResult { kExported, kDeclined };

// The backup kept beside a settings file: the file as the program found it
// at its start, before the run's first save that changed it.
std::wstring BackupPath(const std::wstring& path);
// The new file a save writes beside the old one before it takes its name.
std::wstring TemporaryPath(const std::wstring& path);
// Where a file that is not understood is moved: "<name>.unreadable-<date>",
// then "-2", "-3" ... after it when that is taken.
std::wstring SetAsidePath(const std::wstring& path, const std::wstring& date, int attempt);

// Whether a document holds any section the settings are kept in, the
// timetable's "Week" and "Schedule1" .. "Schedule16" included: a file
// without one is no settings file (a Word document, another program's INI
// file, a file emptied by a power cut).
bool HoldsSettings(const IniDocument& document);

// Keeps the settings in files on a disk: the program's own settings file,
// read at start and saved whole with a backup of the file as found at start,
// and the files the teacher imports from and exports to. Each file is read
// once and written once, as a whole. A file that is busy is tried again for
// a few hundred milliseconds. Nothing the teacher entered is lost to the
// file: a file not understood is moved aside before anything is written, a
// file gone or emptied comes back from what was saved, and settings that
// could not be saved stay in memory until a save succeeds.
class SettingsStore {
 public:
  static constexpr int kAttempts = 6;
  static constexpr int kRetryPauseMs = 80;

  SettingsStore(SettingsDisk& disk, const AnsiCodePage& codePage);

  // Fills settings from the program's own file at path.
  // - Read before in this run, and gone since, or not saved since a save
  //   failed: the settings stay as they are, the teacher's, and the next
  //   save writes them.
  // - Missing: put back from a whole file an interrupted save left, else
  //   from the backup; else the defaults.
  // - Empty: the backup's settings, put back in the file's place (the
  //   settings kept when the file was read before).
  // - Not empty and not understood: moved aside first, then as if missing
  //   (the settings kept when the file was read before); when it cannot be
  //   moved, held back as an unreadable one.
  // - Unreadable: the file is held back from every save in this run unless
  //   it was read before; the settings take the defaults when it never was,
  //   and stay as they are (what was read) when it was.
  SettingsFileFound Load(Settings& settings, const std::wstring& path,
                         const RegionalTimeFormat& format);
  // Writes every setting into the program's own file at path, keeping every
  // other line of it; the run's first save that changes the file keeps the
  // file as found at start as its backup. Throws AppError with a message for
  // the teacher when the file cannot be read or written (it is then as it
  // was, and the settings count as not saved), and when it is held back.
  // A file found there not empty and not understood is moved aside first:
  // where it went is returned (empty when nothing was moved).
  std::wstring Save(const Settings& settings, const std::wstring& path,
                    const RegionalTimeFormat& format);
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
  // replaceOtherFile agrees. Throws AppError with a message for the teacher
  // when the file cannot be read or written, or is the program's own file
  // held back.
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
  // False when the file could not be renamed: it is then as it was.
  bool RenamePatiently(const std::wstring& from, const std::wstring& to) const;
  // False when the file could not be replaced: it is then as it was.
  bool ReplacePatiently(const std::wstring& path, const std::string& bytes) const;
  IniDocument DocumentOf(const FileContents& contents, TextEncoding* encoding = nullptr) const;
  // Throws when the file is there but cannot be read.
  FoundFile ReadToWrite(const std::wstring& path) const;
  // Load's work for a file read, and for no file there, or none any more
  // after it was moved aside (as result says).
  SettingsFileFound LoadFound(Settings& settings, const std::wstring& path,
                              const RegionalTimeFormat& format, const FileContents& found);
  SettingsFileFound LoadMissing(Settings& settings, const std::wstring& path,
                                const RegionalTimeFormat& format, SettingsFileFound result);
  // Save's work, throwing when the file could not be written.
  std::wstring WriteOwnFile(const Settings& settings, const std::wstring& path,
                            const RegionalTimeFormat& format);
  // Throws when the file is held back.
  void RefuseHeldBack(const std::wstring& path) const;
  // Writes the settings into the document and the document over the file,
  // unless it would come out as it is; before that, the backup given. True
  // when the backup was written.
  bool WriteSettings(const Settings& settings, const std::wstring& path,
                     const RegionalTimeFormat& format, FoundFile& file,
                     const std::string* backup = nullptr);
  // The settings of a whole file that can stand in for the one at path (the
  // file an interrupted save left, when allowed, then the backup), put back
  // in its place; the path it came from, or nothing.
  std::optional<std::wstring> Restore(Settings& settings, const std::wstring& path,
                                      const RegionalTimeFormat& format, bool fromTemporary);
  std::optional<std::wstring> SetAside(const std::wstring& path);
  // A file read as the teacher's: remembered as found for the backup.
  void Took(const std::wstring& key, const std::string& bytes);

  SettingsDisk& disk_;
  const AnsiCodePage& codePage_;
  // The program's files as names folded to one case: those read in this run,
  // those that could not be read before they ever were, and those whose
  // settings in memory a save failed to write.
  std::set<std::wstring> read_;
  std::set<std::wstring> heldBack_;
  std::set<std::wstring> unsaved_;
  // The program's files as first found in this run, for their backup, until
  // it is written; once a run.
  std::map<std::wstring, std::string> foundAtStart_;
  std::set<std::wstring> backedUp_;
};

}  // namespace ostrevin
