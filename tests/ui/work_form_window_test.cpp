// Showing, hiding, fading and moving the timer window.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "components/tray_icon_handler.h"
#include "system/single_instance.h"
#include "toolkit/window_timer.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

using WorkFormWindowTest = WorkFormTest;

std::vector<int> Descending(int from, int to) {
  std::vector<int> values;
  for (int value = from; value >= to; --value) values.push_back(value);
  return values;
}

// From one opacity up to another by steps of a size, the last step shorter.
std::vector<int> Rising(int from, int to, int step) {
  std::vector<int> values;
  for (int value = from + step; value < to; value += step) values.push_back(value);
  values.push_back(to);
  return values;
}

TEST_F(WorkFormWindowTest, AClickOnTheTrayIconShowsTheWindowAndFadesItInToOpaque) {
  TWorkF& workF = CreateForm();
  const UINT icon = workF.AppTrayIcon.IconId();
  ::PostMessageW(TrayHandlerWindow(), TrayCallbackMessage, icon, WM_LBUTTONDOWN);
  ::PostMessageW(TrayHandlerWindow(), TrayCallbackMessage, icon, WM_LBUTTONUP);
  app.ProcessMessages();
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
  EXPECT_EQ(workF.Tag(), 0);
  // Steps of five levels; the window's own timer may have taken the first
  // of them already.
  const std::vector<int> steps = RunFade(workF);
  const std::vector<int> all = Rising(127, 255, 5);
  ASSERT_FALSE(steps.empty());
  ASSERT_LE(steps.size(), all.size());
  EXPECT_TRUE(std::equal(steps.rbegin(), steps.rend(), all.rbegin()));
  EXPECT_EQ(LayeredOpacity(workF.Handle()), 255);
}

// A later start asks from its own process, here from another thread, while
// this copy runs its message loop.
RunningCopyAnswer AskFromALaterStart(toolkit::Application& app, int patienceMs) {
  const std::wstring lockName = L"Ostrevin.Test." + std::to_wstring(::GetCurrentProcessId());
  const SingleInstance runningCopy(lockName);
  RunningCopyAnswer answer{};
  std::atomic<bool> asked = false;
  std::thread laterStart([&] {
    SingleInstance lock(lockName);
    answer =
        AskRunningCopyToShow(lock, toolkit::Application::kWindowClass, app.Title(), patienceMs);
    asked = true;
    ::PostMessageW(app.Handle(), WM_NULL, 0, 0);
  });
  while (!asked) app.HandleMessage();
  laterStart.join();
  app.ProcessMessages();
  return answer;
}

TEST_F(WorkFormWindowTest, ALaterStartOfTheProgramShowsTheWindowOfTheRunningCopy) {
  TWorkF& workF = CreateForm();
  EXPECT_EQ(AskFromALaterStart(app, 5000), RunningCopyAnswer::Showing);
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
  RunFade(workF);
  EXPECT_EQ(LayeredOpacity(workF.Handle()), 255);
}

// Ending, the copy no longer answers: a later start hears nothing from it and
// says so instead of leaving the teacher with no timer.
TEST_F(WorkFormWindowTest, ACopyThatIsEndingDoesNotAnswerALaterStart) {
  TWorkF& workF = CreateForm();
  workF.FormDestroy();
  EXPECT_EQ(AskFromALaterStart(app, 300), RunningCopyAnswer::Silent);
  EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
}

TEST_F(WorkFormWindowTest, WithFadingOffTheWindowKeepsItsOpacity) {
  WriteSettingsFile("[Common]\r\nIsBlend=0\r\n");
  TWorkF& workF = CreateForm();
  workF.N1Click();
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
  EXPECT_EQ(LayeredOpacity(workF.Handle()), 127);
  EXPECT_EQ(workF.Tag(), 0);
  EXPECT_FALSE(workF.Fading());
  workF.FadeOut();
  EXPECT_EQ(LayeredOpacity(workF.Handle()), 127);
  EXPECT_EQ(workF.Tag(), 1);
}

struct FadeOutCase {
  const char* name;
  const char* blendVal;  // as the settings file holds it
  int stepsFrom;
  int stepsTo;  // no steps when below stepsFrom
  int opacityAfter;
};

// Named in the test list by its name alone.
void PrintTo(const FadeOutCase& c, std::ostream* out) {
  *out << c.name;
}

class FadeOutTest : public WorkFormTest, public testing::WithParamInterface<FadeOutCase> {};

TEST_P(FadeOutTest, StepsDownFromOpaqueToTheFadedOpacity) {
  const FadeOutCase& fade = GetParam();
  WriteSettingsFile(std::string("[Common]\r\nBlendVal=") + fade.blendVal + "\r\n");
  TWorkF& workF = CreateForm();
  workF.N1Click();
  RunFade(workF);
  workF.FadeOut();
  EXPECT_EQ(RunFade(workF), Descending(fade.stepsFrom, fade.stepsTo));
  EXPECT_EQ(LayeredOpacity(workF.Handle()), fade.opacityAfter);
  EXPECT_EQ(workF.Tag(), 1);
  workF.FadeOut();
  EXPECT_FALSE(workF.Fading());
}

INSTANTIATE_TEST_SUITE_P(Levels, FadeOutTest,
                         testing::Values(FadeOutCase{"ToTheDefault", "127", 254, 127, 127},
                                         FadeOutCase{"ToOpaque", "255", 254, 255, 255},
                                         FadeOutCase{"AboveOpaque", "300", 254, 256, 255},
                                         // A hand-edited file: no opacity lies below transparent.
                                         FadeOutCase{"BelowTransparent", "-40", 254, 0, 0}),
                         [](const testing::TestParamInfo<FadeOutCase>& info) {
                           return info.param.name;
                         });

TEST_F(WorkFormWindowTest, TheProgramsActivationFadesTheWindowInAndOut) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  RunFade(workF);
  ::SendMessageW(workF.Handle(), WM_ACTIVATEAPP, FALSE, 0);
  RunFade(workF);
  EXPECT_EQ(LayeredOpacity(workF.Handle()), 127);
  EXPECT_EQ(workF.Tag(), 1);
  ::SendMessageW(workF.Handle(), WM_ACTIVATEAPP, TRUE, 0);
  RunFade(workF);
  EXPECT_EQ(LayeredOpacity(workF.Handle()), 255);
  EXPECT_EQ(workF.Tag(), 0);
}

// Deactivated halfway through its fade-in, the window fades out from where it
// got to; the fade-in does not go on behind it to opaque.
TEST_F(WorkFormWindowTest, AFadeOutTakesOverFromAFadeInUnderWay) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  RunFade(workF);
  ::SendMessageW(workF.Handle(), WM_ACTIVATEAPP, FALSE, 0);
  RunFade(workF);
  ::SendMessageW(workF.Handle(), WM_ACTIVATEAPP, TRUE, 0);
  for (int step = 0; step < 4; ++step) {
    toolkit::WindowTimer::FireByMessage(workF.Handle(), TWorkF::kFadeTimerId);
  }
  ASSERT_EQ(LayeredOpacity(workF.Handle()), 147);
  ::SendMessageW(workF.Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(RunFade(workF), Descending(146, 127));
  EXPECT_EQ(workF.Tag(), 1);
}

TEST_F(WorkFormWindowTest, TheHideButtonHidesTheWindowAndItsTaskbarEntry) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  ASSERT_TRUE(::IsWindowVisible(workF.Handle()));
  constexpr WORD kHideButton = 5;
  ::SendMessageW(workF.Handle(), WM_COMMAND, MAKEWPARAM(kHideButton, BN_CLICKED),
                 reinterpret_cast<LPARAM>(workF.ToolBar1->Handle()));
  EXPECT_FALSE(::IsWindowVisible(workF.Handle()));
  EXPECT_FALSE(::IsWindowVisible(app.Handle()));
  EXPECT_TRUE(tray.Shows(workF.AppTrayIcon.IconId()));
}

// Keeps the system's move loop from starting: it records the move commands
// the window is sent and answers them itself.
class MoveCommandRecorder {
 public:
  explicit MoveCommandRecorder(HWND window) : window_(window) {
    ::SetWindowSubclass(window_, &Record, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  ~MoveCommandRecorder() { ::RemoveWindowSubclass(window_, &Record, 0); }
  MoveCommandRecorder(const MoveCommandRecorder&) = delete;
  MoveCommandRecorder& operator=(const MoveCommandRecorder&) = delete;

  std::vector<WPARAM> commands;
  bool captureHeld = false;  // the mouse was still captured when the command came

 private:
  static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
    if (message != WM_SYSCOMMAND) return ::DefSubclassProc(window, message, wParam, lParam);
    auto* recorder = reinterpret_cast<MoveCommandRecorder*>(self);
    recorder->commands.push_back(wParam);
    recorder->captureHeld = recorder->captureHeld || ::GetCapture() != nullptr;
    return 0;
  }

  HWND window_;
};

struct PressCase {
  const char* name;
  POINT at;  // in the window's client area
  UINT message;
};

// Named in the test list by its name alone.
void PrintTo(const PressCase& c, std::ostream* out) {
  *out << c.name;
}

class PressTest : public WorkFormTest, public testing::WithParamInterface<PressCase> {};

TEST_P(PressTest, APressOnThePieOrALabelStartsMovingTheWindow) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  MoveCommandRecorder recorder(workF.Handle());
  const PressCase& press = GetParam();
  ::SendMessageW(workF.Handle(), press.message, 0, MAKELPARAM(press.at.x, press.at.y));
  EXPECT_EQ(recorder.commands, std::vector<WPARAM>{SC_MOVE | HTCAPTION});
  EXPECT_FALSE(recorder.captureHeld);
}

INSTANTIATE_TEST_SUITE_P(
    Places, PressTest,
    testing::Values(PressCase{"PieLeftButton", {112, 136}, WM_LBUTTONDOWN},
                    PressCase{"PieRightButton", {112, 136}, WM_RBUTTONDOWN},
                    PressCase{"PieCornerMiddleButton", {2, 26}, WM_MBUTTONDOWN},
                    PressCase{"MinuteLabel", {112, 267}, WM_LBUTTONDOWN},
                    PressCase{"AttributionLine", {112, 292}, WM_LBUTTONDOWN}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ostrevin::uitest
