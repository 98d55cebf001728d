#include "toolkit/tool_bar.h"

#include <commctrl.h>

#include "toolkit/common_controls.h"
#include "toolkit/form.h"

namespace ostrevin::toolkit {
namespace {

bool AnyEdge(const EdgeSides& edges) {
  return edges.left || edges.top || edges.right || edges.bottom;
}

BYTE StateOf(const Action* action) {
  BYTE state = 0;
  if (!action || action->Enabled()) state |= TBSTATE_ENABLED;
  if (action && action->Checked()) state |= TBSTATE_CHECKED;
  return state;
}

}  // namespace

ToolBar::ToolBar(Form& form, const ToolBarDesign& design)
    : WindowedControl(form),
      images_(design.images),
      buttonWidth_(design.buttonWidth),
      buttonHeight_(design.buttonHeight),
      edges_(design.edges) {
  SetName(design.name);
  // Transparent: the form's background shows between the buttons, so that
  // its colour key makes that background see-through too.
  DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | CCS_NODIVIDER |
                CCS_NORESIZE | CCS_NOPARENTALIGN;
  if (design.showHints) style |= TBSTYLE_TOOLTIPS;
  CreateHandle(TOOLBARCLASSNAMEW, style, design.place);
  HWND toolBar = Handle();
  ::SendMessageW(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  ApplyScaling();
  AddButtons(design.buttons);
  if (AnyEdge(edges_)) {
    InterceptWindowMessages();
    ::SetWindowPos(toolBar, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int ToolBar::PictureSize() const {
  const auto list = reinterpret_cast<HIMAGELIST>(::SendMessageW(Handle(), TB_GETIMAGELIST, 0, 0));
  int width = 0;
  int height = 0;
  if (list) CommonControls::Get().ImageList_GetIconSize(list, &width, &height);
  return width;
}

// The buttons are made again at the new scale: a separator's width is fixed
// when it is inserted, and the button size can be set only while the toolbar
// has no buttons.
void ToolBar::Rescale() {
  WindowedControl::Rescale();
  for (int index = ButtonCount() - 1; index >= 0; --index) {
    ::SendMessageW(Handle(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
  }
  ApplyScaling();
  InsertButtonItems();
}

// The width limits first: setting them makes some toolbars size their
// buttons afresh from the pictures, which would undo the height.
void ToolBar::ApplyScaling() {
  HWND toolBar = Handle();
  const DpiScale scaling = Scaling();
  if (images_) {
    const ImageList& pictures = images_->ForScale(scaling);
    ::SendMessageW(toolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(pictures.Size(), pictures.Size()));
    ::SendMessageW(toolBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures.get()));
  }
  const int width = scaling.Scaled(buttonWidth_);
  ::SendMessageW(toolBar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(width, width));
  ::SendMessageW(toolBar, TB_SETBUTTONSIZE, 0, MAKELPARAM(width, scaling.Scaled(buttonHeight_)));
}

int ToolBar::ButtonCount() const {
  return static_cast<int>(::SendMessageW(Handle(), TB_BUTTONCOUNT, 0, 0));
}

bool ToolBar::ButtonEnabled(int index) const {
  return ::SendMessageW(Handle(), TB_ISBUTTONENABLED, static_cast<WPARAM>(index + 1), 0) != 0;
}

bool ToolBar::ButtonChecked(int index) const {
  return ::SendMessageW(Handle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(index + 1), 0) != 0;
}

RECT ToolBar::ButtonRect(int index) const {
  RECT rect{};
  ::SendMessageW(Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void ToolBar::AddButtons(const std::vector<ToolButtonDesign>& designs) {
  for (const ToolButtonDesign& design : designs) {
    Button button{design.action, design.imageIndex, design.hint, design.onClick,
                  design.separatorWidth};
    if (button.imageIndex < 0 && button.action) button.imageIndex = button.action->ImageIndex();
    if (button.separatorWidth <= 0 && button.action) Follow(*button.action);
    buttons_.push_back(std::move(button));
  }
  InsertButtonItems();
}

void ToolBar::InsertButtonItems() {
  std::vector<TBBUTTON> items;
  for (size_t index = 0; index < buttons_.size(); ++index) items.push_back(ButtonItem(index));
  ::SendMessageW(Handle(), TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
}

TBBUTTON ToolBar::ButtonItem(size_t index) const {
  const Button& button = buttons_[index];
  TBBUTTON item{};
  // Command ids follow the buttons' order: id - 1 is the index.
  item.idCommand = static_cast<int>(index) + 1;
  item.iString = -1;
  if (button.separatorWidth > 0) {
    item.iBitmap = Scaling().Scaled(button.separatorWidth);
    item.fsStyle = BTNS_SEP;
  } else {
    item.iBitmap = button.imageIndex >= 0 ? button.imageIndex : I_IMAGENONE;
    item.fsStyle = BTNS_BUTTON;
    item.fsState = StateOf(button.action);
  }
  return item;
}

ToolBar::Button* ToolBar::ButtonOfCommand(UINT_PTR command) {
  if (command < 1 || command > buttons_.size()) return nullptr;
  return &buttons_[command - 1];
}

const std::wstring& ToolBar::HintOf(const Button& button) const {
  return button.hint.empty() && button.action ? button.action->Hint() : button.hint;
}

bool ToolBar::HandleCommand(HWND, WORD notifyCode, WORD id) {
  Button* button = ButtonOfCommand(id);
  if (!button) return false;
  if (button->action) {
    button->action->Execute();
  } else if (button->onClick) {
    button->onClick();
  }
  return true;
}

bool ToolBar::HandleNotify(NMHDR& header, LRESULT& result) {
  const auto tooltips = reinterpret_cast<HWND>(::SendMessageW(Handle(), TB_GETTOOLTIPS, 0, 0));
  if (header.code != TTN_GETDISPINFOW || !tooltips || header.hwndFrom != tooltips) return false;
  Button* button = ButtonOfCommand(header.idFrom);
  if (!button) return false;
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  info.hinst = nullptr;
  // The buttons keep their hints for as long as the toolbar lives.
  info.lpszText = const_cast<wchar_t*>(HintOf(*button).c_str());
  result = 0;
  return true;
}

void ToolBar::ActionChanged(const Action& action) {
  for (size_t index = 0; index < buttons_.size(); ++index) {
    if (buttons_[index].action != &action) continue;
    const WPARAM command = index + 1;
    ::SendMessageW(Handle(), TB_ENABLEBUTTON, command, MAKELPARAM(action.Enabled(), 0));
    ::SendMessageW(Handle(), TB_CHECKBUTTON, command, MAKELPARAM(action.Checked(), 0));
  }
}

void ToolBar::ActionDestroyed(const Action& action) {
  for (Button& button : buttons_) {
    if (button.action == &action) button.action = nullptr;
  }
}

LRESULT ToolBar::HandleWindowMessage(HWND toolBar, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PassWindowMessage(toolBar, message, wParam, lParam);
  const int edge = ::GetSystemMetrics(SM_CXEDGE);
  if (message == WM_NCCALCSIZE) {
    // Both forms of the message start with the proposed client rectangle.
    RECT& client = *reinterpret_cast<RECT*>(lParam);
    if (edges_.left) client.left += edge;
    if (edges_.top) client.top += edge;
    if (edges_.right) client.right -= edge;
    if (edges_.bottom) client.bottom -= edge;
  } else if (message == WM_NCPAINT) {
    WholeWindowDc dc(toolBar);
    RECT bounds{};
    ::GetWindowRect(toolBar, &bounds);
    ::OffsetRect(&bounds, -bounds.left, -bounds.top);
    UINT sides = 0;
    if (edges_.left) sides |= BF_LEFT;
    if (edges_.top) sides |= BF_TOP;
    if (edges_.right) sides |= BF_RIGHT;
    if (edges_.bottom) sides |= BF_BOTTOM;
    if (dc) ::DrawEdge(dc.get(), &bounds, EDGE_ETCHED, sides);
  }
  return result;
}

}  // namespace ostrevin::toolkit
