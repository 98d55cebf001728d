#pragma once

#include "base/screen_rect.h"

namespace ostrevin::toolkit {

// A window moved to within buffer pixels of an edge of a work area, on either
// side of it, lies on that edge: on each axis the near edge (left, top) is
// tried first, then the far one. The work area may be that of any screen, at
// any place on the desktop; a buffer of 0 or less snaps nothing.
ScreenRect SnappedToWorkArea(const ScreenRect& window, const ScreenRect& work, int buffer);

}  // namespace ostrevin::toolkit
