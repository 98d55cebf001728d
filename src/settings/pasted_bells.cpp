#include "settings/pasted_bells.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <utility>

#include "settings/lesson_times_text.h"

namespace ostrevin {
namespace {

// Lesson numbers are small: a longer number beside a lesson is a room's or
// a year's.
constexpr std::size_t kMaxNumberDigits = 2;
// "1-й урок", "1-ый урок": what may stand between a number and its word.
constexpr std::size_t kMaxOrdinalEnding = 3;

constexpr std::array<std::wstring_view, 5> kBreakWords = {L"перемен", L"перерыв", L"завтрак",
                                                          L"обед", L"пауз"};
constexpr std::array<std::wstring_view, 1> kLessonWords = {L"урок"};
// A table's heading of a column that says only what any column holds.
constexpr std::array<std::wstring_view, 22> kPlainHeadingWords = {
    L"время",     L"начало",  L"начала",     L"окончание",
    L"окончания", L"конец",   L"урок",       L"урока",
    L"уроки",     L"уроков",  L"звонок",     L"звонка",
    L"звонки",    L"звонков", L"расписание", L"продолжительность",
    L"номер",     L"с",       L"до",         L"по",
    L"от",        L"занятий"};

bool IsLineBreak(wchar_t c) {
  return c == L'\n' || c == L'\r' || c == L'\f' || c == L'\v' || c == 0x85 || c == 0x2028 ||
         c == 0x2029;
}

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

bool IsLetter(wchar_t c) {
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= 0x0400 && c <= 0x04FF);
}

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == 0xA0 || (c >= 0x2000 && c <= 0x200B) || c == 0x202F ||
         c == 0x3000;
}

// Letters and digits say something; blanks, dashes and marks do not.
bool SaysSomething(std::wstring_view text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return IsLetter(c) || IsDigit(c); });
}

bool HasDigit(std::wstring_view text) {
  return std::any_of(text.begin(), text.end(), IsDigit);
}

wchar_t Lower(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + (L'a' - L'A'));
  if (c >= 0x0410 && c <= 0x042F) return static_cast<wchar_t>(c + 0x20);  // А..Я
  if (c >= 0x0400 && c <= 0x040F) return static_cast<wchar_t>(c + 0x50);  // Ё and the others
  return c;
}

std::wstring Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::wstring(text);
}

// Whether a word of the text begins at pos with the stem (in lower case).
bool WordBeginsAt(std::wstring_view text, std::size_t pos, std::wstring_view stem) {
  if (pos > 0 && IsLetter(text[pos - 1])) return false;
  if (text.size() - pos < stem.size()) return false;
  for (std::size_t i = 0; i < stem.size(); ++i) {
    if (Lower(text[pos + i]) != stem[i]) return false;
  }
  return true;
}

// Where the first word beginning with one of the stems stands.
template <std::size_t N>
std::optional<std::size_t> FindWord(std::wstring_view text,
                                    const std::array<std::wstring_view, N>& stems) {
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    for (const std::wstring_view stem : stems) {
      if (WordBeginsAt(text, pos, stem)) return pos;
    }
  }
  return std::nullopt;
}

// Whether the text names a break before it names a lesson, if it does:
// "Перемена после 1 урока" is a break, "1 урок, затем перемена" a lesson.
bool NamesBreakFirst(std::wstring_view text) {
  const std::optional<std::size_t> breakWord = FindWord(text, kBreakWords);
  const std::optional<std::size_t> lessonWord = FindWord(text, kLessonWords);
  return breakWord && (!lessonWord || *breakWord < *lessonWord);
}

// A line of its own that names the break whose times follow ("Большая
// перемена"); one with a number says how long a break is ("перемена 10
// минут").
bool IsBreakHeading(std::wstring_view text) {
  return NamesBreakFirst(text) && !HasDigit(text);
}

// The lesson number of a small run of digits ending at end, if it is one.
std::optional<int> NumberEndingAt(std::wstring_view text, std::size_t end) {
  std::size_t begin = end;
  while (begin > 0 && IsDigit(text[begin - 1])) --begin;
  if (begin == end || end - begin > kMaxNumberDigits) return std::nullopt;
  return std::stoi(std::wstring(text.substr(begin, end - begin)));
}

std::optional<int> NumberBeginningAt(std::wstring_view text, std::size_t begin) {
  std::size_t end = begin;
  while (end < text.size() && IsDigit(text[end])) ++end;
  if (end == begin || end - begin > kMaxNumberDigits) return std::nullopt;
  return std::stoi(std::wstring(text.substr(begin, end - begin)));
}

bool IsOrdinalEnding(wchar_t c) {
  return c == L'-' || c == L'й' || c == L'ы' || c == L'о' || c == L'и';
}

// "0 урок", "1-й урок", "Урок 1", "урок №2": the number beside the word.
std::optional<int> NumberBesideLessonWord(std::wstring_view label, std::size_t word) {
  std::size_t before = word;
  while (before > 0 && IsBlank(label[before - 1])) --before;
  for (std::size_t taken = 0;
       taken < kMaxOrdinalEnding && before > 0 && IsOrdinalEnding(label[before - 1]); ++taken) {
    --before;
  }
  while (before > 0 && IsBlank(label[before - 1])) --before;
  if (const std::optional<int> number = NumberEndingAt(label, before)) return number;
  std::size_t after = word;
  while (after < label.size() && IsLetter(label[after])) ++after;
  while (after < label.size() &&
         (IsBlank(label[after]) || label[after] == L'№' || label[after] == L'#')) {
    ++after;
  }
  return NumberBeginningAt(label, after);
}

// The number of the lesson a label names: beside the word "урок" (a room
// or a shift numbered in the same label does not count), or the number the
// label begins with ("1", "1.", "1)", "№ 1").
std::optional<int> LessonNumberIn(std::wstring_view label) {
  if (const std::optional<std::size_t> word = FindWord(label, kLessonWords)) {
    if (const std::optional<int> number = NumberBesideLessonWord(label, *word)) return number;
  }
  std::size_t pos = 0;
  while (pos < label.size() && (IsBlank(label[pos]) || label[pos] == L'№' || label[pos] == L'#')) {
    ++pos;
  }
  const std::optional<int> number = NumberBeginningAt(label, pos);
  std::size_t end = pos;
  while (end < label.size() && IsDigit(label[end])) ++end;
  // "5а" is a class, not a lesson.
  if (number && end < label.size() && IsLetter(label[end])) return std::nullopt;
  return number;
}

bool NamesLesson(std::wstring_view label) {
  return LessonNumberIn(label) || FindWord(label, kLessonWords);
}

// Whether a heading of a column says nothing that tells columns apart
// ("Время", "Начало", "№ урока").
bool IsPlainHeading(std::wstring_view heading) {
  std::size_t pos = 0;
  while (pos < heading.size()) {
    if (IsDigit(heading[pos])) return false;
    if (!IsLetter(heading[pos])) {
      ++pos;
      continue;
    }
    std::wstring word;
    while (pos < heading.size() && IsLetter(heading[pos])) word += Lower(heading[pos++]);
    if (std::find(kPlainHeadingWords.begin(), kPlainHeadingWords.end(), word) ==
        kPlainHeadingWords.end()) {
      return false;
    }
  }
  return true;
}

std::vector<std::wstring_view> CellsOf(std::wstring_view line) {
  std::vector<std::wstring_view> cells;
  for (;;) {
    const std::size_t tab = line.find(L'\t');
    cells.push_back(line.substr(0, tab));
    if (tab == std::wstring_view::npos) return cells;
    line.remove_prefix(tab + 1);
  }
}

struct FoundTime {
  std::size_t cell;
  TimeInText inText;  // within its cell
};

std::vector<FoundTime> TimesIn(const std::vector<std::wstring_view>& cells) {
  std::vector<FoundTime> times;
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    for (std::optional<TimeInText> time = NextTimeIn(cells[cell]); time;
         time = NextTimeIn(cells[cell], time->end)) {
      times.push_back({cell, *time});
    }
  }
  return times;
}

// Where the last word beginning with one of the stems stands.
template <std::size_t N>
std::optional<std::size_t> FindLastWord(std::wstring_view text,
                                        const std::array<std::wstring_view, N>& stems) {
  std::optional<std::size_t> last;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    for (const std::wstring_view stem : stems) {
      if (WordBeginsAt(text, pos, stem)) last = pos;
    }
  }
  return last;
}

// What the text between two times says of the time after it: a break's
// ("перемена 9.15-9.25"), a lesson's ("перемена 10 минут, 2 урок 9.25"), or
// nothing, and the time belongs where the one before it did.
std::optional<bool> LeadsToBreak(std::wstring_view text) {
  const std::optional<std::size_t> breakWord = FindLastWord(text, kBreakWords);
  const std::optional<std::size_t> lessonWord = FindLastWord(text, kLessonWords);
  if (!breakWord && !lessonWord) return std::nullopt;
  return breakWord && (!lessonWord || *breakWord > *lessonWord);
}

// How many breaks a row's times hold: each run of a break's times is one.
int BreaksIn(const std::vector<bool>& breaksTimes) {
  int breaks = 0;
  for (std::size_t index = 0; index < breaksTimes.size(); ++index) {
    if (breaksTimes[index] && (index == 0 || !breaksTimes[index - 1])) ++breaks;
  }
  return breaks;
}

// A row of times: its cells, its times, and what stands before them.
struct TimesRow {
  const std::vector<std::wstring_view>& cells;
  const std::vector<FoundTime>& times;

  bool HasCells() const { return cells.size() > 1; }
  const FoundTime& First() const { return times.front(); }

  // What names the whole row: in a table the cells before its first time's
  // cell, else the text before its first time.
  std::wstring RowLabel() const {
    std::wstring label;
    for (std::size_t cell = 0; cell < First().cell; ++cell)
      label += std::wstring(cells[cell]) + L" ";
    if (!HasCells()) label += std::wstring(cells[0].substr(0, First().inText.begin));
    return label;
  }
  // All that stands before the first time: where the lesson's number is.
  std::wstring Label() const {
    if (!HasCells()) return RowLabel();
    return RowLabel() + std::wstring(cells[First().cell].substr(0, First().inText.begin));
  }
  // Which times are a break's: those after a break named in their stretch
  // of the row (in a table their cell, else what follows the row's first
  // time) and before a lesson named there.
  std::vector<bool> BreaksTimes() const {
    std::vector<bool> breaks(times.size(), false);
    bool inBreak = false;
    for (std::size_t index = 0; index < times.size(); ++index) {
      const FoundTime& time = times[index];
      const bool stretchBegins =
          HasCells() ? index == 0 || times[index - 1].cell != time.cell : index == 0;
      if (stretchBegins) inBreak = false;
      // Without cells the row's label leads to its first time: not looked at here.
      if (!HasCells() && index == 0) continue;
      const std::size_t from = stretchBegins ? 0 : times[index - 1].inText.end;
      const std::wstring_view lead = cells[time.cell].substr(from, time.inText.begin - from);
      inBreak = LeadsToBreak(lead).value_or(inBreak);
      breaks[index] = inBreak;
    }
    return breaks;
  }
  // Whether a break is named anywhere from the first time on.
  bool NamesBreakLater() const {
    for (std::size_t cell = First().cell; cell < cells.size(); ++cell) {
      const std::size_t from = HasCells() || cell != First().cell ? 0 : First().inText.end;
      if (FindWord(cells[cell].substr(from), kBreakWords)) return true;
    }
    return false;
  }
};

// Whether a line holds nothing but its one time (a PDF's cell).
bool IsBareTime(const std::vector<std::wstring_view>& cells, const FoundTime& time) {
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    std::wstring_view text = cells[cell];
    if (cell == time.cell) {
      if (SaysSomething(text.substr(0, time.inText.begin))) return false;
      text = text.substr(time.inText.end);
    }
    if (SaysSomething(text)) return false;
  }
  return true;
}

// A lesson of a row and the column it stands in.
struct Slot {
  int key;  // the cell of its start, or its order in the row
  BellLesson lesson;
};

struct LessonRow {
  std::vector<Slot> slots;
  std::optional<int> number;
};

struct Table {
  std::vector<std::vector<std::wstring>> headings;  // rows of heading cells, top down
  std::wstring caption;
  bool cells = false;
  std::vector<LessonRow> rows;
};

// One column of a table, as its lessons are gathered.
struct ColumnLessons {
  int key = 0;
  std::vector<std::pair<std::size_t, BellLesson>> lessons;  // by the row they are in
};

TimeOfDay EarliestStart(const LessonRow& row) {
  TimeOfDay earliest = row.slots.front().lesson.start;
  for (const Slot& slot : row.slots) earliest = std::min(earliest, slot.lesson.start);
  return earliest;
}

class PasteReader {
 public:
  void ReadLine(std::wstring_view line) {
    const std::vector<std::wstring_view> cells = CellsOf(line);
    const std::vector<FoundTime> times = TimesIn(cells);
    if (times.empty()) {
      ReadLineWithoutTimes(line, cells);
    } else {
      ReadRowOfTimes(cells, times);
    }
  }

  PastedBells Finish() {
    DropHeldTime();
    for (const Table& table : tables_) AddColumnsOf(table);
    return std::move(bells_);
  }

 private:
  void ReadLineWithoutTimes(std::wstring_view line, const std::vector<std::wstring_view>& cells) {
    if (!SaysSomething(line)) return;
    breakEndDue_ = false;
    DropHeldTime();
    headingSeen_ = true;
    const auto filled = std::count_if(cells.begin(), cells.end(), SaysSomething);
    if (filled >= 2) {
      std::vector<std::wstring> heading;
      for (const std::wstring_view cell : cells) heading.push_back(Trimmed(cell));
      headings_.push_back(std::move(heading));
      pendingLabel_.clear();
      return;
    }
    std::wstring text;
    for (const std::wstring_view cell : cells) text += std::wstring(cell) + L" ";
    caption_ = Trimmed(text);
    pendingLabel_ = caption_;
  }

  void ReadRowOfTimes(const std::vector<std::wstring_view>& cells,
                      const std::vector<FoundTime>& times) {
    if (std::exchange(breakEndDue_, false) && times.size() == 1 &&
        IsBareTime(cells, times.front())) {
      return;
    }
    const TimesRow row{cells, times};
    const std::wstring ownLabel = row.Label();
    const bool labelled = SaysSomething(ownLabel);
    const std::wstring label = labelled ? ownLabel : pendingLabel_;
    const bool breakHeading = !labelled && IsBreakHeading(pendingLabel_);
    // A line that names the row after it is no table's caption.
    if (!labelled && !pendingLabel_.empty()) caption_.clear();
    pendingLabel_.clear();
    if (labelled ? NamesBreakFirst(row.RowLabel()) : breakHeading) {
      PassOverBreak(row, breakHeading);
      return;
    }
    std::vector<FoundTime> kept;
    const std::vector<bool> breaksTimes = row.BreaksTimes();
    for (std::size_t index = 0; index < times.size(); ++index) {
      if (!breaksTimes[index]) kept.push_back(times[index]);
    }
    const bool namesLesson = NamesLesson(label);
    if (kept.empty() || (!namesLesson && (kept.size() < times.size() || row.NamesBreakLater()))) {
      PassOverBreak(row, false);
      return;
    }
    bells_.breaks += BreaksIn(breaksTimes);
    if (kept.size() == 1) {
      ReadSingleTime(cells, kept.front(), label);
      return;
    }
    DropHeldTime();
    if (!row.HasCells() && NamesLessonsBetween(cells.front(), kept)) {
      AddSuccessiveLessons(cells.front(), kept, label);
      return;
    }
    LessonRow lessons{.slots = {}, .number = LessonNumberIn(label)};
    for (std::size_t i = 0; i + 1 < kept.size(); i += 2) {
      const int key = row.HasCells() ? static_cast<int>(kept[i].cell) : static_cast<int>(i / 2);
      lessons.slots.push_back({key, {kept[i].inText.time, kept[i + 1].inText.time}});
    }
    AddLessonRow(std::move(lessons), row.HasCells());
  }

  // What stands between the lesson ending at kept[pair - 1] and the one
  // starting at kept[pair].
  static std::wstring_view LeadToPair(std::wstring_view line, const std::vector<FoundTime>& kept,
                                      std::size_t pair) {
    const std::size_t from = kept[pair - 1].inText.end;
    return line.substr(from, kept[pair].inText.begin - from);
  }

  // Whether a line names a lesson between its lessons ("1 урок 8.30-9.15,
  // 2 урок 9.25-10.10"): then they follow one another, not a column each.
  static bool NamesLessonsBetween(std::wstring_view line, const std::vector<FoundTime>& kept) {
    for (std::size_t pair = 2; pair + 1 < kept.size(); pair += 2) {
      if (NamesLesson(LeadToPair(line, kept, pair))) return true;
    }
    return false;
  }

  void AddSuccessiveLessons(std::wstring_view line, const std::vector<FoundTime>& kept,
                            const std::wstring& label) {
    for (std::size_t pair = 0; pair + 1 < kept.size(); pair += 2) {
      const std::wstring_view lead =
          pair == 0 ? std::wstring_view(label) : LeadToPair(line, kept, pair);
      AddLessonRow({.slots = {{0, {kept[pair].inText.time, kept[pair + 1].inText.time}}},
                    .number = LessonNumberIn(lead)},
                   false);
    }
  }

  // A line of one time: the start of a lesson whose end is the next line,
  // when both hold nothing else; a bell of its own otherwise.
  void ReadSingleTime(const std::vector<std::wstring_view>& cells, const FoundTime& time,
                      const std::wstring& label) {
    if (!IsBareTime(cells, time)) {
      DropHeldTime();
      ++bells_.singleTimes;
      return;
    }
    if (!heldTime_) {
      heldTime_ = time.inText.time;
      heldLabel_ = label;
      return;
    }
    const BellLesson lesson{*heldTime_, time.inText.time};
    heldTime_.reset();
    AddLessonRow({.slots = {{0, lesson}}, .number = LessonNumberIn(heldLabel_)}, false);
  }

  void DropHeldTime() {
    if (!heldTime_) return;
    heldTime_.reset();
    ++bells_.singleTimes;
  }

  // A break's row; a break's start alone on its line under its heading
  // has its end on the next line.
  void PassOverBreak(const TimesRow& row, bool underHeading) {
    DropHeldTime();
    ++bells_.breaks;
    breakEndDue_ = underHeading && row.times.size() == 1 && IsBareTime(row.cells, row.First());
  }

  // A new table begins where its heading comes between rows and the times
  // go back to the morning; its heading and caption are the lines without
  // times seen since the last row.
  void AddLessonRow(LessonRow row, bool hasCells) {
    const TimeOfDay earliest = EarliestStart(row);
    if (tables_.empty() || (headingSeen_ && earliest < lastEarliest_)) {
      tables_.push_back(
          {.headings = std::move(headings_), .caption = caption_, .cells = false, .rows = {}});
    }
    Table& table = tables_.back();
    table.cells = table.cells || hasCells;
    table.rows.push_back(std::move(row));
    lastEarliest_ = earliest;
    headingSeen_ = false;
    headings_.clear();
    caption_.clear();
  }

  static std::vector<ColumnLessons> ColumnsOf(const Table& table) {
    std::map<int, ColumnLessons> byKey;
    std::size_t mostInARow = 0;
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
      const std::vector<Slot>& slots = table.rows[row].slots;
      mostInARow = std::max(mostInARow, slots.size());
      for (const Slot& slot : slots) {
        ColumnLessons& column = byKey[slot.key];
        column.key = slot.key;
        column.lessons.emplace_back(row, slot.lesson);
      }
    }
    // Cells that wander from row to row (merged cells) place nothing: the
    // lessons of a row then go by their order.
    if (byKey.size() > mostInARow) {
      byKey.clear();
      for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const std::vector<Slot>& slots = table.rows[row].slots;
        for (std::size_t order = 0; order < slots.size(); ++order) {
          ColumnLessons& column = byKey[static_cast<int>(order)];
          column.key = static_cast<int>(order);
          column.lessons.emplace_back(row, slots[order].lesson);
        }
      }
    }
    std::vector<ColumnLessons> columns;
    for (auto& [key, column] : byKey) columns.push_back(std::move(column));
    return columns;
  }

  // The nearest heading row above the table that names the column: by the
  // cell above the column, or, in a row with one filled cell per column, by
  // its order.
  static std::wstring HeadingOf(const Table& table, const std::vector<ColumnLessons>& columns,
                                std::size_t index) {
    if (!table.cells) return {};
    for (auto heading = table.headings.rbegin(); heading != table.headings.rend(); ++heading) {
      std::vector<std::wstring> filled;
      for (const std::wstring& cell : *heading) {
        if (SaysSomething(cell)) filled.push_back(cell);
      }
      const auto key = static_cast<std::size_t>(columns[index].key);
      std::wstring name = filled.size() == columns.size() ? filled[index]
                          : key < heading->size()         ? (*heading)[key]
                                                          : std::wstring();
      if (SaysSomething(name) && !IsPlainHeading(name)) return name;
    }
    return {};
  }

  // A column of breaks beside the lessons: each of its times begins where
  // the lesson in the column before it ends, in the same row.
  static bool IsColumnOfBreaks(const std::vector<ColumnLessons>& columns, std::size_t index) {
    if (index == 0) return false;
    std::map<std::size_t, TimeOfDay> endsBefore;  // by row
    for (const auto& [row, lesson] : columns[index - 1].lessons) endsBefore[row] = lesson.end;
    return std::all_of(columns[index].lessons.begin(), columns[index].lessons.end(),
                       [&](const auto& lesson) {
                         const auto end = endsBefore.find(lesson.first);
                         return end != endsBefore.end() && end->second == lesson.second.start;
                       });
  }

  static int FirstNumberOf(const Table& table, const ColumnLessons& column) {
    for (std::size_t order = 0; order < column.lessons.size(); ++order) {
      const std::optional<int> number = table.rows[column.lessons[order].first].number;
      if (number) return *number - static_cast<int>(order) == 0 ? 0 : 1;
    }
    return 1;
  }

  void AddColumnsOf(const Table& table) {
    const std::vector<ColumnLessons> columns = ColumnsOf(table);
    bool added = false;
    for (std::size_t index = 0; index < columns.size(); ++index) {
      const ColumnLessons& column = columns[index];
      const std::wstring heading = HeadingOf(table, columns, index);
      if (NamesBreakFirst(heading) || IsColumnOfBreaks(columns, index)) {
        bells_.breaks += static_cast<int>(column.lessons.size());
        continue;
      }
      PastedColumn pasted{.lessons = {},
                          .firstNumber = FirstNumberOf(table, column),
                          .header = heading,
                          .caption = table.caption,
                          .table = bells_.tables,
                          .position = column.key + 1};
      for (const auto& [row, lesson] : column.lessons) pasted.lessons.push_back(lesson);
      bells_.columns.push_back(std::move(pasted));
      added = true;
    }
    if (added) ++bells_.tables;
  }

  PastedBells bells_;
  std::vector<Table> tables_;
  // The lines without times since the last row of lessons: a table's heading
  // rows and its caption, if a table begins.
  bool headingSeen_ = false;
  std::vector<std::vector<std::wstring>> headings_;
  std::wstring caption_;
  TimeOfDay lastEarliest_;
  // The last line of text, until a row of lessons takes it as its label.
  std::wstring pendingLabel_;
  // A line of one bare time, waiting for the line of its end.
  std::optional<TimeOfDay> heldTime_;
  std::wstring heldLabel_;
  // A break's start was such a line: the next one is its end.
  bool breakEndDue_ = false;
};

}  // namespace

PastedBells ReadPastedBells(std::wstring_view text) {
  PasteReader reader;
  while (!text.empty()) {
    const auto lineEnd = std::find_if(text.begin(), text.end(), IsLineBreak);
    const auto length = static_cast<std::size_t>(lineEnd - text.begin());
    reader.ReadLine(text.substr(0, length));
    text.remove_prefix(std::min(length + 1, text.size()));
  }
  return reader.Finish();
}

}  // namespace ostrevin
