// The settings dialog's timetable tab driven through its real controls: bell
// schedules, the week, the bells of a schedule, the teacher's own lessons of
// a day, a paste from a school's web page, and the checks on OK.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/decimal_text.h"
#include "dialog_boxes.h"
#include "lesson_list_test.h"
#include "settings/first_version_timetable.h"
#include "settings/lesson_times_text.h"
#include "toolkit/dpi.h"
#include "toolkit/model/dpi_scale.h"
#include "ui/frm_paste_choice.h"

namespace ostrevin::uitest {
namespace {

using test_support::EvenLessons;
using test_support::LessonAt;
using toolkit::Form;

constexpr Weekday kMonday = Weekday::Monday;
constexpr Weekday kTuesday = Weekday::Tuesday;
constexpr Weekday kSaturday = Weekday::Saturday;
constexpr Weekday kSunday = Weekday::Sunday;
// Rows of the days' list and of the week, Monday first.
constexpr int kTuesdayRow = 1;
constexpr int kSaturdayRow = 5;
constexpr int kSundayRow = 6;

void PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy(text.c_str(), text.c_str() + text.size() + 1,
            static_cast<wchar_t*>(::GlobalLock(memory)));
  ::GlobalUnlock(memory);
  ::SetClipboardData(CF_UNICODETEXT, memory);
  ::CloseClipboard();
}

// While it exists, answers the question before a paste of several schedules
// with a choice (-1: cancels it), keeping what it said and offered.
class PasteChoiceAnswer {
 public:
  explicit PasteChoiceAnswer(int choice)
      : choice_(choice),
        hook_(::SetWindowsHookExW(WH_CBT, &PasteChoiceAnswer::Watch, nullptr,
                                  ::GetCurrentThreadId())) {
    active_ = this;
  }
  ~PasteChoiceAnswer() {
    ::UnhookWindowsHookEx(hook_);
    active_ = nullptr;
  }
  PasteChoiceAnswer(const PasteChoiceAnswer&) = delete;
  PasteChoiceAnswer& operator=(const PasteChoiceAnswer&) = delete;

  int asked = 0;
  std::wstring question;
  std::vector<std::wstring> choices;

 private:
  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && active_) {
      if (auto* form = dynamic_cast<TPasteChoiceF*>(
              toolkit::Window::FromHandle(reinterpret_cast<HWND>(wParam)))) {
        active_->Answer(*form);
      }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  void Answer(TPasteChoiceF& form) {
    ++asked;
    question = form.lbQuestion.Caption();
    choices.clear();
    for (int item = 0; item < form.cbChoice.ItemCount(); ++item) {
      choices.push_back(form.cbChoice.ItemText(item));
    }
    if (choice_ >= 0) form.cbChoice.SetItemIndex(choice_);
    const toolkit::Button& button = choice_ >= 0 ? form.btnAdd : form.btnCancel;
    ::PostMessageW(form.Handle(), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(button.Handle()), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button.Handle()));
  }

  static inline PasteChoiceAnswer* active_ = nullptr;
  int choice_;
  HHOOK hook_;
};

// A school's page of bells with a column per group of classes, one of them
// named as the timetable's main schedule, and the breaks as rows.
constexpr wchar_t kColumnsPage[] =
    L"Расписание звонков\r\n"
    L"Урок\tОсновное\t5-11 классы\r\n"
    L"1\t8.00-8.40\t8.30-9.15\r\n"
    L"Перемена\t8.40-8.50\t9.15-9.25\r\n"
    L"2\t8.50-9.30\t9.25-10.10\r\n";

// A school's week: Monday begins with a lesson 0 and shifts the rest, Tuesday
// to Friday ring the main schedule, Saturday has six 40-minute lessons with a
// short fourth, Sunday none.
class TimetableTabTest : public LessonListTest {
 protected:
  void SetUp() override {
    LessonListTest::SetUp();
    SchoolTimetable& timetable = settings.Timetable;
    AddSchedule(timetable,
                {.name = L"Основное", .firstNumber = 1, .lessons = EvenLessons(6, 8, 30, 45, 10)});
    AddSchedule(timetable,
                {.name = L"Понедельник",
                 .firstNumber = 0,
                 .lessons = {LessonAt(8, 30, 30), LessonAt(9, 10, 40), LessonAt(10, 0, 40)}});
    std::vector<BellLesson> saturday = EvenLessons(6, 8, 30, 40, 10);
    saturday[3] = LessonAt(11, 0, 35);
    AddSchedule(timetable, {.name = L"Суббота", .firstNumber = 1, .lessons = saturday});
    for (const Weekday day : {kTuesday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday}) {
      Week(day).schedule = 0;
    }
    Week(kMonday) = {.schedule = 1, .taught = 0b1101};  // lessons 0, 2 and 3
    Week(kTuesday).taught = 0b100110;                   // 1, 2 and 5
    Week(kSaturday) = {.schedule = 2, .taught = 0b11000};  // 3 and 4
    UpdateFirstVersionTimetable(settings);
  }

  SchoolDay& Week(Weekday day) { return settings.Timetable.Day(day); }

  std::vector<std::wstring> ScheduleListItems() const {
    std::vector<std::wstring> items;
    for (int index = 0; index < Timetable().ScheduleList.ItemCount(); ++index) {
      items.push_back(Timetable().ScheduleList.ItemText(index));
    }
    return items;
  }
  // Each day's chosen schedule, Monday first.
  std::vector<std::wstring> ShownWeek() const {
    std::vector<std::wstring> week;
    for (const auto& row : Timetable().WeekRows) {
      week.push_back(row->schedule.ItemText(row->schedule.ItemIndex()));
    }
    return week;
  }
  // Answers every message box with a button, keeping their texts.
  std::unique_ptr<test_support::DialogBoxWatch> AnswerBoxes(int button) {
    return std::make_unique<test_support::DialogBoxWatch>([this, button](HWND box) {
      boxTexts.push_back(test_support::ReadDialogBox(box).texts);
      ::PostMessageW(box, WM_COMMAND, button, 0);
    });
  }
  bool BoxSaid(const std::wstring& text) const {
    for (const auto& texts : boxTexts) {
      for (const std::wstring& shown : texts) {
        if (shown == text) return true;
      }
    }
    return false;
  }
  void PressOk() {
    ::SetFocus(General().cbOfferExit.Handle());
    ::PostMessageW(General().cbOfferExit.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    app.ProcessMessages();
  }
  void Clear(toolkit::MaskedTimeField& field) {
    field.SetFocus();
    ::SendMessageW(field.Handle(), EM_SETSEL, 0, -1);
    ::PostMessageW(field.Handle(), WM_KEYDOWN, VK_DELETE, 1);
    app.ProcessMessages();
  }

  std::vector<std::vector<std::wstring>> boxTexts;
};

TEST_F(TimetableTabTest, OpensOnMondaysScheduleAndMondaysOwnLessons) {
  const Settings before = settings;
  ShowDialog();

  EXPECT_EQ(settings, before) << "showing changes nothing";
  EXPECT_EQ(ScheduleListItems(),
            (std::vector<std::wstring>{L"Основное", L"Понедельник", L"Суббота"}));
  EXPECT_EQ(Timetable().ScheduleList.ItemIndex(), 1);
  EXPECT_EQ(Timetable().edScheduleName.Text(), L"Понедельник");
  EXPECT_TRUE(Timetable().cbCountFromZero.Checked());
  EXPECT_EQ(ShownBells(), (std::vector<std::wstring>{L"0 08:30-09:00", L"1 09:10-09:50",
                                                     L"2 10:00-10:40", L"· __:__-__:__"}));
  EXPECT_EQ(ShownWeek(),
            (std::vector<std::wstring>{L"Понедельник", L"Основное", L"Основное", L"Основное",
                                       L"Основное", L"Суббота", L"нет уроков"}));
  EXPECT_EQ(Timetable().lbDaySchedule.Caption(), L"Расписание «Понедельник»:");
  EXPECT_EQ(ShownDay(),
            (std::vector<std::wstring>{L"+0-й урок 08:30–09:00", L"1-й урок 09:10–09:50",
                                       L"+2-й урок 10:00–10:40"}))
      << "Monday's lesson 3 is no lesson of its schedule";
  EXPECT_TRUE(Timetable().btnDeleteSchedule.Enabled());
}

TEST_F(TimetableTabTest, EachDayShowsItsOwnSchedulesLessons) {
  ShowDialog();
  Choose(Timetable().DaysList, kSaturdayRow);
  EXPECT_EQ(Timetable().lbDaySchedule.Caption(), L"Расписание «Суббота»:");
  EXPECT_EQ(ShownDay(),
            (std::vector<std::wstring>{L"1-й урок 08:30–09:10", L"2-й урок 09:20–10:00",
                                       L"+3-й урок 10:10–10:50", L"+4-й урок 11:00–11:35",
                                       L"5-й урок 11:50–12:30", L"6-й урок 12:40–13:20"}));
  Click(Taught(4).Handle());
  EXPECT_TRUE(settings.Timetable.Day(kSaturday).taught.test(5));

  Choose(Timetable().DaysList, kSundayRow);
  EXPECT_EQ(Timetable().lbDaySchedule.Caption(), L"В этот день уроков нет.");
  EXPECT_TRUE(ShownDay().empty());
}

TEST_F(TimetableTabTest, TheWeeksChoicesMapEachDay) {
  ShowDialog();
  Choose(Timetable().DaysList, kSundayRow);
  Choose(Timetable().WeekRows[kSundayRow]->schedule, 3);  // "Суббота"
  EXPECT_EQ(settings.Timetable.Day(kSunday).schedule, 2);
  EXPECT_EQ(ShownDay().size(), 6u) << "the selected day follows its new schedule";

  Choose(Timetable().WeekRows[kTuesdayRow]->schedule, 0);  // "нет уроков"
  EXPECT_EQ(settings.Timetable.Day(kTuesday).schedule, kNoSchedule);
  EXPECT_FALSE(settings.Lesson(kTuesday, 2)) << "version 1.0 sees no Tuesday lessons";
}

TEST_F(TimetableTabTest, EditingABellChangesTheScheduleForEveryDayThatRingsIt) {
  ShowDialog();
  Choose(Timetable().ScheduleList, 0);
  EXPECT_FALSE(Timetable().cbCountFromZero.Checked());
  TypeInto(End(1).Handle(), L"1005");
  EXPECT_EQ(settings.Timetable.schedules[0].lessons[1], LessonAt(9, 25, 40));
  Choose(Timetable().DaysList, kTuesdayRow);
  EXPECT_EQ(ShownDay()[1], L"+2-й урок 09:25–10:05");
}

TEST_F(TimetableTabTest, AStartTypedIntoTheEmptyRowGetsTheUsualLengthAndAnotherRowAppears) {
  ShowDialog();
  Choose(Timetable().ScheduleList, 0);
  TypeInto(Start(6).Handle(), L"1400");
  EXPECT_EQ(End(6).Text(), L"14:45");
  EXPECT_EQ(ShownBells().back(), L"· __:__-__:__");
  EXPECT_EQ(ShownBells()[6], L"7 14:00-14:45");
  EXPECT_EQ(settings.Timetable.schedules[0].lessons.back(), LessonAt(14, 0, 45));
}

TEST_F(TimetableTabTest, ClearingARowTakesItsLessonAwayAndTheRowsCloseUpOnLeaving) {
  ShowDialog();
  Choose(Timetable().ScheduleList, 0);
  Clear(Start(1));
  Clear(End(1));
  EXPECT_EQ(settings.Timetable.schedules[0].lessons.size(), 5u);
  EXPECT_EQ(ShownBells()[1], L"· __:__-__:__");
  EXPECT_EQ(ShownBells()[2], L"2 10:20-11:05");

  Choose(Timetable().ScheduleList, 2);
  Choose(Timetable().ScheduleList, 0);
  EXPECT_EQ(ShownBells()[1], L"2 10:20-11:05");
  EXPECT_EQ(ShownBells().size(), 6u);
}

TEST_F(TimetableTabTest, ALessonTypedBelowTheOthersTakesItsPlaceByTime) {
  ShowDialog();
  Choose(Timetable().ScheduleList, 0);
  TypeInto(Start(6).Handle(), L"0745");
  TypeInto(End(6).Handle(), L"0825");
  EXPECT_EQ(ShownBells()[6], L"1 07:45-08:25") << "numbered by its time at once";
  EXPECT_EQ(ShownBells()[0], L"2 08:30-09:15");
  EXPECT_EQ(settings.Timetable.schedules[0].lessons.front(), LessonAt(7, 45, 40));

  Choose(Timetable().ScheduleList, 1);
  Choose(Timetable().ScheduleList, 0);
  EXPECT_EQ(ShownBells()[0], L"1 07:45-08:25") << "and shown in its place when seen again";
}

TEST_F(TimetableTabTest, AWrongRowKeepsTheScheduleAsItWasAndIsToldOnOk) {
  TLessonListF& d = ShowDialog();
  Choose(Timetable().ScheduleList, 0);
  const std::vector<BellLesson> before = settings.Timetable.schedules[0].lessons;
  TypeInto(End(2).Handle(), L"1015");  // ends before its 10:20 start
  EXPECT_EQ(settings.Timetable.schedules[0].lessons, before);

  const auto answer = AnswerBoxes(IDOK);
  Choose(Timetable().ScheduleList, 1);
  EXPECT_EQ(Timetable().ScheduleList.ItemIndex(), 0) << "the schedule is not left";
  PressOk();
  EXPECT_EQ(d.ModalResult(), 0);
  ASSERT_EQ(boxTexts.size(), 2u);
  EXPECT_TRUE(
      BoxSaid(L"Урок 10:20–10:15 расписания «Основное» должен кончаться позже, чем "
              L"начинается."));
  EXPECT_TRUE(Start(2).Focused());

  TypeInto(Start(2).Handle(), L"0920");  // 09:20-10:15 now, over lesson 2's 09:25
  PressOk();
  EXPECT_TRUE(
      BoxSaid(L"Урок 09:25–10:10 расписания «Основное» начинается раньше, чем кончается "
              L"урок 09:20–10:15."));
  EXPECT_TRUE(Start(1).Focused());
  EXPECT_EQ(d.ModalResult(), 0);
  EXPECT_TRUE(services.autoRunSets.empty());
}

TEST_F(TimetableTabTest, TheLengthsCheckNamesTheShortestLessonOfTheSchedulesInUse) {
  TLessonListF& d = ShowDialog();
  General().edIntroTime.SetValue(15);
  General().edFinishTime.SetValue(15);
  const auto answer = AnswerBoxes(IDOK);
  PressOk();
  EXPECT_EQ(d.ModalResult(), 0);
  EXPECT_TRUE(
      BoxSaid(L"Продолжительность вступительной и заключительной частей в сумме должна "
              L"быть меньше продолжительности самого короткого урока.\r\n\r\nСамый "
              L"короткий урок — 0-й урок расписания «Понедельник»: 30 мин."));
  EXPECT_TRUE(services.autoRunSets.empty());

  // Monday's lesson 0 moved to Saturday's 35-minute lesson's length: that one
  // is named now.
  Choose(Timetable().ScheduleList, 1);
  TypeInto(End(0).Handle(), L"0910");
  General().edIntroTime.SetValue(20);
  PressOk();
  EXPECT_TRUE(
      BoxSaid(L"Продолжительность вступительной и заключительной частей в сумме должна "
              L"быть меньше продолжительности самого короткого урока.\r\n\r\nСамый "
              L"короткий урок — 4-й урок расписания «Суббота»: 35 мин."));
  General().edIntroTime.SetValue(19);
  PressOk();
  EXPECT_EQ(d.ModalResult(), Form::kModalOk);
}

TEST_F(TimetableTabTest, SchedulesAreAddedRenamedCopiedAndDeletedWithTheWeek) {
  ShowDialog();
  Click(Timetable().btnAddSchedule.Handle());
  EXPECT_EQ(Timetable().ScheduleList.ItemIndex(), 3);
  EXPECT_EQ(Timetable().edScheduleName.Text(), L"Новое расписание");
  EXPECT_TRUE(Timetable().edScheduleName.Focused());
  EXPECT_EQ(ShownBells(), std::vector<std::wstring>{L"· __:__-__:__"});
  TypeInto(Timetable().edScheduleName.Handle(), L"Вторая смена");
  EXPECT_EQ(settings.Timetable.schedules[3].name, L"Вторая смена");
  EXPECT_EQ(Timetable().ScheduleList.ItemText(3), L"Вторая смена");
  EXPECT_EQ(Timetable().WeekRows[0]->schedule.ItemText(4), L"Вторая смена");

  // A name is taken as it is typed while no other schedule has it; leaving
  // the field with a name another has brings back the one from before.
  Timetable().ScheduleList.SetFocus();
  const auto answer = AnswerBoxes(IDOK);
  TypeInto(Timetable().edScheduleName.Handle(), L"Суббота");
  EXPECT_EQ(settings.Timetable.schedules[3].name, L"Суббот");
  Timetable().ScheduleList.SetFocus();
  app.ProcessMessages();
  EXPECT_EQ(settings.Timetable.schedules[3].name, L"Вторая смена");
  EXPECT_EQ(Timetable().ScheduleList.ItemText(3), L"Вторая смена");
  EXPECT_TRUE(BoxSaid(L"Расписание «Суббота» уже есть: выберите другое название."));
  EXPECT_EQ(Timetable().edScheduleName.Text(), L"Вторая смена");

  Choose(Timetable().ScheduleList, 2);
  Click(Timetable().btnCopySchedule.Handle());
  EXPECT_EQ(settings.Timetable.schedules[4].name, L"Суббота (копия)");
  EXPECT_EQ(settings.Timetable.schedules[4].lessons, settings.Timetable.schedules[2].lessons);
}

TEST_F(TimetableTabTest, DeletingAScheduleInUseSaysWhereAndLeavesThoseDaysWithoutLessons) {
  ShowDialog();
  Choose(Timetable().ScheduleList, 0);
  {
    const auto answer = AnswerBoxes(IDNO);
    Click(Timetable().btnDeleteSchedule.Handle());
  }
  EXPECT_EQ(settings.Timetable.schedules.size(), 3u);
  EXPECT_TRUE(
      BoxSaid(L"Расписание «Основное» назначено на вторник, среду, четверг и пятницу.\r\n"
              L"После удаления в эти дни уроков не будет.\r\n\r\nУдалить расписание?"));
  {
    const auto answer = AnswerBoxes(IDYES);
    Click(Timetable().btnDeleteSchedule.Handle());
  }
  ASSERT_EQ(settings.Timetable.schedules.size(), 2u);
  EXPECT_EQ(settings.Timetable.Day(kTuesday).schedule, kNoSchedule);
  EXPECT_EQ(settings.Timetable.Day(kSaturday).schedule, 1);
  EXPECT_EQ(ShownWeek()[kTuesdayRow], L"нет уроков");
  EXPECT_EQ(ShownWeek()[kSaturdayRow], L"Суббота");

  {
    const auto answer = AnswerBoxes(IDYES);
    Click(Timetable().btnDeleteSchedule.Handle());
  }
  EXPECT_EQ(settings.Timetable.schedules.size(), 1u);
  EXPECT_FALSE(Timetable().btnDeleteSchedule.Enabled()) << "the last schedule stays";
}

TEST_F(TimetableTabTest, CountingFromZeroRenumbersTheLessonsAndTheDaysLessonsGoByNumber) {
  ShowDialog();
  Choose(Timetable().ScheduleList, 0);
  Click(Timetable().cbCountFromZero.Handle());
  EXPECT_EQ(settings.Timetable.schedules[0].firstNumber, 0);
  EXPECT_EQ(ShownBells()[0], L"0 08:30-09:15");
  Choose(Timetable().DaysList, kTuesdayRow);
  EXPECT_EQ(ShownDay()[0], L"0-й урок 08:30–09:15");
  EXPECT_EQ(ShownDay()[1], L"+1-й урок 09:25–10:10");
}

TEST_F(TimetableTabTest, APasteFromASchoolsWebPageFillsTheSchedule) {
  ShowDialog();
  Choose(Timetable().ScheduleList, 2);
  PutOnClipboard(
      L"Расписание звонков\r\n0. 08:00 – 08:30\r\n1. 08:40 – 09:20\r\n2. 09:30 – 10:10\r\n");
  {
    const auto answer = AnswerBoxes(IDYES);
    Click(Timetable().btnPasteBells.Handle());
  }
  EXPECT_TRUE(
      BoxSaid(L"Заменить звонки расписания «Суббота» звонками из буфера обмена (уроков: 3)?"));
  EXPECT_EQ(ShownBells(), (std::vector<std::wstring>{L"0 08:00-08:30", L"1 08:40-09:20",
                                                     L"2 09:30-10:10", L"· __:__-__:__"}));
  EXPECT_TRUE(Timetable().cbCountFromZero.Checked());
  const BellSchedule& saturday = settings.Timetable.schedules[2];
  EXPECT_EQ(saturday.firstNumber, 0);
  EXPECT_EQ(saturday.lessons, (std::vector<BellLesson>{LessonAt(8, 0, 30), LessonAt(8, 40, 40),
                                                       LessonAt(9, 30, 40)}));
}

TEST_F(TimetableTabTest, APasteOfSeveralSchedulesAddsThemAfterTheQuestion) {
  ShowDialog();
  const auto week = settings.Timetable.week;
  PutOnClipboard(kColumnsPage);
  PasteChoiceAnswer answer(0);
  Click(Timetable().btnPasteBells.Handle());

  ASSERT_EQ(answer.asked, 1);
  EXPECT_EQ(answer.choices, (std::vector<std::wstring>{L"все расписания", L"только «Основное»",
                                                       L"только «5-11 классы»"}));
  EXPECT_EQ(answer.question,
            L"Добавить расписания: Основное (уроков: 2), 5-11 классы (уроков: 2)?\r\n\r\n"
            L"Пропущено: 1 перемена.\r\n\r\nРасписание «Основное» уже есть: его звонки будут "
            L"заменены.\r\n\r\nДни недели не изменятся: выберите расписание каждого дня сами.");
  EXPECT_EQ(ScheduleListItems(),
            (std::vector<std::wstring>{L"Основное", L"Понедельник", L"Суббота", L"5-11 классы"}));
  EXPECT_EQ(settings.Timetable.schedules[0].lessons,
            (std::vector<BellLesson>{LessonAt(8, 0, 40), LessonAt(8, 50, 40)}));
  EXPECT_EQ(settings.Timetable.schedules[3].lessons,
            (std::vector<BellLesson>{LessonAt(8, 30, 45), LessonAt(9, 25, 45)}));
  EXPECT_EQ(settings.Timetable.week, week) << "the week is left alone";
  EXPECT_EQ(Timetable().ScheduleList.ItemIndex(), 0);
  EXPECT_EQ(ShownBells(),
            (std::vector<std::wstring>{L"1 08:00-08:40", L"2 08:50-09:30", L"· __:__-__:__"}));
}

TEST_F(TimetableTabTest, APasteOfSeveralSchedulesTakesTheOneChosenOrNone) {
  ShowDialog();
  const Settings before = settings;
  PutOnClipboard(kColumnsPage);
  {
    PasteChoiceAnswer cancel(-1);
    Click(Timetable().btnPasteBells.Handle());
    ASSERT_EQ(cancel.asked, 1);
  }
  EXPECT_EQ(settings, before);

  PasteChoiceAnswer second(2);
  Click(Timetable().btnPasteBells.Handle());
  EXPECT_EQ(ScheduleListItems(),
            (std::vector<std::wstring>{L"Основное", L"Понедельник", L"Суббота", L"5-11 классы"}));
  EXPECT_EQ(settings.Timetable.schedules[0], before.Timetable.schedules[0]);
  EXPECT_EQ(Timetable().ScheduleList.ItemIndex(), 3);
  EXPECT_EQ(Timetable().edScheduleName.Text(), L"5-11 классы");
}

TEST_F(TimetableTabTest, APasteOfOneScheduleSaysWhatItPassedOver) {
  ShowDialog();
  Choose(Timetable().ScheduleList, 2);
  PutOnClipboard(
      L"Предварительный звонок 7.55\n1 урок 8.00-8.40\nПеремена 8.40-8.50\n"
      L"2 урок 8.50-9.30\n");
  {
    const auto answer = AnswerBoxes(IDYES);
    Click(Timetable().btnPasteBells.Handle());
  }
  EXPECT_TRUE(
      BoxSaid(L"Заменить звонки расписания «Суббота» звонками из буфера обмена (уроков: "
              L"2; пропущено: 1 перемена, 1 отдельный звонок)?"));
  EXPECT_EQ(settings.Timetable.schedules[2].lessons,
            (std::vector<BellLesson>{LessonAt(8, 0, 40), LessonAt(8, 50, 40)}));
}

TEST_F(TimetableTabTest,
       APasteOfMoreThanSixteenLessonsKeepsTheFirstSixteenAndOfNoneChangesNothing) {
  ShowDialog();
  std::wstring text;
  for (const BellLesson& lesson : EvenLessons(20, 7, 0, 30, 5)) {
    text += FormatLessonTimes(lesson) + L"\r\n";
  }
  PutOnClipboard(text);
  {
    const auto answer = AnswerBoxes(IDYES);
    Click(Timetable().btnPasteBells.Handle());
  }
  EXPECT_TRUE(BoxSaid(L"В расписании может быть не больше 16 уроков: вставлены первые 16."));
  EXPECT_EQ(settings.Timetable.schedules[1].lessons, EvenLessons(16, 7, 0, 30, 5));
  EXPECT_EQ(ShownBells().size(), 16u);

  PutOnClipboard(L"Звонки будут позже");
  boxTexts.clear();
  {
    const auto answer = AnswerBoxes(IDOK);
    Click(Timetable().btnPasteBells.Handle());
  }
  ASSERT_EQ(boxTexts.size(), 1u);
  EXPECT_EQ(settings.Timetable.schedules[1].lessons.size(), 16u);
}

TEST_F(TimetableTabTest, TheTabKeyGoesThroughTheScheduleTheWeekTheBellsThenTheDay) {
  TLessonListF& d = ShowDialog();
  d.PageControl1.SetActivePage(d.TabSheet1);
  const HWND expected[] = {
      Timetable().ScheduleList.Handle(),      Timetable().edScheduleName.Handle(),
      Timetable().btnAddSchedule.Handle(),    Timetable().btnCopySchedule.Handle(),
      Timetable().btnDeleteSchedule.Handle(), Timetable().WeekRows[0]->schedule.Handle()};
  HWND control = Timetable().ScheduleList.Handle();
  for (std::size_t step = 1; step < std::size(expected); ++step) {
    control = ::GetNextDlgTabItem(d.Handle(), control, FALSE);
    EXPECT_EQ(control, expected[step]) << step;
  }
  control = Timetable().WeekRows[6]->schedule.Handle();
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), control, FALSE), Start(0).Handle());
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), Start(0).Handle(), FALSE), End(0).Handle());
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), End(2).Handle(), FALSE), Start(3).Handle());
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), End(3).Handle(), FALSE),
            Timetable().cbCountFromZero.Handle())
      << "the hidden rows are passed over";
}

// The rows a schedule of more lessons, or a lesson typed in, brings are made
// then: named as their families are, in the Tab order between the rows above
// and what follows, and kept when a shorter schedule is shown.
TEST_F(TimetableTabTest, RowsAreMadeAsTheSchedulesAndTheDaysLessonsNeedThem) {
  TLessonListF& d = ShowDialog();
  EXPECT_EQ(Timetable().BellRows.size(), 4u) << "Monday's three lessons and the row to add one";
  EXPECT_EQ(Timetable().TaughtRows.size(), 3u);

  Choose(Timetable().ScheduleList, 0);
  ASSERT_EQ(Timetable().BellRows.size(), 7u);
  std::vector<std::wstring> main;
  for (const BellLesson& lesson : settings.Timetable.schedules[0].lessons) {
    main.push_back(DecimalText(static_cast<int>(main.size()) + 1) + L" " +
                   FormatHourMinute(lesson.start) + L"-" + FormatHourMinute(lesson.end));
  }
  main.push_back(L"· __:__-__:__");
  EXPECT_EQ(ShownBells(), main);
  EXPECT_EQ(d.FindControl(L"MaskEdit7"), &Start(6));
  EXPECT_EQ(d.FindControl(L"end7"), &End(6));

  TypeInto(Start(6).Handle(), L"1400");
  ASSERT_EQ(Timetable().BellRows.size(), 8u) << "a lesson added brings the row for the next";
  EXPECT_EQ(ShownBells().back(), L"· __:__-__:__");
  EXPECT_EQ(d.FindControl(L"MaskEdit8"), &Start(7));

  Choose(Timetable().DaysList, kTuesdayRow);
  ASSERT_EQ(Timetable().TaughtRows.size(), 7u);
  EXPECT_EQ(ShownDay().size(), 7u);
  EXPECT_EQ(ShownDay().back(), L"7-й урок 14:00–14:45");
  EXPECT_EQ(d.FindControl(L"cb7"), &Taught(6));

  Choose(Timetable().ScheduleList, 1);
  Choose(Timetable().DaysList, 0);
  EXPECT_EQ(Timetable().BellRows.size(), 8u) << "rows made stay until the dialog closes";
  EXPECT_EQ(Timetable().TaughtRows.size(), 7u);
  EXPECT_EQ(ShownBells(), (std::vector<std::wstring>{L"0 08:30-09:00", L"1 09:10-09:50",
                                                     L"2 10:00-10:40", L"· __:__-__:__"}));
  EXPECT_EQ(ShownDay().size(), 3u);
}

TEST_F(TimetableTabTest, TheTabKeyGoesThroughRowsMadeLaterInTheirOrder) {
  TLessonListF& d = ShowDialog();
  d.PageControl1.SetActivePage(d.TabSheet1);
  Choose(Timetable().ScheduleList, 0);
  TypeInto(Start(6).Handle(), L"1400");
  ASSERT_EQ(Timetable().BellRows.size(), 8u);
  HWND control = Timetable().WeekRows[6]->schedule.Handle();
  for (int row = 0; row < 8; ++row) {
    control = ::GetNextDlgTabItem(d.Handle(), control, FALSE);
    EXPECT_EQ(control, Start(row).Handle()) << row;
    control = ::GetNextDlgTabItem(d.Handle(), control, FALSE);
    EXPECT_EQ(control, End(row).Handle()) << row;
  }
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), control, FALSE), Timetable().cbCountFromZero.Handle());

  Choose(Timetable().DaysList, kTuesdayRow);
  ASSERT_EQ(Timetable().TaughtRows.size(), 7u);
  control = Timetable().DaysList.Handle();
  for (int row = 0; row < 7; ++row) {
    control = ::GetNextDlgTabItem(d.Handle(), control, FALSE);
    EXPECT_EQ(control, Taught(row).Handle()) << row;
  }
  EXPECT_EQ(::GetNextDlgTabItem(d.Handle(), Taught(6).Handle(), TRUE), Taught(5).Handle());
}

// Rows made after the dialog moved to a screen of 150 % (where it is drawn
// at the largest scale that fits the test display) lie in the columns of the
// rows made before, at their designed tops at that scale, and follow the
// dialog back to 100 %.
TEST_F(TimetableTabTest, RowsMadeLaterTakeTheDialogsScaleAndFollowItsChanges) {
  TLessonListF& d = ShowDialog();
  const auto moveToScreenOf = [&](int dpi) {
    RECT suggested{100, 50, 900, 750};
    ::SendMessageW(d.Handle(), toolkit::kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    app.ProcessMessages();
  };
  const auto placeOf = [](const toolkit::WindowedControl& control) {
    RECT r{};
    ::GetWindowRect(control.Handle(), &r);
    ::MapWindowPoints(nullptr, ::GetParent(control.Handle()), reinterpret_cast<POINT*>(&r), 2);
    return std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top};
  };
  // Where the control lies: in the column of the first row's, at its own
  // designed top and size at the dialog's scale.
  const auto inColumnOf = [&](const toolkit::WindowedControl& first,
                              const toolkit::WindowedControl& control) {
    const toolkit::ControlPlace p = d.Scaling().Scaled(control.DesignPlace());
    return std::vector<LONG>{placeOf(first)[0], p.top, placeOf(first)[2], p.height};
  };

  moveToScreenOf(144);
  ASSERT_GT(d.Scaling().Dpi(), 120);
  Choose(Timetable().ScheduleList, 0);
  Choose(Timetable().DaysList, kTuesdayRow);
  ASSERT_EQ(Timetable().BellRows.size(), 7u);
  ASSERT_EQ(Timetable().TaughtRows.size(), 6u);
  EXPECT_EQ(placeOf(End(6)), inColumnOf(End(0), End(6)));
  EXPECT_EQ(placeOf(Taught(5)), inColumnOf(Taught(0), Taught(5)));
  EXPECT_EQ(Timetable().BellRows[6]->dash.Scaling().Dpi(), d.Scaling().Dpi());

  moveToScreenOf(96);
  EXPECT_EQ(d.Scaling().Dpi(), 96);
  EXPECT_EQ(placeOf(End(6)), inColumnOf(End(0), End(6)));
  EXPECT_EQ(placeOf(Taught(5)), inColumnOf(Taught(0), Taught(5)));
  EXPECT_EQ(Timetable().BellRows[6]->dash.Scaling().Dpi(), 96);
}

// A settings file of the first version: the tab shows its timetable as one
// schedule on every day, and the first edit makes it that schedule.
TEST_F(LessonListTest, TheFirstEditOfTheFirstVersionsTimetableMakesItBellSchedules) {
  settings.Lesson(Weekday::Wednesday, 4) = true;
  ShowDialog();
  EXPECT_EQ(Timetable().ScheduleList.ItemCount(), 1);
  EXPECT_EQ(Timetable().ScheduleList.ItemText(0), L"Основное");
  EXPECT_FALSE(Timetable().btnDeleteSchedule.Enabled());
  for (const auto& row : Timetable().WeekRows) {
    EXPECT_EQ(row->schedule.ItemText(row->schedule.ItemIndex()), L"Основное");
  }
  Choose(Timetable().DaysList, kSaturdayRow);
  EXPECT_EQ(ShownDay().size(), 7u) << "Saturday rings the schedule; the teacher teaches nothing";
  EXPECT_FALSE(settings.Timetable.InUse());

  Choose(Timetable().DaysList, 2);  // Wednesday
  Click(Taught(0).Handle());
  ASSERT_TRUE(settings.Timetable.InUse());
  EXPECT_EQ(settings.Timetable.schedules[0].lessons,
            (std::vector<BellLesson>{LessonAt(8, 30, 45), LessonAt(9, 30, 45), LessonAt(10, 30, 45),
                                     LessonAt(11, 30, 45), LessonAt(12, 25, 45),
                                     LessonAt(13, 20, 45), LessonAt(14, 15, 45)}));
  EXPECT_EQ(settings.Timetable.Day(Weekday::Wednesday).taught.to_ulong(), 0b10010u);
  EXPECT_TRUE(settings.Lesson(Weekday::Wednesday, 1)) << "what version 1.0 reads follows";
  EXPECT_TRUE(settings.Lesson(Weekday::Wednesday, 4));
}

}  // namespace
}  // namespace ostrevin::uitest
