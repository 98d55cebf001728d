#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <functional>
#include <set>
#include <vector>

#include "components/interval_timer.h"
#include "components/notify_icon.h"
#include "components/tray_shell.h"
#include "toolkit/popup_menu.h"

namespace ostrevin::test_support {

// A notification area that keeps the icons it was given and refuses what the
// real shell refuses (a second add, a modify or delete of an icon it does not
// show), recording every request with the record as it was sent.
class FakeTrayShell : public TrayShell {
 public:
  struct Call {
    DWORD message;
    NOTIFYICONDATAW data;
    bool accepted;
  };

  bool Notify(DWORD message, NOTIFYICONDATAW& data) override {
    const bool accepted = Apply(message, data.uID);
    calls.push_back(Call{message, data, accepted});
    return accepted;
  }

  int IconSize() const override { return iconSize; }

  bool Shows(UINT iconId) const { return shown_.contains(iconId); }
  std::vector<DWORD> Messages() const {
    std::vector<DWORD> messages;
    for (const Call& call : calls) messages.push_back(call.message);
    return messages;
  }
  const Call& Last() const { return calls.back(); }

  std::vector<Call> calls;
  int iconSize = 16;

 private:
  bool Apply(DWORD message, UINT iconId) {
    switch (message) {
      case NIM_ADD:
        return shown_.insert(iconId).second;
      case NIM_DELETE:
        return shown_.erase(iconId) > 0;
      default:
        return shown_.contains(iconId);
    }
  }

  std::set<UINT> shown_;
};

// A popup menu that records where it was opened and whether its default item
// was run.
class FakePopupMenu : public toolkit::PopupMenu {
 public:
  bool AutoPopup() const override { return autoPopup; }
  void Popup(int screenX, int screenY) override {
    popups.push_back(POINT{screenX, screenY});
    if (onPopup) onPopup();
  }
  bool ActivateDefaultItem() override {
    if (onDefaultItem) onDefaultItem();
    ++defaultItemRuns;
    return true;
  }

  bool autoPopup = true;
  std::vector<POINT> popups;
  int defaultItemRuns = 0;
  std::function<void()> onPopup;
  std::function<void()> onDefaultItem;
};

// The tray icon with its timers in reach, so that a test delivers their
// expiries itself instead of waiting for them.
class TestNotifyIcon : public TNotifyIcon {
 public:
  using TNotifyIcon::ClickWaitTicker;
  using TNotifyIcon::CycleTicker;
  using TNotifyIcon::HoverTicker;
  using TNotifyIcon::TNotifyIcon;
};

// Delivers one expiry of a timer the way the platform does.
inline void Expire(const TIntervalTimer& timer) {
  ::SendMessageW(TIntervalTimer::HandlerWindow(), WM_TIMER, timer.TimerId(), 0);
}

// Reports a mouse action or balloon event on an icon the way the shell does.
inline void ShellReports(const TNotifyIcon& icon, UINT code) {
  ::SendMessageW(TrayHandlerWindow(), TrayCallbackMessage, icon.IconId(), code);
}

}  // namespace ostrevin::test_support
