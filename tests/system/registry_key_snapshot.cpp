#include "registry_key_snapshot.h"

#include "toolkit/handles.h"

namespace ostrevin::test_support {
namespace {

toolkit::UniqueRegKey OpenKey(HKEY root, const std::wstring& path, REGSAM access) {
  HKEY key = nullptr;
  LSTATUS status = ::RegOpenKeyExW(root, path.c_str(), 0, access, &key);
  return toolkit::UniqueRegKey(status == ERROR_SUCCESS ? key : nullptr);
}

toolkit::UniqueRegKey CreateKey(HKEY root, const std::wstring& path, REGSAM access) {
  HKEY key = nullptr;
  LSTATUS status = ::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     access, nullptr, &key, nullptr);
  return toolkit::UniqueRegKey(status == ERROR_SUCCESS ? key : nullptr);
}

bool WriteValue(HKEY key, const std::wstring& name, const StoredValue& value) {
  // The registry adds a terminating zero to text that lacks one when a zero
  // happens to follow it in memory: what follows here is never zero.
  std::vector<BYTE> buffer = value.data;
  buffer.insert(buffer.end(), {0xFF, 0xFF, 0xFF, 0xFF});
  return ::RegSetValueExW(key, name.c_str(), 0, value.type, buffer.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

std::optional<StoredValue> ReadValue(HKEY key, const std::wstring& name) {
  StoredValue value;
  DWORD bytes = 0;
  if (::RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.data.resize(bytes);
  if (::RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.data.data(), &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.data.resize(bytes);
  return value;
}

std::vector<std::wstring> ValueNames(HKEY key) {
  DWORD count = 0;
  DWORD longestName = 0;
  ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                     &longestName, nullptr, nullptr, nullptr);
  std::vector<std::wstring> names;
  for (DWORD i = 0; i < count; ++i) {
    std::wstring name(longestName + 1, L'\0');
    DWORD length = static_cast<DWORD>(name.size());
    if (::RegEnumValueW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    name.resize(length);
    names.push_back(name);
  }
  return names;
}

}  // namespace

std::optional<StoredValue> ReadStoredValue(HKEY root, const std::wstring& path,
                                           const std::wstring& name) {
  toolkit::UniqueRegKey key = OpenKey(root, path, KEY_QUERY_VALUE);
  if (!key) return std::nullopt;
  return ReadValue(key.get(), name);
}

bool WriteStoredValue(HKEY root, const std::wstring& path, const std::wstring& name,
                      const StoredValue& value) {
  toolkit::UniqueRegKey key = CreateKey(root, path, KEY_SET_VALUE);
  return key && WriteValue(key.get(), name, value);
}

RegistryKeySnapshot::RegistryKeySnapshot(HKEY root, std::wstring path)
    : root_(root), path_(std::move(path)) {
  toolkit::UniqueRegKey key = OpenKey(root_, path_, KEY_QUERY_VALUE);
  existed_ = static_cast<bool>(key);
  if (!key) return;
  for (const std::wstring& name : ValueNames(key.get())) {
    if (std::optional<StoredValue> value = ReadValue(key.get(), name)) {
      values_.emplace_back(name, *value);
    }
  }
}

RegistryKeySnapshot::~RegistryKeySnapshot() {
  if (!existed_) {
    ::RegDeleteKeyW(root_, path_.c_str());
    return;
  }
  toolkit::UniqueRegKey key = CreateKey(root_, path_, KEY_QUERY_VALUE | KEY_SET_VALUE);
  if (!key) return;
  for (const std::wstring& name : ValueNames(key.get())) ::RegDeleteValueW(key.get(), name.c_str());
  for (const auto& [name, value] : values_) WriteValue(key.get(), name, value);
}

}  // namespace ostrevin::test_support
