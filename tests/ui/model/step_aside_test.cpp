#include "ui/model/step_aside.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace ostrevin {
namespace {

using Move = StepAside::Move;

struct LookCase {
  const char* name;
  NotificationState state;
  ScreenShowFacts facts;
  bool inFront;
};

TEST(ShowInFrontTest, AWindowCoveringTheScreenOrWhatWindowsSaysOfTheWindowInFront) {
  const ScreenShowFacts covered{.showCoversScreen = true};
  const ScreenShowFacts foreground{.foregroundOnScreen = true};
  const ScreenShowFacts elsewhere{};
  const LookCase cases[] = {
      {"CoveredWhateverWindowsSays", NotificationState::AcceptsNotifications, covered, true},
      {"CoveredWhereWindowsCannotSay", NotificationState::Unknown, covered, true},
      {"BusyInFrontOfTheTimersScreen", NotificationState::Busy, foreground, true},
      {"BusyOnAnotherScreen", NotificationState::Busy, elsewhere, false},
      {"Direct3dInFront", NotificationState::FullScreenDirect3d, foreground, true},
      {"PresentationModeInFront", NotificationState::PresentationMode, foreground, true},
      {"StoreAppInFront", NotificationState::StoreApp, foreground, true},
      {"ScreenSaver", NotificationState::NotPresent, foreground, false},
      {"QuietTime", NotificationState::QuietTime, foreground, false},
      {"NothingOfTheKind", NotificationState::AcceptsNotifications, foreground, false},
      {"WindowsCannotSay", NotificationState::Unknown, foreground, false},
  };
  for (const LookCase& c : cases) EXPECT_EQ(ShowInFront(c.state, c.facts), c.inFront) << c.name;
}

TEST(LooksLikeAShowTest, CoversTheWholeScreenWithoutACaptionAndIsNotMaximized) {
  const ScreenRect projector{1920, 0, 2944, 768};
  EXPECT_TRUE(LooksLikeAShow(projector, projector, false, false));
  EXPECT_TRUE(LooksLikeAShow({1900, -10, 2960, 780}, projector, false, false));
  EXPECT_FALSE(LooksLikeAShow(projector, projector, true, false)) << "a window with a caption";
  EXPECT_FALSE(LooksLikeAShow({1912, -8, 2952, 776}, projector, true, true)) << "maximized";
  EXPECT_FALSE(LooksLikeAShow(projector, projector, false, true)) << "maximized, no caption";
  EXPECT_FALSE(LooksLikeAShow({1920, 0, 2944, 767}, projector, false, false)) << "a pixel short";
  EXPECT_FALSE(LooksLikeAShow({0, 0, 1920, 1080}, projector, false, false)) << "another screen";
  EXPECT_FALSE(LooksLikeAShow({0, 0, 10, 10}, {}, false, false)) << "no screen";
}

// One step of a day: a look at the screen, or what the program or the user
// does, with what the rule answers.
struct LookAt {
  bool showInFront;
  bool windowShown;
  Move move;
};
struct ProgramShows {
  bool deferred;
};
struct UserShows {};
struct UserHides {};
using Step = std::variant<LookAt, ProgramShows, UserShows, UserHides>;

struct SequenceCase {
  const char* name;
  std::vector<Step> steps;
};

void PrintTo(const SequenceCase& c, std::ostream* out) {
  *out << c.name;
}

class StepAsideTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(StepAsideTest, HidesTheWindowForAShowAndBringsItBackAfterwards) {
  StepAside rule;
  int index = 0;
  for (const Step& step : GetParam().steps) {
    SCOPED_TRACE(testing::Message() << "step " << index++);
    if (const auto* look = std::get_if<LookAt>(&step)) {
      EXPECT_EQ(rule.Look(look->showInFront, look->windowShown), look->move);
    } else if (const auto* shows = std::get_if<ProgramShows>(&step)) {
      EXPECT_EQ(rule.Defer(), shows->deferred);
    } else if (std::holds_alternative<UserShows>(step)) {
      rule.UserShowed();
    } else {
      rule.UserHid();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Days, StepAsideTest,
    testing::Values(
        SequenceCase{"NoShowNothingHappens",
                     {LookAt{false, true, Move::Stay}, ProgramShows{false},
                      LookAt{false, false, Move::Stay}}},
        SequenceCase{"AShownWindowStepsAsideAndComesBack",
                     {LookAt{true, true, Move::Hide}, LookAt{true, false, Move::Stay},
                      LookAt{false, false, Move::Show}, LookAt{false, true, Move::Stay}}},
        SequenceCase{"AHiddenWindowStaysHidden",
                     {LookAt{true, false, Move::Stay}, LookAt{false, false, Move::Stay}}},
        // The lesson goes on during the slides; the window shows after them.
        SequenceCase{"ALessonBeginsDuringTheShow",
                     {LookAt{true, false, Move::Stay}, ProgramShows{true},
                      LookAt{true, false, Move::Stay}, LookAt{false, false, Move::Show}}},
        SequenceCase{
            "TheUserShowsItDuringTheShow",
            {LookAt{true, true, Move::Hide}, UserShows{}, LookAt{true, true, Move::Stay},
             ProgramShows{false}, LookAt{false, true, Move::Stay}, LookAt{true, true, Move::Hide}}},
        SequenceCase{
            "TheUserShowsItThenHidesIt",
            {LookAt{true, true, Move::Hide}, UserShows{}, LookAt{true, true, Move::Stay},
             UserHides{}, LookAt{true, false, Move::Stay}, LookAt{false, false, Move::Stay}}},
        SequenceCase{"ShownByAnythingElseItStepsAsideAgain",
                     {LookAt{true, false, Move::Stay}, LookAt{true, true, Move::Hide},
                      LookAt{false, false, Move::Show}}},
        SequenceCase{"AShowAfterAShow",
                     {LookAt{true, true, Move::Hide}, LookAt{false, false, Move::Show},
                      LookAt{true, true, Move::Hide}, LookAt{false, false, Move::Show}}}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return info.param.name; });

TEST(StepAsideRuleTest, KeepsTheWindowOutOfSightOnlyWhileAsideAndNotShownByTheUser) {
  StepAside rule;
  EXPECT_FALSE(rule.KeepsOutOfSight());
  rule.Look(true, true);
  EXPECT_TRUE(rule.KeepsOutOfSight());
  rule.UserShowed();
  EXPECT_FALSE(rule.KeepsOutOfSight());
  rule.Look(false, true);
  EXPECT_FALSE(rule.KeepsOutOfSight());
  rule.UserShowed();
  rule.Look(true, true);
  EXPECT_TRUE(rule.KeepsOutOfSight()) << "a show before was no show to keep the window for";
}

}  // namespace
}  // namespace ostrevin
