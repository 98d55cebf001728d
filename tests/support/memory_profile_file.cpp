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
    : path_(std::move(path)), exists_(true) {
  for (std::wstring& line : SplitLines(text)) lines_.push_back(MakeLine(std::move(line)));
}

MemoryProfileFile::Line MemoryProfileFile::MakeLine(std::wstring text) {
  Line line{std::move(text), Line::Kind::kOther, {}};
  const std::wstring_view trimmed = Trim(line.text);
  const std::size_t close = trimmed.rfind(L']');
  if (trimmed.starts_with(L"[") && close != std::wstring_view::npos) {
    line.kind = Line::Kind::kSection;
    line.name = Trim(trimmed.substr(1, close - 1));
  } else if (const std::size_t equals = line.text.find(L'='); equals != std::wstring::npos) {
    line.kind = Line::Kind::kKey;
    line.name = Trim(std::wstring_view(line.text).substr(0, equals));
  }
  return line;
}

std::wstring MemoryProfileFile::ReadString(const std::wstring& section, const std::wstring& key) {
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return {};
  const std::optional<std::size_t> line = FindKey(*header, key);
  if (!line) return {};
  return std::wstring(ValueOf(lines_[*line].text).substr(0, kMaxValueLength));
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
    lines_.push_back(MakeLine(L"[" + section + L"]"));
    lines_.push_back(MakeLine(key + L"=" + value));
    return;
  }
  if (const std::optional<std::size_t> line = FindKey(*header, key)) {
    lines_[*line] = MakeLine(lines_[*line].name + L"=" + value);
    return;
  }
  std::size_t end = SectionEnd(*header);
  while (end > *header + 1 && Trim(lines_[end - 1].text).empty()) --end;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end), MakeLine(key + L"=" + value));
}

void MemoryProfileFile::Flush() {
  events_.push_back(FlushEvent());
}

void MemoryProfileFile::FailWrite(int number) {
  writesUntilFailure_ = number;
}

std::wstring MemoryProfileFile::Text() const {
  std::wstring text;
  for (const Line& line : lines_) text += line.text + L"\n";
  return text;
}

std::vector<std::wstring> MemoryProfileFile::SectionNames() const {
  std::vector<std::wstring> names;
  for (const Line& line : lines_) {
    if (line.kind == Line::Kind::kSection) names.push_back(line.name);
  }
  return names;
}

std::vector<std::wstring> MemoryProfileFile::KeyNames(const std::wstring& section) const {
  std::vector<std::wstring> names;
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return names;
  const std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    if (lines_[i].kind == Line::Kind::kKey) names.push_back(lines_[i].name);
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
  const std::wstring_view name = Trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Line::Kind::kSection && SameName(lines_[i].name, name)) return i;
  }
  return std::nullopt;
}

std::size_t MemoryProfileFile::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && lines_[end].kind != Line::Kind::kSection) ++end;
  return end;
}

std::optional<std::size_t> MemoryProfileFile::FindKey(std::size_t header,
                                                      const std::wstring& key) const {
  const std::wstring_view name = Trim(key);
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Line::Kind::kKey && SameName(lines_[i].name, name)) return i;
  }
  return std::nullopt;
}

}  // namespace ostrevin::test_support
