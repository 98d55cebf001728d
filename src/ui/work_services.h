#pragma once

#include <string>

#include "base/sound_kind.h"

namespace ostrevin {

// The system services the timer window, its lesson clock and its settings
// dialog use: sound cues, the working-set trim, autostart and the shell. Tests put a recorder in
// their place, so that a whole lesson runs in an instant and every cue is seen.
class WorkServices {
 public:
  virtual ~WorkServices() = default;

  // Plays the cue at once in the background; whether it played does not matter.
  virtual void PlaySystemSound(SoundKind kind) = 0;
  virtual void TrimWorkingSet() = 0;
  // Whether the user's logon starts the program at path under name.
  virtual bool IsAutoRun(const std::wstring& name, const std::wstring& path) = 0;
  virtual void SetAutoRun(const std::wstring& name, const std::wstring& path, bool enable) = 0;
  // Opens a target (a web address) with the shell's default action.
  virtual bool OpenURL(const std::wstring& target) = 0;
};

// The real ones.
class SystemWorkServices final : public WorkServices {
 public:
  void PlaySystemSound(SoundKind kind) override;
  void TrimWorkingSet() override;
  bool IsAutoRun(const std::wstring& name, const std::wstring& path) override;
  void SetAutoRun(const std::wstring& name, const std::wstring& path, bool enable) override;
  bool OpenURL(const std::wstring& target) override;
};

}  // namespace ostrevin
