#pragma once

namespace ostrevin {

// The icon index a tray icon keeps when asked for `requested` with a list of
// `count` icons: an index at or past the end falls back to the last icon, so
// an empty list gives -1 (no icon). Indexes below 0 are kept as asked.
int IconIndexInList(int requested, int count);

// The index a cycling tick moves to: the next icon, wrapping from the last to
// the first.
int NextCycleIndex(int index, int count);

}  // namespace ostrevin
