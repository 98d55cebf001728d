#include "system/wait.h"

#include <windows.h>

#include "toolkit/handles.h"

namespace ostrevin {

void WaitMs(int ms) {
  // A negative time would become INFINITE and block the program for good.
  if (ms <= 0) return;
  // Nothing ever signals the event: the wait runs out its time. Without an
  // event there is nothing to wait on, and the wait is skipped.
  toolkit::UniqueKernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!event) return;
  ::WaitForSingleObject(event.get(), static_cast<DWORD>(ms));
}

}  // namespace ostrevin
