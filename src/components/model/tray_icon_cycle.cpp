#include "components/model/tray_icon_cycle.h"

namespace ostrevin {

int IconIndexInList(int requested, int count) {
  return requested >= count ? count - 1 : requested;
}

int NextCycleIndex(int index, int count) {
  return index < count - 1 ? index + 1 : 0;
}

}  // namespace ostrevin
