#include "system/settings_disk_win32.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <utility>

#include "settings/settings_store.h"
#include "system/wait.h"
#include "toolkit/handles.h"

namespace ostrevin {
namespace {

using toolkit::UniqueFileHandle;

// Far beyond any settings file; a bigger file (a film chosen by mistake for
// an import) is not read into the 32-bit program's memory.
constexpr LONGLONG kLargestFile = 16 * 1024 * 1024;
constexpr DWORD kChunk = 64 * 1024;

FileAccess AccessAfter(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return FileAccess::kMissing;
    // Another program holds the file (a backup or antivirus program, an
    // editor saving it), or it is not open to this user right now.
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:
      return FileAccess::kBusy;
    default:
      return FileAccess::kFailed;
  }
}

FileAccess AccessAfterLastError() {
  return AccessAfter(::GetLastError());
}

// The new file beside the old one until it takes the old one's name; removed
// when anything fails before that, so no attempt is left behind.
class PendingFile {
 public:
  explicit PendingFile(std::wstring path) : path_(std::move(path)) {}
  ~PendingFile() {
    if (!placed_) ::DeleteFileW(path_.c_str());
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  const std::wstring& Path() const { return path_; }
  void Placed() { placed_ = true; }

 private:
  std::wstring path_;
  bool placed_ = false;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kChunk));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, size, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

// The bytes reach the disk before the name moves: a power cut after the
// rename (a logoff at the end of the day) finds the new file whole.
FileAccess WriteThrough(const std::wstring& path, const std::string& bytes) {
  UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return AccessAfterLastError();
  if (!WriteAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) {
    return AccessAfterLastError();
  }
  return FileAccess::kDone;
}

}  // namespace

FileContents SystemSettingsDisk::Read(const std::wstring& path) {
  // Shared in every way, so that the program never stands in another one's
  // way while it reads.
  UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {AccessAfterLastError(), {}};
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestFile) {
    return {FileAccess::kFailed, {}};
  }
  FileContents contents{FileAccess::kDone, {}};
  std::string chunk(kChunk, '\0');
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), chunk.data(), kChunk, &read, nullptr)) {
      return {AccessAfterLastError(), {}};
    }
    if (read == 0) return contents;
    contents.bytes.append(chunk.data(), read);
    if (static_cast<LONGLONG>(contents.bytes.size()) > kLargestFile) {
      return {FileAccess::kFailed, {}};
    }
  }
}

// ReplaceFileW would keep the old file's attributes and permissions, but it
// renames the old file away before the new one takes its name: for a moment
// there is no settings file at all (measured under Wine). MoveFileExW with
// MOVEFILE_REPLACE_EXISTING is one rename. The new file takes the folder's
// permissions, as a file the program creates there always has.
FileAccess SystemSettingsDisk::Replace(const std::wstring& path, const std::string& bytes) {
  PendingFile pending(TemporaryPath(path));
  if (const FileAccess written = WriteThrough(pending.Path(), bytes);
      written != FileAccess::kDone) {
    return written;
  }
  if (!::MoveFileExW(pending.Path().c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return AccessAfterLastError();
  }
  pending.Placed();
  return FileAccess::kDone;
}

// Without MOVEFILE_REPLACE_EXISTING: a file of that name already there fails
// the rename and stays as it is.
FileAccess SystemSettingsDisk::Rename(const std::wstring& from, const std::wstring& to) {
  if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
    return AccessAfterLastError();
  }
  return FileAccess::kDone;
}

std::wstring SystemSettingsDisk::DateStamp() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  wchar_t text[16] = {};
  ::swprintf(text, std::size(text), L"%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
  return text;
}

void SystemSettingsDisk::Pause(int milliseconds) {
  WaitMs(milliseconds);
}

}  // namespace ostrevin
