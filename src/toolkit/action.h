#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ostrevin::toolkit {

class Form;

// A shortcut key: a virtual-key code, with the modifier flags below or-ed in.
using Shortcut = unsigned;
inline constexpr Shortcut kShiftKey = 0x2000;
inline constexpr Shortcut kCtrlKey = 0x4000;
inline constexpr Shortcut kAltKey = 0x8000;

// The shortcut of a key pressed now, with the modifiers held at the moment.
Shortcut ShortcutOfKey(UINT virtualKey);
// The text a menu shows for a shortcut ("F12", "Ctrl+S"); empty for none.
std::wstring ShortcutText(Shortcut shortcut);

struct ActionDesign {
  std::wstring caption{};
  std::wstring hint{};
  int imageIndex = -1;  // -1: no picture
  Shortcut shortcut = 0;
  bool enabled = true;
  bool checked = false;
  std::function<void()> onExecute{};
};

class Action;

// Something that shows an action's state: a toolbar button, a menu item.
class ActionClient {
 public:
  ActionClient() = default;
  ActionClient(const ActionClient&) = delete;
  ActionClient& operator=(const ActionClient&) = delete;

 protected:
  ~ActionClient();
  // Links the client to the action; ActionChanged follows every change.
  void Follow(Action& action);
  virtual void ActionChanged(const Action& action) = 0;
  // The action is being destroyed: the client must forget it.
  virtual void ActionDestroyed(const Action& action) = 0;

 private:
  friend class Action;
  std::vector<Action*> followed_;
};

// A command the user can run from a toolbar button, a menu item or a shortcut
// key. Its key works only while its form itself is the active window.
// Executing a disabled action does nothing.
class Action {
 public:
  Action(Form& form, ActionDesign design);
  ~Action();
  Action(const Action&) = delete;
  Action& operator=(const Action&) = delete;

  const std::wstring& Caption() const { return design_.caption; }
  const std::wstring& Hint() const { return design_.hint; }
  int ImageIndex() const { return design_.imageIndex; }
  Shortcut ShortcutKey() const { return design_.shortcut; }

  bool Enabled() const { return design_.enabled; }
  void SetEnabled(bool enabled);
  bool Checked() const { return design_.checked; }
  void SetChecked(bool checked);

  // Runs the handler when the action is enabled; true when it ran.
  bool Execute();

 private:
  friend class ActionClient;
  friend class Form;
  void Changed();

  Form* form_;
  ActionDesign design_;
  std::vector<ActionClient*> clients_;
};

}  // namespace ostrevin::toolkit
