// A lesson on the real timer window: started by F9 or by the start watch,
// driven by the window's tick, read back from the real controls.
#include <ostream>
#include <string>
#include <vector>

#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

using WorkFormLessonTest = WorkFormTest;

// What the window shows after a number of ticks of a default lesson.
struct LessonPoint {
  int ticks;
  int progress;
  Color pie;
  const wchar_t* label;
  bool startEnabled;
};

void ExpectShows(const TWorkF& workF, const LessonPoint& point) {
  const std::string at = "after " + std::to_string(point.ticks) + " ticks";
  EXPECT_EQ(workF.Gauge1.Progress(), point.progress) << at;
  EXPECT_EQ(workF.Gauge1.ForeColor(), point.pie) << at;
  EXPECT_EQ(workF.lbAlready.Caption(), point.label) << at;
  EXPECT_EQ(workF.acStart.Enabled(), point.startEnabled) << at;
  EXPECT_EQ(workF.acStop.Enabled(), !point.startEnabled) << at;
  ASSERT_TRUE(workF.ToolBar1.has_value()) << at;
  EXPECT_EQ(workF.ToolBar1->ButtonEnabled(0), point.startEnabled) << at;
  EXPECT_EQ(workF.ToolBar1->ButtonEnabled(1), !point.startEnabled) << at;
}

TEST_F(WorkFormLessonTest, ADefaultLessonStartedByF9RunsThroughItsPartsOnTheWindow) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  services.sounds.clear();
  PressKey(VK_F9);
  ExpectShows(workF, {0, 0, clGreen, L"0 мин.", false});
  EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundLessonStart});

  const LessonPoint points[] = {
      {1, 5, clGreen, L"0 мин.", false},     {2, 10, clGreen, L"1 мин.", false},
      {9, 45, clGreen, L"4 мин.", false},    {10, 50, clBlack, L"5 мин.", false},
      {79, 395, clBlack, L"39 мин.", false}, {80, 400, clRed, L"40 мин.", false},
      {89, 445, clRed, L"44 мин.", false},   {90, 0, clBlack, L"", true},
  };
  int ticks = 0;
  for (const LessonPoint& point : points) {
    while (ticks < point.ticks) {
      Tick();
      // A series goes on from the beep timer, a second between beeps.
      RunBeeps(workF, services);
      ++ticks;
    }
    ExpectShows(workF, point);
  }
  // The intro part's end, the final part's start, its beep series counting
  // up (2, 3, 4, 5 and 6 beeps) and the end.
  std::vector<SoundKind> heard = {kSoundLessonStart, kSoundBeep, kSoundFinalPart};
  for (int beeps = 2; beeps <= 6; ++beeps) heard.insert(heard.end(), beeps, kSoundBeep);
  heard.push_back(kSoundLessonEnd);
  EXPECT_EQ(services.sounds, heard);
  EXPECT_EQ(tray.BalloonTitles().back(), L"Ostrevin:   УРОК ОКОНЧЕН !");
  EXPECT_EQ(services.trims, 90);
  EXPECT_TRUE(reports.empty());
}

TEST_F(WorkFormLessonTest, TheFinalPartBringsTheWindowToTheFront) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  PressKey(VK_F9);
  HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(other);
  ASSERT_NE(::GetForegroundWindow(), workF.Handle());
  for (int tick = 0; tick < 80; ++tick) Tick();
  EXPECT_EQ(::GetForegroundWindow(), workF.Handle());
  ::DestroyWindow(other);
}

struct WatchCase {
  const char* name;
  const char* timetable;  // the settings file
  Weekday dayOfWeek;
  int hour;
  int minute;
  bool starts;
};

// Named in the test list by its name alone.
void PrintTo(const WatchCase& c, std::ostream* out) {
  *out << c.name;
}

class StartWatchTest : public WorkFormTest, public testing::WithParamInterface<WatchCase> {};

TEST_P(StartWatchTest, AnIdleTickStartsOnlyAnEnabledSlotOfTodayAtItsMinute) {
  const WatchCase& watch = GetParam();
  WriteSettingsFile(watch.timetable);
  clock.Set(watch.dayOfWeek, watch.hour, watch.minute, 10);
  TWorkF& workF = CreateForm();
  Tick();
  if (watch.starts) {
    ExpectShows(workF, {0, 0, clGreen, L"0 мин.", false});
    EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
    EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundLessonStart});
  } else {
    EXPECT_TRUE(workF.acStart.Enabled());
    EXPECT_EQ(workF.lbAlready.Caption(), L"");
    EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
    EXPECT_TRUE(services.sounds.empty());
  }
}

// Without the end-of-day question, which days without lessons would ask, and
// without joining at start-up the lesson going on, so that only the tick's
// start watch decides.
const char kMondaySlot1[] = "[1]\r\n1=1\r\n[Common]\r\nbOfferExit=0\r\n[Bell]\r\nJoinLesson=0\r\n";
const char kMondaySlot3[] = "[1]\r\n3=1\r\n[Common]\r\nbOfferExit=0\r\n[Bell]\r\nJoinLesson=0\r\n";

INSTANTIATE_TEST_SUITE_P(
    Slots, StartWatchTest,
    testing::Values(
        WatchCase{"EnabledSlotAtItsMinute", kMondaySlot1, Weekday::Monday, 8, 30, true},
        WatchCase{"EnabledSlotAMinuteLater", kMondaySlot1, Weekday::Monday, 8, 31, false},
        WatchCase{"DisabledSlotAtItsMinute", kMondaySlot3, Weekday::Monday, 8, 30, false},
        WatchCase{"OtherWeekday", kMondaySlot1, Weekday::Tuesday, 8, 30, false},
        WatchCase{"Saturday", kMondaySlot1, Weekday::Saturday, 8, 30, false}),
    [](const testing::TestParamInfo<WatchCase>& info) { return info.param.name; });

TEST_F(WorkFormLessonTest, F9WhileALessonRunsAndF10WhileIdleDoNothing) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  const std::vector<std::wstring> balloonsBefore = tray.BalloonTitles();
  PressKey(VK_F10);
  EXPECT_TRUE(workF.acStart.Enabled());
  EXPECT_TRUE(services.sounds.empty());
  EXPECT_EQ(tray.BalloonTitles(), balloonsBefore);

  PressKey(VK_F9);
  Tick();
  Tick();
  PressKey(VK_F9);
  EXPECT_EQ(workF.Clock.Elapsed(), 10);
  EXPECT_EQ(workF.lbAlready.Caption(), L"1 мин.");
  EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundLessonStart});

  PressKey(VK_F10);
  EXPECT_EQ(workF.Clock.LessonState(), lsIdle);
  EXPECT_EQ(workF.Gauge1.Progress(), 0);
  EXPECT_EQ(tray.BalloonTitles().back(), L"Ostrevin:   УРОК ОКОНЧЕН !");
}

}  // namespace
}  // namespace ostrevin::uitest
