#include "components/model/click_recognizer.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrevin {
namespace {

// One letter per step of what the shell and the wait report:
//   P press, R release while the wait runs, r release with no wait running,
//   D double-click, E the wait ran out.
// The trace has one letter per step: C where a single click is decided, - otherwise.
std::string Trace(const std::string& steps) {
  ClickRecognizer clicks;
  std::string trace;
  for (char step : steps) {
    bool decided = false;
    switch (step) {
      case 'P':
        clicks.Press();
        break;
      case 'R':
        decided = clicks.Release(true);
        break;
      case 'r':
        decided = clicks.Release(false);
        break;
      case 'D':
        clicks.DoubleClick();
        break;
      case 'E':
        decided = clicks.WaitElapsed();
        break;
    }
    trace += decided ? 'C' : '-';
  }
  return trace;
}

struct ClickCase {
  const char* name;
  const char* steps;
  const char* expected;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
  *os << c.steps;
}

class ClickRecognizerTest : public testing::TestWithParam<ClickCase> {};

TEST_P(ClickRecognizerTest, DecidesTheSingleClickAtTheRightStep) {
  EXPECT_EQ(Trace(GetParam().steps), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ClickRecognizerTest,
    testing::Values(ClickCase{"NoWaitClickAtRelease", "Pr", "-C"},
                    ClickCase{"NoWaitDoubleClickGivesOneClickOnly", "PrDr", "-C--"},
                    ClickCase{"WaitClickWhenItRunsOut", "PRE", "--C"},
                    ClickCase{"WaitDoubleClickGivesNoClick", "PRDRE", "-----"},
                    ClickCase{"WaitDoubleClickForgottenForTheNextClick", "PRDREPRE", "-------C"},
                    ClickCase{"HeldPastTheWaitClickAtRelease", "PEr", "--C"},
                    ClickCase{"ReleaseWithoutPressIsNoClick", "rR", "--"},
                    ClickCase{"WaitRunningOutTwiceClicksOnce", "PREE", "--C-"},
                    ClickCase{"SecondPressRestartsTheWaitOneClick", "PRPRE", "----C"}),
    [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST(ClickRecognizerFlagsTest, FollowThePressReleaseAndDoubleClick) {
  ClickRecognizer clicks;
  clicks.Press();
  EXPECT_TRUE(clicks.Armed());
  EXPECT_FALSE(clicks.Release(true));
  EXPECT_FALSE(clicks.Armed());
  EXPECT_TRUE(clicks.Pending());
  clicks.DoubleClick();
  EXPECT_FALSE(clicks.Pending());
  EXPECT_TRUE(clicks.DoubleClickSeen());
  EXPECT_FALSE(clicks.WaitElapsed());
  EXPECT_FALSE(clicks.DoubleClickSeen());
}

}  // namespace
}  // namespace ostrevin
