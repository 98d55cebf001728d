#include "system/system_sound.h"

#include <windows.h>

#include <array>
#include <string>

#include "toolkit/handles.h"

namespace ostrevin {
namespace {

constexpr std::array<const wchar_t*, 10> kAliases = {
    L"SystemStart",    L"SystemExit",        L"WindowsLogon", L"WindowsLogoff",
    L"SystemAsterisk", L"SystemExclamation", L"SystemHand",   L"SystemNotification",
    L"SystemQuestion", L"MailBeep",
};

// winmm's PlaySoundW; the flags are those of mmsystem.h.
using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR sound, HMODULE module, DWORD flags);
constexpr DWORD kSoundSync = 0x00000000;
constexpr DWORD kSoundAsync = 0x00000001;
constexpr DWORD kSoundAlias = 0x00010000;

std::wstring SystemFolder() {
  std::wstring folder(MAX_PATH, L'\0');
  UINT length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  if (length >= folder.size()) {  // too small: the length needed, terminator included
    folder.resize(length);
    length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  }
  folder.resize(length < folder.size() ? length : 0);
  return folder;
}

// The system's sound library, loaded at the first cue and kept for the rest
// of the run. It is loaded by its full path in the system folder, so a
// winmm.dll lying beside the program is never picked up (the safe search flags
// are missing on an unpatched Windows 7); its own imports are then looked for
// from the system folder as well.
class SoundLibrary {
 public:
  SoundLibrary() {
    std::wstring folder = SystemFolder();
    if (folder.empty()) return;
    module_.reset(::LoadLibraryExW((folder + L"\\winmm.dll").c_str(), nullptr,
                                   LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!module_) return;
    // Through a plain function pointer type: FARPROC's own signature says
    // nothing of the real one.
    playSound_ = reinterpret_cast<PlaySoundFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(module_.get(), "PlaySoundW")));
  }

  // A sound still playing in the background runs in the library's code: stop
  // it before the library is unloaded at exit.
  ~SoundLibrary() {
    if (playSound_) playSound_(nullptr, nullptr, 0);
  }

  SoundLibrary(const SoundLibrary&) = delete;
  SoundLibrary& operator=(const SoundLibrary&) = delete;

  bool Play(const wchar_t* alias, DWORD flags) const {
    return playSound_ && playSound_(alias, nullptr, flags);
  }

 private:
  toolkit::UniqueModule module_;
  PlaySoundFunction playSound_ = nullptr;
};

const SoundLibrary& Sounds() {
  static const SoundLibrary library;
  return library;
}

}  // namespace

const wchar_t* SystemSoundAlias(SoundKind kind) {
  return kind >= 1 && kind <= kAliases.size() ? kAliases[kind - 1] : L"Ding";
}

bool PlaySystemSound(SoundKind kind, bool sync) {
  return Sounds().Play(SystemSoundAlias(kind), kSoundAlias | (sync ? kSoundSync : kSoundAsync));
}

}  // namespace ostrevin
