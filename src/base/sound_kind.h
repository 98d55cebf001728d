#pragma once

namespace ostrevin {

// A numbered sound cue; each names a system sound alias (1 "SystemStart",
// 2 "SystemExit", 3 "WindowsLogon", 4 "WindowsLogoff", 10 "MailBeep", ...;
// any unknown kind plays "Ding").
using SoundKind = unsigned;

inline constexpr SoundKind kSoundLessonStart = 1;
inline constexpr SoundKind kSoundLessonEnd = 2;
inline constexpr SoundKind kSoundClick = 3;
inline constexpr SoundKind kSoundFinalPart = 4;
inline constexpr SoundKind kSoundBeep = 10;

}  // namespace ostrevin
