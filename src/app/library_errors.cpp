// The C++ library's own errors (a container asked to grow past its limit, a
// position out of range) thrown as the program's errors, with the library's
// own text, which the message loop's error report shows as it would the
// library's exception. The library's versions build std::logic_error and its
// kin on strings of their own kind, and linking them brings in a second
// string class and its exceptions, about 80 KiB of the program file.
#include <cstring>
#include <new>
#include <string>
#include <typeinfo>

#include "base/app_error.h"

namespace {

[[noreturn]] void ThrowLibraryError(const char* what) {
  // The library's texts are plain ASCII.
  throw ostrevin::AppError(std::wstring(what, what + std::strlen(what)));
}

}  // namespace

namespace std {

void __throw_logic_error(const char* what) {
  ThrowLibraryError(what);
}
void __throw_domain_error(const char* what) {
  ThrowLibraryError(what);
}
void __throw_invalid_argument(const char* what) {
  ThrowLibraryError(what);
}
void __throw_length_error(const char* what) {
  ThrowLibraryError(what);
}
void __throw_out_of_range(const char* what) {
  ThrowLibraryError(what);
}
// Its arguments only complete the text.
void __throw_out_of_range_fmt(const char* what, ...) {
  ThrowLibraryError(what);
}
void __throw_runtime_error(const char* what) {
  ThrowLibraryError(what);
}
void __throw_range_error(const char* what) {
  ThrowLibraryError(what);
}
void __throw_overflow_error(const char* what) {
  ThrowLibraryError(what);
}
void __throw_underflow_error(const char* what) {
  ThrowLibraryError(what);
}
void __throw_bad_alloc() {
  throw std::bad_alloc();
}
void __throw_bad_array_new_length() {
  throw std::bad_array_new_length();
}
void __throw_bad_cast() {
  throw std::bad_cast();
}
void __throw_bad_typeid() {
  throw std::bad_typeid();
}
void __throw_bad_exception() {
  throw std::bad_exception();
}

}  // namespace std
