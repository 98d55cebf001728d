#include "settings/settings_file.h"

#include <cstdint>
#include <string_view>
#include <variant>

#include "base/decimal_text.h"
#include "settings/school_timetable_file.h"
#include "settings/bell_settings.h"
#include "settings/window_section.h"

namespace ostrevin {

namespace {

constexpr wchar_t kTimesSection[] = L"Times";

// A field of the "Common" and "Sounds" sections, with its key and the value
// it takes when the key is missing or unreadable.
struct OptionKey {
  const wchar_t* section;
  const wchar_t* key;
  std::variant<std::int32_t Settings::*, bool Settings::*, FinishPartMode Settings::*> field;
  std::int32_t defaultValue;
};

// In the order the file holds them.
const OptionKey kOptionKeys[] = {
    {L"Common", L"LessLen", &Settings::LessLen, 450},
    {L"Common", L"IntroTime", &Settings::IntroTime, 50},
    {L"Common", L"FinishTime", &Settings::FinishTime, 50},
    {L"Common", L"ShowCurrNo", &Settings::ShowCurrNo, 1},
    {L"Common", L"bOfferExit", &Settings::bOfferExit, 1},
    {L"Common", L"bWarnBeforeLesson", &Settings::bWarnBeforeLesson, 0},
    {L"Common", L"bShowOnStartLesson", &Settings::bShowOnStartLesson, 1},
    {L"Common", L"IsBlend", &Settings::IsBlend, 1},
    {L"Common", L"BlendVal", &Settings::BlendVal, 127},
    {L"Common", L"WarnVal", &Settings::WarnVal, 3},
    {L"Sounds", L"StartStopSnd", &Settings::StartStopSnd, 1},
    {L"Sounds", L"IntroPartSnd", &Settings::IntroPartSnd, 1},
    {L"Sounds", L"FinishPartSounds", &Settings::FinishPartSounds, fpsEveryMinute},
    {L"Sounds", L"CountDown", &Settings::CountDown, 0},
    {L"Sounds", L"AllSndsOFF", &Settings::AllSndsOFF, 0},
};

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

int DigitValue(wchar_t c, int base) {
  const int value = HexDigitValue(c);
  return value < base ? value : -1;
}

// The length of a hexadecimal prefix at the start of text, 0 when none.
std::size_t HexPrefixLength(std::wstring_view text) {
  if (text.starts_with(L"$") || text.starts_with(L"x") || text.starts_with(L"X")) return 1;
  if (text.starts_with(L"0x") || text.starts_with(L"0X")) return 2;
  return 0;
}

bool IsPathSeparator(wchar_t c) {
  return c == L'\\' || c == L'/' || c == L':';
}

// "1" Monday .. "5" Friday.
std::wstring DaySection(Weekday day) {
  return DecimalText(WeekdayNumber(day));
}
std::wstring SlotKey(int slot) {
  return DecimalText(slot);
}

std::int32_t ReadInteger(ProfileFile& file, const std::wstring& section, const std::wstring& key,
                         std::int32_t defaultValue) {
  return ReadProfileInteger(file.ReadString(section, key)).value_or(defaultValue);
}

bool ReadBoolean(ProfileFile& file, const std::wstring& section, const std::wstring& key,
                 bool defaultValue) {
  return ReadInteger(file, section, key, defaultValue ? 1 : 0) != 0;
}

// Midnight when the value is missing or unreadable: for the first slot that
// brings back the built-in timetable.
TimeOfDay ReadStartTime(ProfileFile& file, int slot, const RegionalTimeFormat& format) {
  return ParseTimeOfDay(file.ReadString(kTimesSection, SlotKey(slot)), format).value_or(kMidnight);
}

// A number outside the three modes leaves the mode as it was; a missing or
// unreadable one gives the default.
FinishPartMode ReadFinishPartMode(ProfileFile& file, const OptionKey& option,
                                  FinishPartMode current) {
  const std::int32_t value = ReadInteger(file, option.section, option.key, option.defaultValue);
  if (value < fpsNone || value > fpsEveryMinute) return current;
  return static_cast<FinishPartMode>(value);
}

void ReadOption(Settings& settings, ProfileFile& file, const OptionKey& option) {
  std::visit(Overloaded{
                 [&](std::int32_t Settings::*field) {
                   settings.*field =
                       ReadInteger(file, option.section, option.key, option.defaultValue);
                 },
                 [&](bool Settings::*field) {
                   settings.*field =
                       ReadBoolean(file, option.section, option.key, option.defaultValue != 0);
                 },
                 [&](FinishPartMode Settings::*field) {
                   settings.*field = ReadFinishPartMode(file, option, settings.*field);
                 },
             },
             option.field);
}

std::wstring BooleanText(bool value) {
  return value ? L"1" : L"0";
}

std::wstring OptionText(const Settings& settings, const OptionKey& option) {
  return std::visit(
      Overloaded{
          [&](std::int32_t Settings::*field) { return DecimalText(settings.*field); },
          [&](bool Settings::*field) { return BooleanText(settings.*field); },
          [&](FinishPartMode Settings::*field) {
            return DecimalText(static_cast<int>(settings.*field));
          },
      },
      option.field);
}

// The weekday rows, each followed by the start times, exactly as the file
// has always been read and written: a file created from nothing thus gets
// its sections in the order "1", "Times", "2" .. "5".
template <class SlotVisitor>
void ForEachTimetableKey(SlotVisitor visit) {
  for (const Weekday day : kFirstVersionDays) {
    for (int slot = 1; slot <= kSlotCount; ++slot) visit(day, slot);
  }
}

// The platform keeps a cached copy of a profile file; it is dropped after
// every load and save, also when a write failed, so that other programs and
// the next load see the file as it is on disk.
template <class Work>
void ThenFlush(ProfileFile& file, Work work) {
  try {
    work();
  } catch (...) {
    file.Flush();
    throw;
  }
  file.Flush();
}

}  // namespace

std::optional<std::int32_t> ReadProfileInteger(const std::wstring& text) {
  std::wstring_view rest = text;
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  bool negative = false;
  if (rest.starts_with(L"+") || rest.starts_with(L"-")) {
    negative = rest.front() == L'-';
    rest.remove_prefix(1);
  }
  const std::size_t prefixLength = HexPrefixLength(rest);
  const int base = prefixLength > 0 ? 16 : 10;
  rest.remove_prefix(prefixLength);
  if (rest.empty()) return std::nullopt;
  // The magnitude is range-checked with its sign, for hexadecimal as for
  // decimal: "-2147483648" and "-$80000000" are read, "$80000000" and
  // "$FFFFFFFF" are out of range rather than negative.
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t magnitude = 0;
  for (wchar_t c : rest) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::wstring DefaultSettingsPath(const std::wstring& programPath) {
  std::size_t nameStart = programPath.size();
  while (nameStart > 0 && !IsPathSeparator(programPath[nameStart - 1])) --nameStart;
  const std::size_t dot = programPath.rfind(L'.');
  const bool nameHasDot = dot != std::wstring::npos && dot >= nameStart;
  return programPath.substr(0, nameHasDot ? dot : programPath.size()) + L".INI";
}

void LoadSettings(Settings& settings, ProfileFile& file, const RegionalTimeFormat& format) {
  ThenFlush(file, [&] {
    ForEachTimetableKey([&](Weekday day, int slot) {
      settings.Lesson(day, slot) = ReadBoolean(file, DaySection(day), SlotKey(slot), false);
      settings.StartTime(slot) = ReadStartTime(file, slot, format);
    });
    // The first start time alone decides: midnight there means the file
    // holds no usable timetable, whatever the other slots say.
    if (settings.StartTime(1) == kMidnight) ResetStartTimes(settings);
    for (const OptionKey& option : kOptionKeys) ReadOption(settings, file, option);
    LoadSchoolTimetable(settings, file);
    LoadBellSettings(settings, file);
    LoadWindowSection(settings, file);
  });
}

void SaveSettings(const Settings& settings, ProfileFile& file, const RegionalTimeFormat& format) {
  ThenFlush(file, [&] {
    ForEachTimetableKey([&](Weekday day, int slot) {
      file.WriteString(DaySection(day), SlotKey(slot), BooleanText(settings.Lesson(day, slot)));
      file.WriteString(kTimesSection, SlotKey(slot),
                       FormatTimeOfDay(settings.StartTime(slot), format));
    });
    for (const OptionKey& option : kOptionKeys) {
      file.WriteString(option.section, option.key, OptionText(settings, option));
    }
    SaveSchoolTimetable(settings, file);
    SaveWindowSection(settings, file);
    SaveBellSettings(settings, file);
  });
}

}  // namespace ostrevin
