#include "handle_probe.h"

#include <stdexcept>

namespace ostrevin::test_support {

HANDLE NextHandle() {
  HANDLE probe = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!probe) throw std::runtime_error("cannot create an event");
  ::CloseHandle(probe);
  return probe;
}

}  // namespace ostrevin::test_support
