#pragma once

namespace ostrevin {

// The attribution line at the foot of the timer window, and its longer form,
// the text of the program's balloon messages.
inline constexpr const wchar_t* kAttributionLine = L"Ostrevin \u00A9 2026, команда Ostrevin";
inline constexpr const wchar_t* kBalloonAttributionLine =
    L"Ostrevin, таймер школьных уроков. \u00A9 2026, команда Ostrevin";

}  // namespace ostrevin
