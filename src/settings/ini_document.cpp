#include "settings/ini_document.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace ostrevin {

namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The profile functions ignore the case of ASCII letters only (measured under
// Wine: "Ï" does not find "ï").
wchar_t FoldAscii(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 0x20) : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b, {}, FoldAscii, FoldAscii);
}

std::wstring_view ValueOf(std::wstring_view line) {
  std::wstring_view value = Trim(line.substr(line.find(L'=') + 1));
  const bool quoted = value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
                      value.back() == value.front();
  if (quoted) value = value.substr(1, value.size() - 2);
  return value;
}

std::vector<std::wstring> SplitLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring_view::npos) end = text.size();
    const std::wstring_view line = text.substr(start, end - start);
    lines.emplace_back(line.substr(0, line.find(L'\0')));
    start = end + 1;
    if (text.substr(end, 2) == L"\r\n") ++start;
  }
  return lines;
}

std::wstring OnOneLine(std::wstring text) {
  std::ranges::replace_if(
      text, [](wchar_t c) { return c == L'\r' || c == L'\n' || c == L'\0'; }, L' ');
  return text;
}

}  // namespace

IniDocument::IniDocument(const std::wstring& text) {
  for (std::wstring& line : SplitLines(text)) lines_.push_back(MakeLine(std::move(line)));
}

IniDocument::Line IniDocument::MakeLine(std::wstring text) {
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

std::wstring IniDocument::Value(const std::wstring& section, const std::wstring& key) const {
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return {};
  const std::optional<std::size_t> line = FindKey(*header, key);
  if (!line) return {};
  return std::wstring(ValueOf(lines_[*line].text).substr(0, kMaxValueLength));
}

bool IniDocument::HasSection(const std::wstring& section) const {
  return FindSection(section).has_value();
}

bool IniDocument::IsBlank() const {
  return std::ranges::all_of(lines_, [](const Line& line) { return Trim(line.text).empty(); });
}

std::vector<std::wstring> IniDocument::Lines() const {
  std::vector<std::wstring> lines;
  for (const Line& line : lines_) lines.push_back(line.text);
  return lines;
}

std::wstring IniDocument::Text() const {
  std::wstring text;
  for (const Line& line : lines_) text += line.text + L"\r\n";
  return text;
}

std::vector<std::wstring> IniDocument::SectionNames() const {
  std::vector<std::wstring> names;
  for (const Line& line : lines_) {
    if (line.kind == Line::Kind::kSection) names.push_back(line.name);
  }
  return names;
}

std::vector<std::wstring> IniDocument::KeyNames(const std::wstring& section) const {
  std::vector<std::wstring> names;
  const std::optional<std::size_t> header = FindSection(section);
  if (!header) return names;
  const std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    if (lines_[i].kind == Line::Kind::kKey) names.push_back(lines_[i].name);
  }
  return names;
}

std::wstring IniDocument::ReadString(const std::wstring& section, const std::wstring& key) {
  return Value(section, key);
}

void IniDocument::WriteString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& value) {
  const std::wstring sectionName = OnOneLine(section);
  const std::wstring keyName = OnOneLine(key);
  const std::wstring valueText = OnOneLine(value);
  const std::optional<std::size_t> header = FindSection(sectionName);
  if (!header) {
    lines_.push_back(MakeLine(L"[" + sectionName + L"]"));
    lines_.push_back(MakeLine(keyName + L"=" + valueText));
    return;
  }
  if (const std::optional<std::size_t> line = FindKey(*header, keyName)) {
    lines_[*line] = MakeLine(lines_[*line].name + L"=" + valueText);
    return;
  }
  std::size_t end = SectionEnd(*header);
  while (end > *header + 1 && Trim(lines_[end - 1].text).empty()) --end;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end),
                MakeLine(keyName + L"=" + valueText));
}

std::optional<std::size_t> IniDocument::FindSection(const std::wstring& section) const {
  const std::wstring_view name = Trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Line::Kind::kSection && SameName(lines_[i].name, name)) return i;
  }
  return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && lines_[end].kind != Line::Kind::kSection) ++end;
  return end;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t header, const std::wstring& key) const {
  const std::wstring_view name = Trim(key);
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Line::Kind::kKey && SameName(lines_[i].name, name)) return i;
  }
  return std::nullopt;
}

}  // namespace ostrevin
