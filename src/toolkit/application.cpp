#include "toolkit/application.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "base/app_error.h"
#include "toolkit/dpi.h"
#include "toolkit/error_guard.h"
#include "toolkit/window.h"

namespace ostrevin::toolkit {

// The hidden top-level window of the application: owner of every form and
// carrier of the program's one taskbar entry. It is shown with zero size, so
// it never covers anything, whenever the main form is shown.
class ApplicationWindow : public Window {
 public:
  explicit ApplicationWindow(const std::wstring& title) {
    const int centreX = ::GetSystemMetrics(SM_CXSCREEN) / 2;
    const int centreY = ::GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateHandle({.className = Application::kWindowClass,
                  .style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                  .text = title,
                  .bounds = {centreX, centreY, centreX, centreY}});
  }
  ~ApplicationWindow() override { DestroyHandle(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return Application::Instance().HandleApplicationMessage(Handle(), message, wParam, lParam);
  }
};

struct Application::State {
  // The window goes first: its destruction still runs the hooks and reports
  // errors, so the hooks and the error sink must outlive it.
  ~State() { window.reset(); }

  struct Hook {
    int id;
    MessageHook hook;
  };

  HINSTANCE instance = nullptr;
  std::wstring title;
  UniqueIcon icon;
  UniqueIcon smallIcon;
  int iconSize = 0;
  int smallIconSize = 0;
  std::unique_ptr<ApplicationWindow> window;
  HWND mainForm = nullptr;
  bool showMainForm = true;
  bool terminated = false;
  int runDepth = 0;
  bool active = false;
  std::vector<Hook> hooks;
  int nextHookId = 1;
  ErrorReportSink errorSink;
  ProcessEnd processEnd;
  bool sessionEnding = false;
};

namespace {

UniqueIcon LoadProgramIcon(HINSTANCE instance, int size) {
  HANDLE own = ::LoadImageW(instance, Application::kProgramIconResource, IMAGE_ICON, size, size, 0);
  if (own) return UniqueIcon(static_cast<HICON>(own));
  // The shared system icon must not be destroyed: keep a copy of our own.
  HICON shared = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */);
  return UniqueIcon(static_cast<HICON>(::CopyImage(shared, IMAGE_ICON, size, size, 0)));
}

std::wstring Widen(const char* text) {
  const std::string narrow(text);
  for (UINT codePage : {UINT{CP_UTF8}, UINT{CP_ACP}}) {
    const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    const int length = ::MultiByteToWideChar(codePage, flags, narrow.data(),
                                             static_cast<int>(narrow.size()), nullptr, 0);
    if (length <= 0) continue;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, flags, narrow.data(), static_cast<int>(narrow.size()),
                          wide.data(), length);
    return wide;
  }
  return std::wstring(narrow.begin(), narrow.end());
}

// The message of the exception being handled.
std::wstring CurrentErrorMessage() {
  try {
    throw;
  } catch (const AppError& error) {
    return error.message();
  } catch (const std::exception& error) {
    return Widen(error.what());
  } catch (...) {
    return L"An unexpected error occurred";
  }
}

}  // namespace

Application& Application::Instance() {
  static Application application;
  return application;
}

Application::State& Application::state() const {
  static State state;
  return state;
}

void Application::Initialize(HINSTANCE instance) {
  State& s = state();
  if (s.window) throw AppError(L"The application is already initialized");
  s.instance = instance;
  s.window = std::make_unique<ApplicationWindow>(s.title);
  FollowIconSizes();
}

// The window gets the new images before the old ones are destroyed.
void Application::FollowIconSizes() {
  State& s = state();
  const DpiScale taskbar(TaskbarDpi());
  const int size = SystemMetricAt(SM_CXICON, taskbar);
  const int smallSize = SystemMetricAt(SM_CXSMICON, taskbar);
  if (s.icon && size == s.iconSize && smallSize == s.smallIconSize) return;
  UniqueIcon icon = LoadProgramIcon(s.instance, size);
  UniqueIcon smallIcon = LoadProgramIcon(s.instance, smallSize);
  ::SendMessageW(s.window->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
  ::SendMessageW(s.window->Handle(), WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(smallIcon.get()));
  s.icon = std::move(icon);
  s.smallIcon = std::move(smallIcon);
  s.iconSize = size;
  s.smallIconSize = smallSize;
}

HINSTANCE Application::InstanceHandle() const {
  return state().instance;
}
HICON Application::Icon() const {
  return state().icon.get();
}
HICON Application::SmallIcon() const {
  return state().smallIcon.get();
}
UniqueIcon Application::ProgramIcon(int size) const {
  return LoadProgramIcon(state().instance, size);
}

void Application::SetTitle(const std::wstring& title) {
  state().title = title;
  if (HWND window = Handle()) ::SetWindowTextW(window, title.c_str());
}

const std::wstring& Application::Title() const {
  return state().title;
}

HWND Application::Handle() const {
  const State& s = state();
  return s.window ? s.window->Handle() : nullptr;
}

void Application::SetMainFormHandle(HWND form) {
  state().mainForm = form;
}
HWND Application::MainFormHandle() const {
  return state().mainForm;
}
void Application::SetShowMainForm(bool show) {
  state().showMainForm = show;
}
bool Application::ShowMainForm() const {
  return state().showMainForm;
}

int Application::Run() {
  State& s = state();
  ++s.runDepth;
  struct LeaveRun {
    State& s;
    ~LeaveRun() {
      --s.runDepth;
      s.terminated = false;
    }
  } leave{s};

  if (s.showMainForm) ShowMainFormWindow();
  int exitCode = 0;
  while (!s.terminated && HandleOneMessage(exitCode)) {
  }
  return exitCode;
}

void Application::Terminate() {
  state().terminated = true;
  // Wakes a loop that waits for a message, so that it sees the request.
  if (HWND window = Handle()) ::PostMessageW(window, WM_NULL, 0, 0);
}

bool Application::Terminated() const {
  return state().terminated;
}

void Application::ProcessMessages() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

bool Application::HandleMessage() {
  int exitCode = 0;
  if (HandleOneMessage(exitCode)) return true;
  ::PostQuitMessage(exitCode);
  return false;
}

// Not GetMessage: messages sent from other threads (an activation change) are
// handled while the loop waits, and one of them may ask the loop to end after
// a nested loop (a fade) has already taken the posted wake-up; GetMessage
// would then wait on for the next posted message. Returns true, handling
// nothing, once an end is asked for.
bool Application::HandleOneMessage(int& exitCode) {
  MSG message{};
  while (!::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (state().terminated) return true;
    ::WaitMessage();
  }
  if (message.message == WM_QUIT) {
    exitCode = static_cast<int>(message.wParam);
    return false;
  }
  Dispatch(message);
  return true;
}

void Application::Dispatch(MSG& message) {
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
      CallGuarded([&] { return PreviewKeyMessage(message); }, true)) {
    return;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

// Keys go to the active window alone: a shortcut of the timer window does
// nothing while a dialog it owns is the active window, so that F12 cannot
// open a second settings dialog over the first.
bool Application::PreviewKeyMessage(MSG& message) {
  Window* active = Window::FromHandle(::GetActiveWindow());
  return active && active->PreviewKeyMessage(message);
}

// Windows hides the forms of a minimized owner and shows them again when it
// is restored; Wine does not, so both are asked for here as well.
void Application::Restore() {
  HWND window = Handle();
  if (!window || !::IsIconic(window)) return;
  ::ShowWindow(window, SW_RESTORE);
  ::ShowOwnedPopups(window, TRUE);
}

void Application::Minimize() {
  HWND window = Handle();
  if (!window) return;
  ::ShowWindow(window, SW_MINIMIZE);
  ::ShowOwnedPopups(window, FALSE);
}

int Application::AddMessageHook(MessageHook hook) {
  State& s = state();
  const int id = s.nextHookId++;
  s.hooks.push_back({id, std::move(hook)});
  return id;
}

void Application::RemoveMessageHook(int id) {
  std::erase_if(state().hooks, [id](const State::Hook& hook) { return hook.id == id; });
}

void Application::RunMessageHooks(UINT message, WPARAM wParam, LPARAM lParam) {
  // A hook may add or remove hooks (a tray icon created or destroyed by its
  // handler): walk the ids present now and skip those gone meanwhile.
  std::vector<int> ids;
  for (const State::Hook& hook : state().hooks) ids.push_back(hook.id);
  for (int id : ids) {
    const auto& hooks = state().hooks;
    auto found = std::find_if(hooks.begin(), hooks.end(),
                              [id](const State::Hook& hook) { return hook.id == id; });
    if (found == hooks.end()) continue;
    MessageHook hook = found->hook;
    RunGuarded([&] { hook(message, wParam, lParam); });
  }
}

LRESULT Application::HandleApplicationMessage(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  RunMessageHooks(message, wParam, lParam);
  State& s = state();
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        Minimize();
        return 0;
      }
      if ((wParam & 0xFFF0) == SC_RESTORE) {
        Restore();
        ShowMainFormWindow();
        return 0;
      }
      break;
    case WM_SETFOCUS: {
      // The zero-size window cannot take keys: the form last active takes
      // the focus, so that its shortcut keys work.
      HWND popup = ::GetLastActivePopup(window);
      if (popup == window) popup = s.mainForm;
      if (popup && !::IsIconic(window) && ::IsWindowVisible(popup) && ::IsWindowEnabled(popup)) {
        ::SetFocus(popup);
      }
      return 0;
    }
    case WM_CLOSE:
      if (s.mainForm) {
        ::SendMessageW(s.mainForm, WM_CLOSE, 0, 0);
      } else {
        Terminate();
      }
      return 0;
    case WM_ENDSESSION:
      if (wParam) EndSession();
      return 0;
    // The scaling may have changed without a new logon.
    case kDpiChangedMessage:
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      if (s.window) FollowIconSizes();
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void Application::ShowMainFormWindow() {
  HWND form = state().mainForm;
  if (form && !::IsWindowVisible(form)) ::ShowWindow(form, SW_SHOW);
}

void Application::ApplicationActivated(bool active) {
  State& s = state();
  if (s.active == active) return;
  s.active = active;
  std::function<void()> handler = active ? OnActivate : OnDeactivate;
  if (handler) RunGuarded(handler);
}

void Application::WindowDestroyed(HWND window) {
  State& s = state();
  if (window != s.mainForm) return;
  s.mainForm = nullptr;
  if (s.runDepth > 0) Terminate();
}

void Application::EndSession() {
  State& s = state();
  {
    struct Ending {
      bool& flag;
      explicit Ending(bool& f) : flag(f) { flag = true; }
      ~Ending() { flag = false; }
    } ending(s.sessionEnding);
    if (s.mainForm) ::DestroyWindow(s.mainForm);
  }
  const ProcessEnd end = s.processEnd;
  if (end) {
    end();
  } else {
    ::ExitProcess(0);
  }
}

void Application::SetProcessEnd(ProcessEnd end) {
  state().processEnd = std::move(end);
}

void Application::HandleCurrentException() {
  if (!std::current_exception()) return;
  try {
    ShowErrorText(CurrentErrorMessage());
  } catch (...) {
    // Even the report failed (no memory left): there is nothing more to show.
  }
}

void Application::ShowErrorText(const std::wstring& text) {
  const State& s = state();
  if (s.sessionEnding) return;
  HWND owner = ::GetActiveWindow();
  const ErrorReport report{owner ? owner : Handle(), s.title, ErrorReportText(text),
                           MB_ICONERROR | MB_OK};
  if (s.errorSink) {
    ErrorReportSink sink = s.errorSink;
    sink(report);
    return;
  }
  ::MessageBoxW(report.owner, report.text.c_str(), report.title.c_str(), report.style);
}

std::wstring Application::ErrorReportText(const std::wstring& message) {
  if (!message.empty() && message.back() > L'.') return message + L".";
  return message;
}

void Application::SetErrorReportSink(ErrorReportSink sink) {
  state().errorSink = std::move(sink);
}

ScopedMessageHook::ScopedMessageHook(Application::MessageHook hook)
    : id_(Application::Instance().AddMessageHook(std::move(hook))) {}

ScopedMessageHook::~ScopedMessageHook() {
  Application::Instance().RemoveMessageHook(id_);
}

}  // namespace ostrevin::toolkit
