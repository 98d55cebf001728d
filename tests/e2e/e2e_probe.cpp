// The end-to-end tests' hands and eyes inside Wine, for what xdotool cannot
// do from outside: hold a file the way a backup or antivirus program does,
// read and answer a message box of the program, read the controls of its
// windows through their messages (an edit's text lives in the edit, out of
// reach of the window tree that xdotool sees), hand it ticks and put text on
// the clipboard.
//
//   e2e_probe hold <file>            opens the file with no sharing, prints
//                                    "held" and keeps it so until killed
//   e2e_probe box <title>            prints the texts of the message box of
//                                    that title, one a line; exits 1 when
//                                    none is shown
//   e2e_probe answer <title> <button>  presses "ok", "yes" or "no" in the
//                                    message box of that title; exits 1 when
//                                    none is shown
//   e2e_probe controls <title>       for each visible top-level window of
//                                    that title a line
//                                      window <class> <width> <height>
//                                    then one line for each window inside it,
//                                    in the order the system keeps them,
//                                    tab-separated: <class> <visible 0/1>
//                                    <enabled 0/1> <check: 0/1, - for no
//                                    check box> <left> <top> <right> <bottom>
//                                    (on the screen) <text>; exits 1 when no
//                                    such window is shown
//   e2e_probe ticks <count>          hands the running program's timer window
//                                    that many ticks of its 30-second timer,
//                                    each handled before the next; exits 1
//                                    when the window is not there or does not
//                                    take a tick
//   e2e_probe clip <text>            puts the text on the clipboard; exits 1
//                                    when the clipboard cannot be had
//   e2e_probe tab <title> <index>    chooses the tab at that index (from 0)
//                                    of the tab control in the visible window
//                                    of that title, as a click on it does;
//                                    exits 1 when there is none
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
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

constexpr UINT kAnswerTimeoutMs = 5000;

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

// Line breaks and tabs as "\n" and "\t", so that each window stays one line.
std::wstring Escaped(const std::wstring& text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    if (c == L'\r') continue;
    if (c == L'\n') {
      escaped += L"\\n";
    } else if (c == L'\t') {
      escaped += L"\\t";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied)) {
    return {};
  }
  text.resize(copied);
  return text;
}

std::wstring CheckOf(HWND window) {
  if (::lstrcmpiW(ClassOf(window).c_str(), L"Button") != 0) return L"-";
  const LONG type = ::GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
  const bool checkable = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                         type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
  if (!checkable) return L"-";
  DWORD_PTR state = 0;
  ::SendMessageTimeoutW(window, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &state);
  return state == BST_CHECKED ? L"1" : L"0";
}

BOOL CALLBACK PrintControl(HWND window, LPARAM) {
  RECT place{};
  ::GetWindowRect(window, &place);
  PrintLine(ClassOf(window) + L"\t" + (::IsWindowVisible(window) ? L"1" : L"0") + L"\t" +
            (::IsWindowEnabled(window) ? L"1" : L"0") + L"\t" + CheckOf(window) + L"\t" +
            std::to_wstring(place.left) + L"\t" + std::to_wstring(place.top) + L"\t" +
            std::to_wstring(place.right) + L"\t" + std::to_wstring(place.bottom) + L"\t" +
            Escaped(TextOf(window)));
  return TRUE;
}

struct Search {
  std::wstring title;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM searchPointer) {
  auto& search = *reinterpret_cast<Search*>(searchPointer);
  if (::IsWindowVisible(window) && TextOf(window) == search.title) search.found.push_back(window);
  return TRUE;
}

int PrintControls(const std::wstring& title) {
  Search search{title, {}};
  ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
  for (HWND window : search.found) {
    RECT place{};
    ::GetWindowRect(window, &place);
    PrintLine(L"window\t" + ClassOf(window) + L"\t" + std::to_wstring(place.right - place.left) +
              L"\t" + std::to_wstring(place.bottom - place.top));
    ::EnumChildWindows(window, &PrintControl, 0);
  }
  return search.found.empty() ? 1 : 0;
}

constexpr wchar_t kFormClass[] = L"OstrevinForm";
constexpr wchar_t kTimerWindowTitle[] = L"Ostrevin";
// The timer window's tick timer.
constexpr WPARAM kTickTimerId = 1;
// A tick may sound and fade the window in; under load that takes a while.
constexpr UINT kTickTimeoutMs = 20000;

int SendTicks(int count) {
  HWND window = ::FindWindowW(kFormClass, kTimerWindowTitle);
  if (!window) {
    std::fwprintf(stderr, L"no timer window\n");
    return 1;
  }
  for (int tick = 0; tick < count; ++tick) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, WM_TIMER, kTickTimerId, 0, SMTO_NORMAL, kTickTimeoutMs,
                               &result)) {
      std::fwprintf(stderr, L"tick %d was not taken\n", tick + 1);
      return 1;
    }
  }
  std::wprintf(L"%d ticks\n", count);
  return 0;
}

int PutOnClipboard(const std::wstring& text) {
  if (!::OpenClipboard(nullptr)) return 1;
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (memory) {
    std::wmemcpy(static_cast<wchar_t*>(::GlobalLock(memory)), text.c_str(), text.size() + 1);
    ::GlobalUnlock(memory);
  }
  const bool put = memory && ::SetClipboardData(CF_UNICODETEXT, memory);
  ::CloseClipboard();
  return put ? 0 : 1;
}

BOOL CALLBACK FindTabControl(HWND window, LPARAM found) {
  if (::lstrcmpiW(ClassOf(window).c_str(), WC_TABCONTROLW) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// TCM_SETCURFOCUS tells the window the tab changed, as a click does. (Under
// Wine a click on the tabs is not taken once the arrow keys or this message
// have moved among them: a test that chooses a tab this way chooses the
// next one this way too.)
int ChooseTab(const std::wstring& title, int index) {
  Search search{title, {}};
  ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
  HWND tabs = nullptr;
  for (HWND window : search.found) {
    if (!tabs) ::EnumChildWindows(window, &FindTabControl, reinterpret_cast<LPARAM>(&tabs));
  }
  if (!tabs) return 1;
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0,
                               SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)
             ? 0
             : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == L"hold") return Hold(args[1]);
  if (args.size() == 2 && args[0] == L"box") return PrintBox(args[1]);
  if (args.size() == 3 && args[0] == L"answer") return Answer(args[1], args[2]);
  if (args.size() == 2 && args[0] == L"controls") return PrintControls(args[1]);
  if (args.size() == 2 && args[0] == L"ticks") return SendTicks(_wtoi(args[1].c_str()));
  if (args.size() == 2 && args[0] == L"clip") return PutOnClipboard(args[1]);
  if (args.size() == 3 && args[0] == L"tab") return ChooseTab(args[1], _wtoi(args[2].c_str()));
  std::fprintf(stderr,
               "usage: e2e_probe hold <file> | box <title> | answer <title> ok|yes|no | "
               "controls <title> | ticks <count> | clip <text> | tab <title> <index>\n");
  return 2;
}
