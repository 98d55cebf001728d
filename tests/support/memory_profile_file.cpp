#include "support/memory_profile_file.h"

#include <algorithm>
#include <utility>

#include "base/app_error.h"

namespace ostrevin::test_support {

MemoryProfileFile::MemoryProfileFile(std::wstring path) : path_(std::move(path)) {}

MemoryProfileFile::MemoryProfileFile(std::wstring path, const std::wstring& text)
    : path_(std::move(path)), exists_(true), document_(text) {}

std::wstring MemoryProfileFile::ReadString(const std::wstring& section, const std::wstring& key) {
  return document_.Value(section, key);
}

void MemoryProfileFile::WriteString(const std::wstring& section, const std::wstring& key,
                                    const std::wstring& value) {
  if (writesUntilFailure_ > 0 && --writesUntilFailure_ == 0) {
    throw AppError(L"Unable to write to " + path_);
  }
  events_.push_back({ProfileEvent::Kind::kWrite, section, key, value});
  exists_ = true;
  document_.WriteString(section, key, value);
}

void MemoryProfileFile::Flush() {
  events_.push_back(FlushEvent());
}

void MemoryProfileFile::FailWrite(int number) {
  writesUntilFailure_ = number;
}

std::wstring MemoryProfileFile::Text() const {
  std::wstring text;
  for (const std::wstring& line : document_.Lines()) text += line + L"\n";
  return text;
}

int MemoryProfileFile::FlushCount() const {
  return static_cast<int>(
      std::ranges::count(events_, ProfileEvent::Kind::kFlush, &ProfileEvent::kind));
}

}  // namespace ostrevin::test_support
