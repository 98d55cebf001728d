#include "ui/general_page.h"

#include "base/time_units.h"

#include "system/program_path.h"
#include "toolkit/application.h"
#include "ui/frm_lesson_list.h"
#include "ui/model/lesson_list_rules.h"

namespace ostrevin {
namespace {

using toolkit::Application;
using toolkit::Control;


}  // namespace

GeneralPage::GeneralPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings,
                         WorkServices& services)
    : SettingsPage(dialog, page, settings),
      services_(services),
      cbAutoStart(dialog, {.name = L"cbAutoStart",
                           .page = &page,
                           .place = {88, 4, 185, 17},
                           .caption = L"запускать вместе с Windows",
                           .checked = true,
                           .onClick = On(&GeneralPage::cbAutoStartClick)}),
      cbOfferExit(dialog, {.name = L"cbOfferExit",
                           .page = &page,
                           .place = {88, 28, 217, 17},
                           .caption = L"предлагать выход, если нет уроков",
                           .checked = true,
                           .onClick = On(&GeneralPage::cbOfferExitClick)}),
      cbWarnBeforeLesson(dialog, {.name = L"cbWarnBeforeLesson",
                                  .page = &page,
                                  .place = {88, 48, 225, 17},
                                  .caption = L"предупреждать перед началом урока за",
                                  .onClick = On(&GeneralPage::cbWarnBeforeLessonClick)}),
      edWarnVal(dialog, {.name = L"edWarnVal",
                         .page = &page,
                         .place = {320, 45, 33, 22},
                         .limits = {0, 60},
                         .value = 3,
                         .enabled = false,
                         .onChange = On(&GeneralPage::edWarnValChange)}),
      Label22(dialog, {.name = L"Label22",
                       .page = &page,
                       .place = {360, 52},
                       .caption = L"мин.",
                       .autoSize = true}),
      cbShowOnStartLesson(dialog, {.name = L"cbShowOnStartLesson",
                                   .page = &page,
                                   .place = {88, 68, 233, 17},
                                   .caption = L"показывать окно, когда начинается урок",
                                   .checked = true,
                                   .onClick = On(&GeneralPage::cbShowOnStartLessonClick)}),
      Label23(dialog, {.name = L"Label23",
                       .page = &page,
                       .place = {56, 100},
                       .caption = L"Длительность урока:",
                       .autoSize = true}),
      edLessLen(dialog, {.name = L"edLessLen",
                         .page = &page,
                         .place = {176, 96, 49, 22},
                         .limits = {3, 100},
                         .value = 45,
                         .onChange = On(&GeneralPage::edLessLenChange)}),
      Label26(dialog, {.name = L"Label26",
                       .page = &page,
                       .place = {230, 100},
                       .caption = L"мин.",
                       .autoSize = true}),
      Label24(dialog, {.name = L"Label24",
                       .page = &page,
                       .place = {56, 124},
                       .caption = L"Вступительная часть:",
                       .autoSize = true}),
      edIntroTime(dialog, {.name = L"edIntroTime",
                           .page = &page,
                           .place = {176, 120, 49, 22},
                           .limits = {1, 30},
                           .value = 5,
                           .onChange = On(&GeneralPage::edIntroTimeChange)}),
      Label27(dialog, {.name = L"Label27",
                       .page = &page,
                       .place = {230, 124},
                       .caption = L"мин.",
                       .autoSize = true}),
      Label25(dialog, {.name = L"Label25",
                       .page = &page,
                       .place = {56, 148},
                       .caption = L"Заключительная часть:",
                       .autoSize = true}),
      edFinishTime(dialog, {.name = L"edFinishTime",
                            .page = &page,
                            .place = {176, 144, 49, 22},
                            .limits = {1, 30},
                            .value = 5,
                            .onChange = On(&GeneralPage::edFinishTimeChange)}),
      Label28(dialog, {.name = L"Label28",
                       .page = &page,
                       .place = {230, 148},
                       .caption = L"мин.",
                       .autoSize = true}),
      cbShowCurrNo(dialog, {.name = L"cbShowCurrNo",
                            .page = &page,
                            .place = {88, 172, 225, 17},
                            .caption = L"показывать номер текущего урока",
                            .checked = true,
                            .onClick = On(&GeneralPage::cbShowCurrNoClick)}),
      cbBlend(dialog, {.name = L"cbBlend",
                       .page = &page,
                       .place = {88, 192, 153, 17},
                       .caption = L"включить прозрачность",
                       .checked = true,
                       .onClick = On(&GeneralPage::cbBlendClick)}),
      edBlendVal(dialog, {.name = L"edBlendVal",
                          .page = &page,
                          .place = {248, 192, 41, 22},
                          .limits = {10, 100},
                          .value = 50,
                          .enabled = false,
                          .onExit = On(&GeneralPage::edBlendValExit)}),
      Label19(dialog, {.name = L"Label19",
                       .page = &page,
                       .place = {294, 196},
                       .caption = L"%",
                       .autoSize = true}),
      cbJoinLesson(dialog, {.name = L"cbJoinLesson",
                            .page = &page,
                            .place = {88, 216, 233, 17},
                            .caption = L"подхватывать начавшийся урок",
                            .checked = true,
                            .onClick = On(&GeneralPage::cbJoinLessonClick)}),
      cbYieldToFullScreen(dialog, {.name = L"cbYieldToFullScreen",
                                   .page = &page,
                                   .place = {88, 240, 241, 17},
                                   .caption = L"не закрывать полноэкранные показы",
                                   .onClick = On(&GeneralPage::cbYieldToFullScreenClick)}) {}

// A value that its control cannot show (a length beyond the field's limits)
// stays in the settings until the teacher changes it.
void GeneralPage::ShowSettings() {
  WhileBinding([&] {
    edLessLen.SetValue(settings_.LessLen / kTenthsPerMinute);
    edIntroTime.SetValue(settings_.IntroTime / kTenthsPerMinute);
    edFinishTime.SetValue(settings_.FinishTime / kTenthsPerMinute);
    cbShowCurrNo.SetChecked(settings_.ShowCurrNo);
    cbOfferExit.SetChecked(settings_.bOfferExit);
    edWarnVal.SetValue(settings_.WarnVal);
    cbWarnBeforeLesson.SetChecked(settings_.bWarnBeforeLesson);
    edWarnVal.SetEnabled(settings_.bWarnBeforeLesson);
    cbShowOnStartLesson.SetChecked(settings_.bShowOnStartLesson);
    cbBlend.SetChecked(settings_.IsBlend);
    edBlendVal.SetEnabled(settings_.IsBlend);
    edBlendVal.SetValue(BlendPercent(settings_.BlendVal));
    cbJoinLesson.SetChecked(settings_.JoinLesson);
    cbYieldToFullScreen.SetChecked(settings_.bYieldToFullScreen);
  });
}

// A check that fails (a value of another type under the Run key) is
// reported; the box then shows unchecked, and OK leaves autostart as it is
// unless the teacher changes the box.
void GeneralPage::ShowAutoStart() {
  try {
    cbAutoStart.SetChecked(services_.IsAutoRun(Application::Instance().Title(), ProgramPath()));
    autoStartDecided_ = true;
  } catch (...) {
    cbAutoStart.SetChecked(false);
    autoStartDecided_ = false;
    Application::Instance().HandleCurrentException();
  }
}

void GeneralPage::ApplyAutoStart() {
  if (autoStartDecided_) {
    services_.SetAutoRun(Application::Instance().Title(), ProgramPath(), cbAutoStart.Checked());
  }
}

void GeneralPage::cbAutoStartClick(Control&) {
  autoStartDecided_ = true;
}

void GeneralPage::cbOfferExitClick(Control&) {
  settings_.bOfferExit = cbOfferExit.Checked();
}

void GeneralPage::cbWarnBeforeLessonClick(Control&) {
  settings_.bWarnBeforeLesson = cbWarnBeforeLesson.Checked();
  settings_.WarnVal = edWarnVal.Value();
  edWarnVal.SetEnabled(settings_.bWarnBeforeLesson);
}

void GeneralPage::edWarnValChange(Control&) {
  settings_.WarnVal = edWarnVal.Value();
}

void GeneralPage::cbShowOnStartLessonClick(Control&) {
  settings_.bShowOnStartLesson = cbShowOnStartLesson.Checked();
}

// In the first version's timetable every lesson is this long: the timetable
// shows the new ends at once.
void GeneralPage::edLessLenChange(Control&) {
  settings_.LessLen = edLessLen.Value() * kTenthsPerMinute;
  dialog_.LessonLengthChanged();
}

void GeneralPage::edIntroTimeChange(Control&) {
  settings_.IntroTime = edIntroTime.Value() * kTenthsPerMinute;
}

void GeneralPage::edFinishTimeChange(Control&) {
  settings_.FinishTime = edFinishTime.Value() * kTenthsPerMinute;
}

void GeneralPage::cbShowCurrNoClick(Control&) {
  settings_.ShowCurrNo = cbShowCurrNo.Checked();
}

void GeneralPage::cbBlendClick(Control&) {
  settings_.IsBlend = cbBlend.Checked();
  edBlendVal.SetEnabled(settings_.IsBlend);
}

// Only leaving the field stores the opacity: typing and the arrows do not.
void GeneralPage::edBlendValExit(Control&) {
  settings_.BlendVal = BlendValOfPercent(edBlendVal.Value());
}

void GeneralPage::cbJoinLessonClick(Control&) {
  settings_.JoinLesson = cbJoinLesson.Checked();
}

void GeneralPage::cbYieldToFullScreenClick(Control&) {
  settings_.bYieldToFullScreen = cbYieldToFullScreen.Checked();
}

}  // namespace ostrevin
