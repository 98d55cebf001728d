#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace ostrevin::testing {

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

 private:
  std::vector<std::pair<LCTYPE, std::wstring>> saved_;
};

// The user's current value of a regional item; empty when there is none.
std::wstring UserLocaleItem(LCTYPE item);

}  // namespace ostrevin::testing
