// Fading the timer window in and out, and moving it by its pie and labels.
#include <algorithm>

#include "ui/frm_work.h"

namespace ostrevin {
namespace {

constexpr int kOpaque = 255;
// A fade-out is five times slower than a fade-in: the window comes at once
// when wanted and goes quietly. A window timer fires at most every 10 ms or
// so (kFadeStepMs), so a fade-in takes five levels a step.
constexpr int kFadeInLevelsPerStep = 5;
constexpr int kFadeOutLevelsPerStep = 1;
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
  StartFade(kOpaque, kFadeInLevelsPerStep);
}

// A fade-in under way stops where it is: the program is no longer active.
void TWorkF::FadeOut() {
  if (Tag() == kFadedTag || lessonListF_) return;
  SetTag(kFadedTag);
  if (!settings_.IsBlend) return;
  fadeTimer_.SetEnabled(false);
  if (settings_.BlendVal > AlphaBlendValue()) return;
  // A hand-edited settings file can hold any number; an opacity has no level
  // below fully transparent.
  StartFade(std::max(settings_.BlendVal, 0), kFadeOutLevelsPerStep);
}

// One fade at a time: a fade the other way takes over from the opacity the
// window has reached.
void TWorkF::StartFade(int target, int step) {
  fadeTarget_ = target;
  fadeStep_ = step;
  fadeTimer_.SetEnabled(AlphaBlendValue() != target);
}

void TWorkF::FadeStep() {
  const int opacity = AlphaBlendValue();
  const int next = opacity < fadeTarget_ ? std::min(opacity + fadeStep_, fadeTarget_)
                                         : std::max(opacity - fadeStep_, fadeTarget_);
  SetAlphaBlendValue(static_cast<BYTE>(next));
  if (next == fadeTarget_) fadeTimer_.SetEnabled(false);
}

// Any button, anywhere on the pie or the labels.
void TWorkF::lbAlreadyMouseDown() {
  ::ReleaseCapture();
  ::SendMessageW(Handle(), WM_SYSCOMMAND, kDragMove, 0);
}

}  // namespace ostrevin
