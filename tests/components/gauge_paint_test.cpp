#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <optional>
#include <ostream>
#include <vector>

#include "components/gauge.h"
#include "support/gdi_handle_count.h"
#include "toolkit/colors.h"
#include "toolkit/handles.h"

namespace ostrevin {
namespace {

using toolkit::ToColorRef;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 32-bit top-down DIB the gauge paints into; its pixels are read straight
// from memory.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const std::uint32_t*>(bits);
    selection_.emplace(dc_.get(), bitmap_.get());
  }

  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  COLORREF At(int x, int y) const {
    ::GdiFlush();
    const std::uint32_t pixel = bits_[y * width_ + x];  // 0x00RRGGBB
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }

 private:
  int width_;
  int height_;
  toolkit::UniqueMemoryDc dc_{::CreateCompatibleDC(nullptr)};
  toolkit::UniqueBitmap bitmap_;
  const std::uint32_t* bits_ = nullptr;
  std::optional<toolkit::SelectGuard> selection_;
};

struct Spot {
  int x;
  int y;
  friend bool operator==(const Spot&, const Spot&) = default;
};

void PrintTo(const Spot& s, std::ostream* os) {
  *os << "(" << s.x << "," << s.y << ")";
}

using Spots = std::vector<Spot>;

// The points of the canvas whose colour is not the expected one.
template <typename Predicate>
Spots PointsWhere(const Canvas& canvas, const Spots& points, Predicate wrong) {
  Spots found;
  for (const Spot& p : points) {
    if (wrong(canvas.At(p.x, p.y))) found.push_back(p);
  }
  return found;
}

Spots OffColour(const Canvas& canvas, const Spots& points, COLORREF expected) {
  return PointsWhere(canvas, points, [expected](COLORREF c) { return c != expected; });
}

Spots Frame(int width, int height) {
  Spots frame;
  for (int x = 0; x < width; ++x) {
    frame.push_back({x, 0});
    frame.push_back({x, height - 1});
  }
  for (int y = 0; y < height; ++y) {
    frame.push_back({0, y});
    frame.push_back({width - 1, y});
  }
  return frame;
}

std::unique_ptr<Canvas> Render(const TGauge& gauge) {
  auto canvas = std::make_unique<Canvas>(gauge.Width(), gauge.Height());
  gauge.PaintTo(canvas->dc());
  return canvas;
}

// The timer window's pie: 225 x 225, framed, a 60-minute face in tenths.
class PieGaugeTest : public testing::Test {
 protected:
  PieGaugeTest() {
    gauge_.SetBounds(0, 0, 225, 225);
    gauge_.SetKind(gkPie);
    gauge_.SetMaxValue(600);
    gauge_.SetShowText(false);
    gauge_.SetColor(clBtnFace);
  }

  const COLORREF key_ = ToColorRef(clBtnFace);
  TGauge gauge_;
};

constexpr double kCentre = 112.5;  // of the ellipse box (1, 1)-(224, 224)

// Degrees clockwise from 12 o'clock of the ray from the centre through p.
double ClockAngle(double x, double y) {
  const double degrees = std::atan2(x - kCentre, kCentre - y) * 180 / std::numbers::pi;
  return degrees < 0 ? degrees + 360 : degrees;
}

TEST_F(PieGaugeTest, EmptyGaugeIsAnOutlinedDiscInAFrame) {
  gauge_.SetForeColor(clGreen);
  const auto canvas = Render(gauge_);
  const COLORREF green = ToColorRef(clGreen);

  EXPECT_EQ(OffColour(*canvas, Frame(225, 225), kBlack), Spots{});
  EXPECT_EQ(OffColour(*canvas, {{2, 2}, {222, 2}, {2, 222}, {222, 222}, {20, 20}}, key_), Spots{});
  // From each edge inwards: the key colour, then the outline, then white.
  EXPECT_EQ(canvas->At(1, 112), green);
  EXPECT_EQ(canvas->At(223, 112), green);
  EXPECT_EQ(canvas->At(112, 1), green);
  EXPECT_EQ(canvas->At(112, 223), green);
  EXPECT_EQ(OffColour(*canvas, {{3, 112}, {112, 3}, {112, 112}, {221, 112}, {112, 221}}, kWhite),
            Spots{});
}

struct WedgeCase {
  int progress;
  Color fore;
  Spot start;  // where the wedge's leading edge meets the frame
};

void PrintTo(const WedgeCase& c, std::ostream* os) {
  *os << c.progress / 6 << "%";
}

class PieWedgeTest : public PieGaugeTest, public testing::WithParamInterface<WedgeCase> {};

// Samples rings inside the disc, away from the two edges of the wedge and from
// the outline, and expects ForeColor clockwise from 12 o'clock up to the
// leading edge and white beyond it.
TEST_P(PieWedgeTest, ForeColorFillsTheClockFaceUpToThePercentage) {
  const WedgeCase& c = GetParam();
  gauge_.SetForeColor(c.fore);
  gauge_.SetProgress(c.progress);
  const auto canvas = Render(gauge_);

  const bool full = c.start.x == 112 && c.start.y == 0;
  const double edge = full ? 360 : ClockAngle(c.start.x, c.start.y);
  Spots wrong;
  for (double radius : {30.0, 60.0, 90.0, 105.0}) {
    for (double angle = 0; angle < 360; angle += 0.5) {
      const double rad = angle * std::numbers::pi / 180;
      const double x = kCentre + radius * std::sin(rad);
      const double y = kCentre - radius * std::cos(rad);
      const auto distanceTo = [&](double rayAngle) {
        return radius * std::abs(std::sin((angle - rayAngle) * std::numbers::pi / 180));
      };
      if (!full && (distanceTo(0) < 2.5 || distanceTo(edge) < 2.5)) continue;
      const COLORREF want = angle < edge ? ToColorRef(c.fore) : kWhite;
      const Spot p{static_cast<int>(x), static_cast<int>(y)};
      if (canvas->At(p.x, p.y) != want) wrong.push_back(p);
    }
  }
  EXPECT_EQ(wrong, Spots{});
  EXPECT_EQ(OffColour(*canvas, Frame(225, 225), kBlack), Spots{});
  EXPECT_EQ(OffColour(*canvas, {{2, 2}, {222, 2}, {2, 222}, {222, 222}}, key_), Spots{});
}

INSTANTIATE_TEST_SUITE_P(
    Lesson, PieWedgeTest,
    testing::Values(WedgeCase{10, clGreen, {119, 0}}, WedgeCase{60, clBlack, {178, 21}},
                    WedgeCase{150, clRed, {224, 112}}, WedgeCase{300, clGreen, {112, 224}},
                    WedgeCase{450, clRed, {0, 112}}, WedgeCase{600, clBlack, {112, 0}}));

TEST_F(PieGaugeTest, OnePercentIsAThinWedgeJustRightOfTwelve) {
  gauge_.SetForeColor(clRed);
  gauge_.SetProgress(6);
  EXPECT_EQ(gauge_.FilledPercent(), 1);
  const auto canvas = Render(gauge_);
  const COLORREF red = ToColorRef(clRed);
  EXPECT_EQ(OffColour(*canvas, {{114, 20}, {115, 40}, {116, 10}}, red), Spots{});
  EXPECT_EQ(OffColour(*canvas, {{108, 20}, {110, 40}, {105, 10}, {122, 20}}, kWhite), Spots{});
}

TEST_F(PieGaugeTest, FiveTenthsOfAMinuteDrawNoWedge) {
  gauge_.SetForeColor(clRed);
  gauge_.SetProgress(5);
  const auto canvas = Render(gauge_);
  EXPECT_EQ(OffColour(*canvas, {{112, 20}, {114, 20}, {112, 112}, {113, 5}}, kWhite), Spots{});
}

struct BorderCase {
  TGaugeBorderStyle border;
  COLORREF leftEdge;  // the colour of (0, 112)
  int outlineX;       // the leftmost column of the disc's outline
};

void PrintTo(const BorderCase& c, std::ostream* os) {
  *os << (c.border == bsNone ? "bsNone" : "bsSingle");
}

class PieBorderTest : public PieGaugeTest, public testing::WithParamInterface<BorderCase> {};

TEST_P(PieBorderTest, OnlyTheSingleBorderKeepsAFrame) {
  gauge_.SetForeColor(clRed);
  gauge_.SetBorderStyle(GetParam().border);
  const auto canvas = Render(gauge_);
  EXPECT_EQ(canvas->At(0, 0), GetParam().border == bsNone ? key_ : kBlack);
  EXPECT_EQ(canvas->At(0, 112), GetParam().leftEdge);
  EXPECT_EQ(canvas->At(GetParam().outlineX, 112), ToColorRef(clRed));
  EXPECT_EQ(canvas->At(GetParam().outlineX + 2, 112), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Styles, PieBorderTest,
                         testing::Values(BorderCase{bsNone, RGB(255, 0, 0), 0},
                                         BorderCase{bsSingle, kBlack, 1}));

struct TextCase {
  const char* name;
  Color fore;
  int progress;
  COLORREF ground;  // what the text is written over
  COLORREF ink;     // how the text shows
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class PercentTextTest : public PieGaugeTest, public testing::WithParamInterface<TextCase> {};

// Around the centre every pixel is the ground with some grey XORed into it:
// none where there is no text, white (the ink) in the body of the glyphs, and
// a lighter grey only where the glyph edges are smoothed.
TEST_P(PercentTextTest, TextShowsAsTheInverseOfWhatLiesBeneath) {
  const TextCase& c = GetParam();
  gauge_.SetFont(toolkit::FontDesign{.face = L"MS Sans Serif", .height = 19, .bold = true});
  gauge_.SetForeColor(c.fore);
  gauge_.SetProgress(c.progress);
  gauge_.SetShowText(true);
  const auto canvas = Render(gauge_);
  int inked = 0;
  Spots notGrey;
  for (int y = 82; y < 142; ++y) {
    for (int x = 72; x < 152; ++x) {
      const COLORREF pixel = canvas->At(x, y);
      const COLORREF xored = pixel ^ c.ground;
      if (pixel == c.ink) ++inked;
      if (GetRValue(xored) != GetGValue(xored) || GetGValue(xored) != GetBValue(xored)) {
        notGrey.push_back({x, y});
      }
    }
  }
  EXPECT_GT(inked, 50);
  EXPECT_EQ(notGrey, Spots{});
}

INSTANTIATE_TEST_SUITE_P(
    Grounds, PercentTextTest,
    testing::Values(TextCase{"BlackOverTheEmptyDisc", clBlack, 0, kWhite, kBlack},
                    TextCase{"WhiteOverABlackDisc", clBlack, 600, kBlack, kWhite},
                    TextCase{"InverseOverAGreenDisc", clGreen, 600, RGB(0, 128, 0),
                             RGB(255, 127, 255)}));

TEST_F(PieGaugeTest, TextIsHiddenWithoutShowText) {
  gauge_.SetProgress(0);
  const auto canvas = Render(gauge_);
  Spots centre;
  for (int y = 82; y < 142; ++y) {
    for (int x = 72; x < 152; ++x) centre.push_back({x, y});
  }
  EXPECT_EQ(OffColour(*canvas, centre, kWhite), Spots{});
}

// Bars and the needle on a default-sized, framed gauge, red on white.
struct PlainKindCase {
  const char* name;
  TGaugeKind kind;
  int progress;
  Spots fore;
  Spots back;
  Spots surround;  // keeps Color
};

void PrintTo(const PlainKindCase& c, std::ostream* os) {
  *os << c.name;
}

class PlainKindTest : public testing::TestWithParam<PlainKindCase> {};

TEST_P(PlainKindTest, DrawsTheShareInForeColorOverBackColor) {
  const PlainKindCase& c = GetParam();
  TGauge gauge;
  gauge.SetKind(c.kind);
  gauge.SetShowText(false);
  gauge.SetForeColor(clRed);
  gauge.SetColor(clBtnFace);
  gauge.SetProgress(c.progress);
  const auto canvas = Render(gauge);
  EXPECT_EQ(OffColour(*canvas, c.fore, ToColorRef(clRed)), Spots{});
  EXPECT_EQ(OffColour(*canvas, c.back, kWhite), Spots{});
  EXPECT_EQ(OffColour(*canvas, c.surround, ToColorRef(clBtnFace)), Spots{});
  EXPECT_EQ(OffColour(*canvas, {{0, 0}, {99, 0}, {0, 50}, {99, 50}, {50, 0}}, kBlack), Spots{});
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PlainKindTest,
    testing::Values(
        PlainKindCase{"TextKindIsBackground", gkText, 50, {}, {{1, 1}, {50, 50}, {98, 98}}, {}},
        PlainKindCase{"HorizontalEmpty", gkHorizontalBar, 0, {}, {{1, 1}, {98, 98}}, {}},
        PlainKindCase{"HorizontalHalf",
                      gkHorizontalBar,
                      50,
                      {{1, 1}, {48, 50}, {48, 98}},
                      {{49, 50}, {98, 98}},
                      {}},
        PlainKindCase{"HorizontalFull", gkHorizontalBar, 100, {{1, 1}, {98, 98}}, {}, {}},
        PlainKindCase{
            "VerticalHalf", gkVerticalBar, 50, {{1, 50}, {98, 98}}, {{1, 49}, {50, 1}}, {}},
        PlainKindCase{"VerticalFull", gkVerticalBar, 100, {{1, 1}, {98, 98}}, {}, {}},
        PlainKindCase{"NeedleEmptyDial",
                      gkNeedle,
                      0,
                      {{1, 99}, {50, 99}, {50, 1}},
                      {{50, 50}, {20, 90}, {80, 90}},
                      {{3, 3}, {96, 3}}},
        PlainKindCase{"NeedleUpright",
                      gkNeedle,
                      50,
                      {{50, 97}, {50, 50}, {50, 5}},
                      {{45, 50}, {55, 50}},
                      {{3, 3}, {96, 3}}}),
    [](const testing::TestParamInfo<PlainKindCase>& info) { return info.param.name; });

struct SlantCase {
  int progress;
  Spot tip;
};

void PrintTo(const SlantCase& c, std::ostream* os) {
  *os << c.progress << "%";
}

class SlantedNeedleTest : public testing::TestWithParam<SlantCase> {};

// The needle runs from the middle of the base to its tip; rasterising may put
// each of its points a pixel either side of the exact line.
TEST_P(SlantedNeedleTest, NeedleRunsFromTheBaseTowardsThePercentage) {
  TGauge gauge;
  gauge.SetKind(gkNeedle);
  gauge.SetShowText(false);
  gauge.SetForeColor(clRed);
  gauge.SetProgress(GetParam().progress);
  const auto canvas = Render(gauge);
  const Spot tip = GetParam().tip;
  for (double t : {0.2, 0.5, 0.8}) {
    const int x = static_cast<int>(50 + t * (tip.x - 50));
    const int y = static_cast<int>(98 + t * (tip.y - 98));
    const auto red = [&](int dx) { return canvas->At(x + dx, y) == ToColorRef(clRed); };
    EXPECT_TRUE(red(-1) || red(0) || red(1)) << "at (" << x << "," << y << ")";
  }
  EXPECT_EQ(canvas->At(50, 50), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Slants, SlantedNeedleTest,
                         testing::Values(SlantCase{25, {15, 29}}, SlantCase{75, {85, 29}}));

TEST(GaugeResourceTest, RepaintingLeavesNoGdiObjectsBehind) {
  TGauge gauge;
  gauge.SetBounds(0, 0, 225, 225);
  gauge.SetKind(gkPie);
  gauge.SetMaxValue(600);
  gauge.SetProgress(450);
  gauge.SetColor(clBtnFace);
  Canvas canvas(225, 225);
  gauge.PaintTo(canvas.dc());
  const int before = test_support::GdiHandleCount();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 10000; ++i) gauge.PaintTo(canvas.dc());
  EXPECT_LE(test_support::GdiHandleCount(), before + 1);
}

}  // namespace
}  // namespace ostrevin
