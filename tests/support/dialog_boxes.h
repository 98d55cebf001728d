#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ostrevin::test_support {

// While it exists, calls back with every dialog box (a message box) of this
// thread as it is activated, that is when it is about to be seen, with its
// controls in place. The callback may read it and post it a button's click.
class DialogBoxWatch {
 public:
  explicit DialogBoxWatch(std::function<void(HWND box)> onBox);
  ~DialogBoxWatch();
  DialogBoxWatch(const DialogBoxWatch&) = delete;
  DialogBoxWatch& operator=(const DialogBoxWatch&) = delete;

 private:
  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam);
  std::function<void(HWND box)> onBox_;
  HHOOK hook_;
};

// The title and the texts and icons of the controls of a dialog box.
struct DialogBoxContents {
  std::wstring title;
  std::vector<std::wstring> texts;
  std::vector<HICON> icons;
  RECT bounds{};

  bool HasText(const std::wstring& text) const;
  bool HasIcon(HICON icon) const;
};
DialogBoxContents ReadDialogBox(HWND box);

// A window's text as it shows it.
std::wstring ShownText(HWND window);

// Answers a system file dialog (GetOpenFileName, GetSaveFileName) with a
// file name and its OK button.
void AnswerFileDialog(HWND box, const std::wstring& name);

}  // namespace ostrevin::test_support
