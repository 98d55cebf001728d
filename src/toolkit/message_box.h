#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ostrevin::toolkit {

struct ButtonText {
  int id{};  // IDOK, IDYES, ...
  std::wstring text{};
};

// A message box (MessageBoxW) owned by the active window, with its top-left
// corner at a screen position and the given button texts. Returns the id of
// the button chosen.
int MessageBoxAt(const std::wstring& text, const std::wstring& caption, UINT style, POINT topLeft,
                 const std::vector<ButtonText>& buttonTexts);

// A message box titled with the application title, owned by the active
// window. Returns the id of the button chosen.
int ShowMessage(const std::wstring& text, UINT style);

// The confirmation question: question icon, caption "Confirm", buttons "&Yes"
// and "&No" whatever the system's language. True when the answer is Yes.
bool ConfirmAt(const std::wstring& question, POINT topLeft);

}  // namespace ostrevin::toolkit
