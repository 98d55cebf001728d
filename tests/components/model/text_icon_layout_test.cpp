#include "components/model/text_icon_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace ostrevin {
namespace {

using Lines = std::vector<std::wstring>;

TEST(SplitTextLinesTest, SplitsAtCarriageReturnsOnly) {
  struct Case {
    const wchar_t* text;
    Lines lines;
  };
  const Case cases[] = {
      {L"7", {L"7"}},          {L"", {L""}},
      {L"1\r2", {L"1", L"2"}}, {L"1\r", {L"1", L""}},
      {L"\r", {L"", L""}},     {L"1\r\n2", {L"1", L"\n2"}},
      {L"1\n2", {L"1\n2"}},    {L"1\r\r2", {L"1", L"", L"2"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitTextLines(c.text), c.lines) << testing::PrintToString(std::wstring(c.text));
  }
}

// Glyphs 6 pixels wide (a line feed too) and 13 high, like the timer window's
// bold digits; it notes what it was asked to measure.
class FakeMeasure {
 public:
  TextExtent operator()(std::wstring_view text) {
    measured.emplace_back(text);
    return {6 * static_cast<int>(text.size()), 13};
  }
  std::vector<std::wstring> measured;
};

struct PlaceCase {
  const char* name;
  const wchar_t* text;
  int offsetX;
  int offsetY;
  int lineDistance;
  std::vector<PlacedTextLine> placed;
};

void PrintTo(const PlaceCase& c, std::ostream* out) {
  *out << c.name;
}

class PlaceTextLinesTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceTextLinesTest, CentresEachLineAndTheBlockOnFifteenPixels) {
  const PlaceCase& c = GetParam();
  FakeMeasure measure;
  const auto placed = PlaceTextLines(c.text, TOffsetOptions(c.offsetX, c.offsetY, c.lineDistance),
                                     [&](std::wstring_view text) { return measure(text); });
  EXPECT_EQ(placed, c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PlaceTextLinesTest,
    testing::Values(
        // (15 - 6) / 2 + 1 and (15 - 13) / 2.
        PlaceCase{"SevenOfTheTimerWindow", L"7", 1, 0, 0, {{L"7", 5, 1}}},
        PlaceCase{"EvenWidthSitsLeftOfTheMiddle", L"II", 0, 0, 0, {{L"II", 1, 1}}},
        PlaceCase{"OffsetY", L"--", 0, 3, 0, {{L"--", 1, 4}}},
        // (15 - 30) / 2 is -7, not -8: the cut falls on both sides.
        PlaceCase{"WiderThanThePicture", L"12345", 0, 0, 0, {{L"12345", -7, 1}}},
        // The block is 26 high: (15 - 26) / 2 = -5.
        PlaceCase{"TwoLines", L"1\r22", 0, 0, 0, {{L"1", 4, -5}, {L"22", 1, 8}}},
        PlaceCase{"TrailingReturnCountsAnEmptyLine", L"1\r", 0, 0, 0, {{L"1", 4, -5}, {L"", 7, 8}}},
        PlaceCase{
            "LineFeedStaysWithTheNextLine", L"1\r\n2", 0, 0, 0, {{L"1", 4, -5}, {L"\n2", 1, 8}}},
        // Lines 13 - 8 = 5 apart: the block is 10 high.
        PlaceCase{"NegativeLineDistanceOverlaps", L"1\r2", 1, 0, -8, {{L"1", 5, 2}, {L"2", 5, 7}}},
        PlaceCase{"ThreeLinesWithOffsets",
                  L"1\r2\r3",
                  -1,
                  2,
                  0,
                  {{L"1", 3, -10}, {L"2", 3, 3}, {L"3", 3, 16}}}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

struct PictureSizeCase {
  int size;
  int glyphWidth;
  int glyphHeight;
  int offsetX;
  int lineDistance;
  std::vector<PlacedTextLine> placed;
};

// The timer window's look (offset 1, no line distance, 13-pixel digits at 16
// pixels) at the sizes of 100, 125, 150 and 200 %: the glyphs measured in the
// font of the size, centred on the size less one, the offset scaled with it.
TEST(PlaceTextLinesTest, CentresOnThePictureSizeWithTheOffsetsScaled) {
  const PictureSizeCase cases[] = {
      // (15 - 6) / 2 + 1 and (15 - 13) / 2.
      {16, 6, 13, 1, 0, {{L"7", 5, 1}}},
      // (19 - 8) / 2 + 1.25 and (19 - 16) / 2.
      {20, 8, 16, 1, 0, {{L"7", 6, 1}}},
      // (23 - 9) / 2 + 1.5 and (23 - 20) / 2.
      {24, 9, 20, 1, 0, {{L"7", 9, 1}}},
      // (31 - 12) / 2 + 2 and (31 - 26) / 2.
      {32, 12, 26, 1, 0, {{L"7", 11, 2}}},
      // Two lines 26 + 2 * (-3) = 20 apart at 32: the block is 40 high and
      // (31 - 40) / 2 is -4.
      {32, 12, 26, 0, -3, {{L"1", 9, -4}, {L"2", 9, 16}}},
  };
  for (const PictureSizeCase& c : cases) {
    // Every glyph but the carriage return is glyphWidth wide.
    const auto measure = [&](std::wstring_view text) {
      const auto glyphs =
          text.size() - static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\r'));
      return TextExtent{c.glyphWidth * static_cast<int>(glyphs), c.glyphHeight};
    };
    const std::wstring text = c.placed.size() == 1 ? L"7" : L"1\r2";
    EXPECT_EQ(PlaceTextLines(text, TOffsetOptions(c.offsetX, 0, c.lineDistance), measure, c.size),
              c.placed)
        << c.size;
  }
}

TEST(ScaledToPictureTest, ScalesTheDesignBySizeOverSixteen) {
  EXPECT_EQ(ScaledToPicture(13, 16), 13);
  EXPECT_EQ(ScaledToPicture(13, 20), 16);  // 16.25
  EXPECT_EQ(ScaledToPicture(13, 24), 20);  // 19.5
  EXPECT_EQ(ScaledToPicture(13, 32), 26);
  EXPECT_EQ(ScaledToPicture(-1, 24), -2);
}

TEST(TextIconFrameWidthTest, GrowsWithThePictureFromOnePixel) {
  EXPECT_EQ(TextIconFrameWidth(16), 1);
  EXPECT_EQ(TextIconFrameWidth(20), 1);
  EXPECT_EQ(TextIconFrameWidth(24), 2);
  EXPECT_EQ(TextIconFrameWidth(32), 2);
  EXPECT_EQ(TextIconFrameWidth(8), 1);
}

TEST(PlaceTextLinesTest, TakesTheLineHeightFromTheFirstReturnOn) {
  FakeMeasure measure;
  PlaceTextLines(L"12\r3\r45", TOffsetOptions{},
                 [&](std::wstring_view text) { return measure(text); });
  EXPECT_EQ(measure.measured, (std::vector<std::wstring>{L"\r3\r45", L"12", L"3", L"45"}));
}

TEST(TextImageColorTest, TheKeyIsTheBackgroundUnlessItWouldHideTheText) {
  constexpr Color kWindowText = 0xFF000008;
  struct Case {
    const char* name;
    Color background;
    Color font;
    std::uint32_t fontRgb;
    Color key;
    Color mask;
  };
  const Case cases[] = {
      {"BlueUnderWhite", clBlue, clWhite, 0xFFFFFF, clBlue, clNone},
      {"NoneUnderWhite", clNone, clWhite, 0xFFFFFF, clBlack, clBlack},
      {"NoneUnderRed", clNone, clRed, 0x0000FF, 0xFFFF00, 0xFFFF00},
      {"WhiteUnderWhite", clWhite, clWhite, 0xFFFFFF, clBlack, clNone},
      {"SystemColourUnderItself", clBtnFace, clBtnFace, 0xC0C0C0, 0x3F3F3F, clNone},
      // Alike on the screen, different as stored: the text vanishes.
      {"BlackUnderWindowText", clBlack, kWindowText, 0x000000, clBlack, clNone},
      {"ButtonFaceUnderWindowText", clBtnFace, kWindowText, 0x000000, clBtnFace, clNone},
  };
  for (const Case& c : cases) {
    const Color key = TextImageKeyColor(c.background, c.font, c.fontRgb);
    EXPECT_EQ(key, c.key) << c.name;
    EXPECT_EQ(TextImageMaskColor(c.background, key), c.mask) << c.name;
  }
}

TEST(OffsetOptionsTest, OnlyADifferentValueIsStoredAndReported) {
  TOffsetOptions options;
  std::vector<const TOffsetOptions*> reports;
  options.OnChange = [&](TOffsetOptions& sender) { reports.push_back(&sender); };
  options.SetOffsetX(0);
  options.SetOffsetY(0);
  options.SetLineDistance(0);
  EXPECT_TRUE(reports.empty());

  options.SetOffsetX(1);
  options.SetOffsetX(1);
  options.SetOffsetY(-2);
  options.SetLineDistance(-8);
  EXPECT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports.front(), &options);
  EXPECT_EQ(options.OffsetX(), 1);
  EXPECT_EQ(options.OffsetY(), -2);
  EXPECT_EQ(options.LineDistance(), -8);
}

TEST(OffsetOptionsTest, AssigningReportsEachDifferentValueAndKeepsItsOwnHandler) {
  TOffsetOptions target;
  int targetReports = 0;
  target.OnChange = [&](TOffsetOptions&) { ++targetReports; };
  target.SetOffsetX(1);
  targetReports = 0;

  TOffsetOptions source(1, 4, -3);
  int sourceReports = 0;
  source.OnChange = [&](TOffsetOptions&) { ++sourceReports; };

  target.AssignValues(source);
  EXPECT_EQ(targetReports, 2);
  EXPECT_EQ(sourceReports, 0);
  EXPECT_EQ(target.OffsetY(), 4);
  EXPECT_EQ(target.LineDistance(), -3);
  target.SetOffsetX(7);
  EXPECT_EQ(targetReports, 3);
  EXPECT_EQ(sourceReports, 0);
}

}  // namespace
}  // namespace ostrevin
