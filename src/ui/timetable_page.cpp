#include "ui/timetable_page.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "base/decimal_text.h"
#include "base/time_units.h"
#include "settings/first_version_timetable.h"
#include "settings/lesson_times_text.h"
#include "settings/time_of_day.h"
#include "toolkit/clipboard.h"
#include "toolkit/message_box.h"
#include "ui/frm_lesson_list.h"
#include "ui/frm_paste_choice.h"
#include "ui/model/bells_paste.h"

namespace ostrevin {
namespace {

using toolkit::Control;


// The rows: each family's first row, and how far each next one lies below
// it.
struct RowLayout {
  int top;
  int pitch;
  int Top(std::size_t row) const { return top + static_cast<int>(row) * pitch; }
};
constexpr RowLayout kWeekRows{210, 25};
constexpr RowLayout kBellRows{22, 22};
constexpr RowLayout kTaughtRows{142, 17};
// Labels stand lower than the fields beside them, level with their text.
constexpr int kLabelDrop = 4;
constexpr int kMaxScheduleNameChars = static_cast<int>(kMaxScheduleNameLength);

std::wstring Numbered(const wchar_t* family, std::size_t row) {
  return family + DecimalText(static_cast<std::int64_t>(row) + 1);
}

template <class Row>
std::vector<std::unique_ptr<Row>> Rows(TimetablePage& page, std::size_t count) {
  std::vector<std::unique_ptr<Row>> rows;
  for (std::size_t row = 0; row < count; ++row) rows.push_back(std::make_unique<Row>(page, row));
  return rows;
}

// A new row goes below the last one made, in the Tab order too; the first
// row follows the window given.
template <class Row>
void GrowRows(TimetablePage& page, std::vector<std::unique_ptr<Row>>& rows, std::size_t count,
              HWND beforeFirst) {
  count = std::min(count, static_cast<std::size_t>(kMaxScheduleLessons));
  while (rows.size() < count) {
    const HWND previous = rows.empty() ? beforeFirst : rows.back()->LastInTabOrder();
    rows.push_back(std::make_unique<Row>(page, rows.size()));
    rows.back()->FollowInTabOrder(previous);
  }
}

}  // namespace

SchoolTimetable ShownTimetableOf(const Settings& settings) {
  return settings.Timetable.InUse() ? settings.Timetable : FirstVersionTimetable(settings);
}

TimetablePage::TimetablePage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings)
    : SettingsPage(dialog, page, settings),
      lbSchedules(dialog, {.name = L"lbSchedules",
                           .page = &page,
                           .place = {8, 6},
                           .caption = L"Расписания звонков:",
                           .autoSize = true}),
      ScheduleList(dialog, {.name = L"ScheduleList",
                            .page = &page,
                            .place = {8, 22, 176, 108},
                            .onClick = On(&TimetablePage::ScheduleListClick)}),
      lbScheduleName(dialog, {.name = L"lbScheduleName",
                              .page = &page,
                              .place = {8, 138},
                              .caption = L"Название:",
                              .autoSize = true}),
      edScheduleName(dialog, {.name = L"edScheduleName",
                              .page = &page,
                              .place = {66, 134, 118, 21},
                              .maxLength = kMaxScheduleNameChars,
                              .onChange = On(&TimetablePage::edScheduleNameChange),
                              .onEnter = On(&TimetablePage::edScheduleNameEnter),
                              .onExit = On(&TimetablePage::edScheduleNameExit)}),
      btnAddSchedule(dialog, {.name = L"btnAddSchedule",
                              .page = &page,
                              .place = {8, 160, 56, 23},
                              .caption = L"Добавить",
                              .onClick = On(&TimetablePage::btnAddScheduleClick)}),
      btnCopySchedule(dialog, {.name = L"btnCopySchedule",
                               .page = &page,
                               .place = {66, 160, 66, 23},
                               .caption = L"Копировать",
                               .onClick = On(&TimetablePage::btnCopyScheduleClick)}),
      btnDeleteSchedule(dialog, {.name = L"btnDeleteSchedule",
                                 .page = &page,
                                 .place = {134, 160, 50, 23},
                                 .caption = L"Удалить",
                                 .onClick = On(&TimetablePage::btnDeleteScheduleClick)}),
      lbWeek(dialog, {.name = L"lbWeek",
                      .page = &page,
                      .place = {8, 194},
                      .caption = L"Дни недели:",
                      .autoSize = true}),
      WeekRows(Rows<WeekRow>(*this, kDaysPerWeek)),
      lbBells(dialog, {.name = L"lbBells",
                       .page = &page,
                       .place = {200, 6},
                       .caption = L"Звонки:",
                       .autoSize = true}),
      cbCountFromZero(dialog, {.name = L"cbCountFromZero",
                               .page = &page,
                               .place = {200, 380, 120, 17},
                               .caption = L"нумерация с нуля",
                               .onClick = On(&TimetablePage::cbCountFromZeroClick)}),
      btnPasteBells(dialog, {.name = L"btnPasteBells",
                             .page = &page,
                             .place = {200, 400, 113, 23},
                             .caption = L"Вставить из буфера",
                             .onClick = On(&TimetablePage::btnPasteBellsClick)}),
      lbMyLessons(dialog, {.name = L"lbMyLessons",
                           .page = &page,
                           .place = {332, 6},
                           .caption = L"Мои уроки:",
                           .autoSize = true}),
      DaysList(dialog, {.name = L"DaysList",
                        .page = &page,
                        .place = {332, 22, 113, 97},
                        .items = DayNamesOfWeek(),
                        .onClick = On(&TimetablePage::DaysListClick)}),
      lbDaySchedule(dialog,
                    {.name = L"lbDaySchedule", .page = &page, .place = {332, 124, 192, 13}}) {}

TimetablePage::WeekRow::WeekRow(TimetablePage& page, std::size_t row)
    : day(page.dialog_, {.name = Numbered(L"DayName", row),
                         .page = &page.page_,
                         .place = {8, kWeekRows.Top(row) + kLabelDrop},
                         .caption = DayName(WeekdayAtRow(row)),
                         .autoSize = true}),
      schedule(page.dialog_, {.name = Numbered(L"DaySchedule", row),
                              .page = &page.page_,
                              .place = {84, kWeekRows.Top(row), 100, 200},
                              .onChange = page.OnRow(&TimetablePage::DayScheduleChange, row)}) {}

TimetablePage::BellRow::BellRow(TimetablePage& page, std::size_t row)
    : number(page.dialog_, {.name = Numbered(L"BellNumber", row),
                            .page = &page.page_,
                            .place = {200, kBellRows.Top(row) + kLabelDrop, 16, 13},
                            .alignment = toolkit::TextAlignment::Right}),
      start(page.dialog_, {.name = Numbered(L"MaskEdit", row),
                           .page = &page.page_,
                           .place = {220, kBellRows.Top(row), 41, 21},
                           .emptyAllowed = true,
                           .onChange = page.OnRow(&TimetablePage::MaskEditChange, row)}),
      dash(page.dialog_, {.name = Numbered(L"BellDash", row),
                          .page = &page.page_,
                          .place = {264, kBellRows.Top(row) + kLabelDrop},
                          .caption = L"–",
                          .autoSize = true}),
      end(page.dialog_, {.name = Numbered(L"end", row),
                         .page = &page.page_,
                         .place = {274, kBellRows.Top(row), 41, 21},
                         .emptyAllowed = true,
                         .onChange = page.OnRow(&TimetablePage::endChange, row)}) {}

void TimetablePage::BellRow::FollowInTabOrder(HWND previous) {
  start.FollowInTabOrder(previous);
  end.FollowInTabOrder(start.Handle());
}

HWND TimetablePage::BellRow::LastInTabOrder() const {
  return end.Handle();
}

TimetablePage::TaughtRow::TaughtRow(TimetablePage& page, std::size_t row)
    : taught(page.dialog_, {.name = Numbered(L"cb", row),
                            .page = &page.page_,
                            .place = {332, kTaughtRows.Top(row), 78, 17},
                            .onClick = page.OnRow(&TimetablePage::cbClick, row)}),
      times(page.dialog_, {.name = Numbered(L"LessonTimes", row),
                           .page = &page.page_,
                           .place = {412, kTaughtRows.Top(row) + 2},
                           .autoSize = true}) {}

void TimetablePage::TaughtRow::FollowInTabOrder(HWND previous) {
  taught.FollowInTabOrder(previous);
}

HWND TimetablePage::TaughtRow::LastInTabOrder() const {
  return taught.Handle();
}

const SchoolTimetable& TimetablePage::ShownTimetable() const {
  return settings_.Timetable.InUse() ? settings_.Timetable : firstVersionTimetable_;
}

SchoolTimetable& TimetablePage::EditedTimetable() {
  if (!settings_.Timetable.InUse()) settings_.Timetable = firstVersionTimetable_;
  return settings_.Timetable;
}

void TimetablePage::TimetableEdited() {
  UpdateFirstVersionTimetable(settings_);
}

const BellSchedule& TimetablePage::ShownSchedule() const {
  return ShownTimetable().schedules[static_cast<std::size_t>(selectedSchedule_)];
}

BellSchedule& TimetablePage::EditedSchedule() {
  return EditedTimetable().schedules[static_cast<std::size_t>(selectedSchedule_)];
}

Weekday TimetablePage::SelectedDay() const {
  return WeekdayAtRow(std::max(DaysList.ItemIndex(), 0));
}

void TimetablePage::ShowSettings() {
  WhileBinding([&] {
    firstVersionTimetable_ = FirstVersionTimetable(settings_);
    const SchoolTimetable& timetable = ShownTimetable();
    selectedSchedule_ = std::max(timetable.Day(Weekday::Monday).schedule, 0);
    BindScheduleList();
    BindSchedule();
    BindWeek();
    DaysList.SetItemIndex(RowOf(Weekday::Monday));
    DaysListClick(DaysList);
  });
}

// With bell schedules the length is that of a lesson begun by hand, and the
// end a new row gets.
void TimetablePage::LessonLengthChanged() {
  if (settings_.Timetable.InUse()) return;
  firstVersionTimetable_ = FirstVersionTimetable(settings_);
  BindSchedule();
  BindDay();
}

void TimetablePage::BindScheduleList() {
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

void TimetablePage::BindSchedule() {
  const BellSchedule& schedule = ShownSchedule();
  WhileBinding([&] {
    edScheduleName.SetText(schedule.name);
    cbCountFromZero.SetChecked(schedule.firstNumber == 0);
  });
  BindBellRows(RowsOfLessons(schedule.lessons));
}

void TimetablePage::BindBellRows(const std::vector<BellRowText>& rows) {
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

void TimetablePage::BindWeek() {
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
void TimetablePage::BindDay() {
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

std::vector<BellRowText> TimetablePage::BellRowTexts() const {
  std::vector<BellRowText> rows;
  for (const std::unique_ptr<BellRow>& row : BellRows) {
    rows.push_back({row->start.Text(), row->end.Text()});
  }
  return rows;
}

void TimetablePage::MakeBellRows(std::size_t count) {
  WhileBinding([&] { GrowRows(*this, BellRows, count, WeekRows.back()->schedule.Handle()); });
}

void TimetablePage::MakeTaughtRows(std::size_t count) {
  WhileBinding([&] { GrowRows(*this, TaughtRows, count, DaysList.Handle()); });
}

void TimetablePage::BellRowsChanged() {
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
  if (Binding() || reading.problem || reading.lessons == ShownSchedule().lessons) return;
  EditedSchedule().lessons = reading.lessons;
  TimetableEdited();
  BindDay();
}

bool TimetablePage::BellRowsSettled() {
  const BellRowsReading reading = ReadBellRows(BellRowTexts());
  if (!reading.problem) {
    BindBellRows(RowsOfLessons(reading.lessons));
    return true;
  }
  dialog_.PageControl1.SetActivePage(page_);
  BellRow& row = *BellRows[reading.problemRow];
  const bool startIsTime = MinuteOfFieldText(row.start.Text()).has_value();
  toolkit::MaskedTimeField& field =
      startIsTime && reading.problem == BellRowProblem::Incomplete ? row.end : row.start;
  toolkit::ShowMessage(BellRowProblemText(reading, ShownSchedule()), MB_ICONERROR | MB_OK);
  // After the message, which gave the focus back where it had found it.
  field.SetFocus();
  return false;
}

void TimetablePage::SelectSchedule(int index) {
  selectedSchedule_ = index;
  BindScheduleList();
  BindSchedule();
}

void TimetablePage::ScheduleListClick(Control&) {
  const int index = ScheduleList.ItemIndex();
  if (index < 0 || index == selectedSchedule_) return;
  if (!BellRowsSettled()) {
    ScheduleList.SetItemIndex(selectedSchedule_);
    return;
  }
  SelectSchedule(index);
}

// A name is taken as it is typed, whenever it is one no other schedule has.
void TimetablePage::edScheduleNameChange(Control&) {
  const std::wstring name = CleanScheduleName(edScheduleName.Text());
  if (name == ShownSchedule().name) return;
  if (ScheduleNameProblem(ShownTimetable(), name, selectedSchedule_)) return;
  EditedSchedule().name = name;
  TimetableEdited();
  BindScheduleList();
  BindWeek();
  BindDay();
}

void TimetablePage::edScheduleNameEnter(Control&) {
  nameBeforeEdit_ = ShownSchedule().name;
}

// A name that cannot be taken is said why (unless the dialog is closing,
// which takes the focus too), and the name from before the edit comes back.
void TimetablePage::edScheduleNameExit(Control&) {
  const std::wstring name = CleanScheduleName(edScheduleName.Text());
  const std::optional<std::wstring> problem =
      ScheduleNameProblem(ShownTimetable(), name, selectedSchedule_);
  if (problem && dialog_.Visible() && dialog_.ModalResult() == 0) {
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

void TimetablePage::btnAddScheduleClick(Control&) {
  if (!BellRowsSettled()) return;
  const std::wstring name = UnusedScheduleName(ShownTimetable(), L"Новое расписание");
  const int index = AddSchedule(EditedTimetable(), {.name = name, .firstNumber = 1, .lessons = {}});
  TimetableEdited();
  SelectSchedule(index);
  BindWeek();
  edScheduleName.SetFocus();
  edScheduleName.SelectAll();
}

void TimetablePage::btnCopyScheduleClick(Control&) {
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

void TimetablePage::btnDeleteScheduleClick(Control&) {
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

void TimetablePage::DayScheduleChange(std::size_t row) {
  const Weekday day = WeekdayAtRow(static_cast<int>(row));
  const int schedule = ScheduleOfChoice(WeekRows[row]->schedule.ItemIndex());
  if (ShownTimetable().Day(day).schedule == schedule) return;
  EditedTimetable().Day(day).schedule = schedule;
  TimetableEdited();
  if (day == SelectedDay()) BindDay();
}

// A start entered into a row without an end gets the usual lesson's end, so
// that a schedule of equal lessons is typed start by start.
void TimetablePage::MaskEditChange(std::size_t row) {
  BellRow& bellRow = *BellRows[row];
  const std::optional<TimeOfDay> start = MinuteOfFieldText(bellRow.start.Text());
  if (start && IsEmptyRow({{}, bellRow.end.Text()})) {
    if (const std::optional<TimeOfDay> end = EndAfterStart(*start, dialog_.UsualLessonMinutes())) {
      bellRow.end.SetText(FormatHourMinute(*end));
      return;  // the end's own change reads the rows
    }
  }
  BellRowsChanged();
}

void TimetablePage::endChange(std::size_t) {
  BellRowsChanged();
}

void TimetablePage::cbCountFromZeroClick(Control&) {
  EditedSchedule().firstNumber = cbCountFromZero.Checked() ? 0 : 1;
  TimetableEdited();
  BellRowsChanged();
  BindDay();
}

void TimetablePage::btnPasteBellsClick(Control&) {
  const PastedBells bells = ReadPastedBells(toolkit::ClipboardText(dialog_.Handle()));
  if (bells.columns.empty()) {
    toolkit::ShowMessage(NothingToPasteText(), MB_ICONINFORMATION | MB_OK);
  } else if (bells.columns.size() == 1) {
    PasteIntoSchedule(bells);
  } else {
    PasteSchedules(bells);
  }
}

void TimetablePage::PasteIntoSchedule(const PastedBells& bells) {
  const PastedColumn& pasted = bells.columns.front();
  if (!ShownSchedule().lessons.empty() &&
      toolkit::ShowMessage(
          ReplaceByPasteQuestion(ShownSchedule(), pasted.lessons.size(), PassedOverText(bells)),
          MB_ICONQUESTION | MB_YESNO) != IDYES) {
    return;
  }
  std::vector<BellLesson> lessons = pasted.lessons;
  const bool tooMany = lessons.size() > kMaxScheduleLessons;
  if (tooMany) lessons.resize(kMaxScheduleLessons);
  EditedSchedule().firstNumber = pasted.firstNumber;
  TimetableEdited();
  WhileBinding([&] { cbCountFromZero.SetChecked(pasted.firstNumber == 0); });
  BindBellRows(RowsOfLessons(lessons));
  if (tooMany) toolkit::ShowMessage(TooManyPastedText(), MB_ICONINFORMATION | MB_OK);
}

void TimetablePage::PasteSchedules(const PastedBells& bells) {
  if (!BellRowsSettled()) return;
  const std::vector<BellSchedule> pasted = SchedulesOfPaste(bells);
  const PasteChoice choice = PasteChoiceFor(ShownTimetable(), pasted);
  if (choice.items.empty()) {
    toolkit::ShowMessage(NoRoomForPastedText(), MB_ICONINFORMATION | MB_OK);
    return;
  }
  const std::wstring question =
      AddPastedSchedulesQuestion(ShownTimetable(), pasted, PassedOverText(bells));
  const std::optional<int> item = AskPasteChoice(question, choice.items, dialog_.Handle());
  if (!item) return;
  const int first = TakePastedSchedules(EditedTimetable(), ChosenSchedules(choice, pasted, *item));
  if (first < 0) return;
  TimetableEdited();
  SelectSchedule(first);
  BindWeek();
  BindDay();
}

void TimetablePage::DaysListClick(Control&) {
  BindDay();
}

void TimetablePage::cbClick(std::size_t row) {
  const Weekday day = SelectedDay();
  const SchoolDay& schoolDay = ShownTimetable().Day(day);
  if (schoolDay.schedule == kNoSchedule) return;
  const BellSchedule& schedule =
      ShownTimetable().schedules[static_cast<std::size_t>(schoolDay.schedule)];
  const auto number = static_cast<std::size_t>(schedule.NumberOf(row));
  const bool taught = TaughtRows[row]->taught.Checked();
  if (schoolDay.taught.test(number) == taught) return;
  EditedTimetable().Day(day).taught.set(number, taught);
  TimetableEdited();
}

}  // namespace ostrevin
