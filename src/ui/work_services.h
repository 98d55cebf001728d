#pragma once

#include "base/sound_kind.h"

namespace ostrevin {

// The system services the timer window and its lesson clock use: sound cues,
// blocking pauses and the working-set trim. Tests put a recorder in their
// place, so that a whole lesson runs in an instant and every cue is seen.
class WorkServices {
 public:
  virtual ~WorkServices() = default;

  // Plays the cue at once in the background; whether it played does not matter.
  virtual void PlaySystemSound(SoundKind kind) = 0;
  // Blocks for ms milliseconds without handling window messages.
  virtual void WaitMs(int ms) = 0;
  virtual void TrimWorkingSet() = 0;
};

// The real ones.
class SystemWorkServices final : public WorkServices {
 public:
  void PlaySystemSound(SoundKind kind) override;
  void WaitMs(int ms) override;
  void TrimWorkingSet() override;
};

}  // namespace ostrevin
