#include "toolkit/graphic_control.h"

#include <gtest/gtest.h>

namespace ostrevin::toolkit {
namespace {

class Square : public GraphicControl {
 public:
  int paints = 0;

 protected:
  void Paint(HDC) override { ++paints; }
};

TEST(GraphicControlTest, ContainsPointsInsideItsBoundsOnlyWhileVisible) {
  Square square;
  square.SetBounds(10, 20, 30, 40);
  EXPECT_TRUE(square.Contains(POINT{10, 20}));
  EXPECT_TRUE(square.Contains(POINT{39, 59}));
  EXPECT_FALSE(square.Contains(POINT{40, 20}));
  EXPECT_FALSE(square.Contains(POINT{10, 60}));
  square.SetVisible(false);
  EXPECT_FALSE(square.Contains(POINT{15, 25}));
}

TEST(GraphicControlTest, PaintsOnParentOnlyWhenTheUpdateAreaMeetsIt) {
  Square square;
  square.SetBounds(10, 10, 10, 10);
  HDC screen = ::GetDC(nullptr);
  square.PaintOnParent(screen, RECT{0, 0, 10, 10});
  EXPECT_EQ(square.paints, 0);
  square.PaintOnParent(screen, RECT{0, 0, 11, 11});
  EXPECT_EQ(square.paints, 1);
  ::ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace ostrevin::toolkit
