#pragma once

#include <string>

namespace ostrevin {

// The full path of the running program's file, as the system reports it.
// Throws AppError when the system cannot tell it.
std::wstring ProgramPath();

}  // namespace ostrevin
