#include "toolkit/window.h"

#include <algorithm>
#include <utility>

#include "base/app_error.h"
#include "toolkit/application.h"
#include "toolkit/error_guard.h"

namespace ostrevin::toolkit {
namespace {

// The windows of the toolkit's classes keep their object in their extra
// bytes, which their own thread reads without asking the system: every
// message looks it up. (A window property would cost a round trip to the
// window server under Wine, hundreds of them for each opening of a dialog.)
constexpr int kObjectSlot = 0;

// A handler that failed in WM_PAINT may have left the area invalid; the next
// paint would fail again and stack error reports without end.
void RecoverFromFailedMessage(HWND window, UINT message) {
  if (message == WM_PAINT) ::ValidateRect(window, nullptr);
}

}  // namespace

void RegisterWindowClass(const wchar_t* className, WNDPROC procedure) {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (::GetClassInfoExW(instance, className, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.cbWndExtra = sizeof(Window*);
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  if (!::RegisterClassExW(&windowClass)) {
    throw AppError(L"Unable to register the window class " + std::wstring(className));
  }
}

Window::~Window() {
  DestroyHandle();
}

// Any window may be asked about (a message box, a common control, another
// program's window): only those whose class runs the toolkit's procedure
// have an object in their extra bytes.
Window* Window::FromHandle(HWND window) {
  if (!window ||
      ::GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Window::Procedure)) {
    return nullptr;
  }
  return ObjectOf(window);
}

Window* Window::ObjectOf(HWND window) {
  return reinterpret_cast<Window*>(::GetWindowLongPtrW(window, kObjectSlot));
}

void Window::CreateHandle(const CreateParams& params) {
  RegisterWindowClass(params.className, &Window::Procedure);
  const RECT& r = params.bounds;
  HWND window = ::CreateWindowExW(params.exStyle, params.className, params.text.c_str(),
                                  params.style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                  params.parent, nullptr, ::GetModuleHandleW(nullptr), this);
  if (!window)
    throw AppError(L"Unable to create a window of class " + std::wstring(params.className));
  if (window_.get() != window) {
    // WM_NCCREATE could not link the window to this object.
    ::DestroyWindow(window);
    throw AppError(L"Unable to create a window of class " + std::wstring(params.className));
  }
}

void Window::DestroyHandle() {
  window_.reset();
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(Handle(), message, wParam, lParam);
}

int Window::AddMessageFilter(MessageFilter filter) {
  const int id = nextFilterId_++;
  filters_.push_back({id, std::move(filter)});
  return id;
}

void Window::RemoveMessageFilter(int id) {
  std::erase_if(filters_, [id](const Filter& filter) { return filter.id == id; });
}

// A filter may add or remove filters (a tray icon destroyed by its handler):
// the filters present now are walked by id, latest first, skipping those
// gone meanwhile.
bool Window::FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (filters_.empty()) return false;
  std::vector<int> ids;
  for (const Filter& filter : filters_) ids.push_back(filter.id);
  for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
    const auto found = std::find_if(filters_.begin(), filters_.end(),
                                    [&](const Filter& filter) { return filter.id == *id; });
    if (found == filters_.end()) continue;
    MessageFilter filter = found->filter;
    LRESULT filtered = 0;
    if (CallGuarded([&] { return filter(message, wParam, lParam, filtered); }, false)) {
      result = filtered;
      return true;
    }
  }
  return false;
}

Window* Window::Attach(HWND window, LPARAM createStruct) {
  auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(createStruct)->lpCreateParams);
  if (!self) return nullptr;
  ::SetWindowLongPtrW(window, kObjectSlot, reinterpret_cast<LONG_PTR>(self));
  // CreateWindowExW has not returned yet: the messages of the creation need
  // the handle already.
  self->window_.reset(window);
  return self;
}

void Window::Detach(HWND window, Window* self) {
  ::SetWindowLongPtrW(window, kObjectSlot, 0);
  self->filters_.clear();
  // The window is gone (also when the system destroyed it with its owner):
  // the object must never destroy that handle again.
  if (self->window_.get() == window) self->window_.release();
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = message == WM_NCCREATE ? Attach(window, lParam) : ObjectOf(window);
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);

  LRESULT result = 0;
  if (!self->FilterMessage(message, wParam, lParam, result)) {
    if (message == WM_ACTIVATEAPP) Application::Instance().ApplicationActivated(wParam != FALSE);
    try {
      result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
      RecoverFromFailedMessage(window, message);
      Application::Instance().HandleCurrentException();
    }
  }
  if (message == WM_NCDESTROY) {
    Detach(window, self);
    Application::Instance().WindowDestroyed(window);
  }
  return result;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace ostrevin::toolkit
