// Every way the program ends saves the settings once; an error while saving
// is reported and the program goes on.
#include <windows.h>

#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "components/tray_icon_handler.h"
#include "settings/settings_file_notices.h"
#include "toolkit/handles.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

using WorkFormEndingTest = WorkFormTest;

// Values other than those of a fresh start, set in memory after start-up.
void ChangeSettings(Settings& settings) {
  settings.Lesson(Weekday::Tuesday, 3) = true;
  settings.Lesson(Weekday::Friday, 7) = true;
  settings.StartTime(4) = EncodeTimeOfDay(11, 40, 0, 0);
  settings.LessLen = 400;
  settings.IntroTime = 30;
  settings.FinishTime = 70;
  settings.ShowCurrNo = false;
  settings.bWarnBeforeLesson = true;
  settings.IsBlend = false;
  settings.BlendVal = 200;
  settings.WarnVal = 5;
  settings.IntroPartSnd = false;
  settings.FinishPartSounds = fpsFinalStart;
  settings.CountDown = true;
}

// The question of the end of the day, as it was shown, answered with Yes.
struct EndOfDayQuestion {
  static void CALLBACK AnswerYes(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = ::FindWindowW(L"#32770", L"Confirm");
    if (!box) return;
    ::KillTimer(nullptr, timer);
    RECT bounds{};
    ::GetWindowRect(box, &bounds);
    topLeft = POINT{bounds.left, bounds.top};
    wchar_t text[256] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, static_cast<int>(std::size(text)));
    question = text;
    ::PostMessageW(box, WM_COMMAND, IDYES, 0);
  }

  static inline POINT topLeft{};
  static inline std::wstring question;
};

using EndProgram = void (*)(WorkFormTest& test, TWorkF& workF);

struct EndingCase {
  const char* name;
  EndProgram end;
};

// Named in the test list by its name alone.
void PrintTo(const EndingCase& c, std::ostream* out) {
  *out << c.name;
}

class EveryEndingTest : public WorkFormTest, public testing::WithParamInterface<EndingCase> {};

TEST_P(EveryEndingTest, SavesEveryKeyWithTheValuesInMemory) {
  TWorkF& workF = CreateForm();
  ChangeSettings(settings);
  GetParam().end(*this, workF);
  EXPECT_TRUE(RunLoopUntilItEnds());
  DestroyForm();
  ASSERT_TRUE(SettingsFileExists());
  for (const wchar_t* section : {L"1", L"2", L"3", L"4", L"5", L"Times"}) {
    EXPECT_EQ(KeysInFile(section).size(), 7u) << testing::PrintToString(section);
  }
  EXPECT_EQ(KeysInFile(L"Common").size(), 10u);
  EXPECT_EQ(KeysInFile(L"Sounds").size(), 5u);
  EXPECT_EQ(SettingsInFile(), settings);
  EXPECT_TRUE(reports.empty());
}

void ClickExitButton(WorkFormTest&, TWorkF& workF) {
  constexpr WORD kExitButton = 6;
  workF.MakeToolBar();
  ::PostMessageW(workF.Handle(), WM_COMMAND, MAKEWPARAM(kExitButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(workF.ToolBar1->Handle()));
}

// "Выход" is the menu's last item.
void ChooseExitInTrayMenu(WorkFormTest&, TWorkF& workF) {
  workF.TrayPopup.Choose(::GetMenuItemCount(workF.TrayPopup.Handle()) - 1);
}

void SendCloseMessage(WorkFormTest&, TWorkF& workF) {
  ::PostMessageW(workF.Handle(), WM_CLOSE, 0, 0);
}

// Started on a day without lessons, the program asks at its first tick.
void AnswerYesAtTheEndOfTheDay(WorkFormTest&, TWorkF& workF) {
  ::SetTimer(nullptr, 0, 10, &EndOfDayQuestion::AnswerYes);
  workF.Timer.OnTimer();
  EXPECT_EQ(EndOfDayQuestion::question, L"Сегодня уроков больше нет.\r\n\r\nЗакрыть Ostrevin?");
  EXPECT_EQ(EndOfDayQuestion::topLeft.x, 200);
  EXPECT_EQ(EndOfDayQuestion::topLeft.y, 200);
}

INSTANTIATE_TEST_SUITE_P(Endings, EveryEndingTest,
                         testing::Values(EndingCase{"ExitButton", &ClickExitButton},
                                         EndingCase{"TrayMenuExit", &ChooseExitInTrayMenu},
                                         EndingCase{"CloseMessage", &SendCloseMessage},
                                         EndingCase{"EndOfDayYes", &AnswerYesAtTheEndOfTheDay}),
                         [](const testing::TestParamInfo<EndingCase>& info) {
                           return info.param.name;
                         });

struct SessionEndCase {
  const char* name;
  bool formFirst;  // the form hears of the session's end before the application window
};

// Named in the test list by its name alone.
void PrintTo(const SessionEndCase& c, std::ostream* out) {
  *out << c.name;
}

class SessionEndTest : public WorkFormTest, public testing::WithParamInterface<SessionEndCase> {};

TEST_P(SessionEndTest, SavesBeforeTheSessionEndsAndOnlyOnce) {
  TWorkF& workF = CreateForm();
  ChangeSettings(settings);
  HWND window = workF.Handle();
  EXPECT_EQ(::SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_EQ(::SendMessageW(app.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_FALSE(SettingsFileExists());

  std::vector<HWND> told = {window, app.Handle()};
  if (!GetParam().formFirst) std::swap(told[0], told[1]);
  ::SendMessageW(told[0], WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(SettingsInFile(), settings);
  EXPECT_EQ(processEnds, 1);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_FALSE(tray.Shows(workF.AppTrayIcon.IconId())) << "the process ends: no icon stays behind";
  EXPECT_FALSE(tray.Shows(workF.NumberTrayIcon.IconId()));
  ::DeleteFileW(settingsPath.c_str());
  if (::IsWindow(told[1])) ::SendMessageW(told[1], WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  DestroyForm();
  EXPECT_FALSE(SettingsFileExists());
  EXPECT_TRUE(reports.empty());
}

INSTANTIATE_TEST_SUITE_P(Order, SessionEndTest,
                         testing::Values(SessionEndCase{"FormFirst", true},
                                         SessionEndCase{"ApplicationWindowFirst", false}),
                         [](const testing::TestParamInfo<SessionEndCase>& info) {
                           return info.param.name;
                         });

TEST_F(WorkFormEndingTest, ACancelledSessionEndSavesNothing) {
  TWorkF& workF = CreateForm();
  ::SendMessageW(workF.Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  ::SendMessageW(app.Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(::IsWindow(workF.Handle()));
  EXPECT_FALSE(SettingsFileExists());
  EXPECT_EQ(processEnds, 0);
}

// Inside the end-of-day question's loop: the installer closes the program as
// at logoff, and nobody answers the question.
struct SessionEndDuringTheQuestion {
  static void CALLBACK EndTheSession(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!::FindWindowW(L"#32770", L"Confirm")) return;
    ::KillTimer(nullptr, timer);
    ::SendMessageW(toolkit::Application::Instance().Handle(), WM_ENDSESSION, TRUE,
                   ENDSESSION_CLOSEAPP);
  }
};

TEST_F(WorkFormEndingTest, TheSessionsEndSavesAndEndsTheProcessWhileTheEndOfDayQuestionIsOpen) {
  TWorkF& workF = CreateForm();
  ChangeSettings(settings);
  bool questionOpenAtTheEnd = false;
  Settings savedAtTheEnd;
  app.SetProcessEnd([&] {
    ++processEnds;
    savedAtTheEnd = SettingsInFile();
    HWND question = ::FindWindowW(L"#32770", L"Confirm");
    questionOpenAtTheEnd = question != nullptr;
    // The test program goes on: the question is answered No for it.
    if (question) ::PostMessageW(question, WM_COMMAND, IDNO, 0);
  });
  ::SetTimer(nullptr, 0, 10, &SessionEndDuringTheQuestion::EndTheSession);
  workF.Timer.OnTimer();
  EXPECT_EQ(processEnds, 1);
  EXPECT_TRUE(questionOpenAtTheEnd);
  EXPECT_EQ(savedAtTheEnd, settings);
  EXPECT_TRUE(reports.empty());
}

// The save at the session's end fails: a report would wait for an answer
// that nobody gives, and hold the end up; the process ends all the same.
TEST_F(WorkFormEndingTest, AFailedSaveAtTheSessionsEndShowsNoBoxAndTheProcessEnds) {
  WriteSettingsFile("[Common]\r\nLessLen=400\r\n");
  TWorkF& workF = CreateForm();
  const toolkit::UniqueKernelHandle lock(::CreateFileW(
      settingsPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
  ::SendMessageW(app.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(processEnds, 1);
  EXPECT_TRUE(reports.empty());
  EXPECT_FALSE(::IsWindow(workF.Handle()));
}

// Inside the tray menu's own loop, once the menu shows: picks its second
// item, the lesson number switch, which saves the settings at once.
void CALLBACK PickSecondMenuItem(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = ::FindWindowW(L"#32768", nullptr);
  if (!menu || !::IsWindowVisible(menu)) return;
  ::KillTimer(nullptr, timer);
  HWND owner = toolkit::Application::Instance().Handle();
  for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN}) ::PostMessageW(owner, WM_KEYDOWN, key, 1);
}

// Once the switch's failed save has been reported: closes the program.
struct CloseAfterTheFirstReport {
  static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    if (reports->empty()) return;
    ::KillTimer(nullptr, timer);
    ::PostMessageW(toolkit::Application::Instance().MainFormHandle(), WM_CLOSE, 0, 0);
  }

  static inline const std::vector<toolkit::Application::ErrorReport>* reports = nullptr;
};

TEST_F(WorkFormEndingTest, AnUnwritableSettingsFileIsReportedAndTheProgramGoesOn) {
  WriteSettingsFile("[Common]\r\nLessLen=400\r\n");
  TWorkF& workF = CreateForm();
  const toolkit::UniqueKernelHandle lock(::CreateFileW(
      settingsPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
  ::PostMessageW(TrayHandlerWindow(), TrayCallbackMessage, workF.AppTrayIcon.IconId(),
                 WM_RBUTTONDOWN);
  ::SetTimer(nullptr, 0, 50, &PickSecondMenuItem);
  CloseAfterTheFirstReport::reports = &reports;
  ::SetTimer(nullptr, 0, 50, &CloseAfterTheFirstReport::Tick);
  EXPECT_TRUE(RunLoopUntilItEnds());
  DestroyForm();

  const std::wstring report = SettingsNotSavedText(settingsPath);
  ASSERT_EQ(reports.size(), 2u);
  for (const toolkit::Application::ErrorReport& shown : reports) {
    EXPECT_EQ(shown.text, report);
    EXPECT_EQ(shown.title, L"Ostrevin");
    EXPECT_EQ(shown.style, static_cast<UINT>(MB_ICONERROR | MB_OK));
  }
}

// Another program became active: the system tells the program so from
// outside its own loop, and the fade-out that follows handles the messages
// waiting meanwhile, the close request among them.
TEST_F(WorkFormEndingTest, AnExitDuringAFadeEndsTheProgramAtOnce) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  HWND window = workF.Handle();
  std::thread otherProgram([window] { ::SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0); });
  while (!(::GetQueueStatus(QS_SENDMESSAGE) & QS_SENDMESSAGE)) std::this_thread::yield();
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(RunLoopUntilItEnds());
  otherProgram.join();
  EXPECT_EQ(workF.Tag(), 1);
}

}  // namespace
}  // namespace ostrevin::uitest
