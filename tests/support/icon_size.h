#pragma once

#include <windows.h>

namespace ostrevin::test_support {

// The width in pixels of an icon's picture (its colour bitmap, or its mask
// for a monochrome icon); 0 when the icon cannot be read.
int IconWidth(HICON icon);

}  // namespace ostrevin::test_support
