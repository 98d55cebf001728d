#pragma once

namespace ostrevin {

// Asks the system to take as many pages as it can out of the program's
// working set. Failure does not matter and is not reported.
void TrimWorkingSet();

}  // namespace ostrevin
