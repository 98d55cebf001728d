#include "toolkit/action.h"

#include <algorithm>

#include "base/decimal_text.h"
#include "toolkit/form.h"

namespace ostrevin::toolkit {
namespace {

bool KeyHeld(int virtualKey) {
  return (::GetKeyState(virtualKey) & 0x8000) != 0;
}

std::wstring KeyName(UINT virtualKey) {
  if (virtualKey >= VK_F1 && virtualKey <= VK_F24) {
    return L"F" + DecimalText(virtualKey - VK_F1 + 1);
  }
  if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z')) {
    return std::wstring(1, static_cast<wchar_t>(virtualKey));
  }
  wchar_t name[64] = {};
  const LONG scanCode = static_cast<LONG>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  if (::GetKeyNameTextW(scanCode << 16, name, static_cast<int>(std::size(name))) > 0) return name;
  return L"#" + DecimalText(virtualKey);
}

}  // namespace

Shortcut ShortcutOfKey(UINT virtualKey) {
  Shortcut shortcut = virtualKey & 0xFF;
  if (KeyHeld(VK_SHIFT)) shortcut |= kShiftKey;
  if (KeyHeld(VK_CONTROL)) shortcut |= kCtrlKey;
  if (KeyHeld(VK_MENU)) shortcut |= kAltKey;
  return shortcut;
}

std::wstring ShortcutText(Shortcut shortcut) {
  if (shortcut == 0) return {};
  std::wstring text;
  if (shortcut & kShiftKey) text += L"Shift+";
  if (shortcut & kCtrlKey) text += L"Ctrl+";
  if (shortcut & kAltKey) text += L"Alt+";
  return text + KeyName(shortcut & 0xFF);
}

ActionClient::~ActionClient() {
  for (Action* action : followed_) std::erase(action->clients_, this);
}

void ActionClient::Follow(Action& action) {
  if (std::find(followed_.begin(), followed_.end(), &action) != followed_.end()) return;
  followed_.push_back(&action);
  action.clients_.push_back(this);
}

Action::Action(Form& form, ActionDesign design) : form_(&form), design_(std::move(design)) {
  form_->AddAction(*this);
}

Action::~Action() {
  if (form_) form_->RemoveAction(*this);
  for (ActionClient* client : clients_) {
    std::erase(client->followed_, this);
    client->ActionDestroyed(*this);
  }
}

void Action::SetEnabled(bool enabled) {
  if (design_.enabled == enabled) return;
  design_.enabled = enabled;
  Changed();
}

void Action::SetChecked(bool checked) {
  if (design_.checked == checked) return;
  design_.checked = checked;
  Changed();
}

bool Action::Execute() {
  if (!design_.enabled || !design_.onExecute) return false;
  // The handler may replace the action's handler while it runs.
  const std::function<void()> handler = design_.onExecute;
  handler();
  return true;
}

void Action::Changed() {
  for (ActionClient* client : clients_) client->ActionChanged(*this);
}

}  // namespace ostrevin::toolkit
