#include "ui/frm_lesson_list.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/decimal_text.h"
#include "base/time_units.h"
#include "base/version.h"
#include "settings/bell_settings.h"
#include "settings/first_version_timetable.h"
#include "settings/lesson_times_text.h"
#include "settings/time_of_day.h"
#include "system/program_path.h"
#include "system/settings_storage.h"
#include "toolkit/application.h"
#include "toolkit/clipboard.h"
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
// A host name is at most 253 characters; a port follows it.
constexpr int kTimeServerNameLimit = 260;

// Blanks typed around a name are no part of it.
std::wstring TrimmedServerName(const std::wstring& text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The dialog's size: the timetable tab holds up to sixteen lessons.
constexpr int kClientWidth = 556;
constexpr int kClientHeight = 509;
constexpr toolkit::ControlPlace kPageControlPlace{8, 8, 540, 452};
constexpr int kBottomButtonsTop = 468;

// The timetable tab's rows: each family's first row, and how far each next
// one lies below it.
struct RowLayout {
  int top;
  int pitch;
  int Top(int row) const { return top + row * pitch; }
};
constexpr RowLayout kWeekRows{210, 25};
constexpr RowLayout kBellRows{22, 22};
constexpr RowLayout kTaughtRows{142, 17};
// Labels stand lower than the fields beside them, level with their text.
constexpr int kLabelDrop = 4;
constexpr int kMaxScheduleNameChars = static_cast<int>(kMaxScheduleNameLength);

std::wstring Numbered(const wchar_t* family, int number) {
  return family + DecimalText(number);
}

// The number that ends the name of a member of a numbered family ("cb12").
int NumberOf(const Control& sender) {
  const std::wstring& name = sender.Name();
  std::size_t digits = name.size();
  while (digits > 0 && name[digits - 1] >= L'0' && name[digits - 1] <= L'9') --digits;
  return digits == name.size() ? 0 : std::stoi(name.substr(digits));
}

template <class Row>
std::vector<std::unique_ptr<Row>> Rows(TLessonListF& dialog, int count) {
  std::vector<std::unique_ptr<Row>> rows;
  for (int row = 0; row < count; ++row) rows.push_back(std::make_unique<Row>(dialog, row));
  return rows;
}

// A new row goes below the last one made, in the Tab order too; the first
// row follows the window given.
template <class Row>
void GrowRows(TLessonListF& dialog, std::vector<std::unique_ptr<Row>>& rows, std::size_t count,
              HWND beforeFirst) {
  count = std::min(count, static_cast<std::size_t>(kMaxScheduleLessons));
  while (rows.size() < count) {
    const HWND previous = rows.empty() ? beforeFirst : rows.back()->LastInTabOrder();
    rows.push_back(std::make_unique<Row>(dialog, static_cast<int>(rows.size())));
    rows.back()->FollowInTabOrder(previous);
  }
}

toolkit::FormDesign LessonListDesign() {
  return {.caption = L"Настройки",
          .border = toolkit::FormBorder::Dialog,
          .clientWidth = kClientWidth,
          .clientHeight = kClientHeight,
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
      PageControl1(*this, {.name = L"PageControl1", .place = kPageControlPlace}),
      TabSheet1(PageControl1, {.name = L"TabSheet1", .caption = L"Расписание уроков и звонков"}),
      TabSheet2(PageControl1, {.name = L"TabSheet2", .caption = L"Общие"}),
      TabSheet4(PageControl1, {.name = L"TabSheet4", .caption = L"Звуки"}),
      TabSheet3(PageControl1, {.name = L"TabSheet3", .caption = L"О программе"}),
      lbSchedules(*this, {.name = L"lbSchedules",
                          .page = &TabSheet1,
                          .place = {8, 6},
                          .caption = L"Расписания звонков:",
                          .autoSize = true}),
      ScheduleList(*this, {.name = L"ScheduleList",
                           .page = &TabSheet1,
                           .place = {8, 22, 176, 108},
                           .onClick = On(&TLessonListF::ScheduleListClick)}),
      lbScheduleName(*this, {.name = L"lbScheduleName",
                             .page = &TabSheet1,
                             .place = {8, 138},
                             .caption = L"Название:",
                             .autoSize = true}),
      edScheduleName(*this, {.name = L"edScheduleName",
                             .page = &TabSheet1,
                             .place = {66, 134, 118, 21},
                             .maxLength = kMaxScheduleNameChars,
                             .onChange = On(&TLessonListF::edScheduleNameChange),
                             .onEnter = On(&TLessonListF::edScheduleNameEnter),
                             .onExit = On(&TLessonListF::edScheduleNameExit)}),
      btnAddSchedule(*this, {.name = L"btnAddSchedule",
                             .page = &TabSheet1,
                             .place = {8, 160, 56, 23},
                             .caption = L"Добавить",
                             .onClick = On(&TLessonListF::btnAddScheduleClick)}),
      btnCopySchedule(*this, {.name = L"btnCopySchedule",
                              .page = &TabSheet1,
                              .place = {66, 160, 66, 23},
                              .caption = L"Копировать",
                              .onClick = On(&TLessonListF::btnCopyScheduleClick)}),
      btnDeleteSchedule(*this, {.name = L"btnDeleteSchedule",
                                .page = &TabSheet1,
                                .place = {134, 160, 50, 23},
                                .caption = L"Удалить",
                                .onClick = On(&TLessonListF::btnDeleteScheduleClick)}),
      lbWeek(*this, {.name = L"lbWeek",
                     .page = &TabSheet1,
                     .place = {8, 194},
                     .caption = L"Дни недели:",
                     .autoSize = true}),
      WeekRows(Rows<WeekRow>(*this, kDaysPerWeek)),
      lbBells(*this, {.name = L"lbBells",
                      .page = &TabSheet1,
                      .place = {200, 6},
                      .caption = L"Звонки:",
                      .autoSize = true}),
      cbCountFromZero(*this, {.name = L"cbCountFromZero",
                              .page = &TabSheet1,
                              .place = {200, 380, 120, 17},
                              .caption = L"нумерация с нуля",
                              .onClick = On(&TLessonListF::cbCountFromZeroClick)}),
      btnPasteBells(*this, {.name = L"btnPasteBells",
                            .page = &TabSheet1,
                            .place = {200, 400, 113, 23},
                            .caption = L"Вставить из буфера",
                            .onClick = On(&TLessonListF::btnPasteBellsClick)}),
      lbMyLessons(*this, {.name = L"lbMyLessons",
                          .page = &TabSheet1,
                          .place = {332, 6},
                          .caption = L"Мои уроки:",
                          .autoSize = true}),
      DaysList(*this, {.name = L"DaysList",
                       .page = &TabSheet1,
                       .place = {332, 22, 113, 97},
                       .items = DayNamesOfWeek(),
                       .onClick = On(&TLessonListF::DaysListClick)}),
      lbDaySchedule(*this,
                    {.name = L"lbDaySchedule", .page = &TabSheet1, .place = {332, 124, 192, 13}}),
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
                            .place = {8, kBottomButtonsTop, 97, 33},
                            .caption = L"Сохранить\r\nнастройки как...",
                            .onClick = On(&TLessonListF::btnSaveDataAsClick)}),
      btnOpenData(*this, {.name = L"btnOpenData",
                          .place = {112, kBottomButtonsTop, 97, 33},
                          .caption = L"Открыть\r\nнастройки...",
                          .onClick = On(&TLessonListF::btnOpenDataClick)}),
      btnOK(*this, {.name = L"btnOK",
                    .place = {371, kBottomButtonsTop + 4, 75, 25},
                    .caption = L"OK",
                    .isDefault = true,
                    .modalResult = kModalOk,
                    .onClick = On(&TLessonListF::btnOKClick)}),
      Button2(*this, {.name = L"Button2",
                      .place = {451, kBottomButtonsTop + 4, 75, 25},
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
                           .onExit = On(&TLessonListF::edTimeServerExit)}),
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

TLessonListF::WeekRow::WeekRow(TLessonListF& dialog, int row)
    : day(dialog, {.name = Numbered(L"DayName", row + 1),
                   .page = &dialog.TabSheet1,
                   .place = {8, kWeekRows.Top(row) + kLabelDrop},
                   .caption = DayName(WeekdayAtRow(row)),
                   .autoSize = true}),
      schedule(dialog, {.name = Numbered(L"DaySchedule", row + 1),
                        .page = &dialog.TabSheet1,
                        .place = {84, kWeekRows.Top(row), 100, 200},
                        .onChange = dialog.On(&TLessonListF::DaySchedule1Change)}) {}

TLessonListF::BellRow::BellRow(TLessonListF& dialog, int row)
    : number(dialog, {.name = Numbered(L"BellNumber", row + 1),
                      .page = &dialog.TabSheet1,
                      .place = {200, kBellRows.Top(row) + kLabelDrop, 16, 13},
                      .alignment = toolkit::TextAlignment::Right}),
      start(dialog, {.name = Numbered(L"MaskEdit", row + 1),
                     .page = &dialog.TabSheet1,
                     .place = {220, kBellRows.Top(row), 41, 21},
                     .emptyAllowed = true,
                     .onChange = dialog.On(&TLessonListF::MaskEdit1Change)}),
      dash(dialog, {.name = Numbered(L"BellDash", row + 1),
                    .page = &dialog.TabSheet1,
                    .place = {264, kBellRows.Top(row) + kLabelDrop},
                    .caption = L"–",
                    .autoSize = true}),
      end(dialog, {.name = Numbered(L"end", row + 1),
                   .page = &dialog.TabSheet1,
                   .place = {274, kBellRows.Top(row), 41, 21},
                   .emptyAllowed = true,
                   .onChange = dialog.On(&TLessonListF::end1Change)}) {}

void TLessonListF::BellRow::FollowInTabOrder(HWND previous) {
  start.FollowInTabOrder(previous);
  end.FollowInTabOrder(start.Handle());
}

HWND TLessonListF::BellRow::LastInTabOrder() const {
  return end.Handle();
}

TLessonListF::TaughtRow::TaughtRow(TLessonListF& dialog, int row)
    : taught(dialog, {.name = Numbered(L"cb", row + 1),
                      .page = &dialog.TabSheet1,
                      .place = {332, kTaughtRows.Top(row), 78, 17},
                      .onClick = dialog.On(&TLessonListF::cb1Click)}),
      times(dialog, {.name = Numbered(L"LessonTimes", row + 1),
                     .page = &dialog.TabSheet1,
                     .place = {412, kTaughtRows.Top(row) + 2},
                     .autoSize = true}) {}

void TLessonListF::TaughtRow::FollowInTabOrder(HWND previous) {
  taught.FollowInTabOrder(previous);
}

HWND TLessonListF::TaughtRow::LastInTabOrder() const {
  return taught.Handle();
}

const SchoolTimetable& TLessonListF::ShownTimetable() const {
  return settings_.Timetable.InUse() ? settings_.Timetable : firstVersionTimetable_;
}

SchoolTimetable& TLessonListF::EditedTimetable() {
  if (!settings_.Timetable.InUse()) settings_.Timetable = firstVersionTimetable_;
  return settings_.Timetable;
}

void TLessonListF::TimetableEdited() {
  UpdateFirstVersionTimetable(settings_);
}

const BellSchedule& TLessonListF::ShownSchedule() const {
  return ShownTimetable().schedules[static_cast<std::size_t>(selectedSchedule_)];
}

BellSchedule& TLessonListF::EditedSchedule() {
  return EditedTimetable().schedules[static_cast<std::size_t>(selectedSchedule_)];
}

Weekday TLessonListF::SelectedDay() const {
  return WeekdayAtRow(std::max(DaysList.ItemIndex(), 0));
}

template <class Work>
void TLessonListF::WhileBinding(Work work) {
  const bool outer = std::exchange(binding_, true);
  struct Restore {
    bool& flag;
    bool value;
    ~Restore() { flag = value; }
  } restore{binding_, outer};
  work();
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
// the count-down). A value that its control cannot show (a length beyond the
// field's limits) stays in the settings until the teacher changes it.
void TLessonListF::ShowSettings() {
  WhileBinding([&] {
    BindTimetable();
    ShowOptions();
  });
}

void TLessonListF::ShowOptions() {
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
  ShowBellOffset();
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

void TLessonListF::EnableSoundChoices(bool enabled) {
  cbStartStopSnd.SetEnabled(enabled);
  cbIntroPartSnd.SetEnabled(enabled);
  rgFinishPartSnd.SetEnabled(enabled);
}

// Monday's schedule and Monday's lessons first: what a teacher looks at.
void TLessonListF::BindTimetable() {
  firstVersionTimetable_ = FirstVersionTimetable(settings_);
  const SchoolTimetable& timetable = ShownTimetable();
  selectedSchedule_ = std::max(timetable.Day(Weekday::Monday).schedule, 0);
  BindScheduleList();
  BindSchedule();
  BindWeek();
  DaysList.SetItemIndex(RowOf(Weekday::Monday));
  DaysListClick(DaysList);
}

void TLessonListF::BindScheduleList() {
  const SchoolTimetable& timetable = ShownTimetable();
  std::vector<std::wstring> names;
  for (const BellSchedule& schedule : timetable.schedules) names.push_back(schedule.name);
  ScheduleList.SetItems(names, selectedSchedule_);
  const int count = static_cast<int>(timetable.schedules.size());
  btnAddSchedule.SetEnabled(count < kMaxSchedules);
  btnCopySchedule.SetEnabled(count < kMaxSchedules);
  // A timetable keeps one schedule at least: without any it would be the
  // first version's again.
  btnDeleteSchedule.SetEnabled(count > 1);
}

void TLessonListF::BindSchedule() {
  const BellSchedule& schedule = ShownSchedule();
  WhileBinding([&] {
    edScheduleName.SetText(schedule.name);
    cbCountFromZero.SetChecked(schedule.firstNumber == 0);
  });
  BindBellRows(RowsOfLessons(schedule.lessons));
}

void TLessonListF::BindBellRows(const std::vector<BellRowText>& rows) {
  MakeBellRows(rows.size());
  WhileBinding([&] {
    for (std::size_t row = 0; row < BellRows.size(); ++row) {
      const BellRowText text = row < rows.size() ? rows[row] : BellRowText{};
      BellRows[row]->start.SetText(text.start);
      BellRows[row]->end.SetText(text.end);
    }
  });
  BellRowsChanged();
}

void TLessonListF::BindWeek() {
  const SchoolTimetable& timetable = ShownTimetable();
  const std::vector<std::wstring> choices = ScheduleChoices(timetable);
  WhileBinding([&] {
    for (std::size_t row = 0; row < WeekRows.size(); ++row) {
      const SchoolDay& day = timetable.Day(WeekdayAtRow(static_cast<int>(row)));
      WeekRows[row]->schedule.SetItems(choices, ChoiceOfSchedule(day.schedule));
    }
  });
}

// The day's own lessons, by the numbers and times of the day's schedule.
void TLessonListF::BindDay() {
  const SchoolTimetable& timetable = ShownTimetable();
  const Weekday day = SelectedDay();
  lbDaySchedule.SetCaption(DayScheduleCaption(timetable, day));
  const SchoolDay& schoolDay = timetable.Day(day);
  const BellSchedule* schedule =
      schoolDay.schedule == kNoSchedule
          ? nullptr
          : &timetable.schedules[static_cast<std::size_t>(schoolDay.schedule)];
  const std::size_t lessons = schedule ? schedule->lessons.size() : 0;
  MakeTaughtRows(lessons);
  WhileBinding([&] {
    for (std::size_t row = 0; row < TaughtRows.size(); ++row) {
      TaughtRow& taughtRow = *TaughtRows[row];
      const bool shown = row < lessons;
      taughtRow.taught.SetVisible(shown);
      taughtRow.times.SetVisible(shown);
      if (!shown) continue;
      const int number = schedule->NumberOf(row);
      taughtRow.taught.SetCaption(TaughtLessonCaption(number));
      taughtRow.taught.SetChecked(schoolDay.taught.test(static_cast<std::size_t>(number)));
      taughtRow.times.SetCaption(LessonTimesCaption(schedule->lessons[row]));
    }
  });
}

std::vector<BellRowText> TLessonListF::BellRowTexts() const {
  std::vector<BellRowText> rows;
  for (const std::unique_ptr<BellRow>& row : BellRows) {
    rows.push_back({row->start.Text(), row->end.Text()});
  }
  return rows;
}

void TLessonListF::MakeBellRows(std::size_t count) {
  WhileBinding([&] { GrowRows(*this, BellRows, count, WeekRows.back()->schedule.Handle()); });
}

void TLessonListF::MakeTaughtRows(std::size_t count) {
  WhileBinding([&] { GrowRows(*this, TaughtRows, count, DaysList.Handle()); });
}

void TLessonListF::BellRowsChanged() {
  MakeBellRows(ShownBellRows(BellRowTexts()));
  const std::vector<BellRowText> rows = BellRowTexts();
  const BellRowsReading reading = ReadBellRows(rows);
  const std::size_t shownRows = ShownBellRows(rows);
  const int firstNumber = ShownSchedule().firstNumber;
  for (std::size_t row = 0; row < BellRows.size(); ++row) {
    BellRow& bellRow = *BellRows[row];
    const bool shown = row < shownRows;
    bellRow.number.SetVisible(shown);
    bellRow.start.SetVisible(shown);
    bellRow.dash.SetVisible(shown);
    bellRow.end.SetVisible(shown);
    const std::optional<std::size_t> lesson = reading.lessonOfRow[row];
    bellRow.number.SetCaption(lesson ? DecimalText(firstNumber + static_cast<int>(*lesson))
                                     : std::wstring());
  }
  // While a row is half typed, or wrong, the schedule stays as it was.
  if (binding_ || reading.problem || reading.lessons == ShownSchedule().lessons) return;
  EditedSchedule().lessons = reading.lessons;
  TimetableEdited();
  BindDay();
}

bool TLessonListF::BellRowsSettled() {
  const BellRowsReading reading = ReadBellRows(BellRowTexts());
  if (!reading.problem) {
    BindBellRows(RowsOfLessons(reading.lessons));
    return true;
  }
  PageControl1.SetActivePage(TabSheet1);
  BellRow& row = *BellRows[reading.problemRow];
  const bool startIsTime = MinuteOfFieldText(row.start.Text()).has_value();
  toolkit::MaskedTimeField& field =
      startIsTime && reading.problem == BellRowProblem::Incomplete ? row.end : row.start;
  toolkit::ShowMessage(BellRowProblemText(reading, ShownSchedule()), MB_ICONERROR | MB_OK);
  // After the message, which gave the focus back where it had found it.
  field.SetFocus();
  return false;
}

void TLessonListF::SelectSchedule(int index) {
  selectedSchedule_ = index;
  BindScheduleList();
  BindSchedule();
}

void TLessonListF::ScheduleListClick(Control&) {
  const int index = ScheduleList.ItemIndex();
  if (index < 0 || index == selectedSchedule_) return;
  if (!BellRowsSettled()) {
    ScheduleList.SetItemIndex(selectedSchedule_);
    return;
  }
  SelectSchedule(index);
}

// A name is taken as it is typed, whenever it is one no other schedule has.
void TLessonListF::edScheduleNameChange(Control&) {
  if (binding_) return;
  const std::wstring name = CleanScheduleName(edScheduleName.Text());
  if (name == ShownSchedule().name) return;
  if (ScheduleNameProblem(ShownTimetable(), name, selectedSchedule_)) return;
  EditedSchedule().name = name;
  TimetableEdited();
  BindScheduleList();
  BindWeek();
  BindDay();
}

void TLessonListF::edScheduleNameEnter(Control&) {
  nameBeforeEdit_ = ShownSchedule().name;
}

// A name that cannot be taken is said why (unless the dialog is closing,
// which takes the focus too), and the name from before the edit comes back.
void TLessonListF::edScheduleNameExit(Control&) {
  const std::wstring name = CleanScheduleName(edScheduleName.Text());
  const std::optional<std::wstring> problem =
      ScheduleNameProblem(ShownTimetable(), name, selectedSchedule_);
  if (problem && Visible() && ModalResult() == 0) {
    toolkit::ShowMessage(*problem, MB_ICONERROR | MB_OK);
  }
  if (problem && !nameBeforeEdit_.empty() && ShownSchedule().name != nameBeforeEdit_ &&
      !ScheduleNameProblem(ShownTimetable(), nameBeforeEdit_, selectedSchedule_)) {
    EditedSchedule().name = nameBeforeEdit_;
    TimetableEdited();
    BindScheduleList();
    BindWeek();
    BindDay();
  }
  WhileBinding([&] { edScheduleName.SetText(ShownSchedule().name); });
}

void TLessonListF::btnAddScheduleClick(Control&) {
  if (!BellRowsSettled()) return;
  const std::wstring name = UnusedScheduleName(ShownTimetable(), L"Новое расписание");
  const int index = AddSchedule(EditedTimetable(), {.name = name, .firstNumber = 1, .lessons = {}});
  TimetableEdited();
  SelectSchedule(index);
  BindWeek();
  edScheduleName.SetFocus();
  edScheduleName.SelectAll();
}

void TLessonListF::btnCopyScheduleClick(Control&) {
  if (!BellRowsSettled()) return;
  BellSchedule copy = ShownSchedule();
  copy.name = UnusedScheduleName(ShownTimetable(), copy.name + L" (копия)");
  const int index = AddSchedule(EditedTimetable(), std::move(copy));
  TimetableEdited();
  SelectSchedule(index);
  BindWeek();
  edScheduleName.SetFocus();
  edScheduleName.SelectAll();
}

void TLessonListF::btnDeleteScheduleClick(Control&) {
  if (ShownTimetable().schedules.size() <= 1) return;
  const std::wstring question = DeleteScheduleQuestion(ShownTimetable(), selectedSchedule_);
  if (toolkit::ShowMessage(question, MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2) != IDYES) return;
  RemoveSchedule(EditedTimetable(), selectedSchedule_);
  TimetableEdited();
  SelectSchedule(
      std::min(selectedSchedule_, static_cast<int>(ShownTimetable().schedules.size()) - 1));
  BindWeek();
  BindDay();
  ScheduleList.SetFocus();
}

void TLessonListF::DaySchedule1Change(Control& sender) {
  if (binding_) return;
  const Weekday day = WeekdayAtRow(NumberOf(sender) - 1);
  const int schedule = ScheduleOfChoice(dynamic_cast<toolkit::ComboBox&>(sender).ItemIndex());
  if (ShownTimetable().Day(day).schedule == schedule) return;
  EditedTimetable().Day(day).schedule = schedule;
  TimetableEdited();
  if (day == SelectedDay()) BindDay();
}

// A start entered into a row without an end gets the usual lesson's end, so
// that a schedule of equal lessons is typed start by start.
void TLessonListF::MaskEdit1Change(Control& sender) {
  if (binding_) return;
  BellRow& row = *BellRows[static_cast<std::size_t>(NumberOf(sender) - 1)];
  const std::optional<TimeOfDay> start = MinuteOfFieldText(row.start.Text());
  if (start && IsEmptyRow({{}, row.end.Text()})) {
    if (const std::optional<TimeOfDay> end = EndAfterStart(*start, edLessLen.Value())) {
      row.end.SetText(FormatHourMinute(*end));
      return;  // the end's own change reads the rows
    }
  }
  BellRowsChanged();
}

void TLessonListF::end1Change(Control&) {
  if (binding_) return;
  BellRowsChanged();
}

void TLessonListF::cbCountFromZeroClick(Control&) {
  if (binding_) return;
  EditedSchedule().firstNumber = cbCountFromZero.Checked() ? 0 : 1;
  TimetableEdited();
  BellRowsChanged();
  BindDay();
}

void TLessonListF::btnPasteBellsClick(Control&) {
  PastedLessons pasted = ParsePastedLessons(toolkit::ClipboardText(Handle()));
  if (pasted.lessons.empty()) {
    toolkit::ShowMessage(NothingToPasteText(), MB_ICONINFORMATION | MB_OK);
    return;
  }
  if (!ShownSchedule().lessons.empty() &&
      toolkit::ShowMessage(ReplaceByPasteQuestion(ShownSchedule(), pasted.lessons.size()),
                           MB_ICONQUESTION | MB_YESNO) != IDYES) {
    return;
  }
  const bool tooMany = pasted.lessons.size() > kMaxScheduleLessons;
  if (tooMany) pasted.lessons.resize(kMaxScheduleLessons);
  EditedSchedule().firstNumber = pasted.firstNumber;
  TimetableEdited();
  WhileBinding([&] { cbCountFromZero.SetChecked(pasted.firstNumber == 0); });
  BindBellRows(RowsOfLessons(pasted.lessons));
  if (tooMany) toolkit::ShowMessage(TooManyPastedText(), MB_ICONINFORMATION | MB_OK);
}

void TLessonListF::DaysListClick(Control&) {
  BindDay();
}

void TLessonListF::cb1Click(Control& sender) {
  if (binding_) return;
  const Weekday day = SelectedDay();
  const SchoolDay& schoolDay = ShownTimetable().Day(day);
  if (schoolDay.schedule == kNoSchedule) return;
  const BellSchedule& schedule =
      ShownTimetable().schedules[static_cast<std::size_t>(schoolDay.schedule)];
  const auto number = static_cast<std::size_t>(schedule.NumberOf(NumberOf(sender) - 1));
  const bool taught = dynamic_cast<toolkit::CheckBox&>(sender).Checked();
  if (schoolDay.taught.test(number) == taught) return;
  EditedTimetable().Day(day).taught.set(number, taught);
  TimetableEdited();
}

// In the first version's timetable every lesson is this long: the rows show
// the new ends at once. With bell schedules it is the length of a lesson
// begun by hand, and the end a new row gets.
void TLessonListF::edLessLenChange(Control&) {
  settings_.LessLen = edLessLen.Value() * kTenthsPerMinute;
  if (settings_.Timetable.InUse()) return;
  firstVersionTimetable_ = FirstVersionTimetable(settings_);
  BindSchedule();
  BindDay();
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
  if (!BellRowsSettled()) {
    SetModalResult(0);
    return;
  }
  if (!LessonPartsFit(edLessLen.Value(), edIntroTime.Value(), edFinishTime.Value())) {
    toolkit::ShowMessage(
        L"Продолжительность вступительной и заключительной частей в сумме должны быть меньше "
        L"продолжительности всего урока!",
        MB_ICONERROR | MB_OK);
    SetModalResult(0);
    return;
  }
  if (const std::optional<std::wstring> problem =
          ShortestLessonProblem(ShownTimetable(), edIntroTime.Value(), edFinishTime.Value())) {
    toolkit::ShowMessage(*problem, MB_ICONERROR | MB_OK);
    SetModalResult(0);
    return;
  }
  ApplyTimeServerName();
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

// Taken when the teacher is done with the name, never a half-typed one:
// each name the program takes is looked up and asked.
void TLessonListF::edTimeServerExit(Control&) {
  ApplyTimeServerName();
}

void TLessonListF::ApplyTimeServerName() {
  const std::wstring name = TrimmedServerName(edTimeServer.Text());
  if (name == settings_.TimeServer) return;
  settings_.TimeServer = name;
  if (OnTimeServerChange) OnTimeServerChange();
}

// "Звонок прозвенел" while the dialog is open: the offset it set shows, and
// OK does not write the old one back.
void TLessonListF::ShowBellOffset() {
  const BellOffsetChoice offset = ChoiceOfBellOffset(settings_.BellOffset);
  rgBellDirection.SetItemIndex(offset.direction);
  edBellOffset.SetValue(offset.seconds);
}

void TLessonListF::ShowTimeServerResult(const std::wstring& text) {
  lbTimeServerResult.SetCaption(text);
}

void TLessonListF::cbYieldToFullScreenClick(Control&) {
  settings_.bYieldToFullScreen = cbYieldToFullScreen.Checked();
}

}  // namespace ostrevin
