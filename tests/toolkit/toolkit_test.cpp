#include "toolkit_test.h"

#include <algorithm>

namespace ostrevin::toolkit {

void ToolkitTest::SetUp() {
  if (!app.Handle()) app.Initialize(::GetModuleHandleW(nullptr));
  app.SetTitle(kTitle);
  app.SetErrorReportSink(
      [this](const Application::ErrorReport& report) { reports.push_back(report); });
}

void ToolkitTest::TearDown() {
  app.ProcessMessages();
  app.SetErrorReportSink({});
  app.OnActivate = nullptr;
  app.OnDeactivate = nullptr;
  app.SetMainFormHandle(nullptr);
  app.SetShowMainForm(true);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  Application& app = Application::Instance();
  for (;;) {
    app.ProcessMessages();
    if (condition()) return true;
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}

namespace {
DialogBoxWatch* activeWatch = nullptr;
}

DialogBoxWatch::DialogBoxWatch(std::function<void(HWND box)> onBox)
    : onBox_(std::move(onBox)),
      hook_(::SetWindowsHookExW(WH_CBT, &DialogBoxWatch::Watch, nullptr, ::GetCurrentThreadId())) {
  activeWatch = this;
}

DialogBoxWatch::~DialogBoxWatch() {
  ::UnhookWindowsHookEx(hook_);
  activeWatch = nullptr;
}

LRESULT CALLBACK DialogBoxWatch::Watch(int code, WPARAM wParam, LPARAM lParam) {
  auto window = reinterpret_cast<HWND>(wParam);
  wchar_t className[16] = {};
  if (code == HCBT_ACTIVATE && activeWatch &&
      ::GetClassNameW(window, className, static_cast<int>(std::size(className))) &&
      std::wstring(className) == L"#32770") {
    activeWatch->onBox_(window);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool DialogBoxContents::HasText(const std::wstring& text) const {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool DialogBoxContents::HasIcon(HICON icon) const {
  return std::find(icons.begin(), icons.end(), icon) != icons.end();
}

DialogBoxContents ReadDialogBox(HWND box) {
  DialogBoxContents contents;
  wchar_t text[512] = {};
  ::GetWindowTextW(box, text, static_cast<int>(std::size(text)));
  contents.title = text;
  ::GetWindowRect(box, &contents.bounds);
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::GetWindowTextW(child, text, static_cast<int>(std::size(text)));
    contents.texts.emplace_back(text);
    contents.icons.push_back(reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0)));
  }
  return contents;
}

FormDesign TimerWindowDesign() {
  return FormDesign{
      .caption = L"Ostrevin",
      .border = FormBorder::None,
      .topMost = true,
      .clientWidth = 225,
      .clientHeight = 299,
      .position = FormPosition::ScreenCenter,
      .color = clBtnFace,
      .font = {.face = L"MS Sans Serif", .height = 11},
      .alphaBlend = true,
      .alphaBlendValue = 127,
      .transparentColor = clBtnFace,
      .snapBuffer = 20,
      .tag = 1,
  };
}

int TestForm::Count(UINT message) const {
  return static_cast<int>(std::count(received_.begin(), received_.end(), message));
}

LRESULT TestForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  received_.push_back(message);
  if (intercept && intercept(message, wParam, lParam)) return 0;
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace ostrevin::toolkit
