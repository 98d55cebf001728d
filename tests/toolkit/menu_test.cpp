#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/menu.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {
namespace {

// The tray menu of the timer window: "Показать" (default), the lesson number
// switch, the settings with F12, a separator, "Выход".
class MenuTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form = std::make_unique<TestForm>();
    showNumber = std::make_unique<Action>(
        *form, ActionDesign{.caption = L"Показывать номер текущего урока",
                            .checked = true,
                            .onExecute = [this] { chosen.push_back(L"number"); }});
    options = std::make_unique<Action>(
        *form, ActionDesign{.caption = L"Настройки",
                            .hint = L"Настройки",
                            .imageIndex = 2,
                            .shortcut = VK_F12,
                            .onExecute = [this] { chosen.push_back(L"options"); }});
    menu = std::make_unique<Menu>(std::vector<MenuItemDesign>{
        {.caption = L"Показать",
         .onClick = [this] { chosen.push_back(L"show"); },
         .isDefault = true},
        {.action = showNumber.get()},
        {.action = options.get()},
        {.separator = true},
        {.caption = L"Выход", .onClick = [this] { chosen.push_back(L"exit"); }},
    });
  }

  UINT StateAt(UINT position) const {
    return ::GetMenuState(menu->Handle(), position, MF_BYPOSITION);
  }
  std::wstring TextAt(UINT position) const {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu->Handle(), position, text, 128, MF_BYPOSITION);
    return text;
  }
  // Keys for the menu's loop, queued before the menu opens.
  void QueueKeys(std::initializer_list<UINT> keys) {
    for (UINT key : keys) ::PostMessageW(app.Handle(), WM_KEYDOWN, key, 1);
  }

  std::unique_ptr<TestForm> form;
  std::unique_ptr<Action> showNumber;
  std::unique_ptr<Action> options;
  std::unique_ptr<Menu> menu;
  std::vector<std::wstring> chosen;
};

TEST_F(MenuTest, ItemsReadTopToBottomAsDeclared) {
  ASSERT_EQ(::GetMenuItemCount(menu->Handle()), 5);
  EXPECT_EQ(TextAt(0), L"Показать");
  EXPECT_EQ(TextAt(1), L"Показывать номер текущего урока");
  EXPECT_EQ(TextAt(2), L"Настройки\tF12");
  EXPECT_TRUE(StateAt(3) & MF_SEPARATOR);
  EXPECT_EQ(TextAt(4), L"Выход");
}

TEST_F(MenuTest, TheDefaultItemIsShownBoldAndActivatingItRunsItsHandler) {
  EXPECT_EQ(::GetMenuDefaultItem(menu->Handle(), TRUE, 0), 0u);
  EXPECT_TRUE(menu->ActivateDefaultItem());
  EXPECT_EQ(chosen, std::vector<std::wstring>{L"show"});
}

TEST_F(MenuTest, AMenuWithoutADefaultItemActivatesNothing) {
  Menu plain({{.caption = L"Выход", .onClick = [this] { chosen.push_back(L"exit"); }}});
  EXPECT_EQ(::GetMenuDefaultItem(plain.Handle(), TRUE, 0), static_cast<UINT>(-1));
  EXPECT_FALSE(plain.ActivateDefaultItem());
  EXPECT_TRUE(chosen.empty());
}

TEST_F(MenuTest, TheCheckMarkAndTheEnabledStateFollowTheAction) {
  EXPECT_TRUE(StateAt(1) & MF_CHECKED);
  showNumber->SetChecked(false);
  EXPECT_FALSE(StateAt(1) & MF_CHECKED);
  showNumber->SetChecked(true);
  EXPECT_TRUE(StateAt(1) & MF_CHECKED);

  options->SetEnabled(false);
  EXPECT_TRUE(StateAt(2) & MF_GRAYED);
  menu->Choose(2);
  EXPECT_TRUE(chosen.empty()) << "a disabled action's item does nothing";
  options->SetEnabled(true);
  EXPECT_FALSE(StateAt(2) & MF_GRAYED);
}

TEST_F(MenuTest, PopupRunsTheChosenItemAfterTheMenuHasClosed) {
  QueueKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  menu->Popup(100, 100);
  EXPECT_EQ(chosen, std::vector<std::wstring>{L"options"});
}

TEST_F(MenuTest, APopupClosedWithoutAChoiceRunsNothing) {
  QueueKeys({VK_ESCAPE});
  menu->Popup(100, 100);
  EXPECT_TRUE(chosen.empty());
}

TEST_F(MenuTest, AnItemWhoseActionIsGoneDoesNothing) {
  options.reset();
  menu->Choose(2);
  EXPECT_TRUE(chosen.empty());
}

}  // namespace
}  // namespace ostrevin::toolkit
