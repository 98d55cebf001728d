#include "user_locale_override.h"

namespace ostrevin::test_support {

UserLocaleOverride::~UserLocaleOverride() {
  // Newest first, so an item set twice ends at its original value.
  for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
    ::SetLocaleInfoW(LOCALE_USER_DEFAULT, it->first, it->second.c_str());
  }
}

bool UserLocaleOverride::Set(LCTYPE item, const std::wstring& value) {
  saved_.emplace_back(item, UserLocaleItem(item));
  return ::SetLocaleInfoW(LOCALE_USER_DEFAULT, item, value.c_str()) != FALSE;
}

bool UserLocaleOverride::Set(const UserTimeFormat& format) {
  if (*format.picture == L'\0') return true;
  return Set(LOCALE_STIMEFORMAT, format.picture) && Set(LOCALE_S1159, format.am) &&
         Set(LOCALE_S2359, format.pm) && Set(LOCALE_SDECIMAL, format.decimal);
}

std::wstring UserLocaleItem(LCTYPE item) {
  wchar_t buffer[128] = {};
  int length = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, 128);
  return length > 0 ? std::wstring(buffer, length - 1) : std::wstring();
}

}  // namespace ostrevin::test_support
