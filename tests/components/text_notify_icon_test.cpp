// The text tray icon's pictures read back pixel by pixel, and what its
// property writes send to the notification area.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/app_error.h"
#include "components/text_notify_icon.h"
#include "icon_pixels.h"
#include "support/gdi_handle_count.h"
#include "toolkit/colors.h"
#include "toolkit/handles.h"
#include "tray_test_doubles.h"

namespace ostrevin {
namespace {

using test_support::FakeTrayShell;
using test_support::IconPixels;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kSize = 16;

// The timer window's lesson number font: bold, 13 pixels, white, unsmoothed.
const toolkit::FontDesign kNumberFont{
    .face = L"MS Sans Serif", .height = 13, .bold = true, .color = clWhite, .smooth = false};

struct Look {
  Color color = clBlue;
  bool border = false;
  Color borderColor = clWhite;
  int offsetX = 0;
  int offsetY = 0;
  int lineDistance = 0;
  toolkit::FontDesign font = kNumberFont;
};

// A pixel position; sets of them compare pictures' glyphs.
using Spot = std::pair<int, int>;
using Spots = std::set<Spot>;

Spots Shifted(const Spots& spots, int dx, int dy) {
  Spots moved;
  for (const auto& [x, y] : spots) {
    if (x + dx >= 0 && x + dx < kSize && y + dy >= 0 && y + dy < kSize) {
      moved.insert({x + dx, y + dy});
    }
  }
  return moved;
}

Spots Where(const Spots& spots, const std::function<bool(int x, int y)>& keep) {
  Spots kept;
  for (const auto& [x, y] : spots) {
    if (keep(x, y)) kept.insert({x, y});
  }
  return kept;
}

Spots Joined(Spots a, const Spots& b) {
  a.insert(b.begin(), b.end());
  return a;
}

std::string Position(int x, int y) {
  std::ostringstream text;
  text << "(" << x << "," << y << ")";
  return text.str();
}

// The opaque pixels of one colour.
Spots Ink(const IconPixels& picture, COLORREF color = kWhite) {
  Spots ink;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (!picture.SeeThrough(x, y) && picture.At(x, y) == color) ink.insert({x, y});
    }
  }
  return ink;
}

// Width and height of a text in a font, as the system measures them.
SIZE Extent(const toolkit::FontDesign& font, const std::wstring& text) {
  const toolkit::UniqueFont handle = toolkit::CreateDesignedFont(font);
  const toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  const toolkit::SelectGuard selection(dc.get(), handle.get());
  SIZE size{};
  ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

class TextNotifyIconTest : public testing::Test {
 protected:
  FakeTrayShell shell;
  TTextNotifyIcon icon{nullptr, shell};

  // The icon's picture for a text in a look.
  IconPixels Draw(const std::wstring& text, const Look& look = {}) {
    FakeTrayShell ownShell;
    TTextNotifyIcon drawn(nullptr, ownShell);
    drawn.SetFont(look.font);
    drawn.SetColor(look.color);
    drawn.SetBorder(look.border);
    drawn.SetBorderColor(look.borderColor);
    drawn.Options().SetOffsetX(look.offsetX);
    drawn.Options().SetOffsetY(look.offsetY);
    drawn.Options().SetLineDistance(look.lineDistance);
    drawn.SetText(text);
    return IconPixels(drawn.Icon());
  }
};

struct ColourCase {
  const char* name;
  Color color;
  Color fontColor;
  bool border;
  Color borderColor;
  bool seeThroughBackground;
  COLORREF background;  // when opaque
  COLORREF ink;
};

void PrintTo(const ColourCase& c, std::ostream* out) {
  *out << c.name;
}

class TextIconColourTest : public TextNotifyIconTest,
                           public testing::WithParamInterface<ColourCase> {};

// A "7": the frame on every outer pixel when asked for, the glyph in the font
// colour, every other pixel the background or see-through.
TEST_P(TextIconColourTest, PaintsTheBackgroundTheGlyphsAndTheFrame) {
  const ColourCase& c = GetParam();
  Look look{.color = c.color, .border = c.border, .borderColor = c.borderColor, .offsetX = 1};
  look.font.color = c.fontColor;
  const IconPixels picture = Draw(L"7", look);
  ASSERT_EQ(picture.Width(), kSize);
  ASSERT_EQ(picture.Height(), kSize);
  int glyph = 0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const std::string at = Position(x, y);
      const bool outer = x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1;
      if (outer && c.border) {
        EXPECT_FALSE(picture.SeeThrough(x, y)) << at;
        EXPECT_EQ(picture.At(x, y), toolkit::ToColorRef(c.borderColor)) << at;
      } else if (!picture.SeeThrough(x, y) && picture.At(x, y) == c.ink) {
        ++glyph;
      } else if (c.seeThroughBackground) {
        EXPECT_TRUE(picture.SeeThrough(x, y)) << at;
      } else {
        EXPECT_FALSE(picture.SeeThrough(x, y)) << at;
        EXPECT_EQ(picture.At(x, y), c.background) << at;
      }
    }
  }
  EXPECT_GT(glyph, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, TextIconColourTest,
    testing::Values(ColourCase{"TimerWindowsBlueSquare", clBlue, clWhite, true, clWhite, false,
                               kBlue, kWhite},
                    ColourCase{"NoneIsSeeThroughUnderWhiteText", clNone, clWhite, false, clNone,
                               true, 0, kWhite},
                    ColourCase{"NoneKeepsItsFrame", clNone, clWhite, true, clRed, true, 0, kWhite},
                    ColourCase{"FontColourTurnsIntoItsInverse", clWhite, clWhite, false, clNone,
                               false, kBlack, kWhite},
                    ColourCase{"RedTextOnRedTurnsCyan", clRed, clRed, true, clBlack, false,
                               RGB(0, 255, 255), kRed},
                    ColourCase{"SystemColourIsResolved", clBtnFace, clBlack, false, clNone, false,
                               ::GetSysColor(COLOR_BTNFACE), kBlack}),
    [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

// Where a line of `text` starts, by the documented centring on 15 pixels.
int CentredOn15(int length) {
  return (15 - length) / 2;
}

TEST_F(TextNotifyIconTest, TheSevenIsCentredOneToTheRight) {
  const SIZE extent = Extent(kNumberFont, L"7");
  const int left = CentredOn15(extent.cx) + 1;
  const int top = CentredOn15(extent.cy);
  const Spots glyph = Ink(Draw(L"7", {.offsetX = 1}));
  ASSERT_FALSE(glyph.empty());
  for (const auto& [x, y] : glyph) {
    EXPECT_TRUE(x >= left && x < left + extent.cx && y >= top && y < top + extent.cy)
        << Position(x, y) << " outside the text's cell";
  }
  EXPECT_EQ(Ink(Draw(L"7", {.offsetX = 1})), Shifted(Ink(Draw(L"7")), 1, 0));
  EXPECT_EQ(Ink(Draw(L"7", {.offsetY = 2})), Shifted(Ink(Draw(L"7")), 0, 2));
  EXPECT_EQ(Ink(Draw(L"7", {.offsetX = -2, .offsetY = -1})), Shifted(Ink(Draw(L"7")), -2, -1));
}

// Lines of a text with carriage returns, against each line drawn alone: the
// same glyph, moved to its place in the block.
class TextLinesTest : public TextNotifyIconTest {
 protected:
  int Height() const { return Extent(kNumberFont, L"\r2").cy; }
  int AloneTop() const { return CentredOn15(Extent(kNumberFont, L"1").cy); }
  // The glyphs of `line` drawn alone, moved down to `top`.
  Spots LineAt(const std::wstring& line, int top) {
    return Shifted(Ink(Draw(line)), 0, top - AloneTop());
  }
};

TEST_F(TextLinesTest, TwoLinesAreCentredTogetherOnTheLineHeight) {
  const int h = Height();
  const int top = CentredOn15(2 * h);
  const Spots expected = Joined(Where(LineAt(L"1", top), [&](int, int y) { return y < top + h; }),
                                LineAt(L"2", top + h));
  const Spots drawn = Ink(Draw(L"1\r2"));
  EXPECT_EQ(drawn, expected);
  EXPECT_FALSE(drawn.empty());
}

TEST_F(TextLinesTest, ATrailingReturnLeavesTheOnlyVisibleLineAboveCentre) {
  const int top = CentredOn15(2 * Height());
  const Spots drawn = Ink(Draw(L"1\r"));
  EXPECT_EQ(drawn, LineAt(L"1", top));
  ASSERT_FALSE(drawn.empty());
  for (const auto& [x, y] : drawn) EXPECT_LT(y, 8) << Position(x, y);
}

TEST_F(TextLinesTest, ALineFeedStaysAtTheStartOfTheNextLine) {
  ASSERT_GT(Extent(kNumberFont, L"\n2").cx, Extent(kNumberFont, L"2").cx);
  const int h = Height();
  const int second = CentredOn15(2 * h) + h;
  const IconPixels withFeed = Draw(L"1\r\n2");
  const IconPixels without = Draw(L"1\r2");
  const auto above = [&](int, int y) { return y < second; };
  EXPECT_EQ(Where(Ink(withFeed), above), Where(Ink(without), above));
  const auto below = [&](int, int y) { return y >= second; };
  EXPECT_NE(Where(Ink(withFeed), below), Where(Ink(without), below));
}

TEST_F(TextLinesTest, ANegativeLineDistanceLetTheLowerLineCoverTheUpper) {
  const SIZE second = Extent(kNumberFont, L"2");
  const int h = Height() - 8;
  const int top = CentredOn15(2 * h);
  const int left = CentredOn15(second.cx);
  const auto outsideSecondLine = [&](int x, int y) {
    return !(x >= left && x < left + second.cx && y >= top + h && y < top + h + second.cy);
  };
  const Spots upper = LineAt(L"1", top);
  const Spots expected = Joined(Where(upper, outsideSecondLine), LineAt(L"2", top + h));
  ASSERT_NE(Where(upper, outsideSecondLine), upper) << "the lines do not overlap";
  EXPECT_EQ(Ink(Draw(L"1\r2", {.lineDistance = -8})), expected);
}

Spots Frame() {
  Spots frame;
  for (int i = 0; i < kSize; ++i) {
    frame.insert({i, 0});
    frame.insert({i, kSize - 1});
    frame.insert({0, i});
    frame.insert({kSize - 1, i});
  }
  return frame;
}

TEST_F(TextNotifyIconTest, AnEmptyTextShowsOnlyTheBackgroundAndTheFrame) {
  const IconPixels picture = Draw(L"", {.border = true, .borderColor = clRed});
  EXPECT_EQ(Ink(picture, kRed), Frame());
  EXPECT_EQ(Ink(picture, kBlue).size(), 14u * 14u);
}

// Three lines of 13 pixels reach past the picture's edges with their
// backgrounds; the frame still shows whole.
TEST_F(TextNotifyIconTest, TheFrameLiesOverTheText) {
  const Spots frame = Frame();
  const Spots red = Ink(Draw(L"8\r8\r8", {.border = true, .borderColor = clRed}), kRed);
  EXPECT_EQ(red, frame);
}

// A 16 x 16 (or larger) icon: its left half see-through, its right half red.
toolkit::UniqueIcon HalfRedIcon(int size) {
  const toolkit::WindowDc screen(nullptr);
  const toolkit::UniqueBitmap color(::CreateCompatibleBitmap(screen.get(), size, size));
  const toolkit::UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, nullptr));
  const toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  {
    const toolkit::SelectGuard selection(dc.get(), color.get());
    // Black under the mask's set bits, so that nothing is mixed in there.
    const toolkit::UniqueBrush red(::CreateSolidBrush(kRed));
    const RECT right{size / 2, 0, size, size};
    ::PatBlt(dc.get(), 0, 0, size / 2, size, BLACKNESS);
    ::FillRect(dc.get(), &right, red.get());
  }
  {
    const toolkit::SelectGuard selection(dc.get(), mask.get());
    ::PatBlt(dc.get(), 0, 0, size / 2, size, WHITENESS);
    ::PatBlt(dc.get(), size / 2, 0, size - size / 2, size, BLACKNESS);
  }
  ICONINFO parts{};
  parts.fIcon = TRUE;
  parts.hbmMask = mask.get();
  parts.hbmColor = color.get();
  return toolkit::UniqueIcon(::CreateIconIndirect(&parts));
}

TEST_F(TextNotifyIconTest, ABackgroundIconShowsUnderTheGlyphsAndTheFrame) {
  const toolkit::UniqueIcon background = HalfRedIcon(16);
  icon.SetFont(kNumberFont);
  icon.SetColor(clBlue);
  icon.SetBorder(true);
  icon.SetBorderColor(clWhite);
  icon.SetText(L"8");
  const Spots glyph = Ink(IconPixels(icon.Icon()));
  icon.SetBackgroundIcon(background.get());
  const IconPixels picture(icon.Icon());
  EXPECT_EQ(Ink(picture), glyph);
  for (int y = 1; y < kSize - 1; ++y) {
    for (int x = 1; x < kSize - 1; ++x) {
      if (glyph.contains({x, y})) continue;
      const std::string at = Position(x, y);
      if (x < kSize / 2) {
        EXPECT_TRUE(picture.SeeThrough(x, y)) << at;
      } else {
        EXPECT_FALSE(picture.SeeThrough(x, y)) << at;
        EXPECT_EQ(picture.At(x, y), kRed) << at;
      }
    }
  }
}

TEST_F(TextNotifyIconTest, ALargerBackgroundIconIsTaken) {
  const toolkit::UniqueIcon background = HalfRedIcon(32);
  icon.SetText(L"8");
  icon.SetBackgroundIcon(background.get());
  const IconPixels picture(icon.Icon());
  EXPECT_EQ(picture.Width(), kSize);
  EXPECT_TRUE(picture.SeeThrough(2, 2));
  EXPECT_EQ(picture.At(13, 2), kRed);
}

TEST_F(TextNotifyIconTest, ABackgroundSmallerThanTheIconIsRefusedAndTheTrayKeepsItsPicture) {
  icon.SetIconVisible(true);
  icon.SetText(L"3");
  const HICON shown = icon.Icon();
  const std::size_t calls = shell.calls.size();
  const toolkit::UniqueIcon small = HalfRedIcon(8);
  try {
    icon.SetBackgroundIcon(small.get());
    ADD_FAILURE() << "no error";
  } catch (const AppError& error) {
    EXPECT_EQ(error.message(), L"Invalid image size");
  }
  EXPECT_THROW(icon.SetText(L"4"), AppError);
  EXPECT_EQ(icon.Icon(), shown);
  EXPECT_EQ(shell.calls.size(), calls);

  icon.SetBackgroundIcon(nullptr);
  EXPECT_NE(icon.Icon(), shown);
  EXPECT_EQ(shell.calls.size(), calls + 1);
}

struct RebuildCase {
  const char* name;
  std::function<void(TTextNotifyIcon&)> write;
  std::size_t modifies;
};

void PrintTo(const RebuildCase& c, std::ostream* out) {
  *out << c.name;
}

class TextIconRebuildTest : public TextNotifyIconTest,
                            public testing::WithParamInterface<RebuildCase> {};

// Each new picture reaches the tray in one modify; a write that leaves the
// picture as it is sends nothing.
TEST_P(TextIconRebuildTest, EveryNewPictureReachesTheShellOnce) {
  icon.SetFont(kNumberFont);
  icon.SetText(L"II");
  icon.SetColor(clBlue);
  icon.SetBorder(true);
  icon.SetBorderColor(clWhite);
  icon.Options().SetOffsetX(1);
  icon.SetIconVisible(true);
  const std::size_t before = shell.calls.size();
  std::set<HICON> sent{icon.Icon()};

  GetParam().write(icon);
  ASSERT_EQ(shell.calls.size(), before + GetParam().modifies);
  for (std::size_t i = before; i < shell.calls.size(); ++i) {
    EXPECT_EQ(shell.calls[i].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_TRUE(shell.calls[i].accepted);
    EXPECT_TRUE(sent.insert(shell.calls[i].data.hIcon).second) << "a picture sent twice";
  }
  EXPECT_EQ(shell.Last().data.hIcon, icon.Icon());
}

INSTANTIATE_TEST_SUITE_P(
    Writes, TextIconRebuildTest,
    testing::Values(
        RebuildCase{"NewText", [](TTextNotifyIcon& i) { i.SetText(L"4"); }, 1},
        RebuildCase{"SameText", [](TTextNotifyIcon& i) { i.SetText(L"II"); }, 0},
        RebuildCase{"SameColour", [](TTextNotifyIcon& i) { i.SetColor(clBlue); }, 0},
        RebuildCase{"SameBorder", [](TTextNotifyIcon& i) { i.SetBorder(true); }, 0},
        RebuildCase{"SameBorderColour", [](TTextNotifyIcon& i) { i.SetBorderColor(clWhite); }, 0},
        RebuildCase{"NewOffsetX", [](TTextNotifyIcon& i) { i.Options().SetOffsetX(2); }, 1},
        RebuildCase{"SameOffsetX", [](TTextNotifyIcon& i) { i.Options().SetOffsetX(1); }, 0},
        RebuildCase{"NewLineDistance", [](TTextNotifyIcon& i) { i.Options().SetLineDistance(-1); },
                    1},
        RebuildCase{"SameFontColour", [](TTextNotifyIcon& i) { i.Font().SetColor(clWhite); }, 0},
        RebuildCase{"NewFontHeight", [](TTextNotifyIcon& i) { i.Font().SetHeight(11); }, 1},
        // Two attributes differ: each reports with a new picture; the
        // assignment's own redraw finds the picture shown.
        RebuildCase{"AssignedFont",
                    [](TTextNotifyIcon& i) {
                      toolkit::FontDesign font = kNumberFont;
                      font.bold = false;
                      font.color = clRed;
                      i.SetFont(font);
                    },
                    2},
        RebuildCase{"AssignedSameFont", [](TTextNotifyIcon& i) { i.SetFont(kNumberFont); }, 0},
        RebuildCase{"AssignedOptions",
                    [](TTextNotifyIcon& i) { i.SetOptions(TOffsetOptions(1, 2, 3)); }, 2},
        RebuildCase{"BackgroundIcon",
                    [](TTextNotifyIcon& i) { i.SetBackgroundIcon(HalfRedIcon(16).get()); }, 1}),
    [](const testing::TestParamInfo<RebuildCase>& info) { return info.param.name; });

TEST_F(TextNotifyIconTest, AssignedOptionsAreCopiedAndTheIconKeepsItsOwn) {
  TOffsetOptions source(1, -2, -8);
  int sourceReports = 0;
  source.OnChange = [&](TOffsetOptions&) { ++sourceReports; };
  icon.SetOptions(source);
  EXPECT_EQ(icon.Options().OffsetY(), -2);
  EXPECT_EQ(icon.Options().LineDistance(), -8);
  const std::size_t calls = shell.calls.size();
  source.SetOffsetX(5);
  EXPECT_EQ(icon.Options().OffsetX(), 1);
  EXPECT_EQ(shell.calls.size(), calls);
  icon.Options().SetOffsetX(5);
  EXPECT_EQ(shell.calls.size(), calls + 1);
  EXPECT_EQ(sourceReports, 1);
}

TEST_F(TextNotifyIconTest, AnyRedrawSwitchesCyclingOff) {
  icon.SetCycleInterval(500);
  icon.SetCycleIcons(true);
  icon.SetText(L"5");
  EXPECT_FALSE(icon.CycleIcons());
  icon.SetCycleIcons(true);
  icon.Options().SetOffsetY(1);
  EXPECT_FALSE(icon.CycleIcons());
}

// The lesson number at the sizes the notification area shows at 100, 125,
// 150 and 200 %: drawn for that size, the frame and the text's offset scaled
// with it.
struct SizeCase {
  int size;
  int frameWidth;
  int offsetX;  // the timer window's 1 pixel at 16, scaled
};

void PrintTo(const SizeCase& c, std::ostream* out) {
  *out << c.size << " pixels";
}

class TextIconSizeTest : public TextNotifyIconTest, public testing::WithParamInterface<SizeCase> {
 protected:
  // The timer window's number icon with a text, drawn for the tray's size.
  IconPixels DrawAtSize(const std::wstring& text, int size) {
    FakeTrayShell sizedShell;
    sizedShell.iconSize = size;
    TTextNotifyIcon drawn(nullptr, sizedShell);
    drawn.SetFont(kNumberFont);
    drawn.SetColor(clBlue);
    drawn.SetBorder(true);
    drawn.SetBorderColor(clWhite);
    drawn.Options().SetOffsetX(1);
    drawn.SetText(text);
    return IconPixels(drawn.Icon());
  }
};

TEST_P(TextIconSizeTest, TheNumberIsDrawnForTheSizeTheTrayShows) {
  const SizeCase& c = GetParam();
  const IconPixels picture = DrawAtSize(L"7", c.size);
  ASSERT_EQ(picture.Width(), c.size);
  ASSERT_EQ(picture.Height(), c.size);
  int left = c.size;
  int right = -1;
  int top = c.size;
  int bottom = -1;
  int ink = 0;
  for (int y = 0; y < c.size; ++y) {
    for (int x = 0; x < c.size; ++x) {
      const std::string at = Position(x, y);
      ASSERT_FALSE(picture.SeeThrough(x, y)) << at;
      const int ring = std::min(std::min(x, y), std::min(c.size - 1 - x, c.size - 1 - y));
      if (ring < c.frameWidth) {
        EXPECT_EQ(picture.At(x, y), kWhite) << "frame " << at;
      } else if (picture.At(x, y) == kWhite) {
        ++ink;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      } else {
        EXPECT_EQ(picture.At(x, y), kBlue) << at;
      }
    }
  }
  // A digit of the size: as high as about 7 in 16 of the picture, centred on
  // one pixel less than the picture and moved right by the offset.
  const SIZE extent = Extent(
      {.face = kNumberFont.face, .height = kNumberFont.height * c.size / 16, .bold = true}, L"7");
  const int cellLeft = (c.size - 1 - extent.cx) / 2 + c.offsetX;
  EXPECT_GE(left, cellLeft);
  EXPECT_LT(right, cellLeft + extent.cx);
  EXPECT_GE(bottom - top + 1, c.size * 7 / 16);
  EXPECT_LE(bottom - top + 1, c.size * 13 / 16);
  EXPECT_GE(ink, c.size * c.size / 16) << "a bold digit, not a hairline";
}

INSTANTIATE_TEST_SUITE_P(TraySizes, TextIconSizeTest,
                         testing::Values(SizeCase{16, 1, 1}, SizeCase{20, 1, 1}, SizeCase{24, 2, 2},
                                         SizeCase{32, 2, 2}),
                         [](const testing::TestParamInfo<SizeCase>& info) {
                           return "Size" + std::to_string(info.param.size);
                         });

// A picture made for 32 pixels is not the 16-pixel one doubled, whose pixels
// would come in 2 x 2 blocks of one colour.
TEST_F(TextIconSizeTest, TheLargerNumberIsNotTheSmallOneStretched) {
  const IconPixels large = DrawAtSize(L"7", 32);
  int blocksBroken = 0;
  for (int y = 0; y < 32; y += 2) {
    for (int x = 0; x < 32; x += 2) {
      if (large.At(x + 1, y) != large.At(x, y) || large.At(x, y + 1) != large.At(x, y)) {
        ++blocksBroken;
      }
    }
  }
  EXPECT_GT(blocksBroken, 4);
}

// The scaling changed: the text is drawn again at the tray's new size at
// once, and a picture kept from before is not shown again at its old size.
TEST_F(TextNotifyIconTest, ANewTraySizeRedrawsThePictureAtOnce) {
  icon.SetFont(kNumberFont);
  icon.SetText(L"3");
  EXPECT_EQ(IconPixels(icon.Icon()).Width(), 16);
  shell.iconSize = 24;
  icon.FollowTrayIconSize();
  EXPECT_EQ(IconPixels(icon.Icon()).Width(), 24);
  EXPECT_EQ(shell.Last().data.hIcon, icon.Icon());
  icon.SetText(L"4");
  EXPECT_EQ(IconPixels(icon.Icon()).Width(), 24);
  icon.SetText(L"3");
  EXPECT_EQ(IconPixels(icon.Icon()).Width(), 24);
  const std::size_t calls = shell.calls.size();
  icon.FollowTrayIconSize();
  EXPECT_EQ(shell.calls.size(), calls) << "the same size: nothing is drawn or sent";
}

TEST_F(TextNotifyIconTest, RedrawingLeavesNoIconOrGdiObjectBehind) {
  icon.SetIconVisible(true);
  icon.SetFont(kNumberFont);
  // The pictures of the nine texts are kept from their first showing on.
  for (int i = 0; i < 9; ++i) icon.SetText(std::to_wstring(i));
  const int before = test_support::GdiHandleCount();
  ASSERT_GT(before, 0);
  std::vector<HICON> sent;
  for (int i = 0; i < 500; ++i) {
    icon.SetText(std::to_wstring(i % 9));
    sent.push_back(shell.Last().data.hIcon);
  }
  EXPECT_LE(test_support::GdiHandleCount(), before + 1);
  int alive = 0;
  for (HICON picture : sent) {
    ICONINFO parts{};
    if (!::GetIconInfo(picture, &parts)) continue;
    ++alive;
    toolkit::UniqueBitmap mask(parts.hbmMask);
    toolkit::UniqueBitmap color(parts.hbmColor);
  }
  EXPECT_EQ(alive, 1);
}

// The text icon, counting the pictures it draws.
class CountingTextIcon : public TTextNotifyIcon {
 public:
  using TTextNotifyIcon::TTextNotifyIcon;
  int drawn = 0;

 protected:
  void DrawTextImage() override {
    ++drawn;
    TTextNotifyIcon::DrawTextImage();
  }
};

TEST_F(TextNotifyIconTest, EachTextAndLookIsDrawnOnceAndItsPictureShownAgain) {
  CountingTextIcon counted(nullptr, shell);
  counted.SetFont(kNumberFont);
  counted.SetColor(clBlue);
  counted.SetText(L"1");
  const IconPixels one(counted.Icon());
  counted.SetText(L"II");
  const IconPixels breakSign(counted.Icon());
  const int drawn = counted.drawn;
  for (int day = 0; day < 3; ++day) {
    counted.SetText(L"1");
    EXPECT_EQ(IconPixels(counted.Icon()), one);
    counted.SetText(L"II");
    EXPECT_EQ(IconPixels(counted.Icon()), breakSign);
  }
  EXPECT_EQ(counted.drawn, drawn);
  counted.SetColor(clRed);
  EXPECT_EQ(counted.drawn, drawn + 1);
  EXPECT_NE(IconPixels(counted.Icon()), breakSign);
  counted.SetColor(clBlue);
  EXPECT_EQ(counted.drawn, drawn + 1);
  EXPECT_EQ(IconPixels(counted.Icon()), breakSign);
}

TEST_F(TextNotifyIconTest, TextAndHintReachTheTrayTogetherAndOnlyWhenChanged) {
  icon.SetFont(kNumberFont);
  icon.SetText(L"II");
  icon.SetIconVisible(true);
  const std::size_t before = shell.calls.size();

  icon.SetTextAndHint(L"3", L"Сейчас идёт 3-й урок");
  ASSERT_EQ(shell.calls.size(), before + 1);
  EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(shell.Last().data.hIcon, icon.Icon());
  EXPECT_EQ(std::wstring(shell.Last().data.szTip), L"Сейчас идёт 3-й урок");
  const HICON three = icon.Icon();

  icon.SetTextAndHint(L"3", L"Сейчас идёт 3-й урок");
  EXPECT_EQ(shell.calls.size(), before + 1);

  // Only the tooltip changes: the picture stays the one the tray has.
  icon.SetTextAndHint(L"3", L"Урок");
  ASSERT_EQ(shell.calls.size(), before + 2);
  EXPECT_EQ(shell.Last().data.hIcon, three);
  EXPECT_EQ(std::wstring(shell.Last().data.szTip), L"Урок");
  EXPECT_EQ(icon.Text(), L"3");
  EXPECT_EQ(icon.Hint(), L"Урок");
}

TEST_F(TextNotifyIconTest, AnIconSetOnTheBaseGivesWayToTheTextAgain) {
  icon.SetFont(kNumberFont);
  icon.SetText(L"5");
  const IconPixels five(icon.Icon());
  icon.SetIcon(HalfRedIcon(16).get());
  icon.SetText(L"5");
  EXPECT_EQ(IconPixels(icon.Icon()), five);
}

TEST_F(TextNotifyIconTest, KeptPicturesAreFewAndGoWithTheIcon) {
  // What the system makes once a run, at the first picture, is made now.
  Draw(L"0");
  const int before = test_support::GdiHandleCount();
  ASSERT_GT(before, 0);
  {
    TTextNotifyIcon drawn(nullptr, shell);
    drawn.SetFont(kNumberFont);
    for (int i = 0; i < 40; ++i) drawn.SetText(std::to_wstring(i));
    const int afterForty = test_support::GdiHandleCount();
    for (int i = 40; i < 200; ++i) drawn.SetText(std::to_wstring(i));
    EXPECT_LE(test_support::GdiHandleCount(), afterForty + 1);
  }
  EXPECT_LE(test_support::GdiHandleCount(), before + 1);
}

}  // namespace
}  // namespace ostrevin
