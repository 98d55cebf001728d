// The timer window on the screens: back at its place at start, kept on the
// screens when they change, out of the way of full-screen shows.
#include "toolkit/screens.h"
#include "ui/frm_work.h"
#include "ui/model/window_place.h"

namespace ostrevin {

using toolkit::DesktopScreens;
using toolkit::WindowScreenRect;

// Moved onto a screen of another scaling, the window takes another size
// there, which the place is worked out for once more.
void TWorkF::PlaceOnScreensAtStart() {
  const std::vector<Screen> screens = DesktopScreens();
  placedOn_ = screens;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const ScreenRect window = WindowScreenRect(Handle());
    const std::optional<ScreenPoint> place =
        PlaceAtStart(settings_.TimerWindowPlace, window.Width(), window.Height(), screens);
    if (!place) return;
    const toolkit::DpiScale before = Scaling();
    MoveTo(place->left, place->top);
    if (Scaling() == before) return;
  }
}

// A window never placed nor shown is centred when it shows. Messages about
// the screens need not reach a window hidden in the tray, so the place is
// also checked before the window shows.
void TWorkF::KeepOnScreens() {
  if (!Positioned()) return;
  const std::vector<Screen> screens = DesktopScreens();
  for (int attempt = 0; attempt < 2; ++attempt) {
    const std::optional<ScreenPoint> place =
        PlaceOnScreensNow(WindowScreenRect(Handle()), placedOn_, screens);
    placedOn_ = screens;
    if (!place) return;
    const toolkit::DpiScale before = Scaling();
    MoveTo(place->left, place->top);
    if (Scaling() == before) return;
  }
}

// Only the user's own moves are remembered: a place the program chose
// because a screen was missing must not replace the one the user wants when
// that screen is back.
void TWorkF::RememberPlace() {
  const ScreenRect window = WindowScreenRect(Handle());
  placedOn_ = DesktopScreens();
  movedTo_ = WindowPlace{window.left, window.top, MonitorRects(placedOn_)};
}

// Nothing is watched while the option is off, so that the program stays
// asleep between its ticks.
void TWorkF::WatchForFullScreenShows() {
  if (settings_.bYieldToFullScreen) {
    fullScreen_.WatchForeground([this] { LookForFullScreenShow(); });
  } else {
    fullScreen_.WatchForeground(nullptr);
  }
  LookForFullScreenShow();
}

// Back after a show, the window does not take the activation from the
// program the user is in.
void TWorkF::LookForFullScreenShow() {
  const bool showInFront = settings_.bYieldToFullScreen &&
                           ShowInFront(fullScreen_.State(), fullScreen_.FactsAbout(Handle()));
  switch (stepAside_.Look(showInFront, Visible())) {
    case StepAside::Move::Hide:
      AppTrayIcon.ConcealMainWindow();
      break;
    case StepAside::Move::Show:
      ShowWithoutActivating();
      break;
    case StepAside::Move::Stay:
      break;
  }
}

}  // namespace ostrevin
