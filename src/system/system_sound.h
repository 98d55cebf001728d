#pragma once

#include "base/sound_kind.h"

namespace ostrevin {

// The system sound alias a cue plays: 1 "SystemStart" .. 10 "MailBeep";
// every other kind, 0 included, "Ding".
const wchar_t* SystemSoundAlias(SoundKind kind);

// Plays the cue's system sound, at once in the background or, with sync, to
// its end. False when the sound could not be started, also when the system's
// sound library is not available.
bool PlaySystemSound(SoundKind kind, bool sync);

}  // namespace ostrevin
