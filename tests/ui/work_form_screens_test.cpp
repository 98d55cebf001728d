// The timer window on the screens: its remembered place, kept on the screens
// when they change, and out of the way of full-screen shows.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/window_section.h"
#include "system/settings_storage.h"
#include "toolkit/screens.h"
#include "ui/frm_lesson_list.h"
#include "ui/general_page.h"
#include "ui/model/window_place.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

// The test display's screens as the settings file writes them.
std::string ScreensOfThisDesktop() {
  const std::wstring text = ScreensText(MonitorRects(toolkit::DesktopScreens()));
  return std::string(text.begin(), text.end());
}

ScreenRect WorkArea() {
  return toolkit::DesktopScreens().front().work;
}

POINT TopLeft(HWND window) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  return {bounds.left, bounds.top};
}

class WorkFormPlaceTest : public WorkFormTest {
 protected:
  void WritePlace(int left, int top, const std::string& screens) {
    WriteSettingsFile("[Window]\r\nLeft=" + std::to_string(left) +
                      "\r\nTop=" + std::to_string(top) + "\r\nScreens=" + screens + "\r\n");
  }
  // The user drags the window to a place, as the system's move loop ends.
  void UserMoves(int left, int top) {
    ::SetWindowPos(form->Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SendMessageW(form->Handle(), WM_EXITSIZEMOVE, 0, 0);
  }
  std::wstring InFile(const wchar_t* key) const {
    wchar_t value[256] = {};
    ::GetPrivateProfileStringW(L"Window", key, L"", value, 256, settingsPath.c_str());
    return value;
  }
};

TEST_F(WorkFormPlaceTest, OnTheSameScreensTheWindowShowsWhereItWas) {
  WritePlace(40, 50, ScreensOfThisDesktop());
  TWorkF& workF = CreateForm();
  workF.N1Click();
  EXPECT_EQ(TopLeft(workF.Handle()).x, 40);
  EXPECT_EQ(TopLeft(workF.Handle()).y, 50);
}

// Pushed partly past the right edge by the user, it stays there.
TEST_F(WorkFormPlaceTest, OnTheSameScreensAPlacePartlyOffTheEdgeIsKept) {
  const int left = WorkArea().right - 100;
  WritePlace(left, 60, ScreensOfThisDesktop());
  TWorkF& workF = CreateForm();
  workF.N1Click();
  EXPECT_EQ(TopLeft(workF.Handle()).x, left);
}

// Saved on a projector right of a 1920-pixel laptop; started on this desktop.
TEST_F(WorkFormPlaceTest, OnOtherScreensTheWindowComesWhollyOntoTheNearestWorkArea) {
  WritePlace(2500, 100, "0,0,1920,1080;1920,0,2944,768");
  TWorkF& workF = CreateForm();
  workF.N1Click();
  RECT bounds{};
  ::GetWindowRect(workF.Handle(), &bounds);
  EXPECT_EQ(bounds.right, WorkArea().right);
  EXPECT_EQ(bounds.top, WorkArea().top + 100);
}

TEST_F(WorkFormPlaceTest, WithoutAPlaceItIsCentredAndNoPlaceIsSaved) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  EXPECT_EQ(TopLeft(workF.Handle()).x, (::GetSystemMetrics(SM_CXSCREEN) - 225) / 2);
  DestroyForm();
  EXPECT_EQ(InFile(L"Left"), L"");
  EXPECT_EQ(InFile(L"bYieldToFullScreen"), L"0");
}

TEST_F(WorkFormPlaceTest, ThePlaceTheUserMovesItToIsSavedWithTheScreens) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  UserMoves(300, 200);
  DestroyForm();
  EXPECT_EQ(InFile(L"Left"), L"300");
  EXPECT_EQ(InFile(L"Top"), L"200");
  EXPECT_EQ(InFile(L"Screens"), std::wstring(ScreensText(MonitorRects(toolkit::DesktopScreens()))));
}

// The settings dialog reads the file again into the settings record: the
// move made before must still be saved at the end.
TEST_F(WorkFormPlaceTest, AMoveSurvivesTheSettingsBeingReadAgain) {
  WritePlace(40, 50, ScreensOfThisDesktop());
  TWorkF& workF = CreateForm();
  workF.N1Click();
  UserMoves(310, 210);
  LoadSettings(settings, settingsPath);
  ASSERT_EQ(settings.TimerWindowPlace->left, 40);
  DestroyForm();
  EXPECT_EQ(InFile(L"Left"), L"310");
  EXPECT_EQ(InFile(L"Top"), L"210");
}

// At home, without the classroom's projector, the program moves the window;
// the place the user chose stays for the next day in the classroom.
TEST_F(WorkFormPlaceTest, APlaceTheProgramChoseIsNotSaved) {
  WritePlace(2500, 100, "0,0,1920,1080;1920,0,2944,768");
  TWorkF& workF = CreateForm();
  workF.N1Click();
  DestroyForm();
  EXPECT_EQ(InFile(L"Left"), L"2500");
  EXPECT_EQ(InFile(L"Screens"), L"0,0,1920,1080;1920,0,2944,768");
}

// A projector unplugged: the window was on it, off every screen now.
TEST_F(WorkFormPlaceTest, WhenTheScreensChangeAWindowOffThemComesBack) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  ::SetWindowPos(workF.Handle(), nullptr, WorkArea().right + 500, 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
  ::SendMessageW(workF.Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  RECT bounds{};
  ::GetWindowRect(workF.Handle(), &bounds);
  EXPECT_EQ(bounds.right, WorkArea().right);
  EXPECT_EQ(bounds.top, 100);
  ::SendMessageW(workF.Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  EXPECT_EQ(TopLeft(workF.Handle()).x, bounds.left) << "wholly on a screen, it stays";
}

// Hidden in the tray while on the projector, which was then unplugged: a
// hidden window need not hear of it, and shows where the projector was,
// unless its place is checked before it shows.
TEST_F(WorkFormPlaceTest, AWindowHiddenWhereAScreenWasComesWhollyOntoAScreenAsItShows) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  UserMoves(300, 200);
  workF.btnHideMainFormClick();
  ::SetWindowPos(workF.Handle(), nullptr, WorkArea().right + 500, 120, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  workF.N1Click();
  RECT bounds{};
  ::GetWindowRect(workF.Handle(), &bounds);
  EXPECT_EQ(bounds.right, WorkArea().right);
  EXPECT_EQ(bounds.top, 120);
  DestroyForm();
  EXPECT_EQ(InFile(L"Left"), L"300") << "the program's own move is not saved";
}

// A lesson that begins shows the window too.
TEST_F(WorkFormPlaceTest, AWindowShownByALessonComesOntoAScreenToo) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  workF.btnHideMainFormClick();
  ::SetWindowPos(workF.Handle(), nullptr, -2000, 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  workF.acStartExecute();
  ASSERT_TRUE(::IsWindowVisible(workF.Handle()));
  EXPECT_EQ(TopLeft(workF.Handle()).x, WorkArea().left);
}

// The taskbar moved, resized or docked to another side: Windows tells of the
// new work area, not of new screens.
TEST_F(WorkFormPlaceTest, AChangeOfTheWorkAreaBringsAWindowOffItBackAndLeavesTheUsersPlace) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  ::SetWindowPos(workF.Handle(), nullptr, 100, WorkArea().bottom + 300, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageW(workF.Handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  RECT bounds{};
  ::GetWindowRect(workF.Handle(), &bounds);
  EXPECT_EQ(bounds.bottom, WorkArea().bottom);
  EXPECT_EQ(bounds.left, 100);

  const int left = WorkArea().right - 100;
  UserMoves(left, 60);
  ::SendMessageW(workF.Handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  ::SendMessageW(workF.Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  EXPECT_EQ(TopLeft(workF.Handle()).x, left) << "pushed partly off by the user, it stays";
}

TEST_F(WorkFormPlaceTest, AWindowNeverShownIsStillCentredAfterTheScreensChange) {
  TWorkF& workF = CreateForm();
  ::SendMessageW(workF.Handle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  workF.N1Click();
  EXPECT_EQ(TopLeft(workF.Handle()).x, (::GetSystemMetrics(SM_CXSCREEN) - 225) / 2);
}

// The option on: a slide show covering the timer window's screen.
class WorkFormStepAsideTest : public WorkFormTest {
 protected:
  TWorkF& CreateYieldingForm(const std::string& more = "") {
    WriteSettingsFile("[Window]\r\nbYieldToFullScreen=1\r\n" + more);
    return CreateForm();
  }
};

TEST_F(WorkFormStepAsideTest, WithTheOptionOffTheWindowStaysOverShowsAndNothingIsWatched) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  EXPECT_FALSE(fullScreen.onForegroundChange) << "no watching that would wake the program";
  fullScreen.facts.showCoversScreen = true;
  Tick();
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
}

TEST_F(WorkFormStepAsideTest, AShownWindowStepsAsideAndComesBackWithoutTakingTheFocus) {
  TWorkF& workF = CreateYieldingForm();
  workF.N1Click();
  ASSERT_TRUE(fullScreen.onForegroundChange);
  fullScreen.ShowCoversTheScreen(true);
  EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
  EXPECT_FALSE(::IsWindowVisible(app.Handle())) << "nor is it on the taskbar";
  EXPECT_TRUE(tray.Shows(workF.AppTrayIcon.IconId()));

  HWND other = ::CreateWindowExW(0, L"STATIC", L"slides", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(other);
  fullScreen.ShowCoversTheScreen(false);
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
  EXPECT_EQ(::GetForegroundWindow(), other) << "the user stays in the program they are in";
  ::DestroyWindow(other);
}

TEST_F(WorkFormStepAsideTest, TheLessonGoesOnWithItsSoundsBehindTheShow) {
  TWorkF& workF = CreateYieldingForm();
  workF.N1Click();
  workF.acStartExecute();
  fullScreen.ShowCoversTheScreen(true);
  services.sounds.clear();
  for (int tick = 0; tick < 10; ++tick) Tick();
  EXPECT_EQ(workF.Clock.LessonState, lsMain);
  EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundBeep}) << "the intro part's end";
  for (int tick = 0; tick < 70; ++tick) Tick();
  EXPECT_EQ(workF.Clock.LessonState, lsFinal);
  EXPECT_FALSE(::IsWindowVisible(workF.Handle())) << "the final part does not bring it forward";
  fullScreen.ShowCoversTheScreen(false);
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
}

// A lesson begins during the slides: its window shows when they are over.
TEST_F(WorkFormStepAsideTest, ALessonBeginningDuringTheShowShowsItsWindowAfterwards) {
  TWorkF& workF = CreateYieldingForm("[1]\r\n1=1\r\n[Common]\r\nbOfferExit=0\r\n");
  fullScreen.facts.showCoversScreen = true;
  clock.Set(Weekday::Monday, 8, 30, 10);
  Tick();
  EXPECT_EQ(workF.Clock.LessonState, lsIntro);
  EXPECT_EQ(services.sounds, std::vector<SoundKind>{kSoundLessonStart});
  EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
  fullScreen.ShowCoversTheScreen(false);
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
}

TEST_F(WorkFormStepAsideTest, AHiddenWindowStaysHiddenAfterTheShow) {
  TWorkF& workF = CreateYieldingForm();
  fullScreen.ShowCoversTheScreen(true);
  fullScreen.ShowCoversTheScreen(false);
  EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
}

// Windows says a show runs; whether it is in front of the timer window's
// screen decides (slides on the projector, the timer on the laptop).
TEST_F(WorkFormStepAsideTest, WhatWindowsSaysCountsForTheWindowInFrontOnTheTimersScreen) {
  TWorkF& workF = CreateYieldingForm();
  workF.N1Click();
  fullScreen.state = NotificationState::Busy;
  fullScreen.facts.foregroundOnScreen = false;
  Tick();
  EXPECT_TRUE(::IsWindowVisible(workF.Handle())) << "the show is on another screen";
  fullScreen.facts.foregroundOnScreen = true;
  Tick();
  EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
}

TEST_F(WorkFormStepAsideTest, TheUserCanStillCallTheWindowDuringTheShow) {
  TWorkF& workF = CreateYieldingForm();
  workF.N1Click();
  fullScreen.ShowCoversTheScreen(true);
  workF.N1Click();
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
  fullScreen.ShowCoversTheScreen(true);
  Tick();
  EXPECT_TRUE(::IsWindowVisible(workF.Handle())) << "it stays until the show is over";
}

TEST_F(WorkFormStepAsideTest, TheEndOfTheProgramStopsTheWatching) {
  CreateYieldingForm();
  ASSERT_TRUE(fullScreen.onForegroundChange);
  DestroyForm();
  EXPECT_FALSE(fullScreen.onForegroundChange);
}

// Unchecks the option and presses OK once the settings dialog is on screen;
// called from a timer inside the dialog's modal loop.
void CALLBACK SwitchTheOptionOff(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = ::FindWindowW(L"OstrevinForm", L"Настройки");
  auto* dialog = dynamic_cast<TLessonListF*>(toolkit::Window::FromHandle(window));
  if (!dialog || !dialog->Visible()) return;
  ::KillTimer(nullptr, id);
  ::SendMessageW(dialog->General().cbYieldToFullScreen.Handle(), BM_CLICK, 0, 0);
  ::SendMessageW(dialog->btnOK.Handle(), BM_CLICK, 0, 0);
}

// The option switched off in the settings dialog during a show brings the
// window back at once, and the watching stops.
TEST_F(WorkFormStepAsideTest, SwitchingTheOptionOffInTheDialogBringsTheWindowBack) {
  TWorkF& workF = CreateYieldingForm();
  workF.N1Click();
  fullScreen.ShowCoversTheScreen(true);
  ASSERT_FALSE(::IsWindowVisible(workF.Handle()));
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &SwitchTheOptionOff);
  workF.acOptions.Execute();
  ::KillTimer(nullptr, timer);
  EXPECT_FALSE(settings.bYieldToFullScreen);
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
  EXPECT_FALSE(fullScreen.onForegroundChange);
  EXPECT_EQ(SettingsInFile().bYieldToFullScreen, false);
}

}  // namespace
}  // namespace ostrevin::uitest
