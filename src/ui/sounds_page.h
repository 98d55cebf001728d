#pragma once

#include "toolkit/check_box.h"
#include "toolkit/radio_group.h"
#include "ui/settings_page.h"

namespace ostrevin {

// "Звуки": the sounds at a lesson's start and end, after its intro part and
// in its final part, or none at all.
class SoundsPage final : public SettingsPage {
 public:
  SoundsPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings);

  void ShowSettings() override;

  // The controls, in the Tab order.
  toolkit::CheckBox cbAllSndsOFF;
  toolkit::CheckBox cbStartStopSnd;
  toolkit::CheckBox cbIntroPartSnd;
  toolkit::RadioGroup rgFinishPartSnd;
  toolkit::CheckBox cbCountDown;

  // Handlers.
  void cbAllSndsOFFClick(toolkit::Control& sender);
  void cbStartStopSndClick(toolkit::Control& sender);
  void cbIntroPartSndClick(toolkit::Control& sender);
  void rgFinishPartSndClick(toolkit::Control& sender);
  void cbCountDownClick(toolkit::Control& sender);

 private:
  void EnableSoundChoices(bool enabled);
};

}  // namespace ostrevin
