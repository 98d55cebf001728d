#include "system/system_sound.h"

#include <windows.h>

#include <array>

#include "toolkit/handles.h"
#include "toolkit/system_library.h"

namespace ostrevin {
namespace {

constexpr std::array<const wchar_t*, 10> kAliases = {
    L"SystemStart",    L"SystemExit",        L"WindowsLogon", L"WindowsLogoff",
    L"SystemAsterisk", L"SystemExclamation", L"SystemHand",   L"SystemNotification",
    L"SystemQuestion", L"MailBeep",
};

// winmm's PlaySoundW; the flags are those of mmsystem.h.
using PlaySoundFunction = BOOL WINAPI(LPCWSTR sound, HMODULE module, DWORD flags);
constexpr DWORD kSoundSync = 0x00000000;
constexpr DWORD kSoundAsync = 0x00000001;
constexpr DWORD kSoundAlias = 0x00010000;

// The system's sound library, loaded from the system folder at the first cue
// and kept for the rest of the run, so a winmm.dll lying beside the program
// is never picked up.
class SoundLibrary {
 public:
  SoundLibrary()
      : module_(toolkit::LoadSystemLibrary(L"winmm.dll")),
        playSound_(toolkit::LibraryFunction<PlaySoundFunction>(module_.get(), "PlaySoundW")) {}

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
  PlaySoundFunction* playSound_ = nullptr;
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
