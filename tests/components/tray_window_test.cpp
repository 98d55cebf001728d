#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "components/notify_icon.h"
#include "icon_size.h"
#include "toolkit/application.h"
#include "toolkit/dpi.h"
#include "toolkit/handles.h"
#include "toolkit/window.h"
#include "tray_test_doubles.h"

namespace ostrevin {
namespace {

using test_support::FakePopupMenu;
using test_support::FakeTrayShell;
using test_support::ShellReports;
using toolkit::Application;

constexpr UINT kMarkerMessage = WM_APP + 7;

struct ReceivedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The messages the main form's own window procedure received.
std::vector<ReceivedMessage> formMessages;

bool FormReceived(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return std::any_of(formMessages.begin(), formMessages.end(), [&](const ReceivedMessage& m) {
    return m.message == message && m.wParam == wParam && m.lParam == lParam;
  });
}

void DispatchWaitingMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
}

// A main form of the toolkit whose own procedure records what it receives
// and keeps system commands to itself.
class RecordingForm : public toolkit::Window {
 public:
  RecordingForm() {
    CreateHandle({.className = L"OstrevinTrayTestForm",
                  .style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                  .text = L"Ostrevin",
                  .bounds = {100, 100, 325, 399},
                  .parent = Application::Instance().Handle()});
  }
  ~RecordingForm() override { DestroyHandle(); }

  HWND get() const { return Handle(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    formMessages.push_back({message, wParam, lParam});
    if (message == WM_SYSCOMMAND) return 0;
    return DefaultHandling(message, wParam, lParam);
  }
};

// The application window with a main form of a class that records what it
// receives; the form is the tray icons' owner.
class TrayWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    Application& application = Application::Instance();
    if (!application.Handle()) {
      try {
        application.Initialize(::GetModuleHandleW(nullptr));
      } catch (const AppError& error) {
        FAIL() << "no application window: " << testing::PrintToString(error.message());
      }
    }
    form = std::make_unique<RecordingForm>();
    application.SetShowMainForm(true);
    application.SetMainFormHandle(form->get());
    formMessages.clear();
  }

  void TearDown() override {
    Application::Instance().SetMainFormHandle(nullptr);
    Application::Instance().Restore();
    ::ShowWindow(ApplicationWindow(), SW_HIDE);
  }

  void ShowForm() { ::ShowWindow(form->get(), SW_SHOW); }

  // Showing and hiding the application window (it has a caption) costs a
  // couple of seconds under Wine: only the tests of the taskbar entry do it.
  void ShowApplicationAndForm() {
    ::ShowWindow(ApplicationWindow(), SW_SHOWNA);
    ShowForm();
  }

  static HWND ApplicationWindow() { return Application::Instance().Handle(); }

  std::unique_ptr<RecordingForm> form;
  FakeTrayShell shell;
};

TEST_F(TrayWindowTest, ANewTaskbarGetsTheIconBackOnlyWhileItIsWanted) {
  TNotifyIcon icon(form->get(), shell);
  icon.SetIconVisible(true);
  shell.calls.clear();
  ::PostMessageW(ApplicationWindow(), TaskbarCreatedMessage(), 0, 0);
  DispatchWaitingMessages();
  EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD}));

  icon.SetIconVisible(false);
  shell.calls.clear();
  ::PostMessageW(ApplicationWindow(), TaskbarCreatedMessage(), 0, 0);
  DispatchWaitingMessages();
  EXPECT_TRUE(shell.calls.empty());
}

// The system's application icon at a size, as a program icon drawn at
// several sizes gives it.
toolkit::UniqueIcon SizedIcon(int size) {
  return toolkit::UniqueIcon(static_cast<HICON>(
      ::CopyImage(::LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON, size, size, 0)));
}

// The teacher changes the scaling without logging off: Windows tells the
// program's windows, and the tray shows its icons at another size, which a
// picture of the old size would be stretched to.
TEST_F(TrayWindowTest, TheIconIsMadeAgainAtTheTraysSizeWhenTheScalingChanges) {
  TNotifyIcon icon(form->get(), shell);
  icon.SetIconSource(SizedIcon);
  icon.SetIconVisible(true);
  ASSERT_EQ(test_support::IconWidth(icon.Icon()), 16);
  struct Announcement {
    const char* name;
    UINT message;
    WPARAM wParam;
    int size;
  };
  const Announcement announcements[] = {
      {"the settings", WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 24},
      {"the display", WM_DISPLAYCHANGE, 32, 20},
      {"the screen's scaling", toolkit::kDpiChangedMessage, MAKEWPARAM(192, 192), 32},
      {"a new taskbar", TaskbarCreatedMessage(), 0, 16},
  };
  for (const Announcement& announcement : announcements) {
    shell.iconSize = announcement.size;
    shell.calls.clear();
    RECT suggested{0, 0, 1, 1};
    ::SendMessageW(ApplicationWindow(), announcement.message, announcement.wParam,
                   reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(icon.TrayIconSize(), announcement.size) << announcement.name;
    EXPECT_EQ(test_support::IconWidth(icon.Icon()), announcement.size) << announcement.name;
    ASSERT_FALSE(shell.calls.empty()) << announcement.name;
    EXPECT_EQ(shell.Last().data.hIcon, icon.Icon()) << announcement.name;
    EXPECT_TRUE(shell.Shows(icon.IconId())) << announcement.name;
  }
  shell.calls.clear();
  ::SendMessageW(ApplicationWindow(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  EXPECT_TRUE(shell.calls.empty()) << "the same size: the tray hears nothing";
}

// A picture set as it is stays as it was given.
TEST_F(TrayWindowTest, AnIconGivenWithoutASourceIsKeptAtAnyScaling) {
  TNotifyIcon icon(form->get(), shell);
  const toolkit::UniqueIcon picture = SizedIcon(16);
  icon.SetIcon(picture.get());
  shell.iconSize = 32;
  ::SendMessageW(ApplicationWindow(), WM_DISPLAYCHANGE, 32, 0);
  EXPECT_EQ(icon.TrayIconSize(), 32);
  EXPECT_EQ(test_support::IconWidth(icon.Icon()), 16);
}

TEST_F(TrayWindowTest, MinimizingTheApplicationHidesTheMainFormIntoTheTray) {
  ShowApplicationAndForm();
  TNotifyIcon icon(form->get(), shell);
  icon.SetMinimizeToTray(true);
  Application::Instance().Minimize();
  EXPECT_FALSE(::IsWindowVisible(form->get()));
  EXPECT_FALSE(::IsWindowVisible(ApplicationWindow()));
  EXPECT_TRUE(icon.IconVisible());
  EXPECT_TRUE(shell.Shows(icon.IconId()));
}

TEST_F(TrayWindowTest, WithoutMinimizeToTrayMinimizingLeavesTheTrayAlone) {
  ShowForm();
  TNotifyIcon icon(form->get(), shell);
  Application::Instance().Minimize();
  EXPECT_FALSE(icon.IconVisible());
  EXPECT_TRUE(shell.calls.empty());
  Application::Instance().Restore();
}

TEST_F(TrayWindowTest, IconsOfOneOwnerChainTheLatestFirstAndGiveTheOwnerItsMessagesBack) {
  std::vector<std::string> intercepted;
  auto first = std::make_unique<TNotifyIcon>(form->get(), shell);
  auto second = std::make_unique<TNotifyIcon>(form->get(), shell);
  for (auto* icon : {first.get(), second.get()}) {
    icon->SetMinimizeToTray(true);
    icon->OnMinimizeToTray = [&, icon](TNotifyIcon& sender) {
      EXPECT_EQ(&sender, icon);
      intercepted.push_back(icon == first.get() ? "first" : "second");
    };
  }
  EXPECT_EQ(::SendMessageW(form->get(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
  EXPECT_EQ(intercepted, (std::vector<std::string>{"second"}));
  EXPECT_FALSE(FormReceived(WM_SYSCOMMAND, SC_MINIMIZE));

  second.reset();
  first.reset();
  EXPECT_EQ(::SendMessageW(form->get(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 0);
  EXPECT_TRUE(FormReceived(WM_SYSCOMMAND, SC_MINIMIZE));
  EXPECT_EQ(intercepted, (std::vector<std::string>{"second"}));
}

TEST_F(TrayWindowTest, IconsOfOneOwnerMayGoInAnyOrder) {
  auto first = std::make_unique<TNotifyIcon>(form->get(), shell);
  auto second = std::make_unique<TNotifyIcon>(form->get(), shell);
  second->SetMinimizeToTray(true);
  int intercepted = 0;
  second->OnMinimizeToTray = [&](TNotifyIcon&) { ++intercepted; };
  first.reset();
  EXPECT_EQ(::SendMessageW(form->get(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
  EXPECT_EQ(intercepted, 1);
  second.reset();
  EXPECT_EQ(::SendMessageW(form->get(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 0);
  EXPECT_EQ(intercepted, 1);
  EXPECT_TRUE(FormReceived(WM_SYSCOMMAND, SC_MINIMIZE));
}

// The form, window and object, may go before its icons.
TEST_F(TrayWindowTest, AnOwnerDestroyedFirstLeavesItsIconsWorking) {
  auto icon = std::make_unique<TNotifyIcon>(form->get(), shell);
  const UINT id = icon->IconId();
  form.reset();
  EXPECT_TRUE(icon->AddToTray());
  EXPECT_TRUE(shell.Shows(id));
  icon.reset();
  EXPECT_FALSE(shell.Shows(id));
}

TEST_F(TrayWindowTest, TheOwnersMinimizeIsTakenOnlyWithMinimizeToTrayAndItsEvent) {
  struct Case {
    bool minimizeToTray;
    bool eventSet;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool intercepted;
  };
  for (const Case& c : {Case{true, true, WM_SYSCOMMAND, SC_MINIMIZE, 0, true},
                        Case{true, true, WM_SHOWWINDOW, FALSE, SW_PARENTCLOSING, true},
                        Case{true, false, WM_SYSCOMMAND, SC_MINIMIZE, 0, false},
                        Case{false, true, WM_SYSCOMMAND, SC_MINIMIZE, 0, false},
                        Case{true, true, WM_SYSCOMMAND, SC_MINIMIZE | 2, 0, false},
                        Case{true, true, WM_SHOWWINDOW, FALSE, SW_PARENTOPENING, false}}) {
    SCOPED_TRACE(testing::Message() << c.message << " " << c.wParam << " " << c.lParam << " tray "
                                    << c.minimizeToTray << " event " << c.eventSet);
    ShowForm();
    FakeTrayShell ownShell;
    TNotifyIcon icon(form->get(), ownShell);
    icon.SetMinimizeToTray(c.minimizeToTray);
    int events = 0;
    if (c.eventSet) icon.OnMinimizeToTray = [&](TNotifyIcon&) { ++events; };
    formMessages.clear();

    const LRESULT result = ::SendMessageW(form->get(), c.message, c.wParam, c.lParam);
    EXPECT_EQ(FormReceived(c.message, c.wParam, c.lParam), !c.intercepted);
    EXPECT_EQ(events, c.intercepted ? 1 : 0);
    EXPECT_EQ(icon.IconVisible(), c.intercepted);
    if (c.intercepted) {
      EXPECT_EQ(result, 1);
      EXPECT_FALSE(::IsWindowVisible(form->get()));
    }
  }
}

TEST_F(TrayWindowTest, RestoringBringsTheFormBackFromTheTrayAndTheMinimizedState) {
  ShowApplicationAndForm();
  TNotifyIcon icon(form->get(), shell);
  ::ShowWindow(form->get(), SW_MINIMIZE);
  ::ShowWindow(form->get(), SW_HIDE);
  Application::Instance().Minimize();

  icon.RestoreMainWindow();
  EXPECT_TRUE(::IsWindowVisible(form->get()));
  EXPECT_FALSE(::IsIconic(form->get()));
  EXPECT_FALSE(::IsIconic(ApplicationWindow()));
  // The application comes to the front; its window hands the focus on to the form.
  EXPECT_EQ(::GetAncestor(::GetForegroundWindow(), GA_ROOTOWNER), ApplicationWindow());
}

TEST_F(TrayWindowTest, ConcealingHidesTheFormAndTheTaskbarEntry) {
  ShowApplicationAndForm();
  TNotifyIcon icon(form->get(), shell);
  icon.ConcealMainWindow();
  EXPECT_FALSE(::IsWindowVisible(form->get()));
  EXPECT_FALSE(::IsWindowVisible(ApplicationWindow()));

  ::ShowWindow(form->get(), SW_SHOW);
  icon.ConcealMainWindow();
  EXPECT_FALSE(::IsWindowVisible(form->get()));
  EXPECT_FALSE(::IsWindowVisible(ApplicationWindow()));
}

TEST_F(TrayWindowTest, AnIconWithoutAnOwnerWindowLeavesTheMainFormAlone) {
  ShowForm();
  TNotifyIcon icon(nullptr, shell);
  icon.ConcealMainWindow();
  EXPECT_TRUE(::IsWindowVisible(form->get()));
  ::ShowWindow(form->get(), SW_HIDE);
  icon.RestoreMainWindow();
  EXPECT_FALSE(::IsWindowVisible(form->get()));
}

TEST_F(TrayWindowTest, TheStartupEventCanStartTheProgramHidden) {
  ShowApplicationAndForm();
  TNotifyIcon icon(form->get(), shell);
  bool offered = false;
  icon.OnStartup = [&](TNotifyIcon&, bool& showMainForm) {
    offered = showMainForm;
    showMainForm = false;
  };
  icon.Loaded();
  EXPECT_TRUE(offered);
  EXPECT_FALSE(Application::Instance().ShowMainForm());
  EXPECT_FALSE(::IsWindowVisible(form->get()));
  EXPECT_FALSE(::IsWindowVisible(ApplicationWindow()));
}

TEST_F(TrayWindowTest, WithoutAStartupEventTheMainFormIsShownAsUsual) {
  ShowForm();
  TNotifyIcon icon(form->get(), shell);
  icon.Loaded();
  EXPECT_TRUE(Application::Instance().ShowMainForm());
  EXPECT_TRUE(::IsWindowVisible(form->get()));
}

TEST_F(TrayWindowTest, TheMenuOpensAfterWaitingMessagesAndWakesTheOwnerAfterwards) {
  TNotifyIcon icon(form->get(), shell);
  FakePopupMenu menu;
  bool markerHandledFirst = false;
  menu.onPopup = [&] { markerHandledFirst = FormReceived(kMarkerMessage); };
  icon.SetPopupMenu(&menu);
  ::PostMessageW(form->get(), kMarkerMessage, 0, 0);

  ShellReports(icon, WM_RBUTTONDOWN);
  EXPECT_TRUE(markerHandledFirst);
  MSG wake{};
  EXPECT_TRUE(::PeekMessageW(&wake, form->get(), WM_NULL, WM_NULL, PM_REMOVE));
}

}  // namespace
}  // namespace ostrevin
