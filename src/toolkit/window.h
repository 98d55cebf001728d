#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/handles.h"

namespace ostrevin::toolkit {

// Registers a window class of the program on its first use; a class already
// registered is left as it is. Throws AppError when the system refuses.
void RegisterWindowClass(const wchar_t* className, WNDPROC procedure);

// A window of one of the toolkit's own classes. The object owns its HWND and
// cannot be copied; one static window procedure per class finds the object
// (stored at WM_NCCREATE from lpCreateParams) and forwards each message to
// HandleMessage, inside the error guard. Messages a class does not handle go
// to DefWindowProcW.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return window_.get(); }

  // The toolkit object behind a window, or null for any other window.
  static Window* FromHandle(HWND window);

  // A key message (WM_KEYDOWN .. WM_UNICHAR) taken from the queue while this
  // window is the active one, before it is translated and dispatched; true
  // when the window used it, and it goes no further.
  virtual bool PreviewKeyMessage(MSG& message) { return false; }

  // Sees the window's messages before the window itself does; true when it
  // consumed one, which then goes no further, with its result set.
  using MessageFilter =
      std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;
  // Filters of one window chain in any order they come and go in: the one
  // added last sees a message first. An error in a filter is reported and
  // the message goes on. The window's destruction drops its filters.
  int AddMessageFilter(MessageFilter filter);
  // Harmless for a filter already gone.
  void RemoveMessageFilter(int id);

 protected:
  Window() = default;

  struct CreateParams {
    const wchar_t* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::wstring text;
    RECT bounds{};          // window rectangle, screen coordinates for top-level windows
    HWND parent = nullptr;  // the owner of a top-level window
  };
  // Registers the class on first use and creates the window; throws AppError
  // when the system refuses.
  void CreateHandle(const CreateParams& params);
  // Destroys the window now. A derived class calls it first in its own
  // destructor so that the messages of the destruction still reach it whole.
  void DestroyHandle();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The object of a window of the toolkit's classes; null before WM_NCCREATE
  // and after WM_NCDESTROY.
  static Window* ObjectOf(HWND window);
  static Window* Attach(HWND window, LPARAM createStruct);
  static void Detach(HWND window, Window* self);
  // Runs the filters on a message; true when one consumed it.
  bool FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  struct Filter {
    int id;
    MessageFilter filter;
  };

  UniqueWindow window_;
  std::vector<Filter> filters_;
  int nextFilterId_ = 1;
};

// The text a window keeps with itself: a form's caption, a control's text.
std::wstring WindowText(HWND window);

}  // namespace ostrevin::toolkit
