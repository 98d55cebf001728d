// Floor for the settings dialog's opening cost, with the controls the dialog
// holds today: floor_dialog.cpp, from the shared floors, has the controls of
// the first dialog of four tabs; the dialog has since gained the bell
// schedules, the week's seven drop-down lists, a tab for the school bell's
// time and more options. This is the same dialog made the plain Win32 way: a
// window with a tab control of five tabs and every control a window of its
// own, labels as static controls, all children of the window and shown or
// hidden by page. It is opened, taken through its tabs with the benchmark's
// RedrawWindow call, and closed, N times (argument, 50 by default), and prints
// its time as floor_dialog does, and what its memory kept after the first
// opening. Plain windows.h: none of the program's code.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kPages = 5;
constexpr int kWeekDays = 7;
constexpr int kBellRows = 8;
constexpr int kTaughtRows = 7;
constexpr int kNumberFields = 5;
constexpr int kOptionBoxes = 8;
constexpr int kSoundBoxes = 4;
constexpr int kAboutLines = 7;

HINSTANCE instance;
HWND dialog;
HWND tabs;
HFONT font;
std::vector<HWND> pages[kPages];

// A child of the dialog on a page (page -1: below the tabs, always shown).
HWND Make(int page, const wchar_t* windowClass, const wchar_t* text, DWORD style, int x, int y,
          int width, int height) {
  const DWORD shown = page <= 0 ? WS_VISIBLE : 0;
  const HWND control = ::CreateWindowExW(0, windowClass, text, WS_CHILD | style | shown, x, y,
                                         width, height, dialog, nullptr, instance, nullptr);
  ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  if (page >= 0) pages[page].push_back(control);
  return control;
}

void Label(int page, const wchar_t* text, int x, int y, int width) {
  Make(page, L"STATIC", text, 0, x, y, width, 13);
}

void CheckBox(int page, const wchar_t* text, int x, int y, int width) {
  Make(page, L"BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, width, 17);
}

void PushButton(int page, const wchar_t* text, int x, int y, int width, int height) {
  Make(page, L"BUTTON", text, BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, x, y, width, height);
}

void Edit(int page, const wchar_t* text, int x, int y, int width) {
  Make(page, L"EDIT", text, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, x, y, width, 21);
}

void NumberField(int page, const wchar_t* text, int x, int y, int width) {
  const HWND edit = Make(page, L"EDIT", text, WS_BORDER | WS_TABSTOP | ES_NUMBER, x, y, width, 22);
  const HWND arrows =
      Make(page, UPDOWN_CLASSW, L"", UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, 0, 0, 0);
  ::SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
}

void RadioGroup(int page, const wchar_t* caption, int x, int y, int width, int height, int items) {
  Make(page, L"BUTTON", caption, BS_GROUPBOX, x, y, width, height);
  for (int item = 0; item < items; ++item) {
    Make(page, L"BUTTON", L"Только в начале", BS_AUTORADIOBUTTON | WS_TABSTOP, x + 8,
         y + 18 + item * 22, width - 16, 17);
  }
}

void ListBox(int page, int x, int y, int width, int height, int items) {
  const HWND list = Make(page, L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY | WS_TABSTOP, x,
                         y, width, height);
  for (int item = 0; item < items; ++item) {
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Понедельник"));
  }
}

void DropDownList(int page, int x, int y) {
  const HWND list =
      Make(page, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, y, 100, 200);
  for (const wchar_t* name : {L"Основное", L"Сокращённое", L"Суббота"}) {
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  ::SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void MakeTimetablePage() {
  Label(0, L"Расписания звонков:", 24, 44, 120);
  ListBox(0, 24, 60, 176, 108, 3);
  Label(0, L"Название:", 24, 176, 56);
  Edit(0, L"Основное", 82, 172, 118);
  PushButton(0, L"Добавить", 24, 198, 56, 23);
  PushButton(0, L"Копировать", 82, 198, 66, 23);
  PushButton(0, L"Удалить", 150, 198, 50, 23);
  Label(0, L"Дни недели:", 24, 232, 80);
  for (int day = 0; day < kWeekDays; ++day) {
    Label(0, L"Понедельник", 24, 252 + day * 25, 70);
    DropDownList(0, 100, 248 + day * 25);
  }
  Label(0, L"Звонки:", 216, 44, 60);
  for (int row = 0; row < kBellRows; ++row) {
    const int y = 60 + row * 22;
    Label(0, L"1", 216, y + 4, 16);
    Edit(0, L"08:30", 236, y, 41);
    Label(0, L"–", 280, y + 4, 8);
    Edit(0, L"09:15", 290, y, 41);
  }
  CheckBox(0, L"нумерация с нуля", 216, 418, 120);
  PushButton(0, L"Вставить из буфера", 216, 438, 113, 23);
  Label(0, L"Мои уроки:", 348, 44, 70);
  ListBox(0, 348, 60, 113, 97, kWeekDays);
  Label(0, L"Понедельник: Основное", 348, 162, 192);
  for (int row = 0; row < kTaughtRows; ++row) {
    const int y = 180 + row * 17;
    CheckBox(0, L"1-й урок", 348, y, 78);
    Label(0, L"08:30 - 09:15", 428, y + 2, 90);
  }
}

void MakeOptionsPage() {
  for (int box = 0; box < kOptionBoxes; ++box) {
    CheckBox(1, L"предупреждать перед началом урока за", 104, 42 + box * 24, 233);
  }
  for (int field = 0; field < kNumberFields; ++field) {
    const int y = 240 + field * 26;
    Label(1, L"Длительность урока:", 72, y + 4, 110);
    NumberField(1, L"45", 192, y, 49);
    Label(1, L"мин.", 246, y + 4, 30);
  }
}

void MakeSoundsPage() {
  for (int box = 0; box < kSoundBoxes; ++box) {
    CheckBox(2, L"после вступительной части", 40, 50 + box * 24, 193);
  }
  RadioGroup(2, L"Заключительная часть: ", 56, 150, 185, 97, 3);
}

void MakeBellPage() {
  RadioGroup(3, L"Звонок по часам компьютера", 32, 46, 169, 65, 2);
  NumberField(3, L"0", 208, 68, 57);
  Label(3, L"с", 272, 72, 10);
  Label(3, L"В момент звонка можно выбрать «Звонок прозвенел» в меню значка программы.", 32, 118,
        385);
  Label(3, L"Сервер времени школы (имя или адрес, порт через «:»):", 32, 158, 300);
  Edit(3, L"", 32, 176, 233);
  Label(3, L"", 32, 206, 385);
}

void MakeAboutPage() {
  for (int line = 0; line < kAboutLines; ++line) {
    Label(4, L"Автоматический таймер школьных уроков", 40, 46 + line * 24, 300);
  }
  // The link's hint, on the last line.
  const HWND tooltip = ::CreateWindowExW(
      WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, instance, nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(pages[4].back());
  tool.lpszText = const_cast<wchar_t*>(L"Сайт разработчика");
  ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ShowPage(int shown) {
  for (int page = 0; page < kPages; ++page) {
    for (const HWND control : pages[page]) ::ShowWindow(control, page == shown ? SW_SHOW : SW_HIDE);
  }
}

LRESULT CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    ::DestroyWindow(window);
    return 0;
  }
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) {
    ShowPage(static_cast<int>(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0)));
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void Build() {
  RECT frame{0, 0, 556, 509};
  ::AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
  dialog = ::CreateWindowExW(WS_EX_DLGMODALFRAME, L"FloorSettingsDialog", L"Настройки",
                             WS_CAPTION | WS_SYSMENU | WS_POPUP, 100, 100, frame.right - frame.left,
                             frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  for (auto& page : pages) page.clear();
  tabs = ::CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 8, 8,
                           540, 452, dialog, nullptr, instance, nullptr);
  ::SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  const wchar_t* captions[kPages] = {L"Расписание уроков и звонков", L"Общие", L"Звуки", L"Звонки",
                                     L"О программе"};
  for (int page = 0; page < kPages; ++page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(captions[page]);
    ::SendMessageW(tabs, TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&item));
  }
  MakeTimetablePage();
  MakeOptionsPage();
  MakeSoundsPage();
  MakeBellPage();
  MakeAboutPage();
  PushButton(-1, L"Сохранить\r\nнастройки как...", 8, 468, 97, 33);
  PushButton(-1, L"Открыть\r\nнастройки...", 112, 468, 97, 33);
  PushButton(-1, L"OK", 371, 472, 75, 25);
  PushButton(-1, L"Отмена", 451, 472, 75, 25);
}

void CALLBACK TakeThroughTabs(HWND, UINT, UINT_PTR, DWORD) {
  if (!dialog || !::IsWindowVisible(dialog)) return;
  for (int page = 0; page < kPages; ++page) {
    ::SendMessageW(tabs, TCM_SETCURFOCUS, page, 0);
    ShowPage(page);
    ::RedrawWindow(dialog, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  ::DestroyWindow(dialog);
  dialog = nullptr;
}

void Open() {
  Build();
  ::ShowWindow(dialog, SW_SHOW);
  ::UpdateWindow(dialog);
  MSG message;
  while (dialog && ::GetMessageW(&message, nullptr, 0, 0)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// The process's working set (under Wine, its resident memory).
double WorkingSetMegabytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return counters.WorkingSetSize / (1024.0 * 1024.0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE program, HINSTANCE, PWSTR commandLine, int) {
  instance = program;
  INITCOMMONCONTROLSEX classes{
      sizeof(classes), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&classes);
  font = ::CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                       L"MS Sans Serif");
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DialogProcedure;
  windowClass.hInstance = program;
  windowClass.lpszClassName = L"FloorSettingsDialog";
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  ::RegisterClassW(&windowClass);
  int openings = _wtoi(commandLine);
  if (openings <= 0) openings = 50;
  ::SetTimer(nullptr, 0, 1, &TakeThroughTabs);
  const double before = WorkingSetMegabytes();
  Open();
  const double afterFirst = WorkingSetMegabytes();
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  for (int opening = 0; opening < openings; ++opening) Open();
  ::QueryPerformanceCounter(&end);
  const double ms = (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
  std::printf(
      "floor settings dialog: %.1f MB before the first opening, %.1f MB after it (%+.1f MB"
      " kept)\nfloor settings dialog: %d openings, %.1f ms (%.1f ms an opening)\n",
      before, afterFirst, afterFirst - before, openings, ms, ms / openings);
  std::fflush(stdout);
  return 0;
}
