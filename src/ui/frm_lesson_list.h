#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "settings/settings.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/masked_time_field.h"
#include "toolkit/numeric_field.h"
#include "toolkit/radio_group.h"
#include "toolkit/tab_control.h"
#include "toolkit/text_field.h"
#include "ui/model/timetable_tab_rules.h"
#include "ui/work_services.h"

namespace ostrevin {

// The settings dialog: the school's timetable, the general options, the
// sounds, the school bell's time and the About tab. It keeps no copy of the
// settings: every change the teacher makes to a control is written into the
// settings record at once, so the running clock follows the edits as they are
// made; showing the settings changes none of them. OK checks the timetable
// and the lesson lengths and registers or removes autostart; the caller
// saves. On Cancel the caller puts back the settings it opened the dialog
// with. The two buttons at the bottom export and import a settings file.
class TLessonListF final : public toolkit::Form {
 private:
  // First, so that they exist before any control bound to them.
  Settings& settings_;
  WorkServices& services_;

 public:
  // Created hidden, owned by the timer window; showing it binds the controls
  // to the settings (FormShow).
  TLessonListF(Settings& settings, WorkServices& services, HWND owner);
  ~TLessonListF() override;

  // The controls, in form order.
  toolkit::TabControl PageControl1;
  toolkit::TabPage TabSheet1;  // "Расписание уроков и звонков"
  toolkit::TabPage TabSheet2;  // "Общие"
  toolkit::TabPage TabSheet4;  // "Звуки"
  toolkit::TabPage TabSheet3;  // "О программе"

  // The school's timetable: its bell schedules and the week's mapping on the
  // left, the selected schedule's bells in the middle, the selected day's own
  // lessons on the right. Until the first edit of a timetable of the first
  // version, the tab shows it as the one schedule it is, and keeps the
  // settings as they are.

  // One day of the week and its schedule ("DayName%D", "DaySchedule%D", 1
  // Monday .. 7 Sunday).
  struct WeekRow {
    WeekRow(TLessonListF& dialog, int row);
    toolkit::Label day;
    toolkit::ComboBox schedule;
  };
  // One row of the selected schedule's bells: the number its lesson shows
  // ("BellNumber%D"), its start ("MaskEdit%D") and end ("end%D") fields.
  struct BellRow {
    BellRow(TLessonListF& dialog, int row);
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
    TaughtRow(TLessonListF& dialog, int row);
    void FollowInTabOrder(HWND previous);
    HWND LastInTabOrder() const;
    toolkit::CheckBox taught;
    toolkit::Label times;
  };

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
  // dialog's opening its making, its drawing and its destruction.
  std::vector<std::unique_ptr<BellRow>> BellRows;
  toolkit::CheckBox cbCountFromZero;
  toolkit::Button btnPasteBells;
  toolkit::Label lbMyLessons;
  toolkit::ListBox DaysList;  // Monday first
  toolkit::Label lbDaySchedule;
  std::vector<std::unique_ptr<TaughtRow>> TaughtRows;

  toolkit::CheckBox cbAutoStart;
  toolkit::CheckBox cbOfferExit;
  toolkit::CheckBox cbWarnBeforeLesson;
  toolkit::NumericField edWarnVal;
  toolkit::Label Label22;
  toolkit::CheckBox cbShowOnStartLesson;
  toolkit::Label Label23;
  toolkit::NumericField edLessLen;
  toolkit::Label Label26;
  toolkit::Label Label24;
  toolkit::NumericField edIntroTime;
  toolkit::Label Label27;
  toolkit::Label Label25;
  toolkit::NumericField edFinishTime;
  toolkit::Label Label28;
  toolkit::CheckBox cbShowCurrNo;
  toolkit::CheckBox cbBlend;
  toolkit::NumericField edBlendVal;
  toolkit::Label Label19;

  toolkit::CheckBox cbAllSndsOFF;
  toolkit::CheckBox cbStartStopSnd;
  toolkit::CheckBox cbIntroPartSnd;
  toolkit::RadioGroup rgFinishPartSnd;
  toolkit::CheckBox cbCountDown;

  toolkit::Label Label4;
  toolkit::Label Label7;
  toolkit::Label Label29;
  toolkit::Label Label10;
  toolkit::Label Label13;
  toolkit::Label Label16;
  toolkit::Label lbURL;

  toolkit::Button btnSaveDataAs;
  toolkit::Button btnOpenData;
  toolkit::Button btnOK;
  toolkit::Button Button2;

  // The school bell's time: joining a lesson going on, on "Общие"; the bell
  // offset and the school's time server on their own tab "Звонки".
  toolkit::CheckBox cbJoinLesson;
  toolkit::TabPage TabSheet5;  // "Звонки", before "О программе"
  toolkit::RadioGroup rgBellDirection;
  toolkit::NumericField edBellOffset;
  toolkit::Label lbBellSeconds;
  toolkit::Label lbBellHint;
  toolkit::Label lbTimeServer;
  toolkit::TextField edTimeServer;
  toolkit::Label lbTimeServerResult;

  // The classroom's screens: stepping aside for full-screen shows ("Общие").
  toolkit::CheckBox cbYieldToFullScreen;

  // Handlers.
  void FormShow();
  void ScheduleListClick(toolkit::Control& sender);
  void edScheduleNameChange(toolkit::Control& sender);
  void edScheduleNameEnter(toolkit::Control& sender);
  void edScheduleNameExit(toolkit::Control& sender);
  void btnAddScheduleClick(toolkit::Control& sender);
  void btnCopyScheduleClick(toolkit::Control& sender);
  void btnDeleteScheduleClick(toolkit::Control& sender);
  void DaySchedule1Change(toolkit::Control& sender);
  void MaskEdit1Change(toolkit::Control& sender);
  void end1Change(toolkit::Control& sender);
  void cbCountFromZeroClick(toolkit::Control& sender);
  void btnPasteBellsClick(toolkit::Control& sender);
  void DaysListClick(toolkit::Control& sender);
  void cb1Click(toolkit::Control& sender);
  void edLessLenChange(toolkit::Control& sender);
  void edIntroTimeChange(toolkit::Control& sender);
  void edFinishTimeChange(toolkit::Control& sender);
  void edWarnValChange(toolkit::Control& sender);
  void cbAutoStartClick(toolkit::Control& sender);
  void cbOfferExitClick(toolkit::Control& sender);
  void cbWarnBeforeLessonClick(toolkit::Control& sender);
  void cbShowOnStartLessonClick(toolkit::Control& sender);
  void cbShowCurrNoClick(toolkit::Control& sender);
  void cbBlendClick(toolkit::Control& sender);
  void edBlendValExit(toolkit::Control& sender);
  void cbAllSndsOFFClick(toolkit::Control& sender);
  void cbStartStopSndClick(toolkit::Control& sender);
  void cbIntroPartSndClick(toolkit::Control& sender);
  void rgFinishPartSndClick(toolkit::Control& sender);
  void cbCountDownClick(toolkit::Control& sender);
  void btnOKClick(toolkit::Control& sender);
  void btnSaveDataAsClick(toolkit::Control& sender);
  void btnOpenDataClick(toolkit::Control& sender);
  void lbURLClick();
  void cbJoinLessonClick(toolkit::Control& sender);
  void edBellOffsetChange(toolkit::Control& sender);
  void edTimeServerExit(toolkit::Control& sender);

  // The time server's last answer, in words, below its name.
  void ShowTimeServerResult(const std::wstring& text);
  void ShowBellOffset();
  // The teacher gave the time server another name (left the field, or OK).
  std::function<void()> OnTimeServerChange;

  void cbYieldToFullScreenClick(toolkit::Control& sender);

 private:
  using ControlHandler = void (TLessonListF::*)(toolkit::Control&);
  toolkit::ControlEvent On(ControlHandler handler);

  // The timetable as the tab shows it, and the one its edits change: the
  // settings' own, made from the first version's timetable at the first edit.
  const SchoolTimetable& ShownTimetable() const;
  SchoolTimetable& EditedTimetable();
  // After an edit: what version 1.0 reads follows.
  void TimetableEdited();
  const BellSchedule& ShownSchedule() const;
  BellSchedule& EditedSchedule();
  Weekday SelectedDay() const;

  void ShowSettings();
  void ShowOptions();
  void ShowAutoStart();
  void EnableSoundChoices(bool enabled);
  void BindBellControls();
  void ApplyTimeServerName();
  void BindTimetable();
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
  // Whether the rows hold a schedule that can be left: if not, says why and
  // puts the focus on the row. If so, shows them in the order of their times.
  bool BellRowsSettled();
  void SelectSchedule(int index);
  // Runs a binding of controls to the timetable without their handlers
  // taking it for an edit.
  template <class Work>
  void WhileBinding(Work work);

  SchoolTimetable firstVersionTimetable_;
  int selectedSchedule_ = 0;
  // The schedule's name when its field took the focus: a name that cannot
  // be taken brings it back.
  std::wstring nameBeforeEdit_;
  // While the controls are set from the settings, their handlers do not run.
  bool binding_ = false;
  // OK registers or removes autostart only when the box says what the
  // teacher wants: it showed what the Run key holds, or the teacher changed
  // it.
  bool autoStartDecided_ = false;
};

}  // namespace ostrevin
