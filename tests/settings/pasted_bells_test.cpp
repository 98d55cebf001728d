// Bells as teachers copy them from school pages: tables from a browser,
// orders' texts, paragraphs and PDF text; breaks, warning bells, columns per
// class group and a table per group of days.
#include "settings/pasted_bells.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "settings/lesson_times_text.h"

namespace ostrevin {
namespace {

// "<table>.<position> «header» «caption» from <first number>: 08:30-09:15 ..."
// for each column, then what was passed over.
std::vector<std::wstring> Described(const PastedBells& bells) {
  std::vector<std::wstring> described;
  for (const PastedColumn& column : bells.columns) {
    std::wstring text = std::to_wstring(column.table) + L"." + std::to_wstring(column.position) +
                        L" «" + column.header + L"» «" + column.caption + L"» from " +
                        std::to_wstring(column.firstNumber) + L":";
    for (const BellLesson& lesson : column.lessons) text += L" " + FormatLessonTimes(lesson);
    described.push_back(text);
  }
  described.push_back(L"tables " + std::to_wstring(bells.tables) + L", breaks " +
                      std::to_wstring(bells.breaks) + L", single times " +
                      std::to_wstring(bells.singleTimes));
  return described;
}

struct PageCase {
  const char* name;
  const wchar_t* text;
  std::vector<std::wstring> read;
};

void PrintTo(const PageCase& c, std::ostream* out) {
  *out << c.name;
}

class PastedBellsTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(PastedBellsTest, ReadsThePageAsItShowsItsBells) {
  const PageCase& c = GetParam();
  EXPECT_EQ(Described(ReadPastedBells(c.text)), c.read);
}

constexpr wchar_t kThree[] = L" 08:30-09:15 09:25-10:10 10:30-11:15";

std::wstring One(const wchar_t* lessons, int firstNumber = 1) {
  return L"0.1 «» «» from " + std::to_wstring(firstNumber) + L":" + lessons;
}

std::wstring Passed(int tables, int breaks, int singleTimes) {
  return L"tables " + std::to_wstring(tables) + L", breaks " + std::to_wstring(breaks) +
         L", single times " + std::to_wstring(singleTimes);
}

INSTANTIATE_TEST_SUITE_P(
    OneSchedule, PastedBellsTest,
    ::testing::Values(
        PageCase{
            "PlainLines", L"08:30-09:15\n09:25-10:10\n10:30-11:15", {One(kThree), Passed(1, 0, 0)}},
        PageCase{"NumberedWindowsLines",
                 L"1. 08:30 - 09:15\r\n2. 09:25 - 10:10\r\n3. 10:30 - 11:15\r\n",
                 {One(kThree), Passed(1, 0, 0)}},
        // A single-column table from a browser: its heading names no
        // column, and its column of break lengths holds no times.
        PageCase{"BrowserTableWithBreakLengths",
                 L"Расписание звонков\r\n\r\nУрок\tВремя\tПеремена\r\n1\t8.30 – 9.15\t10 минут\r\n"
                 L"2\t9.25 – 10.10\t20 минут\r\n3\t10.30 – 11.15\t\r\n",
                 {L"0.2 «» «Расписание звонков» from 1:" + std::wstring(kThree), Passed(1, 0, 0)}},
        PageCase{"BreaksAsRowsOfTheTable",
                 L"1 урок\t08:30\t09:15\nПеремена\t09:15\t09:25\n2 урок\t09:25\t10:10\n"
                 L"Большая перемена\t10:10\t10:30\n3 урок\t10:30\t11:15\n",
                 {L"0.2 «» «» from 1:" + std::wstring(kThree), Passed(1, 2, 0)}},
        PageCase{"BreaksInAnOrdersText",
                 L"1 урок – 8.30-9.15\nперемена – 9.15-9.25\n2 урок – 9.25-10.10\n"
                 L"ЗАВТРАК 10.10–10.30\n3 урок – 10.30-11.15\nДинамическая пауза 11.15-11.55\n"
                 L"Обед: 11.55-12.20\nПерерыв 12.20 - 12.30",
                 {One(kThree), Passed(1, 5, 0)}},
        PageCase{"TimesFirstThenTheirName",
                 L"08:30-09:15\t1 урок\n09:15-09:25\tперемена\n09:25-10:10\t2 урок\n"
                 L"10:10-10:30\tперемена\n10:30-11:15\t3 урок",
                 {One(kThree), Passed(1, 2, 0)}},
        // The break after a lesson named in its row: only the lesson's
        // times are taken; a break's length is no break of its own.
        PageCase{"ALessonsRowWithItsBreak",
                 L"1 урок 8.30-9.15, перемена 9.15-9.25\n2\t9.25-10.10\tперемена 20 минут\n"
                 L"3 урок 10.30-11.15 (перемена 10 минут)",
                 {One(kThree), Passed(1, 1, 0)}},
        // An order's text in one paragraph: each break named is counted.
        PageCase{"BreaksBetweenLessonsOfOneParagraph",
                 L"1 урок 8.30-9.15, перемена 9.15-9.25, 2 урок 9.25-10.10, большая перемена "
                 L"10.10-10.30, 3 урок 10.30-11.15",
                 {One(kThree), Passed(1, 2, 0)}},
        PageCase{"ABreakAfterALesson",
                 L"Перемена после 1 урока 9.15-9.25\n1 урок 8.30-9.15",
                 {One(L" 08:30-09:15"), Passed(1, 1, 0)}},
        PageCase{"WarningBellAndTheDaysStart",
                 L"Начало занятий в 8:30\nПредварительный звонок 8.25\n1) 8.30–9.15\n"
                 L"2) 9.25–10.10\n3) 10.30–11.15\nОкончание 11:15",
                 {One(kThree), Passed(1, 0, 3)}},
        PageCase{"NumbersAndTimesInParagraphs",
                 L"0 урок\n\n8.00 - 8.30\n\n1 урок\n\n8.40 - 9.25\n\nБольшая перемена\n\n"
                 L"9.25 - 9.45\n\n2 урок\n\n9.45 - 10.30",
                 {One(L" 08:00-08:30 08:40-09:25 09:45-10:30", 0), Passed(1, 1, 0)}},
        PageCase{"PdfTextCellByCell",
                 L"№\nНачало\nОкончание\n1\n8:30\n9:15\n2\n9:25\n10:10\nПеремена\n10:10\n10:30\n"
                 L"3\n10:30\n11:15",
                 {One(kThree), Passed(1, 1, 0)}},
        PageCase{"PdfRowsWithoutDashes",
                 L"1 8:30 9:15\n2 9:25 10:10\n3 10:30 11:15",
                 {One(kThree), Passed(1, 0, 0)}},
        PageCase{"FromUntil",
                 L"1 урок с 8.30 до 9.15\n2 урок с 9.25 до 10.10\n3 урок с 10.30 до 11.15",
                 {One(kThree), Passed(1, 0, 0)}},
        PageCase{"DashesOfEveryKind",
                 L"8:30—9:15\n9:25–10:10\n10:30 − 11:15",
                 {One(kThree), Passed(1, 0, 0)}},
        PageCase{"DottedNumbersBeforeTimes",
                 L"1.08:30-09:15\n2.09:25-10:10\n3.10:30-11:15",
                 {One(kThree), Passed(1, 0, 0)}},
        PageCase{"CountingFromZero",
                 L"0. 08:00-08:30\n1. 08:40-09:25\n",
                 {One(L" 08:00-08:30 08:40-09:25", 0), Passed(1, 0, 0)}},
        // A room's number beside the lesson's, a shift's before it.
        PageCase{"RoomAndShiftNumbers",
                 L"1 смена, 0 урок, каб. 12: 08:00-08:45\n1 смена, 1 урок, каб. 12: 08:55-09:40\n",
                 {One(L" 08:00-08:45 08:55-09:40", 0), Passed(1, 0, 0)}},
        PageCase{"ALessonWithoutNumberBeforeLessonOne",
                 L"Разговоры о важном 8.00-8.30\n1 урок 8.40-9.20\n2 урок 9.30-10.10",
                 {One(L" 08:00-08:30 08:40-09:20 09:30-10:10", 0), Passed(1, 0, 0)}},
        // A break's word inside another word names no break.
        PageCase{"ABreaksWordInsideAnother",
                 L"Классный час «Дорогами Победы» 8.00-8.30\n1 урок 8.40-9.25",
                 {One(L" 08:00-08:30 08:40-09:25", 0), Passed(1, 0, 0)}},
        PageCase{"ZeroOnALaterLineDoesNotCount",
                 L"1. 08:30-09:15\n0. 09:25-10:10\n",
                 {One(L" 08:30-09:15 09:25-10:10"), Passed(1, 0, 0)}},
        PageCase{"SecondShiftNumberedAgain",
                 L"1 смена\n1. 8:00-8:40\n2 смена\n1. 13:00-13:40",
                 {L"0.1 «» «1 смена» from 1: 08:00-08:40 13:00-13:40", Passed(1, 0, 0)}},
        PageCase{"LastLineWithoutItsEnd",
                 L"08:30-09:15\n09:25",
                 {One(L" 08:30-09:15"), Passed(1, 0, 1)}},
        // Out of order, with nothing between: one list for the dialog to judge.
        PageCase{"KeptAsGiven",
                 L"09:25-10:10\n08:30-09:15",
                 {One(L" 09:25-10:10 08:30-09:15"), Passed(1, 0, 0)}},
        PageCase{"NoLessons", L"Расписание будет позже", {Passed(0, 0, 0)}},
        PageCase{"Empty", L"", {Passed(0, 0, 0)}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Columns, PastedBellsTest,
    ::testing::Values(
        PageCase{
            "ColumnPerClassGroup",
            L"Расписание звонков\r\n"
            L"Урок\t1 классы\t2-4 классы\t5-11 классы\r\n"
            L"1\t8.30-9.05\t8.30-9.10\t8.30-9.15\r\n"
            L"2\t9.15-9.50\t9.20-10.00\t9.25-10.10\r\n"
            L"Динамическая пауза\t9.50-10.30\t\t\r\n"
            L"3\t10.30-11.05\t10.20-11.00\t10.30-11.15\r\n"
            L"4\t\t11.10-11.50\t11.35-12.20\r\n"
            L"5\t\t\t12.30-13.15\r\n",
            {L"0.2 «1 классы» «Расписание звонков» from 1: 08:30-09:05 09:15-09:50 10:30-11:05",
             L"0.3 «2-4 классы» «Расписание звонков» from 1: 08:30-09:10 09:20-10:00 "
             L"10:20-11:00 11:10-11:50",
             L"0.4 «5-11 классы» «Расписание звонков» from 1: 08:30-09:15 09:25-10:10 "
             L"10:30-11:15 11:35-12:20 12:30-13:15",
             Passed(1, 1, 0)}},
        // A pause of the first classes in the row of the others' lesson.
        PageCase{"APauseInOneColumn",
                 L"\t1 классы\t5-11 классы\n1\t8.30-9.05\t8.30-9.15\n"
                 L"2\tдинамическая пауза 9.15-9.55\t9.25-10.10\n3\t10.00-10.35\t10.30-11.15",
                 {L"0.2 «1 классы» «» from 1: 08:30-09:05 10:00-10:35",
                  L"0.3 «5-11 классы» «» from 1:" + std::wstring(kThree), Passed(1, 1, 0)}},
        PageCase{"StartAndEndInCellsOfTheirOwn",
                 L"\t1 классы\t\t5-11 классы\t\n\tначало\tконец\tначало\tконец\n"
                 L"1\t8:30\t9:05\t8:30\t9:15\n2\t9:15\t9:50\t9:25\t10:10\n",
                 {L"0.2 «1 классы» «» from 1: 08:30-09:05 09:15-09:50",
                  L"0.4 «5-11 классы» «» from 1: 08:30-09:15 09:25-10:10", Passed(1, 0, 0)}},
        // A heading that leaves out the lesson numbers' column.
        PageCase{"HeadingOneCellShort",
                 L"1 смена\t2 смена\n1\t8.00-8.40\t13.00-13.40\n2\t8.50-9.30\t13.50-14.30",
                 {L"0.2 «1 смена» «» from 1: 08:00-08:40 08:50-09:30",
                  L"0.3 «2 смена» «» from 1: 13:00-13:40 13:50-14:30", Passed(1, 0, 0)}},
        PageCase{"ColumnsWithoutHeading",
                 L"1\t8.30-9.05\t8.30-9.15\n2\t9.15-9.50\t9.25-10.10",
                 {L"0.2 «» «» from 1: 08:30-09:05 09:15-09:50",
                  L"0.3 «» «» from 1: 08:30-09:15 09:25-10:10", Passed(1, 0, 0)}},
        PageCase{"ColumnsInAPdfsText",
                 L"1 8.30-9.05 8.30-9.15\n2 9.15-9.50 9.25-10.10",
                 {L"0.1 «» «» from 1: 08:30-09:05 09:15-09:50",
                  L"0.2 «» «» from 1: 08:30-09:15 09:25-10:10", Passed(1, 0, 0)}},
        // The breaks' times in a column beside the lessons' own.
        PageCase{"AColumnOfBreaks",
                 L"1\t8.30-9.15\t9.15-9.25\n2\t9.25-10.10\t10.10-10.30\n3\t10.30-11.15",
                 {L"0.2 «» «» from 1:" + std::wstring(kThree), Passed(1, 2, 0)}},
        PageCase{"AColumnHeadedBreak",
                 L"Урок\tВремя урока\tПеремена\n1\t8.30-9.15\t9.20-9.25\n2\t9.25-10.10\t\n"
                 L"3\t10.30-11.15\t",
                 {L"0.2 «» «» from 1:" + std::wstring(kThree), Passed(1, 1, 0)}},
        PageCase{"MondayAndTheOtherDays",
                 L"Понедельник\nУрок\t1-4 классы\t5-11 классы\n"
                 L"Разговоры о важном\t8.00-8.30\t8.00-8.30\n1\t8.40-9.20\t8.40-9.25\n"
                 L"2\t9.30-10.10\t9.35-10.20\n\nВторник - пятница\nУрок\t1-4 классы\t5-11 классы\n"
                 L"1\t8.30-9.10\t8.30-9.15\n2\t9.20-10.00\t9.25-10.10\n",
                 {L"0.2 «1-4 классы» «Понедельник» from 0: 08:00-08:30 08:40-09:20 09:30-10:10",
                  L"0.3 «5-11 классы» «Понедельник» from 0: 08:00-08:30 08:40-09:25 09:35-10:20",
                  L"1.2 «1-4 классы» «Вторник - пятница» from 1: 08:30-09:10 09:20-10:00",
                  L"1.3 «5-11 классы» «Вторник - пятница» from 1: 08:30-09:15 09:25-10:10",
                  Passed(2, 0, 0)}},
        PageCase{"TwoListsOfOneColumn",
                 L"Понедельник\n0. 8.00-8.30\n1. 8.40-9.25\nВторник - пятница\n1. 8.30-9.15\n"
                 L"2. 9.25-10.10",
                 {L"0.1 «» «Понедельник» from 0: 08:00-08:30 08:40-09:25",
                  L"1.1 «» «Вторник - пятница» from 1: 08:30-09:15 09:25-10:10", Passed(2, 0, 0)}}),
    [](const auto& info) { return std::string(info.param.name); });

// However long the page, its lessons are all given: the dialog keeps to the
// sixteen a schedule holds and says so.
TEST(PastedBellsTest, KeepsEveryLessonForTheDialogToCount) {
  std::wstring text;
  for (int lesson = 0; lesson < 20; ++lesson) {
    const TimeOfDay start = AddMinutes(TimeOfDay::At(7, 0), lesson * 30);
    text += FormatLessonTimes({start, AddMinutes(start, 25)}) + L"\n";
  }
  const PastedBells bells = ReadPastedBells(text);
  ASSERT_EQ(bells.columns.size(), 1u);
  EXPECT_EQ(bells.columns[0].lessons.size(), 20u);
}

}  // namespace
}  // namespace ostrevin
