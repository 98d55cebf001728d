#include "ui/frm_paste_choice.h"

namespace ostrevin {
namespace {

constexpr int kFormFontHeight = 11;  // 8 points, as the settings dialog
constexpr int kClientWidth = 420;
constexpr int kClientHeight = 300;

toolkit::FormDesign PasteChoiceDesign() {
  return {.caption = L"Вставить из буфера",
          .border = toolkit::FormBorder::Dialog,
          .clientWidth = kClientWidth,
          .clientHeight = kClientHeight,
          .position = toolkit::FormPosition::ScreenCenter,
          .font = {.face = L"MS Sans Serif", .height = kFormFontHeight}};
}

}  // namespace

TPasteChoiceF::TPasteChoiceF(const std::wstring& question, const std::vector<std::wstring>& choices,
                             HWND owner)
    : Form(PasteChoiceDesign(), owner),
      lbQuestion(*this, {.name = L"lbQuestion",
                         .place = {12, 12, 396, 212},
                         .caption = question,
                         .wordWrap = true}),
      lbChoice(
          *this,
          {.name = L"lbChoice", .place = {12, 238}, .caption = L"Добавить:", .autoSize = true}),
      cbChoice(*this, {.name = L"cbChoice",
                       .place = {72, 234, 336, 200},
                       .items = choices,
                       .itemIndex = choices.empty() ? -1 : 0}),
      btnAdd(*this, {.name = L"btnAdd",
                     .place = {248, 266, 75, 25},
                     .caption = L"Добавить",
                     .isDefault = true,
                     .modalResult = kModalOk}),
      btnCancel(*this, {.name = L"btnCancel",
                        .place = {333, 266, 75, 25},
                        .caption = L"Отмена",
                        .isCancel = true,
                        .modalResult = kModalCancel}) {
  Created();
}

TPasteChoiceF::~TPasteChoiceF() {
  DestroyHandle();
}

std::optional<int> AskPasteChoice(const std::wstring& question,
                                  const std::vector<std::wstring>& choices, HWND owner) {
  TPasteChoiceF form(question, choices, owner);
  if (form.ShowModal() != toolkit::Form::kModalOk || form.cbChoice.ItemIndex() < 0) {
    return std::nullopt;
  }
  return form.cbChoice.ItemIndex();
}

}  // namespace ostrevin
