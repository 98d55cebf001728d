#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/button.h"
#include "toolkit/combo_box.h"
#include "toolkit/form.h"
#include "toolkit/label.h"

namespace ostrevin {

// The question before the bell schedules of a page are added: what the page
// holds and what happens, and which of them to take ("все расписания" or
// one).
class TPasteChoiceF final : public toolkit::Form {
 public:
  TPasteChoiceF(const std::wstring& question, const std::vector<std::wstring>& choices, HWND owner);
  ~TPasteChoiceF() override;

  toolkit::Label lbQuestion;
  toolkit::Label lbChoice;
  toolkit::ComboBox cbChoice;
  toolkit::Button btnAdd;
  toolkit::Button btnCancel;
};

// Asks, modally; the index of the choice taken, none when the teacher
// cancels.
std::optional<int> AskPasteChoice(const std::wstring& question,
                                  const std::vector<std::wstring>& choices, HWND owner);

}  // namespace ostrevin
