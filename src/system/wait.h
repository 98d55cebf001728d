#pragma once

namespace ostrevin {

// Blocks the calling thread for ms milliseconds without handling window
// messages; returns at once for 0 or less.
void WaitMs(int ms);

}  // namespace ostrevin
