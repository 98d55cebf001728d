#include "toolkit/tab_control.h"

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "toolkit/form.h"
#include "toolkit/system_library.h"

namespace ostrevin::toolkit {
namespace {

// uxtheme is loaded with common controls 6 (they draw the visual styles);
// without them there is no style to follow and the page is plain button face.
template <typename Function>
Function* ThemeFunction(const char* name) {
  return LoadedSystemFunction<Function>(L"uxtheme.dll", name);
}

bool ThemeActive() {
  using IsAppThemedFunction = BOOL WINAPI();
  static const auto isAppThemed = ThemeFunction<IsAppThemedFunction>("IsAppThemed");
  return isAppThemed && isAppThemed();
}

// Under a visual style a page shows the tab body's texture, as the pages of
// the system's property sheets do; the themed controls on it draw their
// backgrounds from it (WM_PRINTCLIENT).
bool PaintTabBody(HWND tabs, HWND page, HDC dc, const RECT& area) {
  using OpenFunction = HTHEME WINAPI(HWND, LPCWSTR);
  using CloseFunction = HRESULT WINAPI(HTHEME);
  using DrawFunction = HRESULT WINAPI(HTHEME, HDC, int, int, const RECT*, const RECT*);
  static const auto open = ThemeFunction<OpenFunction>("OpenThemeData");
  static const auto close = ThemeFunction<CloseFunction>("CloseThemeData");
  static const auto draw = ThemeFunction<DrawFunction>("DrawThemeBackground");
  if (!ThemeActive() || !open || !close || !draw) return false;
  HTHEME theme = open(tabs, L"TAB");
  if (!theme) return false;
  struct Closer {
    HTHEME theme;
    CloseFunction* close;
    ~Closer() { close(theme); }
  } closer{theme, close};
  RECT body{};
  ::GetClientRect(page, &body);
  return SUCCEEDED(draw(theme, dc, TABP_BODY, 0, &body, &area));
}

// The colour of every pixel of a 32-bit off-screen picture when they are
// all alike.
std::optional<COLORREF> SingleColour(HBITMAP picture) {
  ::GdiFlush();
  DIBSECTION section{};
  if (::GetObjectW(picture, sizeof(section), &section) != sizeof(section) || !section.dsBm.bmBits ||
      section.dsBm.bmBitsPixel != 32) {
    return std::nullopt;
  }
  const auto* pixels = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  const std::size_t count = static_cast<std::size_t>(section.dsBm.bmWidth) *
                            static_cast<std::size_t>(std::abs(section.dsBm.bmHeight));
  if (count == 0 || !std::all_of(pixels, pixels + count,
                                 [&](std::uint32_t pixel) { return pixel == pixels[0]; })) {
    return std::nullopt;
  }
  return RGB((pixels[0] >> 16) & 0xFF, (pixels[0] >> 8) & 0xFF, pixels[0] & 0xFF);
}

// The system's space round a tab's caption, in pixels at 96 DPI.
constexpr int kTabPaddingX = 6;
constexpr int kTabPaddingY = 3;

}  // namespace

TabControl::TabControl(Form& form, const TabControlDesign& design) : WindowedControl(form) {
  SetName(design.name);
  // The pages lie over it as its siblings: it must not paint over them.
  CreateHandle(WC_TABCONTROLW, WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, design.place);
  ScalePadding();
}

// The padding first: the tabs take their size when the font comes.
void TabControl::Rescale() {
  ScalePadding();
  WindowedControl::Rescale();
  const RECT body = PageBounds();
  for (TabPage* page : pages_) {
    ::SetWindowPos(page->Handle(), nullptr, body.left, body.top, body.right - body.left,
                   body.bottom - body.top, SWP_NOZORDER | SWP_NOACTIVATE);
    page->Graphics().SetLook(Scaling(), OwnerForm()->Font());
  }
}

void TabControl::ScalePadding() {
  const DpiScale scaling = Scaling();
  ::SendMessageW(Handle(), TCM_SETPADDING, 0,
                 MAKELPARAM(scaling.Scaled(kTabPaddingX), scaling.Scaled(kTabPaddingY)));
}

RECT TabControl::PageBounds() const {
  RECT body{};
  ::GetClientRect(Handle(), &body);
  ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
  ::MapWindowPoints(Handle(), ParentWindow(), reinterpret_cast<POINT*>(&body), 2);
  return body;
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

RECT TabControl::AddPage(TabPage& page, const std::wstring& caption, const TabPage* before) {
  const auto place = std::find(pages_.begin(), pages_.end(), before);
  const auto index = static_cast<WPARAM>(place - pages_.begin());
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  ::SendMessageW(Handle(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
  pages_.insert(place, &page);
  return PageBounds();
}

void TabControl::RemovePage(TabPage& page) {
  std::erase(pages_, &page);
}

HBRUSH TabControl::BodyBrush(const TabPage& page) {
  if (bodyBrush_ || !ThemeActive()) return bodyBrush_.get();
  RECT client{};
  ::GetClientRect(page.Handle(), &client);
  WindowDc screen(page.Handle());
  UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  UniqueBitmap texture = CreateOffScreenBitmap(client.right, client.bottom);
  if (!memory || !texture) return nullptr;
  {
    SelectGuard selected(memory.get(), texture.get());
    if (!PaintTabBody(Handle(), page.Handle(), memory.get(), client)) return nullptr;
  }
  if (const std::optional<COLORREF> plain = SingleColour(texture.get())) {
    // Most visual styles have a plain body: no picture to keep, and no copy
    // of one inside a pattern brush.
    bodyBrush_.reset(::CreateSolidBrush(*plain));
    return bodyBrush_.get();
  }
  bodyBrush_.reset(::CreatePatternBrush(texture.get()));
  bodyTexture_ = std::move(texture);
  return bodyBrush_.get();
}

void TabControl::ForgetBodyTexture() {
  bodyBrush_.reset();
  bodyTexture_.reset();
}

bool TabControl::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != Handle() || header.code != TCN_SELCHANGE) return false;
  ShowActivePage();
  result = 0;
  return true;
}

// The page to show is made ready before it shows.
void TabControl::ShowActivePage() {
  const int active = ActivePageIndex();
  if (active >= 0 && active < PageCount()) Page(active).Showing();
  for (int index = 0; index < PageCount(); ++index) {
    ::ShowWindow(Page(index).Handle(), index == active ? SW_SHOW : SW_HIDE);
  }
}

TabPage::TabPage(TabControl& tabs, const TabPageDesign& design)
    : form_(*tabs.OwnerForm()), tabs_(&tabs) {
  SetName(design.name);
  const RECT body = tabs.AddPage(*this, design.caption, design.before);
  const bool first = tabs.PageCount() == 1;
  CreateHandle({.className = L"OstrevinTabPage",
                .style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (first ? WS_VISIBLE : 0u),
                .exStyle = WS_EX_CONTROLPARENT,
                .text = {},
                .bounds = body,
                .parent = form_.Handle()});
  // Above the tab control, as a property sheet's pages are. The Tab key goes
  // through the shown page's controls first, then to the tabs and on.
  ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  graphics_.SetLook(form_.Scaling(), form_.Font());
  graphics_.onCaptionsChanged = [this] { form_.FitCaptionsLater(Handle()); };
  form_.AddPageGraphics(graphics_);
}

void TabPage::Showing() {
  // The page's own style: the window is not visible while its form is
  // hidden, shown or not.
  const bool shown = (::GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
  if (!shown && OnShowing) OnShowing();
}

TabPage::~TabPage() {
  form_.RemovePageGraphics(graphics_);
  graphics_.onCaptionsChanged = nullptr;
  if (tabs_) tabs_->RemovePage(*this);
  DestroyHandle();
}

LRESULT TabPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (graphics_.HandleMouseMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
      // The form routes its controls' messages, wherever the controls lie.
      return ::SendMessageW(form_.Handle(), message, wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ChildBackground(message, reinterpret_cast<HDC>(wParam),
                             reinterpret_cast<HWND>(lParam));
    case WM_THEMECHANGED:
    case WM_SIZE:
      if (tabs_) tabs_->ForgetBodyTexture();
      break;
    case WM_ERASEBKGND:
      return TRUE;  // painted whole by WM_PAINT
    case WM_PAINT:
      graphics_.PaintWindow([this](HDC dc, const RECT& area) { PaintSurface(dc, area); });
      return 0;
    case WM_PRINTCLIENT: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      PaintSurface(dc, PrintedArea(Handle(), dc));
      return 0;
    }
    case WM_NCDESTROY:
      tabs_ = nullptr;  // the tab control goes with the form
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

// Check boxes, radio buttons, group boxes and texts lie on the tab body's
// texture under a visual style, as on the pages of the system's property
// sheets; otherwise they keep the system's own background.
LRESULT TabPage::ChildBackground(UINT message, HDC dc, HWND child) {
  wchar_t className[16] = {};
  ::GetClassNameW(child, className, static_cast<int>(std::size(className)));
  const bool textured = _wcsicmp(className, L"Button") == 0 || _wcsicmp(className, L"Static") == 0;
  HBRUSH brush = textured ? TextureBrush() : nullptr;
  if (!brush) {
    return DefaultHandling(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
  }
  RECT place{};
  ::GetWindowRect(child, &place);
  ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
  ::SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(brush);
}

HBRUSH TabPage::TextureBrush() {
  return tabs_ ? tabs_->BodyBrush(*this) : nullptr;
}

void TabPage::PaintSurface(HDC dc, const RECT& area) {
  PaintBackground(dc, area);
  graphics_.PaintControls(dc, area);
}

// The texture starts at the page's top-left corner, wherever the DC's origin
// lies (an off-screen picture of part of the page, a child's DC).
void TabPage::PaintBackground(HDC dc, const RECT& area) {
  HBRUSH texture = TextureBrush();
  if (!texture) {
    ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  POINT corner{0, 0};
  ::LPtoDP(dc, &corner, 1);
  POINT previous{};
  ::SetBrushOrgEx(dc, corner.x, corner.y, &previous);
  ::FillRect(dc, &area, texture);
  ::SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace ostrevin::toolkit
