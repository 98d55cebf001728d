#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/action.h"
#include "toolkit/control.h"
#include "toolkit/image_list.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;

// A toolbar button: linked to an action (its picture, hint, enabled and
// checked state follow the action, and a click executes it) or with a click
// handler of its own; or a separator of the given width.
struct ToolButtonDesign {
  Action* action = nullptr;
  int imageIndex = -1;  // -1: the action's picture, or none
  std::wstring hint{};  // empty: the action's hint
  std::function<void()> onClick{};
  int separatorWidth = 0;  // above 0: a separator this wide, not a button
};

// Which sides of the toolbar have an etched edge.
struct EdgeSides {
  bool left = false;
  bool top = true;
  bool right = false;
  bool bottom = false;
};

struct ToolBarDesign {
  std::wstring name{};
  ControlPlace place{};
  // Must outlive the toolbar; it shows the size that suits its scale.
  const ScaledImageList* images = nullptr;
  int buttonWidth = 23;
  int buttonHeight = 22;
  EdgeSides edges{};
  bool showHints = true;
  std::vector<ToolButtonDesign> buttons{};
};

// A flat toolbar (comctl32) over the form's background. Its buttons,
// separators and pictures follow the form's scale.
class ToolBar : public WindowedControl, private ActionClient {
 public:
  ToolBar(Form& form, const ToolBarDesign& design);

  // The pictures' size the buttons show now.
  int PictureSize() const;
  void Rescale() override;

  int ButtonCount() const;
  // The state the toolbar control shows now.
  bool ButtonEnabled(int index) const;
  bool ButtonChecked(int index) const;
  // In the toolbar's client coordinates.
  RECT ButtonRect(int index) const;

 private:
  struct Button {
    Action* action;
    int imageIndex;
    std::wstring hint;
    std::function<void()> onClick;
    int separatorWidth;  // at 96 DPI; above 0 for a separator
  };

  bool HandleCommand(HWND child, WORD notifyCode, WORD id) override;
  bool HandleNotify(NMHDR& header, LRESULT& result) override;
  void ActionChanged(const Action& action) override;
  void ActionDestroyed(const Action& action) override;

  void AddButtons(const std::vector<ToolButtonDesign>& designs);
  // The pictures and the button size for the form's scale.
  void ApplyScaling();
  // The system's buttons, made from the buttons' designs at the form's scale.
  void InsertButtonItems();
  TBBUTTON ButtonItem(size_t index) const;
  Button* ButtonOfCommand(UINT_PTR command);
  const std::wstring& HintOf(const Button& button) const;
  // The edges: a frame of its own around the client area.
  LRESULT HandleWindowMessage(HWND toolBar, UINT message, WPARAM wParam, LPARAM lParam) override;

  std::vector<Button> buttons_;  // by command id - 1; separators have none
  const ScaledImageList* images_;
  int buttonWidth_;
  int buttonHeight_;
  EdgeSides edges_;
};

}  // namespace ostrevin::toolkit
