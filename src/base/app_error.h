#pragma once

#include <exception>
#include <string>
#include <utility>

namespace ostrevin {

// An error raised by a platform or framework operation (an unwritable
// settings file, a registry failure, an invalid gauge range). It is not caught
// where it arises: the message loop shows its text in the program's one error
// report and goes on with the next message.
class AppError : public std::exception {
 public:
  explicit AppError(std::wstring message) : message_(std::move(message)) {}

  const std::wstring& message() const noexcept { return message_; }
  const char* what() const noexcept override { return "ostrevin::AppError"; }

 private:
  std::wstring message_;
};

}  // namespace ostrevin
