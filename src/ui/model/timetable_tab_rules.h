#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/school_timetable.h"

namespace ostrevin {

// The rules of the settings dialog's timetable tab, apart from its controls:
// the rows of a schedule's bells, the week's choices, and what the tab says.

// The texts of one row of bells, as its start and end fields give them
// (unfilled places as blanks: " 8:30", "  :  ").
struct BellRowText {
  std::wstring start;
  std::wstring end;
};

// A time field's text as a minute of the day; none while it is no time.
std::optional<TimeOfDay> MinuteOfFieldText(const std::wstring& text);
// Whether neither field of the row holds a digit.
bool IsEmptyRow(const BellRowText& row);

enum class BellRowProblem { Incomplete, EndNotAfterStart, StartsBeforeEarlierEnds };

// What the rows hold: the lessons of the rows, in the order of their times
// whatever the order of the rows, and which lesson each row is. Empty rows
// are no lessons. A row whose times are not whole, whose lesson does not end
// after it starts, or whose lesson starts before the one before it ends, is
// no lesson either: the first such problem is told.
struct BellRowsReading {
  std::vector<BellLesson> lessons;
  std::vector<std::optional<std::size_t>> lessonOfRow;
  std::optional<BellRowProblem> problem;
  std::size_t problemRow = 0;
  BellLesson problemLesson{};  // the lesson of the row with the problem, when it has times
  BellLesson earlierLesson{};  // the lesson it starts too early after
};
BellRowsReading ReadBellRows(const std::vector<BellRowText>& rows);

// How many rows to show: those up to the last one filled, and one empty row
// more to enter a lesson in, up to the 16 a schedule holds.
std::size_t ShownBellRows(const std::vector<BellRowText>& rows);

// The rows of a schedule as the fields show them.
std::vector<BellRowText> RowsOfLessons(const std::vector<BellLesson>& lessons);

// The end a row gets when its start is entered first: the start plus the
// usual lesson length, if that is still the same day.
std::optional<TimeOfDay> EndAfterStart(TimeOfDay start, int lessonMinutes);

// The message for a problem of the rows of a schedule.
std::wstring BellRowProblemText(const BellRowsReading& reading, const BellSchedule& schedule);

// "Понедельник" .. "Воскресенье".
std::wstring DayName(Weekday day);
// The days' list of the tab, Monday first.
std::vector<std::wstring> DayNamesOfWeek();
// The choices of a day's schedule: none first, then the schedules' names.
inline constexpr wchar_t kNoLessonsChoice[] = L"нет уроков";
std::vector<std::wstring> ScheduleChoices(const SchoolTimetable& timetable);
// A choice's index for a day's schedule, and back.
int ChoiceOfSchedule(int schedule);
int ScheduleOfChoice(int choice);

// "3-й урок"
std::wstring TaughtLessonCaption(int number);
// "08:30–09:15"
std::wstring LessonTimesCaption(const BellLesson& lesson);
// What the tab says of the selected day's schedule.
std::wstring DayScheduleCaption(const SchoolTimetable& timetable, Weekday day);

// The question before a schedule is deleted: where it is used, if anywhere.
std::wstring DeleteScheduleQuestion(const SchoolTimetable& timetable, int index);
// Why a name cannot be taken; none when it can.
std::optional<std::wstring> ScheduleNameProblem(const SchoolTimetable& timetable,
                                                const std::wstring& cleanName, int index);

// The check on OK of the lesson lengths against every schedule in use: none
// when the shortest lesson of them leaves at least one minute of main part,
// else the message that names it.
std::optional<std::wstring> ShortestLessonProblem(const SchoolTimetable& timetable,
                                                  int introMinutes, int finishMinutes);

}  // namespace ostrevin
