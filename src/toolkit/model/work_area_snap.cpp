#include "toolkit/model/work_area_snap.h"

#include <cstdlib>

namespace ostrevin::toolkit {
namespace {

// The start of a window's span on one axis, moved onto the low or high edge
// of the work area when it lies within the snapping distance of it.
int SnappedStart(int start, int length, int low, int high, int buffer) {
  if (std::abs(start - low) <= buffer) return low;
  if (std::abs(start + length - high) <= buffer) return high - length;
  return start;
}

}  // namespace

ScreenRect SnappedToWorkArea(const ScreenRect& window, const ScreenRect& work, int buffer) {
  if (buffer <= 0) return window;
  const int left = SnappedStart(window.left, window.Width(), work.left, work.right, buffer);
  const int top = SnappedStart(window.top, window.Height(), work.top, work.bottom, buffer);
  return {left, top, left + window.Width(), top + window.Height()};
}

}  // namespace ostrevin::toolkit
