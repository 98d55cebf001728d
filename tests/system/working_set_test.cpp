#include "system/working_set.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <psapi.h>

#include "handle_probe.h"

namespace ostrevin {
namespace {

SIZE_T WorkingSetBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters))) return 0;
  return counters.WorkingSetSize;
}

TEST(TrimWorkingSetTest, LowersOrKeepsTheWorkingSet) {
  const SIZE_T before = WorkingSetBytes();
  ASSERT_GT(before, 0u);
  TrimWorkingSet();
  EXPECT_LE(WorkingSetBytes(), before);
}

TEST(TrimWorkingSetTest, LeavesNoHandleBehindOverADaysTicks) {
  const HANDLE before = test_support::NextHandle();
  for (int tick = 0; tick < 1000; ++tick) TrimWorkingSet();
  EXPECT_EQ(test_support::NextHandle(), before);
}

}  // namespace
}  // namespace ostrevin
