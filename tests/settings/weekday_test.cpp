// The one numbering of the days of the week and its mappings: the platform's
// number, the week's table, the first version's sections, the dialog's rows.
#include "base/weekday.h"

#include <gtest/gtest.h>

#include "support/time_printers.h"

namespace ostrevin {
namespace {

struct DayCase {
  Weekday day;
  int number;  // the platform's, 0 Sunday; the first version's section for Monday to Friday
  int row;     // the dialog's, Monday first
  bool firstVersionDay;
};

constexpr DayCase kDays[] = {
    {Weekday::Sunday, 0, 6, false},   {Weekday::Monday, 1, 0, true},
    {Weekday::Tuesday, 2, 1, true},   {Weekday::Wednesday, 3, 2, true},
    {Weekday::Thursday, 4, 3, true},  {Weekday::Friday, 5, 4, true},
    {Weekday::Saturday, 6, 5, false},
};

TEST(Weekday, MapsToItsNumberItsRowAndItsSection) {
  for (const DayCase& c : kDays) {
    SCOPED_TRACE(testing::PrintToString(c.day));
    EXPECT_EQ(WeekdayNumber(c.day), c.number);
    EXPECT_EQ(WeekdayOfNumber(c.number), c.day);
    EXPECT_EQ(IndexOf(c.day), static_cast<std::size_t>(c.number));
    EXPECT_EQ(RowOf(c.day), c.row);
    EXPECT_EQ(WeekdayAtRow(c.row), c.day);
    EXPECT_EQ(kWeekOrder[static_cast<std::size_t>(c.row)], c.day);
    EXPECT_EQ(IsFirstVersionDay(c.day), c.firstVersionDay);
  }
  EXPECT_EQ(kFirstVersionDays.front(), Weekday::Monday);
  EXPECT_EQ(kFirstVersionDays.back(), Weekday::Friday);
}

TEST(Weekday, CountsOnRoundTheWeekEitherWay) {
  struct Case {
    Weekday from;
    std::int64_t days;
    Weekday to;
  };
  const Case cases[] = {
      {Weekday::Saturday, 1, Weekday::Sunday},
      {Weekday::Sunday, -1, Weekday::Saturday},
      {Weekday::Monday, 0, Weekday::Monday},
      {Weekday::Monday, 7, Weekday::Monday},
      {Weekday::Monday, -7, Weekday::Monday},
      {Weekday::Friday, 3, Weekday::Monday},
      {Weekday::Monday, 7 * 1'000'000 + 2, Weekday::Wednesday},
      {Weekday::Monday, -(7 * 1'000'000 + 2), Weekday::Saturday},
      // Years of a clock set far back or ahead.
      {Weekday::Monday, 9'690, Weekday::Wednesday},
      {Weekday::Monday, -9'690, Weekday::Saturday},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AddDays(c.from, c.days), c.to) << testing::PrintToString(c.from) << " + " << c.days;
  }
  EXPECT_EQ(WeekdayOfNumber(7), Weekday::Sunday);
  EXPECT_EQ(WeekdayOfNumber(-1), Weekday::Saturday);
}

}  // namespace
}  // namespace ostrevin
