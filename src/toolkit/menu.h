#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/action.h"
#include "toolkit/handles.h"
#include "toolkit/popup_menu.h"

namespace ostrevin::toolkit {

// A menu item: linked to an action (caption, check mark, enabled state and
// the shortcut's text after a tab follow the action; choosing it executes the
// action) or with a caption and a click handler of its own; or a separator.
struct MenuItemDesign {
  std::wstring caption{};  // empty: the action's caption
  Action* action = nullptr;
  std::function<void()> onClick{};
  bool isDefault = false;  // shown bold; ActivateDefaultItem runs it
  bool separator = false;
};

// A popup menu declared as data. The menu handle lives as long as the object:
// nothing is created per popup.
class Menu : public PopupMenu, private ActionClient {
 public:
  explicit Menu(const std::vector<MenuItemDesign>& items);
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  HMENU Handle() const { return menu_.get(); }

  bool AutoPopup() const override { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }

  // Tracks the menu with the application window as its owner; the chosen
  // item's handler runs after the menu has closed.
  void Popup(int screenX, int screenY) override;
  bool ActivateDefaultItem() override;

  // Runs the item at this position as if the user had chosen it.
  void Choose(int index);

 private:
  struct Item {
    Action* action;
    std::wstring caption;
    std::function<void()> onClick;
    bool isDefault;
  };

  void ActionChanged(const Action& action) override;
  void ActionDestroyed(const Action& action) override;
  std::wstring TextOf(const Item& item) const;
  void ShowState(UINT index, const Action& action);

  UniqueMenu menu_;
  std::vector<Item> items_;  // by position; the command id is position + 1
  bool autoPopup_ = true;
};

}  // namespace ostrevin::toolkit
