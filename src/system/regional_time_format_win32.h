#pragma once

#include <optional>
#include <string>

#include "settings/regional_time_format.h"

namespace ostrevin {

// The user's locale texts a RegionalTimeFormat is made from; absent where the
// system could not give the text.
struct LocaleTimeTexts {
  std::optional<std::wstring> timeFormat = std::nullopt;        // long-time picture, "h:mm:ss tt"
  std::optional<std::wstring> amDesignator = std::nullopt;      // "AM"
  std::optional<std::wstring> pmDesignator = std::nullopt;      // "PM"
  std::optional<std::wstring> decimalSeparator = std::nullopt;  // "."
};

// Reads the hour's leading zero, the 12-hour clock and the designator's place
// from a long-time picture ("HH:mm:ss", "h:mm:ss tt", "tt h:mm:ss", with
// '...' literals), and takes the designators and the decimal separator as
// given. What is missing keeps the RegionalTimeFormat defaults.
RegionalTimeFormat RegionalTimeFormatFromLocaleTexts(const LocaleTimeTexts& texts);

// The user's regional long-time format, as the system reports it now.
RegionalTimeFormat ReadRegionalTimeFormat();

}  // namespace ostrevin
