#include "ui/model/window_place.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace ostrevin {

void PrintTo(const ScreenPoint& p, std::ostream* out) {
  *out << "(" << p.left << ", " << p.top << ")";
}

namespace {

// A laptop with the taskbar along its bottom, and projectors beside it.
const Screen kLaptop{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}};
const Screen kProjectorRight{{1920, 0, 2944, 768}, {1920, 0, 2944, 768}};
const Screen kProjectorLeft{{-1024, 0, 0, 768}, {-1024, 0, 0, 768}};
// The same laptop switched to a lower resolution.
const Screen kSmallLaptop{{0, 0, 1366, 768}, {0, 0, 1366, 728}};
const Screen kClassroomPanel{{0, 0, 3840, 2160}, {0, 0, 3840, 2100}};

// The timer window at 100 %.
constexpr int kWidth = 225;
constexpr int kHeight = 299;

struct StartCase {
  const char* name;
  std::optional<WindowPlace> saved;
  std::vector<Screen> screens;
  std::optional<ScreenPoint> place;
};

void PrintTo(const StartCase& c, std::ostream* out) {
  *out << c.name;
}

class PlaceAtStartTest : public testing::TestWithParam<StartCase> {};

TEST_P(PlaceAtStartTest, RestoresThePlaceOnItsScreensOrMovesItOntoTheNearestWorkArea) {
  const StartCase& c = GetParam();
  EXPECT_EQ(PlaceAtStart(c.saved, kWidth, kHeight, c.screens), c.place);
}

INSTANTIATE_TEST_SUITE_P(
    Places, PlaceAtStartTest,
    testing::Values(
        StartCase{"NoSavedPlaceIsCentredLater", std::nullopt, {kLaptop}, std::nullopt},
        StartCase{"NoScreenKnown", WindowPlace{100, 100, {kLaptop.monitor}}, {}, std::nullopt},
        // Windows lists the screens in another order today: the same screens.
        StartCase{"OnTheProjectorOfTheSavedScreens",
                  WindowPlace{2500, 100, {kLaptop.monitor, kProjectorRight.monitor}},
                  {kProjectorRight, kLaptop},
                  ScreenPoint{2500, 100}},
        // Pushed partly past the right and bottom edges by the user.
        StartCase{"PartlyOffScreenOnTheSavedScreensStaysWhereTheUserPutIt",
                  WindowPlace{1800, 900, {kLaptop.monitor}},
                  {kLaptop},
                  ScreenPoint{1800, 900}},
        StartCase{"OffEveryWorkAreaOfTheSavedScreens",
                  WindowPlace{5000, 100, {kLaptop.monitor}},
                  {kLaptop},
                  ScreenPoint{1920 - kWidth, 100}},
        StartCase{"TheProjectorOnTheRightIsGone",
                  WindowPlace{2500, 100, {kLaptop.monitor, kProjectorRight.monitor}},
                  {kLaptop},
                  ScreenPoint{1920 - kWidth, 100}},
        StartCase{"TheProjectorOnTheLeftIsGone",
                  WindowPlace{-800, 600, {kLaptop.monitor, kProjectorLeft.monitor}},
                  {kLaptop},
                  ScreenPoint{0, 600}},
        // Saved in a corner of the classroom's panel, at home on the laptop:
        // in the same corner of the laptop's work area, above the taskbar.
        StartCase{"PartlyOffScreenOnOtherScreens",
                  WindowPlace{3600, 1850, {kClassroomPanel.monitor}},
                  {kLaptop},
                  ScreenPoint{1920 - kWidth, 1040 - kHeight}},
        StartCase{"WhollyOnAWorkAreaOfOtherScreens",
                  WindowPlace{100, 100, {kClassroomPanel.monitor}},
                  {kLaptop},
                  ScreenPoint{100, 100}},
        StartCase{"UnderTheTaskbarOfOtherScreens",
                  WindowPlace{500, 800, {kClassroomPanel.monitor}},
                  {kSmallLaptop},
                  ScreenPoint{500, 728 - kHeight}},
        StartCase{"UnreadableScreensAreOtherScreens",
                  WindowPlace{1800, 900, {}},
                  {kLaptop},
                  ScreenPoint{1920 - kWidth, 1040 - kHeight}},
        // Of two screens, the one nearer the place the window was.
        StartCase{
            "AScreenFurtherLeftIsGone",
            WindowPlace{
                -1900, 100, {{-2048, 0, -1024, 768}, kProjectorLeft.monitor, kLaptop.monitor}},
            {kProjectorLeft, kLaptop},
            ScreenPoint{-1024, 100}},
        StartCase{"AWorkAreaSmallerThanTheWindowTakesItsTopLeftCorner",
                  WindowPlace{300, 300, {}},
                  {Screen{{0, 0, 200, 200}, {0, 0, 200, 200}}},
                  ScreenPoint{0, 0}}),
    [](const testing::TestParamInfo<StartCase>& info) { return info.param.name; });

struct ChangeCase {
  const char* name;
  ScreenRect window;
  std::vector<Screen> screens;
  std::optional<ScreenPoint> place;
};

TEST(PlaceAfterScreensChangedTest, MovesTheWindowOnlyWhenItIsNoLongerWhollyOnAWorkArea) {
  const ChangeCase cases[] = {
      {"StillOnTheLaptop", {100, 100, 325, 399}, {kLaptop}, std::nullopt},
      {"StillOnTheProjector", {2000, 100, 2225, 399}, {kLaptop, kProjectorRight}, std::nullopt},
      {"TheProjectorUnplugged", {2500, 100, 2725, 399}, {kLaptop}, ScreenPoint{1695, 100}},
      {"ALowerResolution", {1600, 500, 1825, 799}, {kSmallLaptop}, ScreenPoint{1141, 429}},
      {"StraddlingTwoScreensGoesToTheOneItCoversMost",
       {1850, 100, 2075, 399},
       {kLaptop, kProjectorRight},
       ScreenPoint{1920, 100}},
      {"NoScreenKnown", {2500, 100, 2725, 399}, {}, std::nullopt},
  };
  for (const ChangeCase& c : cases) {
    EXPECT_EQ(PlaceAfterScreensChanged(c.window, c.screens), c.place) << c.name;
  }
}

struct NowCase {
  const char* name;
  ScreenRect window;
  std::vector<Screen> placedOn;
  std::vector<Screen> now;
  std::optional<ScreenPoint> place;
};

// The laptop with its taskbar docked to the left, 60 pixels wide, or made
// taller at the bottom.
const Screen kLaptopTaskbarLeft{{0, 0, 1920, 1080}, {60, 0, 1920, 1080}};
const Screen kLaptopTallTaskbar{{0, 0, 1920, 1080}, {0, 0, 1920, 960}};

TEST(PlaceOnScreensNowTest, KeepsThePlaceOnTheSameScreensElseMovesItWhollyOntoAWorkArea) {
  const NowCase cases[] = {
      {"OnTheSameScreensItStays", {100, 100, 325, 399}, {kLaptop}, {kLaptop}, std::nullopt},
      {"PushedPartlyOffByTheUserItStays",
       {1800, 900, 2025, 1199},
       {kLaptop},
       {kLaptop},
       std::nullopt},
      {"InAnyOrderTheyAreTheSameScreens",
       {1800, 900, 2025, 1199},
       {kLaptop, kProjectorRight},
       {kProjectorRight, kLaptop},
       std::nullopt},
      {"OffEveryWorkAreaItComesBackAlsoOnTheSameScreens",
       {2500, 100, 2725, 399},
       {kLaptop},
       {kLaptop},
       ScreenPoint{1695, 100}},
      // Hidden in the tray on the projector, which is gone when it shows.
      {"TheProjectorItWasOnIsGone",
       {2500, 100, 2725, 399},
       {kLaptop, kProjectorRight},
       {kLaptop},
       ScreenPoint{1695, 100}},
      {"TheTaskbarNowCoversItsBottom",
       {600, 900, 825, 1199},
       {kLaptop},
       {kLaptopTallTaskbar},
       ScreenPoint{600, 661}},
      {"TheTaskbarDockedToTheLeftOverIt",
       {20, 100, 245, 399},
       {kLaptop},
       {kLaptopTaskbarLeft},
       ScreenPoint{60, 100}},
      {"AnotherWorkAreaThatStillHoldsItWhole",
       {600, 100, 825, 399},
       {kLaptop},
       {kLaptopTallTaskbar},
       std::nullopt},
      {"APartlyOffPlaceOnOtherScreensComesWhollyOn",
       {1800, 900, 2025, 1199},
       {kLaptop},
       {kLaptop, kProjectorRight},
       ScreenPoint{1695, 741}},
      {"NoScreenKnown", {2500, 100, 2725, 399}, {kLaptop}, {}, std::nullopt},
  };
  for (const NowCase& c : cases) {
    EXPECT_EQ(PlaceOnScreensNow(c.window, c.placedOn, c.now), c.place) << c.name;
  }
}

TEST(SameScreensTest, ComparesTheRectanglesInAnyOrder) {
  EXPECT_TRUE(SameScreens({kLaptop.monitor, kProjectorRight.monitor},
                          {kProjectorRight.monitor, kLaptop.monitor}));
  EXPECT_FALSE(SameScreens({kLaptop.monitor, kProjectorRight.monitor}, {kLaptop.monitor}));
  EXPECT_FALSE(SameScreens({kLaptop.monitor}, {kSmallLaptop.monitor}));
  EXPECT_FALSE(SameScreens({}, {kLaptop.monitor}));
  EXPECT_EQ(MonitorRects({kLaptop, kProjectorLeft}),
            (std::vector<ScreenRect>{kLaptop.monitor, kProjectorLeft.monitor}));
}

TEST(NearestScreenTest, IsTheScreenCoveredMostOrElseTheClosest) {
  const std::vector<Screen> screens = {kProjectorLeft, kLaptop, kProjectorRight};
  EXPECT_EQ(NearestScreen({-100, 0, 125, 100}, screens), kLaptop);
  EXPECT_EQ(NearestScreen({-125, 0, 100, 100}, screens), kProjectorLeft);
  EXPECT_EQ(NearestScreen({3000, 0, 3225, 299}, screens), kProjectorRight);
  EXPECT_EQ(NearestScreen({-3000, 2000, -2775, 2299}, screens), kProjectorLeft);
  EXPECT_EQ(NearestScreen({500, 1500, 725, 1799}, screens), kLaptop);
}

}  // namespace
}  // namespace ostrevin
