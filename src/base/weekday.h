#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/time_units.h"

namespace ostrevin {

// A day of the week. Its number is the platform's (SYSTEMTIME's wDayOfWeek):
// 0 Sunday, 1 Monday .. 6 Saturday; the first version's timetable keeps
// Monday to Friday in the settings file's sections of the same numbers, "1"
// to "5".
enum class Weekday : std::uint8_t {
  Sunday,
  Monday,
  Tuesday,
  Wednesday,
  Thursday,
  Friday,
  Saturday
};

constexpr int WeekdayNumber(Weekday day) {
  return static_cast<int>(day);
}

// The day of a number; any whole number counts on round the week, so a
// weekday plus or minus some days is the day of their sum.
constexpr Weekday WeekdayOfNumber(std::int64_t number) {
  return static_cast<Weekday>((number % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek);
}

constexpr Weekday AddDays(Weekday day, std::int64_t days) {
  return WeekdayOfNumber(WeekdayNumber(day) + days % kDaysPerWeek);
}

// Where a day's own entry lies in a table of the seven days, Sunday first.
constexpr std::size_t IndexOf(Weekday day) {
  return static_cast<std::size_t>(day);
}

// The week as a Russian school lists it, Monday first: the rows of the
// settings dialog and the order of the days in the settings file.
inline constexpr std::array<Weekday, kDaysPerWeek> kWeekOrder = {
    Weekday::Monday, Weekday::Tuesday,  Weekday::Wednesday, Weekday::Thursday,
    Weekday::Friday, Weekday::Saturday, Weekday::Sunday};

// A day's row in that order: Monday 0 .. Sunday 6.
constexpr int RowOf(Weekday day) {
  return (WeekdayNumber(day) + kDaysPerWeek - 1) % kDaysPerWeek;
}

// The day of a row, 0..6.
constexpr Weekday WeekdayAtRow(int row) {
  return kWeekOrder[static_cast<std::size_t>(row)];
}

// Monday to Friday: the days of the first version's timetable.
inline constexpr std::array<Weekday, 5> kFirstVersionDays = {
    Weekday::Monday, Weekday::Tuesday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday};

constexpr bool IsFirstVersionDay(Weekday day) {
  return day >= Weekday::Monday && day <= Weekday::Friday;
}

}  // namespace ostrevin
