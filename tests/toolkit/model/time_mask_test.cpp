#include "toolkit/model/time_mask.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrevin::toolkit {
namespace {

TimeMask Masked(const std::wstring& text) {
  TimeMask mask;
  mask.Assign(text);
  return mask;
}

struct AssignCase {
  std::wstring assigned;
  std::wstring text;
  std::wstring shown;
  bool complete;
};

TEST(TimeMaskTest, CodeSetsTextsIntoTheMask) {
  const AssignCase cases[] = {
      {L"08:30", L"08:30", L"08:30", true},   {L"8:30", L" 8:30", L"_8:30", true},
      {L" 8:30", L" 8:30", L"_8:30", true},   {L"", L"  :  ", L"__:__", false},
      {L"14:1", L"14:1 ", L"14:1_", false},   {L"x4:30", L" 4:30", L"_4:30", true},
      {L"123:456", L"23:45", L"23:45", true},
  };
  for (const AssignCase& c : cases) {
    const TimeMask mask = Masked(c.assigned);
    EXPECT_EQ(mask.Text(), c.text) << c.assigned;
    EXPECT_EQ(mask.DisplayText(), c.shown) << c.assigned;
    EXPECT_EQ(mask.Complete(), c.complete) << c.assigned;
  }
}

TEST(TimeMaskTest, TypingOverwritesPlaceByPlaceAndStepsOverTheSeparator) {
  TimeMask mask = Masked(L"08:30");
  std::size_t caret = 0;
  for (wchar_t c : std::wstring(L"2359")) {
    const TimeMask::Edit edit = mask.Type(caret, caret, c);
    ASSERT_TRUE(edit.accepted) << int(c);
    caret = edit.caret;
  }
  EXPECT_EQ(mask.Text(), L"23:59");
  EXPECT_EQ(caret, 5u);
  EXPECT_FALSE(mask.Type(5, 5, L'1').accepted) << "no place left";
  EXPECT_EQ(mask.Text(), L"23:59");
}

TEST(TimeMaskTest, OnlyDigitsAreTypedAndAColonJumpsToTheMinutes) {
  TimeMask mask = Masked(L"08:30");
  EXPECT_FALSE(mask.Type(0, 0, L'a').accepted);
  EXPECT_FALSE(mask.Type(0, 0, L' ').accepted);
  const TimeMask::Edit jump = mask.Type(1, 1, L':');
  EXPECT_TRUE(jump.accepted);
  EXPECT_EQ(jump.caret, 3u);
  EXPECT_EQ(mask.Type(2, 2, L'4').caret, 4u) << "typed on the separator: the next place";
  EXPECT_EQ(mask.Text(), L"08:40");
}

TEST(TimeMaskTest, ASelectionIsClearedBeforeTheTyping) {
  TimeMask mask = Masked(L"08:30");
  const TimeMask::Edit edit = mask.Type(0, 5, L'9');
  EXPECT_EQ(mask.Text(), L"9 :  ");
  EXPECT_EQ(edit.caret, 1u);
  EXPECT_FALSE(mask.Complete());
}

TEST(TimeMaskTest, BackspaceAndDeleteClearPlacesButNeverTheSeparator) {
  TimeMask mask = Masked(L"08:30");
  TimeMask::Edit edit = mask.Backspace(3, 3);
  EXPECT_EQ(mask.Text(), L"0 :30");
  EXPECT_EQ(edit.caret, 1u);
  edit = mask.Delete(2, 2);
  EXPECT_FALSE(edit.accepted);
  edit = mask.Delete(3, 5);
  EXPECT_EQ(mask.Text(), L"0 :  ");
  EXPECT_FALSE(mask.Backspace(0, 0).accepted);
}

TEST(TimeMaskTest, APasteTypesItsDigitsAndSkipsTheRest) {
  TimeMask mask;
  mask.TypeText(0, 5, L"7.45");
  EXPECT_EQ(mask.Text(), L"74:5 ");
  mask.TypeText(0, 5, L"07:45");
  EXPECT_EQ(mask.Text(), L"07:45");
}

}  // namespace
}  // namespace ostrevin::toolkit
