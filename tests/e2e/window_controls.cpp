// The end-to-end tests' view of another program's windows: the controls of
// each visible top-level window with a given title, read through their
// messages (an edit's text lives in the edit, out of reach of the window
// tree that xdotool sees).
//
//   window_controls <title>
//
// prints, for each visible window of that title, a line
//   window <class> <width> <height>
// and then one line for each window inside it, in the order the system
// keeps them, tab-separated:
//   <class> <visible 0/1> <enabled 0/1> <check: 0/1, - for no check box>
//   <left> <top> <right> <bottom> (on the screen) <text>
// Exits 1 when no such window is shown.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

void PrintLine(const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
  std::printf("%s\n", utf8.c_str());
}

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
  const bool checkable = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                         type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ||
                         type == BS_3STATE || type == BS_AUTO3STATE;
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_controls <title>\n");
    return 2;
  }
  Search search{argv[1], {}};
  ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
  for (HWND window : search.found) {
    RECT place{};
    ::GetWindowRect(window, &place);
    PrintLine(L"window\t" + ClassOf(window) + L"\t" + std::to_wstring(place.right - place.left) +
              L"\t" + std::to_wstring(place.bottom - place.top));
    ::EnumChildWindows(window, &PrintControl, 0);
  }
  std::fflush(stdout);
  return search.found.empty() ? 1 : 0;
}
