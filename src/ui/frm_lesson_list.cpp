#include "ui/frm_lesson_list.h"

#include <array>
#include <string>

#include "base/version.h"
#include "settings/bell_settings.h"
#include "settings/time_of_day.h"
#include "system/program_path.h"
#include "system/regional_time_format_win32.h"
#include "system/settings_storage.h"
#include "toolkit/application.h"
#include "toolkit/file_dialog.h"
#include "toolkit/message_box.h"
#include "ui/model/bell_offset_choice.h"
#include "ui/model/lesson_list_rules.h"

namespace ostrevin {
namespace {

using toolkit::Application;
using toolkit::Control;

constexpr int kFormFontHeight = 11;  // 8 points
constexpr int kAboutFontHeight = 13;
constexpr int kTitleFontHeight = 32;
constexpr int kTenthsPerMinute = 10;
constexpr int kMonday = 0;
// A host name is at most 253 characters; a port follows it.
constexpr int kTimeServerNameLimit = 260;

// Blanks typed around a name are no part of it.
std::wstring TrimmedServerName(const std::wstring& text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The timetable's rows: the slot box, the "С" label, the start field, the
// "по" label and the end label of each slot, with the names and texts they
// have when the dialog is created.
struct SlotRow {
  int boxTop;
  int fieldTop;
  int labelTop;
  const wchar_t* fromLabel;
  const wchar_t* toLabel;
  const wchar_t* start;
  const wchar_t* end;
};
constexpr std::array<SlotRow, kSlotCount> kSlotRows = {{
    {28, 24, 28, L"Label2", L"Label3", L"08:30", L"9:15"},
    {53, 49, 53, L"Label5", L"Label6", L"09:30", L"10:15"},
    {77, 75, 79, L"Label8", L"Label9", L"10:30", L"11:15"},
    {102, 100, 104, L"Label11", L"Label12", L"11:30", L"12:15"},
    {127, 125, 129, L"Label14", L"Label15", L"12:25", L"13:10"},
    {151, 151, 155, L"Label17", L"Label18", L"13:20", L"14:05"},
    {176, 176, 180, L"Label20", L"Label21", L"14:15", L"15:00"},
}};

const SlotRow& RowOf(int slot) {
  return kSlotRows[static_cast<size_t>(slot - 1)];
}

std::wstring Numbered(const wchar_t* family, int number) {
  return family + std::to_wstring(number);
}

// The digit that ends the name of a member of a numbered family.
int NumberOf(const Control& sender) {
  const std::wstring& name = sender.Name();
  return name.empty() ? 0 : name.back() - L'0';
}

toolkit::FormDesign LessonListDesign() {
  return {.caption = L"Настройки",
          .border = toolkit::FormBorder::Dialog,
          .clientWidth = 441,
          .clientHeight = 349,
          .position = toolkit::FormPosition::ScreenCenter,
          .font = {.face = L"MS Sans Serif", .height = kFormFontHeight}};
}

toolkit::FontDesign AboutFont(bool bold = false) {
  return {.face = L"MS Sans Serif", .height = kAboutFontHeight, .bold = bold};
}

toolkit::FileDialogDesign SettingsFileDialog(const wchar_t* title) {
  return {.title = title,
          .filter = L"Файлы настроек (*.INI)|*.INI|Все файлы (*.*)|*.*",
          .defaultExtension = L"INI"};
}

// Why an import was refused, and what the teacher can do.
std::wstring ImportRefusalText(ImportResult refusal, const std::wstring& path) {
  const std::wstring file = L"Файл «" + path + L"»";
  const std::wstring unchanged = L"\n\nНастройки не изменены.";
  if (refusal == ImportResult::kMissing) return file + L" не найден." + unchanged;
  if (refusal == ImportResult::kUnreadable) {
    return file + L" не удалось прочитать: его занимает другая программа, или к нему нет доступа." +
           unchanged + L" Попробуйте ещё раз позже.";
  }
  return file + L" — не файл настроек Ostrevin." + unchanged +
         L" Выберите файл, сохранённый кнопкой «Сохранить настройки как...».";
}

std::wstring ReplaceOtherFileQuestion(const std::wstring& path) {
  return L"Файл «" + path +
         L"» — не файл настроек Ostrevin.\n\nЗаменить его файлом настроек? Всё, что в нём "
         L"сейчас, будет потеряно.";
}

}  // namespace

TLessonListF::TLessonListF(Settings& settings, WorkServices& services, HWND owner)
    : Form(LessonListDesign(), owner),
      settings_(settings),
      services_(services),
      PageControl1(*this, {.name = L"PageControl1", .place = {8, 8, 425, 297}}),
      TabSheet1(PageControl1, {.name = L"TabSheet1", .caption = L"Расписание уроков и звонков"}),
      TabSheet2(PageControl1, {.name = L"TabSheet2", .caption = L"Общие"}),
      TabSheet4(PageControl1, {.name = L"TabSheet4", .caption = L"Звуки"}),
      TabSheet3(PageControl1, {.name = L"TabSheet3", .caption = L"О программе"}),
      DaysList(*this, {.name = L"DaysList",
                       .page = &TabSheet1,
                       .place = {16, 32, 113, 73},
                       .items = {L"Понедельник", L"Вторник", L"Среда", L"Четверг", L"Пятница"},
                       .onClick = On(&TLessonListF::DaysListClick)}),
      Label1(*this, {.name = L"Label1",
                     .page = &TabSheet1,
                     .place = {312, 8},
                     .caption = L"Время:",
                     .autoSize = true}),
      cb1(*this, SlotBox(1)),
      cb2(*this, SlotBox(2)),
      cb3(*this, SlotBox(3)),
      cb4(*this, SlotBox(4)),
      cb5(*this, SlotBox(5)),
      cb6(*this, SlotBox(6)),
      cb7(*this, SlotBox(7)),
      Label2(*this, FromLabel(1)),
      Label5(*this, FromLabel(2)),
      Label8(*this, FromLabel(3)),
      Label11(*this, FromLabel(4)),
      Label14(*this, FromLabel(5)),
      Label17(*this, FromLabel(6)),
      Label20(*this, FromLabel(7)),
      MaskEdit1(*this, StartField(1)),
      MaskEdit2(*this, StartField(2)),
      MaskEdit3(*this, StartField(3)),
      MaskEdit4(*this, StartField(4)),
      MaskEdit5(*this, StartField(5)),
      MaskEdit6(*this, StartField(6)),
      MaskEdit7(*this, StartField(7)),
      Label3(*this, ToLabel(1)),
      Label6(*this, ToLabel(2)),
      Label9(*this, ToLabel(3)),
      Label12(*this, ToLabel(4)),
      Label15(*this, ToLabel(5)),
      Label18(*this, ToLabel(6)),
      Label21(*this, ToLabel(7)),
      end1(*this, EndLabel(1)),
      end2(*this, EndLabel(2)),
      end3(*this, EndLabel(3)),
      end4(*this, EndLabel(4)),
      end5(*this, EndLabel(5)),
      end6(*this, EndLabel(6)),
      end7(*this, EndLabel(7)),
      cbAutoStart(*this, {.name = L"cbAutoStart",
                          .page = &TabSheet2,
                          .place = {88, 4, 185, 17},
                          .caption = L"запускать вместе с Windows",
                          .checked = true,
                          .onClick = On(&TLessonListF::cbAutoStartClick)}),
      cbOfferExit(*this, {.name = L"cbOfferExit",
                          .page = &TabSheet2,
                          .place = {88, 28, 217, 17},
                          .caption = L"предлагать выход, если нет уроков",
                          .checked = true,
                          .onClick = On(&TLessonListF::cbOfferExitClick)}),
      cbWarnBeforeLesson(*this, {.name = L"cbWarnBeforeLesson",
                                 .page = &TabSheet2,
                                 .place = {88, 48, 225, 17},
                                 .caption = L"предупреждать перед началом урока за",
                                 .onClick = On(&TLessonListF::cbWarnBeforeLessonClick)}),
      edWarnVal(*this, {.name = L"edWarnVal",
                        .page = &TabSheet2,
                        .place = {320, 45, 33, 22},
                        .limits = {0, 60},
                        .value = 3,
                        .enabled = false,
                        .onChange = On(&TLessonListF::edWarnValChange)}),
      Label22(*this, {.name = L"Label22",
                      .page = &TabSheet2,
                      .place = {360, 52},
                      .caption = L"мин.",
                      .autoSize = true}),
      cbShowOnStartLesson(*this, {.name = L"cbShowOnStartLesson",
                                  .page = &TabSheet2,
                                  .place = {88, 68, 233, 17},
                                  .caption = L"показывать окно, когда начинается урок",
                                  .checked = true,
                                  .onClick = On(&TLessonListF::cbShowOnStartLessonClick)}),
      Label23(*this, {.name = L"Label23",
                      .page = &TabSheet2,
                      .place = {56, 100},
                      .caption = L"Длительность урока:",
                      .autoSize = true}),
      edLessLen(*this, {.name = L"edLessLen",
                        .page = &TabSheet2,
                        .place = {176, 96, 49, 22},
                        .limits = {3, 100},
                        .value = 45,
                        .onChange = On(&TLessonListF::edLessLenChange)}),
      Label26(*this, {.name = L"Label26",
                      .page = &TabSheet2,
                      .place = {230, 100},
                      .caption = L"мин.",
                      .autoSize = true}),
      Label24(*this, {.name = L"Label24",
                      .page = &TabSheet2,
                      .place = {56, 124},
                      .caption = L"Вступительная часть:",
                      .autoSize = true}),
      edIntroTime(*this, {.name = L"edIntroTime",
                          .page = &TabSheet2,
                          .place = {176, 120, 49, 22},
                          .limits = {1, 30},
                          .value = 5,
                          .onChange = On(&TLessonListF::edIntroTimeChange)}),
      Label27(*this, {.name = L"Label27",
                      .page = &TabSheet2,
                      .place = {230, 124},
                      .caption = L"мин.",
                      .autoSize = true}),
      Label25(*this, {.name = L"Label25",
                      .page = &TabSheet2,
                      .place = {56, 148},
                      .caption = L"Заключительная часть:",
                      .autoSize = true}),
      edFinishTime(*this, {.name = L"edFinishTime",
                           .page = &TabSheet2,
                           .place = {176, 144, 49, 22},
                           .limits = {1, 30},
                           .value = 5,
                           .onChange = On(&TLessonListF::edFinishTimeChange)}),
      Label28(*this, {.name = L"Label28",
                      .page = &TabSheet2,
                      .place = {230, 148},
                      .caption = L"мин.",
                      .autoSize = true}),
      cbShowCurrNo(*this, {.name = L"cbShowCurrNo",
                           .page = &TabSheet2,
                           .place = {88, 172, 225, 17},
                           .caption = L"показывать номер текущего урока",
                           .checked = true,
                           .onClick = On(&TLessonListF::cbShowCurrNoClick)}),
      cbBlend(*this, {.name = L"cbBlend",
                      .page = &TabSheet2,
                      .place = {88, 192, 153, 17},
                      .caption = L"включить прозрачность",
                      .checked = true,
                      .onClick = On(&TLessonListF::cbBlendClick)}),
      edBlendVal(*this, {.name = L"edBlendVal",
                         .page = &TabSheet2,
                         .place = {248, 192, 41, 22},
                         .limits = {10, 100},
                         .value = 50,
                         .enabled = false,
                         .onExit = On(&TLessonListF::edBlendValExit)}),
      Label19(*this, {.name = L"Label19",
                      .page = &TabSheet2,
                      .place = {294, 196},
                      .caption = L"%",
                      .autoSize = true}),
      cbAllSndsOFF(*this, {.name = L"cbAllSndsOFF",
                           .page = &TabSheet4,
                           .place = {8, 16, 137, 17},
                           .caption = L"отключить все звуки",
                           .onClick = On(&TLessonListF::cbAllSndsOFFClick)}),
      cbStartStopSnd(*this, {.name = L"cbStartStopSnd",
                             .page = &TabSheet4,
                             .place = {40, 48, 193, 17},
                             .caption = L"в начале и конце урока",
                             .checked = true,
                             .onClick = On(&TLessonListF::cbStartStopSndClick)}),
      cbIntroPartSnd(*this, {.name = L"cbIntroPartSnd",
                             .page = &TabSheet4,
                             .place = {40, 72, 193, 17},
                             .caption = L"после вступительной части",
                             .checked = true,
                             .onClick = On(&TLessonListF::cbIntroPartSndClick)}),
      rgFinishPartSnd(*this,
                      {.name = L"rgFinishPartSnd",
                       .page = &TabSheet4,
                       .place = {40, 96, 185, 97},
                       .caption = L"Заключительная часть: ",
                       .items = {L"Без звука", L"Только в начале закл. части", L"Каждую минуту"},
                       .itemIndex = fpsEveryMinute,
                       .onClick = On(&TLessonListF::rgFinishPartSndClick)}),
      cbCountDown(*this, {.name = L"cbCountDown",
                          .page = &TabSheet4,
                          .place = {232, 168, 129, 17},
                          .caption = L"в обратном порядке",
                          .onClick = On(&TLessonListF::cbCountDownClick)}),
      Label4(*this,
             {.name = L"Label4",
              .page = &TabSheet3,
              .place = {86, 0},
              .caption = L"Ostrevin",
              .font =
                  toolkit::FontDesign{
                      .face = L"Tahoma", .height = kTitleFontHeight, .bold = true, .italic = true},
              .autoSize = true}),
      Label7(*this, {.name = L"Label7",
                     .page = &TabSheet3,
                     .place = {157, 40},
                     .caption = L"Версия " OSTREVIN_VERSION_WTEXT,
                     .font = AboutFont(true),
                     .autoSize = true}),
      Label29(*this, {.name = L"Label29",
                      .page = &TabSheet3,
                      .place = {94, 64},
                      .caption = L"Автоматический таймер школьных уроков",
                      .font = AboutFont(),
                      .autoSize = true}),
      Label10(*this, {.name = L"Label10",
                      .page = &TabSheet3,
                      .place = {60, 88, 273, 57},
                      .caption = L"Программа распространяется свободно и бесплатно, «как есть», "
                                 L"без каких-либо гарантий. Её можно копировать и передавать "
                                 L"другим без изменений.",
                      .alignment = toolkit::TextAlignment::Center,
                      .wordWrap = true}),
      Label13(*this, {.name = L"Label13",
                      .page = &TabSheet3,
                      .place = {8, 168},
                      .caption = L"\u00A9 2026, команда Ostrevin",
                      .font = AboutFont(),
                      .autoSize = true}),
      Label16(*this, {.name = L"Label16",
                      .page = &TabSheet3,
                      .place = {8, 184},
                      .caption = L"ostrevin-team",
                      .font = AboutFont(),
                      .autoSize = true}),
      lbURL(*this, {.name = L"lbURL",
                    .page = &TabSheet3,
                    .place = {288, 184},
                    .caption = L"www.ostrevin.org",
                    .font = toolkit::FontDesign{.face = L"MS Sans Serif",
                                                .height = kAboutFontHeight,
                                                .underline = true,
                                                .color = clBlue},
                    .autoSize = true,
                    .handCursor = true,
                    .hint = L"Сайт разработчика",
                    .onClick = [this] { lbURLClick(); }}),
      btnSaveDataAs(*this, {.name = L"btnSaveDataAs",
                            .place = {8, 312, 97, 33},
                            .caption = L"Сохранить\r\nнастройки как...",
                            .onClick = On(&TLessonListF::btnSaveDataAsClick)}),
      btnOpenData(*this, {.name = L"btnOpenData",
                          .place = {112, 312, 97, 33},
                          .caption = L"Открыть\r\nнастройки...",
                          .onClick = On(&TLessonListF::btnOpenDataClick)}),
      btnOK(*this, {.name = L"btnOK",
                    .place = {256, 316, 75, 25},
                    .caption = L"OK",
                    .isDefault = true,
                    .modalResult = kModalOk,
                    .onClick = On(&TLessonListF::btnOKClick)}),
      Button2(*this, {.name = L"Button2",
                      .place = {336, 316, 75, 25},
                      .caption = L"Отмена",
                      .isCancel = true,
                      .modalResult = kModalCancel}),
      cbJoinLesson(*this, {.name = L"cbJoinLesson",
                           .page = &TabSheet2,
                           .place = {88, 216, 233, 17},
                           .caption = L"подхватывать начавшийся урок",
                           .checked = true,
                           .onClick = On(&TLessonListF::cbJoinLessonClick)}),
      TabSheet5(PageControl1, {.name = L"TabSheet5", .caption = L"Звонки", .before = &TabSheet3}),
      rgBellDirection(*this, {.name = L"rgBellDirection",
                              .page = &TabSheet5,
                              .place = {16, 8, 169, 65},
                              .caption = L"Звонок по часам компьютера",
                              .items = {L"спешит на", L"отстаёт на"},
                              .itemIndex = kBellAhead,
                              .onClick = On(&TLessonListF::edBellOffsetChange)}),
      edBellOffset(*this, {.name = L"edBellOffset",
                           .page = &TabSheet5,
                           .place = {192, 30, 57, 22},
                           .limits = {0, kBellOffsetLimitSeconds},
                           .value = 0,
                           .onChange = On(&TLessonListF::edBellOffsetChange)}),
      lbBellSeconds(*this, {.name = L"lbBellSeconds",
                            .page = &TabSheet5,
                            .place = {256, 34},
                            .caption = L"с",
                            .autoSize = true}),
      lbBellHint(*this, {.name = L"lbBellHint",
                         .page = &TabSheet5,
                         .place = {16, 80, 385, 30},
                         .caption = L"В момент звонка можно выбрать «Звонок прозвенел» в меню "
                                    L"значка программы: поправка установится сама.",
                         .wordWrap = true}),
      lbTimeServer(*this, {.name = L"lbTimeServer",
                           .page = &TabSheet5,
                           .place = {16, 120},
                           .caption = L"Сервер времени школы (имя или адрес, порт через «:»):",
                           .autoSize = true}),
      edTimeServer(*this, {.name = L"edTimeServer",
                           .page = &TabSheet5,
                           .place = {16, 138, 233, 21},
                           .maxLength = kTimeServerNameLimit,
                           .onChange = On(&TLessonListF::edTimeServerChange)}),
      lbTimeServerResult(*this, {.name = L"lbTimeServerResult",
                                 .page = &TabSheet5,
                                 .place = {16, 168, 385, 44},
                                 .wordWrap = true}),
      cbYieldToFullScreen(*this, {.name = L"cbYieldToFullScreen",
                                  .page = &TabSheet2,
                                  .place = {88, 240, 241, 17},
                                  .caption = L"не закрывать полноэкранные показы",
                                  .onClick = On(&TLessonListF::cbYieldToFullScreenClick)}) {
  PageControl1.SetActivePage(TabSheet2);
  OnShow = [this] { FormShow(); };
  Created();
}

TLessonListF::~TLessonListF() {
  DestroyHandle();
}

toolkit::ControlEvent TLessonListF::On(ControlHandler handler) {
  return [this, handler](Control& sender) {
    if (!binding_) (this->*handler)(sender);
  };
}

toolkit::CheckBoxDesign TLessonListF::SlotBox(int slot) {
  return {.name = Numbered(L"cb", slot),
          .page = &TabSheet1,
          .place = {160, RowOf(slot).boxTop, 97, 17},
          .caption = std::to_wstring(slot) + L"-й урок",
          .onClick = On(&TLessonListF::cb1Click)};
}

toolkit::LabelDesign TLessonListF::FromLabel(int slot) {
  return {.name = RowOf(slot).fromLabel,
          .page = &TabSheet1,
          .place = {272, RowOf(slot).labelTop},
          .caption = L"С",
          .autoSize = true};
}

toolkit::MaskedTimeFieldDesign TLessonListF::StartField(int slot) {
  return {.name = Numbered(L"MaskEdit", slot),
          .page = &TabSheet1,
          .place = {288, RowOf(slot).fieldTop, 41, 21},
          .text = RowOf(slot).start,
          .onChange = On(&TLessonListF::MaskEdit1Change)};
}

toolkit::LabelDesign TLessonListF::ToLabel(int slot) {
  return {.name = RowOf(slot).toLabel,
          .page = &TabSheet1,
          .place = {336, RowOf(slot).labelTop},
          .caption = L"по",
          .autoSize = true};
}

toolkit::LabelDesign TLessonListF::EndLabel(int slot) {
  return {.name = Numbered(L"end", slot),
          .page = &TabSheet1,
          .place = {352, RowOf(slot).labelTop},
          .caption = RowOf(slot).end,
          .autoSize = true};
}

toolkit::CheckBox& TLessonListF::SlotBoxOf(int slot) const {
  return dynamic_cast<toolkit::CheckBox&>(*FindControl(Numbered(L"cb", slot)));
}

toolkit::MaskedTimeField& TLessonListF::StartFieldOf(int slot) const {
  return dynamic_cast<toolkit::MaskedTimeField&>(*FindControl(Numbered(L"MaskEdit", slot)));
}

toolkit::Label& TLessonListF::EndLabelOf(int slot) const {
  return dynamic_cast<toolkit::Label&>(*TabSheet1.Graphics().Find(Numbered(L"end", slot)));
}

// 1 = Monday; 0 while nothing is selected.
int TLessonListF::SelectedDay() const {
  return DaysList.ItemIndex() + 1;
}

// Autostart is no setting of the file: it is asked once, as the dialog
// shows; an imported file leaves the box as the teacher has it.
void TLessonListF::FormShow() {
  ShowSettings();
  // Last, so that every setting is shown even when the check fails.
  ShowAutoStart();
}

// Shows the settings as they are and changes none of them, so that the
// dialog opened on a file shows, and OK stores, exactly the file's values. No
// handler runs while its control is set from the record: several write other
// settings (all sounds off turns three sounds off, a final-part mode clears
// the count-down, the length stores every start time again). A value that
// its control cannot show (a start time with seconds, a length beyond the
// field's limits) stays in the settings until the teacher changes it.
void TLessonListF::ShowSettings() {
  binding_ = true;
  struct Bound {
    bool& binding;
    ~Bound() { binding = false; }
  } bound{binding_};
  DaysList.SetItemIndex(kMonday);
  DaysListClick(DaysList);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    StartFieldOf(slot).SetText(FormatHourMinute(settings_.StartTime(slot)));
    ShowSlotEnd(slot);
  }
  edLessLen.SetValue(settings_.LessLen / kTenthsPerMinute);
  edIntroTime.SetValue(settings_.IntroTime / kTenthsPerMinute);
  edFinishTime.SetValue(settings_.FinishTime / kTenthsPerMinute);
  cbShowCurrNo.SetChecked(settings_.ShowCurrNo);
  cbOfferExit.SetChecked(settings_.bOfferExit);
  edWarnVal.SetValue(settings_.WarnVal);
  cbWarnBeforeLesson.SetChecked(settings_.bWarnBeforeLesson);
  edWarnVal.SetEnabled(settings_.bWarnBeforeLesson);
  cbShowOnStartLesson.SetChecked(settings_.bShowOnStartLesson);
  cbStartStopSnd.SetChecked(settings_.StartStopSnd);
  cbIntroPartSnd.SetChecked(settings_.IntroPartSnd);
  cbCountDown.SetChecked(settings_.CountDown);
  rgFinishPartSnd.SetItemIndex(settings_.FinishPartSounds);
  cbAllSndsOFF.SetChecked(settings_.AllSndsOFF);
  EnableSoundChoices(!settings_.AllSndsOFF);
  cbBlend.SetChecked(settings_.IsBlend);
  edBlendVal.SetEnabled(settings_.IsBlend);
  edBlendVal.SetValue(BlendPercent(settings_.BlendVal));
  BindBellControls();
  cbYieldToFullScreen.SetChecked(settings_.bYieldToFullScreen);
}

void TLessonListF::BindBellControls() {
  cbJoinLesson.SetChecked(settings_.JoinLesson);
  const BellOffsetChoice offset = ChoiceOfBellOffset(settings_.BellOffset);
  rgBellDirection.SetItemIndex(offset.direction);
  edBellOffset.SetValue(offset.seconds);
  edTimeServer.SetText(settings_.TimeServer);
}

// A check that fails (a value of another type under the Run key) is
// reported; the box then shows unchecked, and OK leaves autostart as it is
// unless the teacher changes the box.
void TLessonListF::ShowAutoStart() {
  try {
    cbAutoStart.SetChecked(services_.IsAutoRun(Application::Instance().Title(), ProgramPath()));
    autoStartDecided_ = true;
  } catch (...) {
    cbAutoStart.SetChecked(false);
    autoStartDecided_ = false;
    Application::Instance().HandleCurrentException();
  }
}

void TLessonListF::ShowSlotEnd(int slot) {
  EndLabelOf(slot).SetCaption(FormatHourMinute(SlotEndTime(settings_, slot)));
}

void TLessonListF::EnableSoundChoices(bool enabled) {
  cbStartStopSnd.SetEnabled(enabled);
  cbIntroPartSnd.SetEnabled(enabled);
  rgFinishPartSnd.SetEnabled(enabled);
}

void TLessonListF::DaysListClick(Control&) {
  const int day = SelectedDay();
  if (day < 1) return;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    SlotBoxOf(slot).SetChecked(settings_.Lesson(day, slot));
  }
}

void TLessonListF::cb1Click(Control& sender) {
  const int day = SelectedDay();
  if (day < 1) return;
  settings_.Lesson(day, NumberOf(sender)) = dynamic_cast<toolkit::CheckBox&>(sender).Checked();
}

// While the user is still typing the text is no time yet: nothing changes
// until it is one.
void TLessonListF::MaskEdit1Change(Control& sender) {
  const std::wstring text = dynamic_cast<toolkit::MaskedTimeField&>(sender).Text();
  if (!IsValidTimeText(text)) return;
  const std::optional<TimeOfDay> start = ParseTimeOfDay(text, ReadRegionalTimeFormat());
  if (!start) return;
  const int slot = NumberOf(sender);
  settings_.StartTime(slot) = *start;
  ShowSlotEnd(slot);
}

void TLessonListF::edLessLenChange(Control&) {
  settings_.LessLen = edLessLen.Value() * kTenthsPerMinute;
  for (int slot = 1; slot <= kSlotCount; ++slot) MaskEdit1Change(StartFieldOf(slot));
}

void TLessonListF::edIntroTimeChange(Control&) {
  settings_.IntroTime = edIntroTime.Value() * kTenthsPerMinute;
}

void TLessonListF::edFinishTimeChange(Control&) {
  settings_.FinishTime = edFinishTime.Value() * kTenthsPerMinute;
}

void TLessonListF::edWarnValChange(Control&) {
  settings_.WarnVal = edWarnVal.Value();
}

void TLessonListF::cbAutoStartClick(Control&) {
  autoStartDecided_ = true;
}

void TLessonListF::cbOfferExitClick(Control&) {
  settings_.bOfferExit = cbOfferExit.Checked();
}

void TLessonListF::cbWarnBeforeLessonClick(Control&) {
  settings_.bWarnBeforeLesson = cbWarnBeforeLesson.Checked();
  settings_.WarnVal = edWarnVal.Value();
  edWarnVal.SetEnabled(settings_.bWarnBeforeLesson);
}

void TLessonListF::cbShowOnStartLessonClick(Control&) {
  settings_.bShowOnStartLesson = cbShowOnStartLesson.Checked();
}

void TLessonListF::cbShowCurrNoClick(Control&) {
  settings_.ShowCurrNo = cbShowCurrNo.Checked();
}

void TLessonListF::cbBlendClick(Control&) {
  settings_.IsBlend = cbBlend.Checked();
  edBlendVal.SetEnabled(settings_.IsBlend);
}

// Only leaving the field stores the opacity: typing and the arrows do not.
void TLessonListF::edBlendValExit(Control&) {
  settings_.BlendVal = BlendValOfPercent(edBlendVal.Value());
}

// Only the controls are set here: their own handlers write the sound
// settings.
void TLessonListF::cbAllSndsOFFClick(Control&) {
  const bool allOff = cbAllSndsOFF.Checked();
  EnableSoundChoices(!allOff);
  cbStartStopSnd.SetChecked(!allOff);
  cbIntroPartSnd.SetChecked(!allOff);
  rgFinishPartSnd.SetItemIndex(allOff ? fpsNone : fpsEveryMinute);
  settings_.AllSndsOFF = allOff;
}

void TLessonListF::cbStartStopSndClick(Control&) {
  settings_.StartStopSnd = cbStartStopSnd.Checked();
}

void TLessonListF::cbIntroPartSndClick(Control&) {
  settings_.IntroPartSnd = cbIntroPartSnd.Checked();
}

// The count-down belongs to the every-minute beeps; it stays enabled, so it
// can be checked again by hand.
void TLessonListF::rgFinishPartSndClick(Control&) {
  const int item = rgFinishPartSnd.ItemIndex();
  if (item >= fpsNone && item <= fpsEveryMinute) {
    settings_.FinishPartSounds = static_cast<FinishPartMode>(item);
  }
  if (settings_.FinishPartSounds != fpsEveryMinute) cbCountDown.SetChecked(false);
}

void TLessonListF::cbCountDownClick(Control&) {
  settings_.CountDown = cbCountDown.Checked();
}

// The button has already given the dialog the result OK, and the field being
// edited has been left for it.
void TLessonListF::btnOKClick(Control&) {
  if (!LessonPartsFit(edLessLen.Value(), edIntroTime.Value(), edFinishTime.Value())) {
    toolkit::ShowMessage(
        L"Продолжительность вступительной и заключительной частей в сумме должны быть меньше "
        L"продолжительности всего урока!",
        MB_ICONERROR | MB_OK);
    SetModalResult(0);
    return;
  }
  if (autoStartDecided_) {
    services_.SetAutoRun(Application::Instance().Title(), ProgramPath(), cbAutoStart.Checked());
  }
}

// A file there that is no settings file is the teacher's own (a document, a
// file of another program): it is replaced only when the teacher says so.
void TLessonListF::btnSaveDataAsClick(Control&) {
  const std::optional<std::wstring> path =
      toolkit::AskFileToSave(SettingsFileDialog(L"Сохранить настройки как"));
  if (!path) return;
  ExportSettings(settings_, *path, [&] {
    return toolkit::ShowMessage(ReplaceOtherFileQuestion(*path),
                                MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
  });
}

// Only a settings file is taken: anything else would load every default.
void TLessonListF::btnOpenDataClick(Control&) {
  const std::optional<std::wstring> path =
      toolkit::AskFileToOpen(SettingsFileDialog(L"Открыть настройки"));
  if (!path) return;
  const ImportResult imported = ImportSettings(settings_, *path);
  if (imported != ImportResult::kImported) {
    toolkit::ShowMessage(ImportRefusalText(imported, *path), MB_ICONERROR | MB_OK);
    return;
  }
  ShowSettings();
}

// The caption is the bare address; the shell gets it with its scheme, so that
// it opens the web browser and never a file of that name.
void TLessonListF::lbURLClick() {
  services_.OpenURL(L"https://" + lbURL.Caption());
}

void TLessonListF::cbJoinLessonClick(Control&) {
  settings_.JoinLesson = cbJoinLesson.Checked();
}

// The way and the seconds make one offset: either control's change writes it.
void TLessonListF::edBellOffsetChange(Control&) {
  settings_.BellOffset = BellOffsetOfChoice(rgBellDirection.ItemIndex(), edBellOffset.Value());
}

void TLessonListF::edTimeServerChange(Control&) {
  settings_.TimeServer = TrimmedServerName(edTimeServer.Text());
}

void TLessonListF::ShowTimeServerResult(const std::wstring& text) {
  lbTimeServerResult.SetCaption(text);
}

void TLessonListF::cbYieldToFullScreenClick(Control&) {
  settings_.bYieldToFullScreen = cbYieldToFullScreen.Checked();
}

}  // namespace ostrevin
