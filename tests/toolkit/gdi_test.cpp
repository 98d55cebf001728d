#include <windows.h>

#include <gtest/gtest.h>

#include "support/gdi_handle_count.h"
#include "toolkit/image_list.h"
#include "toolkit/label.h"
#include "toolkit/menu.h"
#include "toolkit/tool_bar.h"
#include "toolkit_test.h"
#include "ui/artwork.h"

namespace ostrevin::toolkit {
namespace {

using test_support::GdiHandleCount;

TEST(GdiHandleCountTest, FollowsObjectsAsTheyAreCreatedAndDeleted) {
  const int before = GdiHandleCount();
  std::vector<UniqueBrush> brushes;
  for (int i = 0; i < 10; ++i) brushes.emplace_back(::CreateSolidBrush(RGB(i, 0, 0)));
  EXPECT_EQ(GdiHandleCount(), before + 10);
  brushes.clear();
  EXPECT_EQ(GdiHandleCount(), before);
}

// The timer window's surface: its toolbar with pictures, and labels whose
// texts change; painted again and again, as the program does all day.
class GdiTest : public ToolkitTest {
 protected:
  static constexpr int kRepeats = 200;
  static constexpr int kAllowance = 2;  // the system's own caches may settle

  void SetUp() override {
    ToolkitTest::SetUp();
    form = std::make_unique<TestForm>();
    images = std::make_unique<ScaledImageList>(ToolbarPictures());
    action =
        std::make_unique<Action>(*form, ActionDesign{.hint = L"Ручной старт", .imageIndex = 1});
    toolBar = std::make_unique<ToolBar>(
        *form, ToolBarDesign{.place = {0, 0, 225, 24},
                             .images = images.get(),
                             .buttonWidth = 41,
                             .edges = {.left = true, .top = true, .right = true},
                             .buttons = {{.action = action.get()}, {.imageIndex = 0}}});
    minutes =
        std::make_unique<Label>(*form, LabelDesign{.place = {0, 249, 225, 37},
                                                   .font = FontDesign{.height = 32, .bold = true},
                                                   .alignment = TextAlignment::Center});
    form->SetVisible(true);
  }

  void PaintNow() {
    ::RedrawWindow(form->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

  std::unique_ptr<TestForm> form;
  std::unique_ptr<ScaledImageList> images;
  std::unique_ptr<Action> action;
  std::unique_ptr<ToolBar> toolBar;
  std::unique_ptr<Label> minutes;
};

TEST_F(GdiTest, PaintingLeavesNoObjectBehind) {
  PaintNow();
  const int before = GdiHandleCount();
  for (int i = 0; i < kRepeats; ++i) {
    minutes->SetCaption(std::to_wstring(i % 46) + L" мин.");
    action->SetEnabled(i % 2 == 0);
    form->SetAlphaBlendValue(static_cast<BYTE>(127 + i % 128));
    PaintNow();
  }
  EXPECT_LE(GdiHandleCount() - before, kAllowance);
}

TEST_F(GdiTest, MenuPopupsLeaveNoObjectBehind) {
  Menu menu({{.caption = L"Показать", .isDefault = true},
             {.action = action.get()},
             {.separator = true},
             {.caption = L"Выход"}});
  auto popUpAndClose = [&] {
    ::PostMessageW(app.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    menu.Popup(100, 100);
  };
  popUpAndClose();
  const int before = GdiHandleCount();
  for (int i = 0; i < kRepeats / 4; ++i) popUpAndClose();
  EXPECT_LE(GdiHandleCount() - before, kAllowance);
}

TEST_F(GdiTest, FormsComeAndGoWithoutLeavingObjects) {
  auto makeAndPaint = [] {
    TestForm dialog;
    Label label(dialog, LabelDesign{.place = {0, 0, 100, 20},
                                    .caption = L"Время:",
                                    .font = FontDesign{.height = 13, .bold = true}});
    dialog.SetVisible(true);
    ::UpdateWindow(dialog.Handle());
  };
  makeAndPaint();
  const int before = GdiHandleCount();
  for (int i = 0; i < kRepeats / 10; ++i) makeAndPaint();
  EXPECT_LE(GdiHandleCount() - before, kAllowance);
}

}  // namespace
}  // namespace ostrevin::toolkit
