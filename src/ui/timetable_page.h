#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "settings/pasted_bells.h"
#include "settings/school_timetable.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/masked_time_field.h"
#include "toolkit/text_field.h"
#include "ui/model/timetable_tab_rules.h"
#include "ui/settings_page.h"

namespace ostrevin {

// "Расписание уроков и звонков", the school's timetable: its bell schedules
// and the week's mapping on the left, the selected schedule's bells in the
// middle, the selected day's own lessons on the right. Until the first edit
// of a timetable of the first version, the tab shows it as the one schedule
// it is, and keeps the settings as they are.
class TimetablePage final : public SettingsPage {
 public:
  TimetablePage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings);

  // Monday's schedule and Monday's lessons first: what a teacher looks at.
  void ShowSettings() override;
  // The lesson length of "Общие" changed: in the first version's timetable
  // every lesson is that long, and the rows show the new ends at once.
  void LessonLengthChanged();
  // Whether the rows hold a schedule that can be left: if not, says why and
  // puts the focus on the row. If so, shows them in the order of their times.
  bool BellRowsSettled();

  // One day of the week and its schedule ("DayName%D", "DaySchedule%D", 1
  // Monday .. 7 Sunday).
  struct WeekRow {
    WeekRow(TimetablePage& page, std::size_t row);
    toolkit::Label day;
    toolkit::ComboBox schedule;
  };
  // One row of the selected schedule's bells: the number its lesson shows
  // ("BellNumber%D"), its start ("MaskEdit%D") and end ("end%D") fields.
  struct BellRow {
    BellRow(TimetablePage& page, std::size_t row);
    // The row's fields come right after previous in the Tab order.
    void FollowInTabOrder(HWND previous);
    HWND LastInTabOrder() const;
    toolkit::Label number;
    toolkit::MaskedTimeField start;
    toolkit::Label dash;
    toolkit::MaskedTimeField end;
  };
  // One lesson of the selected day: whether the teacher teaches it ("cb%D")
  // and its times ("LessonTimes%D").
  struct TaughtRow {
    TaughtRow(TimetablePage& page, std::size_t row);
    void FollowInTabOrder(HWND previous);
    HWND LastInTabOrder() const;
    toolkit::CheckBox taught;
    toolkit::Label times;
  };

  // The controls, in the Tab order.
  toolkit::Label lbSchedules;
  toolkit::ListBox ScheduleList;
  toolkit::Label lbScheduleName;
  toolkit::TextField edScheduleName;
  toolkit::Button btnAddSchedule;
  toolkit::Button btnCopySchedule;
  toolkit::Button btnDeleteSchedule;
  toolkit::Label lbWeek;
  std::vector<std::unique_ptr<WeekRow>> WeekRows;  // Monday first
  toolkit::Label lbBells;
  // The bell rows and the day's rows are made as they are first shown (up to
  // the 16 lessons a schedule holds) and kept until the dialog closes: a
  // schedule seldom needs more than eight, and every window costs the
  // dialog its making, its drawing and its destruction.
  std::vector<std::unique_ptr<BellRow>> BellRows;
  toolkit::CheckBox cbCountFromZero;
  toolkit::Button btnPasteBells;
  toolkit::Label lbMyLessons;
  toolkit::ListBox DaysList;  // Monday first
  toolkit::Label lbDaySchedule;
  std::vector<std::unique_ptr<TaughtRow>> TaughtRows;

  // Handlers.
  void ScheduleListClick(toolkit::Control& sender);
  void edScheduleNameChange(toolkit::Control& sender);
  void edScheduleNameEnter(toolkit::Control& sender);
  void edScheduleNameExit(toolkit::Control& sender);
  void btnAddScheduleClick(toolkit::Control& sender);
  void btnCopyScheduleClick(toolkit::Control& sender);
  void btnDeleteScheduleClick(toolkit::Control& sender);
  void DayScheduleChange(std::size_t row);
  void MaskEditChange(std::size_t row);
  void endChange(std::size_t row);
  void cbCountFromZeroClick(toolkit::Control& sender);
  void btnPasteBellsClick(toolkit::Control& sender);
  void DaysListClick(toolkit::Control& sender);
  void cbClick(std::size_t row);

 private:
  // The timetable as the tab shows it, and the one its edits change: the
  // settings' own, made from the first version's timetable at the first edit.
  const SchoolTimetable& ShownTimetable() const;
  SchoolTimetable& EditedTimetable();
  // After an edit: what version 1.0 reads follows.
  void TimetableEdited();
  const BellSchedule& ShownSchedule() const;
  BellSchedule& EditedSchedule();
  Weekday SelectedDay() const;

  void BindScheduleList();
  void BindSchedule();
  void BindBellRows(const std::vector<BellRowText>& rows);
  void BindWeek();
  void BindDay();
  std::vector<BellRowText> BellRowTexts() const;
  // Makes rows up to count (at most 16), each in the Tab order right after
  // the row above it.
  void MakeBellRows(std::size_t count);
  void MakeTaughtRows(std::size_t count);
  // The rows as read now: their numbers and the rows shown follow, and so
  // does the schedule.
  void BellRowsChanged();
  void SelectSchedule(int index);
  // A paste of one schedule's bells fills the selected schedule's rows; one
  // of several adds them as schedules, after a question.
  void PasteIntoSchedule(const PastedBells& bells);
  void PasteSchedules(const PastedBells& bells);

  SchoolTimetable firstVersionTimetable_;
  int selectedSchedule_ = 0;
  // The schedule's name when its field took the focus: a name that cannot
  // be taken brings it back.
  std::wstring nameBeforeEdit_;
};

// The timetable the tab shows for the settings: their bell schedules, or
// the first version's timetable as one schedule until its first edit.
SchoolTimetable ShownTimetableOf(const Settings& settings);

}  // namespace ostrevin
