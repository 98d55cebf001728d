#include "toolkit/masked_time_field.h"

#include <commctrl.h>

#include "toolkit/application.h"
#include "toolkit/clipboard.h"
#include "toolkit/error_guard.h"
#include "toolkit/form.h"

namespace ostrevin::toolkit {
namespace {

constexpr wchar_t kInvalidInput[] = L"Invalid input value.  Use escape key to abandon changes";

// The control characters an edit turns into clipboard commands; every other
// one (undo among them) would change the text behind the mask's back.
constexpr wchar_t kCopyKey = 0x03;
constexpr wchar_t kPasteKey = 0x16;
constexpr wchar_t kCutKey = 0x18;

}  // namespace

MaskedTimeField::MaskedTimeField(Form& form, const MaskedTimeFieldDesign& design)
    : WindowedControl(form, design.page),
      OnChange(design.onChange),
      emptyAllowed_(design.emptyAllowed) {
  SetName(design.name);
  mask_.Assign(design.text);
  reported_ = mask_.Text();
  CreateHandle(L"EDIT", WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, design.place,
               mask_.DisplayText(), 0, WS_EX_CLIENTEDGE);
  ::SendMessageW(Handle(), EM_SETLIMITTEXT, TimeMask::kLength, 0);
  InterceptWindowMessages();
}

void MaskedTimeField::SetText(const std::wstring& text) {
  mask_.Assign(text);
  Show(0);
}

// The edit reports the text shown (EN_CHANGE), which raises OnChange.
void MaskedTimeField::Show(size_t caret) {
  showing_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{showing_};
  ::SendMessageW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(mask_.DisplayText().c_str()));
  ::SendMessageW(Handle(), EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

bool MaskedTimeField::HandleCommand(HWND, WORD notifyCode, WORD) {
  if (notifyCode != EN_CHANGE) return false;
  std::wstring text = mask_.Text();
  if (text != reported_) {
    reported_ = std::move(text);
    if (OnChange) OnChange(*this);
  }
  return true;
}

std::pair<size_t, size_t> MaskedTimeField::Selection() const {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

void MaskedTimeField::Edited(TimeMask::Edit edit) {
  if (!edit.accepted) {
    ::MessageBeep(MB_OK);
    return;
  }
  modified_ = true;
  Show(edit.caret);
}

void MaskedTimeField::TypeText(const std::wstring& text) {
  const auto [start, end] = Selection();
  Edited(mask_.TypeText(start, end, text));
}

void MaskedTimeField::Abandon() {
  mask_ = entered_;
  modified_ = false;
  Show(0);
}

// Inside WM_KILLFOCUS, as the focus moves on: the focus is taken back before
// anything else sees it, and a press on a button that took it is lost. The
// report's own message box takes the focus too, and is not refused again.
void MaskedTimeField::CheckExit() {
  if (refusingExit_) return;
  if (!modified_ || mask_.Complete() || (emptyAllowed_ && mask_.Empty())) {
    modified_ = false;
    return;
  }
  refusingExit_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{refusingExit_};
  ::MessageBeep(MB_OK);
  ::SetFocus(Handle());
  Application::Instance().ShowErrorText(kInvalidInput);
}

LRESULT MaskedTimeField::HandleChar(HWND edit, WPARAM wParam, LPARAM lParam) {
  const auto c = static_cast<wchar_t>(wParam);
  if (c == L'\b') {
    const auto [start, end] = Selection();
    Edited(mask_.Backspace(start, end));
    return 0;
  }
  if (c == kCopyKey || c == kPasteKey || c == kCutKey) {
    return PassWindowMessage(edit, WM_CHAR, wParam, lParam);
  }
  if (c < L' ') return 0;
  const auto [start, end] = Selection();
  Edited(mask_.Type(start, end, c));
  return 0;
}

LRESULT MaskedTimeField::HandleWindowMessage(HWND edit, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      return HandleChar(edit, wParam, lParam);
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) {
        const auto [start, end] = Selection();
        Edited(mask_.Delete(start, end));
        return 0;
      }
      if (wParam == VK_ESCAPE && modified_) {
        Abandon();
        return 0;
      }
      break;
    case WM_GETDLGCODE: {
      // Escape abandons the edit first; only an unedited field lets it
      // cancel the dialog.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      LRESULT code = PassWindowMessage(edit, message, wParam, lParam);
      if (key && key->message == WM_KEYDOWN && key->wParam == VK_ESCAPE && modified_) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_SETTEXT:
      if (showing_) break;
      mask_.Assign(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
      Show(0);
      return TRUE;
    case EM_REPLACESEL:
      TypeText(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
      return 0;
    case WM_PASTE:
      TypeText(ClipboardText(edit));
      return 0;
    case WM_CUT:
      PassWindowMessage(edit, WM_COPY, 0, 0);
      [[fallthrough]];
    case WM_CLEAR: {
      const auto [start, end] = Selection();
      if (start < end) Edited(mask_.Delete(start, end));
      return 0;
    }
    case WM_UNDO:
    case EM_UNDO:
      return FALSE;
    case WM_SETFOCUS:
      // Back after a refused exit, the edit goes on.
      if (!modified_) entered_ = mask_;
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = PassWindowMessage(edit, message, wParam, lParam);
      if (FocusMovesWithinForm(reinterpret_cast<HWND>(wParam))) CheckExit();
      return result;
    }
  }
  return PassWindowMessage(edit, message, wParam, lParam);
}

}  // namespace ostrevin::toolkit
