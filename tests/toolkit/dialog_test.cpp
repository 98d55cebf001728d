#include "dialog_test.h"

namespace ostrevin::toolkit {

void DialogTest::SetUp() {
  ToolkitTest::SetUp();
  mainForm = std::make_unique<TestForm>();
  app.SetMainFormHandle(mainForm->Handle());
  dialog = std::make_unique<TestForm>(FormDesign{.caption = L"Настройки",
                                                 .clientWidth = 441,
                                                 .clientHeight = 301,
                                                 .position = FormPosition::ScreenCenter,
                                                 .font = {.face = L"MS Sans Serif", .height = 11}},
                                      mainForm->Handle());
}

void DialogTest::TearDown() {
  dialog.reset();
  mainForm.reset();
  ToolkitTest::TearDown();
}

void DialogTest::ShowDialog() {
  dialog->SetVisible(true);
  ::SetForegroundWindow(dialog->Handle());
  ::SetActiveWindow(dialog->Handle());
  app.ProcessMessages();
  ASSERT_EQ(::GetActiveWindow(), dialog->Handle());
}

void DialogTest::PressKey(UINT virtualKey) {
  ::PostMessageW(::GetFocus(), WM_KEYDOWN, virtualKey, 1);
  app.ProcessMessages();
}

void DialogTest::Type(const std::wstring& text) {
  for (wchar_t c : text) ::PostMessageW(::GetFocus(), WM_CHAR, c, 1);
  app.ProcessMessages();
}

ControlEvent DialogTest::Record(const std::wstring& what) {
  return [this, what](Control& sender) { events.push_back(what + L" " + sender.Name()); };
}

}  // namespace ostrevin::toolkit
