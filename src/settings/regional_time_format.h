#pragma once

#include <string>

namespace ostrevin {

// The parts of the user's regional long-time format that the settings file's
// time texts follow. The time separator is always ":".
struct RegionalTimeFormat {
  bool hourLeadingZero = true;   // "08:30:00" rather than "8:30:00"
  bool twelveHour = false;       // hours 1..12 with a designator
  bool designatorFirst = false;  // "PM 2:15:00" rather than "2:15:00 PM"
  std::wstring amDesignator = L"AM";
  std::wstring pmDesignator = L"PM";
  std::wstring decimalSeparator = L".";
};

}  // namespace ostrevin
