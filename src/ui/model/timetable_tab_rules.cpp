#include "ui/model/timetable_tab_rules.h"

#include <algorithm>
#include <array>

#include "base/decimal_text.h"
#include "base/time_units.h"
#include "settings/lesson_times_text.h"
#include "settings/settings_file.h"
#include "ui/model/lesson_list_rules.h"

namespace ostrevin {
namespace {

// Sunday first.
constexpr std::array<const wchar_t*, kDaysPerWeek> kDayNames = {
    L"Воскресенье", L"Понедельник", L"Вторник", L"Среда", L"Четверг", L"Пятница", L"Суббота"};
// "на понедельник", in the question before a schedule is deleted.
constexpr std::array<const wchar_t*, kDaysPerWeek> kDaysAccusative = {
    L"воскресенье", L"понедельник", L"вторник", L"среду", L"четверг", L"пятницу", L"субботу"};

bool HasDigit(const std::wstring& text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

std::wstring Quoted(const std::wstring& name) {
  return L"«" + name + L"»";
}

// "3-й урок расписания «Основное»"
std::wstring LessonOfSchedule(int number, const BellSchedule& schedule) {
  return TaughtLessonCaption(number) + L" расписания " + Quoted(schedule.name);
}

// "понедельник, вторник и субботу"
std::wstring DaysList(const std::vector<Weekday>& days) {
  std::wstring text;
  for (std::size_t index = 0; index < days.size(); ++index) {
    if (index > 0) text += index + 1 == days.size() ? L" и " : L", ";
    text += kDaysAccusative[IndexOf(days[index])];
  }
  return text;
}

}  // namespace

std::optional<TimeOfDay> MinuteOfFieldText(const std::wstring& text) {
  if (!IsValidTimeText(text)) return std::nullopt;
  std::wstring minutes = text;
  const std::wstring hours = SplitAt(L':', minutes);
  return TimeOfDay::At(*ReadProfileInteger(hours), *ReadProfileInteger(minutes));
}

bool IsEmptyRow(const BellRowText& row) {
  return !HasDigit(row.start) && !HasDigit(row.end);
}

BellRowsReading ReadBellRows(const std::vector<BellRowText>& rows) {
  BellRowsReading reading;
  reading.lessonOfRow.resize(rows.size());
  auto tell = [&](BellRowProblem problem, std::size_t row, BellLesson lesson) {
    if (reading.problem) return;
    reading.problem = problem;
    reading.problemRow = row;
    reading.problemLesson = lesson;
  };
  struct RowLesson {
    std::size_t row;
    BellLesson lesson;
  };
  std::vector<RowLesson> entered;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (IsEmptyRow(rows[row])) continue;
    const std::optional<TimeOfDay> start = MinuteOfFieldText(rows[row].start);
    const std::optional<TimeOfDay> end = MinuteOfFieldText(rows[row].end);
    if (!start || !end) {
      tell(BellRowProblem::Incomplete, row, {});
    } else if (*end <= *start) {
      tell(BellRowProblem::EndNotAfterStart, row, {*start, *end});
    } else {
      entered.push_back({row, {*start, *end}});
    }
  }
  std::stable_sort(entered.begin(), entered.end(), [](const RowLesson& a, const RowLesson& b) {
    return a.lesson.start < b.lesson.start;
  });
  for (const RowLesson& next : entered) {
    if (!reading.lessons.empty() && next.lesson.start < reading.lessons.back().end) {
      if (!reading.problem) reading.earlierLesson = reading.lessons.back();
      tell(BellRowProblem::StartsBeforeEarlierEnds, next.row, next.lesson);
      continue;
    }
    reading.lessonOfRow[next.row] = reading.lessons.size();
    reading.lessons.push_back(next.lesson);
  }
  return reading;
}

std::size_t ShownBellRows(const std::vector<BellRowText>& rows) {
  const auto lastFilled = std::find_if(rows.rbegin(), rows.rend(),
                                       [](const BellRowText& row) { return !IsEmptyRow(row); });
  const std::size_t filled = static_cast<std::size_t>(rows.rend() - lastFilled);
  return std::min<std::size_t>(filled + 1, kMaxScheduleLessons);
}

std::vector<BellRowText> RowsOfLessons(const std::vector<BellLesson>& lessons) {
  std::vector<BellRowText> rows;
  for (const BellLesson& lesson : lessons) {
    rows.push_back({FormatHourMinute(lesson.start), FormatHourMinute(lesson.end)});
  }
  return rows;
}

std::optional<TimeOfDay> EndAfterStart(TimeOfDay start, int lessonMinutes) {
  const TimeOfDay end = AddMinutes(start, lessonMinutes);
  if (lessonMinutes <= 0 || end >= TimeOfDay::FromMinutes(kMinutesPerDay)) return std::nullopt;
  return end;
}

std::wstring BellRowProblemText(const BellRowsReading& reading, const BellSchedule& schedule) {
  const std::wstring ofSchedule = L" расписания " + Quoted(schedule.name);
  const std::wstring lesson = L"Урок " + LessonTimesCaption(reading.problemLesson) + ofSchedule;
  switch (reading.problem.value_or(BellRowProblem::Incomplete)) {
    case BellRowProblem::EndNotAfterStart:
      return lesson + L" должен кончаться позже, чем начинается.";
    case BellRowProblem::StartsBeforeEarlierEnds:
      return lesson + L" начинается раньше, чем кончается урок " +
             LessonTimesCaption(reading.earlierLesson) + L".";
    case BellRowProblem::Incomplete:
      break;
  }
  return L"Звонки" + ofSchedule + L": введите время начала и конца урока полностью.";
}

std::wstring DayName(Weekday day) {
  return kDayNames[IndexOf(day)];
}

std::vector<std::wstring> DayNamesOfWeek() {
  std::vector<std::wstring> names;
  for (const Weekday day : kWeekOrder) names.push_back(DayName(day));
  return names;
}

std::vector<std::wstring> ScheduleChoices(const SchoolTimetable& timetable) {
  std::vector<std::wstring> choices{kNoLessonsChoice};
  for (const BellSchedule& schedule : timetable.schedules) choices.push_back(schedule.name);
  return choices;
}

int ChoiceOfSchedule(int schedule) {
  return schedule + 1;
}

int ScheduleOfChoice(int choice) {
  return choice < 1 ? kNoSchedule : choice - 1;
}

std::wstring TaughtLessonCaption(int number) {
  return DecimalText(number) + L"-й урок";
}

std::wstring LessonTimesCaption(const BellLesson& lesson) {
  return FormatHourMinute(lesson.start) + L"–" + FormatHourMinute(lesson.end);
}

std::wstring DayScheduleCaption(const SchoolTimetable& timetable, Weekday day) {
  const int schedule = timetable.Day(day).schedule;
  if (schedule == kNoSchedule) return L"В этот день уроков нет.";
  return L"Расписание " + Quoted(timetable.schedules[static_cast<std::size_t>(schedule)].name) + L":";
}

std::wstring DeleteScheduleQuestion(const SchoolTimetable& timetable, int index) {
  const std::wstring name = Quoted(timetable.schedules[static_cast<std::size_t>(index)].name);
  const std::vector<Weekday> days = DaysUsingSchedule(timetable, index);
  if (days.empty()) return L"Удалить расписание " + name + L"?";
  return L"Расписание " + name + L" назначено на " + DaysList(days) +
         L".\r\nПосле удаления в эти дни уроков не будет.\r\n\r\nУдалить расписание?";
}

std::optional<std::wstring> ScheduleNameProblem(const SchoolTimetable& timetable,
                                                const std::wstring& cleanName, int index) {
  if (cleanName.empty()) return L"Введите название расписания.";
  if (!IsFreeScheduleName(timetable, cleanName, index)) {
    return L"Расписание " + Quoted(cleanName) + L" уже есть: выберите другое название.";
  }
  return std::nullopt;
}

std::optional<std::wstring> ShortestLessonProblem(const SchoolTimetable& timetable,
                                                  int introMinutes, int finishMinutes) {
  const std::optional<ShortestLesson> shortest = ShortestLessonInUse(timetable);
  if (!shortest) return std::nullopt;
  if (LessonPartsFit(shortest->minutes, introMinutes, finishMinutes)) return std::nullopt;
  const BellSchedule& schedule = timetable.schedules[static_cast<std::size_t>(shortest->schedule)];
  return L"Продолжительность вступительной и заключительной частей в сумме должна быть меньше "
         L"продолжительности самого короткого урока.\r\n\r\nСамый короткий урок — " +
         LessonOfSchedule(shortest->lessonNumber, schedule) + L": " +
         DecimalText(shortest->minutes) + L" мин.";
}

}  // namespace ostrevin
