#pragma once

#include <optional>
#include <string>

#include "settings/regional_time_format.h"

namespace ostrevin {

// A time of day as the fraction of a 24-hour day that has passed
// (0.0 is 00:00, 0.5 is 12:00). Built from clock fields only by
// EncodeTimeOfDay, so equal fields always give equal values.
using TimeOfDay = double;

// Fails (throws AppError) when hour > 23, minute > 59, second > 59 or
// millisecond > 999.
TimeOfDay EncodeTimeOfDay(int hour, int minute, int second, int millisecond);

// Reads "8:30", "08:30:15", " 2:15 PM ", "AM 8" ...; nothing when the text
// is not a valid time of day under the given regional format.
std::optional<TimeOfDay> ParseTimeOfDay(const std::wstring& text, const RegionalTimeFormat& format);

// The settings file's time text: hour, ":", two-digit minutes, ":", two-digit
// seconds, following the regional long-time format; a fraction of a second,
// which only a hand-edited file can bring, follows as the regional decimal
// separator and three digits. Where the regional designators could not be
// read back, the 24-hour form is written. ParseTimeOfDay reads every text
// this writes, under the same format, as the same value.
std::wstring FormatTimeOfDay(TimeOfDay time, const RegionalTimeFormat& format);

// "08:30": two-digit hours and minutes; a value past midnight shows the next
// day's time.
std::wstring FormatHourMinute(TimeOfDay time);

// Adds whole minutes as a fraction of a day, without wrapping at midnight.
TimeOfDay AddMinutes(TimeOfDay time, int minutes);

}  // namespace ostrevin
