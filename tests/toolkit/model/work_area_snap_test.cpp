#include "toolkit/model/work_area_snap.h"

#include <gtest/gtest.h>

namespace ostrevin {

void PrintTo(const ScreenRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace toolkit {
namespace {

struct SnapCase {
  const char* name;
  ScreenRect window;
  ScreenRect work;
  ScreenRect snapped;
};

// The timer window (225 x 299) near the edges of three screens' work areas:
// the laptop's above its taskbar, a projector left of it and a panel above
// it, with negative coordinates.
TEST(SnappedToWorkAreaTest, SnapsToTheEdgesOfAnyScreensWorkArea) {
  const ScreenRect laptop{0, 0, 1920, 1040};
  const ScreenRect projector{-1024, 0, 0, 728};
  const ScreenRect panel{0, -2160, 3840, -40};
  const SnapCase cases[] = {
      {"LaptopLeft", {15, 300, 240, 599}, laptop, {0, 300, 225, 599}},
      {"LaptopOverTheLeftEdge", {-20, 300, 205, 599}, laptop, {0, 300, 225, 599}},
      {"LaptopJustTooFar", {21, 300, 246, 599}, laptop, {21, 300, 246, 599}},
      {"LaptopTaskbar", {600, 730, 825, 1029}, laptop, {600, 741, 825, 1040}},
      {"ProjectorLeft", {-1010, 100, -785, 399}, projector, {-1024, 100, -799, 399}},
      {"ProjectorRightEdgeAtTheLaptop", {-240, 100, -15, 399}, projector, {-225, 100, 0, 399}},
      {"ProjectorBottom", {-600, 420, -375, 719}, projector, {-600, 429, -375, 728}},
      {"PanelTopCorner", {3600, -2150, 3825, -1851}, panel, {3615, -2160, 3840, -1861}},
      {"PanelMiddle", {1000, -1200, 1225, -901}, panel, {1000, -1200, 1225, -901}},
  };
  for (const SnapCase& c : cases) {
    EXPECT_EQ(SnappedToWorkArea(c.window, c.work, 20), c.snapped) << c.name;
  }
}

TEST(SnappedToWorkAreaTest, ABufferOfNothingSnapsNothing) {
  const ScreenRect window{5, 5, 230, 304};
  EXPECT_EQ(SnappedToWorkArea(window, {0, 0, 800, 600}, 0), window);
  EXPECT_EQ(SnappedToWorkArea(window, {0, 0, 800, 600}, -3), window);
}

}  // namespace
}  // namespace toolkit
}  // namespace ostrevin
