#include "profile_functions_file.h"

#include <windows.h>

#include <utility>

#include "base/app_error.h"

namespace ostrevin::test_support {
namespace {

// Values longer than this are cut to one character less, as the profile
// functions do with a buffer of this size.
constexpr DWORD kReadBufferLength = 2048;

}  // namespace

ProfileFunctionsFile::ProfileFunctionsFile(std::wstring path) : path_(std::move(path)) {
  Flush();
}

std::wstring ProfileFunctionsFile::ReadString(const std::wstring& section,
                                              const std::wstring& key) {
  std::wstring value(kReadBufferLength, L'\0');
  const DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value.data(),
                                                  kReadBufferLength, path_.c_str());
  value.resize(length);
  return value;
}

void ProfileFunctionsFile::WriteString(const std::wstring& section, const std::wstring& key,
                                       const std::wstring& value) {
  // Only the result counts: the last error is not reset by a successful write.
  if (!::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path_.c_str())) {
    throw AppError(L"Unable to write to " + path_);
  }
}

void ProfileFunctionsFile::Flush() {
  ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path_.c_str());
}

}  // namespace ostrevin::test_support
