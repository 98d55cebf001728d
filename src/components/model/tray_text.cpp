#include "components/model/tray_text.h"

namespace ostrevin {
namespace {

bool IsLeadingSurrogate(wchar_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

std::wstring TrayFieldText(std::wstring_view text, std::size_t limit) {
  if (text.size() <= limit) return std::wstring(text);
  std::size_t kept = limit;
  if (kept > 0 && IsLeadingSurrogate(text[kept - 1])) --kept;
  return std::wstring(text.substr(0, kept));
}

}  // namespace ostrevin
