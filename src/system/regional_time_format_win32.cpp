#include "system/regional_time_format_win32.h"

#include <windows.h>

#include <string_view>

namespace ostrevin {
namespace {

// Where a format element first stands in a long-time picture and how many
// times its letter repeats there.
struct PictureElement {
  size_t position = std::wstring_view::npos;
  size_t length = 0;
  wchar_t letter = L'\0';

  bool found() const { return position != std::wstring_view::npos; }
};

// Finds the first run of one of the letters outside quoted literals. Two
// quotes in a row stand for one quote character; toggling on each quote reads
// them correctly, inside a literal and outside it.
PictureElement FindElement(std::wstring_view picture, std::wstring_view letters) {
  bool inLiteral = false;
  for (size_t i = 0; i < picture.size(); ++i) {
    wchar_t c = picture[i];
    if (c == L'\'') {
      inLiteral = !inLiteral;
      continue;
    }
    if (inLiteral || letters.find(c) == std::wstring_view::npos) continue;
    size_t end = i;
    while (end < picture.size() && picture[end] == c) ++end;
    return PictureElement{i, end - i, c};
  }
  return {};
}

void ApplyTimePicture(std::wstring_view picture, RegionalTimeFormat& format) {
  PictureElement hour = FindElement(picture, L"hH");
  if (!hour.found()) return;
  format.hourLeadingZero = hour.length >= 2;
  format.twelveHour = hour.letter == L'h';
  PictureElement designator = FindElement(picture, L"t");
  format.designatorFirst = designator.found() && designator.position < hour.position;
}

std::optional<std::wstring> UserLocaleText(LCTYPE item) {
  int length = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, item, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring text(static_cast<size_t>(length), L'\0');
  length = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text.data(), length);
  if (length <= 0) return std::nullopt;
  text.resize(static_cast<size_t>(length) - 1);  // the count includes the terminator
  return text;
}

// The settings file is an ANSI file: a designator that the ANSI code page
// cannot hold would come back as question marks, and every start time written
// with it would be lost at the next load. Such a designator is not taken; the
// reader always knows the plain "AM" and "PM" that replace it.
std::optional<std::wstring> AnsiSafe(std::optional<std::wstring> text) {
  // A UTF-8 code page holds every text (and takes no lossy-conversion flags).
  if (!text || text->empty() || ::GetACP() == CP_UTF8) return text;
  BOOL lossy = FALSE;
  int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text->data(),
                                     static_cast<int>(text->size()), nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return std::nullopt;
  return text;
}

}  // namespace

RegionalTimeFormat RegionalTimeFormatFromLocaleTexts(const LocaleTimeTexts& texts) {
  RegionalTimeFormat format;
  if (texts.timeFormat) ApplyTimePicture(*texts.timeFormat, format);
  if (texts.amDesignator) format.amDesignator = *texts.amDesignator;
  if (texts.pmDesignator) format.pmDesignator = *texts.pmDesignator;
  // An empty separator could not separate the milliseconds from the seconds.
  if (texts.decimalSeparator && !texts.decimalSeparator->empty()) {
    format.decimalSeparator = *texts.decimalSeparator;
  }
  return format;
}

RegionalTimeFormat ReadRegionalTimeFormat() {
  return RegionalTimeFormatFromLocaleTexts(LocaleTimeTexts{
      .timeFormat = UserLocaleText(LOCALE_STIMEFORMAT),
      .amDesignator = AnsiSafe(UserLocaleText(LOCALE_S1159)),
      .pmDesignator = AnsiSafe(UserLocaleText(LOCALE_S2359)),
      .decimalSeparator = UserLocaleText(LOCALE_SDECIMAL),
  });
}

}  // namespace ostrevin
