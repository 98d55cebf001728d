#pragma once

#include "toolkit/check_box.h"
#include "toolkit/label.h"
#include "toolkit/numeric_field.h"
#include "ui/settings_page.h"
#include "ui/work_services.h"

namespace ostrevin {

// "Общие": autostart, the end of the day, the warning before a lesson, the
// window at a lesson's start, the lesson's lengths, the lesson number icon,
// the opacity, joining a lesson going on and stepping aside for full-screen
// shows. The dialog opens on it.
class GeneralPage final : public SettingsPage {
 private:
  WorkServices& services_;

 public:
  GeneralPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings,
              WorkServices& services);

  void ShowSettings() override;
  // Shows whether autostart is registered: asked once, as the dialog shows,
  // after the settings (an imported file leaves the box as the teacher has
  // it).
  void ShowAutoStart();
  // On OK: registers or removes autostart, when the box says what the
  // teacher wants.
  void ApplyAutoStart();

  // The controls, in the Tab order.
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
  toolkit::CheckBox cbJoinLesson;
  toolkit::CheckBox cbYieldToFullScreen;

  // Handlers.
  void cbAutoStartClick(toolkit::Control& sender);
  void cbOfferExitClick(toolkit::Control& sender);
  void cbWarnBeforeLessonClick(toolkit::Control& sender);
  void edWarnValChange(toolkit::Control& sender);
  void cbShowOnStartLessonClick(toolkit::Control& sender);
  void edLessLenChange(toolkit::Control& sender);
  void edIntroTimeChange(toolkit::Control& sender);
  void edFinishTimeChange(toolkit::Control& sender);
  void cbShowCurrNoClick(toolkit::Control& sender);
  void cbBlendClick(toolkit::Control& sender);
  void edBlendValExit(toolkit::Control& sender);
  void cbJoinLessonClick(toolkit::Control& sender);
  void cbYieldToFullScreenClick(toolkit::Control& sender);

 private:
  // OK registers or removes autostart only when the box says what the
  // teacher wants: it showed what the Run key holds, or the teacher changed
  // it.
  bool autoStartDecided_ = false;
};

}  // namespace ostrevin
