// The end-to-end tests' hands and eyes inside Wine, for what xdotool cannot
// do from outside: hold a file the way a backup or antivirus program does,
// and read and answer a message box of the program.
//
//   e2e_probe hold <file>            opens the file with no sharing, prints
//                                    "held" and keeps it so until killed
//   e2e_probe box <title>            prints the texts of the message box of
//                                    that title, one a line; exits 1 when
//                                    none is shown
//   e2e_probe answer <title> <button>  presses "ok", "yes" or "no" in the
//                                    message box of that title; exits 1 when
//                                    none is shown
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "toolkit/handles.h"

namespace {

using ostrevin::toolkit::UniqueKernelHandle;

void PrintLine(const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
  std::printf("%s\n", utf8.c_str());
  std::fflush(stdout);
}

int Hold(const std::wstring& file) {
  UniqueKernelHandle held(::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (held.get() == INVALID_HANDLE_VALUE) {
    held.release();
    return 1;
  }
  PrintLine(L"held");
  ::Sleep(INFINITE);
  return 0;
}

// A shown message box: a dialog of the system's dialog class.
HWND FindBox(const std::wstring& title) {
  HWND box = ::FindWindowW(L"#32770", title.c_str());
  return box && ::IsWindowVisible(box) ? box : nullptr;
}

std::vector<std::wstring> TextsOf(HWND box) {
  std::vector<std::wstring> texts;
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t text[2048] = {};
    // A static text keeps its text with its window, so another process can
    // read it.
    if (::GetWindowTextW(child, text, static_cast<int>(std::size(text))) > 0) texts.push_back(text);
  }
  return texts;
}

int PrintBox(const std::wstring& title) {
  HWND box = FindBox(title);
  if (!box) return 1;
  for (const std::wstring& text : TextsOf(box)) PrintLine(text);
  return 0;
}

int Answer(const std::wstring& title, const std::wstring& button) {
  HWND box = FindBox(title);
  if (!box) return 1;
  const WPARAM id = button == L"yes" ? IDYES : button == L"no" ? IDNO : IDOK;
  ::PostMessageW(box, WM_COMMAND, id, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == L"hold") return Hold(args[1]);
  if (args.size() == 2 && args[0] == L"box") return PrintBox(args[1]);
  if (args.size() == 3 && args[0] == L"answer") return Answer(args[1], args[2]);
  std::fprintf(stderr, "usage: e2e_probe hold <file> | box <title> | answer <title> ok|yes|no\n");
  return 2;
}
