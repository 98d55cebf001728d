// Fading the timer window in and out, and moving it by its pie and labels.
#include <algorithm>

#include "toolkit/application.h"
#include "ui/frm_work.h"

namespace ostrevin {
namespace {

constexpr int kOpaque = 255;
// A fade-out is five times slower than a fade-in: the window comes at once
// when wanted and goes quietly.
constexpr int kFadeInPauseMs = 2;
constexpr int kFadeOutPauseMs = 10;
// SC_MOVE with the caption's hit-test code: the system moves the window with
// the mouse as if its caption were dragged.
constexpr WPARAM kDragMove = SC_MOVE | HTCAPTION;

}  // namespace

// The flag alternates with activation even while fading is off, so that
// turning it on later starts from the right side. While the settings dialog
// is open neither fade runs and the flag stays; nor does a fade-in while the
// window keeps out of a full-screen show's way.
void TWorkF::FadeIn() {
  if (Tag() == kFadedInTag || lessonListF_ || stepAside_.KeepsOutOfSight()) return;
  SetTag(kFadedInTag);
  if (!settings_.IsBlend) return;
  for (int opacity = AlphaBlendValue(); opacity <= kOpaque; ++opacity) {
    FadeStep(opacity, kFadeInPauseMs);
  }
}

void TWorkF::FadeOut() {
  if (Tag() == kFadedTag || lessonListF_) return;
  SetTag(kFadedTag);
  if (!settings_.IsBlend) return;
  const int from = AlphaBlendValue();
  if (settings_.BlendVal > from) return;
  // A hand-edited settings file can hold any number; an opacity has no level
  // below fully transparent.
  const int to = std::max(settings_.BlendVal, 0);
  for (int opacity = from; opacity >= to; --opacity) FadeStep(opacity, kFadeOutPauseMs);
}

// Messages are handled between the steps, so ticks, clicks and activation
// changes go on during a fade; a fade-in from one of them may interleave, and
// this fade then goes on from the step it had reached.
void TWorkF::FadeStep(int opacity, int pauseMs) {
  SetAlphaBlendValue(static_cast<BYTE>(opacity));
  services_.WaitMs(pauseMs);
  toolkit::Application::Instance().ProcessMessages();
}

// Any button, anywhere on the pie or the labels.
void TWorkF::lbAlreadyMouseDown() {
  ::ReleaseCapture();
  ::SendMessageW(Handle(), WM_SYSCOMMAND, kDragMove, 0);
}

}  // namespace ostrevin
