#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace ostrevin::test_support {

// The items of a user's long-time format; an empty picture stands for the
// system's own format.
struct UserTimeFormat {
  const char* label;
  const wchar_t* picture;
  const wchar_t* am;
  const wchar_t* pm;
  const wchar_t* decimal;
};

inline void PrintTo(const UserTimeFormat& format, std::ostream* out) {
  *out << format.label;
}

// Sets items of the user's regional settings for one test and puts the
// previous values back when it goes.
class UserLocaleOverride {
 public:
  UserLocaleOverride() = default;
  ~UserLocaleOverride();
  UserLocaleOverride(const UserLocaleOverride&) = delete;
  UserLocaleOverride& operator=(const UserLocaleOverride&) = delete;

  // False when the system refuses the value.
  bool Set(LCTYPE item, const std::wstring& value);
  // Sets picture, designators and decimal separator; false when one is refused.
  bool Set(const UserTimeFormat& format);

 private:
  std::vector<std::pair<LCTYPE, std::wstring>> saved_;
};

// The user's current value of a regional item; empty when there is none.
std::wstring UserLocaleItem(LCTYPE item);

}  // namespace ostrevin::test_support
