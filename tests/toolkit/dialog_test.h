#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {

// A dialog owned by a main form, shown and active, for the controls that
// live on dialogs. Events are recorded as "name" or "name=value" strings.
class DialogTest : public ToolkitTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Shows the dialog and makes it the active window.
  void ShowDialog();
  // A key pressed while the dialog is active, through the program's loop.
  void PressKey(UINT virtualKey);
  // A character typed into the focused control, through the program's loop.
  void Type(const std::wstring& text);

  ControlEvent Record(const std::wstring& what);

  std::unique_ptr<TestForm> mainForm;
  std::unique_ptr<TestForm> dialog;
  std::vector<std::wstring> events;
};

}  // namespace ostrevin::toolkit
