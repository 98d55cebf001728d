#pragma once

namespace ostrevin::test_support {

// The number of GDI objects (bitmaps, brushes, fonts, DCs, ...) the process
// holds now. Windows counts them itself (GetGuiResources); under Wine, where
// that call is a stub, the live entries of Wine's GDI handle table are
// counted. Read it once after a warm-up, then again after the work: a
// difference that grows with the work is a leak.
int GdiHandleCount();

}  // namespace ostrevin::test_support
