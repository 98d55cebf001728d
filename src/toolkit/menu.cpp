#include "toolkit/menu.h"

#include "base/app_error.h"
#include "toolkit/application.h"

namespace ostrevin::toolkit {

Menu::Menu(const std::vector<MenuItemDesign>& items) : menu_(::CreatePopupMenu()) {
  if (!menu_) throw AppError(L"Unable to create a menu");
  for (const MenuItemDesign& design : items) {
    const auto command = static_cast<UINT_PTR>(items_.size() + 1);
    Item item{design.action, design.caption, design.onClick, design.isDefault};
    const BOOL added = design.separator
                           ? ::AppendMenuW(menu_.get(), MF_SEPARATOR, command, nullptr)
                           : ::AppendMenuW(menu_.get(), MF_STRING, command, TextOf(item).c_str());
    if (!added) throw AppError(L"Unable to add an item to a menu");
    items_.push_back(std::move(item));
    if (design.action) {
      ShowState(static_cast<UINT>(command - 1), *design.action);
      Follow(*design.action);
    }
    if (design.isDefault && ::GetMenuDefaultItem(menu_.get(), FALSE, 0) == static_cast<UINT>(-1)) {
      ::SetMenuDefaultItem(menu_.get(), static_cast<UINT>(command), FALSE);
    }
  }
}

void Menu::Popup(int screenX, int screenY) {
  const BOOL command =
      ::TrackPopupMenuEx(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, screenX,
                         screenY, Application::Instance().Handle(), nullptr);
  if (command > 0) Choose(command - 1);
}

bool Menu::ActivateDefaultItem() {
  for (size_t index = 0; index < items_.size(); ++index) {
    if (items_[index].isDefault) {
      Choose(static_cast<int>(index));
      return true;
    }
  }
  return false;
}

void Menu::Choose(int index) {
  if (index < 0 || static_cast<size_t>(index) >= items_.size()) return;
  const Item& item = items_[static_cast<size_t>(index)];
  if (item.action) {
    item.action->Execute();
  } else if (item.onClick) {
    item.onClick();
  }
}

void Menu::ActionChanged(const Action& action) {
  for (size_t index = 0; index < items_.size(); ++index) {
    if (items_[index].action == &action) ShowState(static_cast<UINT>(index), action);
  }
}

void Menu::ActionDestroyed(const Action& action) {
  for (Item& item : items_) {
    if (item.action == &action) item.action = nullptr;
  }
}

std::wstring Menu::TextOf(const Item& item) const {
  if (!item.action) return item.caption;
  std::wstring text = item.caption.empty() ? item.action->Caption() : item.caption;
  const std::wstring shortcut = ShortcutText(item.action->ShortcutKey());
  if (!shortcut.empty()) text += L"\t" + shortcut;
  return text;
}

void Menu::ShowState(UINT index, const Action& action) {
  ::CheckMenuItem(menu_.get(), index,
                  MF_BYPOSITION | (action.Checked() ? MF_CHECKED : MF_UNCHECKED));
  ::EnableMenuItem(menu_.get(), index, MF_BYPOSITION | (action.Enabled() ? MF_ENABLED : MF_GRAYED));
}

}  // namespace ostrevin::toolkit
