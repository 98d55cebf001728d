// The timer window keeps the school bell's time: "the bell rang" from the
// tray menu, and the lesson clock told of sleep and clock changes.
#include "ui/frm_work.h"

#include "system/settings_storage.h"

namespace ostrevin {

// The offset is saved at once: the settings dialog reads the file when it
// opens, and a bell heard and set must not be lost to it.
void TWorkF::BellRangClick() {
  Clock.BellRang();
  SaveSettings(settings_, settingsPath_);
}

void TWorkF::FollowSystemTimeMessage(UINT message, WPARAM wParam) {
  if (message == WM_TIMECHANGE) {
    Clock.FollowTimeJump(LessonClock::TimeJump::kClockSet);
  } else if (message == WM_POWERBROADCAST &&
             (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)) {
    // Both come after a resume the user sees; the second finds nothing moved.
    Clock.FollowTimeJump(LessonClock::TimeJump::kSleep);
  }
}

}  // namespace ostrevin
