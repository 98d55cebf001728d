#include "components/notify_icon.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include "base/app_error.h"
#include "components/model/tray_icon_cycle.h"
#include "components/model/tray_text.h"
#include "toolkit/colors.h"

namespace ostrevin {
namespace {

// Every add, delete and modify carries the callback message, the icon and
// the tooltip.
constexpr UINT kBasicFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// The record of the shell of Windows 2000 and later with balloons, and
// nothing newer: every shell the program runs on reads it the same way. It
// ends where the next version's GUID begins (936 bytes in a 32-bit program,
// 952 in a 64-bit one).
static_assert(NOTIFYICONDATAW_V2_SIZE == offsetof(NOTIFYICONDATAW, guidItem));
static_assert(NOTIFYICONDATAW_V2_SIZE == (sizeof(void*) == 4 ? 936 : 952));
static_assert(std::size(NOTIFYICONDATAW{}.szTip) == kTrayTipLimit + 1);
static_assert(std::size(NOTIFYICONDATAW{}.szInfo) == kBalloonTextLimit + 1);
static_assert(std::size(NOTIFYICONDATAW{}.szInfoTitle) == kBalloonTitleLimit + 1);

DWORD BalloonInfoFlags(BalloonIconKind kind) {
  static constexpr DWORD kFlags[] = {NIIF_NONE, NIIF_INFO, NIIF_WARNING, NIIF_ERROR};
  const auto index = static_cast<std::size_t>(kind);
  return index < std::size(kFlags) ? kFlags[index] : NIIF_NONE;
}

int BitmapWidth(HBITMAP bitmap) {
  BITMAP bits{};
  if (!::GetObjectW(bitmap, sizeof(bits), &bits)) throw AppError(L"Unable to read the image");
  return bits.bmWidth;
}

// A square of 32-bit pixels, top row first.
BITMAPINFO SquareTopDownPixels(int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// The pixels of a square bitmap, top row first, as 0x00RRGGBB.
std::vector<DWORD> PixelsOf(HBITMAP bitmap, int size) {
  BITMAPINFO info = SquareTopDownPixels(size);
  std::vector<DWORD> pixels(static_cast<std::size_t>(size) * size);
  const toolkit::WindowDc screen(nullptr);
  if (::GetDIBits(screen.get(), bitmap, 0, size, pixels.data(), &info, DIB_RGB_COLORS) != size) {
    throw AppError(L"Unable to read the image");
  }
  for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

// A colour as a bitmap of that one's pixel format stores it: a screen of
// fewer colours keeps fewer bits of it.
DWORD StoredLike(HBITMAP bitmap, COLORREF color) {
  const toolkit::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  const toolkit::SelectGuard selected(dc.get(), bitmap);
  const toolkit::UniqueBitmap probe(::CreateCompatibleBitmap(dc.get(), 1, 1));
  if (!probe) throw AppError(L"Unable to create an icon mask");
  {
    const toolkit::UniqueMemoryDc probeDc(::CreateCompatibleDC(dc.get()));
    const toolkit::SelectGuard probeSelected(probeDc.get(), probe.get());
    ::SetPixel(probeDc.get(), 0, 0, color);
  }
  return PixelsOf(probe.get(), 1).front();
}

// Writes a text into a fixed shell field: cut to the field's limit, the rest
// of the field NUL.
template <std::size_t Size>
void CopyField(wchar_t (&field)[Size], std::wstring_view text, std::size_t limit) {
  const std::wstring kept = TrayFieldText(text, limit);
  std::fill(std::begin(field), std::end(field), L'\0');
  std::copy(kept.begin(), kept.end(), field);
}

}  // namespace

TShiftState CurrentShiftState() {
  TShiftState shift = 0;
  if (::GetAsyncKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (::GetAsyncKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (::GetAsyncKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TNotifyIcon::HandlerRegistration::HandlerRegistration(TNotifyIcon& icon)
    : iconId_(AcquireTrayHandler(icon)) {}

TNotifyIcon::HandlerRegistration::~HandlerRegistration() {
  ReleaseTrayHandler(iconId_);
}

TNotifyIcon::TNotifyIcon(HWND owner, TrayShell& shell)
    : owner_(owner),
      shell_(shell),
      handler_(*this),
      iconSize_(shell.IconSize()),
      cycleTicker_(1000, [this](TIntervalTimer&) { CycleTimerElapsed(); }),
      clickWaitTicker_(1000, [this](TIntervalTimer&) { ClickWaitElapsed(); }),
      hoverTicker_(20, [this](TIntervalTimer&) { CheckCursorLeft(); }),
      applicationHook_(*this),
      ownerFilter_(*this, owner) {
  notifyData_.cbSize = NOTIFYICONDATAW_V2_SIZE;
  notifyData_.hWnd = TrayHandlerWindow();
  notifyData_.uID = handler_.IconId();
  notifyData_.uFlags = kBasicFlags;
  notifyData_.uCallbackMessage = TrayCallbackMessage;
}

TNotifyIcon::~TNotifyIcon() {
  SetIconVisible(false);
}

void TNotifyIcon::Loaded() {
  StartupDecision();
  RefreshInTray();
  SetIconVisible(iconVisible_);
  SetCycleIcons(cycleIcons_);
  SetWantEnterExitEvents(wantEnterExitEvents_);
  notifyData_.uVersion = 0;
  shell_.Notify(NIM_SETVERSION, notifyData_);
}

void TNotifyIcon::SetIconList(toolkit::ImageList* list) {
  iconList_ = list;
  SetIconIndex(0);
}

void TNotifyIcon::SetCycleIcons(bool cycle) {
  cycleIcons_ = cycle;
  if (!cycle) {
    cycleTicker_.SetEnabled(false);
    return;
  }
  SetIconIndex(0);
  cycleTicker_.SetInterval(cycleInterval_);
  cycleTicker_.SetEnabled(true);
}

void TNotifyIcon::SetCycleInterval(UINT milliseconds) {
  cycleInterval_ = milliseconds;
  SetCycleIcons(cycleIcons_);
}

void TNotifyIcon::SetHint(std::wstring hint) {
  hint_ = std::move(hint);
  RefreshInTray();
}

void TNotifyIcon::SetShowHint(bool show) {
  showHint_ = show;
  RefreshInTray();
}

void TNotifyIcon::SetIcon(HICON icon) {
  iconSource_ = nullptr;
  StoreIcon(icon);
  RefreshInTray();
}

void TNotifyIcon::SetIconSource(IconSource source) {
  iconSource_ = std::move(source);
  TrayIconSizeChanged();
}

void TNotifyIcon::FollowTrayIconSize() {
  const int size = shell_.IconSize();
  if (size == iconSize_) return;
  iconSize_ = size;
  TrayIconSizeChanged();
}

void TNotifyIcon::TrayIconSizeChanged() {
  if (!iconSource_) return;
  ReplaceIcon(iconSource_(iconSize_));
}

void TNotifyIcon::StoreIcon(HICON icon) {
  icon_.reset(icon ? ::CopyIcon(icon) : nullptr);
}

void TNotifyIcon::SetIconVisible(bool visible) {
  if (visible) {
    AddToTray();
  } else {
    RemoveFromTray();
  }
}

void TNotifyIcon::SetIconIndex(int index) {
  if (iconList_) {
    iconIndex_ = IconIndexInList(index, iconList_->Count());
    ReplaceIcon(iconList_->GetIcon(iconIndex_));
  } else {
    iconIndex_ = 0;
  }
  RefreshInTray();
}

void TNotifyIcon::SetWantEnterExitEvents(bool want) {
  wantEnterExitEvents_ = want;
  hoverTicker_.SetEnabled(want);
}

bool TNotifyIcon::DisplayBalloon(const std::wstring& title, const std::wstring& text,
                                 BalloonIconKind iconKind, std::uint8_t timeoutSeconds) {
  ClearBalloon();
  notifyData_.uFlags |= NIF_INFO;
  CopyField(notifyData_.szInfo, text, kBalloonTextLimit);
  CopyField(notifyData_.szInfoTitle, title, kBalloonTitleLimit);
  notifyData_.uTimeout = timeoutSeconds * 1000u;
  notifyData_.dwInfoFlags = BalloonInfoFlags(iconKind);
  const bool accepted = RefreshInTray();
  notifyData_.uFlags = kBasicFlags;
  return accepted;
}

// The balloon flag stays set: every later modify carries the empty balloon
// text until the next DisplayBalloon.
void TNotifyIcon::ClearBalloon() {
  notifyData_.uFlags |= NIF_INFO;
  CopyField(notifyData_.szInfo, L"", kBalloonTextLimit);
  RefreshInTray();
}

bool TNotifyIcon::AddToTray() {
  iconVisible_ = true;
  return SendToShell(NIM_ADD);
}

bool TNotifyIcon::RemoveFromTray() {
  iconVisible_ = false;
  return SendToShell(NIM_DELETE);
}

bool TNotifyIcon::RefreshInTray() {
  return SendToShell(NIM_MODIFY);
}

void TNotifyIcon::FireClick() {
  if (OnClick) OnClick(*this);
}

void TNotifyIcon::FireDblClick() {
  if (OnDblClick) OnDblClick(*this);
}

// The index reported is the one the tick moves to, also when it wraps to the
// first icon.
void TNotifyIcon::FireCycle() {
  if (!OnCycle) return;
  const int nextIndex = iconList_ ? NextCycleIndex(iconIndex_, iconList_->Count()) : 0;
  OnCycle(*this, nextIndex);
}

void TNotifyIcon::FireMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TNotifyIcon::FireMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TNotifyIcon::FireMouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TNotifyIcon::FireMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(*this);
}

void TNotifyIcon::FireMouseExit() {
  if (OnMouseExit) OnMouseExit(*this);
}

// The icon carries an alpha channel besides its mask: a notification area
// that copies the icon between processes (Wine's) may take the mask of a
// width other than 16 or 32 pixels only in part, and draws by the alpha
// where there is one. See-through pixels are black in the colour image, as
// in an image list's.
toolkit::UniqueIcon TNotifyIcon::MaskBitmapIntoIcon(HBITMAP bitmap, Color maskColor) {
  const int size = BitmapWidth(bitmap);
  std::vector<DWORD> pixels = PixelsOf(bitmap, size);
  const bool keyed = maskColor != clNone;
  const DWORD key = keyed ? StoredLike(bitmap, toolkit::ToColorRef(maskColor)) : 0;
  // Monochrome rows are padded to whole 16-bit words; a set bit is see-through.
  const int maskRowBytes = (size + 15) / 16 * 2;
  std::vector<BYTE> maskBits(static_cast<std::size_t>(maskRowBytes) * size, 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      DWORD& pixel = pixels[static_cast<std::size_t>(y) * size + x];
      if (keyed && pixel == key) {
        pixel = 0;
        maskBits[static_cast<std::size_t>(y) * maskRowBytes + x / 8] |=
            static_cast<BYTE>(0x80 >> (x % 8));
      } else {
        pixel |= 0xFF000000;
      }
    }
  }
  BITMAPINFO info = SquareTopDownPixels(size);
  void* bits = nullptr;
  const toolkit::UniqueBitmap color(
      ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const toolkit::UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, maskBits.data()));
  if (!color || !bits || !mask) throw AppError(L"Unable to make an icon of the image");
  std::copy(pixels.begin(), pixels.end(), static_cast<DWORD*>(bits));
  ICONINFO parts{};
  parts.fIcon = TRUE;
  parts.hbmMask = mask.get();
  parts.hbmColor = color.get();
  toolkit::UniqueIcon icon(::CreateIconIndirect(&parts));
  if (!icon) throw AppError(L"Unable to make an icon of the image");
  return icon;
}

void TNotifyIcon::CycleTimerElapsed() {
  if (!iconList_) return;
  ReplaceIcon(iconList_->GetIcon(iconIndex_));
  FireCycle();
  // OnCycle may have taken the list away.
  SetIconIndex(iconList_ ? NextCycleIndex(iconIndex_, iconList_->Count()) : 0);
}

void TNotifyIcon::ReplaceIcon(toolkit::UniqueIcon icon) {
  icon_ = std::move(icon);
  RefreshInTray();
}

void TNotifyIcon::FillNotifyData() {
  notifyData_.hIcon = icon_.get();
  const bool tip = showHint_ && !hint_.empty();
  CopyField(notifyData_.szTip, tip ? std::wstring_view(hint_) : std::wstring_view(), kTrayTipLimit);
}

bool TNotifyIcon::SendToShell(DWORD message) {
  FillNotifyData();
  return shell_.Notify(message, notifyData_);
}

}  // namespace ostrevin
