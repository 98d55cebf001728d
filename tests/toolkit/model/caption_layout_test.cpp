#include "toolkit/model/caption_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace ostrevin::toolkit {
namespace {

constexpr int kGap = 4;
constexpr int kWindow = 1000;

// A label that takes the size of its caption.
CaptionedPlace Label(int left, int top, int textWidth, int textHeight = 13) {
  return {.place = {left, top, textWidth, textHeight},
          .captionWidth = textWidth,
          .captionHeight = textHeight,
          .sizedByCaption = true};
}

CaptionedPlace Field(int left, int top, int width, int height = 22) {
  return {.place = {left, top, width, height}};
}

CaptionedPlace CheckBox(int left, int top, int width, int captionWidth) {
  return {.place = {left, top, width, 17}, .captionWidth = captionWidth, .captionHeight = 13};
}

std::vector<int> Lefts(const std::vector<ControlPlace>& places) {
  std::vector<int> lefts;
  for (const ControlPlace& place : places) lefts.push_back(place.left);
  return lefts;
}

// The lengths of a lesson on "Общие": a label, its number field and "мин.",
// three rows of them, at 150 % (the design's 56, 176, 230 scaled).
std::vector<CaptionedPlace> LengthRows(int lengthText, int introText, int finalText) {
  return {
      Label(84, 150, lengthText), Field(264, 144, 74), Label(345, 150, 24),
      Label(84, 186, introText),  Field(264, 180, 74), Label(345, 186, 24),
      Label(84, 222, finalText),  Field(264, 216, 74), Label(345, 222, 24),
  };
}

TEST(FitCaptionsTest, CaptionsThatFitMoveNothing) {
  const std::vector<CaptionedPlace> rows = LengthRows(160, 170, 176);
  EXPECT_EQ(Lefts(FitCaptions(rows, kGap, kWindow)),
            (std::vector<int>{84, 264, 345, 84, 264, 345, 84, 264, 345}));
}

// "Заключительная часть:" runs 10 pixels under its field: every field moves
// right as far as that label needs, and "мин." with them, keeping its
// distance from them.
TEST(FitCaptionsTest, TheWidestLabelMovesTheColumnOfFieldsAndWhatFollowsThem) {
  const std::vector<ControlPlace> fitted = FitCaptions(LengthRows(160, 170, 190), kGap, kWindow);
  EXPECT_EQ(Lefts(fitted), (std::vector<int>{84, 278, 359, 84, 278, 359, 84, 278, 359}));
  EXPECT_EQ(fitted[1].width, 74) << "a field keeps its width";
}

// "предупреждать перед началом урока за" [3] "мин." at 125 %: the box may
// grow into the room the design left after it, as far as the gap; what
// follows it moves on together, keeping its own distances.
TEST(FitCaptionsTest, ACheckBoxGrowsToItsCaptionAndWhatFollowsKeepsClearOfIt) {
  const std::vector<CaptionedPlace> row = {CheckBox(110, 60, 281, 300), Field(400, 56, 41),
                                           Label(450, 65, 30)};
  const std::vector<ControlPlace> fitted = FitCaptions(row, kGap, kWindow);
  EXPECT_EQ(fitted[0], (ControlPlace{110, 60, 300, 17}));
  EXPECT_EQ(Lefts(fitted), (std::vector<int>{110, 414, 464}));
}

// The buttons under the list of schedules, 20 pixels before the bells.
TEST(FitCaptionsTest, AControlGrowsIntoTheRoomAfterItBeforeItPushes) {
  const std::vector<CaptionedPlace> row = {{.place = {170, 200, 62, 29}, .captionWidth = 72},
                                           Field(250, 200, 40)};
  EXPECT_EQ(Lefts(FitCaptions(row, kGap, kWindow)), (std::vector<int>{170, 250}));
  const std::vector<CaptionedPlace> wider = {{.place = {170, 200, 62, 29}, .captionWidth = 80},
                                             Field(250, 200, 40)};
  EXPECT_EQ(Lefts(FitCaptions(wider, kGap, kWindow)), (std::vector<int>{170, 254}));
}

// The day's schedule, a label 240 wide for a caption of 200, moved right by
// the column it stands in.
TEST(FitCaptionsTest, ACaptionReachingPastTheWindowIsNarrowedAsFarAsItAllows) {
  const std::vector<CaptionedPlace> controls = {
      Label(300, 4, 125),
      Field(415, 0, 100),  // moves the column at 415 by 14
      {.place = {415, 155, 240, 16}, .captionWidth = 200, .captionHeight = 16},
      {.place = {415, 180, 240, 16}, .captionWidth = 250, .captionHeight = 16},
      Field(415, 205, 260),  // no caption: not narrowed
  };
  const std::vector<ControlPlace> fitted = FitCaptions(controls, kGap, 667);
  EXPECT_EQ(fitted[2], (ControlPlace{429, 155, 238, 16}));
  EXPECT_EQ(fitted[3], (ControlPlace{429, 180, 250, 16})) << "its caption needs more";
  EXPECT_EQ(fitted[4], (ControlPlace{429, 205, 260, 22}));
}

TEST(FitCaptionsTest, ACheckBoxWiderThanItsCaptionMovesNothing) {
  const std::vector<CaptionedPlace> row = {CheckBox(110, 60, 281, 250), Field(400, 56, 41)};
  const std::vector<ControlPlace> fitted = FitCaptions(row, kGap, kWindow);
  EXPECT_EQ(fitted[0].width, 281);
  EXPECT_EQ(fitted[1].left, 400);
}

// A label sized by its caption keeps the gap from what follows it, also
// where the design left more room at another scale: nothing moves left.
TEST(FitCaptionsTest, ALabelKeepsTheGapBeforeTheFieldAfterItAndNothingMovesLeft) {
  EXPECT_EQ(Lefts(FitCaptions({Label(10, 4, 60), Field(72, 0, 40)}, kGap, kWindow)),
            (std::vector<int>{10, 74}));
  EXPECT_EQ(Lefts(FitCaptions({Label(10, 4, 40), Field(72, 0, 40)}, kGap, kWindow)),
            (std::vector<int>{10, 72}));
}

// The list of schedules on the timetable tab lies beside the bells; only the
// rows a moved control lies on move, apart from its column.
TEST(FitCaptionsTest, ControlsOnOtherRowsStayWhereTheyAre) {
  const std::vector<CaptionedPlace> controls = {
      Label(10, 4, 90),    Field(90, 0, 60),    // moved: the label needs 90
      Field(10, 40, 70),   Field(100, 40, 60),  // another row: it stays
      Label(10, 80, 30),   Field(90, 76, 60),   // the moved field's column
      Field(200, 76, 30),                       // after it on its row
      Field(200, 120, 30),                      // that one's column
  };
  EXPECT_EQ(Lefts(FitCaptions(controls, kGap, kWindow)),
            (std::vector<int>{10, 104, 10, 100, 10, 104, 214, 214}));
}

// A label lying over the pie, or a frame holding a control: what the design
// lays over another neither follows it nor pushes it.
TEST(FitCaptionsTest, ControlsTheDesignLaysOverOthersAreNoRow) {
  const std::vector<CaptionedPlace> controls = {
      Field(0, 24, 225, 225),
      {.place = {0, 24, 225, 225}},  // the pie and the label over it
      Field(40, 96, 185, 97),
      CheckBox(60, 150, 120, 160),  // a frame and a box inside it
  };
  const std::vector<ControlPlace> fitted = FitCaptions(controls, kGap, kWindow);
  EXPECT_EQ(Lefts(fitted), (std::vector<int>{0, 0, 40, 60}));
  EXPECT_EQ(fitted[3].width, 160);
}

TEST(FitCaptionsTest, ACaptionTallerThanItsPlaceGrowsDown) {
  const std::vector<CaptionedPlace> controls = {
      {.place = {16, 80, 385, 30}, .captionWidth = 380, .captionHeight = 34},
      {.place = {8, 264, 97, 33}, .captionWidth = 90, .captionHeight = 30},
  };
  const std::vector<ControlPlace> fitted = FitCaptions(controls, kGap, kWindow);
  EXPECT_EQ(fitted[0], (ControlPlace{16, 80, 385, 34}));
  EXPECT_EQ(fitted[1], (ControlPlace{8, 264, 97, 33}));
}

TEST(FitCaptionsTest, TouchingControlsStayTouchingWhenNothingGrows) {
  const std::vector<CaptionedPlace> row = {Field(200, 26, 16, 13), Field(216, 22, 41),
                                           Label(260, 26, 6), Field(270, 22, 41)};
  EXPECT_EQ(Lefts(FitCaptions(row, kGap, kWindow)), (std::vector<int>{200, 216, 260, 270}));
}

TEST(FitCaptionsTest, NoControlsNoPlaces) {
  EXPECT_TRUE(FitCaptions({}, kGap, kWindow).empty());
}

}  // namespace
}  // namespace ostrevin::toolkit
