#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/color.h"
#include "toolkit/action.h"
#include "toolkit/font.h"
#include "toolkit/graphic_control.h"
#include "toolkit/graphic_control_host.h"
#include "toolkit/model/dpi_scale.h"
#include "toolkit/window.h"

namespace ostrevin::toolkit {

class WindowedControl;

enum class FormBorder {
  None,    // a borderless popup: no caption, no frame
  Dialog,  // a fixed dialog frame with a caption and a close box
};

enum class FormPosition {
  Designed,      // at the designed left and top
  ScreenCenter,  // centred on the screen the first time it is shown
};

// What closing a form does; OnClose may change it.
enum class CloseAction { None, Hide, Terminate };

// The design of a top-level window: fixed values set when it is created.
// Sizes, fonts and the snapping distance are in pixels at 96 DPI and are
// scaled to the DPI of the screen the window is on; left and top are a place
// on the screen and are not.
struct FormDesign {
  std::wstring caption{};
  FormBorder border = FormBorder::Dialog;
  bool topMost = false;
  int left = 0;
  int top = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  FormPosition position = FormPosition::Designed;
  Color color = clBtnFace;
  FontDesign font{};
  // Layered translucency: with alphaBlend the window has the opacity
  // alphaBlendValue (0..255); pixels of transparentColor (unless clNone) are
  // see-through and let mouse clicks through to what lies behind.
  bool alphaBlend = false;
  BYTE alphaBlendValue = 255;
  Color transparentColor = clNone;
  // While moved to within this many pixels of an edge of the work area, the
  // window snaps to that edge; 0 turns snapping off.
  int snapBuffer = 0;
  int tag = 0;
};

// A top-level window owned by the application window (so it has no taskbar
// button of its own), described by data: its design, then its controls, each
// constructed with the form and its own design (kind, name, place, caption,
// font, alignment, limits, handlers bound to the form's member functions).
//
// A derived form calls Created() at the end of its constructor, once its
// controls exist, and DestroyHandle() first in its destructor, so that
// OnDestroy runs while its members are still there.
//
// The form and every control on it are drawn at the DPI of the screen the
// form is on: the design scaled. Moved to a screen of another scaling
// (WM_DPICHANGED), the form lays itself and its controls out again. Where
// the design at the screen's scaling would be larger than the screen's work
// area, the form is drawn at the largest scaling at which it fits (never
// below 100 %), so that every control can be reached.
//
// At its scale every caption is whole: a control whose caption needs more
// room than its designed place grows to it, and what the design puts after
// it on its row moves right (FitCaptions). The form fits the captions of
// each of its windows (itself, each tab page) when it is created and when
// its scale changes, and soon after a control comes or a caption changes.
class Form : public Window {
 public:
  static constexpr int kModalOk = 1;
  static constexpr int kModalCancel = 2;

  // The owner defaults to the application window.
  explicit Form(const FormDesign& design, HWND owner = nullptr);
  ~Form() override;

  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);

  bool Visible() const;
  void SetVisible(bool visible);
  // Shows the form without taking the activation from the program in front.
  void ShowWithoutActivating();

  // Moves the form's top-left corner to a place on the desktop. A form that
  // has been placed is not centred when it first shows.
  void MoveTo(int left, int top);
  // Whether the form has been placed or shown: its place means something.
  bool Positioned() const { return positioned_; }

  BYTE AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(BYTE value);

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // The form's font at its scale.
  HFONT Font() const { return font_.get(); }
  // The scale of the screen the form is on.
  const DpiScale& Scaling() const { return scaling_; }
  Color TextColor() const { return design_.font.color; }
  Color BackgroundColor() const { return design_.color; }

  // Shows the form modally: the program's other windows are disabled and
  // the toolkit's loop runs until the form has a modal result, which is
  // returned (kModalOk, kModalCancel, ...). Closing the form gives
  // kModalCancel, and so does the end of the program. The first control in
  // the Tab order has the focus when it shows.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Closes the form as the close box does: OnClose decides what follows.
  void Close();

  // Puts a windowless control on the form: the form paints it and passes it
  // the mouse. Controls added later lie on top.
  void AddGraphicControl(GraphicControl& control);
  void RemoveGraphicControl(GraphicControl& control);

  Control* FindControl(std::wstring_view name) const;
  GraphicControlHost& Graphics() { return graphics_; }

  // Runs the action with this shortcut key; true when the key is one of the
  // form's shortcuts, also when its action is disabled.
  bool HandleShortcut(Shortcut shortcut);

  // A key message for the form while it is the active window: its own
  // shortcut keys, and in a dialog the keys of the dialog manager (Tab and
  // Shift+Tab, Enter for the default button, Escape for the cancel button,
  // arrow keys in a radio group). True when the message was used.
  bool PreviewKeyMessage(MSG& message) override;

  // The command id a new control's window gets; the buttons that give the
  // modal results OK and Cancel take IDOK and IDCANCEL, which Enter and
  // Escape send.
  int NextControlId() { return nextControlId_++; }
  // The button Enter presses when the focus is on no other button.
  void SetDefaultButton(int commandId) { defaultButton_ = commandId; }

  std::function<void()> OnCreate;
  std::function<void()> OnShow;
  // Each time the form is about to show, shown by any means, while it is
  // still hidden: what only a shown form needs is made here.
  std::function<void()> OnShowing;
  std::function<void()> OnDestroy;
  std::function<void()> OnClick;
  std::function<void(CloseAction& action)> OnClose;

 protected:
  // Raises OnCreate; an error in it is reported and the form goes on.
  void Created();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class WindowedControl;
  friend class Action;

  friend class TabPage;

  void AddWindowedControl(WindowedControl& control);
  void RemoveWindowedControl(WindowedControl& control);
  // The windowless controls of a tab page, whose captions are fitted too.
  void AddPageGraphics(GraphicControlHost& graphics);
  void RemovePageGraphics(GraphicControlHost& graphics);
  void AddAction(Action& action);
  void RemoveAction(Action& action);

  bool IsMainForm() const;
  bool IsDialog() const { return design_.border == FormBorder::Dialog; }
  void FocusFirstControl();
  void Activated(WPARAM state);
  void ApplyLayeredAttributes();
  void Shown(bool byShowWindow);
  void CentreOnScreen();
  void MoveToCentreOf(const RECT& workArea);
  void TakeScaling(const DpiScale& scaling);
  // The DPI the form is drawn at on a screen of screenDpi, where the window
  // lies at window: FittingDpi for the work area of that screen.
  int FittingDpiAt(int screenDpi, const RECT& window) const;
  // Fits the captions of the controls of one of the form's windows (the
  // form, a tab page) at the form's scale; with layOut, the windowed
  // controls that the fit moves are laid out there.
  void FitCaptions(HWND parent, bool layOut);
  void FitAllCaptions(bool layOut);
  // A control came or a caption changed in parent: fitted by a posted
  // message, once for all that change in one go (controls being made are
  // not finished yet), or when the form shows, whichever comes first.
  void FitCaptionsLater(HWND parent);
  void FitPendingCaptions();
  SIZE WindowSizeAt(const DpiScale& scaling) const;
  // Moves the window to the top-left corner of place with the size of its
  // design at its scale.
  void ResizeTo(const RECT& place);
  void ChangeDpi(int dpi, const RECT* suggested);
  void FollowScreenDpi();
  void SnapToWorkArea(WINDOWPOS& position) const;
  void SnapToWorkArea(RECT& dragged) const;
  void PaintSurface(HDC dc, const RECT& area);
  bool EraseBackground(HDC dc);
  void RouteCommand(HWND child, WORD notifyCode, WORD id);
  void ChildrenDestroyed();

  FormDesign design_;
  DpiScale scaling_{};
  UniqueFont font_;
  BYTE alphaBlendValue_;
  int tag_;
  // Placed by MoveTo or shown once: no longer centred.
  bool positioned_ = false;
  bool modal_ = false;
  int modalResult_ = 0;
  GraphicControlHost graphics_{*this};
  std::vector<GraphicControlHost*> pageGraphics_;
  // Created() fitted every caption; later changes are fitted as they come.
  bool captionsFitted_ = false;
  bool captionFitPosted_ = false;
  std::vector<HWND> captionsToFit_;
  std::vector<WindowedControl*> windowedControls_;
  std::vector<Action*> actions_;
  int nextControlId_ = kFirstControlId;
  int defaultButton_ = 0;
  // The control that had the focus when the dialog was last deactivated.
  HWND focusedControl_ = nullptr;

  static constexpr int kFirstControlId = 100;
};

}  // namespace ostrevin::toolkit
