#include "system/private_profile_file.h"

#include <windows.h>

#include <optional>

#include "base/app_error.h"

namespace ostrevin {
namespace {

// Values longer than this are cut to one character less, as the profile
// functions do with a buffer of this size.
constexpr DWORD kReadBufferLength = 2048;

std::optional<std::wstring> FullPathName(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(length);  // the length needed, terminator included
  }
}

}  // namespace

PrivateProfileFile::PrivateProfileFile(const std::wstring& path) {
  std::optional<std::wstring> fullPath = FullPathName(path);
  usable_ = fullPath.has_value();
  path_ = usable_ ? *fullPath : path;
}

std::wstring PrivateProfileFile::ReadString(const std::wstring& section, const std::wstring& key) {
  if (!usable_) return {};
  std::wstring value(kReadBufferLength, L'\0');
  DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value.data(),
                                            kReadBufferLength, path_.c_str());
  value.resize(length);
  return value;
}

void PrivateProfileFile::WriteString(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& value) {
  // Only the result counts: the last error is not reset by a successful write.
  if (!usable_ ||
      !::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path_.c_str())) {
    throw AppError(L"Unable to write to " + path_);
  }
}

void PrivateProfileFile::Flush() {
  if (usable_) ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path_.c_str());
}

}  // namespace ostrevin
