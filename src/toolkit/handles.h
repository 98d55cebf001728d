#pragma once

#include <windows.h>

#include <utility>

namespace ostrevin::toolkit {

// Owns one handle and releases it exactly once; movable, never copyable.
// Traits give the handle type, its empty value and how to release it.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }

  Handle release() { return std::exchange(handle_, Traits::Empty()); }
  void reset(Handle handle = Traits::Empty()) {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::Empty()) Traits::Release(old);
  }

 private:
  Handle handle_ = Traits::Empty();
};

template <typename H>
struct GdiObjectTraits {
  using Handle = H;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::DeleteObject(h); }
};

struct WindowTraits {
  using Handle = HWND;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::DestroyWindow(h); }
};

struct IconTraits {
  using Handle = HICON;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::DestroyIcon(h); }
};

struct MenuTraits {
  using Handle = HMENU;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::DestroyMenu(h); }
};

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::DeleteDC(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::RegCloseKey(h); }
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::CloseHandle(h); }
};

// CreateFile reports failure with INVALID_HANDLE_VALUE, not with null.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Release(Handle h) { ::CloseHandle(h); }
};

struct HookTraits {
  using Handle = HHOOK;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::UnhookWindowsHookEx(h); }
};

struct WinEventHookTraits {
  using Handle = HWINEVENTHOOK;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::UnhookWinEvent(h); }
};

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Empty() { return nullptr; }
  static void Release(Handle h) { ::FreeLibrary(h); }
};

using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueHook = UniqueHandle<HookTraits>;
using UniqueWinEventHook = UniqueHandle<WinEventHookTraits>;

// A window's device context from GetDC, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// The device context of a whole window, frame included (GetWindowDC), for
// painting the non-client area; released with ReleaseDC.
class WholeWindowDc {
 public:
  explicit WholeWindowDc(HWND window) : window_(window), dc_(::GetWindowDC(window)) {}
  ~WholeWindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  WholeWindowDc(const WholeWindowDc&) = delete;
  WholeWindowDc& operator=(const WholeWindowDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint .. EndPaint for one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
  ~PaintDc() { ::EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC get() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// Selects a GDI object into a DC and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectGuard() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Saves a DC's state (clip region, origin, modes) and restores it.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  ~SavedDcState() {
    if (saved_) ::RestoreDC(dc_, saved_);
  }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace ostrevin::toolkit
