#pragma once

#include <windows.h>

namespace ostrevin::test_support {

// The handle value the process would get for its next new handle. The system
// gives out the lowest free slot (Wine) or the last freed one (Windows), so the
// value stays the same unless handles were left open in between. Wine's
// GetProcessHandleCount always reports 0, so it cannot serve.
HANDLE NextHandle();

}  // namespace ostrevin::test_support
