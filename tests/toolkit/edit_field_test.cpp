// Numeric fields and masked time fields driven through their edit windows.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_test.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/masked_time_field.h"
#include "toolkit/numeric_field.h"
#include "toolkit/text_field.h"

namespace ostrevin::toolkit {
namespace {

using test_support::ShownText;

// Where the focus goes from the field being edited; only another control of
// its form is leaving it.
struct FocusMove {
  const char* where;
  bool leaves;
};
const FocusMove kFocusMoves[] = {
    {"another control", true},
    {"the cancel button", false},
    {"another program", false},
    {"away with the form hidden", false},
};

class NumericFieldTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    field =
        std::make_unique<NumericField>(*dialog, NumericFieldDesign{.name = L"edLessLen",
                                                                   .place = {176, 96, 49, 22},
                                                                   .limits = {3, 100},
                                                                   .value = 45,
                                                                   .onChange = Record(L"change"),
                                                                   .onExit = Record(L"exit")});
    other = std::make_unique<CheckBox>(*dialog,
                                       CheckBoxDesign{.name = L"other", .place = {8, 8, 100, 17}});
  }

  std::unique_ptr<NumericField> field;
  std::unique_ptr<CheckBox> other;
};

// The focus taken from the field the way the case says.
void MoveFocus(const FocusMove& move, Form& dialog, WindowedControl& other,
               WindowedControl& cancel) {
  const std::string where = move.where;
  if (where == "another control") {
    other.SetFocus();
  } else if (where == "the cancel button") {
    cancel.SetFocus();
  } else if (where == "another program") {
    ::SetFocus(nullptr);
  } else {
    dialog.SetVisible(false);
  }
}

TEST_F(NumericFieldTest, OnlyAMoveToAnotherControlOfTheFormLeavesTheField) {
  Button cancel(*dialog, ButtonDesign{.name = L"Button2",
                                      .place = {336, 268, 75, 25},
                                      .caption = L"Отмена",
                                      .isCancel = true,
                                      .modalResult = Form::kModalCancel});
  for (const FocusMove& move : kFocusMoves) {
    ShowDialog();
    field->SetFocus();
    ::SetWindowTextW(field->Handle(), L"500");
    events.clear();
    MoveFocus(move, *dialog, *other, cancel);
    app.ProcessMessages();
    EXPECT_NE(::GetFocus(), field->Handle()) << move.where;
    if (move.leaves) {
      EXPECT_EQ(events, (std::vector<std::wstring>{L"change edLessLen", L"exit edLessLen"}))
          << move.where;
      EXPECT_EQ(field->Text(), L"100") << move.where;
    } else {
      EXPECT_TRUE(events.empty()) << move.where;
      EXPECT_EQ(field->Text(), L"500") << move.where;
    }
    field->SetValue(45);
  }
}

TEST_F(NumericFieldTest, TypingTakesDigitsAndSignsAndRefusesOtherCharacters) {
  ShowDialog();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 0, -1);
  Type(L"5a0 x");
  EXPECT_EQ(ShownText(field->Handle()), L"50");
  EXPECT_EQ(field->Value(), 50);
  Type(L"0");
  EXPECT_EQ(field->Value(), 500) << "not held to the limits while typing";
  EXPECT_EQ(events, (std::vector<std::wstring>{L"change edLessLen", L"change edLessLen",
                                               L"change edLessLen"}));
}

TEST_F(NumericFieldTest, LeavingTheFieldBringsTheValueWithinTheLimitsAndRaisesExit) {
  ShowDialog();
  field->SetFocus();
  ::SetWindowTextW(field->Handle(), L"500");
  other->SetFocus();
  app.ProcessMessages();
  EXPECT_EQ(field->Text(), L"100");
  EXPECT_EQ(events, (std::vector<std::wstring>{L"change edLessLen", L"change edLessLen",
                                               L"exit edLessLen"}));
  events.clear();
  field->SetFocus();
  ::SetWindowTextW(field->Handle(), L"abc");
  EXPECT_EQ(field->Value(), 3) << "no number reads as the minimum";
  other->SetFocus();
  EXPECT_EQ(field->Text(), L"3");
}

TEST_F(NumericFieldTest, CodeSetsValuesWithinTheLimitsAndTheSameTextRaisesNothing) {
  field->SetValue(45);
  EXPECT_TRUE(events.empty());
  field->SetValue(1000);
  EXPECT_EQ(field->Value(), 100);
  field->SetValue(-5);
  EXPECT_EQ(field->Value(), 3);
  EXPECT_EQ(events, (std::vector<std::wstring>{L"change edLessLen", L"change edLessLen"}));
}

TEST_F(NumericFieldTest, TheArrowKeysAndButtonsStepByOneWithinTheLimits) {
  ShowDialog();
  field->SetFocus();
  PressKey(VK_UP);
  EXPECT_EQ(field->Value(), 46);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(field->Value(), 44);
  field->SetValue(100);
  PressKey(VK_UP);
  EXPECT_EQ(field->Value(), 100);
  // A press on the lower arrow.
  RECT arrows{};
  ::GetClientRect(field->ArrowsHandle(), &arrows);
  const LPARAM lower = MAKELPARAM(arrows.right / 2, arrows.bottom - 3);
  ::SendMessageW(field->ArrowsHandle(), WM_LBUTTONDOWN, MK_LBUTTON, lower);
  ::SendMessageW(field->ArrowsHandle(), WM_LBUTTONUP, 0, lower);
  EXPECT_EQ(field->Value(), 99);
}

TEST_F(NumericFieldTest, DisablingTheFieldDisablesItsArrows) {
  field->SetEnabled(false);
  EXPECT_FALSE(::IsWindowEnabled(field->Handle()));
  EXPECT_FALSE(::IsWindowEnabled(field->ArrowsHandle()));
}

class MaskedTimeFieldTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    field = std::make_unique<MaskedTimeField>(*dialog,
                                              MaskedTimeFieldDesign{.name = L"MaskEdit1",
                                                                    .place = {288, 24, 41, 21},
                                                                    .text = L"08:30",
                                                                    .onChange = Record(L"change")});
    other = std::make_unique<CheckBox>(*dialog,
                                       CheckBoxDesign{.name = L"other", .place = {8, 8, 100, 17}});
  }

  std::unique_ptr<MaskedTimeField> field;
  std::unique_ptr<CheckBox> other;
};

TEST_F(MaskedTimeFieldTest, TypingOverwritesThePlacesAndRaisesAChangeForEachNewText) {
  ShowDialog();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 0, 0);
  Type(L"2x359");
  EXPECT_EQ(field->Text(), L"23:59");
  EXPECT_EQ(ShownText(field->Handle()), L"23:59");
  EXPECT_EQ(events.size(), 4u) << "one a digit; the refused x changes nothing";
}

TEST_F(MaskedTimeFieldTest, UnfilledPlacesShowAsUnderscoresAndReadAsBlanks) {
  ShowDialog();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 0, 5);
  Type(L"\b");
  EXPECT_EQ(ShownText(field->Handle()), L"__:__");
  EXPECT_EQ(field->Text(), L"  :  ");
  field->SetText(L"8:05");
  EXPECT_EQ(field->Text(), L" 8:05");
  EXPECT_EQ(ShownText(field->Handle()), L"_8:05");
  ::SendMessageW(field->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12:00"));
  EXPECT_EQ(field->Text(), L"12:00");
}

TEST_F(MaskedTimeFieldTest, CodeSettingTheTextItHasRaisesNothing) {
  field->SetText(L"08:30");
  EXPECT_TRUE(events.empty());
  field->SetText(L"09:30");
  EXPECT_EQ(events, std::vector<std::wstring>{L"change MaskEdit1"});
}

TEST_F(MaskedTimeFieldTest, LeavingAnEditedIncompleteFieldIsRefusedAndEscapeAbandonsTheEdit) {
  ShowDialog();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 3, 5);
  Type(L"\b");
  ASSERT_EQ(field->Text(), L"08:  ");
  other->SetFocus();
  app.ProcessMessages();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"Invalid input value.  Use escape key to abandon changes.");
  EXPECT_EQ(reports[0].title, kTitle);
  EXPECT_EQ(::GetFocus(), field->Handle()) << "the focus stays";

  PressKey(VK_ESCAPE);
  EXPECT_EQ(field->Text(), L"08:30");
  other->SetFocus();
  EXPECT_EQ(::GetFocus(), other->Handle());
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(MaskedTimeFieldTest, OnlyAMoveToAnotherControlOfTheFormChecksTheField) {
  Button cancel(*dialog, ButtonDesign{.name = L"Button2",
                                      .place = {336, 268, 75, 25},
                                      .caption = L"Отмена",
                                      .isCancel = true,
                                      .modalResult = Form::kModalCancel});
  for (const FocusMove& move : kFocusMoves) {
    reports.clear();
    ShowDialog();
    field->SetFocus();
    ::SendMessageW(field->Handle(), EM_SETSEL, 4, 5);
    Type(L"\b");
    ASSERT_EQ(field->Text(), L"08:3 ") << move.where;
    MoveFocus(move, *dialog, *other, cancel);
    app.ProcessMessages();
    EXPECT_EQ(reports.size(), move.leaves ? 1u : 0u) << move.where;
    if (move.leaves) {
      EXPECT_EQ(::GetFocus(), field->Handle()) << move.where << ": refused";
    }
    field->SetText(L"08:30");
  }
}

TEST_F(MaskedTimeFieldTest, AFieldThatMayStandForNoTimeCanBeLeftEmptyButNotHalfFilled) {
  MaskedTimeField row(
      *dialog,
      {.name = L"MaskEdit9", .place = {288, 60, 41, 21}, .text = L"08:30", .emptyAllowed = true});
  ShowDialog();
  row.SetFocus();
  ::SendMessageW(row.Handle(), EM_SETSEL, 0, 5);
  PressKey(VK_DELETE);
  ASSERT_EQ(row.Text(), L"  :  ");
  other->SetFocus();
  app.ProcessMessages();
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(::GetFocus(), other->Handle());

  row.SetFocus();
  Type(L"9");
  other->SetFocus();
  app.ProcessMessages();
  EXPECT_EQ(reports.size(), 1u) << "half filled";
  EXPECT_EQ(::GetFocus(), row.Handle());
}

TEST_F(MaskedTimeFieldTest, AnIncompleteFieldTheUserDidNotEditMayBeLeft) {
  field->SetText(L"");
  ShowDialog();
  field->SetFocus();
  other->SetFocus();
  EXPECT_EQ(::GetFocus(), other->Handle());
  EXPECT_TRUE(reports.empty());
}

TEST_F(MaskedTimeFieldTest, APasteOrAReplacedSelectionIsTypedThroughTheMask) {
  ShowDialog();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 0, 5);
  ::SendMessageW(field->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"7:4-5"));
  EXPECT_EQ(field->Text(), L"7 :45") << "typed from the first place, the colon jumps";
}

// Taken as far as it fits, it is an edit of the field: Escape abandons it.
TEST_F(MaskedTimeFieldTest, APasteEndingInARefusedCharacterIsAnEdit) {
  ShowDialog();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 0, 5);
  ::SendMessageW(field->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"9:45 "));
  EXPECT_EQ(field->Text(), L"9 :45");
  PressKey(VK_ESCAPE);
  EXPECT_EQ(field->Text(), L"08:30");
}

// The real clipboard: the block's own reading is tested with the mask's
// rules (Wine ends every text block it hands out with a zero of its own).
TEST_F(MaskedTimeFieldTest, APasteTakesTheClipboardsTextThroughTheMask) {
  ShowDialog();
  ASSERT_TRUE(::OpenClipboard(dialog->Handle()));
  ::EmptyClipboard();
  const wchar_t text[] = L"7:45";
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
  ASSERT_NE(block, nullptr);
  ::memcpy(::GlobalLock(block), text, sizeof(text));
  ::GlobalUnlock(block);
  ASSERT_NE(::SetClipboardData(CF_UNICODETEXT, block), nullptr);
  ::CloseClipboard();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 0, 5);
  ::SendMessageW(field->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(field->Text(), L"7 :45");
  PressKey(VK_ESCAPE);
  EXPECT_EQ(field->Text(), L"08:30") << "a paste is an edit";
}

BOOL CALLBACK CountProperty(HWND, LPWSTR, HANDLE, ULONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int PropertyCount(HWND window) {
  int count = 0;
  ::EnumPropsExW(window, &CountProperty, reinterpret_cast<LPARAM>(&count));
  return count;
}

// A field's handling sits in front of its edit without a window property,
// which the window server would be asked for at every message the edit gets.
TEST_F(MaskedTimeFieldTest, TheFieldsHandlingNeedsNoWindowPropertyOfItsEdit) {
  TextField plain(*dialog, {.name = L"plain", .place = {8, 60, 100, 21}});
  EXPECT_EQ(PropertyCount(field->Handle()), PropertyCount(plain.Handle()));
  ShowDialog();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 0, 0);
  Type(L"0945");
  EXPECT_EQ(field->Text(), L"09:45") << "typed through the field's handling";
}

// Counts the messages of the window it is put in front of, and passes them on.
struct WatchingProcedure {
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) ++destroyedWindows;
    return ::CallWindowProcW(previous, window, message, wParam, lParam);
  }
  static inline WNDPROC previous = nullptr;
  static inline int destroyedWindows = 0;
};

// Another procedure put in front of the field's edit later (as the arrows of
// a numeric field watch their edit) stays in front until the window is gone,
// and the field's handling goes on behind it.
TEST_F(MaskedTimeFieldTest, AProcedurePutInFrontLaterKeepsItsPlaceAsTheFieldGoes) {
  WatchingProcedure::destroyedWindows = 0;
  WatchingProcedure::previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
      field->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchingProcedure::Procedure)));
  ASSERT_NE(WatchingProcedure::previous, nullptr);
  ShowDialog();
  field->SetFocus();
  ::SendMessageW(field->Handle(), EM_SETSEL, 0, 0);
  Type(L"1x2");
  EXPECT_EQ(field->Text(), L"12:30") << "the field still refuses what its mask refuses";
  field.reset();
  EXPECT_EQ(WatchingProcedure::destroyedWindows, 1) << "the window's last message reached it";
}

class TextFieldTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    field = std::make_unique<TextField>(*dialog, TextFieldDesign{.name = L"edScheduleName",
                                                                 .place = {66, 134, 118, 21},
                                                                 .text = L"Основное",
                                                                 .maxLength = 10,
                                                                 .onChange = Record(L"change"),
                                                                 .onEnter = Record(L"enter"),
                                                                 .onExit = Record(L"exit")});
    other = std::make_unique<CheckBox>(*dialog,
                                       CheckBoxDesign{.name = L"other", .place = {8, 8, 100, 17}});
  }

  std::unique_ptr<TextField> field;
  std::unique_ptr<CheckBox> other;
};

TEST_F(TextFieldTest, TakesTypedTextUpToItsLengthAndRaisesItsEvents) {
  ShowDialog();
  EXPECT_EQ(ShownText(field->Handle()), L"Основное");
  field->SetFocus();
  field->SelectAll();
  Type(L"Вторая смена");
  EXPECT_EQ(field->Text(), L"Вторая сме") << "ten characters";
  other->SetFocus();
  app.ProcessMessages();
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events.front(), L"enter edScheduleName");
  EXPECT_EQ(events.back(), L"exit edScheduleName");
  EXPECT_EQ(std::count(events.begin(), events.end(), L"change edScheduleName"), 10);
}

TEST_F(TextFieldTest, CodeSettingTheTextItHasRaisesNothing) {
  field->SetText(L"Основное");
  EXPECT_TRUE(events.empty());
  field->SetText(L"Суббота");
  EXPECT_EQ(field->Text(), L"Суббота");
  EXPECT_EQ(ShownText(field->Handle()), L"Суббота");
  EXPECT_EQ(events, std::vector<std::wstring>{L"change edScheduleName"});
}

// The window positions a control's window is told of on this thread.
class WindowMoves {
 public:
  explicit WindowMoves(HWND window) {
    watched_ = window;
    count_ = 0;
    hook_ = ::SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId());
  }
  ~WindowMoves() { ::UnhookWindowsHookEx(hook_); }
  WindowMoves(const WindowMoves&) = delete;
  WindowMoves& operator=(const WindowMoves&) = delete;
  int Count() const { return count_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->hwnd == watched_ &&
        message->message == WM_WINDOWPOSCHANGING) {
      ++count_;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HWND watched_ = nullptr;
  static inline int count_ = 0;
  HHOOK hook_;
};

// A dialog sets its rows shown or hidden at every reading of them: a control
// already so is left alone, where the window server would move it anyway.
TEST_F(TextFieldTest, ShowingAShownFieldOrHidingAHiddenOneMovesNothing) {
  ShowDialog();
  {
    const WindowMoves moves(field->Handle());
    field->SetVisible(true);
    EXPECT_EQ(moves.Count(), 0);
  }
  field->SetVisible(false);
  EXPECT_FALSE(field->Visible());
  const WindowMoves moves(field->Handle());
  field->SetVisible(false);
  EXPECT_EQ(moves.Count(), 0);
  field->SetVisible(true);
  EXPECT_TRUE(field->Visible());
  EXPECT_EQ(moves.Count(), 1) << "the watch sees a real change";
}

TEST_F(TextFieldTest, AHiddenFieldIsPassedOverByTheTabKey) {
  NumericField number(*dialog, {.name = L"edWarnVal", .place = {8, 60, 40, 22}, .limits = {0, 60}});
  ShowDialog();
  field->SetVisible(false);
  number.SetVisible(false);
  EXPECT_FALSE(field->Visible());
  EXPECT_FALSE(::IsWindowVisible(number.ArrowsHandle())) << "the arrows go with their field";
  other->SetFocus();
  PressKey(VK_TAB);
  EXPECT_EQ(::GetFocus(), other->Handle()) << "no other control to go to";
  field->SetVisible(true);
  number.SetVisible(true);
  EXPECT_TRUE(::IsWindowVisible(number.ArrowsHandle()));
  other->SetFocus();
  PressKey(VK_TAB);
  EXPECT_EQ(::GetFocus(), number.Handle());
  PressKey(VK_TAB);
  EXPECT_EQ(::GetFocus(), field->Handle());
}

}  // namespace
}  // namespace ostrevin::toolkit
