#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ostrevin::test_support {

// A value as the registry stores it: its type and its bytes, unread.
struct StoredValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;

  bool operator==(const StoredValue&) const = default;
};

// The value's type and bytes; nullopt when the value or its key is missing.
std::optional<StoredValue> ReadStoredValue(HKEY root, const std::wstring& path,
                                           const std::wstring& name);
// Writes the bytes as they are, creating the key when it is missing; false
// when the registry refuses.
bool WriteStoredValue(HKEY root, const std::wstring& path, const std::wstring& name,
                      const StoredValue& value);

// Records whether a key exists and every value in it, and puts exactly that
// back when it goes: values added are removed, values changed or removed are
// written again, and a key that was missing is deleted again. The key's
// subkeys are neither recorded nor touched.
class RegistryKeySnapshot {
 public:
  RegistryKeySnapshot(HKEY root, std::wstring path);
  ~RegistryKeySnapshot();
  RegistryKeySnapshot(const RegistryKeySnapshot&) = delete;
  RegistryKeySnapshot& operator=(const RegistryKeySnapshot&) = delete;

 private:
  HKEY root_;
  std::wstring path_;
  bool existed_ = false;
  std::vector<std::pair<std::wstring, StoredValue>> values_;
};

}  // namespace ostrevin::test_support
