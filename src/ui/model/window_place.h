#pragma once

#include <optional>
#include <vector>

#include "base/screen_rect.h"
#include "settings/settings.h"

namespace ostrevin {

// A top-left corner on the desktop.
struct ScreenPoint {
  int left = 0;
  int top = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Whether two lists hold the same screen rectangles, in any order: Windows
// need not list the screens in the same order every time.
bool SameScreens(std::vector<ScreenRect> a, std::vector<ScreenRect> b);

// The screens' whole rectangles, as the settings file keeps them with a place.
std::vector<ScreenRect> MonitorRects(const std::vector<Screen>& screens);

// The screen whose work area a window belongs to: the one it overlaps most,
// or when it overlaps none, the one whose work area is closest to it. The
// screens are not empty.
const Screen& NearestScreen(const ScreenRect& window, const std::vector<Screen>& screens);

// The window moved as little as possible to lie wholly within the area; a
// window larger than the area keeps its top-left corner on it.
ScreenRect MovedWithin(const ScreenRect& window, const ScreenRect& area);

// Whether the window lies wholly within one work area.
bool WhollyOnAWorkArea(const ScreenRect& window, const std::vector<Screen>& screens);

// Where the timer window, of width x height pixels, goes at start:
// - none (it is centred when first shown) without a saved place, or when no
//   screen is known;
// - on the screens it was saved with, back where it was, even partly off an
//   edge, where the user may have pushed it, as long as some of it is on a
//   work area;
// - otherwise (other screens: a projector gone, another resolution; or a
//   place off every work area) moved wholly onto the nearest work area.
std::optional<ScreenPoint> PlaceAtStart(const std::optional<WindowPlace>& saved, int width,
                                        int height, const std::vector<Screen>& screens);

// Where the timer window goes when the screens have changed (a screen
// removed, another resolution, Win+P): none while it still lies wholly on a
// work area, otherwise wholly onto the nearest one.
std::optional<ScreenPoint> PlaceAfterScreensChanged(const ScreenRect& window,
                                                    const std::vector<Screen>& screens);

// Where the timer window goes when the screens may have changed since it was
// placed on placedOn (by the user, at start or by the program): before it
// shows, hidden in the tray while a projector was unplugged, and when a
// display or a work area changes (the taskbar moved or resized). The rules
// of the start: on the same screens with the same work areas, it stays
// where it is as long as some of it is on a work area (the user may have
// pushed it partly past an edge); otherwise it goes wholly onto the nearest
// work area unless it lies wholly on one.
std::optional<ScreenPoint> PlaceOnScreensNow(const ScreenRect& window,
                                             const std::vector<Screen>& placedOn,
                                             const std::vector<Screen>& now);

}  // namespace ostrevin
