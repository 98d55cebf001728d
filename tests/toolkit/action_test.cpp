#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/action.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {
namespace {

struct ShortcutTextCase {
  Shortcut shortcut;
  std::wstring text;
};

TEST(ShortcutTextTest, NamesTheKeyAfterItsModifiers) {
  const ShortcutTextCase cases[] = {
      {VK_F9, L"F9"},
      {VK_F12, L"F12"},
      {kCtrlKey | 'S', L"Ctrl+S"},
      {kShiftKey | kAltKey | VK_F1, L"Shift+Alt+F1"},
      {'7', L"7"},
      {0, L""},
  };
  for (const ShortcutTextCase& c : cases) EXPECT_EQ(ShortcutText(c.shortcut), c.text);
}

// Shortcut keys reach the program as key messages in the thread's queue;
// the toolkit's loops look at them before the windows do.
class ShortcutTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form = std::make_unique<TestForm>();
    form->SetVisible(true);
    ::SetForegroundWindow(form->Handle());
    ASSERT_EQ(::GetActiveWindow(), form->Handle());
  }
  void TearDown() override {
    ::SetKeyboardState(std::array<BYTE, 256>{}.data());
    ToolkitTest::TearDown();
  }

  void Press(UINT key, UINT message = WM_KEYDOWN) {
    ::PostMessageW(::GetActiveWindow(), message, key, 1);
    app.ProcessMessages();
  }

  Action& MakeAction(Shortcut shortcut, bool enabled = true) {
    actions.push_back(std::make_unique<Action>(
        *form,
        ActionDesign{.shortcut = shortcut, .enabled = enabled, .onExecute = [this] { ++runs; }}));
    return *actions.back();
  }

  std::unique_ptr<TestForm> form;
  std::vector<std::unique_ptr<Action>> actions;
  int runs = 0;
};

TEST_F(ShortcutTest, AnEnabledActionsKeyRunsItOnceADisabledOnesNever) {
  for (const bool enabled : {true, false}) {
    runs = 0;
    Action& action = MakeAction(VK_F9, enabled);
    Press(VK_F9);
    EXPECT_EQ(runs, enabled ? 1 : 0) << "enabled " << enabled;
    EXPECT_EQ(form->Count(WM_KEYDOWN), 0) << "the key is the action's, not the window's";
    std::erase_if(actions, [&](const auto& a) { return a.get() == &action; });
  }
}

TEST_F(ShortcutTest, F10ComesAsASystemKeyRunsTheActionAndNeverReachesTheWindow) {
  MakeAction(VK_F10);
  Press(VK_F10, WM_SYSKEYDOWN);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(form->Count(WM_SYSKEYDOWN), 0) << "the system would enter menu mode";
}

TEST_F(ShortcutTest, OtherKeysReachTheWindow) {
  MakeAction(VK_F9);
  Press(VK_F11);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(form->Count(WM_KEYDOWN), 1);
}

TEST_F(ShortcutTest, TheModifiersHeldMustBeTheShortcuts) {
  MakeAction(kCtrlKey | 'S');
  Press('S');
  EXPECT_EQ(runs, 0);
  std::array<BYTE, 256> keys{};
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys.data());
  Press('S');
  EXPECT_EQ(runs, 1);
}

// A dialog the form owns is active: F12 must not open a second one.
TEST_F(ShortcutTest, TheKeysDoNothingWhileAWindowTheFormOwnsIsActive) {
  MakeAction(VK_F12);
  TestForm owned(TimerWindowDesign(), form->Handle());
  owned.SetVisible(true);
  ::SetActiveWindow(owned.Handle());
  ASSERT_EQ(::GetActiveWindow(), owned.Handle());
  Press(VK_F12);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(owned.Count(WM_KEYDOWN), 1);
}

TEST_F(ShortcutTest, TheKeysDoNothingWhileAnotherFormIsActive) {
  MakeAction(VK_F12);
  TestForm other;
  other.SetVisible(true);
  ::SetActiveWindow(other.Handle());
  ASSERT_EQ(::GetActiveWindow(), other.Handle());
  Press(VK_F12);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(other.Count(WM_KEYDOWN), 1);
}

TEST_F(ShortcutTest, ExecuteRunsOnlyAnEnabledAction) {
  Action& action = MakeAction(0);
  EXPECT_TRUE(action.Execute());
  action.SetEnabled(false);
  EXPECT_FALSE(action.Execute());
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace ostrevin::toolkit
