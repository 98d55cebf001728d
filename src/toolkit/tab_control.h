#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/graphic_control_host.h"
#include "toolkit/handles.h"
#include "toolkit/window.h"
#include "toolkit/windowed_control.h"

namespace ostrevin::toolkit {

class Form;
class TabPage;

struct TabControlDesign {
  std::wstring name{};
  ControlPlace place{};
};

// A tab control whose tabs show one page each (TabPage). The pages are
// added in tab order as they are constructed; the first one shows until
// another is chosen.
class TabControl : public WindowedControl {
 public:
  TabControl(Form& form, const TabControlDesign& design);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TabPage& Page(int index) const { return *pages_[static_cast<size_t>(index)]; }
  int ActivePageIndex() const;
  // Shows the page and selects its tab.
  void SetActivePage(const TabPage& page);

  // The tabs, in the form's new font, and the pages over the new body.
  void Rescale() override;

 private:
  friend class TabPage;

  // The tab body's texture under a visual style as a brush, from a page's
  // top-left corner (a plain colour when the body is plain); null without a
  // visual style. Every page is the size of the body, so one texture serves
  // them all: made at the first need, made again after a change of the theme
  // or of a page's size.
  HBRUSH BodyBrush(const TabPage& page);
  void ForgetBodyTexture();

  // The space round a tab's caption, at the form's scale.
  void ScalePadding();
  // The tab control's body, which the pages fill, in the coordinates of the
  // window both lie on.
  RECT PageBounds() const;
  // Adds the page's tab; returns the rectangle the page fills, in the tab
  // control's client coordinates.
  RECT AddPage(TabPage& page, const std::wstring& caption, const TabPage* before);
  void RemovePage(TabPage& page);
  bool HandleNotify(NMHDR& header, LRESULT& result) override;
  void ShowActivePage();

  std::vector<TabPage*> pages_;
  UniqueBitmap bodyTexture_;
  UniqueBrush bodyBrush_;
};

struct TabPageDesign {
  std::wstring name{};
  std::wstring caption{};
  const TabPage* before = nullptr;  // its tab goes before this page's; none: last
};

// One page of a tab control: a child window of the form lying over the tab
// control's body, on which other controls are placed (their designs name the
// page). It paints
// the body's background under its windowless controls, passes them the mouse,
// and passes its children's WM_COMMAND and WM_NOTIFY on to the form. The Tab
// key moves into it and through its controls. Its window keeps its place
// among the form's windows, and so in the Tab order, from its making: the
// controls of a page made later (OnShowing) take their place there.
class TabPage : public Window, public Control {
 public:
  TabPage(TabControl& tabs, const TabPageDesign& design);
  ~TabPage() override;

  Form& OwnerForm() const { return form_; }
  GraphicControlHost& Graphics() { return graphics_; }
  const GraphicControlHost& Graphics() const { return graphics_; }

  // Each time the page is about to show while hidden, its tab chosen by the
  // user or by SetActivePage: what only a shown page needs is made here. (The
  // first page, shown as it is made, shows without it.)
  std::function<void()> OnShowing;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class TabControl;

  // Before the page shows: OnShowing, when it is hidden now.
  void Showing();
  void PaintSurface(HDC dc, const RECT& area);
  // The tab body's texture, or the button face without a visual style.
  void PaintBackground(HDC dc, const RECT& area);
  LRESULT ChildBackground(UINT message, HDC dc, HWND child);
  HBRUSH TextureBrush();

  Form& form_;
  TabControl* tabs_;
  GraphicControlHost graphics_{*this};
};

}  // namespace ostrevin::toolkit
