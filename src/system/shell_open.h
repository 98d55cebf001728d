#pragma once

#include <string>

namespace ostrevin {

// Asks the shell to open target (a web address, a document, a folder) with its
// default action. True when the shell took it.
bool OpenURL(const std::wstring& target);

}  // namespace ostrevin
