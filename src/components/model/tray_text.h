#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ostrevin {

// The longest texts the notification area takes, in UTF-16 units, each field
// keeping one more unit for its terminating NUL.
inline constexpr std::size_t kTrayTipLimit = 127;
inline constexpr std::size_t kBalloonTitleLimit = 63;
inline constexpr std::size_t kBalloonTextLimit = 255;

// The first `limit` units of a text for a fixed-size shell field. A character
// stored as a surrogate pair is kept whole or left out, so the shell never
// shows half a character at the cut.
std::wstring TrayFieldText(std::wstring_view text, std::size_t limit);

}  // namespace ostrevin
