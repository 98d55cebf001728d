#include "dialog_boxes.h"

#include <algorithm>

namespace ostrevin::test_support {

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

std::wstring ShownText(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void AnswerFileDialog(HWND box, const std::wstring& name) {
  constexpr int kFileNameCombo = 0x47C;  // cmb13, where Windows takes the name
  constexpr int kFileNameEdit = 0x480;   // edt1, where Wine takes it
  if (!::SetDlgItemTextW(box, kFileNameCombo, name.c_str())) {
    ::SetDlgItemTextW(box, kFileNameEdit, name.c_str());
  }
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace ostrevin::test_support
