#include "system/autostart.h"

#include <windows.h>

#include <utility>

#include "base/app_error.h"
#include "toolkit/handles.h"

namespace ostrevin {
namespace {

constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// Each operation asks only for the access it uses: a Run key that an
// administrator made read-only for the user still tells whether the program
// is registered there.
constexpr REGSAM kReadAccess = KEY_QUERY_VALUE;
constexpr REGSAM kWriteAccess = KEY_SET_VALUE;

toolkit::UniqueRegKey CreateRunKey() {
  HKEY key = nullptr;
  LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, kWriteAccess, nullptr, &key, nullptr);
  return toolkit::UniqueRegKey(status == ERROR_SUCCESS ? key : nullptr);
}

toolkit::UniqueRegKey OpenRunKey() {
  HKEY key = nullptr;
  LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, kReadAccess, &key);
  return toolkit::UniqueRegKey(status == ERROR_SUCCESS ? key : nullptr);
}

// The quoted path keeps a path with blanks in one piece when the system
// starts it at log-on.
void WriteQuotedPath(HKEY key, const std::wstring& name, const std::wstring& path) {
  const std::wstring data = L"\"" + path + L"\"";
  // The terminating zero is part of the stored data.
  const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  if (::RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       bytes) != ERROR_SUCCESS) {
    throw AppError(L"Failed to set data for '" + name + L"'");
  }
}

// Text as it is stored: nothing guarantees a terminating zero, and the size
// in bytes can be odd. An odd last byte is no character, and the text ends at
// its first zero.
std::wstring TextOfValueData(std::wstring buffer, DWORD bytes) {
  buffer.resize(bytes / sizeof(wchar_t));
  const size_t end = buffer.find(L'\0');
  if (end != std::wstring::npos) buffer.resize(end);
  return buffer;
}

bool IsTextType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// The value's text, read without expanding; empty when the value is missing
// or holds nothing.
std::wstring ReadText(HKEY key, const std::wstring& name) {
  DWORD bytes = 0;
  if (::RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
    return {};
  }
  // The value can grow between asking its size and reading it: then the read
  // is tried again with the size it reports.
  for (;;) {
    if (bytes == 0) return {};
    std::wstring buffer((bytes + 1) / sizeof(wchar_t), L'\0');
    DWORD type = REG_NONE;
    DWORD read = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    LSTATUS status = ::RegQueryValueExW(key, name.c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(buffer.data()), &read);
    if (status == ERROR_MORE_DATA) {
      bytes = read;
      continue;
    }
    if (status != ERROR_SUCCESS) return {};
    if (!IsTextType(type)) throw AppError(L"Invalid data type for '" + name + L"'");
    return TextOfValueData(std::move(buffer), read);
  }
}

// One pair of enclosing quotation marks is dropped; a text of two characters
// or less is left as it is, so two quotation marks alone stay a text that no
// path equals.
std::wstring WithoutEnclosingQuotes(std::wstring text) {
  if (text.size() <= 2) return text;
  if (text.front() == L'"') text.erase(0, 1);
  if (text.back() == L'"') text.pop_back();
  return text;
}

// The text stored under name in the Run key; empty when the key is missing.
std::wstring RegisteredText(const std::wstring& name) {
  toolkit::UniqueRegKey key = OpenRunKey();
  return key ? ReadText(key.get(), name) : std::wstring();
}

}  // namespace

void SetAutoRun(const std::wstring& name, const std::wstring& path, bool enable) {
  toolkit::UniqueRegKey key = CreateRunKey();
  if (!key) return;
  if (enable) {
    WriteQuotedPath(key.get(), name, path);
  } else {
    ::RegDeleteValueW(key.get(), name.c_str());
  }
}

bool IsAutoRun(const std::wstring& name, const std::wstring& path) {
  return WithoutEnclosingQuotes(RegisteredText(name)) == path;
}

}  // namespace ostrevin
