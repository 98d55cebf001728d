#include "ui/sounds_page.h"

#include "ui/frm_lesson_list.h"

namespace ostrevin {

using toolkit::Control;

SoundsPage::SoundsPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings)
    : SettingsPage(dialog, page, settings),
      cbAllSndsOFF(dialog, {.name = L"cbAllSndsOFF",
                            .page = &page,
                            .place = {8, 16, 137, 17},
                            .caption = L"отключить все звуки",
                            .onClick = On(&SoundsPage::cbAllSndsOFFClick)}),
      cbStartStopSnd(dialog, {.name = L"cbStartStopSnd",
                              .page = &page,
                              .place = {40, 48, 193, 17},
                              .caption = L"в начале и конце урока",
                              .checked = true,
                              .onClick = On(&SoundsPage::cbStartStopSndClick)}),
      cbIntroPartSnd(dialog, {.name = L"cbIntroPartSnd",
                              .page = &page,
                              .place = {40, 72, 193, 17},
                              .caption = L"после вступительной части",
                              .checked = true,
                              .onClick = On(&SoundsPage::cbIntroPartSndClick)}),
      rgFinishPartSnd(dialog,
                      {.name = L"rgFinishPartSnd",
                       .page = &page,
                       .place = {40, 96, 185, 97},
                       .caption = L"Заключительная часть: ",
                       .items = {L"Без звука", L"Только в начале закл. части", L"Каждую минуту"},
                       .itemIndex = fpsEveryMinute,
                       .onClick = On(&SoundsPage::rgFinishPartSndClick)}),
      cbCountDown(dialog, {.name = L"cbCountDown",
                           .page = &page,
                           .place = {232, 168, 129, 17},
                           .caption = L"в обратном порядке",
                           .onClick = On(&SoundsPage::cbCountDownClick)}) {}

void SoundsPage::ShowSettings() {
  WhileBinding([&] {
    cbStartStopSnd.SetChecked(settings_.StartStopSnd);
    cbIntroPartSnd.SetChecked(settings_.IntroPartSnd);
    cbCountDown.SetChecked(settings_.CountDown);
    rgFinishPartSnd.SetItemIndex(settings_.FinishPartSounds);
    cbAllSndsOFF.SetChecked(settings_.AllSndsOFF);
    EnableSoundChoices(!settings_.AllSndsOFF);
  });
}

void SoundsPage::EnableSoundChoices(bool enabled) {
  cbStartStopSnd.SetEnabled(enabled);
  cbIntroPartSnd.SetEnabled(enabled);
  rgFinishPartSnd.SetEnabled(enabled);
}

// Only the controls are set here: their own handlers write the sound
// settings.
void SoundsPage::cbAllSndsOFFClick(Control&) {
  const bool allOff = cbAllSndsOFF.Checked();
  EnableSoundChoices(!allOff);
  cbStartStopSnd.SetChecked(!allOff);
  cbIntroPartSnd.SetChecked(!allOff);
  rgFinishPartSnd.SetItemIndex(allOff ? fpsNone : fpsEveryMinute);
  settings_.AllSndsOFF = allOff;
}

void SoundsPage::cbStartStopSndClick(Control&) {
  settings_.StartStopSnd = cbStartStopSnd.Checked();
}

void SoundsPage::cbIntroPartSndClick(Control&) {
  settings_.IntroPartSnd = cbIntroPartSnd.Checked();
}

// The count-down belongs to the every-minute beeps; it stays enabled, so it
// can be checked again by hand.
void SoundsPage::rgFinishPartSndClick(Control&) {
  const int item = rgFinishPartSnd.ItemIndex();
  if (item >= fpsNone && item <= fpsEveryMinute) {
    settings_.FinishPartSounds = static_cast<FinishPartMode>(item);
  }
  if (settings_.FinishPartSounds != fpsEveryMinute) cbCountDown.SetChecked(false);
}

void SoundsPage::cbCountDownClick(Control&) {
  settings_.CountDown = cbCountDown.Checked();
}

}  // namespace ostrevin
