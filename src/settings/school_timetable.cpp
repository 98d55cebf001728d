#include "settings/school_timetable.h"

#include <algorithm>

#include "base/decimal_text.h"

namespace ostrevin {
namespace {

bool IsLessonOfOneDay(const BellLesson& lesson) {
  return lesson.start >= kMidnight && lesson.start < lesson.end &&
         lesson.end < TimeOfDay::FromMinutes(kMinutesPerDay);
}

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

bool IsQuote(wchar_t c) {
  return c == L'"' || c == L'\'';
}

void TrimBlanks(std::wstring& text) {
  while (!text.empty() && IsBlank(text.back())) text.pop_back();
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  text.erase(text.begin(), first);
}

bool IsEnclosedInQuotes(const std::wstring& text) {
  return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

}  // namespace

bool AreSoundLessons(const std::vector<BellLesson>& lessons) {
  return SoundLessons(lessons) == lessons;
}

std::vector<BellLesson> SoundLessons(const std::vector<BellLesson>& lessons) {
  std::vector<BellLesson> sound;
  for (const std::size_t position : SoundLessonPositions(lessons)) {
    sound.push_back(lessons[position]);
  }
  return sound;
}

std::vector<std::size_t> SoundLessonPositions(const std::vector<BellLesson>& lessons) {
  std::vector<std::size_t> kept;
  for (std::size_t position = 0; position < lessons.size(); ++position) {
    if (kept.size() == kMaxScheduleLessons) break;
    const BellLesson& lesson = lessons[position];
    if (!IsLessonOfOneDay(lesson)) continue;
    // Touching is allowed: some schools ring double lessons without a break.
    if (!kept.empty() && lesson.start < lessons[kept.back()].end) continue;
    kept.push_back(position);
  }
  return kept;
}

std::wstring CleanScheduleName(const std::wstring& text) {
  std::wstring name;
  for (const wchar_t c : text) {
    if (c >= L' ' && c != 0x7F) name += c;
  }
  // Each step only shortens the name, until it is what the settings file
  // gives back: that drops blanks round a value and one enclosing pair of
  // quotation marks.
  for (;;) {
    std::wstring cleaner = name;
    TrimBlanks(cleaner);
    if (IsEnclosedInQuotes(cleaner)) cleaner = cleaner.substr(1, cleaner.size() - 2);
    if (cleaner.size() > kMaxScheduleNameLength) cleaner.resize(kMaxScheduleNameLength);
    if (cleaner == name) return name;
    name = std::move(cleaner);
  }
}

std::optional<int> FindSchedule(const SchoolTimetable& timetable, const std::wstring& name) {
  for (std::size_t index = 0; index < timetable.schedules.size(); ++index) {
    if (timetable.schedules[index].name == name) return static_cast<int>(index);
  }
  return std::nullopt;
}

bool IsFreeScheduleName(const SchoolTimetable& timetable, const std::wstring& name,
                        std::optional<int> index) {
  if (name.empty()) return false;
  const std::optional<int> holder = FindSchedule(timetable, name);
  return !holder || holder == index;
}

std::vector<Weekday> DaysUsingSchedule(const SchoolTimetable& timetable, int index) {
  std::vector<Weekday> days;
  for (const Weekday day : kWeekOrder) {
    if (timetable.Day(day).schedule == index) days.push_back(day);
  }
  return days;
}

std::wstring UnusedScheduleName(const SchoolTimetable& timetable, const std::wstring& base) {
  // Cut so that the name with its suffix is still whole when it is kept.
  auto withSuffix = [&](const std::wstring& suffix) {
    return CleanScheduleName(base.substr(0, kMaxScheduleNameLength - suffix.size())) + suffix;
  };
  std::wstring name = withSuffix({});
  for (int number = 2; FindSchedule(timetable, name); ++number) {
    name = withSuffix(L" " + DecimalText(number));
  }
  return name;
}

int AddSchedule(SchoolTimetable& timetable, BellSchedule schedule) {
  timetable.schedules.push_back(std::move(schedule));
  return static_cast<int>(timetable.schedules.size()) - 1;
}

void RemoveSchedule(SchoolTimetable& timetable, int index) {
  timetable.schedules.erase(timetable.schedules.begin() + index);
  for (SchoolDay& day : timetable.week) {
    if (day.schedule == index) {
      day.schedule = kNoSchedule;
    } else if (day.schedule > index) {
      --day.schedule;
    }
  }
}

std::optional<ShortestLesson> ShortestLessonInUse(const SchoolTimetable& timetable) {
  std::optional<ShortestLesson> shortest;
  for (std::size_t index = 0; index < timetable.schedules.size(); ++index) {
    const int scheduleIndex = static_cast<int>(index);
    if (DaysUsingSchedule(timetable, scheduleIndex).empty()) continue;
    const BellSchedule& schedule = timetable.schedules[index];
    for (std::size_t lesson = 0; lesson < schedule.lessons.size(); ++lesson) {
      const int minutes = schedule.lessons[lesson].Minutes();
      if (shortest && shortest->minutes <= minutes) continue;
      shortest = ShortestLesson{scheduleIndex, schedule.NumberOf(lesson), minutes};
    }
  }
  return shortest;
}

bool TeachesAnyLesson(const SchoolTimetable& timetable) {
  return std::any_of(timetable.week.begin(), timetable.week.end(), [&](const SchoolDay& day) {
    if (day.schedule == kNoSchedule) return false;
    const BellSchedule& schedule = timetable.schedules[static_cast<std::size_t>(day.schedule)];
    for (std::size_t lesson = 0; lesson < schedule.lessons.size(); ++lesson) {
      if (day.taught.test(static_cast<std::size_t>(schedule.NumberOf(lesson)))) return true;
    }
    return false;
  });
}

}  // namespace ostrevin
