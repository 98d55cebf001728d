#pragma once

#include <windows.h>

#include "settings/settings.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/masked_time_field.h"
#include "toolkit/numeric_field.h"
#include "toolkit/radio_group.h"
#include "toolkit/tab_control.h"
#include "toolkit/text_field.h"
#include "ui/work_services.h"

namespace ostrevin {

// The settings dialog: the week's timetable, the general options, the sounds
// and the About tab. It keeps no copy of the settings: every change the
// teacher makes to a control is written into the settings record at once, so
// the running clock follows the edits as they are made; showing the settings
// changes none of them. OK checks the lesson lengths and registers or removes
// autostart; the caller saves. On Cancel the caller puts back the settings it
// opened the dialog with. The two buttons at the bottom export and import a
// settings file.
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

  toolkit::ListBox DaysList;
  toolkit::Label Label1;
  toolkit::CheckBox cb1, cb2, cb3, cb4, cb5, cb6, cb7;
  toolkit::Label Label2, Label5, Label8, Label11, Label14, Label17, Label20;  // "С"
  toolkit::MaskedTimeField MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6,
      MaskEdit7;
  toolkit::Label Label3, Label6, Label9, Label12, Label15, Label18, Label21;  // "по"
  toolkit::Label end1, end2, end3, end4, end5, end6, end7;

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
  void DaysListClick(toolkit::Control& sender);
  void cb1Click(toolkit::Control& sender);
  void MaskEdit1Change(toolkit::Control& sender);
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
  void edTimeServerChange(toolkit::Control& sender);

  // The time server's last answer, in words, below its name.
  void ShowTimeServerResult(const std::wstring& text);

  void cbYieldToFullScreenClick(toolkit::Control& sender);

 private:
  using ControlHandler = void (TLessonListF::*)(toolkit::Control&);
  toolkit::ControlEvent On(ControlHandler handler);

  // The designs of the timetable's rows, slot 1..7.
  toolkit::CheckBoxDesign SlotBox(int slot);
  toolkit::LabelDesign FromLabel(int slot);
  toolkit::MaskedTimeFieldDesign StartField(int slot);
  toolkit::LabelDesign ToLabel(int slot);
  toolkit::LabelDesign EndLabel(int slot);

  void ShowSettings();
  void ShowAutoStart();
  void ShowSlotEnd(int slot);
  void EnableSoundChoices(bool enabled);

  // The members of the numbered families, found by name as "cb%D",
  // "MaskEdit%D" and "end%D".
  toolkit::CheckBox& SlotBoxOf(int slot) const;
  toolkit::MaskedTimeField& StartFieldOf(int slot) const;
  toolkit::Label& EndLabelOf(int slot) const;
  int SelectedDay() const;
  void BindBellControls();

  // While ShowSettings sets the controls from the settings, their handlers do
  // not run.
  bool binding_ = false;
  // OK registers or removes autostart only when the box says what the
  // teacher wants: it showed what the Run key holds, or the teacher changed
  // it.
  bool autoStartDecided_ = false;
};

}  // namespace ostrevin
