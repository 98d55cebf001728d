// The rules of the school's timetable: a schedule's lessons, its name, and
// what adding, removing and looking up schedules do to the week.
#include "settings/school_timetable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sample_settings.h"

namespace ostrevin {
namespace {

using test_support::EvenLessons;
using test_support::LessonAt;
using ::testing::ElementsAre;

constexpr Weekday kSunday = Weekday::Sunday;
constexpr Weekday kMonday = Weekday::Monday;
constexpr Weekday kTuesday = Weekday::Tuesday;
constexpr Weekday kSaturday = Weekday::Saturday;

struct LessonsCase {
  const char* name;
  std::vector<BellLesson> given;
  std::vector<BellLesson> sound;
};

void PrintTo(const LessonsCase& c, std::ostream* out) {
  *out << c.name;
}

class SoundLessonsTest : public ::testing::TestWithParam<LessonsCase> {};

TEST_P(SoundLessonsTest, KeepsTheLessonsThatFollowTheRulesInTheirOrder) {
  const LessonsCase& c = GetParam();
  EXPECT_EQ(SoundLessons(c.given), c.sound);
  EXPECT_EQ(AreSoundLessons(c.given), c.given == c.sound);
}

const BellLesson kFirst = LessonAt(8, 30, 45);    // 08:30-09:15
const BellLesson kSecond = LessonAt(9, 25, 45);   // 09:25-10:10
const BellLesson kThird = LessonAt(10, 30, 45);   // 10:30-11:15
const BellLesson kTouching = LessonAt(9, 15, 40);  // from the first one's end

INSTANTIATE_TEST_SUITE_P(
    Cases, SoundLessonsTest,
    ::testing::Values(
        LessonsCase{"None", {}, {}},
        LessonsCase{"InOrderWithBreaks", {kFirst, kSecond, kThird}, {kFirst, kSecond, kThird}},
        LessonsCase{"TouchingWithoutABreak", {kFirst, kTouching}, {kFirst, kTouching}},
        LessonsCase{
            "OverlappingTheOneBefore", {kFirst, LessonAt(9, 0, 45), kSecond}, {kFirst, kSecond}},
        LessonsCase{"BeforeTheOneBefore", {kSecond, kFirst, kThird}, {kSecond, kThird}},
        LessonsCase{"EndBeforeStart", {kFirst, LessonAt(10, 0, -30), kThird}, {kFirst, kThird}},
        LessonsCase{"NoLength", {LessonAt(10, 0, 0), kThird}, {kThird}},
        LessonsCase{"PastMidnight", {LessonAt(23, 30, 45)}, {}},
        LessonsCase{"EndingAtTheDaysLastMinute", {LessonAt(23, 0, 59)}, {LessonAt(23, 0, 59)}},
        LessonsCase{"EndingAtMidnight", {LessonAt(23, 0, 60)}, {}},
        LessonsCase{"FromMidnight", {LessonAt(0, 0, 30)}, {LessonAt(0, 0, 30)}},
        LessonsCase{"NegativeMinutes",
                    {{TimeOfDay::FromMinutes(-30), TimeOfDay::FromMinutes(10)}, kFirst},
                    {kFirst}},
        LessonsCase{"SixteenKept", EvenLessons(16, 7, 0, 40, 5), EvenLessons(16, 7, 0, 40, 5)},
        LessonsCase{"SeventeenthDropped", EvenLessons(17, 7, 0, 40, 5),
                    EvenLessons(16, 7, 0, 40, 5)},
        // A lesson left out makes room: the limit counts the lessons kept.
        LessonsCase{"SixteenAfterADroppedOne",
                    [] {
                      std::vector<BellLesson> lessons = EvenLessons(16, 7, 0, 40, 5);
                      lessons.insert(lessons.begin() + 1, LessonAt(7, 10, 10));
                      return lessons;
                    }(),
                    EvenLessons(16, 7, 0, 40, 5)}),
    [](const auto& info) { return std::string(info.param.name); });

struct NameCase {
  const wchar_t* given;
  const wchar_t* clean;
};

TEST(ScheduleNameTest, IsKeptAsTheSettingsFileGivesItBack) {
  const NameCase cases[] = {
      {L"Основное", L"Основное"},
      {L"  Суббота\t", L"Суббота"},
      {L"\"Понедельник\"", L"Понедельник"},
      {L"' \"Сокращённые уроки\" '", L"Сокращённые уроки"},
      // The file gives back what stands between the outer pair.
      {L"\"Первая\" и \"вторая\"", L"Первая\" и \"вторая"},
      {L"Вторая\r\nсмена", L"Втораясмена"},
      {L"\x7F\x01", L""},
      {L"   ", L""},
      {L"\"\"", L""},
      {L"«Основное»", L"«Основное»"},
      {L"Расписание для пятых, шестых и седьмых классов", L"Расписание для пятых, шестых и седьмых к"},
      // Cut to 40 characters, the name would be enclosed in quotation marks.
      {L"'Звонки пятых, шестых и седьмых классов' и восьмых",
       L"Звонки пятых, шестых и седьмых классов"},
  };
  for (const NameCase& c : cases) {
    const std::wstring clean = CleanScheduleName(c.given);
    EXPECT_EQ(clean, c.clean) << testing::PrintToString(std::wstring(c.given));
    EXPECT_EQ(CleanScheduleName(clean), clean) << "a clean name stays as it is";
  }
}

class TimetableTest : public ::testing::Test {
 protected:
  TimetableTest() {
    AddSchedule(timetable, {.name = L"Основное",
                            .firstNumber = 1,
                            .lessons = EvenLessons(7, 8, 30, 45, 10)});
    AddSchedule(timetable, {.name = L"Понедельник", .firstNumber = 0,
                            .lessons = EvenLessons(8, 8, 0, 40, 10)});
    AddSchedule(timetable, {.name = L"Суббота", .firstNumber = 1,
                            .lessons = EvenLessons(6, 8, 30, 40, 10)});
    for (const Weekday day :
         {Weekday::Tuesday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday}) {
      Day(day).schedule = 0;
    }
    Day(kMonday).schedule = 1;
    Day(kSaturday).schedule = 2;
  }

  SchoolDay& Day(Weekday day) { return timetable.Day(day); }

  SchoolTimetable timetable;
};

TEST_F(TimetableTest, NamesAreFoundExactlyAndFreeOnlyOnce) {
  EXPECT_EQ(FindSchedule(timetable, L"Суббота"), 2);
  EXPECT_EQ(FindSchedule(timetable, L"суббота"), std::nullopt);
  EXPECT_EQ(FindSchedule(timetable, L"Воскресенье"), std::nullopt);

  EXPECT_TRUE(IsFreeScheduleName(timetable, L"Сокращённые уроки"));
  EXPECT_FALSE(IsFreeScheduleName(timetable, L"Суббота"));
  EXPECT_TRUE(IsFreeScheduleName(timetable, L"Суббота", 2)) << "its own name";
  EXPECT_FALSE(IsFreeScheduleName(timetable, L"Суббота", 0));
  EXPECT_FALSE(IsFreeScheduleName(timetable, L""));

  EXPECT_EQ(UnusedScheduleName(timetable, L"Новое расписание"), L"Новое расписание");
  AddSchedule(timetable, {.name = L"Основное 2", .firstNumber = 1, .lessons = {}});
  EXPECT_EQ(UnusedScheduleName(timetable, L"Основное"), L"Основное 3");

  // Forty characters at most, the number included.
  const std::wstring longName = L"Звонки пятых, шестых и седьмых классов 2";
  ASSERT_EQ(longName.size(), kMaxScheduleNameLength);
  AddSchedule(timetable, {.name = longName, .firstNumber = 1, .lessons = {}});
  EXPECT_EQ(UnusedScheduleName(timetable, longName + L" (копия)"),
            L"Звонки пятых, шестых и седьмых классов 3");
  EXPECT_EQ(UnusedScheduleName(timetable, L"Звонки пятых, шестых и седьмых классов и восьмых"),
            L"Звонки пятых, шестых и седьмых классов и");
}

TEST_F(TimetableTest, DaysUsingAScheduleComeInTheWeeksOrder) {
  Day(kSunday).schedule = 0;
  EXPECT_THAT(DaysUsingSchedule(timetable, 0),
              ElementsAre(Weekday::Tuesday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday,
                          kSunday));
  EXPECT_THAT(DaysUsingSchedule(timetable, 1), ElementsAre(kMonday));
  AddSchedule(timetable, {.name = L"Сокращённые уроки", .firstNumber = 1, .lessons = {}});
  EXPECT_THAT(DaysUsingSchedule(timetable, 3), ElementsAre());
}

TEST_F(TimetableTest, RemovingAScheduleLeavesItsDaysWithoutLessonsAndKeepsTheOthers) {
  Day(kTuesday).taught.set(3);
  RemoveSchedule(timetable, 1);

  ASSERT_EQ(timetable.schedules.size(), 2u);
  EXPECT_EQ(timetable.schedules[1].name, L"Суббота");
  EXPECT_EQ(Day(kMonday).schedule, kNoSchedule);
  EXPECT_EQ(Day(kTuesday).schedule, 0);
  EXPECT_TRUE(Day(kTuesday).taught.test(3));
  EXPECT_EQ(Day(kSaturday).schedule, 1) << "moved down with its schedule";
  EXPECT_EQ(Day(kSunday).schedule, kNoSchedule);
}

TEST_F(TimetableTest, ShortestLessonIsLookedForInTheSchedulesInUse) {
  // 40-minute lessons on Monday and Saturday; the first of them is Monday's 0.
  EXPECT_EQ(ShortestLessonInUse(timetable)->schedule, 1);
  EXPECT_EQ(ShortestLessonInUse(timetable)->lessonNumber, 0);
  EXPECT_EQ(ShortestLessonInUse(timetable)->minutes, 40);

  timetable.schedules[2].lessons[3] = LessonAt(11, 0, 35);
  EXPECT_EQ(ShortestLessonInUse(timetable)->schedule, 2);
  EXPECT_EQ(ShortestLessonInUse(timetable)->lessonNumber, 4);
  EXPECT_EQ(ShortestLessonInUse(timetable)->minutes, 35);

  // A schedule no day uses is not checked.
  AddSchedule(timetable,
              {.name = L"Сокращённые уроки", .firstNumber = 1, .lessons = {LessonAt(8, 0, 20)}});
  EXPECT_EQ(ShortestLessonInUse(timetable)->minutes, 35);
  Day(kSunday).schedule = 3;
  EXPECT_EQ(ShortestLessonInUse(timetable)->minutes, 20);

  SchoolTimetable empty;
  AddSchedule(empty, {.name = L"Пустое", .firstNumber = 1, .lessons = {}});
  empty.Day(kMonday).schedule = 0;
  EXPECT_EQ(ShortestLessonInUse(empty), std::nullopt);
}

TEST_F(TimetableTest, TeachingNeedsALessonOfTheDaysOwnSchedule) {
  EXPECT_FALSE(TeachesAnyLesson(timetable));
  Day(kSunday).taught.set(1);  // Sunday has no schedule
  EXPECT_FALSE(TeachesAnyLesson(timetable));
  Day(kSaturday).taught.set(0);  // Saturday's schedule counts from 1
  Day(kSaturday).taught.set(7);  // and has six lessons
  EXPECT_FALSE(TeachesAnyLesson(timetable));
  Day(kMonday).taught.set(0);
  EXPECT_TRUE(TeachesAnyLesson(timetable));
}

}  // namespace
}  // namespace ostrevin
