#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/balloon_icon_kind.h"
#include "base/color.h"
#include "components/interval_timer.h"
#include "components/model/click_recognizer.h"
#include "components/tray_icon_handler.h"
#include "components/tray_shell.h"
#include "toolkit/handles.h"
#include "toolkit/image_list.h"
#include "toolkit/popup_menu.h"

namespace ostrevin {

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The keys and buttons held down during a mouse event, or-ed together.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1u << 0;
inline constexpr TShiftState ssAlt = 1u << 1;
inline constexpr TShiftState ssCtrl = 1u << 2;
inline constexpr TShiftState ssLeft = 1u << 3;
inline constexpr TShiftState ssRight = 1u << 4;
inline constexpr TShiftState ssMiddle = 1u << 5;

// Shift, Ctrl and Alt as they are held down now.
TShiftState CurrentShiftState();

class TNotifyIcon;
using TNotifyEvent = std::function<void(TNotifyIcon& sender)>;
using TMouseEvent =
    std::function<void(TNotifyIcon& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TNotifyIcon& sender, TShiftState shift, int x, int y)>;
using TCycleEvent = std::function<void(TNotifyIcon& sender, int nextIndex)>;
using TStartupEvent = std::function<void(TNotifyIcon& sender, bool& showMainForm)>;

// One icon in the notification area. It turns what the shell reports about the
// icon (mouse actions, balloon events) into events, carries balloon messages,
// can cycle its picture through an image list, and ties itself to the
// application's windows: it hides the main form into the tray when the
// application is minimized, shows and hides the main form on request, and
// adds its icon again when the shell re-creates the taskbar.
//
// The owner creates it with its form's window, sets its properties, then calls
// Loaded(). Property writes act at once (IconVisible true adds the icon with
// the Hint and Icon given before it); Loaded() applies them once more. The
// image list and popup menu are referenced, not owned: clear a reference
// before destroying what it names.
//
// Everything runs on the thread that owns the application window.
class TNotifyIcon {
 public:
  // `owner` is the form's window (may be null: then the main window is never
  // shown or hidden by this icon). Several icons may share one owner.
  explicit TNotifyIcon(HWND owner, TrayShell& shell = SystemTrayShell());
  virtual ~TNotifyIcon();

  TNotifyIcon(const TNotifyIcon&) = delete;
  TNotifyIcon& operator=(const TNotifyIcon&) = delete;

  // The owner has set every property: decides whether the main form is shown
  // at start-up, applies the settings again and asks the shell for its oldest
  // notification behaviour (the mouse message itself as the code).
  virtual void Loaded();

  toolkit::ImageList* IconList() const { return iconList_; }
  void SetIconList(toolkit::ImageList* list);
  bool CycleIcons() const { return cycleIcons_; }
  void SetCycleIcons(bool cycle);
  UINT CycleInterval() const { return cycleInterval_; }
  void SetCycleInterval(UINT milliseconds);
  // Mouse notifications are acted on only while enabled; balloon ones always.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  const std::wstring& Hint() const { return hint_; }
  void SetHint(std::wstring hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  HICON Icon() const { return icon_.get(); }
  // Takes a copy of the image (none for null) and sends it to the shell.
  void SetIcon(HICON icon);
  // Where the picture comes from instead: made at the tray's icon size, now
  // and again whenever that size changes (a program icon drawn at several
  // sizes).
  using IconSource = std::function<toolkit::UniqueIcon(int size)>;
  void SetIconSource(IconSource source);
  // What was last asked for, not whether the shell accepted it.
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool visible);
  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int index);
  toolkit::PopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(toolkit::PopupMenu* menu) { popupMenu_ = menu; }
  // The left button opens the menu too; a double-click then no longer runs
  // the menu's default item.
  bool LeftPopup() const { return leftPopup_; }
  void SetLeftPopup(bool leftPopup) { leftPopup_ = leftPopup; }
  bool WantEnterExitEvents() const { return wantEnterExitEvents_; }
  void SetWantEnterExitEvents(bool want);
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool minimize) { minimizeToTray_ = minimize; }

  // Shows a balloon at the icon (the title cut to 63 characters, the text to
  // 255), first taking down one still shown. True when the shell accepted it.
  bool DisplayBalloon(const std::wstring& title, const std::wstring& text, BalloonIconKind iconKind,
                      std::uint8_t timeoutSeconds);
  // Takes down a balloon of this icon; harmless when none is shown.
  void ClearBalloon();

  // Brings the application's main form back from the tray or the minimized
  // state and to the front.
  void RestoreMainWindow();
  // Hides the main form and the program's taskbar button.
  void ConcealMainWindow();

  // Each returns whether the shell accepted the call. Add and remove also
  // store IconVisible; a refresh is sent also while the icon is not in the
  // tray, when the shell refuses it.
  virtual bool AddToTray();
  virtual bool RemoveFromTray();
  virtual bool RefreshInTray();

  // The identifier under which the shell names this icon.
  UINT IconId() const { return handler_.IconId(); }
  // The side in pixels of the pictures the notification area shows: an icon
  // of that size is shown as it is, one of another size is stretched. Asked
  // of the shell when the icon is made and again by FollowTrayIconSize.
  int TrayIconSize() const { return iconSize_; }
  // The scaling may have changed (the messages Windows sends for a change of
  // the scaling, the screens or the settings, and a new taskbar): when the
  // tray's icon size did, the picture is made again at the new size and the
  // tray gets it, so that the shell never stretches it.
  void FollowTrayIconSize();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;  // only with WantEnterExitEvents
  TNotifyEvent OnMouseExit;   // only with WantEnterExitEvents
  TCycleEvent OnCycle;
  TNotifyEvent OnBalloonHintShow;
  TNotifyEvent OnBalloonHintHide;
  TNotifyEvent OnBalloonHintTimeout;
  TNotifyEvent OnBalloonHintClick;
  // Being set turns on hiding the owner form into the tray when it is itself
  // minimized (the application's own minimizing needs only MinimizeToTray).
  TNotifyEvent OnMinimizeToTray;
  // Once at Loaded(); false on return starts the program hidden.
  TStartupEvent OnStartup;

 protected:
  // Each raises its event when it is set.
  virtual void FireClick();
  virtual void FireDblClick();
  // Works out the index the cycle moves to and raises OnCycle with it.
  virtual void FireCycle();
  virtual void FireMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void FireMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void FireMouseMove(TShiftState shift, int x, int y);
  virtual void FireMouseEnter();
  virtual void FireMouseExit();
  // Hides the main form and its taskbar button and puts the icon in the tray.
  virtual void MinimizeIntoTray();
  // The tray's icon size changed: the picture is made again for it, from the
  // icon source when there is one.
  virtual void TrayIconSizeChanged();

  // Take a copy of the picture, or the tooltip, without a word to the shell:
  // a derived icon that changes both sends them in one RefreshInTray.
  void StoreIcon(HICON icon);
  void StoreHint(std::wstring hint) { hint_ = std::move(hint); }

  // Makes an icon of a square bitmap, of the bitmap's size, whose pixels of
  // maskColor become transparent; with clNone every pixel stays opaque.
  // Throws AppError when the image list cannot make it.
  static toolkit::UniqueIcon MaskBitmapIntoIcon(HBITMAP bitmap, Color maskColor);

  // The timers behind click recognition, cycling and cursor tracking; their
  // expiries come through TIntervalTimer's shared window.
  const TIntervalTimer& ClickWaitTicker() const { return clickWaitTicker_; }
  const TIntervalTimer& CycleTicker() const { return cycleTicker_; }
  const TIntervalTimer& HoverTicker() const { return hoverTicker_; }

 private:
  friend class TTrayIconHandler;  // delivers the shell's notifications

  // The icon's place with the shared window the shell reports to, for the
  // icon's whole life.
  class HandlerRegistration {
   public:
    explicit HandlerRegistration(TNotifyIcon& icon);
    ~HandlerRegistration();
    HandlerRegistration(const HandlerRegistration&) = delete;
    HandlerRegistration& operator=(const HandlerRegistration&) = delete;
    UINT IconId() const { return iconId_; }

   private:
    UINT iconId_;
  };

  // The icon's hook on the messages of the application window.
  class ApplicationHookRegistration {
   public:
    explicit ApplicationHookRegistration(TNotifyIcon& icon);
    ~ApplicationHookRegistration();
    ApplicationHookRegistration(const ApplicationHookRegistration&) = delete;
    ApplicationHookRegistration& operator=(const ApplicationHookRegistration&) = delete;

   private:
    int hookId_;
  };

  // The icon's filter in front of the owner window's own procedure, when
  // the owner is a window of the toolkit. Icons of one owner chain: the one
  // installed last sees the messages first.
  class OwnerFilter {
   public:
    OwnerFilter(TNotifyIcon& icon, HWND owner);
    ~OwnerFilter();
    OwnerFilter(const OwnerFilter&) = delete;
    OwnerFilter& operator=(const OwnerFilter&) = delete;

   private:
    HWND owner_;
    int filterId_ = 0;
  };

  void HandleTrayNotification(UINT code);
  void LeftButtonDown(TShiftState shift, POINT at);
  void LeftButtonUp(TShiftState shift, POINT at);
  void LeftButtonDoubleClick();
  void MouseMoved(TShiftState shift, POINT at);
  void OpenTrayMenu();

  void ClickWaitElapsed();
  void CycleTimerElapsed();
  void CheckCursorLeft();

  // The owned Icon changed: the shell gets the new picture.
  void ReplaceIcon(toolkit::UniqueIcon icon);
  void FillNotifyData();
  bool SendToShell(DWORD message);

  // The ties to the application's windows.
  bool OwnerIsWindow() const;
  void StartupDecision();
  void ApplicationHook(UINT message, WPARAM wParam, LPARAM lParam);
  bool OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool InterceptMinimize();
  void RemoveTaskbarEntry();

  HWND owner_;
  TrayShell& shell_;
  HandlerRegistration handler_;
  int iconSize_;
  IconSource iconSource_;

  NOTIFYICONDATAW notifyData_{};
  toolkit::UniqueIcon icon_;
  toolkit::ImageList* iconList_ = nullptr;
  toolkit::PopupMenu* popupMenu_ = nullptr;
  std::wstring hint_;
  UINT cycleInterval_ = 0;
  int iconIndex_ = 0;
  bool cycleIcons_ = false;
  bool enabled_ = true;
  bool showHint_ = true;
  bool iconVisible_ = false;
  bool leftPopup_ = false;
  bool wantEnterExitEvents_ = false;
  bool minimizeToTray_ = false;

  ClickRecognizer clicks_;
  bool cursorOutside_ = true;
  POINT lastMovePos_{};
  TIntervalTimer cycleTicker_;
  TIntervalTimer clickWaitTicker_;
  TIntervalTimer hoverTicker_;

  // Last, so that they go first: no message reaches a half-destroyed icon.
  ApplicationHookRegistration applicationHook_;
  OwnerFilter ownerFilter_;
};

}  // namespace ostrevin
