#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "base/app_error.h"
#include "components/interval_timer.h"
#include "toolkit/application.h"

namespace ostrevin {
namespace {

// Whether the platform timer of `timer` is armed. Asking removes it, so an
// armed one is armed again with the timer's period.
bool Armed(const TIntervalTimer& timer) {
  const HWND window = TIntervalTimer::HandlerWindow();
  if (!::KillTimer(window, timer.TimerId())) return false;
  ::SetTimer(window, timer.TimerId(), timer.Interval(), nullptr);
  return true;
}

void DispatchWaitingMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
}

// Runs the message loop until `done` or the deadline.
template <typename Condition>
bool RunMessagesUntil(Condition done, DWORD deadlineMs = 5000) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > deadlineMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    DispatchWaitingMessages();
  }
  return true;
}

TEST(IntervalTimerTest, StartsStoppedWithASecondPeriod) {
  TIntervalTimer timer;
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(timer.OnTimer());
  EXPECT_FALSE(Armed(timer));
}

TEST(IntervalTimerTest, EnablingArmsAndDisablingDisarms) {
  TIntervalTimer timer(250, [](TIntervalTimer&) {});
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_TRUE(Armed(timer));
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(Armed(timer));
}

TEST(IntervalTimerTest, WithIntervalZeroNeverStarts) {
  TIntervalTimer timer(0, [](TIntervalTimer&) {});
  timer.SetEnabled(true);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(timer.Start());
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(Armed(timer));
}

TEST(IntervalTimerTest, IntervalZeroPausesAndANewIntervalResumes) {
  int expiries = 0;
  TIntervalTimer timer(5000, [&](TIntervalTimer&) { ++expiries; });
  timer.SetEnabled(true);
  timer.SetInterval(0);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(Armed(timer));

  timer.SetInterval(300);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_TRUE(Armed(timer));
  EXPECT_TRUE(RunMessagesUntil([&] { return expiries >= 2; }));
}

TEST(IntervalTimerTest, AnIntervalWrittenWhileStoppedIsOnlyStored) {
  TIntervalTimer timer;
  timer.SetInterval(40);
  EXPECT_EQ(timer.Interval(), 40u);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(Armed(timer));
}

TEST(IntervalTimerTest, EnablingWithIntervalZeroLeavesAPausedTimerPaused) {
  TIntervalTimer timer(100, [](TIntervalTimer&) {});
  timer.SetEnabled(true);
  timer.SetInterval(0);
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(Armed(timer));
}

TEST(IntervalTimerTest, RemovingTheHandlerPausesAndGivingItBackDoesNotResume) {
  TIntervalTimer timer(100, [](TIntervalTimer&) {});
  timer.SetEnabled(true);
  timer.SetOnTimer(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(Armed(timer));

  timer.SetOnTimer([](TIntervalTimer&) {});
  EXPECT_FALSE(Armed(timer));
  timer.SetEnabled(true);
  EXPECT_TRUE(Armed(timer));
}

TEST(IntervalTimerTest, StopWithoutClearingPausesAndReportsWhetherATimerWasArmed) {
  TIntervalTimer timer(100, [](TIntervalTimer&) {});
  EXPECT_FALSE(timer.Stop(false));
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Stop(false));
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(Armed(timer));
  EXPECT_TRUE(timer.Start());
  EXPECT_TRUE(Armed(timer));
}

TEST(IntervalTimerTest, AnExpiryCallsTheHandlerWithTheTimerAsSender) {
  TIntervalTimer* sender = nullptr;
  TIntervalTimer timer(100, [&](TIntervalTimer& expired) { sender = &expired; });
  ::SendMessageW(TIntervalTimer::HandlerWindow(), WM_TIMER, timer.TimerId(), 0);
  EXPECT_EQ(sender, &timer);
}

TEST(IntervalTimerTest, AHandlerMayStopItsOwnTimerAndReplaceItself) {
  int expiries = 0;
  TIntervalTimer timer(20, nullptr);
  timer.SetOnTimer([&](TIntervalTimer& sender) {
    ++expiries;
    sender.SetEnabled(false);
    sender.SetOnTimer(nullptr);
  });
  timer.SetEnabled(true);
  EXPECT_TRUE(RunMessagesUntil([&] { return expiries == 1; }));
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(Armed(timer));
}

TEST(IntervalTimerTest, AnErrorInTheHandlerEndsInTheErrorReport) {
  std::wstring reported;
  toolkit::Application::Instance().SetErrorReportSink(
      [&](const toolkit::Application::ErrorReport& report) { reported = report.text; });
  TIntervalTimer timer(100, [](TIntervalTimer&) { throw AppError(L"Таймер не сработал"); });
  ::SendMessageW(TIntervalTimer::HandlerWindow(), WM_TIMER, timer.TimerId(), 0);
  toolkit::Application::Instance().SetErrorReportSink(nullptr);
  EXPECT_EQ(reported, L"Таймер не сработал.");
}

TEST(IntervalTimerTest, TimersNeverShareAnIdentity) {
  auto first = std::make_unique<TIntervalTimer>();
  const UINT_PTR firstId = first->TimerId();
  TIntervalTimer keeper;
  first.reset();
  TIntervalTimer second;
  EXPECT_NE(second.TimerId(), firstId);
  EXPECT_NE(second.TimerId(), keeper.TimerId());
}

TEST(IntervalTimerTest, AnExpiryQueuedForADestroyedTimerIsDropped) {
  TIntervalTimer keeper;
  int destroyedExpiries = 0;
  auto destroyed =
      std::make_unique<TIntervalTimer>(100, [&](TIntervalTimer&) { ++destroyedExpiries; });
  ::PostMessageW(TIntervalTimer::HandlerWindow(), WM_TIMER, destroyed->TimerId(), 0);
  destroyed.reset();
  int laterExpiries = 0;
  TIntervalTimer later(100, [&](TIntervalTimer&) { ++laterExpiries; });

  DispatchWaitingMessages();
  EXPECT_EQ(destroyedExpiries, 0);
  EXPECT_EQ(laterExpiries, 0);

  ::PostMessageW(TIntervalTimer::HandlerWindow(), WM_TIMER, later.TimerId(), 0);
  DispatchWaitingMessages();
  EXPECT_EQ(laterExpiries, 1);
}

TEST(IntervalTimerTest, DestroyingARunningTimerDisarmsIt) {
  TIntervalTimer keeper;
  auto timer = std::make_unique<TIntervalTimer>(100, [](TIntervalTimer&) {});
  timer->SetEnabled(true);
  const UINT_PTR id = timer->TimerId();
  timer.reset();
  EXPECT_FALSE(::KillTimer(TIntervalTimer::HandlerWindow(), id));
}

TEST(IntervalTimerTest, TheSharedWindowLivesFromTheFirstTimerToTheLast) {
  EXPECT_EQ(TIntervalTimer::HandlerWindow(), nullptr);
  auto first = std::make_unique<TIntervalTimer>();
  const HWND window = TIntervalTimer::HandlerWindow();
  ASSERT_TRUE(::IsWindow(window));
  auto second = std::make_unique<TIntervalTimer>();
  EXPECT_EQ(TIntervalTimer::HandlerWindow(), window);
  first.reset();
  EXPECT_EQ(TIntervalTimer::HandlerWindow(), window);
  second.reset();
  EXPECT_EQ(TIntervalTimer::HandlerWindow(), nullptr);
  EXPECT_FALSE(::IsWindow(window));

  TIntervalTimer later;
  EXPECT_TRUE(::IsWindow(TIntervalTimer::HandlerWindow()));
}

}  // namespace
}  // namespace ostrevin
