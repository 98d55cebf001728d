#include "toolkit/form.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "base/app_error.h"
#include "toolkit/application.h"
#include "toolkit/colors.h"
#include "toolkit/dpi.h"
#include "toolkit/error_guard.h"
#include "toolkit/model/caption_layout.h"
#include "toolkit/model/work_area_snap.h"
#include "toolkit/screens.h"
#include "toolkit/window_timer.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {
namespace {

// The form fits its captions when this arrives (FitCaptionsLater).
constexpr UINT kFitCaptionsMessage = WM_APP + 0x3F0;
// What stands after a label sized by its caption keeps this far from the
// text, in pixels at 96 DPI.
constexpr int kCaptionGap = 4;

DWORD StyleOf(const FormDesign& design) {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (design.border == FormBorder::Dialog) style |= WS_CAPTION | WS_SYSMENU;
  return style;
}

DWORD ExStyleOf(const FormDesign& design) {
  DWORD style = 0;
  if (design.border == FormBorder::Dialog) style |= WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  if (design.topMost) style |= WS_EX_TOPMOST;
  if (design.alphaBlend || design.transparentColor != clNone) style |= WS_EX_LAYERED;
  return style;
}

RECT WindowBoundsOf(const FormDesign& design, const DpiScale& scaling) {
  const RECT client{0, 0, scaling.Scaled(design.clientWidth), scaling.Scaled(design.clientHeight)};
  RECT bounds = WindowRectAround(client, StyleOf(design), ExStyleOf(design), scaling);
  ::OffsetRect(&bounds, design.left - bounds.left, design.top - bounds.top);
  return bounds;
}

// The work area a form is centred on when it first shows: that of the screen
// its owner is shown on, or else of the one the mouse is on (where the user
// is looking).
RECT WorkAreaToCentreOn(HWND form) {
  HWND owner = ::GetWindow(form, GW_OWNER);
  HMONITOR monitor = nullptr;
  if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
    monitor = ::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
  } else {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    monitor = ::MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY);
  }
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (monitor && ::GetMonitorInfoW(monitor, &info)) return info.rcWork;
  RECT workArea{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  return workArea;
}

void FillWithColor(HDC dc, const RECT& area, Color color) {
  const COLORREF previous = ::SetDCBrushColor(dc, ToColorRef(color));
  ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
  ::SetDCBrushColor(dc, previous);
}

RECT WorkAreaAround(const RECT& window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (::GetMonitorInfoW(::MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return monitor.rcWork;
  }
  RECT workArea{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  return workArea;
}

// The program's other windows while a modal form is shown: disabled, and
// enabled again however the modal loop is left.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND modal) : modal_(modal) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : disabled_) ::EnableWindow(window, FALSE);
  }
  ~OtherWindowsDisabled() {
    for (HWND window : disabled_) {
      if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    }
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self) {
    auto* disabling = reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window == disabling->modal_ || !::IsWindowVisible(window) || !::IsWindowEnabled(window)) {
      return TRUE;
    }
    try {
      disabling->disabled_.push_back(window);
    } catch (...) {
      return FALSE;  // out of memory: the windows collected so far will do
    }
    return TRUE;
  }

  HWND modal_;
  std::vector<HWND> disabled_;
};

}  // namespace

Form::Form(const FormDesign& design, HWND owner)
    : design_(design), alphaBlendValue_(design.alphaBlendValue), tag_(design.tag) {
  graphics_.onSurfaceClick = [this] {
    if (OnClick) OnClick();
  };
  CreateHandle({.className = L"OstrevinForm",
                .style = StyleOf(design),
                .exStyle = ExStyleOf(design),
                .text = design.caption,
                .bounds = WindowBoundsOf(design, DpiScale()),
                .parent = owner ? owner : Application::Instance().Handle()});
  graphics_.onCaptionsChanged = [this] { FitCaptionsLater(Handle()); };
  // Only the window knows the screen it is on: it takes that screen's size.
  RECT place{};
  ::GetWindowRect(Handle(), &place);
  TakeScaling(DpiScale(FittingDpiAt(WindowDpi(Handle()), place)));
  if (!scaling_.IsDesign()) ResizeTo(place);
  ApplyLayeredAttributes();
}

Form::~Form() {
  // Controls and actions that outlive the form must not reach back to it, and
  // handlers bound to a derived form, which is gone by now, must not run.
  for (WindowedControl* control : windowedControls_) control->form_ = nullptr;
  for (Action* action : actions_) action->form_ = nullptr;
  OnCreate = nullptr;
  OnShow = nullptr;
  OnShowing = nullptr;
  OnDestroy = nullptr;
  OnClick = nullptr;
  OnClose = nullptr;
  graphics_.onSurfaceClick = nullptr;
  graphics_.onCaptionsChanged = nullptr;
  DestroyHandle();
}

std::wstring Form::Caption() const {
  return WindowText(Handle());
}

void Form::SetCaption(const std::wstring& caption) {
  ::SetWindowTextW(Handle(), caption.c_str());
}

bool Form::Visible() const {
  return Handle() && ::IsWindowVisible(Handle());
}

void Form::SetVisible(bool visible) {
  ::ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

// Not ShowWindow: its WM_SHOWWINDOW tells the tray icon the window is shown
// to be used, and the icon brings it to the front. What that message does
// for the form itself is done here.
void Form::ShowWithoutActivating() {
  if (Visible()) return;
  if (OnShowing) OnShowing();
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  Shown(false);
}

void Form::MoveTo(int left, int top) {
  positioned_ = true;
  ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  FollowScreenDpi();
}

// Windows need not tell a hidden window that it has come onto a screen of
// another scaling: the form asks.
void Form::FollowScreenDpi() {
  RECT place{};
  ::GetWindowRect(Handle(), &place);
  const int dpi = FittingDpiAt(WindowDpi(Handle()), place);
  if (dpi != scaling_.Dpi()) ChangeDpi(dpi, nullptr);
}

// The frame is the screen's: Windows draws a window's caption and edges at
// the scaling of its screen, whatever the scale of its contents.
int Form::FittingDpiAt(int screenDpi, const RECT& window) const {
  const RECT work = WorkAreaAround(window);
  const RECT frame =
      WindowRectAround(RECT{0, 0, 0, 0}, StyleOf(design_), ExStyleOf(design_), DpiScale(screenDpi));
  return FittingDpi(screenDpi, {design_.clientWidth, design_.clientHeight},
                    {frame.right - frame.left, frame.bottom - frame.top},
                    {work.right - work.left, work.bottom - work.top});
}

void Form::SetAlphaBlendValue(BYTE value) {
  if (alphaBlendValue_ == value) return;
  alphaBlendValue_ = value;
  ApplyLayeredAttributes();
}

int Form::ShowModal() {
  if (Visible()) throw AppError(L"Cannot make a visible window modal");
  Application& application = Application::Instance();
  HWND previouslyActive = ::GetActiveWindow();
  modalResult_ = 0;
  {
    OtherWindowsDisabled disabled(Handle());
    struct ModalState {
      bool& modal;
      explicit ModalState(bool& flag) : modal(flag) { modal = true; }
      ~ModalState() { modal = false; }
    } modalState(modal_);
    SetVisible(true);
    FocusFirstControl();
    while (modalResult_ == 0) {
      if (!Handle() || !application.HandleMessage() || application.Terminated()) {
        modalResult_ = kModalCancel;
      }
    }
  }
  // Hidden only once the other windows are enabled again, so that the
  // system activates the owner rather than another program's window.
  if (Handle()) {
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (previouslyActive && ::IsWindow(previouslyActive)) ::SetActiveWindow(previouslyActive);
  return modalResult_;
}

void Form::Close() {
  CloseAction action = !modal_ && IsMainForm() ? CloseAction::Terminate : CloseAction::Hide;
  if (OnClose) OnClose(action);
  switch (action) {
    case CloseAction::None:
      return;
    case CloseAction::Hide:
      if (!modal_) {
        SetVisible(false);
      } else if (modalResult_ == 0) {
        modalResult_ = kModalCancel;
      }
      return;
    case CloseAction::Terminate:
      Application::Instance().Terminate();
      return;
  }
}

void Form::AddGraphicControl(GraphicControl& control) {
  graphics_.Add(control);
}

void Form::RemoveGraphicControl(GraphicControl& control) {
  graphics_.Remove(control);
}

Control* Form::FindControl(std::wstring_view name) const {
  if (GraphicControl* control = graphics_.Find(name)) return control;
  for (WindowedControl* control : windowedControls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

bool Form::HandleShortcut(Shortcut shortcut) {
  for (Action* action : actions_) {
    if (action->ShortcutKey() == shortcut) {
      action->Execute();
      return true;
    }
  }
  return false;
}

bool Form::PreviewKeyMessage(MSG& message) {
  const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  // A key that is an action's shortcut never reaches the window: F10 would
  // otherwise put the system into menu mode.
  if (keyDown && HandleShortcut(ShortcutOfKey(static_cast<UINT>(message.wParam)))) return true;
  return IsDialog() && ::IsDialogMessageW(Handle(), &message);
}

void Form::Created() {
  FitAllCaptions(true);
  captionsFitted_ = true;
  if (OnCreate) RunGuarded(OnCreate);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (graphics_.HandleMouseMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_NCCREATE:
      EnableNonClientScaling(Handle());
      break;
    case kDpiChangedMessage: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      ChangeDpi(FittingDpiAt(LOWORD(wParam), *suggested), suggested);
      return 0;
    }
    case kFitCaptionsMessage:
      FitPendingCaptions();
      return 0;
    case kGetDpiScaledSizeMessage:
      // The exact size at the new scale, so that the place Windows suggests
      // with WM_DPICHANGED fits it.
      *reinterpret_cast<SIZE*>(lParam) = WindowSizeAt(DpiScale(static_cast<int>(wParam)));
      return TRUE;
    case WM_PAINT:
      graphics_.PaintWindow([this](HDC dc, const RECT& area) { PaintSurface(dc, area); });
      return 0;
    case WM_ERASEBKGND:
      return EraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_PRINTCLIENT: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      PaintSurface(dc, PrintedArea(Handle(), dc));
      return 0;
    }
    case WM_ACTIVATE:
      if (IsDialog()) {
        Activated(wParam);
        return 0;
      }
      break;
    case DM_GETDEFID:
      if (defaultButton_ != 0) return MAKELRESULT(defaultButton_, DC_HASDEFID);
      break;
    case WM_COMMAND:
      if (lParam) {
        RouteCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam), LOWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      for (WindowedControl* control : windowedControls_) {
        if (control->HandleNotify(header, result)) return result;
      }
      break;
    }
    case WM_SHOWWINDOW:
      if (wParam) {
        if (OnShowing) OnShowing();
        Shown(lParam == 0);
      }
      break;
    case WM_WINDOWPOSCHANGING:
      SnapToWorkArea(*reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_MOVING:
      SnapToWorkArea(*reinterpret_cast<RECT*>(lParam));
      return TRUE;
    case WM_SYSCOMMAND:
      // One taskbar entry for the whole program: minimizing the main form
      // minimizes the application window, which hides the forms it owns.
      if ((wParam & 0xFFF0) == SC_MINIMIZE && IsMainForm()) {
        Application::Instance().Minimize();
        return 0;
      }
      break;
    case WM_TIMER:
      // The system hands its own timer messages to the timers' callbacks; one
      // without a callback was sent by someone else, as a program that drives
      // the window's ticks does, and is taken as the timer's tick.
      if (lParam == 0 && WindowTimer::FireByMessage(Handle(), wParam)) return 0;
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_SYSCOLORCHANGE:
      ApplyLayeredAttributes();
      ::InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case WM_DESTROY:
      if (OnDestroy) OnDestroy();
      return 0;
    case WM_NCDESTROY:
      ChildrenDestroyed();
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

void Form::AddWindowedControl(WindowedControl& control) {
  windowedControls_.push_back(&control);
}

void Form::RemoveWindowedControl(WindowedControl& control) {
  std::erase(windowedControls_, &control);
  control.form_ = nullptr;
}

void Form::AddPageGraphics(GraphicControlHost& graphics) {
  pageGraphics_.push_back(&graphics);
}

void Form::RemovePageGraphics(GraphicControlHost& graphics) {
  std::erase(pageGraphics_, &graphics);
}

void Form::FitAllCaptions(bool layOut) {
  FitCaptions(Handle(), layOut);
  for (const GraphicControlHost* page : pageGraphics_) FitCaptions(page->WindowHandle(), layOut);
}

// The controls take the places the fit gives them: their designed places
// scaled, moved right and grown as their captions need. A drop-down list
// keeps its list's height.
void Form::FitCaptions(HWND parent, bool layOut) {
  GraphicControlHost* graphics = parent == Handle() ? &graphics_ : nullptr;
  for (GraphicControlHost* page : pageGraphics_) {
    if (page->WindowHandle() == parent) graphics = page;
  }
  if (!graphics || !parent) return;
  std::vector<WindowedControl*> windowed;
  for (WindowedControl* control : windowedControls_) {
    if (control->Handle() && control->ParentWindow() == parent) windowed.push_back(control);
  }
  const std::vector<GraphicControl*>& windowless = graphics->Controls();

  const UniqueMemoryDc measuring(::CreateCompatibleDC(nullptr));
  std::vector<CaptionedPlace> places;
  places.reserve(windowed.size() + windowless.size());
  for (const WindowedControl* control : windowed) {
    const Extent caption = control->CaptionExtent(measuring.get());
    places.push_back({control->ShownDesignPlace(), caption.width, caption.height});
  }
  for (const GraphicControl* control : windowless) {
    const Extent caption = control->CaptionExtent(measuring.get());
    places.push_back(
        {control->ShownDesignPlace(), caption.width, caption.height, control->SizedByCaption()});
  }
  RECT client{};
  ::GetClientRect(parent, &client);
  const std::vector<ControlPlace> fitted =
      ::ostrevin::toolkit::FitCaptions(places, scaling_.Scaled(kCaptionGap), client.right);

  for (std::size_t index = 0; index < windowed.size(); ++index) {
    WindowedControl& control = *windowed[index];
    ControlPlace place = scaling_.Scaled(control.DesignPlace());
    place.left = fitted[index].left;
    place.width = fitted[index].width;
    place.height = std::max(place.height, fitted[index].height);
    if (control.SetFittedPlace(place) && layOut) control.Rescale();
  }
  for (std::size_t index = 0; index < windowless.size(); ++index) {
    windowless[index]->SetFittedPlace(fitted[windowed.size() + index]);
  }
}

void Form::FitCaptionsLater(HWND parent) {
  if (!captionsFitted_) return;
  if (std::find(captionsToFit_.begin(), captionsToFit_.end(), parent) == captionsToFit_.end()) {
    captionsToFit_.push_back(parent);
  }
  if (!captionFitPosted_) {
    captionFitPosted_ = ::PostMessageW(Handle(), kFitCaptionsMessage, 0, 0) != FALSE;
  }
}

void Form::FitPendingCaptions() {
  captionFitPosted_ = false;
  const std::vector<HWND> parents = std::exchange(captionsToFit_, {});
  for (HWND parent : parents) FitCaptions(parent, true);
}

void Form::AddAction(Action& action) {
  actions_.push_back(&action);
}

void Form::RemoveAction(Action& action) {
  std::erase(actions_, &action);
}

bool Form::IsMainForm() const {
  return Handle() && Handle() == Application::Instance().MainFormHandle();
}

void Form::ApplyLayeredAttributes() {
  if (!(::GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_LAYERED)) return;
  DWORD flags = 0;
  COLORREF colorKey = 0;
  if (design_.alphaBlend) flags |= LWA_ALPHA;
  if (design_.transparentColor != clNone) {
    flags |= LWA_COLORKEY;
    colorKey = ToColorRef(design_.transparentColor);
  }
  ::SetLayeredWindowAttributes(Handle(), colorKey, alphaBlendValue_, flags);
}

void Form::Shown(bool byShowWindow) {
  FitPendingCaptions();
  FollowScreenDpi();
  if (!positioned_) {
    positioned_ = true;
    if (design_.position == FormPosition::ScreenCenter) CentreOnScreen();
  }
  // The main form on screen means the program's taskbar entry is there too.
  HWND application = Application::Instance().Handle();
  if (IsMainForm() && application && !::IsWindowVisible(application)) {
    ::ShowWindow(application, SW_SHOWNA);
  }
  if (byShowWindow && OnShow) OnShow();
}

// Moved onto a screen of another scaling or work area, the form takes
// another size there, and is centred again at that size.
void Form::CentreOnScreen() {
  const RECT workArea = WorkAreaToCentreOn(Handle());
  const DpiScale before = scaling_;
  MoveToCentreOf(workArea);
  FollowScreenDpi();
  if (scaling_ != before) MoveToCentreOf(workArea);
}

// A form larger than the work area even at 100 % keeps its caption and its
// top-left corner on it.
void Form::MoveToCentreOf(const RECT& workArea) {
  RECT window{};
  ::GetWindowRect(Handle(), &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int left =
      std::max(workArea.left, workArea.left + (workArea.right - workArea.left - width) / 2);
  const int top =
      std::max(workArea.top, workArea.top + (workArea.bottom - workArea.top - height) / 2);
  ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::TakeScaling(const DpiScale& scaling) {
  scaling_ = scaling;
  font_ = CreateDesignedFont(design_.font, scaling_);
  graphics_.SetLook(scaling_, font_.get());
}

// Where the system does not scale a window's frame with its screen (Windows
// 8.1, Wine), the frame keeps the system DPI's size: the window grows or
// shrinks by what the client area lacks or has too much.
void Form::ResizeTo(const RECT& place) {
  const SIZE size = WindowSizeAt(scaling_);
  ::SetWindowPos(Handle(), nullptr, place.left, place.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const int missingWidth = scaling_.Scaled(design_.clientWidth) - client.right;
  const int missingHeight = scaling_.Scaled(design_.clientHeight) - client.bottom;
  if (missingWidth == 0 && missingHeight == 0) return;
  ::SetWindowPos(Handle(), nullptr, 0, 0, size.cx + missingWidth, size.cy + missingHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Form::WindowSizeAt(const DpiScale& scaling) const {
  const RECT bounds = WindowBoundsOf(design_, scaling);
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

// The form takes the new scale and the place Windows suggests for it (near
// where it was, on the new screen), with its own size at that scale. The
// controls get the new font before the old one is deleted.
void Form::ChangeDpi(int dpi, const RECT* suggested) {
  const bool scaleChanged = dpi != scaling_.Dpi();
  if (scaleChanged) {
    const UniqueFont previousFont = std::move(font_);
    TakeScaling(DpiScale(dpi));
    for (WindowedControl* control : windowedControls_) control->Rescale();
  }
  RECT place{};
  ::GetWindowRect(Handle(), &place);
  if (suggested) place = *suggested;
  ResizeTo(place);
  // In the form's new size: nothing may be fitted past its edge.
  if (scaleChanged) FitAllCaptions(true);
  ::RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::SnapToWorkArea(WINDOWPOS& position) const {
  if (design_.snapBuffer <= 0 || (position.flags & SWP_NOMOVE)) return;
  RECT current{};
  ::GetWindowRect(Handle(), &current);
  const bool keepsSize = (position.flags & SWP_NOSIZE) != 0;
  const int width = keepsSize ? current.right - current.left : position.cx;
  const int height = keepsSize ? current.bottom - current.top : position.cy;
  RECT proposed{position.x, position.y, position.x + width, position.y + height};
  SnapToWorkArea(proposed);
  position.x = proposed.left;
  position.y = proposed.top;
}

// The work area of the screen the window is on, whichever screen that is.
void Form::SnapToWorkArea(RECT& dragged) const {
  if (design_.snapBuffer <= 0) return;
  const ScreenRect snapped =
      SnappedToWorkArea(ToScreenRect(dragged), ToScreenRect(WorkAreaAround(dragged)),
                        scaling_.Scaled(design_.snapBuffer));
  dragged = RECT{snapped.left, snapped.top, snapped.right, snapped.bottom};
}

void Form::PaintSurface(HDC dc, const RECT& area) {
  FillWithColor(dc, area, design_.color);
  graphics_.PaintControls(dc, area);
}

bool Form::EraseBackground(HDC dc) {
  // A transparent child (the toolbar) asks for the background behind it.
  // The form's own surface is painted whole by WM_PAINT.
  if (::WindowFromDC(dc) != Handle()) {
    RECT area{};
    ::GetClipBox(dc, &area);
    FillWithColor(dc, area, design_.color);
  }
  return true;
}

void Form::FocusFirstControl() {
  HWND first = ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (first) ::SetFocus(first);
}

// A dialog keeps its focused control across deactivation, as the system's
// dialogs do: a message box or another program taking the focus gives it
// back to the same control.
void Form::Activated(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(Handle(), focus)) focusedControl_ = focus;
    return;
  }
  if (focusedControl_ && ::IsWindow(focusedControl_) && ::IsChild(Handle(), focusedControl_)) {
    ::SetFocus(focusedControl_);
  } else {
    FocusFirstControl();
  }
}

void Form::RouteCommand(HWND child, WORD notifyCode, WORD id) {
  for (WindowedControl* control : windowedControls_) {
    if (control->OwnsWindow(child)) {
      control->HandleCommand(child, notifyCode, id);
      return;
    }
  }
}

void Form::ChildrenDestroyed() {
  // The system destroyed the child windows with the form.
  for (WindowedControl* control : windowedControls_) control->WindowsDestroyed();
}

}  // namespace ostrevin::toolkit
