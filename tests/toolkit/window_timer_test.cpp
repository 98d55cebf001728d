#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/window_timer.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {
namespace {

constexpr UINT_PTR kTimerId = 42;

class WindowTimerTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form = std::make_unique<TestForm>();
  }
  // Whether the window has the timer: killing it succeeds only then.
  bool TimerExists() const { return ::KillTimer(form->Handle(), kTimerId) != FALSE; }

  std::unique_ptr<TestForm> form;
  int ticks = 0;
};

TEST_F(WindowTimerTest, TheHandlerRunsAtEachTick) {
  WindowTimer timer(form->Handle(), kTimerId, 1, [this] { ++ticks; });
  EXPECT_TRUE(PumpUntil([this] { return ticks >= 3; }));
}

TEST_F(WindowTimerTest, ATimerMessageSentToTheFormIsATick) {
  WindowTimer timer(form->Handle(), kTimerId, 30000, [this] { ++ticks; });
  ::SendMessageW(form->Handle(), WM_TIMER, kTimerId, 0);
  ::PostMessageW(form->Handle(), WM_TIMER, kTimerId, 0);
  app.ProcessMessages();
  EXPECT_EQ(ticks, 2);
  ::SendMessageW(form->Handle(), WM_TIMER, kTimerId + 1, 0);
  EXPECT_EQ(ticks, 2) << "no timer of that id";
  timer.SetEnabled(false);
  ::SendMessageW(form->Handle(), WM_TIMER, kTimerId, 0);
  EXPECT_EQ(ticks, 2) << "a stopped timer does not tick";
}

TEST_F(WindowTimerTest, ADisabledOrZeroIntervalTimerDoesNotRun) {
  WindowTimer timer(
      form->Handle(), kTimerId, 30000, [this] { ++ticks; }, false);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(TimerExists());
  timer.SetEnabled(true);
  timer.SetInterval(0);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_FALSE(TimerExists());
  timer.SetInterval(30000);
  EXPECT_EQ(timer.Interval(), 30000u);
  EXPECT_TRUE(TimerExists());
}

TEST_F(WindowTimerTest, TheTimerIsKilledWithTheObject) {
  {
    WindowTimer timer(form->Handle(), kTimerId, 30000, [this] { ++ticks; });
  }
  EXPECT_FALSE(TimerExists());
}

TEST_F(WindowTimerTest, AHandlerMayDestroyItsOwnTimer) {
  std::unique_ptr<WindowTimer> timer;
  timer = std::make_unique<WindowTimer>(form->Handle(), kTimerId, 1, [&] {
    ++ticks;
    timer.reset();
  });
  EXPECT_TRUE(PumpUntil([&] { return !timer; }));
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(TimerExists());
}

}  // namespace
}  // namespace ostrevin::toolkit
