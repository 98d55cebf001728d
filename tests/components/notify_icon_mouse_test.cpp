#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/app_error.h"
#include "components/notify_icon.h"
#include "toolkit/application.h"
#include "tray_test_doubles.h"

namespace ostrevin {
namespace {

using test_support::Expire;
using test_support::FakePopupMenu;
using test_support::FakeTrayShell;
using test_support::ShellReports;
using test_support::TestNotifyIcon;

using Log = std::vector<std::string>;

std::string ButtonName(TMouseButton button) {
  switch (button) {
    case mbLeft:
      return "L";
    case mbRight:
      return "R";
    case mbMiddle:
      return "M";
  }
  return "?";
}

// An icon whose events, the menu's opening and its default item are written
// into one log, in the order they happen.
class NotifyIconMouseTest : public testing::Test {
 protected:
  NotifyIconMouseTest() {
    icon.OnClick = [this](TNotifyIcon&) { log.push_back("click"); };
    icon.OnMouseDown = [this](TNotifyIcon&, TMouseButton button, TShiftState shift, int x, int y) {
      log.push_back("down " + ButtonName(button));
      lastShift = shift;
      lastPosition = POINT{x, y};
    };
    icon.OnMouseUp = [this](TNotifyIcon&, TMouseButton button, TShiftState shift, int, int) {
      log.push_back("up " + ButtonName(button));
      lastShift = shift;
    };
    menu.onPopup = [this] { log.push_back("menu"); };
    menu.onDefaultItem = [this] { log.push_back("default"); };
    icon.SetPopupMenu(&menu);
  }

  void ListenForDoubleClicks() {
    icon.OnDblClick = [this](TNotifyIcon&) { log.push_back("double"); };
  }

  void Report(std::initializer_list<UINT> codes) {
    for (UINT code : codes) ShellReports(icon, code);
  }

  FakeTrayShell shell;
  FakePopupMenu menu;
  TestNotifyIcon icon{nullptr, shell};
  Log log;
  TShiftState lastShift = 0;
  POINT lastPosition{};
};

TEST_F(NotifyIconMouseTest, WithoutDoubleClickListenerTheClickComesAtTheRelease) {
  Report({WM_LBUTTONDOWN, WM_LBUTTONUP});
  EXPECT_EQ(log, (Log{"down L", "click", "up L"}));
  EXPECT_FALSE(icon.ClickWaitTicker().Enabled());
}

TEST_F(NotifyIconMouseTest, WithoutDoubleClickListenerADoubleClickRunsClickThenDefaultItem) {
  Report({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  EXPECT_EQ(log, (Log{"down L", "click", "up L", "default", "up L"}));
}

TEST_F(NotifyIconMouseTest, WithDoubleClickListenerTheClickWaitsForTheDoubleClickTime) {
  ListenForDoubleClicks();
  Report({WM_LBUTTONDOWN});
  EXPECT_TRUE(icon.ClickWaitTicker().Enabled());
  EXPECT_EQ(icon.ClickWaitTicker().Interval(), ::GetDoubleClickTime());
  Report({WM_LBUTTONUP});
  EXPECT_EQ(log, (Log{"down L", "up L"}));

  Expire(icon.ClickWaitTicker());
  EXPECT_EQ(log, (Log{"down L", "up L", "click"}));
  EXPECT_FALSE(icon.ClickWaitTicker().Enabled());
}

TEST_F(NotifyIconMouseTest, WithDoubleClickListenerADoubleClickGivesNoClick) {
  ListenForDoubleClicks();
  Report({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  Expire(icon.ClickWaitTicker());
  EXPECT_EQ(log, (Log{"down L", "up L", "double", "default", "up L"}));

  Report({WM_LBUTTONDOWN, WM_LBUTTONUP});
  Expire(icon.ClickWaitTicker());
  EXPECT_EQ(log.back(), "click");
}

TEST_F(NotifyIconMouseTest, APressHeldPastTheDoubleClickTimeClicksAtTheRelease) {
  ListenForDoubleClicks();
  Report({WM_LBUTTONDOWN});
  Expire(icon.ClickWaitTicker());
  Report({WM_LBUTTONUP});
  EXPECT_EQ(log, (Log{"down L", "click", "up L"}));
}

TEST_F(NotifyIconMouseTest, ARightPressOpensTheMenuAtTheCursor) {
  ASSERT_TRUE(::SetCursorPos(120, 90));
  POINT cursor{};
  ::GetCursorPos(&cursor);
  Report({WM_RBUTTONDOWN});
  EXPECT_EQ(log, (Log{"down R", "menu"}));
  EXPECT_TRUE(lastShift & ssRight);
  ASSERT_EQ(menu.popups.size(), 1u);
  EXPECT_EQ(menu.popups[0].x, cursor.x);
  EXPECT_EQ(menu.popups[0].y, cursor.y);
  EXPECT_EQ(lastPosition.x, cursor.x);
  EXPECT_EQ(lastPosition.y, cursor.y);

  Report({WM_RBUTTONUP});
  EXPECT_EQ(log.back(), "up R");
  EXPECT_TRUE(lastShift & ssRight);
}

TEST_F(NotifyIconMouseTest, EachButtonCarriesItsOwnShiftFlag) {
  struct Case {
    UINT down, up;
    const char* name;
    TShiftState flag;
  };
  for (const Case& c : {Case{WM_LBUTTONDOWN, WM_LBUTTONUP, "L", ssLeft},
                        Case{WM_RBUTTONDOWN, WM_RBUTTONUP, "R", ssRight},
                        Case{WM_MBUTTONDOWN, WM_MBUTTONUP, "M", ssMiddle}}) {
    log.clear();
    Report({c.down});
    EXPECT_EQ(log.front(), std::string("down ") + c.name);
    EXPECT_EQ(lastShift & (ssLeft | ssRight | ssMiddle), c.flag) << c.name;
    Report({c.up});
    EXPECT_EQ(log.back(), std::string("up ") + c.name);
    EXPECT_EQ(lastShift & (ssLeft | ssRight | ssMiddle), c.flag) << c.name;
  }
}

TEST_F(NotifyIconMouseTest, LeftPopupOpensTheMenuOnTheLeftButtonAndDropsTheDefaultItem) {
  icon.SetLeftPopup(true);
  Report({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  EXPECT_EQ(log, (Log{"down L", "menu", "click", "up L", "up L"}));
}

TEST_F(NotifyIconMouseTest, AMenuThatDoesNotPopUpByItselfIsLeftAlone) {
  menu.autoPopup = false;
  Report({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK});
  EXPECT_EQ(log, (Log{"down R", "up R", "down L", "click", "up L"}));
}

TEST_F(NotifyIconMouseTest, ADisabledIconIgnoresTheMouseButStillReportsBalloons) {
  int balloonEvents = 0;
  for (TNotifyEvent* event : {&icon.OnBalloonHintShow, &icon.OnBalloonHintHide,
                              &icon.OnBalloonHintTimeout, &icon.OnBalloonHintClick}) {
    *event = [&](TNotifyIcon&) { ++balloonEvents; };
  }
  ListenForDoubleClicks();
  icon.OnMouseMove = [this](TNotifyIcon&, TShiftState, int, int) { log.push_back("move"); };
  icon.SetEnabled(false);
  Report({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
          WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP});
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(icon.ClickWaitTicker().Enabled());
  Report({NIN_BALLOONSHOW, NIN_BALLOONHIDE, NIN_BALLOONTIMEOUT, NIN_BALLOONUSERCLICK});
  EXPECT_EQ(balloonEvents, 4);
}

TEST_F(NotifyIconMouseTest, EachBalloonNotificationRaisesItsOwnEvent) {
  icon.OnBalloonHintShow = [this](TNotifyIcon& sender) {
    EXPECT_EQ(&sender, &icon);
    log.push_back("show");
  };
  icon.OnBalloonHintHide = [this](TNotifyIcon&) { log.push_back("hide"); };
  icon.OnBalloonHintTimeout = [this](TNotifyIcon&) { log.push_back("timeout"); };
  icon.OnBalloonHintClick = [this](TNotifyIcon&) { log.push_back("user click"); };
  Report({NIN_BALLOONUSERCLICK, NIN_BALLOONSHOW, NIN_BALLOONTIMEOUT, NIN_BALLOONHIDE});
  EXPECT_EQ(log, (Log{"user click", "show", "timeout", "hide"}));
}

TEST_F(NotifyIconMouseTest, OtherNotificationsAndOtherIconsAreIgnored) {
  ListenForDoubleClicks();
  Report({WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK, WM_CONTEXTMENU, NIN_SELECT, NIN_KEYSELECT});
  ::SendMessageW(TrayHandlerWindow(), TrayCallbackMessage, icon.IconId() + 1, WM_LBUTTONDOWN);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(menu.popups.size(), 0u);
}

TEST_F(NotifyIconMouseTest, AnErrorInAHandlerEndsInTheErrorReportAndTheIconGoesOn) {
  std::wstring reported;
  toolkit::Application::Instance().SetErrorReportSink(
      [&](const toolkit::Application::ErrorReport& report) { reported = report.text; });
  icon.OnClick = [](TNotifyIcon&) { throw AppError(L"Окно не открылось"); };
  Report({WM_LBUTTONDOWN, WM_LBUTTONUP});
  EXPECT_EQ(reported, L"Окно не открылось.");
  EXPECT_EQ(log, (Log{"down L"}));

  Report({WM_RBUTTONDOWN});
  toolkit::Application::Instance().SetErrorReportSink(nullptr);
  EXPECT_EQ(log, (Log{"down L", "down R", "menu"}));
}

TEST_F(NotifyIconMouseTest, TheCursorComingAndGoingIsReportedOnlyWhenWanted) {
  icon.OnMouseMove = [this](TNotifyIcon&, TShiftState, int, int) { log.push_back("move"); };
  icon.OnMouseEnter = [this](TNotifyIcon&) { log.push_back("enter"); };
  icon.OnMouseExit = [this](TNotifyIcon&) { log.push_back("exit"); };
  ASSERT_TRUE(::SetCursorPos(30, 30));
  Report({WM_MOUSEMOVE});
  EXPECT_FALSE(icon.HoverTicker().Enabled());
  EXPECT_EQ(log, (Log{"move"}));

  icon.SetWantEnterExitEvents(true);
  EXPECT_TRUE(icon.HoverTicker().Enabled());
  EXPECT_EQ(icon.HoverTicker().Interval(), 20u);
  log.clear();
  Report({WM_MOUSEMOVE, WM_MOUSEMOVE});
  Expire(icon.HoverTicker());
  EXPECT_EQ(log, (Log{"enter", "move", "move"}));

  ASSERT_TRUE(::SetCursorPos(60, 45));
  Expire(icon.HoverTicker());
  Expire(icon.HoverTicker());
  Report({WM_MOUSEMOVE});
  EXPECT_EQ(log, (Log{"enter", "move", "move", "exit", "enter", "move"}));

  icon.SetWantEnterExitEvents(false);
  EXPECT_FALSE(icon.HoverTicker().Enabled());
}

}  // namespace
}  // namespace ostrevin
