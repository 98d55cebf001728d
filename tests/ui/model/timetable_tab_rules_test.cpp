// The timetable tab's rules: rows of bells, the week's choices, its texts.
#include "ui/model/timetable_tab_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sample_settings.h"

namespace ostrevin {
namespace {

using test_support::EvenLessons;
using test_support::LessonAt;

constexpr wchar_t kEmpty[] = L"  :  ";

struct RowsCase {
  const char* name;
  std::vector<BellRowText> rows;
  std::vector<BellLesson> lessons;
  // The lesson of each row, -1 for none.
  std::vector<int> lessonOfRow;
  std::optional<BellRowProblem> problem;
  std::size_t problemRow;
};

void PrintTo(const RowsCase& c, std::ostream* out) {
  *out << c.name;
}

class BellRowsTest : public ::testing::TestWithParam<RowsCase> {};

TEST_P(BellRowsTest, GiveTheLessonsInTheOrderOfTheirTimes) {
  const RowsCase& c = GetParam();
  const BellRowsReading reading = ReadBellRows(c.rows);
  EXPECT_EQ(reading.lessons, c.lessons);
  std::vector<int> lessonOfRow;
  for (const std::optional<std::size_t>& lesson : reading.lessonOfRow) {
    lessonOfRow.push_back(lesson ? static_cast<int>(*lesson) : -1);
  }
  EXPECT_EQ(lessonOfRow, c.lessonOfRow);
  EXPECT_EQ(reading.problem, c.problem);
  if (c.problem) {
    EXPECT_EQ(reading.problemRow, c.problemRow);
  }
}

const BellLesson kFirst = LessonAt(8, 30, 45);
const BellLesson kSecond = LessonAt(9, 25, 45);
const BellLesson kThird = LessonAt(10, 30, 45);

INSTANTIATE_TEST_SUITE_P(
    Rows, BellRowsTest,
    ::testing::Values(
        RowsCase{"None", {}, {}, {}, std::nullopt, 0},
        RowsCase{"OnlyEmptyRows", {{kEmpty, kEmpty}, {kEmpty, kEmpty}}, {}, {-1, -1}, std::nullopt,
                 0},
        RowsCase{"TwoLessonsAndAnEmptyRowAfter",
                 {{L"08:30", L"09:15"}, {L" 9:25", L"10:10"}, {kEmpty, kEmpty}},
                 {kFirst, kSecond}, {0, 1, -1}, std::nullopt, 0},
        RowsCase{"EmptyRowBetweenLessons",
                 {{L"08:30", L"09:15"}, {kEmpty, kEmpty}, {L"09:25", L"10:10"}},
                 {kFirst, kSecond}, {0, -1, 1}, std::nullopt, 0},
        RowsCase{"RowsOutOfOrder",
                 {{L"09:25", L"10:10"}, {L"10:30", L"11:15"}, {L"08:30", L"09:15"}},
                 {kFirst, kSecond, kThird}, {1, 2, 0}, std::nullopt, 0},
        RowsCase{"StartOnly",
                 {{L"08:30", L"09:15"}, {L"09:25", kEmpty}, {L"10:30", L"11:15"}},
                 {kFirst, kThird}, {0, -1, 1}, BellRowProblem::Incomplete, 1},
        RowsCase{"HalfTyped", {{L"08:3 ", L"09:15"}}, {}, {-1}, BellRowProblem::Incomplete, 0},
        RowsCase{"EndBeforeStart",
                 {{L"08:30", L"09:15"}, {L"10:15", L"09:30"}},
                 {kFirst}, {0, -1}, BellRowProblem::EndNotAfterStart, 1},
        RowsCase{"NoLength", {{L"09:15", L"09:15"}}, {}, {-1}, BellRowProblem::EndNotAfterStart,
                 0},
        RowsCase{"OverlappingTheOneBefore",
                 {{L"08:30", L"09:15"}, {L"09:00", L"09:45"}, {L"10:30", L"11:15"}},
                 {kFirst, kThird}, {0, -1, 1}, BellRowProblem::StartsBeforeEarlierEnds, 1},
        RowsCase{"TheFirstProblemByRowComesBeforeAnOverlap",
                 {{L"08:30", L"09:15"}, {L"09:00", L"09:45"}, {L"10:30", kEmpty}},
                 {kFirst}, {0, -1, -1}, BellRowProblem::Incomplete, 2},
        RowsCase{"TouchingTheOneBefore",
                 {{L"08:30", L"09:15"}, {L"09:15", L"10:00"}},
                 {kFirst, LessonAt(9, 15, 45)}, {0, 1}, std::nullopt, 0},
        RowsCase{"OutOfTheDay", {{L"24:00", L"24:45"}}, {}, {-1}, BellRowProblem::Incomplete, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BellRowsTest, LessonsShowAsTheirRowsAndReadBack) {
  const std::vector<BellLesson> lessons = EvenLessons(16, 7, 0, 40, 5);
  const std::vector<BellRowText> rows = RowsOfLessons(lessons);
  EXPECT_EQ(rows[0].start, L"07:00");
  EXPECT_EQ(rows[15].end, L"18:55");
  EXPECT_EQ(ReadBellRows(rows).lessons, lessons);
}

TEST(BellRowsTest, OneEmptyRowMoreIsShownUpToSixteen) {
  std::vector<BellRowText> rows(16, {kEmpty, kEmpty});
  EXPECT_EQ(ShownBellRows(rows), 1u);
  rows[0] = {L"08:30", kEmpty};
  EXPECT_EQ(ShownBellRows(rows), 2u);
  rows[6] = {kEmpty, L"15:00"};
  EXPECT_EQ(ShownBellRows(rows), 8u);
  rows[15] = {L"20:00", L"20:40"};
  EXPECT_EQ(ShownBellRows(rows), 16u);
}

TEST(BellRowsTest, AStartEnteredFirstGetsTheUsualLengthsEnd) {
  EXPECT_EQ(EndAfterStart(TimeOfDay::At(8, 30), 45), TimeOfDay::At(9, 15));
  EXPECT_EQ(EndAfterStart(TimeOfDay::At(23, 14), 45), TimeOfDay::At(23, 59));
  EXPECT_EQ(EndAfterStart(TimeOfDay::At(23, 15), 45), std::nullopt) << "midnight is no end";
  EXPECT_EQ(EndAfterStart(TimeOfDay::At(10, 0), 0), std::nullopt);
}

TEST(BellRowsTest, AProblemNamesTheLessonByItsTimes) {
  const BellSchedule monday{.name = L"Понедельник", .firstNumber = 0, .lessons = {}};
  EXPECT_EQ(BellRowProblemText(ReadBellRows({{L"08:00", L"08:30"}, {L"08:20", L"09:00"}}), monday),
            L"Урок 08:20–09:00 расписания «Понедельник» начинается раньше, чем кончается урок "
            L"08:00–08:30.");
  const BellSchedule main{.name = L"Основное", .firstNumber = 1, .lessons = {}};
  EXPECT_EQ(BellRowProblemText(ReadBellRows({{L"08:30", L"09:15"}, {L"09:25", kEmpty}}), main),
            L"Звонки расписания «Основное»: введите время начала и конца урока полностью.");
  EXPECT_EQ(BellRowProblemText(ReadBellRows({{L"09:15", L"08:30"}}), main),
            L"Урок 09:15–08:30 расписания «Основное» должен кончаться позже, чем начинается.");
}

class TimetableTabTest : public ::testing::Test {
 protected:
  TimetableTabTest() {
    AddSchedule(timetable,
                {.name = L"Основное", .firstNumber = 1, .lessons = EvenLessons(6, 8, 30, 45, 10)});
    AddSchedule(timetable, {.name = L"Суббота",
                            .firstNumber = 1,
                            .lessons = {LessonAt(8, 30, 40), LessonAt(9, 20, 35)}});
    AddSchedule(timetable, {.name = L"Сокращённые уроки", .firstNumber = 1, .lessons = {}});
    for (const Weekday day : {Weekday::Monday, Weekday::Tuesday, Weekday::Wednesday}) {
      timetable.Day(day).schedule = 0;
    }
    timetable.Day(Weekday::Saturday).schedule = 1;
  }

  SchoolTimetable timetable;
};

TEST_F(TimetableTabTest, TheWeekIsChosenFromNoLessonsAndTheSchedules) {
  EXPECT_EQ(DayNamesOfWeek(),
            (std::vector<std::wstring>{L"Понедельник", L"Вторник", L"Среда", L"Четверг",
                                       L"Пятница", L"Суббота", L"Воскресенье"}));
  EXPECT_EQ(ScheduleChoices(timetable),
            (std::vector<std::wstring>{L"нет уроков", L"Основное", L"Суббота",
                                       L"Сокращённые уроки"}));
  EXPECT_EQ(ScheduleOfChoice(ChoiceOfSchedule(2)), 2);
  EXPECT_EQ(ScheduleOfChoice(ChoiceOfSchedule(kNoSchedule)), kNoSchedule);
  EXPECT_EQ(ScheduleOfChoice(-1), kNoSchedule);
  for (const Weekday day : kWeekOrder) {
    EXPECT_EQ(DayNamesOfWeek()[static_cast<std::size_t>(RowOf(day))], DayName(day));
  }
  EXPECT_EQ(DayName(Weekday::Sunday), L"Воскресенье");
  EXPECT_EQ(DayScheduleCaption(timetable, Weekday::Saturday), L"Расписание «Суббота»:");
  EXPECT_EQ(DayScheduleCaption(timetable, Weekday::Sunday), L"В этот день уроков нет.");
  EXPECT_EQ(TaughtLessonCaption(0), L"0-й урок");
  EXPECT_EQ(LessonTimesCaption(LessonAt(8, 5, 40)), L"08:05–08:45");
}

TEST_F(TimetableTabTest, DeletingAScheduleInUseSaysWhere) {
  EXPECT_EQ(DeleteScheduleQuestion(timetable, 0),
            L"Расписание «Основное» назначено на понедельник, вторник и среду.\r\n"
            L"После удаления в эти дни уроков не будет.\r\n\r\nУдалить расписание?");
  EXPECT_EQ(DeleteScheduleQuestion(timetable, 1),
            L"Расписание «Суббота» назначено на субботу.\r\n"
            L"После удаления в эти дни уроков не будет.\r\n\r\nУдалить расписание?");
  EXPECT_EQ(DeleteScheduleQuestion(timetable, 2), L"Удалить расписание «Сокращённые уроки»?");
}

TEST_F(TimetableTabTest, ANameMustBeGivenAndFree) {
  EXPECT_EQ(ScheduleNameProblem(timetable, L"", 2), L"Введите название расписания.");
  EXPECT_EQ(ScheduleNameProblem(timetable, L"Суббота", 2),
            L"Расписание «Суббота» уже есть: выберите другое название.");
  EXPECT_EQ(ScheduleNameProblem(timetable, L"Суббота", 1), std::nullopt);
  EXPECT_EQ(ScheduleNameProblem(timetable, L"Вторая смена", 2), std::nullopt);
}

TEST_F(TimetableTabTest, TheLengthsCheckNamesTheShortestLessonInUse) {
  // Saturday's second lesson, 35 minutes: 18 + 17 + 1 do not fit, 17 + 17 + 1 do.
  EXPECT_EQ(ShortestLessonProblem(timetable, 18, 17),
            L"Продолжительность вступительной и заключительной частей в сумме должна быть меньше "
            L"продолжительности самого короткого урока.\r\n\r\nСамый короткий урок — 2-й урок "
            L"расписания «Суббота»: 35 мин.");
  EXPECT_EQ(ShortestLessonProblem(timetable, 17, 17), std::nullopt);
  // A schedule no day uses is not checked.
  timetable.schedules[2].lessons = {LessonAt(8, 0, 10)};
  EXPECT_EQ(ShortestLessonProblem(timetable, 17, 17), std::nullopt);
  timetable.Day(Weekday::Sunday).schedule = 2;
  EXPECT_NE(ShortestLessonProblem(timetable, 5, 5), std::nullopt);
}

}  // namespace
}  // namespace ostrevin
