#include "ui/model/lesson_list_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrevin {
namespace {

struct SplitCase {
  wchar_t delimiter;
  std::wstring text;
  std::wstring before;
  std::wstring rest;
};

TEST(SplitAtTest, YieldsWhatComesBeforeTheFirstDelimiterAndLeavesWhatFollows) {
  const SplitCase cases[] =
      {
          {L':', L"08:30", L"08", L"30"}, {L':', L"1:2:3", L"1", L"2:3"},
          {L':', L":30", L"", L"30"},     {L':', L"08:", L"08", L""},
          {L':', L"0830", L"0830", L""},  // no delimiter: the whole text, nothing left
          {L':', L"", L"", L""},          {L'a', L"xAyaz", L"xAy", L"z"},  // letter case counts
      };
  for (const SplitCase& c : cases) {
    std::wstring text = c.text;
    EXPECT_EQ(SplitAt(c.delimiter, text), c.before) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
}

struct TimeTextCase {
  std::wstring text;
  bool valid;
};

TEST(IsValidTimeTextTest, TakesHours0To23AndMinutes0To59) {
  const TimeTextCase cases[] = {
      {L"08:30", true},  {L" 8:30", true},  {L"23:59", true},     {L"00:00", true},
      {L"24:00", false}, {L"12:60", false}, {L" 8:3 ", false},  // a blank after a digit
      {L"  :  ", false}, {L"08:  ", false}, {L" 8:30:00", false}, {L"0830", false},
      {L"-1:30", false}, {L"$A:30", true},  // the file's integer reader takes hexadecimal
      {L"", false},
  };
  for (const TimeTextCase& c : cases) EXPECT_EQ(IsValidTimeText(c.text), c.valid) << c.text;
}

TEST(BlendPercentTest, ShowsTheOpacityAsATruncatedPercentage) {
  EXPECT_EQ(BlendPercent(127), 49);
  EXPECT_EQ(BlendPercent(255), 100);
  EXPECT_EQ(BlendPercent(26), 10);
  EXPECT_EQ(BlendPercent(0), 0);
  EXPECT_EQ(BlendPercent(2147483647), 842150449) << "a hand-edited file does not overflow";
}

TEST(BlendValOfPercentTest, RoundsHalvesToTheEvenNeighbourWithinTenToAHundred) {
  const std::pair<int, int> cases[] = {{10, 26},  {50, 128},  {70, 178}, {100, 255},
                                       {49, 125}, {30, 76},   {90, 230}, {5, 26},
                                       {0, 26},   {101, 255}, {-7, 26},  {2147483647, 255}};
  // 50 % is 127.5 and 70 % is 178.5: both halves go to the even neighbour.
  for (const auto& [percent, opacity] : cases) {
    EXPECT_EQ(BlendValOfPercent(percent), opacity) << percent;
  }
}

TEST(LessonPartsFitTest, LeavesAtLeastOneMinuteOfMainPart) {
  EXPECT_FALSE(LessonPartsFit(45, 23, 22));
  EXPECT_TRUE(LessonPartsFit(45, 22, 22));
  EXPECT_FALSE(LessonPartsFit(45, 22, 23));
  EXPECT_FALSE(LessonPartsFit(3, 1, 2));
  EXPECT_TRUE(LessonPartsFit(3, 1, 1));
}

}  // namespace
}  // namespace ostrevin
