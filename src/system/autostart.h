#pragma once

#include <string>

namespace ostrevin {

// Registers the program at path (or removes its registration) to start when
// the user logs on: one value called name in the user's Run key, holding the
// path in double quotation marks. When the key can be neither opened nor
// created nothing happens. Throws AppError "Failed to set data for '<name>'"
// when the value cannot be written.
void SetAutoRun(const std::wstring& name, const std::wstring& path, bool enable);

// True when the user's Run key holds a value called name whose text, without
// one pair of enclosing quotation marks, is path exactly (letter case
// included). False when the key or the value is missing. Throws AppError
// "Invalid data type for '<name>'" when the value is not text.
bool IsAutoRun(const std::wstring& name, const std::wstring& path);

}  // namespace ostrevin
