#include "system/program_path.h"

#include <windows.h>

#include "base/app_error.h"

namespace ostrevin {
namespace {

// Beyond this no Windows path can go, even with the long-path prefix.
constexpr size_t kLongestPath = 32768;

}  // namespace

std::wstring ProgramPath() {
  // GetModuleFileNameW does not say how long the name is when it does not fit,
  // so the buffer grows until the name comes back shorter than it.
  for (size_t size = MAX_PATH; size <= kLongestPath * 2; size *= 2) {
    std::wstring path(size, L'\0');
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(size));
    if (length == 0) break;
    if (length < size) {
      path.resize(length);
      return path;
    }
  }
  throw AppError(L"Unable to find the program's own file name");
}

}  // namespace ostrevin
