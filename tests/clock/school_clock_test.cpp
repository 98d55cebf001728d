#include <cstdint>
#include <ostream>

#include <gtest/gtest.h>

#include "clock/local_moment.h"
#include "clock/school_clock.h"
#include "clock_fakes.h"

namespace ostrevin::clocktest {
namespace {

LocalDateTime Reading(int year, int month, int day, int dayOfWeek, int hour, int minute,
                      int second = 0, int millisecond = 0) {
  return {.year = year,
          .month = month,
          .day = day,
          .dayOfWeek = WeekdayOfNumber(dayOfWeek),
          .hour = hour,
          .minute = minute,
          .second = second,
          .millisecond = millisecond};
}

void ExpectSameReading(const LocalDateTime& got, const LocalDateTime& expected) {
  EXPECT_EQ(got.year, expected.year);
  EXPECT_EQ(got.month, expected.month);
  EXPECT_EQ(got.day, expected.day);
  EXPECT_EQ(got.dayOfWeek, expected.dayOfWeek);
  EXPECT_EQ(got.hour, expected.hour);
  EXPECT_EQ(got.minute, expected.minute);
  EXPECT_EQ(got.second, expected.second);
  EXPECT_EQ(got.millisecond, expected.millisecond);
}

struct ShiftCase {
  const char* name;
  LocalDateTime from;
  std::int64_t milliseconds;
  LocalDateTime to;
};

void PrintTo(const ShiftCase& c, std::ostream* out) {
  *out << c.name;
}

class AddMillisecondsTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(AddMillisecondsTest, MovesTheDateAndWeekdayWithTheTime) {
  const ShiftCase& c = GetParam();
  ExpectSameReading(AddMilliseconds(c.from, c.milliseconds), c.to);
  EXPECT_EQ(MomentOf(c.to) - MomentOf(c.from), c.milliseconds);
}

constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kHour = 3600 * kSecond;

INSTANTIATE_TEST_SUITE_P(
    Cases, AddMillisecondsTest,
    ::testing::Values(ShiftCase{"WithinTheDay", Reading(2026, 9, 7, 1, 8, 30), -40 * kSecond,
                                Reading(2026, 9, 7, 1, 8, 29, 20)},
                      ShiftCase{"PastMidnight", Reading(2026, 9, 7, 1, 23, 59, 50), 15 * kSecond,
                                Reading(2026, 9, 8, 2, 0, 0, 5)},
                      ShiftCase{"BackBeforeMidnight", Reading(2026, 9, 7, 1, 0, 0, 10),
                                -20 * kSecond, Reading(2026, 9, 6, 0, 23, 59, 50)},
                      ShiftCase{"SaturdayToSunday", Reading(2026, 9, 12, 6, 23, 0), 2 * kHour,
                                Reading(2026, 9, 13, 0, 1, 0)},
                      ShiftCase{"LeapDay", Reading(2028, 2, 28, 1, 12, 0), 24 * kHour,
                                Reading(2028, 2, 29, 2, 12, 0)},
                      ShiftCase{"EndOfTheYear", Reading(2026, 12, 31, 4, 23, 30), kHour,
                                Reading(2027, 1, 1, 5, 0, 30)},
                      ShiftCase{"BackIntoTheYearBefore", Reading(2027, 1, 1, 5, 0, 30, 0, 250),
                                -kHour, Reading(2026, 12, 31, 4, 23, 30, 0, 250)},
                      ShiftCase{"YearsOfAResetClock", Reading(2000, 1, 1, 6, 0, 0),
                                (MomentOf(Reading(2026, 9, 7, 1, 8, 30)) -
                                 MomentOf(Reading(2000, 1, 1, 6, 0, 0))),
                                Reading(2026, 9, 7, 1, 8, 30)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MomentOf, CountsFromTheStartOf1970) {
  EXPECT_EQ(MomentOf(Reading(1970, 1, 1, 4, 0, 0)), 0);
  EXPECT_EQ(MomentOf(Reading(1970, 1, 2, 5, 0, 0, 1)), kMillisecondsPerDay + 1000);
  EXPECT_EQ(TimeOfDayOf(Reading(2026, 9, 7, 1, 8, 30, 15, 7)), EncodeTimeOfDay(8, 30, 15, 7));
  EXPECT_EQ(TimeOfDayOf(Reading(2026, 9, 7, 1, 8, 30, 15, 7)).Milliseconds(),
            ((8 * 60 + 30) * 60 + 15) * kSecond + 7);
}

class SchoolClockTest : public ::testing::Test {
 protected:
  Settings settings = DefaultSettings();
  SettableClock computer;
  SchoolClock school{computer, settings};
};

TEST_F(SchoolClockTest, WithoutCorrectionIsTheComputersClock) {
  computer.now = Reading(2026, 9, 7, 1, 8, 30, 15, 500);
  ExpectSameReading(school.Now(), computer.now);
  EXPECT_EQ(school.CorrectionMs(), 0);
}

// A bell that is ahead of the computer's clock rings at the school's time
// before the computer's; one that is behind, after it.
TEST_F(SchoolClockTest, AddsTheBellOffsetInSeconds) {
  computer.now = Reading(2026, 9, 7, 1, 8, 29, 20);
  settings.BellOffset = 40;
  ExpectSameReading(school.Now(), Reading(2026, 9, 7, 1, 8, 30, 0));

  settings.BellOffset = -40;
  computer.now = Reading(2026, 9, 7, 1, 8, 30, 40);
  ExpectSameReading(school.Now(), Reading(2026, 9, 7, 1, 8, 30, 0));
}

TEST_F(SchoolClockTest, AddsTheServersDifferenceBeneathTheBellOffset) {
  computer.now = Reading(2026, 9, 7, 1, 8, 0);
  school.TakeServerDifference(12'250);
  settings.BellOffset = -5;
  ExpectSameReading(school.Now(), Reading(2026, 9, 7, 1, 8, 0, 7, 250));
  EXPECT_EQ(school.CorrectionMs(), 7'250);
  ExpectSameReading(school.ComputerNow(), computer.now);
}

TEST_F(SchoolClockTest, CarriesTheDateAndWeekdayAcrossMidnight) {
  computer.now = Reading(2026, 9, 11, 5, 23, 59, 40);
  settings.BellOffset = 30;
  ExpectSameReading(school.Now(), Reading(2026, 9, 12, 6, 0, 0, 10));
}

TEST_F(SchoolClockTest, NeverCorrectsByMoreThanAnHourForTheBell) {
  computer.now = Reading(2026, 9, 7, 1, 12, 0);
  settings.BellOffset = 7200;
  ExpectSameReading(school.Now(), Reading(2026, 9, 7, 1, 13, 0));
  settings.BellOffset = -7200;
  ExpectSameReading(school.Now(), Reading(2026, 9, 7, 1, 11, 0));
}

// A computer whose clock starts each day in 2000 is put right by the server.
TEST_F(SchoolClockTest, TakesAServerDifferenceOfYears) {
  computer.now = Reading(2000, 1, 1, 6, 0, 0, 5);
  school.TakeServerDifference(MomentOf(Reading(2026, 9, 7, 1, 8, 30)) -
                              MomentOf(Reading(2000, 1, 1, 6, 0, 0)));
  ExpectSameReading(school.Now(), Reading(2026, 9, 7, 1, 8, 30, 5));
}

// The computer's clock 3 minutes slow: the bell rung with no server heard
// set the offset to 3 minutes ahead (and the bell's own 5 seconds). The
// server's first answer tells the same 3 minutes: the school's time stays
// where the bell put it, and the offset keeps only the bell's own part.
TEST_F(SchoolClockTest, ABellOffsetTakenOnTheComputersClockIsNotAddedToTheServers) {
  computer.now = Reading(2026, 9, 7, 1, 8, 27, 0);
  settings.BellOffset = 185;
  school.NoteBellOffsetTaken();
  ASSERT_TRUE(settings.BellOffsetByComputer);
  const std::int64_t before = MomentOf(school.Now());

  EXPECT_TRUE(school.TakeServerDifference(180'200));
  EXPECT_EQ(settings.BellOffset, 5);
  EXPECT_FALSE(settings.BellOffsetByComputer);
  EXPECT_EQ(MomentOf(school.Now()) - before, 200);

  // Later answers move the school's time by themselves alone.
  EXPECT_FALSE(school.TakeServerDifference(181'000));
  EXPECT_EQ(settings.BellOffset, 5);
  EXPECT_EQ(MomentOf(school.Now()) - before, 1'000);
}

TEST_F(SchoolClockTest, ABellOffsetTakenOnTheServersTimeStaysAsItIs) {
  school.TakeServerDifference(180'000);
  settings.BellOffset = 5;
  school.NoteBellOffsetTaken();
  EXPECT_FALSE(settings.BellOffsetByComputer);
  EXPECT_FALSE(school.TakeServerDifference(179'000));
  EXPECT_EQ(settings.BellOffset, 5);
  EXPECT_EQ(school.CorrectionMs(), 184'000);
}

// A computer whose date is years off cannot have held its error in a bell
// offset of minutes: the offset is kept.
TEST_F(SchoolClockTest, AnOffsetThatWouldLeaveItsHourIsKept) {
  settings.BellOffset = -40;
  settings.BellOffsetByComputer = true;
  EXPECT_TRUE(school.TakeServerDifference(17 * 365 * 86'400'000LL));
  EXPECT_EQ(settings.BellOffset, -40);
  EXPECT_FALSE(settings.BellOffsetByComputer);
}

// The computer's clock set: the server's difference is gone until it
// answers again; the bell offset stays.
TEST_F(SchoolClockTest, DroppingTheServersDifferenceLeavesTheBellOffset) {
  settings.BellOffset = 30;
  school.TakeServerDifference(180'000);
  school.DropServerDifference();
  EXPECT_FALSE(school.HasServerDifference());
  EXPECT_EQ(school.CorrectionMs(), 30'000);
  school.NoteBellOffsetTaken();
  EXPECT_TRUE(settings.BellOffsetByComputer);
}

}  // namespace
}  // namespace ostrevin::clocktest
