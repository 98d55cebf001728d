// Check boxes, radio groups and list boxes: their values and their events.
#include <windows.h>

#include <gtest/gtest.h>

#include "dialog_test.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/list_box.h"
#include "toolkit/radio_group.h"

namespace ostrevin::toolkit {
namespace {

using ChoiceControlTest = DialogTest;

TEST_F(ChoiceControlTest, ACheckBoxRaisesItsEventOnEveryChangeByTheUserOrByCodeAndOnNoOther) {
  CheckBox box(*dialog, {.name = L"cbBlend",
                         .place = {88, 192, 153, 17},
                         .caption = L"включить прозрачность",
                         .checked = true,
                         .onClick = Record(L"click")});
  EXPECT_TRUE(box.Checked());
  box.SetChecked(true);
  EXPECT_TRUE(events.empty()) << "set to the state it has";

  ::SendMessageW(box.Handle(), BM_CLICK, 0, 0);  // the user unchecks it
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(::SendMessageW(box.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  box.SetChecked(true);
  EXPECT_EQ(::SendMessageW(box.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  box.SetChecked(true);
  EXPECT_EQ(events, (std::vector<std::wstring>{L"click cbBlend", L"click cbBlend"}));
}

TEST_F(ChoiceControlTest, ARadioGroupSelectsOneItemAndRaisesItsEventOnEveryChange) {
  RadioGroup group(*dialog,
                   {.name = L"rgFinishPartSnd",
                    .place = {40, 96, 185, 97},
                    .caption = L"Заключительная часть: ",
                    .items = {L"Без звука", L"Только в начале закл. части", L"Каждую минуту"},
                    .itemIndex = 2,
                    .onClick = Record(L"click")});
  ASSERT_EQ(group.ItemCount(), 3);
  EXPECT_EQ(group.ItemIndex(), 2);
  group.SetItemIndex(2);
  EXPECT_TRUE(events.empty());

  ::SendMessageW(group.ItemHandle(1), BM_CLICK, 0, 0);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(::SendMessageW(group.ItemHandle(2), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  group.SetItemIndex(0);
  EXPECT_EQ(::SendMessageW(group.ItemHandle(0), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendMessageW(group.ItemHandle(1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  group.SetItemIndex(-1);
  EXPECT_EQ(events, (std::vector<std::wstring>{L"click rgFinishPartSnd", L"click rgFinishPartSnd",
                                               L"click rgFinishPartSnd"}));
  EXPECT_EQ(group.ItemIndex(), -1);
}

TEST_F(ChoiceControlTest, ARadioGroupSpreadsItsItemsUnderTheCaptionAndDisablesThemAll) {
  RadioGroup group(*dialog, {.name = L"rg",
                             .place = {40, 96, 185, 97},
                             .caption = L"Заключительная часть: ",
                             .items = {L"a", L"b", L"c"},
                             .itemIndex = 2});
  RECT rects[3]{};
  for (int index = 0; index < 3; ++index) {
    ::GetWindowRect(group.ItemHandle(index), &rects[index]);
    ::MapWindowPoints(nullptr, dialog->Handle(), reinterpret_cast<POINT*>(&rects[index]), 2);
    EXPECT_GT(rects[index].top, 96 + 10) << "below the caption";
    EXPECT_LE(rects[index].bottom, 96 + 97);
    EXPECT_EQ(rects[index].left, 48);
  }
  EXPECT_EQ(rects[1].top - rects[0].top, rects[2].top - rects[1].top);
  group.SetEnabled(false);
  EXPECT_FALSE(::IsWindowEnabled(group.Handle()));
  for (int index = 0; index < 3; ++index) EXPECT_FALSE(::IsWindowEnabled(group.ItemHandle(index)));
}

TEST_F(ChoiceControlTest, TheArrowKeysMoveTheSelectionOfARadioGroup) {
  RadioGroup group(*dialog, {.name = L"rg",
                             .place = {40, 96, 185, 97},
                             .items = {L"a", L"b", L"c"},
                             .itemIndex = 0,
                             .onClick = Record(L"click")});
  ShowDialog();
  ::SetFocus(group.ItemHandle(0));
  PressKey(VK_DOWN);
  EXPECT_EQ(::GetFocus(), group.ItemHandle(1));
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(events, std::vector<std::wstring>{L"click rg"});
}

TEST_F(ChoiceControlTest, AListBoxRaisesItsEventOnlyWhenTheUserChangesTheSelection) {
  ListBox days(*dialog, {.name = L"DaysList",
                         .place = {16, 32, 113, 73},
                         .items = {L"Понедельник", L"Вторник", L"Среда", L"Четверг", L"Пятница"},
                         .onClick = Record(L"click")});
  EXPECT_EQ(days.ItemCount(), 5);
  EXPECT_EQ(days.ItemIndex(), -1);
  days.SetItemIndex(0);
  EXPECT_EQ(days.ItemIndex(), 0);
  EXPECT_TRUE(events.empty()) << "selected from code";

  ::SendMessageW(days.Handle(), LB_SETCURSEL, 3, 0);
  ::SendMessageW(dialog->Handle(), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(days.Handle()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(days.Handle()));
  EXPECT_EQ(days.ItemIndex(), 3);
  EXPECT_EQ(events, std::vector<std::wstring>{L"click DaysList"});
}

TEST_F(ChoiceControlTest, ACheckBoxCaptionCanChange) {
  CheckBox box(*dialog, {.name = L"cb1", .place = {8, 8, 78, 17}, .caption = L"1-й урок"});
  box.SetCaption(L"0-й урок");
  EXPECT_EQ(box.Caption(), L"0-й урок");
  EXPECT_TRUE(events.empty());
}

TEST_F(ChoiceControlTest, AListBoxTakesNewItemsWithoutRaisingItsEvent) {
  ListBox list(*dialog, {.name = L"ScheduleList",
                         .place = {8, 22, 176, 108},
                         .items = {L"Основное"},
                         .onClick = Record(L"click")});
  list.SetItems({L"Основное", L"Понедельник", L"Суббота"}, 2);
  EXPECT_EQ(list.ItemCount(), 3);
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(list.ItemText(1), L"Понедельник");
  EXPECT_EQ(list.ItemText(5), L"");
  EXPECT_TRUE(events.empty()) << "only the user's choice raises it";
}

TEST_F(ChoiceControlTest, AComboBoxRaisesItsEventOnEveryChangeOfItsItemByTheUserOrByCode) {
  ComboBox box(*dialog, {.name = L"DaySchedule1",
                         .place = {84, 210, 100, 200},
                         .items = {L"нет уроков", L"Основное"},
                         .itemIndex = 1,
                         .onChange = Record(L"change")});
  EXPECT_EQ(box.ItemIndex(), 1);
  EXPECT_EQ(box.ItemText(1), L"Основное");
  box.SetItemIndex(1);
  EXPECT_TRUE(events.empty());

  // The user chooses: the box tells its parent.
  ::SendMessageW(box.Handle(), CB_SETCURSEL, 0, 0);
  ::SendMessageW(dialog->Handle(), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(box.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box.Handle()));
  EXPECT_EQ(box.ItemIndex(), 0);
  box.SetItems({L"нет уроков", L"Основное", L"Суббота"}, 0);
  EXPECT_EQ(events, std::vector<std::wstring>{L"change DaySchedule1"}) << "the same item";
  box.SetItems({L"нет уроков", L"Суббота"}, 1);
  EXPECT_EQ(box.ItemCount(), 2);
  EXPECT_EQ(::SendMessageW(box.Handle(), CB_GETCURSEL, 0, 0), 1);
  box.SetItemIndex(7);
  EXPECT_EQ(box.ItemIndex(), -1) << "no such item";
  EXPECT_EQ(events.size(), 3u);
}

TEST_F(ChoiceControlTest, AHiddenRadioGroupHidesItsItems) {
  RadioGroup group(*dialog, {.name = L"rg", .place = {40, 96, 185, 97}, .items = {L"a", L"b"}});
  group.SetVisible(false);
  EXPECT_FALSE(::IsWindowVisible(group.ItemHandle(0)));
  EXPECT_FALSE(::IsWindowVisible(group.ItemHandle(1)));
  EXPECT_FALSE(group.Visible());
}

}  // namespace
}  // namespace ostrevin::toolkit
