#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "clock_fakes.h"

namespace ostrevin::clocktest {
namespace {

using ::testing::ElementsAre;

const std::wstring kLessonOver = L"lesson over";

std::wstring Progress(int tenths) {
  return L"progress " + std::to_wstring(tenths);
}
std::wstring Label(int minutes) {
  return L"label " + std::to_wstring(minutes);
}

// A series of beeps, which the host plays on by itself.
std::vector<std::wstring> Beeps(int count) {
  return {L"beeps " + std::to_wstring(count)};
}

std::vector<std::wstring> Joined(std::vector<std::wstring> first,
                                 const std::vector<std::wstring>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// Ticks of a running lesson end with these two whatever else they do.
const std::vector<std::wstring> kTickTail = {L"indicator", L"trim"};

class LessonRunTest : public ClockTest {
 protected:
  // Begins a lesson as the start action does, and forgets what that did.
  void BeginByHand() {
    lessonClock.BeginLesson();
    host.TakeEvents();
  }

  // One tick; returns what it did before the indicator refresh and trim.
  std::vector<std::wstring> Tick() {
    lessonClock.TimerTimer();
    std::vector<std::wstring> events = host.TakeEvents();
    const bool endsWithTail =
        events.size() >= 2 && std::equal(kTickTail.begin(), kTickTail.end(), events.end() - 2);
    EXPECT_TRUE(endsWithTail);
    if (endsWithTail) events.resize(events.size() - 2);
    return events;
  }

  // Ticks until the clock is idle again, at most the given number of ticks.
  std::vector<std::vector<std::wstring>> TickToEnd(int limit) {
    std::vector<std::vector<std::wstring>> ticks;
    while (lessonClock.LessonState() != lsIdle && static_cast<int>(ticks.size()) < limit) {
      ticks.push_back(Tick());
    }
    return ticks;
  }

  // How many beeps each tick of a whole lesson asked for, by tick number,
  // leaving out the ticks with none; each tick asks for one series at most.
  std::map<int, int> BeepSeriesOfWholeLesson() {
    BeginByHand();
    std::map<int, int> series;
    const auto ticks = TickToEnd(200);
    for (int tick = 1; tick <= static_cast<int>(ticks.size()); ++tick) {
      const std::vector<std::wstring>& events = ticks[tick - 1];
      if (tick == 10) continue;  // the intro part's sound
      const int beeps = BeepsIn(events);
      if (beeps == 0) continue;
      const std::vector<std::wstring> expected = Beeps(beeps);
      EXPECT_TRUE(std::search(events.begin(), events.end(), expected.begin(), expected.end()) !=
                  events.end())
          << "tick " << tick;
      series[tick] = beeps;
    }
    return series;
  }

  const std::vector<std::wstring> endEvents = {L"color black", L"progress 0", L"forward",
                                               kLessonOver,    L"label none", L"start on",
                                               L"stop off",    L"sound 2"};
};

TEST_F(LessonRunTest, BeginShowsTheWindowAndPlaysTheStartSoundLast) {
  lessonClock.BeginLesson();

  EXPECT_THAT(host.TakeEvents(),
              ElementsAre(L"clear balloon", L"color green", L"start off", L"stop on", L"label 0",
                          L"restore", L"forward", L"fade in", L"sound 1"));
  EXPECT_EQ(lessonClock.LessonState(), lsIntro);
  EXPECT_EQ(lessonClock.Elapsed(), 0);
}

TEST_F(LessonRunTest, DefaultLessonPassesItsPartsOnTicksTenEightyAndNinety) {
  // A lesson before, stopped by hand in its main part.
  BeginByHand();
  for (int tick = 0; tick < 20; ++tick) Tick();
  lessonClock.EndLesson();
  host.TakeEvents();
  BeginByHand();
  const std::map<int, std::vector<std::wstring>> extrasOnTick = {
      {10, {L"color black", L"sound 10"}},
      {80, {L"color red", L"forward", L"sound 4"}},
      {81, Beeps(2)},
      {83, Beeps(3)},
      {85, Beeps(4)},
      {87, Beeps(5)},
      {89, Beeps(6)},
      {90, endEvents},
  };
  for (int tick = 1; tick <= 90; ++tick) {
    SCOPED_TRACE(tick);
    std::vector<std::wstring> expected = {Progress(5 * tick), Label(tick / 2)};
    if (const auto extras = extrasOnTick.find(tick); extras != extrasOnTick.end()) {
      expected.insert(expected.end(), extras->second.begin(), extras->second.end());
    }
    EXPECT_EQ(Tick(), expected);
    const LessonStateKind state = tick < 10   ? lsIntro
                                  : tick < 80 ? lsMain
                                  : tick < 90 ? lsFinal
                                              : lsIdle;
    EXPECT_EQ(lessonClock.LessonState(), state);
    if (tick == 80) {
      EXPECT_EQ(lessonClock.MinutesLeft(), 5);
    }
  }
}

TEST_F(LessonRunTest, MinuteLabelCountsWholeMinutesAndIsClearedAtTheEnd) {
  BeginByHand();
  EXPECT_THAT(Tick(), ElementsAre(L"progress 5", L"label 0"));
  EXPECT_THAT(Tick(), ElementsAre(L"progress 10", L"label 1"));
  EXPECT_THAT(Tick(), ElementsAre(L"progress 15", L"label 1"));

  const auto ticks = TickToEnd(100);

  ASSERT_FALSE(ticks.empty());
  std::vector<std::wstring> lastLabels;
  std::copy_if(ticks.back().begin(), ticks.back().end(), std::back_inserter(lastLabels),
               [](const std::wstring& event) { return event.starts_with(L"label"); });
  EXPECT_THAT(lastLabels, ElementsAre(L"label 45", L"label none"));
}

TEST_F(LessonRunTest, BeepSeriesCountUpFromTwoWithoutCountDown) {
  settings.CountDown = false;
  EXPECT_EQ(BeepSeriesOfWholeLesson(),
            (std::map<int, int>{{81, 2}, {83, 3}, {85, 4}, {87, 5}, {89, 6}}));
}

TEST_F(LessonRunTest, BeepSeriesTellTheMinutesLeftWithCountDown) {
  settings.CountDown = true;
  EXPECT_EQ(BeepSeriesOfWholeLesson(),
            (std::map<int, int>{{81, 5}, {83, 4}, {85, 3}, {87, 2}, {89, 1}}));
}

TEST_F(LessonRunTest, FinalPartSoundModes) {
  struct Case {
    FinishPartMode mode;
    bool countDown;
    int finalPartSounds;  // kind 4 over the lesson
    bool beeps;
  };
  const Case cases[] = {
      {fpsNone, false, 0, false},       {fpsNone, true, 0, false},
      {fpsFinalStart, false, 1, false}, {fpsFinalStart, true, 1, false},
      {fpsEveryMinute, true, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    settings.FinishPartSounds = c.mode;
    settings.CountDown = c.countDown;
    settings.IntroPartSnd = false;  // leaves kind 10 to the beeps alone
    BeginByHand();
    int finalPartSounds = 0;
    int beeps = 0;
    for (const auto& tick : TickToEnd(100)) {
      finalPartSounds += static_cast<int>(std::count(tick.begin(), tick.end(), L"sound 4"));
      beeps += BeepsIn(tick);
    }
    EXPECT_EQ(finalPartSounds, c.finalPartSounds);
    EXPECT_EQ(beeps > 0, c.beeps);
  }
}

TEST_F(LessonRunTest, OverlappingLengthsStillTakeOneTickPerTransition) {
  struct Case {
    std::int32_t introTime, lessLen, finishTime;
  };
  // Lessons no longer than the three ticks themselves.
  const Case cases[] = {{0, 10, 10}, {0, 15, 300}, {0, 0, 0}, {-50, -100, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lessLen);
    settings.IntroTime = c.introTime;
    settings.LessLen = c.lessLen;
    settings.FinishTime = c.finishTime;
    BeginByHand();

    Tick();
    EXPECT_EQ(lessonClock.LessonState(), lsMain);
    Tick();
    EXPECT_EQ(lessonClock.LessonState(), lsFinal);
    EXPECT_THAT(Tick(), ::testing::IsSupersetOf({L"color black", L"progress 0", L"sound 2"}));
    EXPECT_EQ(lessonClock.LessonState(), lsIdle);
  }
}

TEST_F(LessonRunTest, ManualStopDuringTheIntroPartEndsTheLesson) {
  BeginByHand();
  Tick();
  Tick();

  lessonClock.EndLesson();

  EXPECT_EQ(host.TakeEvents(), endEvents);
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

TEST_F(LessonRunTest, LoweringTheLengthInTheMainPartEndsTwoTicksLater) {
  BeginByHand();
  for (int tick = 1; tick <= 40; ++tick) Tick();
  ASSERT_EQ(lessonClock.LessonState(), lsMain);

  settings.LessLen = 100;

  EXPECT_THAT(Tick(),
              ElementsAre(L"progress 205", L"label 20", L"color red", L"forward", L"sound 4"));
  EXPECT_EQ(lessonClock.LessonState(), lsFinal);
  Tick();
  EXPECT_EQ(lessonClock.LessonState(), lsIdle);
}

TEST_F(LessonRunTest, WithoutShowOnStartTheWindowComesForwardOnlyForTheFinalPart) {
  settings.bShowOnStartLesson = false;

  lessonClock.BeginLesson();

  EXPECT_THAT(host.TakeEvents(), ElementsAre(L"clear balloon", L"color green", L"start off",
                                             L"stop on", L"label 0", L"sound 1"));
  int forwards = 0;
  int finalPartForwards = 0;
  const auto ticks = TickToEnd(100);
  for (int tick = 1; tick <= static_cast<int>(ticks.size()); ++tick) {
    const int count =
        static_cast<int>(std::count(ticks[tick - 1].begin(), ticks[tick - 1].end(), L"forward"));
    forwards += count;
    if (tick == 80) finalPartForwards = count;
  }
  EXPECT_EQ(forwards, 1);
  EXPECT_EQ(finalPartForwards, 1);
}

TEST_F(LessonRunTest, SoundOptionsSilenceTheirCues) {
  settings.StartStopSnd = false;
  settings.IntroPartSnd = false;
  settings.FinishPartSounds = fpsNone;

  lessonClock.BeginLesson();
  for (const auto& tick : TickToEnd(100))
    host.events.insert(host.events.end(), tick.begin(), tick.end());

  for (const std::wstring& event : host.TakeEvents())
    EXPECT_FALSE(event.starts_with(L"sound")) << event;
}

TEST_F(LessonRunTest, TickDuringTheFadeInFindsTheLessonRunning) {
  host.onFadeIn = [this] { lessonClock.TimerTimer(); };

  lessonClock.BeginLesson();

  EXPECT_THAT(host.TakeEvents(),
              ElementsAre(L"clear balloon", L"color green", L"start off", L"stop on", L"label 0",
                          L"restore", L"forward", L"fade in", L"progress 5", L"label 0",
                          L"indicator", L"trim", L"sound 1"));
  EXPECT_EQ(lessonClock.Elapsed(), 5);
  EXPECT_EQ(lessonClock.LessonState(), lsIntro);
}

TEST_F(LessonRunTest, HandEditedFinalPartLengthCannotHoldTheProgramForLong) {
  settings.IntroTime = 0;
  settings.FinishTime = 1'000'000;
  BeginByHand();
  Tick();
  Tick();
  ASSERT_EQ(lessonClock.LessonState(), lsFinal);

  EXPECT_EQ(Tick(), Joined({L"progress 15", L"label 1"}, Beeps(32)));
}

// A final part of 30 minutes, the longest the settings dialog allows: every
// series is played in full, counting up from 2 to 31 or down from 30 to 1.
TEST_F(LessonRunTest, LongestFinalPartWithinTheDialogsRangesPlaysEverySeriesInFull) {
  settings.FinishTime = 300;
  for (const bool countDown : {false, true}) {
    SCOPED_TRACE(countDown);
    settings.CountDown = countDown;
    std::map<int, int> expected;
    // The final part begins on tick 30; the minutes left drop on every odd
    // tick after it.
    for (int minute = 0; minute < 30; ++minute) {
      expected[31 + 2 * minute] = countDown ? 30 - minute : 2 + minute;
    }
    EXPECT_EQ(BeepSeriesOfWholeLesson(), expected);
  }
}

// Raising the lesson length in the settings dialog during the final part
// leaves many more minutes than a final part can have.
TEST_F(LessonRunTest, CountingDownAfterTheLengthIsRaisedInTheFinalPartStopsTheSeriesAt32) {
  settings.CountDown = true;
  BeginByHand();
  for (int tick = 1; tick <= 80; ++tick) Tick();
  ASSERT_EQ(lessonClock.LessonState(), lsFinal);
  ASSERT_EQ(lessonClock.MinutesLeft(), 5);

  settings.LessLen = 1000;  // the dialog's longest lesson, 100 minutes

  // The first series still tells the minutes left before the change.
  EXPECT_EQ(Tick(), Joined({Progress(405), Label(40)}, Beeps(5)));
  EXPECT_EQ(lessonClock.MinutesLeft(), 59);
  EXPECT_EQ(Tick(), (std::vector<std::wstring>{Progress(410), Label(41)}));
  EXPECT_EQ(Tick(), Joined({Progress(415), Label(41)}, Beeps(32)));
  EXPECT_EQ(lessonClock.MinutesLeft(), 58);
  EXPECT_EQ(lessonClock.LessonState(), lsFinal);
}

TEST_F(LessonRunTest, IdleTickRefreshesTheIndicatorOnlyWhenItIsShown) {
  settings.bOfferExit = false;
  clock.Set(Weekday::Monday, 7, 0);

  lessonClock.TimerTimer();
  EXPECT_THAT(host.TakeEvents(), ElementsAre(L"indicator", L"trim"));

  settings.ShowCurrNo = false;
  lessonClock.TimerTimer();
  EXPECT_THAT(host.TakeEvents(), ElementsAre(L"trim"));
}

TEST_F(LessonRunTest, TickThatBeginsALessonRefreshesTheIndicatorAfterwards) {
  settings.bOfferExit = false;
  clock.Set(Weekday::Monday, 8, 30);

  lessonClock.TimerTimer();

  const auto events = host.TakeEvents();
  ASSERT_GE(events.size(), 3u);
  EXPECT_THAT(std::vector<std::wstring>(events.end() - 3, events.end()),
              ElementsAre(L"sound 1", L"indicator", L"trim"));
}

}  // namespace
}  // namespace ostrevin::clocktest
