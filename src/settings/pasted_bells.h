#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/school_timetable.h"

namespace ostrevin {

// The bells of a school's page as a teacher copies them: a table from a
// browser (cells between tabs), an order's text, paragraphs, a PDF's text.
//
// A line with times is a row of lessons: its times pair up in order into
// lessons (start and end, "8.30-9.15", "8:30 9:15", "с 8.30 до 9.15"), and
// each lesson belongs to the column its start stands in (the cell, in a
// table; else the order of the lesson in its line, unless the line names a
// lesson between them: "1 урок 8.30-9.15, 2 урок 9.25-10.10" is two lessons
// of one column). Passed over are:
// - a row that names a break ("перемена", "перерыв", "завтрак", "обед",
//   "динамическая пауза", any case) before its times, or anywhere when no
//   lesson is named in front of them ("1", "1 урок", "Урок 1"); in a lesson's
//   row the times after such a word are that break's;
// - a column headed by a break, or whose every lesson begins at the end of
//   the lesson beside it (a table's column of breaks);
// - a row of one time (a warning bell, "Предварительный звонок 7.55").
// Two lines that hold nothing but one time each (a PDF's cells) are one
// lesson. A line without times before a row names it ("1 урок", "Перемена",
// "Разговоры о важном") when the row names nothing itself.
//
// A page with a table for Monday and one for the other days gives both: a
// new table begins where, after lines without times (its heading), the
// times go back to the morning.

struct PastedColumn {
  std::vector<BellLesson> lessons;  // in the page's order, not checked
  // 0 when the page numbers the column's first lesson 0 ("0 урок", or a
  // lesson without number before lesson 1), else 1.
  int firstNumber = 1;
  std::wstring header;   // the table's heading of the column, when it has one
  std::wstring caption;  // the line above the table, when there is one
  int table = 0;         // which table of the text, from 0
  // The column's place: the table's column, from 1, where the text has
  // cells; else the order of the times in a row, from 1.
  int position = 1;
};

struct PastedBells {
  std::vector<PastedColumn> columns;  // table by table, left to right
  int tables = 0;
  int breaks = 0;       // breaks passed over
  int singleTimes = 0;  // rows of a single time passed over
};

PastedBells ReadPastedBells(std::wstring_view text);

}  // namespace ostrevin
