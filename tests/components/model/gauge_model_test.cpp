#include "components/model/gauge_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include "base/app_error.h"

namespace ostrevin {

void PrintTo(const GaugePoint& p, std::ostream* os) {
  *os << "(" << p.x << "," << p.y << ")";
}
void PrintTo(const GaugeRect& r, std::ostream* os) {
  *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

enum class Field { Min, Max, Progress };

struct Range {
  int min;
  int max;
  int progress;
};

// A model holding the given values, set up the way a form loads them.
GaugeModel ModelWith(Range r) {
  GaugeModel model;
  model.BeginLoading();
  (void)model.SetMaxValue(r.max);
  (void)model.SetMinValue(r.min);
  (void)model.SetProgress(r.progress);
  model.EndLoading();
  return model;
}

bool Assign(GaugeModel& model, Field field, int value) {
  switch (field) {
    case Field::Min:
      return model.SetMinValue(value);
    case Field::Max:
      return model.SetMaxValue(value);
    case Field::Progress:
      return model.SetProgress(value);
  }
  return false;
}

void ExpectValues(const GaugeModel& model, Range want) {
  EXPECT_EQ(model.MinValue(), want.min);
  EXPECT_EQ(model.MaxValue(), want.max);
  EXPECT_EQ(model.Progress(), want.progress);
}

TEST(GaugeModelTest, StartsWithTheDesignDefaults) {
  GaugeModel model;
  ExpectValues(model, {0, 100, 0});
  EXPECT_FALSE(model.Loading());
}

struct AssignmentCase {
  const char* name;
  Range start;
  Field field;
  int value;
  Range want;
  bool repaint;
};

void PrintTo(const AssignmentCase& c, std::ostream* os) {
  *os << c.name;
}

class GaugeAssignmentTest : public testing::TestWithParam<AssignmentCase> {};

TEST_P(GaugeAssignmentTest, StoresClampsAndTellsWhetherToRepaint) {
  const AssignmentCase& c = GetParam();
  GaugeModel model = ModelWith(c.start);
  EXPECT_EQ(Assign(model, c.field, c.value), c.repaint);
  ExpectValues(model, c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GaugeAssignmentTest,
    testing::Values(
        AssignmentCase{"EqualMinDoesNothing", {0, 100, 50}, Field::Min, 0, {0, 100, 50}, false},
        AssignmentCase{"EqualMaxDoesNothing", {0, 100, 50}, Field::Max, 100, {0, 100, 50}, false},
        AssignmentCase{
            "EqualProgressDoesNothing", {0, 100, 50}, Field::Progress, 50, {0, 100, 50}, false},
        AssignmentCase{
            "MinBelowProgressKeepsIt", {0, 100, 50}, Field::Min, 20, {20, 100, 50}, true},
        AssignmentCase{
            "RaisedMinPullsProgressUp", {0, 100, 50}, Field::Min, 70, {70, 100, 70}, true},
        AssignmentCase{
            "MinEqualToMaxIsAccepted", {0, 100, 0}, Field::Min, 100, {100, 100, 100}, true},
        AssignmentCase{
            "MaxAboveProgressKeepsIt", {0, 100, 50}, Field::Max, 600, {0, 600, 50}, true},
        AssignmentCase{
            "LoweredMaxPullsProgressDown", {0, 100, 50}, Field::Max, 30, {0, 30, 30}, true},
        AssignmentCase{"MaxEqualToMinIsAccepted", {0, 100, 50}, Field::Max, 0, {0, 0, 0}, true},
        AssignmentCase{
            "ProgressBelowMinStoresMin", {0, 600, 300}, Field::Progress, -5, {0, 600, 0}, true},
        AssignmentCase{"ProgressBelowMinAtMinDoesNothing",
                       {0, 600, 0},
                       Field::Progress,
                       -5,
                       {0, 600, 0},
                       false},
        AssignmentCase{
            "ProgressAboveMaxStoresMax", {0, 600, 300}, Field::Progress, 700, {0, 600, 600}, true},
        AssignmentCase{"ProgressWithinThePercentIsStoredQuietly",
                       {0, 600, 30},
                       Field::Progress,
                       35,
                       {0, 600, 35},
                       false},
        AssignmentCase{"ProgressIntoTheNextPercentRepaints",
                       {0, 600, 35},
                       Field::Progress,
                       40,
                       {0, 600, 40},
                       true},
        AssignmentCase{
            "ProgressInAnEmptyRangeNeverRepaints", {7, 7, 7}, Field::Progress, 9, {7, 7, 7}, false},
        AssignmentCase{"ProgressInANegativeRange",
                       {-200, -100, -200},
                       Field::Progress,
                       -150,
                       {-200, -100, -150},
                       true}),
    [](const testing::TestParamInfo<AssignmentCase>& info) { return info.param.name; });

struct RefusalCase {
  const char* name;
  Range start;
  Field field;
  int value;
  const wchar_t* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << c.name;
}

class GaugeRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(GaugeRefusalTest, FailsWithTheRangeMessageAndKeepsTheValues) {
  const RefusalCase& c = GetParam();
  GaugeModel model = ModelWith(c.start);
  try {
    (void)Assign(model, c.field, c.value);
    ADD_FAILURE() << "the assignment was accepted";
  } catch (const AppError& error) {
    EXPECT_EQ(error.message(), c.message);
  }
  ExpectValues(model, c.start);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GaugeRefusalTest,
    testing::Values(RefusalCase{"MinAboveDefaultMax",
                                {0, 100, 0},
                                Field::Min,
                                101,
                                L"Value must be between -2147483647 and 99"},
                    RefusalCase{"MaxBelowMin",
                                {10, 600, 40},
                                Field::Max,
                                9,
                                L"Value must be between 11 and 2147483647"},
                    RefusalCase{"MinAboveTheLowestMax",
                                {INT_MIN, INT_MIN, INT_MIN},
                                Field::Min,
                                0,
                                L"Value must be between -2147483647 and -2147483649"},
                    RefusalCase{"MaxBelowTheHighestMin",
                                {INT_MAX, INT_MAX, INT_MAX},
                                Field::Max,
                                0,
                                L"Value must be between 2147483648 and 2147483647"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(GaugeModelTest, LoadingTakesMinAndMaxInEitherOrder) {
  GaugeModel model;
  model.BeginLoading();
  EXPECT_TRUE(model.Loading());
  EXPECT_TRUE(model.SetMinValue(200));
  EXPECT_TRUE(model.SetMaxValue(300));
  model.EndLoading();
  ExpectValues(model, {200, 300, 200});

  model.BeginLoading();
  EXPECT_TRUE(model.SetMaxValue(-10));
  EXPECT_TRUE(model.SetMinValue(-20));
  model.EndLoading();
  ExpectValues(model, {-20, -10, -10});
}

TEST(GaugeModelTest, ChecksResumeAfterLoading) {
  GaugeModel model;
  model.BeginLoading();
  model.EndLoading();
  EXPECT_FALSE(model.Loading());
  EXPECT_THROW((void)model.SetMinValue(101), AppError);
  EXPECT_THROW((void)model.SetMaxValue(-1), AppError);
}

struct PercentCase {
  Range values;
  int percent;
};

void PrintTo(const PercentCase& c, std::ostream* os) {
  *os << c.values.min << ".." << c.values.max << " at " << c.values.progress;
}

class FilledPercentTest : public testing::TestWithParam<PercentCase> {};

TEST_P(FilledPercentTest, IsTheWholePercentageReached) {
  EXPECT_EQ(ModelWith(GetParam().values).FilledPercent(), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, FilledPercentTest,
    testing::Values(PercentCase{{0, 600, 0}, 0}, PercentCase{{0, 600, 5}, 0},
                    PercentCase{{0, 600, 10}, 1}, PercentCase{{0, 600, 299}, 49},
                    PercentCase{{0, 600, 300}, 50}, PercentCase{{0, 600, 600}, 100},
                    PercentCase{{0, 0, 0}, 0}, PercentCase{{5, 5, 5}, 0},
                    PercentCase{{-200, -100, -150}, 50},
                    PercentCase{{INT_MIN, INT_MAX, INT_MAX}, 100},
                    PercentCase{{INT_MIN, INT_MAX, 0}, 50}, PercentCase{{INT_MIN, INT_MAX, -1}, 49},
                    PercentCase{{INT_MIN, INT_MAX, INT_MIN + 42949}, 0},
                    PercentCase{{INT_MIN, INT_MAX, INT_MIN + 42950000}, 1}));

TEST(GaugeModelTest, LessonStepsFillTheClockFaceAndSkipRepeatedPercentages) {
  GaugeModel model = ModelWith({0, 600, 0});
  std::vector<int> percents{model.FilledPercent()};
  int repaints = 0;
  for (int elapsed = 5; elapsed <= 600; elapsed += 5) {
    if (model.SetProgress(elapsed)) ++repaints;
    if (elapsed <= 40) percents.push_back(model.FilledPercent());
  }
  EXPECT_THAT(percents, testing::ElementsAre(0, 0, 1, 2, 3, 4, 5, 5, 6));
  EXPECT_EQ(repaints, 100);
}

TEST(GaugeModelTest, FilledPercentStaysWithinTheScaleWhileLoadingBreaksTheRange) {
  GaugeModel model;
  model.BeginLoading();
  (void)model.SetMinValue(INT_MAX - 1);
  (void)model.SetMaxValue(INT_MAX);
  (void)model.SetMinValue(INT_MIN);
  (void)model.SetMaxValue(INT_MIN + 1);
  EXPECT_GE(model.FilledPercent(), 0);
  EXPECT_LE(model.FilledPercent(), 100);
}

TEST(GaugePaintRectTest, TheFrameTakesOnePixelOnEverySide) {
  EXPECT_EQ(GaugePaintRect(225, 225, bsSingle), (GaugeRect{1, 1, 224, 224}));
  EXPECT_EQ(GaugePaintRect(225, 225, bsNone), (GaugeRect{0, 0, 225, 225}));
  EXPECT_EQ(GaugePaintRect(100, 40, bsSingle), (GaugeRect{1, 1, 99, 39}));
}

struct PieCase {
  int percent;
  GaugePoint start;
};

void PrintTo(const PieCase& c, std::ostream* os) {
  *os << c.percent << "%";
}

class Gauge1PieTest : public testing::TestWithParam<PieCase> {};

// The timer window's pie: 225 x 225 with a frame.
TEST_P(Gauge1PieTest, WedgeStartsWhereThePercentageReachesOnTheClockFace) {
  const PieLayout pie = LayOutPie(GaugeRect{1, 1, 224, 224}, bsSingle, GetParam().percent);
  EXPECT_EQ(pie.ellipse, (GaugeRect{1, 1, 224, 224}));
  EXPECT_TRUE(pie.hasWedge);
  EXPECT_EQ(pie.start, GetParam().start);
  EXPECT_EQ(pie.end, (GaugePoint{112, 0}));
}

INSTANTIATE_TEST_SUITE_P(Points, Gauge1PieTest,
                         testing::Values(PieCase{1, {119, 0}}, PieCase{10, {178, 21}},
                                         PieCase{25, {224, 112}}, PieCase{50, {112, 224}},
                                         PieCase{75, {0, 112}}, PieCase{99, {105, 0}},
                                         PieCase{100, {112, 0}}));

TEST(GaugePieTest, AnEmptyGaugeHasNoWedge) {
  EXPECT_FALSE(LayOutPie(GaugeRect{1, 1, 224, 224}, bsSingle, 0).hasWedge);
}

TEST(GaugePieTest, WithoutAFrameTheEllipseFillsTheControl) {
  const PieLayout pie = LayOutPie(GaugeRect{0, 0, 225, 225}, bsNone, 25);
  EXPECT_EQ(pie.ellipse, (GaugeRect{0, 0, 225, 225}));
  EXPECT_EQ(pie.start, (GaugePoint{224, 112}));
  EXPECT_EQ(pie.end, (GaugePoint{112, 0}));
}

struct BarCase {
  GaugeRect paint;
  int percent;
  GaugeRect horizontal;
  GaugeRect vertical;
};

// All empty rectangles stand for "nothing filled".
GaugeRect Normalized(GaugeRect rect) {
  return rect.Empty() ? GaugeRect{} : rect;
}

void PrintTo(const BarCase& c, std::ostream* os) {
  PrintTo(c.paint, os);
  *os << " at " << c.percent << "%";
}

class GaugeBarTest : public testing::TestWithParam<BarCase> {};

TEST_P(GaugeBarTest, FillsTheShareOfTheBar) {
  const BarCase& c = GetParam();
  EXPECT_EQ(Normalized(HorizontalBarFill(c.paint, c.percent)), c.horizontal);
  EXPECT_EQ(Normalized(VerticalBarFill(c.paint, c.percent)), c.vertical);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, GaugeBarTest,
    testing::Values(BarCase{{1, 1, 99, 99}, 0, {}, {}}, BarCase{{1, 1, 99, 99}, 1, {}, {}},
                    BarCase{{1, 1, 99, 99}, 50, {1, 1, 49, 99}, {1, 50, 99, 99}},
                    BarCase{{1, 1, 99, 99}, 100, {1, 1, 99, 99}, {1, 1, 99, 99}},
                    BarCase{{0, 0, 99, 99}, 29, {0, 0, 29, 100}, {0, 71, 100, 100}},
                    BarCase{{0, 0, 100, 20}, 100, {0, 0, 101, 21}, {0, 1, 101, 21}}));

TEST(GaugeNeedleTest, DialIsTheUpperHalfOfATallEllipseOverTheBaseLine) {
  const NeedleLayout needle = LayOutNeedle(GaugeRect{1, 1, 99, 99}, bsSingle, 100, 0);
  EXPECT_EQ(needle.dialEllipse, (GaugeRect{1, 1, 99, 197}));
  EXPECT_EQ(needle.dialStart, (GaugePoint{100, 98}));
  EXPECT_EQ(needle.dialEnd, (GaugePoint{1, 98}));
  EXPECT_EQ(needle.baseFrom, (GaugePoint{1, 99}));
  EXPECT_EQ(needle.baseTo, (GaugePoint{100, 99}));
  EXPECT_FALSE(needle.hasNeedle);
}

struct NeedleCase {
  int percent;
  GaugePoint tip;
};

void PrintTo(const NeedleCase& c, std::ostream* os) {
  *os << c.percent << "%";
}

class GaugeNeedleTipTest : public testing::TestWithParam<NeedleCase> {};

TEST_P(GaugeNeedleTipTest, PointsFromTheMiddleOfTheBaseToThePercentage) {
  const NeedleLayout needle =
      LayOutNeedle(GaugeRect{1, 1, 99, 99}, bsSingle, 100, GetParam().percent);
  EXPECT_TRUE(needle.hasNeedle);
  EXPECT_EQ(needle.needleFrom, (GaugePoint{50, 98}));
  EXPECT_EQ(needle.needleTo, GetParam().tip);
}

INSTANTIATE_TEST_SUITE_P(Tips, GaugeNeedleTipTest,
                         testing::Values(NeedleCase{25, {15, 29}}, NeedleCase{50, {50, 0}},
                                         NeedleCase{100, {100, 98}}));

TEST(GaugeTextTest, PercentageIsWrittenWithItsSign) {
  EXPECT_EQ(PercentText(0), L"0%");
  EXPECT_EQ(PercentText(37), L"37%");
  EXPECT_EQ(PercentText(100), L"100%");
}

TEST(GaugeTextTest, TextIsCentredInImageCoordinates) {
  EXPECT_EQ(PercentTextOrigin(GaugeRect{1, 1, 224, 224}, 30, 19), (GaugePoint{97, 102}));
  EXPECT_EQ(PercentTextOrigin(GaugeRect{0, 0, 225, 225}, 31, 20), (GaugePoint{97, 103}));
  EXPECT_EQ(PercentTextOrigin(GaugeRect{1, 1, 49, 19}, 75, 20), (GaugePoint{-13, 0}));
}

}  // namespace
}  // namespace ostrevin
