// The timer window's lesson number icon: its look, and what it shows.
#include <utility>

#include "ui/frm_work.h"
#include "ui/model/lesson_indicator.h"

namespace ostrevin {

void TWorkF::SetUpNumberTrayIcon() {
  NumberTrayIcon.SetText(L"II");
  NumberTrayIcon.SetFont(
      {.face = L"MS Sans Serif", .height = 13, .bold = true, .color = clWhite, .smooth = false});
  NumberTrayIcon.SetColor(clBlue);
  NumberTrayIcon.SetBorder(true);
  NumberTrayIcon.SetBorderColor(clWhite);
  NumberTrayIcon.Options().SetOffsetX(1);
  NumberTrayIcon.SetHint(L"Сейчас идёт урок №...");
  NumberTrayIcon.SetPopupMenu(&TrayPopup);
  NumberTrayIcon.OnClick = [this](TNotifyIcon&) { N1Click(); };
  // Shown by FormCreate when the settings ask for it, so that with the icon
  // switched off it never flashes into the tray at start.
  NumberTrayIcon.Loaded();
}

void TWorkF::ApplyShowCurrNo() {
  NumberTrayIcon.SetIconVisible(settings_.ShowCurrNo);
  acShowCurrNo.SetChecked(settings_.ShowCurrNo);
  if (settings_.ShowCurrNo) UpdateLessonIndicator();
}

void TWorkF::UpdateLessonIndicator() {
  Clock.LocateCurrentLesson();
  IndicatorRefresh refresh =
      RefreshLessonIndicator(Clock.CurrentLesson(), Clock.PrevLesson(), NumberTrayIcon.Text());
  if (refresh.view) {
    NumberTrayIcon.SetTextAndHint(std::move(refresh.view->text), std::move(refresh.view->hint));
  }
}

}  // namespace ostrevin
