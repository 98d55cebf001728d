#include "settings/school_timetable_file.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/decimal_text.h"
#include "settings/first_version_timetable.h"
#include "settings/lesson_times_text.h"
#include "settings/settings_file.h"

namespace ostrevin {
namespace {

constexpr wchar_t kWeekSection[] = L"Week";
constexpr wchar_t kNameKey[] = L"Name";
constexpr wchar_t kLessonsKeySuffix[] = L"Lessons";
constexpr wchar_t kFirstVersionStampKey[] = L"FirstVersionStamp";

// Sunday first.
constexpr std::array<const wchar_t*, kDaysPerWeek> kDayKeys = {
    L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};

std::wstring ScheduleSection(int position) {
  return L"Schedule" + DecimalText(position + 1);
}

std::wstring NumberKey(int number) {
  return DecimalText(number);
}

std::wstring DayKey(Weekday day) {
  return kDayKeys[IndexOf(day)];
}

std::wstring DayLessonsKey(Weekday day) {
  return DayKey(day) + kLessonsKeySuffix;
}

bool IsNumberSeparator(wchar_t c) {
  return c == L',' || c == L';' || c == L' ' || c == L'\t';
}

// "0,1,2": the numbers 0..16 in a list; anything else in it is passed over.
std::bitset<kLessonNumberLimit> ReadLessonNumbers(const std::wstring& text) {
  std::bitset<kLessonNumberLimit> numbers;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && !IsNumberSeparator(text[end])) ++end;
    const std::optional<std::int32_t> number = ReadProfileInteger(text.substr(pos, end - pos));
    if (number && *number >= 0 && *number < kLessonNumberLimit) {
      numbers.set(static_cast<std::size_t>(*number));
    }
    pos = end + 1;
  }
  return numbers;
}

std::wstring LessonNumbersText(const std::bitset<kLessonNumberLimit>& numbers) {
  std::wstring text;
  for (std::size_t number = 0; number < numbers.size(); ++number) {
    if (!numbers.test(number)) continue;
    if (!text.empty()) text += L",";
    text += DecimalText(number);
  }
  return text;
}

// The lessons under the numbers 0..16, in the order of the numbers, counted
// on from the first one kept: from 0 when that is lesson 0, else from 1.
BellSchedule ReadSchedule(ProfileFile& file, const std::wstring& section, std::wstring name) {
  std::vector<BellLesson> found;
  std::vector<int> numbers;
  for (int number = 0; number < kLessonNumberLimit; ++number) {
    const std::optional<BellLesson> lesson =
        ParseLessonTimes(file.ReadString(section, NumberKey(number)));
    if (!lesson) continue;
    found.push_back(*lesson);
    numbers.push_back(number);
  }
  BellSchedule schedule{.name = std::move(name), .firstNumber = 1, .lessons = {}};
  const std::vector<std::size_t> kept = SoundLessonPositions(found);
  for (const std::size_t position : kept) schedule.lessons.push_back(found[position]);
  if (!kept.empty() && numbers[kept.front()] == 0) schedule.firstNumber = 0;
  return schedule;
}

SchoolTimetable ReadTimetable(ProfileFile& file) {
  SchoolTimetable timetable;
  for (int position = 0; position < kMaxSchedules; ++position) {
    const std::wstring section = ScheduleSection(position);
    const std::wstring name = CleanScheduleName(file.ReadString(section, kNameKey));
    if (name.empty()) continue;
    // The week finds schedules by name, and finds the first of two with one
    // name; the second keeps its bells under a name of its own.
    timetable.schedules.push_back(ReadSchedule(file, section, UnusedScheduleName(timetable, name)));
  }
  if (!timetable.InUse()) return timetable;
  for (int number = 0; number < kDaysPerWeek; ++number) {
    const Weekday day = WeekdayOfNumber(number);
    SchoolDay& schoolDay = timetable.Day(day);
    const std::wstring name = CleanScheduleName(file.ReadString(kWeekSection, DayKey(day)));
    schoolDay.schedule = FindSchedule(timetable, name).value_or(kNoSchedule);
    schoolDay.taught = ReadLessonNumbers(file.ReadString(kWeekSection, DayLessonsKey(day)));
  }
  return timetable;
}

// Empties a key an earlier timetable left, and only such a key: a file that
// never had it does not get it.
void EmptyKey(ProfileFile& file, const std::wstring& section, const std::wstring& key) {
  if (!file.ReadString(section, key).empty()) file.WriteString(section, key, {});
}

void WriteSchedule(ProfileFile& file, const std::wstring& section, const BellSchedule& schedule) {
  file.WriteString(section, kNameKey, schedule.name);
  for (int number = 0; number < kLessonNumberLimit; ++number) {
    const int index = number - schedule.firstNumber;
    if (index >= 0 && index < static_cast<int>(schedule.lessons.size())) {
      file.WriteString(section, NumberKey(number),
                       FormatLessonTimes(schedule.lessons[static_cast<std::size_t>(index)]));
    } else {
      EmptyKey(file, section, NumberKey(number));
    }
  }
}

void EmptySchedule(ProfileFile& file, const std::wstring& section) {
  if (file.ReadString(section, kNameKey).empty()) return;
  file.WriteString(section, kNameKey, {});
  for (int number = 0; number < kLessonNumberLimit; ++number) {
    EmptyKey(file, section, NumberKey(number));
  }
}

void WriteWeek(ProfileFile& file, const SchoolTimetable& timetable) {
  for (const Weekday day : kWeekOrder) {
    const SchoolDay& schoolDay = timetable.Day(day);
    const std::wstring name =
        schoolDay.schedule == kNoSchedule
            ? std::wstring()
            : timetable.schedules[static_cast<std::size_t>(schoolDay.schedule)].name;
    file.WriteString(kWeekSection, DayKey(day), name);
    file.WriteString(kWeekSection, DayLessonsKey(day), LessonNumbersText(schoolDay.taught));
  }
}

void EmptyWeek(ProfileFile& file) {
  for (const Weekday day : kWeekOrder) {
    EmptyKey(file, kWeekSection, DayKey(day));
    EmptyKey(file, kWeekSection, DayLessonsKey(day));
  }
}

}  // namespace

std::vector<std::wstring> SchoolTimetableSections() {
  std::vector<std::wstring> sections{kWeekSection};
  for (int position = 0; position < kMaxSchedules; ++position) {
    sections.push_back(ScheduleSection(position));
  }
  return sections;
}

void LoadSchoolTimetable(Settings& settings, ProfileFile& file) {
  settings.Timetable = ReadTimetable(file);
  // The first version's keys differ from what the program last wrote there:
  // version 1.0 changed them, and the teacher's change is kept.
  const std::wstring stamp = file.ReadString(kWeekSection, kFirstVersionStampKey);
  if (settings.Timetable.InUse() && !stamp.empty() && stamp != FirstVersionStamp(settings)) {
    TakeInFirstVersionEdits(settings);
  }
  UpdateFirstVersionTimetable(settings);
}

void SaveSchoolTimetable(const Settings& settings, ProfileFile& file) {
  const SchoolTimetable& timetable = settings.Timetable;
  if (timetable.InUse()) {
    WriteWeek(file, timetable);
    file.WriteString(kWeekSection, kFirstVersionStampKey, FirstVersionStamp(settings));
  } else {
    EmptyWeek(file);
    EmptyKey(file, kWeekSection, kFirstVersionStampKey);
  }
  for (int position = 0; position < kMaxSchedules; ++position) {
    const std::wstring section = ScheduleSection(position);
    if (position < static_cast<int>(timetable.schedules.size())) {
      WriteSchedule(file, section, timetable.schedules[static_cast<std::size_t>(position)]);
    } else {
      EmptySchedule(file, section);
    }
  }
}

}  // namespace ostrevin
