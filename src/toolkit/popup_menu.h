#pragma once

#include <windows.h>

namespace ostrevin::toolkit {

// A popup (context) menu whose items are declared as data and bound to
// handlers or actions; the default item is shown bold.
class PopupMenu {
 public:
  virtual ~PopupMenu() = default;

  // Whether the menu opens on its own when its owner asks (true by default).
  virtual bool AutoPopup() const = 0;
  // Shows the menu at a screen position; returns when it has closed, after
  // running the chosen item's handler.
  virtual void Popup(int screenX, int screenY) = 0;
  // Runs the handler of the top-level default item with the lowest index, as
  // if the user had chosen it; false when the menu has no default item.
  virtual bool ActivateDefaultItem() = 0;
};

}  // namespace ostrevin::toolkit
