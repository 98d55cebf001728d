#include "support/memory_profile_file.h"

#include <string_view>
#include <utility>

#include "base/app_error.h"

namespace ostrevin::test_support {

namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names are plain ASCII in this program; the platform's comparison also
// ignores the case of other letters, which no test relies on.
wchar_t FoldAscii(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 0x20) : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

// The name of a "[name]" header line, or nothing for any other line.
std::optional<std::wstring_view> SectionHeaderName(std::wstring_view line) {
  line = Trim(line);
  if (!line.starts_with(L"[")) return std::nullopt;
  const std::size_t close = line.rfind(L']');
  if (close == std::wstring_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

bool IsKeyLine(std::wstring_view line) {
  return !SectionHeaderName(line) && line.find(L'=') != std::wstring_view::npos;
}

std::wstring_view KeyNameOf(std::wstring_view line) {
  return Trim(line.substr(0, line.find(L'=')));
}

std::wstring_view ValueOf(std::wstring_view line) {
  std::wstring_view value = Trim(line.substr(line.find(L'=') + 1));
  const bool quoted = value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
                      value.back() == value.front();
  if (quoted) value = value.substr(1, value.size() - 2);
  return value;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (line.ends_with(L'\r')) line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

}  // namespace

MemoryProfileFile::MemoryProfileFile(std::wstring path) : path_(std::move(path)) {}

MemoryProfileFile::MemoryProfileFile(std::wstring path, const std::wstring& text)
    : path_(std::move(path)), exists_(true), lines_(SplitLines(text)) {}

std::wstring MemoryProfileFile::ReadString(const std::wstring& section, const std::wstring& key) {
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return {};
  const std::optional<std::size_t> line = FindKey(*header, key);
  if (!line) return {};
  return std::wstring(ValueOf(lines_[*line]).substr(0, kMaxValueLength));
}

void MemoryProfileFile::WriteString(const std::wstring& section, const std::wstring& key,
                                    const std::wstring& value) {
  if (writesUntilFailure_ > 0 && --writesUntilFailure_ == 0) {
    throw AppError(L"Unable to write to " + path_);
  }
  events_.push_back({ProfileEvent::Kind::kWrite, section, key, value});
  exists_ = true;
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) {
    lines_.push_back(L"[" + section + L"]");
    lines_.push_back(key + L"=" + value);
    return;
  }
  if (const std::optional<std::size_t> line = FindKey(*header, key)) {
    lines_[*line] = std::wstring(KeyNameOf(lines_[*line])) + L"=" + value;
    return;
  }
  std::size_t end = SectionEnd(*header);
  while (end > *header + 1 && Trim(lines_[end - 1]).empty()) --end;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end), key + L"=" + value);
}

void MemoryProfileFile::Flush() {
  events_.push_back({ProfileEvent::Kind::kFlush, {}, {}, {}});
}

void MemoryProfileFile::FailWrite(int number) {
  writesUntilFailure_ = number;
}

std::wstring MemoryProfileFile::Text() const {
  std::wstring text;
  for (const std::wstring& line : lines_) text += line + L"\n";
  return text;
}

std::vector<std::wstring> MemoryProfileFile::SectionNames() const {
  std::vector<std::wstring> names;
  for (const std::wstring& line : lines_) {
    if (const std::optional<std::wstring_view> name = SectionHeaderName(line)) {
      names.emplace_back(*name);
    }
  }
  return names;
}

std::vector<std::wstring> MemoryProfileFile::KeyNames(const std::wstring& section) const {
  std::vector<std::wstring> names;
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return names;
  const std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    if (IsKeyLine(lines_[i])) names.emplace_back(KeyNameOf(lines_[i]));
  }
  return names;
}

int MemoryProfileFile::FlushCount() const {
  int count = 0;
  for (const ProfileEvent& event : events_) {
    if (event.kind == ProfileEvent::Kind::kFlush) ++count;
  }
  return count;
}

std::optional<std::size_t> MemoryProfileFile::FindSection(const std::wstring& section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::optional<std::wstring_view> name = SectionHeaderName(lines_[i]);
    if (name && SameName(*name, Trim(section))) return i;
  }
  return std::nullopt;
}

std::size_t MemoryProfileFile::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && !SectionHeaderName(lines_[end])) ++end;
  return end;
}

std::optional<std::size_t> MemoryProfileFile::FindKey(std::size_t header,
                                                      const std::wstring& key) const {
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (IsKeyLine(lines_[i]) && SameName(KeyNameOf(lines_[i]), Trim(key))) return i;
  }
  return std::nullopt;
}

}  // namespace ostrevin::test_support
