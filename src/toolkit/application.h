#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/handles.h"

namespace ostrevin::toolkit {

// The application object, one per process: the hidden top-level application
// window that owns the forms and carries the program's taskbar entry, the
// main form, the one message loop (also used by modal forms) and the one
// error report.
class Application {
 public:
  static Application& Instance();

  // The name of the program icon in the exe's resources. Initialize loads it
  // (the system's application icon when there is none) for the taskbar entry.
  static constexpr const wchar_t* kProgramIconResource = L"MAINICON";
  // The class of the application window, one per running program: how another
  // process (a second start, an installer) finds a running copy.
  static constexpr const wchar_t* kWindowClass = L"OstrevinApplication";

  // Creates the application window. Call once, before any form is created.
  void Initialize(HINSTANCE instance);
  HINSTANCE InstanceHandle() const;

  // The program icon of the taskbar entry: the large and the small icon's
  // images at the scaling of the taskbar's screen (32 and 16 pixels at 100
  // %), loaded again when the scaling changes without a new logon.
  HICON Icon() const;
  HICON SmallIcon() const;
  // A new image of the program icon of size x size pixels: the one drawn at
  // that size when the icon has it.
  UniqueIcon ProgramIcon(int size) const;

  void SetTitle(const std::wstring& title);  // also the taskbar entry's text
  const std::wstring& Title() const;

  // The application window: hidden, owner of every form.
  HWND Handle() const;

  // The main form's window; the loop ends when it is destroyed.
  void SetMainFormHandle(HWND form);
  HWND MainFormHandle() const;
  // Whether Run shows the main form when the loop starts (default true).
  void SetShowMainForm(bool show);
  bool ShowMainForm() const;

  // Runs the message loop until Terminate; returns the exit code. The close
  // request is cleared when it returns.
  int Run();
  // The orderly close: the loop ends after the current message.
  void Terminate();
  bool Terminated() const;
  // Handles every message waiting for this thread, then returns.
  void ProcessMessages();
  // Waits for and handles one message, or returns at once while the program
  // is to close (Terminated); false once WM_QUIT arrived (it is posted again
  // so that the outer loop sees it too). Modal loops use it.
  bool HandleMessage();

  // The user's session ends (logoff, shutdown, or an installer closing the
  // program as Windows does at logoff): the main form is destroyed, so that
  // what it does at its destruction (saving) happens, and then the process
  // ends at once, also from inside the modal loop of a box, dialog or menu
  // that nobody will answer now. Errors meanwhile are not reported: a box
  // would only hold the session's end up.
  void EndSession();
  // What ends the process after the session's end: ExitProcess unless set
  // (tests record it instead). An empty function restores ExitProcess.
  using ProcessEnd = std::function<void()>;
  void SetProcessEnd(ProcessEnd end);

  void Restore();  // the application back from the minimized state
  void Minimize();

  // Sees every message sent to the application window before the application
  // handles it; a hook never consumes a message. Returns an id for removal.
  using MessageHook = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;
  int AddMessageHook(MessageHook hook);
  void RemoveMessageHook(int id);

  // The program as a whole became, or stopped being, the active application.
  std::function<void()> OnActivate;
  std::function<void()> OnDeactivate;

  // The one error report: a message box titled with the application title,
  // error icon, one OK button, the error's text with "." appended when its
  // last character's code is above that of ".". Call inside a catch block.
  void HandleCurrentException();
  void ShowErrorText(const std::wstring& text);
  // The text the report shows for an error message.
  static std::wstring ErrorReportText(const std::wstring& message);

  // Where the error report goes: a message box, unless a sink is set (tests
  // read the report this way). An empty sink restores the message box.
  struct ErrorReport {
    HWND owner = nullptr;
    std::wstring title;
    std::wstring text;
    UINT style = 0;
  };
  using ErrorReportSink = std::function<void(const ErrorReport& report)>;
  void SetErrorReportSink(ErrorReportSink sink);

 private:
  friend class Window;
  friend class ApplicationWindow;

  Application() = default;
  // Implementation state lives in application.cpp.
  struct State;
  State& state() const;

  // Reads and handles one message unless the program is to close; false when
  // it was WM_QUIT (exit code out).
  bool HandleOneMessage(int& exitCode);
  void Dispatch(MSG& message);
  bool PreviewKeyMessage(MSG& message);
  void ApplicationActivated(bool active);
  void WindowDestroyed(HWND window);
  // The application window's procedure (the window is being created while
  // Handle() is still empty).
  LRESULT HandleApplicationMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RunMessageHooks(UINT message, WPARAM wParam, LPARAM lParam);
  // The taskbar entry's icons at the size the taskbar shows now.
  void FollowIconSizes();
  void ShowMainFormWindow();
};

// An application message hook for as long as the object lives.
class ScopedMessageHook {
 public:
  explicit ScopedMessageHook(Application::MessageHook hook);
  ~ScopedMessageHook();
  ScopedMessageHook(const ScopedMessageHook&) = delete;
  ScopedMessageHook& operator=(const ScopedMessageHook&) = delete;

 private:
  int id_;
};

}  // namespace ostrevin::toolkit
