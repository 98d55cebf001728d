#include "ui/model/bells_paste.h"

#include <algorithm>

#include "base/decimal_text.h"

namespace ostrevin {
namespace {

std::wstring Quoted(const std::wstring& name) {
  return L"«" + name + L"»";
}

// A Russian noun after a number: "1 перемена", "2 перемены", "5 перемен".
std::wstring Counted(int count, const wchar_t* one, const wchar_t* few, const wchar_t* many) {
  const int lastTwo = count % 100;
  const int last = count % 10;
  const wchar_t* noun = many;
  if (last == 1 && lastTwo != 11) {
    noun = one;
  } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
    noun = few;
  }
  return DecimalText(count) + L" " + noun;
}

std::wstring Joined(const std::vector<std::wstring>& parts, const wchar_t* separator) {
  std::wstring text;
  for (const std::wstring& part : parts) text += (text.empty() ? L"" : separator) + part;
  return text;
}

// The name a column gives its schedule, before it is cleaned and told apart.
std::wstring NameOfColumn(const PastedBells& bells, const PastedColumn& column) {
  const bool severalTables = bells.tables > 1;
  if (!column.header.empty()) {
    return severalTables && !column.caption.empty() ? column.caption + L": " + column.header
                                                    : column.header;
  }
  const std::wstring place = DecimalText(column.position);
  if (!severalTables) return L"Столбец " + place;
  const std::wstring table =
      column.caption.empty() ? L"Таблица " + DecimalText(column.table + 1) : column.caption;
  const auto columnsOfTable =
      std::count_if(bells.columns.begin(), bells.columns.end(),
                    [&](const PastedColumn& other) { return other.table == column.table; });
  return columnsOfTable > 1 ? table + L", столбец " + place : table;
}

bool NeedsRoom(const SchoolTimetable& timetable, const BellSchedule& schedule) {
  return !FindSchedule(timetable, schedule.name).has_value();
}

std::size_t Room(const SchoolTimetable& timetable) {
  const std::size_t count = timetable.schedules.size();
  const auto limit = static_cast<std::size_t>(kMaxSchedules);
  return count < limit ? limit - count : 0;
}

std::size_t NewSchedules(const SchoolTimetable& timetable,
                         const std::vector<BellSchedule>& pasted) {
  return static_cast<std::size_t>(
      std::count_if(pasted.begin(), pasted.end(),
                    [&](const BellSchedule& schedule) { return NeedsRoom(timetable, schedule); }));
}

}  // namespace

std::vector<BellSchedule> SchedulesOfPaste(const PastedBells& bells) {
  SchoolTimetable named;
  for (const PastedColumn& column : bells.columns) {
    std::wstring name = CleanScheduleName(NameOfColumn(bells, column));
    if (name.empty()) name = L"Столбец " + DecimalText(column.position);
    named.schedules.push_back({.name = UnusedScheduleName(named, name),
                               .firstNumber = column.firstNumber,
                               .lessons = SoundLessons(column.lessons)});
  }
  return named.schedules;
}

std::wstring PassedOverText(const PastedBells& bells) {
  std::vector<std::wstring> parts;
  if (bells.breaks > 0)
    parts.push_back(Counted(bells.breaks, L"перемена", L"перемены", L"перемен"));
  if (bells.singleTimes > 0) {
    parts.push_back(
        Counted(bells.singleTimes, L"отдельный звонок", L"отдельных звонка", L"отдельных звонков"));
  }
  return Joined(parts, L", ");
}

PasteChoice PasteChoiceFor(const SchoolTimetable& timetable,
                           const std::vector<BellSchedule>& pasted) {
  PasteChoice choice;
  const std::size_t room = Room(timetable);
  choice.all = NewSchedules(timetable, pasted) <= room;
  if (choice.all) choice.items.emplace_back(L"все расписания");
  for (std::size_t index = 0; index < pasted.size(); ++index) {
    if (room == 0 && NeedsRoom(timetable, pasted[index])) continue;
    choice.schedules.push_back(index);
    choice.items.push_back(L"только " + Quoted(pasted[index].name));
  }
  return choice;
}

std::vector<BellSchedule> ChosenSchedules(const PasteChoice& choice,
                                          const std::vector<BellSchedule>& pasted, int item) {
  if (choice.all && item == 0) return pasted;
  const auto index = static_cast<std::size_t>(item - (choice.all ? 1 : 0));
  if (item < 0 || index >= choice.schedules.size()) return {};
  return {pasted[choice.schedules[index]]};
}

std::wstring AddPastedSchedulesQuestion(const SchoolTimetable& timetable,
                                        const std::vector<BellSchedule>& pasted,
                                        const std::wstring& passedOver) {
  std::vector<std::wstring> listed;
  std::vector<std::wstring> replaced;
  for (const BellSchedule& schedule : pasted) {
    listed.push_back(schedule.name + L" (уроков: " + DecimalText(schedule.lessons.size()) + L")");
    if (!NeedsRoom(timetable, schedule)) replaced.push_back(Quoted(schedule.name));
  }
  std::wstring text = L"Добавить расписания: " + Joined(listed, L", ") + L"?";
  if (!passedOver.empty()) text += L"\r\n\r\nПропущено: " + passedOver + L".";
  if (replaced.size() == 1) {
    text += L"\r\n\r\nРасписание " + replaced.front() + L" уже есть: его звонки будут заменены.";
  } else if (!replaced.empty()) {
    text +=
        L"\r\n\r\nРасписания " + Joined(replaced, L", ") + L" уже есть: их звонки будут заменены.";
  }
  const std::size_t room = Room(timetable);
  if (NewSchedules(timetable, pasted) > room) {
    text += L"\r\n\r\nВ настройках может быть не больше " + DecimalText(kMaxSchedules) +
            L" расписаний, места осталось для " +
            Counted(static_cast<int>(room), L"расписания", L"расписаний", L"расписаний") +
            L": выберите одно.";
  }
  return text + L"\r\n\r\nДни недели не изменятся: выберите расписание каждого дня сами.";
}

int TakePastedSchedules(SchoolTimetable& timetable, const std::vector<BellSchedule>& chosen) {
  int first = -1;
  for (const BellSchedule& schedule : chosen) {
    int index = -1;
    if (const std::optional<int> existing = FindSchedule(timetable, schedule.name)) {
      BellSchedule& replaced = timetable.schedules[static_cast<std::size_t>(*existing)];
      replaced.firstNumber = schedule.firstNumber;
      replaced.lessons = schedule.lessons;
      index = *existing;
    } else if (Room(timetable) > 0) {
      index = AddSchedule(timetable, schedule);
    }
    if (first < 0) first = index;
  }
  return first;
}

std::wstring NothingToPasteText() {
  return L"В буфере обмена нет звонков.\r\n\r\nСкопируйте строки вида «1. 08:30 - 09:15» или "
         L"«08:30-09:15», по одному уроку в строке, или таблицу звонков со страницы школы.";
}

std::wstring TooManyPastedText() {
  return L"В расписании может быть не больше " + DecimalText(kMaxScheduleLessons) +
         L" уроков: вставлены первые " + DecimalText(kMaxScheduleLessons) + L".";
}

std::wstring NoRoomForPastedText() {
  return L"В настройках уже " + DecimalText(kMaxSchedules) +
         L" расписаний: удалите ненужные, чтобы добавить расписания из буфера обмена.";
}

std::wstring ReplaceByPasteQuestion(const BellSchedule& schedule, std::size_t pastedLessons,
                                    const std::wstring& passedOver) {
  const std::wstring passed = passedOver.empty() ? L"" : L"; пропущено: " + passedOver;
  return L"Заменить звонки расписания " + Quoted(schedule.name) +
         L" звонками из буфера обмена (уроков: " + DecimalText(pastedLessons) + passed + L")?";
}

}  // namespace ostrevin
