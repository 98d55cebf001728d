// The school's timetable in the settings file: what an administrator writes
// by hand, what the program writes, what version 1.0 reads of it, and what
// hand-edited nonsense loads as.
#include "settings/school_timetable_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/first_version_timetable.h"
#include "settings/lesson_times_text.h"
#include "settings/settings_file.h"
#include "support/memory_profile_file.h"
#include "support/sample_settings.h"
#include "support/sample_time_formats.h"

namespace ostrevin {
namespace {

using test_support::EvenLessons;
using test_support::LessonAt;
using test_support::MemoryProfileFile;

constexpr wchar_t kPath[] = L"C:\\School\\Ostrevin.INI";
constexpr Weekday kSunday = Weekday::Sunday;
constexpr Weekday kMonday = Weekday::Monday;
constexpr Weekday kTuesday = Weekday::Tuesday;
constexpr Weekday kFriday = Weekday::Friday;
constexpr Weekday kSaturday = Weekday::Saturday;

// The example of the README, as a school's administrator writes it.
constexpr wchar_t kHandWritten[] =
    L"[Week]\r\n"
    L"Monday=Понедельник\r\n"
    L"MondayLessons=0,2,3\r\n"
    L"Tuesday=Основное\r\n"
    L"TuesdayLessons=1,2,5\r\n"
    L"Wednesday=Основное\r\n"
    L"Thursday=Основное\r\n"
    L"Friday=Основное\r\n"
    L"Saturday=Суббота\r\n"
    L"SaturdayLessons=3,4\r\n"
    L"Sunday=\r\n"
    L"\r\n"
    L"[Schedule1]\r\n"
    L"Name=Основное\r\n"
    L"1=08:30-09:15\r\n"
    L"2=09:25-10:10\r\n"
    L"3=10:30-11:15\r\n"
    L"4=11:35-12:20\r\n"
    L"5=12:30-13:15\r\n"
    L"6=13:25-14:10\r\n"
    L"\r\n"
    L"[Schedule2]\r\n"
    L"Name=Понедельник\r\n"
    L"0=08:30-09:00\r\n"
    L"1=09:10-09:50\r\n"
    L"2=10:00-10:40\r\n"
    L"3=11:00-11:40\r\n"
    L"\r\n"
    L"[Schedule3]\r\n"
    L"Name=Суббота\r\n"
    L"1=08:30-09:10\r\n"
    L"2=09:20-10:00\r\n"
    L"3=10:10-10:50\r\n"
    L"4=11:00-11:40\r\n"
    L"5=11:50-12:30\r\n"
    L"6=12:40-13:20\r\n";

Settings LoadedFrom(MemoryProfileFile& file) {
  Settings settings;
  LoadSettings(settings, file, test_support::RussianTime());
  return settings;
}

Settings LoadedFrom(const std::wstring& text) {
  MemoryProfileFile file(kPath, text);
  return LoadedFrom(file);
}

MemoryProfileFile SavedFile(const Settings& settings) {
  MemoryProfileFile file(kPath);
  SaveSettings(settings, file, test_support::RussianTime());
  return file;
}

std::vector<std::wstring> TimesOf(const BellSchedule& schedule) {
  std::vector<std::wstring> times;
  for (const BellLesson& lesson : schedule.lessons) times.push_back(FormatLessonTimes(lesson));
  return times;
}

// What version 1.0 reads of a file: the first version's keys alone.
Settings ReadByTheFirstVersion(MemoryProfileFile& file) {
  Settings settings = LoadedFrom(file);
  settings.Timetable = {};
  return settings;
}

TEST(SchoolTimetableFileTest, ReadsTheTimetableAnAdministratorWrites) {
  const Settings settings = LoadedFrom(kHandWritten);
  const SchoolTimetable& timetable = settings.Timetable;

  ASSERT_EQ(timetable.schedules.size(), 3u);
  EXPECT_EQ(timetable.schedules[0].name, L"Основное");
  EXPECT_EQ(timetable.schedules[0].firstNumber, 1);
  EXPECT_EQ(TimesOf(timetable.schedules[0]).back(), L"13:25-14:10");
  EXPECT_EQ(timetable.schedules[1].firstNumber, 0);
  EXPECT_EQ(
      TimesOf(timetable.schedules[1]),
      (std::vector<std::wstring>{L"08:30-09:00", L"09:10-09:50", L"10:00-10:40", L"11:00-11:40"}));
  EXPECT_EQ(timetable.schedules[2].lessons, EvenLessons(6, 8, 30, 40, 10));

  EXPECT_EQ(timetable.Day(kMonday).schedule, 1);
  EXPECT_EQ(timetable.Day(kTuesday).schedule, 0);
  EXPECT_EQ(timetable.Day(kFriday).schedule, 0);
  EXPECT_EQ(timetable.Day(kSaturday).schedule, 2);
  EXPECT_EQ(timetable.Day(kSunday).schedule, kNoSchedule);
  EXPECT_EQ(timetable.Day(kMonday).taught.to_ulong(), 0b1101u);
  EXPECT_EQ(timetable.Day(kTuesday).taught.to_ulong(), 0b100110u);
  EXPECT_EQ(timetable.Day(kSaturday).taught.to_ulong(), 0b11000u);
  EXPECT_TRUE(timetable.Day(kFriday).taught.none());

  // What version 1.0 is to see of it, whatever its own keys said.
  EXPECT_EQ(FormatHourMinute(settings.StartTime(1)), L"08:30");
  EXPECT_EQ(FormatHourMinute(settings.StartTime(2)), L"09:10");
  EXPECT_TRUE(settings.Lesson(kMonday, 1));
}

TEST(SchoolTimetableFileTest, AFileOfTheFirstVersionHasNoSchoolTimetableAndGetsNoNewSections) {
  MemoryProfileFile file(kPath,
                         L"[1]\r\n2=1\r\n[Times]\r\n1=8:00:00\r\n[Common]\r\nLessLen=400\r\n");
  Settings settings = LoadedFrom(file);
  EXPECT_FALSE(settings.Timetable.InUse());
  EXPECT_TRUE(settings.Lesson(kMonday, 2));
  EXPECT_EQ(FormatHourMinute(settings.StartTime(1)), L"08:00");

  SaveSettings(settings, file, test_support::RussianTime());
  EXPECT_EQ(file.SectionNames(),
            (std::vector<std::wstring>{L"1", L"Times", L"Common", L"2", L"3", L"4", L"5", L"Sounds",
                                       L"Window", L"Bell"}))
      << "the window's and the bell's own sections, and none of the timetable";
}

TEST(SchoolTimetableFileTest, WritesTheWeekThenEachScheduleAndKeepsTheFirstVersionsKeys) {
  const Settings settings = LoadedFrom(kHandWritten);
  MemoryProfileFile file = SavedFile(settings);

  EXPECT_EQ(file.SectionNames(),
            (std::vector<std::wstring>{L"1", L"Times", L"2", L"3", L"4", L"5", L"Common", L"Sounds",
                                       L"Week", L"Schedule1", L"Schedule2", L"Schedule3", L"Window",
                                       L"Bell"}));
  EXPECT_EQ(
      file.KeyNames(L"Week"),
      (std::vector<std::wstring>{L"Monday", L"MondayLessons", L"Tuesday", L"TuesdayLessons",
                                 L"Wednesday", L"WednesdayLessons", L"Thursday", L"ThursdayLessons",
                                 L"Friday", L"FridayLessons", L"Saturday", L"SaturdayLessons",
                                 L"Sunday", L"SundayLessons", L"FirstVersionStamp"}));
  EXPECT_EQ(file.ReadString(L"Week", L"Monday"), L"Понедельник");
  EXPECT_EQ(file.ReadString(L"Week", L"MondayLessons"), L"0,2,3");
  EXPECT_EQ(file.ReadString(L"Week", L"Sunday"), L"");
  EXPECT_EQ(file.KeyNames(L"Schedule2"),
            (std::vector<std::wstring>{L"Name", L"0", L"1", L"2", L"3"}));
  EXPECT_EQ(file.ReadString(L"Schedule2", L"0"), L"08:30-09:00");

  // Version 1.0 reads Monday's schedule: lesson 0 in its first slot, and
  // the slots Monday's teacher teaches.
  const Settings firstVersion = ReadByTheFirstVersion(file);
  EXPECT_EQ(file.ReadString(L"Times", L"1"), L"8:30:00");
  EXPECT_EQ(file.ReadString(L"Times", L"4"), L"11:00:00");
  EXPECT_EQ(file.ReadString(L"Times", L"7"), L"11:00:00");
  EXPECT_TRUE(firstVersion.Lesson(kMonday, 1));
  EXPECT_FALSE(firstVersion.Lesson(kMonday, 2));
  EXPECT_TRUE(firstVersion.Lesson(kMonday, 3));
  EXPECT_TRUE(firstVersion.Lesson(kMonday, 4));
  EXPECT_TRUE(firstVersion.Lesson(kTuesday, 2)) << "Tuesday's lesson 1 is Monday's second";
}

// Version 1.0 reads and writes only the first version's keys. What it
// changed there is taken into the school's timetable at the next start;
// keys the program wrote itself, or an administrator's edit of the
// schedules, change nothing of the kind.
TEST(SchoolTimetableFileTest, VersionOnePointZerosEditsAreTakenIn) {
  struct Case {
    const char* label;
    void (*edit)(MemoryProfileFile& file);
    void (*expect)(const Settings& settings);
  };
  const Case cases[] = {
      {"nothing changed", [](MemoryProfileFile&) {},
       [](const Settings& settings) { EXPECT_EQ(settings, LoadedFrom(kHandWritten)); }},
      {"Tuesday's fourth slot ticked, the third unticked",
       [](MemoryProfileFile& file) {
         file.WriteString(L"2", L"4", L"1");
         file.WriteString(L"2", L"3", L"0");
       },
       [](const Settings& settings) {
         // The slots are Monday's lessons 0 to 3: slot 4 is lesson 3, slot 3
         // lesson 2, on Tuesday's schedule too.
         const SchoolDay& tuesday = settings.Timetable.Day(kTuesday);
         EXPECT_TRUE(tuesday.taught.test(3));
         EXPECT_FALSE(tuesday.taught.test(2));
         EXPECT_TRUE(tuesday.taught.test(1)) << "untouched";
         EXPECT_TRUE(tuesday.taught.test(5)) << "beyond version 1.0's slots: kept";
         EXPECT_TRUE(settings.Lesson(kTuesday, 4));
         EXPECT_FALSE(settings.Lesson(kTuesday, 3));
       }},
      {"the third start moved later",
       [](MemoryProfileFile& file) { file.WriteString(L"Times", L"3", L"10:05:00"); },
       [](const Settings& settings) {
         const BellSchedule& monday = settings.Timetable.schedules[1];
         EXPECT_EQ(FormatLessonTimes(monday.lessons[2]), L"10:05-10:45");
         EXPECT_EQ(FormatLessonTimes(monday.lessons[3]), L"11:00-11:40");
       }},
      {"a start that would overlap the next lesson",
       [](MemoryProfileFile& file) { file.WriteString(L"Times", L"3", L"10:50:00"); },
       [](const Settings& settings) {
         EXPECT_EQ(FormatLessonTimes(settings.Timetable.schedules[1].lessons[2]), L"10:00-10:40");
       }},
      {"an administrator's edit of a schedule",
       [](MemoryProfileFile& file) { file.WriteString(L"Schedule2", L"0", L"08:00-08:30"); },
       [](const Settings& settings) {
         EXPECT_EQ(FormatLessonTimes(settings.Timetable.schedules[1].lessons[0]), L"08:00-08:30");
         EXPECT_EQ(settings.StartTime(1), TimeOfDay::FromMinutes(8 * 60));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryProfileFile file = SavedFile(LoadedFrom(kHandWritten));
    c.edit(file);
    c.expect(LoadedFrom(file));
  }
}

TEST(SchoolTimetableFileTest, AHandWrittenFileWithoutTheStampKeepsItsTimetable) {
  MemoryProfileFile file(kPath, kHandWritten);
  file.WriteString(L"1", L"5", L"1");
  file.WriteString(L"Times", L"1", L"7:00:00");
  const Settings settings = LoadedFrom(file);
  EXPECT_EQ(settings.Timetable, LoadedFrom(kHandWritten).Timetable);
}

TEST(SchoolTimetableFileTest, LoadsBackAsSaved) {
  Settings settings = LoadedFrom(kHandWritten);
  settings.Timetable.schedules.push_back(
      {.name = L"«Сокращённые» уроки", .firstNumber = 1, .lessons = EvenLessons(16, 7, 0, 30, 5)});
  settings.Timetable.Day(kSunday) = {.schedule = 3, .taught = {0b10000000000000001}};
  settings.Timetable.Day(kFriday).taught.set(15);  // beyond its schedule: kept
  UpdateFirstVersionTimetable(settings);
  MemoryProfileFile file = SavedFile(settings);

  EXPECT_EQ(LoadedFrom(file), settings);
}

// Version 1.0 reads a first start at midnight as no times at all: the
// schedule it sees beginning at midnight is no edit of version 1.0's.
TEST(SchoolTimetableFileTest, AScheduleBeginningAtMidnightLoadsBackAsSaved) {
  Settings settings = LoadedFrom(kHandWritten);
  for (BellSchedule& schedule : settings.Timetable.schedules) {
    schedule.lessons = {{kMidnight, TimeOfDay::FromMinutes(1)}};
  }
  UpdateFirstVersionTimetable(settings);
  MemoryProfileFile file = SavedFile(settings);

  EXPECT_EQ(LoadedFrom(file), settings);
}

TEST(SchoolTimetableFileTest, ASmallerTimetableLeavesNothingOfTheBiggerOneBehind) {
  Settings settings = LoadedFrom(kHandWritten);
  MemoryProfileFile file = SavedFile(settings);

  settings.Timetable.schedules.pop_back();
  settings.Timetable.Day(kSaturday) = {};
  settings.Timetable.schedules[0].lessons.resize(2);
  settings.Timetable.schedules[1].firstNumber = 1;
  UpdateFirstVersionTimetable(settings);
  SaveSettings(settings, file, test_support::RussianTime());

  EXPECT_EQ(LoadedFrom(file), settings);
  EXPECT_EQ(file.ReadString(L"Schedule3", L"Name"), L"");
  EXPECT_EQ(file.ReadString(L"Schedule1", L"3"), L"");
  EXPECT_EQ(file.ReadString(L"Schedule2", L"0"), L"");
}

TEST(SchoolTimetableFileTest, ImportingAFileOfTheFirstVersionReplacesTheSchoolTimetable) {
  MemoryProfileFile file(kPath, kHandWritten);
  Settings settings = LoadedFrom(file);
  ASSERT_TRUE(settings.Timetable.InUse());

  MemoryProfileFile oldFile(L"C:\\Old\\Ostrevin.INI", L"[3]\r\n4=1\r\n");
  LoadSettings(settings, oldFile, test_support::RussianTime());
  EXPECT_FALSE(settings.Timetable.InUse());
  SaveSettings(settings, file, test_support::RussianTime());

  const Settings reloaded = LoadedFrom(file);
  EXPECT_FALSE(reloaded.Timetable.InUse());
  EXPECT_EQ(reloaded, settings);
  EXPECT_EQ(file.ReadString(L"Week", L"Monday"), L"");
  EXPECT_EQ(file.ReadString(L"Schedule1", L"1"), L"");
}

struct NonsenseCase {
  const char* name;
  const wchar_t* text;
  // "Name: 08:30-09:15 ..." of each schedule loaded, and each day's schedule
  // name, Monday first ("-" for none).
  std::vector<std::wstring> schedules;
  std::wstring week;
};

void PrintTo(const NonsenseCase& c, std::ostream* out) {
  *out << c.name;
}

std::vector<std::wstring> Described(const SchoolTimetable& timetable) {
  std::vector<std::wstring> described;
  for (const BellSchedule& schedule : timetable.schedules) {
    std::wstring text = schedule.name + L":";
    for (std::size_t lesson = 0; lesson < schedule.lessons.size(); ++lesson) {
      text += L" " + std::to_wstring(schedule.NumberOf(lesson)) + L"=" +
              FormatLessonTimes(schedule.lessons[lesson]);
    }
    described.push_back(text);
  }
  return described;
}

std::wstring WeekOf(const SchoolTimetable& timetable) {
  std::wstring week;
  for (const Weekday day : kWeekOrder) {
    const int index = timetable.Day(day).schedule;
    week += (week.empty() ? L"" : L" ") +
            (index == kNoSchedule ? std::wstring(L"-")
                                  : timetable.schedules[static_cast<std::size_t>(index)].name);
  }
  return week;
}

class NonsenseTest : public ::testing::TestWithParam<NonsenseCase> {};

TEST_P(NonsenseTest, LoadsAsItsSoundPart) {
  const NonsenseCase& c = GetParam();
  Settings settings = LoadedFrom(c.text);
  EXPECT_EQ(Described(settings.Timetable), c.schedules);
  if (settings.Timetable.InUse()) {
    EXPECT_EQ(WeekOf(settings.Timetable), c.week);
  }
  // What loaded is saved and loads again as it is.
  MemoryProfileFile saved = SavedFile(settings);
  EXPECT_EQ(LoadedFrom(saved), settings);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NonsenseTest,
    ::testing::Values(
        NonsenseCase{"OverlappingLesson",
                     L"[Schedule1]\nName=A\n1=08:30-09:15\n2=09:00-09:45\n3=09:45-10:30\n"
                     L"[Week]\nMonday=A\n",
                     {L"A: 1=08:30-09:15 2=09:45-10:30"},
                     L"A - - - - - -"},
        NonsenseCase{"EndBeforeStartAndUnreadable",
                     L"[Schedule1]\nName=A\n1=09:15-08:30\n2=half past eight\n3=10:00-10:45\n",
                     {L"A: 1=10:00-10:45"},
                     L"- - - - - - -"},
        NonsenseCase{"UnknownScheduleNames",
                     L"[Schedule1]\nName=Основное\n[Week]\nMonday=основное\nTuesday=Основное\n"
                     L"Wednesday= Основное \nThursday=нет уроков\nFriday=Schedule1\n",
                     {L"Основное:"},
                     L"- Основное Основное - - - -"},
        NonsenseCase{"MoreLessonsThanAllowed",
                     L"[Schedule1]\nName=A\n0=07:00-07:20\n1=07:25-07:45\n2=07:50-08:10\n"
                     L"3=08:15-08:35\n4=08:40-09:00\n5=09:05-09:25\n6=09:30-09:50\n"
                     L"7=09:55-10:15\n8=10:20-10:40\n9=10:45-11:05\n10=11:10-11:30\n"
                     L"11=11:35-11:55\n12=12:00-12:20\n13=12:25-12:45\n14=12:50-13:10\n"
                     L"15=13:15-13:35\n16=13:40-14:00\n17=14:05-14:25\n",
                     {L"A: 0=07:00-07:20 1=07:25-07:45 2=07:50-08:10 3=08:15-08:35 4=08:40-09:00 "
                      L"5=09:05-09:25 6=09:30-09:50 7=09:55-10:15 8=10:20-10:40 9=10:45-11:05 "
                      L"10=11:10-11:30 11=11:35-11:55 12=12:00-12:20 13=12:25-12:45 "
                      L"14=12:50-13:10 15=13:15-13:35"},
                     L"- - - - - - -"},
        NonsenseCase{"TwoSchedulesOfOneName",
                     L"[Schedule1]\nName=A\n1=08:00-08:45\n[Schedule2]\nName=A\n1=09:00-09:45\n"
                     L"[Schedule3]\nName=B\n[Week]\nMonday=A\nTuesday=B\n",
                     {L"A: 1=08:00-08:45", L"A 2: 1=09:00-09:45", L"B:"},
                     L"A B - - - - -"},
        NonsenseCase{"MissingNumbersCountOn",
                     L"[Schedule1]\nName=A\n1=08:00-08:45\n3=10:00-10:45\n",
                     {L"A: 1=08:00-08:45 2=10:00-10:45"},
                     L"- - - - - - -"},
        NonsenseCase{"LessonZeroUnreadable",
                     L"[Schedule1]\nName=A\n0=8-8:30\n1=08:40-09:25\n",
                     {L"A: 1=08:40-09:25"},
                     L"- - - - - - -"},
        NonsenseCase{"LessonZeroLeftOut",
                     L"[Schedule1]\nName=A\n0=09:00-08:30\n1=08:40-09:25\n",
                     {L"A: 1=08:40-09:25"},
                     L"- - - - - - -"},
        NonsenseCase{"ScheduleSectionsWithGapsAndPastTheLast",
                     L"[Schedule2]\nName=B\n[Schedule16]\nName=P\n[Schedule17]\nName=Q\n"
                     L"[Schedule1]\nName=\"\"\n[Week]\nSunday=Q\nSaturday=P\n",
                     {L"B:", L"P:"},
                     L"- - - - - P -"},
        NonsenseCase{"NamesCleaned",
                     L"[Schedule1]\nName=  \"Суббота\"  \n[Week]\nSaturday='Суббота'\n",
                     {L"Суббота:"},
                     L"- - - - - Суббота -"}),
    [](const auto& info) { return std::string(info.param.name); });

// A week without any schedule section is no school timetable: the file is
// read as the first version's, and nothing of the week's lessons, nor of the
// timetable loaded before, stays behind.
TEST(SchoolTimetableFileTest, AWeekWithoutSchedulesKeepsNoTaughtLessons) {
  Settings settings = LoadedFrom(kHandWritten);
  MemoryProfileFile weekOnly(kPath,
                             L"[Week]\r\nMonday=Основное\r\nMondayLessons=1,2\r\n"
                             L"SaturdayLessons=3\r\n[1]\r\n4=1\r\n");
  LoadSettings(settings, weekOnly, test_support::RussianTime());
  EXPECT_EQ(settings.Timetable, SchoolTimetable{});
  EXPECT_TRUE(settings.Lesson(kMonday, 4));
  EXPECT_FALSE(settings.Lesson(kMonday, 1));
}

TEST(SchoolTimetableFileTest, TheTeachersLessonsAreReadAsAListOfNumbers) {
  const Settings settings = LoadedFrom(
      L"[Schedule1]\nName=A\n1=08:00-08:45\n"
      L"[Week]\nMondayLessons=1, 2;3 x 0x4 -1 17 16 99999999999\nTuesdayLessons=,,\n");
  EXPECT_EQ(settings.Timetable.Day(kMonday).taught.to_ulong(), 0b1'0000'0000'0001'1110u);
  EXPECT_TRUE(settings.Timetable.Day(kTuesday).taught.none());
}

}  // namespace
}  // namespace ostrevin
