// The program idling in the notification area with its timer window hidden,
// as it does all day: it runs without the common controls library, whose
// start costs megabytes, and loads version 6 of it when the window is first
// shown. This program does not import the library itself, so whatever loads
// it is the timer window's doing.
#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <tlhelp32.h>

#include <cwctype>
#include <set>
#include <string>
#include <vector>

#include "components/tray_shell.h"
#include "toolkit/handles.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

constexpr wchar_t kCommonControls[] = L"comctl32.dll";

std::wstring Lowercase(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

// The full paths of this process's modules of that file name, whichever
// folder each came from.
std::vector<std::wstring> LoadedModulesNamed(const wchar_t* fileName) {
  const toolkit::UniqueFileHandle snapshot(
      ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, ::GetCurrentProcessId()));
  EXPECT_TRUE(snapshot) << "no list of the loaded modules";
  std::vector<std::wstring> paths;
  if (!snapshot) return paths;
  MODULEENTRY32W module{};
  module.dwSize = sizeof(module);
  for (BOOL more = ::Module32FirstW(snapshot.get(), &module); more;
       more = ::Module32NextW(snapshot.get(), &module)) {
    if (Lowercase(module.szModule) == fileName) paths.push_back(module.szExePath);
  }
  return paths;
}

// Version 6 lives in the side-by-side store under the name of its assembly;
// version 5 in the system folder.
bool IsVersion6Path(const std::wstring& path) {
  const std::wstring lower = Lowercase(path);
  return lower.find(L"\\winsxs\\") != std::wstring::npos &&
         lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.") != std::wstring::npos;
}

// Monday, lessons by the built-in times and none of them the teacher's: the
// clock never starts a lesson, which would show the window.
std::string IdleSettings(bool showNumber) {
  return std::string("[Common]\r\nbOfferExit=0\r\nShowCurrNo=") + (showNumber ? "1" : "0") +
         "\r\n[Bell]\r\nJoinLesson=0\r\n";
}

// Times of the day around the first lessons: before them, in a lesson, in a
// break, and so on, each a different number in the tray.
constexpr int kDayTimes[][2] = {{7, 50}, {8, 40}, {9, 17}, {9, 40}, {10, 30}, {12, 0}, {17, 0}};

class IdleTest : public WorkFormTest, public testing::WithParamInterface<bool> {
 protected:
  // A day of ticks in the tray; the texts the number icon showed.
  std::set<std::wstring> TickThroughTheDay(TWorkF& workF) {
    std::set<std::wstring> shown;
    for (const auto& time : kDayTimes) {
      clock.Set(Weekday::Monday, time[0], time[1]);
      Tick();
      app.ProcessMessages();
      shown.insert(workF.NumberTrayIcon.Text());
    }
    return shown;
  }
};

TEST_P(IdleTest, TheStartAndADayOfTicksLeaveTheCommonControlsUnloaded) {
  const bool showNumber = GetParam();
  WriteSettingsFile(IdleSettings(showNumber));
  TWorkF& workF = CreateForm();
  app.ProcessMessages();
  EXPECT_EQ(tray.Shows(workF.AppTrayIcon.IconId()), true);
  EXPECT_EQ(tray.Shows(workF.NumberTrayIcon.IconId()), showNumber);
  const std::set<std::wstring> shown = TickThroughTheDay(workF);
  if (showNumber) {
    EXPECT_GE(shown.size(), 4u) << "the number icon hardly changed";
  }
  EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
  EXPECT_FALSE(workF.ToolBar1.has_value());
  EXPECT_EQ(LoadedModulesNamed(kCommonControls), std::vector<std::wstring>{});
  EXPECT_TRUE(reports.empty());
}

INSTANTIATE_TEST_SUITE_P(NumberIcon, IdleTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "On" : "Off";
                         });

using IdleInTheRealTrayTest = WorkFormTest;

// The shell's own notification area, not the recording one: adding and
// changing the icons there needs no common controls either.
TEST_F(IdleInTheRealTrayTest, TheIconsInTheNotificationAreaLeaveTheCommonControlsUnloaded) {
  WriteSettingsFile(IdleSettings(true));
  form = std::make_unique<TWorkF>(settings, clock, services, SystemTrayShell(), settingsPath,
                                  fullScreen);
  app.ProcessMessages();
  clock.Set(Weekday::Monday, 8, 40);
  Tick();
  app.ProcessMessages();
  EXPECT_TRUE(form->NumberTrayIcon.IconVisible());
  EXPECT_EQ(LoadedModulesNamed(kCommonControls), std::vector<std::wstring>{});
  EXPECT_TRUE(reports.empty());
}

using ShownTimerWindowTest = WorkFormTest;

TEST_F(ShownTimerWindowTest, ShowingTheWindowLoadsVersion6AndShowsTheToolbar) {
  WriteSettingsFile(IdleSettings(true));
  TWorkF& workF = CreateForm();
  ASSERT_EQ(LoadedModulesNamed(kCommonControls), std::vector<std::wstring>{});
  workF.N1Click();
  const std::vector<std::wstring> loaded = LoadedModulesNamed(kCommonControls);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_TRUE(IsVersion6Path(loaded.front())) << testing::PrintToString(loaded.front());
  ASSERT_TRUE(workF.ToolBar1.has_value());
  EXPECT_TRUE(::IsWindowVisible(workF.ToolBar1->Handle()));
  EXPECT_EQ(workF.ToolBar1->ButtonCount(), 6);
  EXPECT_EQ(workF.ToolBar1->PictureSize(), workF.Scaling().Scaled(16));
  EXPECT_TRUE(reports.empty());
}

// Hidden and shown again, the window keeps the toolbar it made.
TEST_F(ShownTimerWindowTest, TheToolbarIsMadeOnce) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  ASSERT_TRUE(workF.ToolBar1.has_value());
  const HWND toolBar = workF.ToolBar1->Handle();
  workF.btnHideMainFormClick();
  workF.N1Click();
  EXPECT_EQ(workF.ToolBar1->Handle(), toolBar);
  EXPECT_TRUE(::IsWindowVisible(toolBar));
}

}  // namespace
}  // namespace ostrevin::uitest
