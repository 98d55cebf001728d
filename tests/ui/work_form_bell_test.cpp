// The timer window on the school's time: the bell offset and the time
// server's difference correct the clock that its lesson clock reads.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "loopback_time_server.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

using WorkFormBellTest = WorkFormTest;

constexpr Weekday kMonday = Weekday::Monday;

// Lesson 1 at 08:30 on Monday, a bell 40 seconds ahead of the computer.
const char kBellAhead[] = "[1]\r\n1=1\r\n[Common]\r\nbOfferExit=0\r\n[Bell]\r\nBellOffset=40\r\n";

TEST_F(WorkFormBellTest, ALessonBeginsAtItsBellByTheSchoolsTime) {
  WriteSettingsFile(kBellAhead);
  clock.Set(kMonday, 8, 29, 10);
  TWorkF& workF = CreateForm();
  Tick();
  EXPECT_EQ(workF.Clock.LessonState, lsIdle);

  clock.Set(kMonday, 8, 29, 20);  // 08:30:00 at school
  Tick();
  EXPECT_EQ(workF.Clock.LessonState, lsIntro);
  EXPECT_EQ(workF.lbAlready.Caption(), L"0 мин.");
  EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundLessonStart});
  EXPECT_EQ(workF.NumberTrayIcon.Text(), L"1");
}

// Lessons 1 and 2 on Monday, with their sounds.
const char kMondayMorning[] = "[1]\r\n1=1\r\n2=1\r\n[Common]\r\nbOfferExit=0\r\n";
constexpr int kBellItem = 3;  // "Звонок прозвенел" in the tray menu

std::wstring LastBalloonText(const RecordingTrayShell& tray) {
  for (auto request = tray.requests.rbegin(); request != tray.requests.rend(); ++request) {
    if (request->message == NIM_MODIFY && (request->data.uFlags & NIF_INFO) &&
        request->data.szInfo[0]) {
      return std::wstring(request->data.szInfoTitle) + L" | " + request->data.szInfo;
    }
  }
  return L"";
}

// The computer began lesson 1 at its 08:30; the school's bell rings 40
// seconds later. The offset is set and saved, the lesson counts from the
// bell: the pie is empty again and the minutes start over; the lesson number
// stays 1.
TEST_F(WorkFormBellTest, TheTraysBellRangFortySecondsAfterALessonsStartPutsTheLessonAtTheBell) {
  WriteSettingsFile(kMondayMorning);
  clock.Set(kMonday, 8, 29, 50);
  TWorkF& workF = CreateForm();
  clock.Set(kMonday, 8, 30, 0);
  Tick();
  for (int second = 30; second <= 90; second += 30) {
    clock.Set(kMonday, 8, 30 + second / 60, second % 60);
    Tick();
  }
  ASSERT_EQ(workF.Gauge1.Progress(), 15);
  ASSERT_EQ(workF.lbAlready.Caption(), L"1 мин.");
  services.sounds.clear();

  clock.Set(kMonday, 8, 31, 40);
  workF.TrayPopup.Choose(kBellItem);

  EXPECT_EQ(settings.BellOffset, -100);
  EXPECT_EQ(SettingsInFile().BellOffset, -100);
  EXPECT_EQ(LastBalloonText(tray),
            L"Звонок прозвенел | Время звонка: 08:30. Звонок отстаёт на 100 с.");
  EXPECT_EQ(workF.Gauge1.Progress(), 0);
  EXPECT_EQ(workF.Gauge1.ForeColor(), clGreen);
  EXPECT_EQ(workF.lbAlready.Caption(), L"0 мин.");
  EXPECT_EQ(workF.NumberTrayIcon.Text(), L"1");
  EXPECT_TRUE(services.sounds.empty());

  clock.Set(kMonday, 8, 32, 40);
  Tick();
  Tick();
  EXPECT_EQ(workF.lbAlready.Caption(), L"1 мин.");
  EXPECT_TRUE(reports.empty());
}

// The bell rings 40 seconds before the computer's 08:30: lesson 1 begins at
// once, with its start sound, and the lesson number shows it.
TEST_F(WorkFormBellTest, TheTraysBellRangBeforeTheComputersStartBeginsTheLesson) {
  WriteSettingsFile(kMondayMorning);
  clock.Set(kMonday, 8, 29, 0);
  TWorkF& workF = CreateForm();
  Tick();
  ASSERT_EQ(workF.NumberTrayIcon.Text(), L"--");
  ASSERT_FALSE(::IsWindowVisible(workF.Handle()));

  clock.Set(kMonday, 8, 29, 20);
  workF.TrayPopup.Choose(kBellItem);

  EXPECT_EQ(SettingsInFile().BellOffset, 40);
  EXPECT_EQ(workF.NumberTrayIcon.Text(), L"1");
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
  EXPECT_EQ(workF.Gauge1.ForeColor(), clGreen);
  EXPECT_EQ(workF.lbAlready.Caption(), L"0 мин.");
  EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundLessonStart});
  EXPECT_EQ(LastBalloonText(tray),
            L"Звонок прозвенел | Время звонка: 08:30. Звонок спешит на 40 с.");

  clock.Set(kMonday, 8, 30, 0);
  Tick();
  EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundLessonStart});
}

TEST_F(WorkFormBellTest, NoBellNearbyChangesNothing) {
  WriteSettingsFile(kMondayMorning);
  clock.Set(kMonday, 10, 52, 0);
  TWorkF& workF = CreateForm();
  workF.TrayPopup.Choose(kBellItem);
  EXPECT_EQ(settings.BellOffset, 0);
  EXPECT_EQ(LastBalloonText(tray),
            L"Звонок прозвенел | Звонка по расписанию ближе 10 минут нет. "
            L"Время не изменено.");
}

// Switched on three minutes into lesson 1: the pie shows three minutes gone
// and no start sound comes late.
TEST_F(WorkFormBellTest, AStartThreeMinutesIntoALessonShowsItsThreeMinutes) {
  WriteSettingsFile(kMondayMorning);
  clock.Set(kMonday, 8, 33, 0);
  TWorkF& workF = CreateForm();
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
  EXPECT_EQ(workF.Gauge1.Progress(), 30);
  EXPECT_EQ(workF.Gauge1.ForeColor(), clGreen);
  EXPECT_EQ(workF.lbAlready.Caption(), L"3 мин.");
  EXPECT_FALSE(workF.acStart.Enabled());
  EXPECT_TRUE(workF.acStop.Enabled());
  EXPECT_TRUE(services.sounds.empty());

  clock.Set(kMonday, 8, 33, 30);
  Tick();
  EXPECT_EQ(workF.Gauge1.Progress(), 35);
  EXPECT_TRUE(services.sounds.empty());
  EXPECT_TRUE(reports.empty());
}

TEST_F(WorkFormBellTest, WithJoiningOffAStartDuringALessonWaits) {
  WriteSettingsFile(std::string(kMondayMorning) + "[Bell]\r\nJoinLesson=0\r\n");
  clock.Set(kMonday, 8, 33, 0);
  TWorkF& workF = CreateForm();
  EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
  EXPECT_EQ(workF.Clock.LessonState, lsIdle);
  EXPECT_EQ(workF.lbAlready.Caption(), L"");
}

TEST_F(WorkFormBellTest, AResumeDuringALessonJoinsIt) {
  WriteSettingsFile(kMondayMorning);
  clock.Set(kMonday, 7, 0, 0);
  TWorkF& workF = CreateForm();
  clock.Set(kMonday, 8, 40, 0);
  ::SendMessageW(workF.Handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_EQ(workF.lbAlready.Caption(), L"10 мин.");
  EXPECT_EQ(workF.Gauge1.ForeColor(), clBlack);
  EXPECT_EQ(workF.NumberTrayIcon.Text(), L"1");
  EXPECT_TRUE(services.sounds.empty());
}

// The computer's clock is set ten minutes on during lesson 1: the lesson
// follows its bell.
TEST_F(WorkFormBellTest, AClockSetDuringALessonMovesItsPie) {
  WriteSettingsFile(kMondayMorning);
  clock.Set(kMonday, 8, 30, 0);
  TWorkF& workF = CreateForm();
  ASSERT_EQ(workF.lbAlready.Caption(), L"0 мин.");
  clock.Set(kMonday, 8, 45, 0);
  ::SendMessageW(workF.Handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(workF.Gauge1.Progress(), 150);
  EXPECT_EQ(workF.lbAlready.Caption(), L"15 мин.");
  EXPECT_EQ(workF.Gauge1.ForeColor(), clBlack);
  EXPECT_TRUE(services.sounds.empty());
}

// Runs the program's messages, the loopback server answering each request
// aheadMs ahead (or not at all), until done says so or a generous deadline.
bool ServeUntil(toolkit::Application& app, test_support::LoopbackServer& server,
                std::optional<std::int64_t> aheadMs, const std::function<bool()>& done) {
  const ULONGLONG deadline = ::GetTickCount64() + 20'000;
  while (!done() && ::GetTickCount64() < deadline) {
    app.ProcessMessages();
    if (const auto request = server.TakeRequest(); request && aheadMs) {
      server.Answer(*request, *aheadMs);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return done();
}

// The computer's clock says 08:29:40 and the school's time server is 37 s
// ahead: it is 08:30:17 at school, and lesson 1 is going on. The server then
// falls silent: the correction stays, the tooltip says so.
TEST_F(WorkFormBellTest, TheTimeServersDifferenceCorrectsTheSchoolsTime) {
  test_support::LoopbackServer server;
  const std::wstring name = server.Name();
  WriteSettingsFile(std::string(kMondayMorning) +
                    "[Bell]\r\nTimeServer=" + std::string(name.begin(), name.end()) + "\r\n");
  clock.Set(kMonday, 8, 29, 40);
  TWorkF& workF = CreateForm();
  ASSERT_EQ(workF.Clock.LessonState, lsIdle);
  ASSERT_TRUE(ServeUntil(app, server, 37'000, [&] { return workF.Clock.LessonState != lsIdle; }));
  EXPECT_EQ(workF.lbAlready.Caption(), L"0 мин.");
  EXPECT_EQ(workF.NumberTrayIcon.Text(), L"1");
  EXPECT_EQ(workF.AppTrayIcon.Hint(), L"Ostrevin");
  EXPECT_TRUE(services.sounds.empty()) << "joined, not begun late with its cue";
  EXPECT_EQ(server.requests, 1);

  ::SendMessageW(workF.Handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  ASSERT_TRUE(ServeUntil(app, server, std::nullopt,
                         [&] { return workF.AppTrayIcon.Hint() != L"Ostrevin"; }));
  EXPECT_EQ(workF.AppTrayIcon.Hint(), L"Ostrevin\nСервер времени не отвечает");
  EXPECT_EQ(workF.Clock.LessonState, lsIntro) << "the last good correction stays";
  EXPECT_TRUE(reports.empty()) << "no message box";
}

}  // namespace
}  // namespace ostrevin::uitest
