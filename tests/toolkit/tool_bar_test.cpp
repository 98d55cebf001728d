#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include "toolkit/image_list.h"
#include "toolkit/tool_bar.h"
#include "toolkit_test.h"
#include "ui/artwork.h"

namespace ostrevin::toolkit {
namespace {

// The timer window's toolbar: start, stop, options (actions), a separator,
// the hide button and the exit button (handlers of their own).
class ToolBarTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form = std::make_unique<TestForm>();
    images = std::make_unique<ScaledImageList>(ToolbarPictures());
    start = MakeAction(L"Ручной старт", kPictureStart, true);
    stop = MakeAction(L"Ручной стоп", kPictureStop, false);
    options = MakeAction(L"Настройки", kPictureOptions, true);
    toolBar = std::make_unique<ToolBar>(
        *form, ToolBarDesign{
                   .name = L"ToolBar1",
                   .place = {0, 0, 225, 24},
                   .images = images.get(),
                   .buttonWidth = 41,
                   .edges = {.left = true, .top = true, .right = true},
                   .buttons = {
                       {.action = start.get()},
                       {.action = stop.get()},
                       {.action = options.get()},
                       {.separatorWidth = 8},
                       {.hint = L"Скрыть окно", .onClick = [this] { clicked.push_back(L"hide"); }},
                       {.imageIndex = kPictureExit,
                        .hint = L"Выход",
                        .onClick = [this] { clicked.push_back(L"exit"); }},
                   }});
  }

  std::unique_ptr<Action> MakeAction(const std::wstring& hint, int image, bool enabled) {
    return std::make_unique<Action>(
        *form, ActionDesign{.hint = hint,
                            .imageIndex = image,
                            .enabled = enabled,
                            .onExecute = [this, hint] { clicked.push_back(hint); }});
  }

  // A press and release of the left button in the middle of a button, as the
  // mouse gives them to the toolbar.
  void Click(int index) {
    const RECT r = toolBar->ButtonRect(index);
    const LPARAM middle = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ::SendMessageW(toolBar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::SendMessageW(toolBar->Handle(), WM_LBUTTONUP, 0, middle);
    app.ProcessMessages();
  }

  std::wstring HintOf(int index) {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom =
        reinterpret_cast<HWND>(::SendMessageW(toolBar->Handle(), TB_GETTOOLTIPS, 0, 0));
    info.hdr.idFrom = static_cast<UINT_PTR>(index + 1);
    info.hdr.code = TTN_GETDISPINFOW;
    ::SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.lpszText ? info.lpszText : L"";
  }

  std::unique_ptr<TestForm> form;
  std::unique_ptr<ScaledImageList> images;
  std::unique_ptr<Action> start, stop, options;
  std::unique_ptr<ToolBar> toolBar;
  std::vector<std::wstring> clicked;
};

TEST_F(ToolBarTest, ButtonsAre41PixelsWideWithAnEightPixelSeparator) {
  ASSERT_EQ(toolBar->ButtonCount(), 6);
  const int lefts[] = {0, 41, 82, 123, 131, 172};
  const int widths[] = {41, 41, 41, 8, 41, 41};
  for (int index = 0; index < 6; ++index) {
    const RECT r = toolBar->ButtonRect(index);
    EXPECT_EQ(r.left, lefts[index]) << "button " << index;
    EXPECT_EQ(r.right - r.left, widths[index]) << "button " << index;
  }
}

TEST_F(ToolBarTest, EdgesOnTheLeftTopAndRightNarrowTheButtonArea) {
  RECT window{};
  RECT client{};
  ::GetWindowRect(toolBar->Handle(), &window);
  ::GetClientRect(toolBar->Handle(), &client);
  POINT origin{0, 0};
  ::ClientToScreen(toolBar->Handle(), &origin);
  const int edge = ::GetSystemMetrics(SM_CXEDGE);
  EXPECT_EQ(window.right - window.left, 225);
  EXPECT_EQ(client.right, 225 - 2 * edge);
  EXPECT_EQ(client.bottom, 24 - edge);
  EXPECT_EQ(origin.x - window.left, edge);
  EXPECT_EQ(origin.y - window.top, edge);
}

TEST_F(ToolBarTest, ButtonStateFollowsTheAction) {
  EXPECT_TRUE(toolBar->ButtonEnabled(0));
  EXPECT_FALSE(toolBar->ButtonEnabled(1));
  start->SetEnabled(false);
  stop->SetEnabled(true);
  EXPECT_FALSE(toolBar->ButtonEnabled(0));
  EXPECT_TRUE(toolBar->ButtonEnabled(1));
  options->SetChecked(true);
  EXPECT_TRUE(toolBar->ButtonChecked(2));
  options->SetChecked(false);
  EXPECT_FALSE(toolBar->ButtonChecked(2));
}

TEST_F(ToolBarTest, AClickRunsTheEnabledActionOrTheButtonsOwnHandler) {
  Click(0);
  Click(1);  // its action is disabled
  Click(4);
  Click(5);
  EXPECT_EQ(clicked, (std::vector<std::wstring>{L"Ручной старт", L"hide", L"exit"}));
}

TEST_F(ToolBarTest, HintsComeFromTheActionOrTheButton) {
  EXPECT_EQ(HintOf(0), L"Ручной старт");
  EXPECT_EQ(HintOf(2), L"Настройки");
  EXPECT_EQ(HintOf(4), L"Скрыть окно");
  EXPECT_EQ(HintOf(5), L"Выход");
}

TEST_F(ToolBarTest, PicturesComeFromTheActionOrTheButton) {
  const int expected[] = {kPictureStart, kPictureStop, kPictureOptions};
  for (int index = 0; index < 3; ++index) {
    TBBUTTON button{};
    ::SendMessageW(toolBar->Handle(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.iBitmap, expected[index]);
  }
  TBBUTTON exit{};
  ::SendMessageW(toolBar->Handle(), TB_GETBUTTON, 5, reinterpret_cast<LPARAM>(&exit));
  EXPECT_EQ(exit.iBitmap, kPictureExit);
}

TEST_F(ToolBarTest, AButtonWhoseActionIsGoneDoesNothing) {
  start.reset();
  Click(0);
  EXPECT_TRUE(clicked.empty());
}

}  // namespace
}  // namespace ostrevin::toolkit
