#include "ui/model/window_place.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace ostrevin {
namespace {

std::int64_t OverlapArea(const ScreenRect& a, const ScreenRect& b) {
  const std::int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const std::int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// How far apart two rectangles that do not overlap are, squared.
std::int64_t GapSquared(const ScreenRect& a, const ScreenRect& b) {
  const std::int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
  const std::int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
  return dx * dx + dy * dy;
}

bool Within(const ScreenRect& inner, const ScreenRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The start of a span moved as little as possible into [low, high); a span
// longer than that starts at low.
int MovedStart(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

ScreenPoint TopLeft(const ScreenRect& r) {
  return {r.left, r.top};
}

}  // namespace

bool SameScreens(std::vector<ScreenRect> a, std::vector<ScreenRect> b) {
  const auto order = [](const ScreenRect& x, const ScreenRect& y) {
    return std::tie(x.left, x.top, x.right, x.bottom) < std::tie(y.left, y.top, y.right, y.bottom);
  };
  std::sort(a.begin(), a.end(), order);
  std::sort(b.begin(), b.end(), order);
  return a == b;
}

std::vector<ScreenRect> MonitorRects(const std::vector<Screen>& screens) {
  std::vector<ScreenRect> rects;
  for (const Screen& screen : screens) rects.push_back(screen.monitor);
  return rects;
}

const Screen& NearestScreen(const ScreenRect& window, const std::vector<Screen>& screens) {
  const Screen* nearest = &screens.front();
  for (const Screen& screen : screens) {
    const std::int64_t overlap = OverlapArea(window, screen.work);
    const std::int64_t nearestOverlap = OverlapArea(window, nearest->work);
    if (overlap > nearestOverlap ||
        (overlap == 0 && nearestOverlap == 0 &&
         GapSquared(window, screen.work) < GapSquared(window, nearest->work))) {
      nearest = &screen;
    }
  }
  return *nearest;
}

ScreenRect MovedWithin(const ScreenRect& window, const ScreenRect& area) {
  const int left = MovedStart(window.left, window.Width(), area.left, area.right);
  const int top = MovedStart(window.top, window.Height(), area.top, area.bottom);
  return {left, top, left + window.Width(), top + window.Height()};
}

bool WhollyOnAWorkArea(const ScreenRect& window, const std::vector<Screen>& screens) {
  return std::any_of(screens.begin(), screens.end(),
                     [&](const Screen& screen) { return Within(window, screen.work); });
}

std::optional<ScreenPoint> PlaceAtStart(const std::optional<WindowPlace>& saved, int width,
                                        int height, const std::vector<Screen>& screens) {
  if (!saved || screens.empty()) return std::nullopt;
  const ScreenRect window{saved->left, saved->top, saved->left + width, saved->top + height};
  const bool onSavedScreens = SameScreens(saved->screens, MonitorRects(screens));
  const bool partlyOnAWorkArea =
      std::any_of(screens.begin(), screens.end(),
                  [&](const Screen& screen) { return OverlapArea(window, screen.work) > 0; });
  if (onSavedScreens && partlyOnAWorkArea) return TopLeft(window);
  return TopLeft(MovedWithin(window, NearestScreen(window, screens).work));
}

std::optional<ScreenPoint> PlaceAfterScreensChanged(const ScreenRect& window,
                                                    const std::vector<Screen>& screens) {
  if (screens.empty() || WhollyOnAWorkArea(window, screens)) return std::nullopt;
  return TopLeft(MovedWithin(window, NearestScreen(window, screens).work));
}

std::optional<ScreenPoint> PlaceOnScreensNow(const ScreenRect& window,
                                             const std::vector<Screen>& placedOn,
                                             const std::vector<Screen>& now) {
  const auto order = [](const Screen& x, const Screen& y) {
    return std::tie(x.monitor.left, x.monitor.top, x.monitor.right, x.monitor.bottom, x.work.left,
                    x.work.top, x.work.right, x.work.bottom) <
           std::tie(y.monitor.left, y.monitor.top, y.monitor.right, y.monitor.bottom, y.work.left,
                    y.work.top, y.work.right, y.work.bottom);
  };
  std::vector<Screen> before = placedOn;
  std::vector<Screen> after = now;
  std::sort(before.begin(), before.end(), order);
  std::sort(after.begin(), after.end(), order);
  const bool partlyOnAWorkArea = std::any_of(now.begin(), now.end(), [&](const Screen& screen) {
    return OverlapArea(window, screen.work) > 0;
  });
  if (before == after && partlyOnAWorkArea) return std::nullopt;
  return PlaceAfterScreensChanged(window, now);
}

}  // namespace ostrevin
