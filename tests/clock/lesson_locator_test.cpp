#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "base/time_units.h"
#include "clock_fakes.h"

namespace ostrevin::clocktest {
namespace {

// The first version's timetable of seven slots, written as its results have
// always been told: the lesson going on 1..7 or 0 for none; 0 before the
// lessons, 1..6 the break after that lesson, 7 after the last.
struct Instant {
  int hour, minute, second;
  int prevBefore;  // PrevLesson left by the call before
  int current;
  int prev;
};

std::optional<int> CurrentOfSlots(int current) {
  return current == 0 ? std::nullopt : std::optional<int>(current);
}

PassedLessons PassedOfSlots(int prev) {
  if (prev == 0) return {PassedLessons::Stage::NotBegun};
  if (prev == kSlotCount) return {PassedLessons::Stage::Over};
  return PassedLessons::After(prev);
}

std::string Describe(const Instant& at) {
  return std::to_string(at.hour) + ":" + std::to_string(at.minute) + ":" +
         std::to_string(at.second) + " after PrevLesson " + std::to_string(at.prevBefore);
}

class LocatorTest : public ClockTest {
 protected:
  // A locator that has told prevBefore at its last call: a fresh one for 0;
  // one called a second into lesson n (which the day has then come to; the
  // lesson before may end at its first instant) for 1..6; one called in the
  // last second of the day for 7.
  void PrimeLocator(LessonClock& locator, Weekday day, int prevBefore) {
    if (prevBefore == 0) return;
    const TimeOfDay at =
        prevBefore == kSlotCount ? At(23, 59, 59) : settings.StartTimes[prevBefore - 1];
    const std::int64_t second =
        at.Milliseconds() / kMillisecondsPerSecond + (prevBefore == kSlotCount ? 0 : 1);
    clock.Set(day, static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
              static_cast<int>(second % 60));
    locator.LocateCurrentLesson();
    ASSERT_EQ(locator.PrevLesson(), PassedOfSlots(prevBefore)) << "primed";
  }

  void ExpectLocated(Weekday day, const Instant& at) {
    SCOPED_TRACE(Describe(at) + " on " + testing::PrintToString(day));
    LessonClock locator{settings, clock, host};
    PrimeLocator(locator, day, at.prevBefore);
    clock.Set(day, at.hour, at.minute, at.second);

    locator.LocateCurrentLesson();

    EXPECT_EQ(locator.CurrentLesson(), CurrentOfSlots(at.current));
    // During a lesson the day has come to it: its break follows it, which
    // the locator itself keeps (the prev column holds the first version's
    // value, where the number icon kept it).
    EXPECT_EQ(locator.PrevLesson(),
              at.current != 0 ? PassedLessons::After(at.current) : PassedOfSlots(at.prev));
  }

  void SetStartTimes(const std::array<TimeOfDay, kSlotCount>& starts) {
    settings.StartTimes = starts;
  }
};

// The built-in timetable with 45-minute lessons; every weekday, weekends too,
// and whether or not the slots are taught: the locator goes by times alone.
TEST_F(LocatorTest, BuiltInTimetableOnEveryDayTaughtOrNot) {
  const Instant instants[] = {
      {7, 0, 0, 0, 0, 0},    // fresh start before the lessons
      {7, 0, 0, 7, 0, 7},    // kept running overnight
      {8, 30, 0, 0, 1, 0},   // the first lesson's first instant
      {9, 15, 0, 0, 1, 0},   // its last instant
      {9, 15, 30, 0, 0, 1},  // the break after it
      {9, 30, 0, 1, 2, 1},   // the second lesson's first instant
      {12, 20, 0, 3, 0, 4},  // the shorter break after lesson 4
      {13, 10, 0, 4, 5, 4},  // lesson 5's end, before lesson 6 at 13:20
      {15, 0, 0, 6, 7, 6},   // the last lesson's end
      {15, 0, 30, 6, 0, 7},  // the lessons are over
      {23, 59, 59, 7, 0, 7},
  };
  for (const bool taught : {false, true}) {
    settings.LessonOn.fill(taught);
    for (const Weekday day : kWeekOrder) {
      for (const Instant& at : instants) ExpectLocated(day, at);
    }
  }
}

// A lesson's end is its start plus whole minutes; at any start minute of the
// day its last instant still belongs to it, and the next second does not.
TEST_F(LocatorTest, LessonEndsExactlyAtEveryStartMinute) {
  for (const std::int32_t lessLen : {450, 600, 1000}) {
    settings.LessLen = lessLen;
    const int minutes = lessLen / 10;
    for (int start = 0; start + minutes < kMinutesPerDay; ++start) {
      settings.StartTimes.fill(At(start / 60, start % 60));
      const int end = start + minutes;
      ExpectLocated(Weekday::Monday, {start / 60, start % 60, 0, 0, 1, 0});
      ExpectLocated(Weekday::Monday, {end / 60, end % 60, 0, 0, 1, 0});
      ExpectLocated(Weekday::Monday, {end / 60, end % 60, 1, 0, 0, 7});
      if (HasFailure()) return;
    }
  }
}

TEST_F(LocatorTest, LessonAnHourAndMoreLong) {
  settings.LessLen = 1000;  // 100 minutes: lessons overlap the next start
  const Instant instants[] = {
      {9, 45, 0, 0, 1, 0},   // lesson 1 still runs when slot 2 starts; the lower slot wins
      {10, 10, 0, 0, 1, 0},  // lesson 1's end
      {10, 10, 30, 0, 2, 0}, {15, 55, 0, 0, 7, 0}, {15, 55, 30, 0, 0, 7},
  };
  for (const Instant& at : instants) ExpectLocated(Weekday::Monday, at);

  settings.LessLen = 600;
  SetStartTimes({At(8, 0), At(9, 30), At(11, 0), At(12, 30), At(14, 0), At(15, 30), At(17, 0)});
  const Instant hourLong[] = {
      {9, 0, 0, 0, 1, 0},
      {9, 0, 1, 0, 0, 1},
      {9, 29, 59, 0, 0, 1},
      {18, 0, 0, 6, 7, 6},
  };
  for (const Instant& at : hourLong) ExpectLocated(Weekday::Wednesday, at);
}

TEST_F(LocatorTest, TouchingAndSharedStartTimesGoToTheLowerSlot) {
  SetStartTimes({At(8, 30), At(9, 15), At(10, 0), At(10, 0), At(11, 0), At(12, 0), At(13, 0)});
  const Instant instants[] = {
      {9, 15, 0, 0, 1, 0},  // lesson 1 ends as lesson 2 starts
      {9, 15, 30, 0, 2, 0},
      {10, 0, 0, 0, 2, 0},  // lesson 2 ends as 3 and 4 start
      {10, 0, 30, 0, 3, 0},
      {10, 45, 30, 2, 0, 4},  // after 3 and 4: break 3 would have ended at 4's start
  };
  for (const Instant& at : instants) ExpectLocated(Weekday::Tuesday, at);
}

TEST_F(LocatorTest, StartTimesOutOfOrderAreTakenSlotBySlot) {
  // Slots 1 and 2 swapped against the built-in timetable.
  SetStartTimes({At(9, 30), At(8, 30), At(10, 30), At(11, 30), At(12, 25), At(13, 20), At(14, 15)});
  const Instant instants[] = {
      {8, 0, 0, 5, 0, 5},  // before every start: nothing applies
      {8, 45, 0, 0, 2, 0},
      {9, 20, 0, 0, 0, 2},  // after slot 2, before slot 3's start
      {9, 45, 0, 2, 1, 2},
      {10, 20, 0, 1, 0, 2},  // after slot 1, but slot 1's break ends at slot 2's start
  };
  for (const Instant& at : instants) ExpectLocated(Weekday::Thursday, at);
}

TEST_F(LocatorTest, LastSlotStartingEarlyMeansTheLessonsAreOver) {
  SetStartTimes({At(9, 0), At(10, 0), At(11, 0), At(12, 0), At(13, 0), At(14, 0), At(7, 0)});
  ExpectLocated(Weekday::Monday, {6, 59, 59, 0, 0, 0});
  ExpectLocated(Weekday::Monday, {8, 0, 0, 0, 0, 7});
}

}  // namespace
}  // namespace ostrevin::clocktest
