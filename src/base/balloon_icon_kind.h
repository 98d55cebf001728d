#pragma once

namespace ostrevin {

// The icon of a tray balloon message.
enum BalloonIconKind { bikNone = 0, bikInfo = 1, bikWarning = 2, bikError = 3 };

}  // namespace ostrevin
