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

}  // namespace
}  // namespace ostrevin::toolkit
