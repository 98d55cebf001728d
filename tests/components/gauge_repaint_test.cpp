#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>

#include "base/app_error.h"
#include "components/gauge.h"
#include "toolkit/colors.h"
#include "toolkit/handles.h"

namespace ostrevin {
namespace {

using toolkit::ToColorRef;

constexpr COLORREF kScribble = RGB(255, 0, 255);
constexpr int kLeft = 20;
constexpr int kTop = 30;
constexpr int kSize = 225;

const wchar_t* ParentClass() {
  static const wchar_t* const name = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"OstrevinGaugeTestParent";
    ::RegisterClassExW(&windowClass);
    return windowClass.lpszClassName;
  }();
  return name;
}

// The timer window's pie on a real window. The parent never handles its
// paint messages, so whatever reaches its surface was painted at once by an
// assignment; the tests scribble over it first to see whether anything did.
class GaugeRepaintTest : public testing::Test {
 protected:
  GaugeRepaintTest() {
    parent_.reset(::CreateWindowExW(0, ParentClass(), L"Gauge", WS_POPUP, 0, 0, 300, 300, nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr));
    // Not activated: under Wine without a window manager, destroying the
    // active window waits two seconds for focus events that never come.
    ::ShowWindow(parent_.get(), SW_SHOWNOACTIVATE);
    gauge_.SetParentWindow(parent_.get());
    gauge_.SetBounds(kLeft, kTop, kSize, kSize);
    gauge_.SetKind(gkPie);
    gauge_.SetMaxValue(600);
    gauge_.SetShowText(false);
    gauge_.SetColor(clBtnFace);
    gauge_.SetProgress(30);
    ::ValidateRect(parent_.get(), nullptr);
  }

  void Scribble() const {
    const toolkit::WindowDc dc(parent_.get());
    const toolkit::UniqueBrush brush(::CreateSolidBrush(kScribble));
    const RECT all{0, 0, 300, 300};
    ::FillRect(dc.get(), &all, brush.get());
  }

  // In the gauge's own coordinates.
  COLORREF GaugePixel(int x, int y) const { return ParentPixel(kLeft + x, kTop + y); }
  COLORREF ParentPixel(int x, int y) const {
    const toolkit::WindowDc dc(parent_.get());
    return ::GetPixel(dc.get(), x, y);
  }
  bool Repainted() const { return GaugePixel(0, 0) != kScribble; }

  toolkit::UniqueWindow parent_;
  TGauge gauge_;
};

TEST_F(GaugeRepaintTest, TheParentSurfaceIsReadBackAsDrawn) {
  Scribble();
  ASSERT_EQ(ParentPixel(0, 0), kScribble);
  ASSERT_FALSE(Repainted());
}

struct AssignmentCase {
  const char* name;
  void (*assign)(TGauge&);
  bool repaints;
};

void PrintTo(const AssignmentCase& c, std::ostream* os) {
  *os << c.name;
}

class GaugeAssignmentRepaintTest : public GaugeRepaintTest,
                                   public testing::WithParamInterface<AssignmentCase> {};

TEST_P(GaugeAssignmentRepaintTest, PaintsAtOnceOnlyWhenThePictureChanges) {
  Scribble();
  GetParam().assign(gauge_);
  EXPECT_EQ(Repainted(), GetParam().repaints);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, GaugeAssignmentRepaintTest,
    testing::Values(
        AssignmentCase{"SameForeColor", [](TGauge& g) { g.SetForeColor(clBlack); }, false},
        AssignmentCase{"NewForeColor", [](TGauge& g) { g.SetForeColor(clGreen); }, true},
        AssignmentCase{"SameBackColor", [](TGauge& g) { g.SetBackColor(clWhite); }, false},
        AssignmentCase{"NewBackColor", [](TGauge& g) { g.SetBackColor(clRed); }, true},
        AssignmentCase{"SameKind", [](TGauge& g) { g.SetKind(gkPie); }, false},
        AssignmentCase{"NewKind", [](TGauge& g) { g.SetKind(gkNeedle); }, true},
        AssignmentCase{"SameShowText", [](TGauge& g) { g.SetShowText(false); }, false},
        AssignmentCase{"NewShowText", [](TGauge& g) { g.SetShowText(true); }, true},
        AssignmentCase{"SameBorderStyle", [](TGauge& g) { g.SetBorderStyle(bsSingle); }, false},
        AssignmentCase{"NewBorderStyle", [](TGauge& g) { g.SetBorderStyle(bsNone); }, true},
        AssignmentCase{"ProgressWithinThePercent", [](TGauge& g) { g.SetProgress(35); }, false},
        AssignmentCase{"ProgressIntoTheNextPercent", [](TGauge& g) { g.SetProgress(36); }, true},
        AssignmentCase{"SameMinValue", [](TGauge& g) { g.SetMinValue(0); }, false},
        AssignmentCase{"NewMinValue", [](TGauge& g) { g.SetMinValue(10); }, true},
        AssignmentCase{"SameMaxValue", [](TGauge& g) { g.SetMaxValue(600); }, false},
        AssignmentCase{"NewMaxValue", [](TGauge& g) { g.SetMaxValue(1000); }, true},
        AssignmentCase{"NewColor", [](TGauge& g) { g.SetColor(clRed); }, false},
        AssignmentCase{"NewFont", [](TGauge& g) { g.SetFont(toolkit::FontDesign{}); }, false}),
    [](const testing::TestParamInfo<AssignmentCase>& info) { return info.param.name; });

TEST_F(GaugeRepaintTest, RepaintDrawsTheCurrentPictureOnlyOverTheGauge) {
  gauge_.SetForeColor(clGreen);
  Scribble();
  gauge_.SetProgress(300);
  EXPECT_EQ(GaugePixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GaugePixel(kSize - 1, kSize - 1), RGB(0, 0, 0));
  EXPECT_EQ(GaugePixel(3, 3), ToColorRef(clBtnFace));
  EXPECT_EQ(GaugePixel(170, 112), ToColorRef(clGreen));
  EXPECT_EQ(GaugePixel(50, 112), RGB(255, 255, 255));
  EXPECT_EQ(GaugePixel(-1, 0), kScribble);
  EXPECT_EQ(GaugePixel(0, -1), kScribble);
  EXPECT_EQ(GaugePixel(kSize, kSize - 1), kScribble);
  EXPECT_EQ(GaugePixel(kSize - 1, kSize), kScribble);
}

// Colour and font are picked up at the parent's next paint.
TEST_F(GaugeRepaintTest, ColorAndFontAskTheParentToPaintTheGauge) {
  for (const auto change : {+[](TGauge& g) { g.SetColor(clRed); },
                            +[](TGauge& g) { g.SetFont(toolkit::FontDesign{}); }}) {
    ::ValidateRect(parent_.get(), nullptr);
    change(gauge_);
    RECT pending{};
    ASSERT_TRUE(::GetUpdateRect(parent_.get(), &pending, FALSE));
    EXPECT_EQ(pending.left, kLeft);
    EXPECT_EQ(pending.top, kTop);
    EXPECT_EQ(pending.right, kLeft + kSize);
    EXPECT_EQ(pending.bottom, kTop + kSize);
  }
}

TEST_F(GaugeRepaintTest, RefusedRangeKeepsTheValuesAndThePicture) {
  Scribble();
  try {
    gauge_.SetMinValue(601);
    ADD_FAILURE() << "MinValue above MaxValue was accepted";
  } catch (const AppError& error) {
    EXPECT_EQ(error.message(), L"Value must be between -2147483647 and 599");
  }
  EXPECT_THROW(gauge_.SetMaxValue(-1), AppError);
  EXPECT_EQ(gauge_.MinValue(), 0);
  EXPECT_EQ(gauge_.MaxValue(), 600);
  EXPECT_EQ(gauge_.Progress(), 30);
  EXPECT_FALSE(Repainted());
}

TEST(GaugeLoadingTest, LoadingTakesTheRangeInEitherOrder) {
  TGauge gauge;
  gauge.BeginLoading();
  gauge.SetMinValue(700);
  gauge.SetMaxValue(900);
  gauge.EndLoading();
  EXPECT_EQ(gauge.MinValue(), 700);
  EXPECT_EQ(gauge.MaxValue(), 900);
  EXPECT_EQ(gauge.Progress(), 700);
  EXPECT_THROW(gauge.SetMinValue(901), AppError);
}

TEST(GaugeDefaultsTest, NewGaugeIsAFramedHorizontalBarOfAHundred) {
  const TGauge gauge;
  EXPECT_EQ(gauge.Width(), 100);
  EXPECT_EQ(gauge.Height(), 100);
  EXPECT_EQ(gauge.Kind(), gkHorizontalBar);
  EXPECT_TRUE(gauge.ShowText());
  EXPECT_EQ(gauge.BorderStyle(), bsSingle);
  EXPECT_EQ(gauge.ForeColor(), clBlack);
  EXPECT_EQ(gauge.BackColor(), clWhite);
  EXPECT_EQ(gauge.Color(), clWindow);
  EXPECT_EQ(gauge.MinValue(), 0);
  EXPECT_EQ(gauge.MaxValue(), 100);
  EXPECT_EQ(gauge.Progress(), 0);
  EXPECT_EQ(gauge.Font().face, L"MS Sans Serif");
  EXPECT_EQ(gauge.Font().height, 11);
  EXPECT_FALSE(gauge.Font().bold);
}

}  // namespace
}  // namespace ostrevin
