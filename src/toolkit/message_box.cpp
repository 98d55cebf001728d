#include "toolkit/message_box.h"

#include "base/app_error.h"
#include "toolkit/application.h"
#include "toolkit/error_guard.h"
#include "toolkit/handles.h"

namespace ostrevin::toolkit {
namespace {

// A box waiting to be placed: the hook catches its first activation, which
// comes before it is seen.
struct PendingBox {
  POINT topLeft;
  const std::vector<ButtonText>* buttonTexts;
  bool placed = false;
};

thread_local PendingBox* pendingBox = nullptr;

bool IsDialogBox(HWND window) {
  wchar_t className[16] = {};
  ::GetClassNameW(window, className, static_cast<int>(std::size(className)));
  return std::wstring(className) == L"#32770";
}

void PlaceBox(HWND box, PendingBox& pending) {
  pending.placed = true;
  ::SetWindowPos(box, nullptr, pending.topLeft.x, pending.topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (const ButtonText& button : *pending.buttonTexts) {
    ::SetDlgItemTextW(box, button.id, button.text.c_str());
  }
}

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam) {
  RunGuarded([&] {
    auto box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && pendingBox && !pendingBox->placed && IsDialogBox(box)) {
      PlaceBox(box, *pendingBox);
    }
  });
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Makes a box the pending one of this thread for as long as it is shown; a
// box opened while it is shown (from a timer) waits its turn behind it.
class BoxWatch {
 public:
  explicit BoxWatch(PendingBox& box)
      : previous_(pendingBox),
        hook_(::SetWindowsHookExW(WH_CBT, &WatchActivation, nullptr, ::GetCurrentThreadId())) {
    if (!hook_) throw AppError(L"Unable to place the message box");
    pendingBox = &box;
  }
  ~BoxWatch() { pendingBox = previous_; }
  BoxWatch(const BoxWatch&) = delete;
  BoxWatch& operator=(const BoxWatch&) = delete;

 private:
  PendingBox* previous_;
  UniqueHook hook_;
};

}  // namespace

int MessageBoxAt(const std::wstring& text, const std::wstring& caption, UINT style, POINT topLeft,
                 const std::vector<ButtonText>& buttonTexts) {
  PendingBox box{topLeft, &buttonTexts};
  BoxWatch watch(box);
  HWND owner = ::GetActiveWindow();
  if (!owner) owner = Application::Instance().Handle();
  return ::MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

int ShowMessage(const std::wstring& text, UINT style) {
  Application& application = Application::Instance();
  HWND owner = ::GetActiveWindow();
  return ::MessageBoxW(owner ? owner : application.Handle(), text.c_str(),
                       application.Title().c_str(), style);
}

bool ConfirmAt(const std::wstring& question, POINT topLeft) {
  static const std::vector<ButtonText> kYesNo = {{IDYES, L"&Yes"}, {IDNO, L"&No"}};
  return MessageBoxAt(question, L"Confirm", MB_YESNO | MB_ICONQUESTION, topLeft, kYesNo) == IDYES;
}

}  // namespace ostrevin::toolkit
