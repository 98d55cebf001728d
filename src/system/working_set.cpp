#include "system/working_set.h"

#include <windows.h>

namespace ostrevin {

void TrimWorkingSet() {
  // Every supported Windows is of the NT family, and the current-process
  // pseudo-handle carries every access right: nothing to open or close on
  // each of the many calls of a run that lasts all day.
  ::SetProcessWorkingSetSize(::GetCurrentProcess(), static_cast<SIZE_T>(-1),
                             static_cast<SIZE_T>(-1));
}

}  // namespace ostrevin
