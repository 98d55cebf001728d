#include "components/model/tray_icon_cycle.h"

#include <gtest/gtest.h>

#include <vector>

namespace ostrevin {
namespace {

TEST(IconIndexInListTest, FallsBackToTheLastIcon) {
  struct Case {
    int requested, count, expected;
  };
  for (const Case& c : {Case{7, 3, 2}, Case{3, 3, 2}, Case{2, 3, 2}, Case{0, 3, 0}, Case{0, 0, -1},
                        Case{5, 0, -1}, Case{-2, 3, -2}}) {
    EXPECT_EQ(IconIndexInList(c.requested, c.count), c.expected)
        << c.requested << " of " << c.count;
  }
}

TEST(NextCycleIndexTest, StepsThroughTheListAndWraps) {
  std::vector<int> shown{0};
  for (int tick = 0; tick < 5; ++tick) shown.push_back(NextCycleIndex(shown.back(), 3));
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0, 1, 2}));
  EXPECT_EQ(NextCycleIndex(0, 1), 0);
  EXPECT_EQ(NextCycleIndex(-1, 3), 0);
}

}  // namespace
}  // namespace ostrevin
