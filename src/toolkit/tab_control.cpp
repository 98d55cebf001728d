#include "toolkit/tab_control.h"

#include <windowsx.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "toolkit/form.h"

namespace ostrevin::toolkit {
namespace {

// uxtheme is loaded with common controls 6 (they draw the visual styles);
// without them there is no style to follow and the page is plain button face.
HMODULE ThemeLibrary() {
  return ::GetModuleHandleW(L"uxtheme.dll");
}

template <typename Function>
Function ThemeFunction(const char* name) {
  HMODULE library = ThemeLibrary();
  // Through a plain function pointer type: FARPROC's own signature says
  // nothing of the real one.
  return library
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)))
             : nullptr;
}

bool ThemeActive() {
  using IsAppThemedFunction = BOOL(WINAPI*)();
  static const auto isAppThemed = ThemeFunction<IsAppThemedFunction>("IsAppThemed");
  return isAppThemed && isAppThemed();
}

// Under a visual style the page shows the tab body's texture, and so do the
// backgrounds of the controls on it.
void UseTabTexture(HWND page) {
  using EnableTextureFunction = HRESULT(WINAPI*)(HWND, DWORD);
  static const auto enable = ThemeFunction<EnableTextureFunction>("EnableThemeDialogTexture");
  if (enable) enable(page, ETDT_ENABLETAB);
}

bool PaintTabBody(HWND page, HDC dc, const RECT& area) {
  using DrawParentFunction = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
  static const auto draw = ThemeFunction<DrawParentFunction>("DrawThemeParentBackground");
  return ThemeActive() && draw && SUCCEEDED(draw(page, dc, &area));
}

POINT PointOf(LPARAM lParam) {
  return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

TabControl::TabControl(Form& form, const TabControlDesign& design) : WindowedControl(form) {
  SetName(design.name);
  CreateHandle(WC_TABCONTROLW,
               WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
               design.place);
}

int TabControl::ActivePageIndex() const {
  return static_cast<int>(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
}

void TabControl::SetActivePage(const TabPage& page) {
  const auto found = std::find(pages_.begin(), pages_.end(), &page);
  if (found == pages_.end()) return;
  ::SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(found - pages_.begin()), 0);
  ShowActivePage();
}

RECT TabControl::AddPage(TabPage& page, const std::wstring& caption) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  ::SendMessageW(Handle(), TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
  pages_.push_back(&page);
  RECT body{};
  ::GetClientRect(Handle(), &body);
  ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
  return body;
}

void TabControl::RemovePage(TabPage& page) {
  std::erase(pages_, &page);
}

bool TabControl::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != Handle() || header.code != TCN_SELCHANGE) return false;
  ShowActivePage();
  result = 0;
  return true;
}

void TabControl::ShowActivePage() {
  const int active = ActivePageIndex();
  for (int index = 0; index < PageCount(); ++index) {
    ::ShowWindow(Page(index).Handle(), index == active ? SW_SHOW : SW_HIDE);
  }
}

TabPage::TabPage(TabControl& tabs, const TabPageDesign& design)
    : form_(*tabs.OwnerForm()), tabs_(&tabs) {
  SetName(design.name);
  const RECT body = tabs.AddPage(*this, design.caption);
  const bool first = tabs.PageCount() == 1;
  CreateHandle({.className = L"OstrevinTabPage",
                .style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (first ? WS_VISIBLE : 0u),
                .exStyle = WS_EX_CONTROLPARENT,
                .text = {},
                .bounds = body,
                .parent = tabs.Handle()});
  UseTabTexture(Handle());
}

TabPage::~TabPage() {
  if (tabs_) tabs_->RemovePage(*this);
  DestroyHandle();
}

LRESULT TabPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
      // The form routes its controls' messages, wherever the controls lie.
      return ::SendMessageW(form_.Handle(), message, wParam, lParam);
    case WM_ERASEBKGND:
      return TRUE;  // painted whole by WM_PAINT
    case WM_PAINT:
      PaintOffScreen(Handle(), [this](HDC dc, const RECT& area) { PaintSurface(dc, area); });
      return 0;
    case WM_PRINTCLIENT: {
      RECT client{};
      ::GetClientRect(Handle(), &client);
      PaintSurface(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_LBUTTONDOWN:
      graphics_.MouseDown(MouseButton::Left, PointOf(lParam));
      return 0;
    case WM_RBUTTONDOWN:
      graphics_.MouseDown(MouseButton::Right, PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      graphics_.LeftMouseUp(PointOf(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      graphics_.ForgetPress();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && graphics_.SetControlCursor()) return TRUE;
      break;
    case WM_NCDESTROY:
      tabs_ = nullptr;  // the tab control goes with the form
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

void TabPage::PaintSurface(HDC dc, const RECT& area) {
  if (!PaintTabBody(Handle(), dc, area)) ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
  graphics_.PaintControls(dc, area);
}

}  // namespace ostrevin::toolkit
