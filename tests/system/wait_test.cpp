#include "system/wait.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <climits>

#include "handle_probe.h"

namespace ostrevin {
namespace {

// Milliseconds taken by one call, on the same tick-based clock as the waits.
template <typename Call>
ULONGLONG MillisecondsOf(Call call) {
  ULONGLONG start = ::GetTickCount64();
  call();
  return ::GetTickCount64() - start;
}

// Far below any real wait, far above the cost of a call that does not wait.
constexpr ULONGLONG kAtOnce = 1000;

TEST(WaitMsTest, ReturnsAtOnceForNoTimeOrANegativeTime) {
  for (int ms : {0, -1, -1000, INT_MIN}) {
    EXPECT_LT(MillisecondsOf([ms] { WaitMs(ms); }), kAtOnce) << ms;
  }
}

TEST(WaitMsTest, RunsOutItsTimeThoughNothingEndsIt) {
  // The system's timer tick (up to 16 ms) may end a wait that much early.
  EXPECT_GE(MillisecondsOf([] { WaitMs(200); }), 200u - 16u);
}

TEST(WaitMsTest, HandlesNoMessageWhileItWaits) {
  MSG message{};
  ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // gives the thread its queue
  ASSERT_TRUE(::PostThreadMessageW(::GetCurrentThreadId(), WM_APP, 7, 0));
  WaitMs(20);
  ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST(WaitMsTest, LeavesNoHandleBehind) {
  const HANDLE before = test_support::NextHandle();
  for (int i = 0; i < 100; ++i) WaitMs(1);
  EXPECT_EQ(test_support::NextHandle(), before);
}

}  // namespace
}  // namespace ostrevin
