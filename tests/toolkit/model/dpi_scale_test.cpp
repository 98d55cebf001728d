#include "toolkit/model/dpi_scale.h"

#include <gtest/gtest.h>

namespace ostrevin::toolkit {
namespace {

struct LengthCase {
  int dpi;
  int design;
  int scaled;
};

// The scalings Windows offers (100, 125, 150, 175, 200, 250 %), with lengths
// whose scaled value falls on a half, just below and just above one.
TEST(DpiScaleTest, RoundsLengthsToTheNearestPixelHalvesAwayFromZero) {
  const LengthCase cases[] = {
      {96, 225, 225},  {96, 0, 0},      {120, 225, 281}, {120, 2, 3},   {120, 1, 1},
      {144, 225, 338}, {144, 11, 17},   {144, 1, 2},     {144, -1, -2}, {144, -3, -5},
      {168, 13, 23},   {192, 299, 598}, {240, 16, 40},   {120, -2, -3}, {144, 0, 0},
  };
  for (const LengthCase& c : cases) {
    EXPECT_EQ(DpiScale(c.dpi).Scaled(c.design), c.scaled) << c.design << " at " << c.dpi;
  }
}

TEST(DpiScaleTest, ANonsenseDpiIsTheDesignDpi) {
  EXPECT_EQ(DpiScale(0).Dpi(), kDesignDpi);
  EXPECT_EQ(DpiScale(-120).Dpi(), kDesignDpi);
  EXPECT_TRUE(DpiScale().IsDesign());
  EXPECT_FALSE(DpiScale(120).IsDesign());
}

TEST(DpiScaleTest, PlacesKeepTheirDesignAtTheDesignDpi) {
  const ControlPlace place{.left = 7, .top = 13, .width = 41, .height = 22};
  EXPECT_EQ(DpiScale().Scaled(place), place);
}

// Rows of the settings dialog that touch at 96 DPI: each next top is the
// previous bottom. Scaled one by one, 3 x 1.25 = 3.75 and 2 x 1.25 = 2.5 would
// leave a gap or an overlap; scaled by their edges they still touch.
TEST(DpiScaleTest, PlacesThatTouchStillTouchAtEveryScale) {
  for (int dpi : {120, 144, 168, 192, 240}) {
    const DpiScale scale(dpi);
    ControlPlace above{.left = 3, .top = 5, .width = 7, .height = 3};
    for (int row = 0; row < 20; ++row) {
      const ControlPlace below{.left = above.left + above.width,
                               .top = above.top + above.height,
                               .width = 5 + row % 3,
                               .height = 2 + row % 4};
      const ControlPlace a = scale.Scaled(above);
      const ControlPlace b = scale.Scaled(below);
      EXPECT_EQ(a.top + a.height, b.top) << "row " << row << " at " << dpi;
      EXPECT_EQ(a.left + a.width, b.left) << "row " << row << " at " << dpi;
      above = below;
    }
  }
}

TEST(DpiScaleTest, APlaceScalesByItsEdges) {
  const ControlPlace scaled = DpiScale(120).Scaled({.left = 3, .top = 2, .width = 3, .height = 2});
  // Edges 3..6 and 2..4 become 3.75..7.5 and 2.5..5: 4..8 and 3..5.
  EXPECT_EQ(scaled, (ControlPlace{.left = 4, .top = 3, .width = 4, .height = 2}));
}

struct PictureCase {
  int dpi;
  int size;
};

TEST(PictureSizeForTest, TakesTheLargestPictureNotLargerThanTheScaledSize) {
  const PictureCase cases[] = {
      {96, 16}, {120, 16}, {144, 24}, {168, 24}, {192, 32}, {240, 32}, {288, 32}, {72, 16},
  };
  for (const PictureCase& c : cases) {
    EXPECT_EQ(PictureSizeFor(16, DpiScale(c.dpi), {16, 24, 32}), c.size) << c.dpi;
  }
  EXPECT_EQ(PictureSizeFor(16, DpiScale(192), {32, 16, 24}), 32) << "in any order";
}

TEST(ScaledLengthTest, ScalesByAnyRatio) {
  EXPECT_EQ(ScaledLength(13, 24, 16), 20);  // 19.5
  EXPECT_EQ(ScaledLength(13, 20, 16), 16);  // 16.25
  EXPECT_EQ(ScaledLength(1, 24, 16), 2);    // 1.5
  EXPECT_EQ(ScaledLength(-1, 24, 16), -2);
  EXPECT_EQ(ScaledLength(2147483647, 2, 2), 2147483647) << "no overflow on the way";
}

struct FittingCase {
  const char* screen;
  int screenDpi;
  Extent frame;  // the caption and frame at the screen's scaling
  Extent workArea;
  int dpi;
};

// The settings dialog (556 x 509 at 100 %) on the screens of schools: the
// work area is the screen less the taskbar (40 pixels at 100 %, scaled).
TEST(FittingDpiTest, TheLargestScalingAtWhichTheDesignFitsTheWorkArea) {
  const Extent dialog{556, 509};
  const FittingCase cases[] = {
      // 509 x 131 / 96 = 694.6, shown as 695, and 45 of caption: 740 fits;
      // at 132 it would be 700 + 45.
      {"1280 x 800 at 150 %", 144, {16, 45}, {1280, 740}, 131},
      {"1024 x 768 at 125 %", 120, {13, 38}, {1024, 718}, 120},
      {"1920 x 1080 at 150 %", 144, {16, 45}, {1920, 1020}, 144},
      {"1366 x 768 at 125 %", 120, {13, 38}, {1366, 718}, 120},
      {"1366 x 768 at 150 %", 144, {16, 45}, {1366, 708}, 125},
      {"3840 x 2160 at 200 %", 192, {20, 60}, {3840, 2080}, 192},
      {"1024 x 600 at 100 %", 96, {10, 30}, {1024, 560}, 96},
      {"1024 x 600 at 125 %", 120, {13, 38}, {1024, 550}, 96},
      {"too small even at 100 %", 120, {13, 38}, {800, 400}, 96},
      // 556 x 107 / 96 = 619.7: 620 + 16 fits 640; at 108, 625.5 is 626.
      {"narrow: 640 wide", 144, {16, 45}, {640, 1000}, 107},
      {"a screen below 100 %", 72, {8, 22}, {640, 480}, 72},
  };
  for (const FittingCase& c : cases) {
    EXPECT_EQ(FittingDpi(c.screenDpi, dialog, c.frame, c.workArea), c.dpi) << c.screen;
  }
}

TEST(FittingDpiTest, AnExactFitIsAFit) {
  EXPECT_EQ(FittingDpi(144, {200, 100}, {10, 20}, {310, 170}), 144);
  EXPECT_EQ(FittingDpi(144, {200, 100}, {10, 20}, {310, 169}), 143);
  EXPECT_EQ(FittingDpi(144, {200, 100}, {10, 20}, {309, 170}), 143);
}

}  // namespace
}  // namespace ostrevin::toolkit
