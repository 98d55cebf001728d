#include "toolkit/numeric_field.h"

#include <commctrl.h>

#include "base/decimal_text.h"
#include "toolkit/error_guard.h"
#include "toolkit/form.h"

namespace ostrevin::toolkit {
namespace {

// The arrows' width in pixels at 96 DPI.
constexpr int kArrowsWidth = 16;

ControlPlace PlaceOn(HWND window, HWND parent) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  return {.left = bounds.left,
          .top = bounds.top,
          .width = bounds.right - bounds.left,
          .height = bounds.bottom - bounds.top};
}

std::wstring RegionalDecimalSeparator() {
  wchar_t separator[8] = {};
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                       static_cast<int>(std::size(separator))) <= 1) {
    return L".";
  }
  return separator;
}

}  // namespace

NumericField::NumericField(Form& form, const NumericFieldDesign& design)
    : WindowedControl(form, design.page),
      OnChange(design.onChange),
      OnExit(design.onExit),
      limits_(design.limits),
      text_(DecimalText(design.limits.Clamp(design.value))),
      decimalSeparator_(RegionalDecimalSeparator()) {
  SetName(design.name);
  CreateHandle(L"EDIT", WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, design.place, text_, 0,
               WS_EX_CLIENTEDGE);
  // The arrows sit inside the given width: aligned right, they narrow the
  // edit. They step the value through this field, never on their own.
  arrows_ =
      CreatePartWindow(UPDOWN_CLASSW, WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                       {.width = 0, .height = Place().height});
  AlignArrows();
  ::SendMessageW(arrows_.get(), UDM_SETRANGE32, static_cast<WPARAM>(limits_.minimum),
                 static_cast<LPARAM>(limits_.maximum));
  ::SendMessageW(arrows_.get(), UDM_SETPOS32, 0, Value());
  InterceptWindowMessages();
  if (!design.enabled) SetEnabled(false);
}

void NumericField::SetValue(int value) {
  const std::wstring text = DecimalText(limits_.Clamp(value));
  // The edit reports the new text back (EN_CHANGE), which raises OnChange.
  if (text != text_) ::SetWindowTextW(Handle(), text.c_str());
}

void NumericField::Rescale() {
  WindowedControl::Rescale();
  AlignArrows();
}

// The system puts the arrows along the buddy's right side at a width of its
// own, which need not follow the scale.
void NumericField::AlignArrows() {
  ::SendMessageW(arrows_.get(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
  ControlPlace arrows = PlaceOn(arrows_.get(), ParentWindow());
  const int grow = Scaling().Scaled(kArrowsWidth) - arrows.width;
  if (grow <= 0) return;
  ControlPlace edit = PlaceOn(Handle(), ParentWindow());
  edit.width -= grow;
  arrows.left -= grow;
  arrows.width += grow;
  MoveWindowTo(Handle(), edit);
  MoveWindowTo(arrows_.get(), arrows);
}

void NumericField::SetEnabled(bool enabled) {
  WindowedControl::SetEnabled(enabled);
  ::EnableWindow(arrows_.get(), enabled);
}

void NumericField::SetVisible(bool visible) {
  WindowedControl::SetVisible(visible);
  ::ShowWindow(arrows_.get(), visible ? SW_SHOWNA : SW_HIDE);
}

bool NumericField::HandleCommand(HWND, WORD notifyCode, WORD) {
  switch (notifyCode) {
    case EN_CHANGE:
      TextChanged();
      return true;
  }
  return false;
}

bool NumericField::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != arrows_.get() || header.code != UDN_DELTAPOS) return false;
  const auto& change = reinterpret_cast<NMUPDOWN&>(header);
  if (change.iDelta != 0) Step(change.iDelta > 0 ? 1 : -1);
  result = TRUE;  // the arrows keep no value of their own
  return true;
}

void NumericField::WindowsDestroyed() {
  arrows_.release();
  WindowedControl::WindowsDestroyed();
}

void NumericField::TextChanged() {
  std::wstring text = WindowText(Handle());
  if (text == text_) return;
  text_ = std::move(text);
  ::SendMessageW(arrows_.get(), UDM_SETPOS32, 0, limits_.Clamp(Value()));
  if (OnChange) OnChange(*this);
}

// A text that is no number shows the minimum it reads as.
void NumericField::Exited() {
  const int value = Value();
  if (limits_.Clamp(value) != value || text_ != DecimalText(value)) SetValue(value);
  if (OnExit) OnExit(*this);
}

void NumericField::Step(int delta) {
  SetValue(limits_.Clamp(Value()) + delta);
}

LRESULT NumericField::HandleWindowMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (!IsNumericFieldChar(static_cast<wchar_t>(wParam), decimalSeparator_)) {
        ::MessageBeep(MB_OK);
        return 0;
      }
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = PassWindowMessage(edit, message, wParam, lParam);
      if (FocusMovesWithinForm(reinterpret_cast<HWND>(wParam))) Exited();
      return result;
    }
  }
  return PassWindowMessage(edit, message, wParam, lParam);
}

}  // namespace ostrevin::toolkit
