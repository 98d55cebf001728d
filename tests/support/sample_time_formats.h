#pragma once

#include "settings/regional_time_format.h"

namespace ostrevin::test_support {

// Regional long-time formats of the kinds users have, named after a locale
// that has them.

// "h:mm:ss tt"
inline RegionalTimeFormat EnglishUsTime() {
  return {.hourLeadingZero = false,
          .twelveHour = true,
          .designatorFirst = false,
          .amDesignator = L"AM",
          .pmDesignator = L"PM",
          .decimalSeparator = L"."};
}

// "hh:mm:ss tt"
inline RegionalTimeFormat PhilippineTime() {
  return {.hourLeadingZero = true,
          .twelveHour = true,
          .designatorFirst = false,
          .amDesignator = L"AM",
          .pmDesignator = L"PM",
          .decimalSeparator = L"."};
}

// "H:mm:ss", no designators, comma decimals.
inline RegionalTimeFormat RussianTime() {
  return {.hourLeadingZero = false,
          .twelveHour = false,
          .designatorFirst = false,
          .amDesignator = L"",
          .pmDesignator = L"",
          .decimalSeparator = L","};
}

// "HH:mm:ss"
inline RegionalTimeFormat GermanTime() {
  return {.hourLeadingZero = true,
          .twelveHour = false,
          .designatorFirst = false,
          .amDesignator = L"",
          .pmDesignator = L"",
          .decimalSeparator = L","};
}

// "tt h:mm:ss"
inline RegionalTimeFormat KoreanTime() {
  return {.hourLeadingZero = false,
          .twelveHour = true,
          .designatorFirst = true,
          .amDesignator = L"오전",
          .pmDesignator = L"오후",
          .decimalSeparator = L"."};
}

// "tt h:mm:ss"
inline RegionalTimeFormat ChineseTime() {
  return {.hourLeadingZero = false,
          .twelveHour = true,
          .designatorFirst = true,
          .amDesignator = L"上午",
          .pmDesignator = L"下午",
          .decimalSeparator = L"."};
}

// "hh:mm:ss tt" with lower-case dotted designators and comma decimals.
inline RegionalTimeFormat GreekTime() {
  return {.hourLeadingZero = true,
          .twelveHour = true,
          .designatorFirst = false,
          .amDesignator = L"π.μ.",
          .pmDesignator = L"μ.μ.",
          .decimalSeparator = L","};
}

}  // namespace ostrevin::test_support
