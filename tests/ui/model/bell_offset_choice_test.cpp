#include <gtest/gtest.h>

#include "ui/model/bell_offset_choice.h"

namespace ostrevin {
namespace {

struct ChoiceCase {
  std::int32_t offset;
  BellOffsetChoice choice;
};

class BellOffsetChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(BellOffsetChoiceTest, ShowsTheOffsetAsAWayAndSecondsAndReadsItBack) {
  const ChoiceCase& c = GetParam();
  EXPECT_EQ(ChoiceOfBellOffset(c.offset), c.choice);
  EXPECT_EQ(BellOffsetOfChoice(c.choice.direction, c.choice.seconds), c.offset);
}

INSTANTIATE_TEST_SUITE_P(Offsets, BellOffsetChoiceTest,
                         ::testing::Values(ChoiceCase{40, {kBellAhead, 40}},
                                           ChoiceCase{-40, {kBellBehind, 40}},
                                           ChoiceCase{0, {kBellAhead, 0}},
                                           ChoiceCase{3600, {kBellAhead, 3600}},
                                           ChoiceCase{-3600, {kBellBehind, 3600}}));

TEST(BellOffsetOfChoice, KeepsTheHourAndTakesTheSignFromTheChoiceAlone) {
  EXPECT_EQ(BellOffsetOfChoice(kBellBehind, 5000), -3600);
  EXPECT_EQ(BellOffsetOfChoice(kBellAhead, -30), 30) << "a typed minus is not a direction";
  EXPECT_EQ(BellOffsetOfChoice(-1, 30), 30) << "nothing chosen counts as ahead";
  EXPECT_EQ(BellOffsetOfChoice(kBellBehind, 0), 0);
  EXPECT_EQ(ChoiceOfBellOffset(-9000), (BellOffsetChoice{kBellBehind, 3600}));
}

}  // namespace
}  // namespace ostrevin
