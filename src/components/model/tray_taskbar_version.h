#pragma once

#include <cstdint>

namespace ostrevin {

// Whether a shell whose common controls carry this file version
// (dwFileVersionMS: major in the high word, minor in the low word) announces a
// re-created taskbar with the "TaskbarCreated" message, which came with 4.71.
bool AnnouncesTaskbarCreated(std::uint32_t comctlFileVersionMs);

}  // namespace ostrevin
