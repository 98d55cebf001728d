#include "components/model/click_recognizer.h"

namespace ostrevin {

bool ClickRecognizer::Release(bool waitRunning) {
  if (!armed_) return false;
  armed_ = false;
  if (waitRunning) {
    pending_ = true;
    return false;
  }
  // A press held past the double-click time: the wait has already ended, so
  // the click is the release itself.
  pending_ = false;
  return true;
}

void ClickRecognizer::DoubleClick() {
  pending_ = false;
  doubleClickSeen_ = true;
}

bool ClickRecognizer::WaitElapsed() {
  const bool decided = pending_ && !doubleClickSeen_;
  if (decided) pending_ = false;
  doubleClickSeen_ = false;
  return decided;
}

}  // namespace ostrevin
