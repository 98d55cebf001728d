#include "components/model/tray_taskbar_version.h"

namespace ostrevin {

bool AnnouncesTaskbarCreated(std::uint32_t comctlFileVersionMs) {
  const std::uint32_t major = comctlFileVersionMs >> 16;
  const std::uint32_t minor = comctlFileVersionMs & 0xFFFFu;
  return major > 4 || (major == 4 && minor >= 71);
}

}  // namespace ostrevin
