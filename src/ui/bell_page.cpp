#include "ui/bell_page.h"

#include "settings/bell_settings.h"
#include "ui/frm_lesson_list.h"
#include "ui/model/bell_offset_choice.h"

namespace ostrevin {
namespace {

using toolkit::Control;

// A host name is at most 253 characters; a port follows it.
constexpr int kTimeServerNameLimit = 260;

// Blanks typed around a name are no part of it.
std::wstring TrimmedServerName(const std::wstring& text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

}  // namespace

BellPage::BellPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings,
                   const std::wstring& timeServerResult)
    : SettingsPage(dialog, page, settings),
      rgBellDirection(dialog, {.name = L"rgBellDirection",
                               .page = &page,
                               .place = {16, 8, 169, 65},
                               .caption = L"Звонок по часам компьютера",
                               .items = {L"спешит на", L"отстаёт на"},
                               .itemIndex = kBellAhead,
                               .onClick = On(&BellPage::edBellOffsetChange)}),
      edBellOffset(dialog, {.name = L"edBellOffset",
                            .page = &page,
                            .place = {192, 30, 57, 22},
                            .limits = {0, kBellOffsetLimitSeconds},
                            .value = 0,
                            .onChange = On(&BellPage::edBellOffsetChange)}),
      lbBellSeconds(dialog, {.name = L"lbBellSeconds",
                             .page = &page,
                             .place = {256, 34},
                             .caption = L"с",
                             .autoSize = true}),
      lbBellHint(dialog, {.name = L"lbBellHint",
                          .page = &page,
                          .place = {16, 80, 385, 30},
                          .caption = L"В момент звонка можно выбрать «Звонок прозвенел» в меню "
                                     L"значка программы: поправка установится сама.",
                          .wordWrap = true}),
      lbTimeServer(dialog, {.name = L"lbTimeServer",
                            .page = &page,
                            .place = {16, 120},
                            .caption = L"Сервер времени школы (имя или адрес, порт через «:»):",
                            .autoSize = true}),
      edTimeServer(dialog, {.name = L"edTimeServer",
                            .page = &page,
                            .place = {16, 138, 233, 21},
                            .maxLength = kTimeServerNameLimit,
                            .onChange = On(&BellPage::edTimeServerChange)}),
      lbTimeServerResult(dialog, {.name = L"lbTimeServerResult",
                                  .page = &page,
                                  .place = {16, 168, 385, 44},
                                  .caption = timeServerResult,
                                  .wordWrap = true}) {}

void BellPage::ShowSettings() {
  WhileBinding([&] {
    const BellOffsetChoice offset = ChoiceOfBellOffset(settings_.BellOffset);
    rgBellDirection.SetItemIndex(offset.direction);
    edBellOffset.SetValue(offset.seconds);
    edTimeServer.SetText(settings_.TimeServer);
  });
}

void BellPage::ShowTimeServerResult(const std::wstring& text) {
  lbTimeServerResult.SetCaption(text);
}

// The way and the seconds make one offset: either control's change writes it.
void BellPage::edBellOffsetChange(Control&) {
  settings_.BellOffset = BellOffsetOfChoice(rgBellDirection.ItemIndex(), edBellOffset.Value());
}

void BellPage::edTimeServerChange(Control&) {
  settings_.TimeServer = TrimmedServerName(edTimeServer.Text());
}

}  // namespace ostrevin
