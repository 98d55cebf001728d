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

struct Keystroke {
  wchar_t typed;
  std::wstring text;
  std::size_t caret;
};

TEST(TimeMaskTest, TypingOverwritesPlaceByPlaceAndStepsOverTheSeparator) {
  TimeMask mask = Masked(L"08:30");
  // The caret after each key: past the second hour digit it stands after
  // the ":", ready for the minutes.
  const Keystroke keys[] = {
      {L'2', L"28:30", 1},
      {L'3', L"23:30", 3},
      {L'5', L"23:50", 4},
      {L'9', L"23:59", 5},
  };
  std::size_t caret = 0;
  for (const Keystroke& key : keys) {
    const TimeMask::Edit edit = mask.Type(caret, caret, key.typed);
    ASSERT_TRUE(edit.accepted) << int(key.typed);
    EXPECT_EQ(mask.Text(), key.text) << int(key.typed);
    EXPECT_EQ(edit.caret, key.caret) << int(key.typed);
    caret = edit.caret;
  }
  EXPECT_FALSE(mask.Type(5, 5, L'1').accepted) << "no place left";
  EXPECT_EQ(mask.Text(), L"23:59");
}

struct ColonCase {
  std::size_t caret;
  bool accepted;
  std::size_t caretAfter;
};

TEST(TimeMaskTest, OnlyDigitsAreTypedAndAColonJumpsToTheMinutes) {
  TimeMask mask = Masked(L"08:30");
  EXPECT_FALSE(mask.Type(0, 0, L'a').accepted);
  EXPECT_FALSE(mask.Type(0, 0, L' ').accepted);
  // A ":" typed anywhere in the hours, the caret just before the separator
  // included, moves on to the minutes; in the minutes there is nowhere to go.
  const ColonCase colons[] = {
      {0, true, 3}, {1, true, 3}, {2, true, 3}, {3, false, 3}, {4, false, 4}, {5, false, 5},
  };
  for (const ColonCase& c : colons) {
    const TimeMask::Edit jump = mask.Type(c.caret, c.caret, L':');
    EXPECT_EQ(jump.accepted, c.accepted) << "caret at " << c.caret;
    EXPECT_EQ(jump.caret, c.caretAfter) << "caret at " << c.caret;
  }
  EXPECT_EQ(mask.Text(), L"08:30") << "a colon changes no place";
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

struct PasteCase {
  std::wstring pasted;
  std::wstring text;
  bool accepted;
  std::size_t caret;
};

TEST(TimeMaskTest, APasteTypesItsDigitsAndSkipsTheRest) {
  // Each pasted over the whole of "08:30". A paste whose last character is
  // refused is still taken as far as it fits: it is an edit.
  const PasteCase cases[] = {
      {L"7.45", L"74:5 ", true, 4},
      {L"07:45", L"07:45", true, 5},
      {L"8:30 ", L"8 :30", true, 5},
      {L"0930x", L"09:30", true, 5},
      {L"12:345", L"12:34", true, 5},
      {L"abc", L"08:30", false, 0},
      {L"", L"08:30", false, 0},
  };
  for (const PasteCase& c : cases) {
    TimeMask mask = Masked(L"08:30");
    const TimeMask::Edit edit = mask.TypeText(0, 5, c.pasted);
    EXPECT_EQ(mask.Text(), c.text) << c.pasted;
    EXPECT_EQ(edit.accepted, c.accepted) << c.pasted;
    EXPECT_EQ(edit.caret, c.caret) << c.pasted;
  }
}

}  // namespace
}  // namespace ostrevin::toolkit
