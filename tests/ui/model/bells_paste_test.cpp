// What a paste of a school's bells does to the timetable and what the
// dialog says of it.
#include "ui/model/bells_paste.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/sample_settings.h"

namespace ostrevin {
namespace {

using test_support::EvenLessons;
using test_support::LessonAt;

PastedColumn Column(int table, int position, std::wstring header, std::wstring caption = {}) {
  return {.lessons = EvenLessons(2, 8, 30, 40, 10),
          .firstNumber = 1,
          .header = std::move(header),
          .caption = std::move(caption),
          .table = table,
          .position = position};
}

std::vector<std::wstring> NamesOf(const std::vector<BellSchedule>& schedules) {
  std::vector<std::wstring> names;
  for (const BellSchedule& schedule : schedules) names.push_back(schedule.name);
  return names;
}

struct NamesCase {
  const char* name;
  PastedBells bells;
  std::vector<std::wstring> names;
};

void PrintTo(const NamesCase& c, std::ostream* out) {
  *out << c.name;
}

class PastedNamesTest : public ::testing::TestWithParam<NamesCase> {};

TEST_P(PastedNamesTest, NameEachScheduleAsThePageDoes) {
  const NamesCase& c = GetParam();
  EXPECT_EQ(NamesOf(SchedulesOfPaste(c.bells)), c.names);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PastedNamesTest,
    ::testing::Values(
        NamesCase{"ByTheHeadings",
                  {.columns = {Column(0, 2, L"1 классы", L"Звонки"), Column(0, 3, L"2-4 классы")},
                   .tables = 1},
                  {L"1 классы", L"2-4 классы"}},
        NamesCase{"ByTheirPlace",
                  {.columns = {Column(0, 2, L""), Column(0, 3, L"")}, .tables = 1},
                  {L"Столбец 2", L"Столбец 3"}},
        NamesCase{"ByTheTablesCaptionAndTheHeading",
                  {.columns = {Column(0, 2, L"1-4 классы", L"Понедельник"),
                               Column(0, 3, L"5-11 классы", L"Понедельник"),
                               Column(1, 2, L"1-4 классы", L"Вторник - пятница")},
                   .tables = 2},
                  {L"Понедельник: 1-4 классы", L"Понедельник: 5-11 классы",
                   L"Вторник - пятница: 1-4 классы"}},
        NamesCase{"ByTheTablesCaptionAlone",
                  {.columns = {Column(0, 1, L"", L"Понедельник"), Column(1, 1, L"", L"Суббота"),
                               Column(1, 2, L"", L"Суббота")},
                   .tables = 2},
                  {L"Понедельник", L"Суббота, столбец 1", L"Суббота, столбец 2"}},
        NamesCase{
            "ByTheTablesOrder",
            {.columns = {Column(0, 1, L""), Column(1, 2, L""), Column(1, 3, L"")}, .tables = 2},
            {L"Таблица 1", L"Таблица 2, столбец 2", L"Таблица 2, столбец 3"}},
        NamesCase{"ToldApart",
                  {.columns = {Column(0, 2, L"1 классы"), Column(1, 2, L"1 классы"),
                               Column(1, 3, L"Столбец 2")},
                   .tables = 2},
                  {L"1 классы", L"1 классы 2", L"Столбец 2"}},
        NamesCase{"CleanedAndCut",
                  {.columns = {Column(0, 2, L"  \"\"  "),
                               Column(0, 3, L"Обучающиеся пятых, шестых и седьмых классов")},
                   .tables = 1},
                  {L"Столбец 2", L"Обучающиеся пятых, шестых и седьмых клас"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PastedSchedulesTest, KeepTheLessonsASchedulesHoldsAndTheirNumbering) {
  PastedColumn overlapping = Column(0, 2, L"A");
  overlapping.lessons = {LessonAt(8, 30, 45), LessonAt(9, 0, 45), LessonAt(9, 25, 45)};
  overlapping.firstNumber = 0;
  PastedColumn long_ = Column(0, 3, L"B");
  long_.lessons = EvenLessons(18, 7, 0, 25, 5);
  const std::vector<BellSchedule> schedules =
      SchedulesOfPaste({.columns = {overlapping, long_}, .tables = 1});
  ASSERT_EQ(schedules.size(), 2u);
  EXPECT_EQ(schedules[0].lessons,
            (std::vector<BellLesson>{LessonAt(8, 30, 45), LessonAt(9, 25, 45)}));
  EXPECT_EQ(schedules[0].firstNumber, 0);
  EXPECT_EQ(schedules[1].lessons, EvenLessons(16, 7, 0, 25, 5));
  EXPECT_EQ(schedules[1].firstNumber, 1);
}

TEST(PastedSchedulesTest, APageWithATableForMondayGivesItsOwnSchedules) {
  const PastedBells bells = ReadPastedBells(
      L"Понедельник\nУрок\t1-4 классы\t5-11 классы\n"
      L"Разговоры о важном\t8.00-8.30\t8.00-8.30\n1\t8.40-9.20\t8.40-9.25\n"
      L"Вторник - пятница\nУрок\t1-4 классы\t5-11 классы\n1\t8.30-9.10\t8.30-9.15\n"
      L"Большая перемена\t9.10-9.30\t9.15-9.35\n2\t9.30-10.10\t9.35-10.20\n");
  const std::vector<BellSchedule> schedules = SchedulesOfPaste(bells);
  EXPECT_EQ(NamesOf(schedules),
            (std::vector<std::wstring>{L"Понедельник: 1-4 классы", L"Понедельник: 5-11 классы",
                                       L"Вторник - пятница: 1-4 классы",
                                       L"Вторник - пятница: 5-11 классы"}));
  EXPECT_EQ(schedules[0].firstNumber, 0);
  EXPECT_EQ(schedules[3].lessons,
            (std::vector<BellLesson>{LessonAt(8, 30, 45), LessonAt(9, 35, 45)}));
  EXPECT_EQ(PassedOverText(bells), L"1 перемена");
}

TEST(PastedSchedulesTest, WhatWasPassedOverIsCounted) {
  struct Case {
    int breaks;
    int singleTimes;
    std::wstring text;
  };
  const Case cases[] = {
      {0, 0, L""},
      {1, 0, L"1 перемена"},
      {2, 1, L"2 перемены, 1 отдельный звонок"},
      {5, 2, L"5 перемен, 2 отдельных звонка"},
      {11, 12, L"11 перемен, 12 отдельных звонков"},
      {21, 0, L"21 перемена"},
      {0, 24, L"24 отдельных звонка"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PassedOverText(
                  {.columns = {}, .tables = 0, .breaks = c.breaks, .singleTimes = c.singleTimes}),
              c.text)
        << c.breaks << " " << c.singleTimes;
  }
}

// A school's timetable of a given number of schedules, the first named
// "1 классы", the Monday rung by the second.
SchoolTimetable TimetableOf(int schedules) {
  SchoolTimetable timetable;
  for (int index = 0; index < schedules; ++index) {
    AddSchedule(timetable,
                {.name = index == 0 ? L"1 классы" : L"Расписание " + std::to_wstring(index),
                 .firstNumber = 1,
                 .lessons = EvenLessons(3, 8, 0, 45, 10)});
  }
  timetable.week[1] = {.schedule = std::min(1, schedules - 1), .taught = 0b110};
  return timetable;
}

const std::vector<BellSchedule> kPasted = {
    {.name = L"1 классы", .firstNumber = 0, .lessons = EvenLessons(3, 8, 30, 35, 10)},
    {.name = L"2-4 классы", .firstNumber = 1, .lessons = EvenLessons(4, 8, 30, 40, 10)},
    {.name = L"5-11 классы", .firstNumber = 1, .lessons = EvenLessons(5, 8, 30, 45, 10)}};

struct ChoiceCase {
  const char* name;
  int schedules;  // in the timetable before
  bool all;
  std::vector<std::wstring> items;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
  *out << c.name;
}

class PasteChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PasteChoiceTest, OffersWhatTheTimetableHasRoomFor) {
  const ChoiceCase& c = GetParam();
  const PasteChoice choice = PasteChoiceFor(TimetableOf(c.schedules), kPasted);
  EXPECT_EQ(choice.all, c.all);
  EXPECT_EQ(choice.items, c.items);
  ASSERT_EQ(choice.schedules.size() + (choice.all ? 1 : 0), choice.items.size());
  for (std::size_t item = 0; item < choice.schedules.size(); ++item) {
    EXPECT_NE(choice.items[item + (choice.all ? 1 : 0)].find(kPasted[choice.schedules[item]].name),
              std::wstring::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, PasteChoiceTest,
    ::testing::Values(ChoiceCase{"RoomForAll",
                                 3,
                                 true,
                                 {L"все расписания", L"только «1 классы»", L"только «2-4 классы»",
                                  L"только «5-11 классы»"}},
                      // Two new ones, and one to replace, in two free places.
                      ChoiceCase{"RoomForTheNewOnes",
                                 14,
                                 true,
                                 {L"все расписания", L"только «1 классы»", L"только «2-4 классы»",
                                  L"только «5-11 классы»"}},
                      ChoiceCase{
                          "RoomForOne",
                          15,
                          false,
                          {L"только «1 классы»", L"только «2-4 классы»", L"только «5-11 классы»"}},
                      ChoiceCase{"NoRoomButToReplace", 16, false, {L"только «1 классы»"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PastedSchedulesTest, AnItemTakesAllOfThemOrOne) {
  const PasteChoice all = PasteChoiceFor(TimetableOf(3), kPasted);
  EXPECT_EQ(ChosenSchedules(all, kPasted, 0), kPasted);
  EXPECT_EQ(ChosenSchedules(all, kPasted, 3), std::vector<BellSchedule>{kPasted[2]});
  EXPECT_TRUE(ChosenSchedules(all, kPasted, 4).empty());
  const PasteChoice one = PasteChoiceFor(TimetableOf(16), kPasted);
  EXPECT_EQ(ChosenSchedules(one, kPasted, 0), std::vector<BellSchedule>{kPasted[0]});
  EXPECT_TRUE(ChosenSchedules(one, kPasted, -1).empty());
}

TEST(PastedSchedulesTest, TheQuestionListsThemAndSaysWhatHappens) {
  EXPECT_EQ(
      AddPastedSchedulesQuestion(TimetableOf(15), kPasted, L"2 перемены"),
      L"Добавить расписания: 1 классы (уроков: 3), 2-4 классы (уроков: 4), 5-11 классы "
      L"(уроков: 5)?\r\n\r\nПропущено: 2 перемены.\r\n\r\nРасписание «1 классы» уже есть: его "
      L"звонки будут заменены.\r\n\r\nВ настройках может быть не больше 16 расписаний, места "
      L"осталось для 1 расписания: выберите одно.\r\n\r\nДни недели не изменятся: выберите "
      L"расписание каждого дня сами.");
  EXPECT_EQ(AddPastedSchedulesQuestion(SchoolTimetable{}, {kPasted[1], kPasted[2]}, L""),
            L"Добавить расписания: 2-4 классы (уроков: 4), 5-11 классы (уроков: 5)?\r\n\r\nДни "
            L"недели не изменятся: выберите расписание каждого дня сами.");
  SchoolTimetable both = TimetableOf(3);
  both.schedules[2].name = L"5-11 классы";
  EXPECT_NE(AddPastedSchedulesQuestion(both, kPasted, L"")
                .find(L"Расписания «1 классы», «5-11 классы» уже есть: их звонки будут заменены."),
            std::wstring::npos);
}

TEST(PastedSchedulesTest, OneOfTheSameNameIsReplacedOthersAddedAndTheWeekLeftAlone) {
  SchoolTimetable timetable = TimetableOf(2);
  const auto week = timetable.week;
  EXPECT_EQ(TakePastedSchedules(timetable, {kPasted[1], kPasted[0]}), 2);
  EXPECT_EQ(timetable.week, week);
  ASSERT_EQ(timetable.schedules.size(), 3u);
  EXPECT_EQ(timetable.schedules[0], kPasted[0]) << "replaced where it was";
  EXPECT_EQ(timetable.schedules[1].name, L"Расписание 1");
  EXPECT_EQ(timetable.schedules[2], kPasted[1]);
}

TEST(PastedSchedulesTest, NothingIsAddedPastTheLimit) {
  SchoolTimetable timetable = TimetableOf(15);
  EXPECT_EQ(TakePastedSchedules(timetable, kPasted), 0);
  ASSERT_EQ(timetable.schedules.size(), 16u);
  EXPECT_EQ(timetable.schedules[15], kPasted[1]);
}

TEST(PastedSchedulesTest, APasteIsExplained) {
  EXPECT_EQ(TooManyPastedText(),
            L"В расписании может быть не больше 16 уроков: вставлены первые 16.");
  EXPECT_EQ(ReplaceByPasteQuestion(kPasted[0], 7),
            L"Заменить звонки расписания «1 классы» звонками из буфера обмена (уроков: 7)?");
  EXPECT_EQ(ReplaceByPasteQuestion(kPasted[0], 3, L"2 перемены"),
            L"Заменить звонки расписания «1 классы» звонками из буфера обмена (уроков: 3; "
            L"пропущено: 2 перемены)?");
  EXPECT_NE(NothingToPasteText().find(L"08:30-09:15"), std::wstring::npos);
  EXPECT_NE(NoRoomForPastedText().find(L"16 расписаний"), std::wstring::npos);
}

}  // namespace
}  // namespace ostrevin
