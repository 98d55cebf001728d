#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "settings/pasted_bells.h"
#include "settings/school_timetable.h"

namespace ostrevin {

// What "Вставить из буфера" does with the bells of a page, apart from the
// dialog's controls. A page of one schedule fills the selected schedule, as
// its rows, for the tab to judge as if typed. A page of several (a column
// per class group, a table per group of days) adds them as schedules of
// their own, after a question that lists them and lets the teacher take all
// of them or one.

// The schedules of a page of several, in its order. Each is named by its
// column's heading ("1 классы"), after its table's caption when the page has
// several tables ("Понедельник: 1 классы"); without a heading by its place
// ("Столбец 2", "Понедельник", "Таблица 2, столбец 3"). Names are told apart
// within the paste ("1 классы 2"). A schedule keeps the lessons it can hold:
// in order, not overlapping, at most 16.
std::vector<BellSchedule> SchedulesOfPaste(const PastedBells& bells);

// What the paste passed over, for the confirmation ("пропущено: 2 перемены,
// 1 отдельный звонок"); empty when nothing.
std::wstring PassedOverText(const PastedBells& bells);

// Which of the pasted schedules the teacher can take: all of them when the
// timetable has room for those it does not have yet, else each that it has
// room for (a schedule of a name it has replaces that one and needs none).
struct PasteChoice {
  bool all = false;                    // the first item takes all of them
  std::vector<std::size_t> schedules;  // the schedule of each further item
  std::vector<std::wstring> items;     // what the teacher chooses from
};
PasteChoice PasteChoiceFor(const SchoolTimetable& timetable,
                           const std::vector<BellSchedule>& pasted);

// The schedules an item of the choice takes.
std::vector<BellSchedule> ChosenSchedules(const PasteChoice& choice,
                                          const std::vector<BellSchedule>& pasted, int item);

// The question before a paste of several: what is added, what was passed
// over, what is replaced, and whether there is room for all.
std::wstring AddPastedSchedulesQuestion(const SchoolTimetable& timetable,
                                        const std::vector<BellSchedule>& pasted,
                                        const std::wstring& passedOver);

// Takes the chosen schedules into the timetable: one of the same name gets
// the pasted bells and numbering, the others are added at the end. The
// week's days keep their schedules. Returns the index of the first schedule
// taken.
int TakePastedSchedules(SchoolTimetable& timetable, const std::vector<BellSchedule>& chosen);

// What is said of a paste: nothing found, more than a schedule holds, no
// room for another schedule, or the question before the lessons of a
// schedule that has some are replaced.
std::wstring NothingToPasteText();
std::wstring TooManyPastedText();
std::wstring NoRoomForPastedText();
std::wstring ReplaceByPasteQuestion(const BellSchedule& schedule, std::size_t pastedLessons,
                                    const std::wstring& passedOver = {});

}  // namespace ostrevin
