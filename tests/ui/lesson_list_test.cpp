// The settings dialog driven through its real controls.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialog_boxes.h"
#include "lesson_list_test.h"
#include "settings/time_of_day.h"
#include "system/program_path.h"
#include "system/settings_storage.h"

namespace ostrevin::uitest {

void LessonListTest::SetUp() {
  WorkFormTest::SetUp();
  settings = test_support::SettingsFileDefaults();
}

void LessonListTest::TearDown() {
  dialog.reset();
  WorkFormTest::TearDown();
}

TLessonListF& LessonListTest::NewDialog() {
  dialog = std::make_unique<TLessonListF>(settings, services, app.Handle());
  return *dialog;
}

TLessonListF& LessonListTest::ShowDialog() {
  NewDialog().SetVisible(true);
  ::SetForegroundWindow(dialog->Handle());
  ::SetActiveWindow(dialog->Handle());
  app.ProcessMessages();
  return *dialog;
}

void LessonListTest::TypeInto(HWND field, const std::wstring& text) {
  ::SetFocus(field);
  ::SendMessageW(field, EM_SETSEL, 0, -1);
  for (wchar_t c : text) ::PostMessageW(field, WM_CHAR, c, 1);
  app.ProcessMessages();
}

void LessonListTest::Click(HWND button) {
  ::SendMessageW(button, BM_CLICK, 0, 0);
  app.ProcessMessages();
}

void LessonListTest::Import(const Settings& record) {
  const std::wstring file = folder + L"\\Импорт.INI";
  SaveSettings(record, file);
  test_support::DialogBoxWatch answer([&](HWND box) { test_support::AnswerFileDialog(box, file); });
  Click(dialog->btnOpenData.Handle());
}

void LessonListTest::Choose(const toolkit::ListBox& list, int index) {
  ::SendMessageW(list.Handle(), LB_SETCURSEL, index, 0);
  ::SendMessageW(::GetParent(list.Handle()), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(list.Handle()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.Handle()));
  app.ProcessMessages();
}

void LessonListTest::Choose(const toolkit::ComboBox& box, int index) {
  ::SendMessageW(box.Handle(), CB_SETCURSEL, index, 0);
  ::SendMessageW(::GetParent(box.Handle()), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(box.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box.Handle()));
  app.ProcessMessages();
}

void LessonListTest::ChooseTab(const toolkit::TabPage& tab) const {
  dialog->PageControl1.SetActivePage(tab);
  app.ProcessMessages();
}

TimetablePage& LessonListTest::Timetable() const {
  if (!dialog->Timetable()) ChooseTab(dialog->TabSheet1);
  return *dialog->Timetable();
}

SoundsPage& LessonListTest::Sounds() const {
  if (!dialog->Sounds()) ChooseTab(dialog->TabSheet4);
  return *dialog->Sounds();
}

BellPage& LessonListTest::Bell() const {
  if (!dialog->Bell()) ChooseTab(dialog->TabSheet5);
  return *dialog->Bell();
}

AboutPage& LessonListTest::About() const {
  if (!dialog->About()) ChooseTab(dialog->TabSheet3);
  return *dialog->About();
}

std::vector<std::wstring> LessonListTest::ShownBells() const {
  std::vector<std::wstring> shown;
  for (const auto& row : Timetable().BellRows) {
    if (!row->start.Visible()) continue;
    std::wstring times = row->start.Text() + L"-" + row->end.Text();
    std::replace(times.begin(), times.end(), L' ', L'_');
    const std::wstring& number = row->number.Caption();
    shown.push_back((number.empty() ? L"·" : number) + L" " + times);
  }
  return shown;
}

std::vector<std::wstring> LessonListTest::ShownDay() const {
  std::vector<std::wstring> shown;
  for (const auto& row : Timetable().TaughtRows) {
    if (!row->taught.Visible()) continue;
    shown.push_back((row->taught.Checked() ? L"+" : L"") + row->taught.Caption() + L" " +
                    row->times.Caption());
  }
  return shown;
}

namespace {

using test_support::ShownText;

using toolkit::Form;

// A time to the millisecond: the lesson start detection compares times for
// equality, so a start time must be the very value the clock builds.
std::int64_t Bits(TimeOfDay time) {
  return time.Milliseconds();
}

const std::vector<std::wstring> kBuiltInBells = {
    L"1 08:30-09:15", L"2 09:30-10:15", L"3 10:30-11:15", L"4 11:30-12:15",
    L"5 12:25-13:10", L"6 13:20-14:05", L"7 14:15-15:00", L"· __:__-__:__"};

TEST_F(LessonListTest, TheDialogHasItsCaptionSizeAndFiveTabsAndOpensOnTheGeneralTab) {
  TLessonListF& d = NewDialog();
  EXPECT_EQ(d.Caption(), L"Настройки");
  RECT client{};
  ::GetClientRect(d.Handle(), &client);
  // Grown from 441 x 301 for the school's timetable of up to sixteen lessons.
  EXPECT_EQ(client.right, 556);
  EXPECT_EQ(client.bottom, 509);
  const LONG style = ::GetWindowLongW(d.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  ASSERT_EQ(d.PageControl1.PageCount(), 5);
  const wchar_t* captions[] = {L"Расписание уроков и звонков", L"Общие", L"Звуки", L"Звонки",
                               L"О программе"};
  for (int index = 0; index < 5; ++index) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    ::SendMessageW(d.PageControl1.Handle(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, captions[index]);
  }
  EXPECT_EQ(d.PageControl1.ActivePageIndex(), 1);
  EXPECT_EQ(ShownText(d.btnSaveDataAs.Handle()), L"Сохранить\r\nнастройки как...");
  EXPECT_EQ(About().Label7.Caption().rfind(L"Версия ", 0), 0u);
}

// The dialog opens on "Общие" with only that page made; every other page is
// made as its tab is first chosen, and shows the settings as they are then,
// edits made on other pages and the time server's last answer included.
TEST_F(LessonListTest, APageIsMadeWhenItsTabIsFirstChosenAndShowsTheSettingsAsTheyAreThen) {
  settings.AllSndsOFF = true;
  settings.BellOffset = -25;
  TLessonListF& d = ShowDialog();
  d.ShowTimeServerResult(L"Часы компьютера отстают на 12 с, проверено в 08:05.");
  EXPECT_EQ(d.General().edLessLen.Text(), L"45");
  EXPECT_EQ(d.Timetable(), nullptr);
  EXPECT_EQ(d.Sounds(), nullptr);
  EXPECT_EQ(d.Bell(), nullptr);
  EXPECT_EQ(d.About(), nullptr);
  EXPECT_EQ(d.FindControl(L"cbAllSndsOFF"), nullptr);

  TypeInto(d.General().edLessLen.Handle(), L"50");
  const Settings edited = settings;
  const struct {
    int tab;
    bool (*made)(const TLessonListF& dialog);
  } tabs[] = {{0, [](const TLessonListF& dialog) { return dialog.Timetable() != nullptr; }},
              {2, [](const TLessonListF& dialog) { return dialog.Sounds() != nullptr; }},
              {3, [](const TLessonListF& dialog) { return dialog.Bell() != nullptr; }},
              {4, [](const TLessonListF& dialog) { return dialog.About() != nullptr; }}};
  for (const auto& tab : tabs) {
    ::SendMessageW(d.PageControl1.Handle(), TCM_SETCURFOCUS, tab.tab, 0);
    app.ProcessMessages();
    EXPECT_EQ(d.PageControl1.ActivePageIndex(), tab.tab);
    EXPECT_TRUE(tab.made(d)) << tab.tab;
  }
  EXPECT_EQ(settings, edited) << "making a page changes no setting";
  EXPECT_EQ(ShownBells().front(), L"1 08:30-09:20") << "the length typed on \"Общие\"";
  EXPECT_TRUE(d.Sounds()->cbAllSndsOFF.Checked());
  EXPECT_FALSE(d.Sounds()->cbStartStopSnd.Enabled());
  EXPECT_EQ(d.FindControl(L"cbAllSndsOFF"), &d.Sounds()->cbAllSndsOFF);
  EXPECT_EQ(d.Bell()->rgBellDirection.ItemIndex(), 1);
  EXPECT_EQ(d.Bell()->edBellOffset.Text(), L"25");
  EXPECT_EQ(d.Bell()->lbTimeServerResult.Caption(),
            L"Часы компьютера отстают на 12 с, проверено в 08:05.");
  EXPECT_TRUE(reports.empty());
}

TEST_F(LessonListTest, ShowingTheFilesDefaultsChangesNothing) {
  const Settings before = settings;
  ShowDialog();
  EXPECT_EQ(settings, before);
  EXPECT_EQ(ShownBells(), kBuiltInBells) << "the first version's timetable as one schedule";
  EXPECT_EQ(Timetable().DaysList.ItemIndex(), 0);
  EXPECT_EQ(General().edBlendVal.Text(), L"49") << "127 shows as 49 %";
  EXPECT_EQ(services.autoRunQueries,
            (std::vector<RecordingServices::AutoRunCall>{{L"Ostrevin", ProgramPath(), false}}));
  EXPECT_FALSE(General().cbAutoStart.Checked());
}

TEST_F(LessonListTest, ShowingARecordShowsWhatItsControlsCanAndChangesNothingInIt) {
  settings.Lesson(Weekday::Monday, 2) = true;
  settings.StartTime(1) = EncodeTimeOfDay(8, 30, 15, 0);  // seconds from a hand-edited file
  settings.StartTime(3) = EncodeTimeOfDay(10, 40, 0, 0);
  settings.LessLen = 605;
  settings.IntroTime = 500;  // above the field's limit of 30 minutes
  settings.FinishPartSounds = fpsFinalStart;
  settings.CountDown = true;
  settings.bWarnBeforeLesson = true;
  settings.WarnVal = 70;  // above the field's limit of 60 minutes
  settings.IsBlend = false;
  services.autoRun = true;
  const Settings shown = settings;
  ShowDialog();

  EXPECT_EQ(settings, shown);
  EXPECT_EQ(Bits(settings.StartTime(1)), Bits(EncodeTimeOfDay(8, 30, 15, 0)));
  EXPECT_FALSE(settings.Timetable.InUse());
  EXPECT_TRUE(Taught(1).Checked());
  EXPECT_TRUE(General().cbAutoStart.Checked());
  EXPECT_EQ(Start(0).Text(), L"08:30");
  EXPECT_EQ(Start(2).Text(), L"10:40");
  EXPECT_EQ(General().edLessLen.Text(), L"60");
  EXPECT_EQ(General().edIntroTime.Text(), L"30");
  EXPECT_EQ(ShownBells(),
            (std::vector<std::wstring>{L"1 08:30-09:30", L"2 09:30-10:30", L"3 10:40-11:30",
                                       L"4 11:30-12:25", L"5 12:25-13:20", L"6 13:20-14:15",
                                       L"7 14:15-15:15", L"· __:__-__:__"}))
      << "60-minute lessons, each ending by the next start at the latest";
  EXPECT_EQ(Sounds().rgFinishPartSnd.ItemIndex(), 1);
  EXPECT_TRUE(Sounds().cbCountDown.Checked());
  EXPECT_TRUE(General().edWarnVal.Enabled());
  EXPECT_EQ(General().edWarnVal.Text(), L"60");
  EXPECT_FALSE(General().edBlendVal.Enabled());
}

// Records whose controls' handlers, were they run while the controls are
// set, would write other settings (or their own again, brought within a
// field).
struct ShownRecord {
  const char* what;
  void (*change)(Settings& settings);
};
const ShownRecord kShownRecords[] = {
    {"all sounds off with the sounds themselves on", [](Settings& s) { s.AllSndsOFF = true; }},
    {"all sounds on with the sounds themselves off",
     [](Settings& s) {
       s.StartStopSnd = false;
       s.IntroPartSnd = false;
       s.FinishPartSounds = fpsNone;
     }},
    {"all sounds off, a final-part start sound and the count-down",
     [](Settings& s) {
       s.AllSndsOFF = true;
       s.FinishPartSounds = fpsFinalStart;
       s.CountDown = true;
     }},
    {"a warning beyond its field's limit",
     [](Settings& s) {
       s.bWarnBeforeLesson = true;
       s.WarnVal = 90;
     }},
    {"lengths that are no whole minutes or beyond their fields",
     [](Settings& s) {
       s.LessLen = 455;
       s.IntroTime = 400;
       s.FinishTime = 5;
     }},
    {"the file's defaults", [](Settings&) {}},
};

TEST_F(LessonListTest, AFreshDialogShowsEachRecordAndKeepsItAsItIs) {
  for (const ShownRecord& record : kShownRecords) {
    settings = test_support::SettingsFileDefaults();
    record.change(settings);
    const Settings shown = settings;
    ShowDialog();
    EXPECT_EQ(settings, shown) << record.what;
    dialog.reset();
  }
}

// One after the other into the same dialog: each file meets the controls as
// the file before left them (all sounds off checked, then a file with all
// sounds on, ...).
TEST_F(LessonListTest, AnImportedFileIsWhatTheDialogShowsAndKeeps) {
  ShowDialog();
  for (const ShownRecord& record : kShownRecords) {
    Settings inFile = test_support::SettingsFileDefaults();
    record.change(inFile);
    Import(inFile);
    EXPECT_EQ(settings, inFile) << record.what;
    EXPECT_EQ(Sounds().cbAllSndsOFF.Checked(), inFile.AllSndsOFF) << record.what;
    EXPECT_EQ(Sounds().cbStartStopSnd.Checked(), inFile.StartStopSnd) << record.what;
    EXPECT_EQ(Sounds().cbStartStopSnd.Enabled(), !inFile.AllSndsOFF) << record.what;
    EXPECT_EQ(Sounds().cbIntroPartSnd.Checked(), inFile.IntroPartSnd) << record.what;
    EXPECT_EQ(Sounds().rgFinishPartSnd.ItemIndex(), inFile.FinishPartSounds) << record.what;
    EXPECT_EQ(Sounds().rgFinishPartSnd.Enabled(), !inFile.AllSndsOFF) << record.what;
    EXPECT_EQ(Sounds().cbCountDown.Checked(), inFile.CountDown) << record.what;
  }
  EXPECT_TRUE(reports.empty());
}

TEST_F(LessonListTest, TheLessonBoxesShowAndEditTheDaySelectedByTheUser) {
  settings.Lesson(Weekday::Tuesday, 5) = true;
  ShowDialog();
  EXPECT_FALSE(Taught(4).Checked()) << "Monday";
  Choose(Timetable().DaysList, 1);
  EXPECT_TRUE(Taught(4).Checked()) << "Tuesday";
  Click(Taught(6).Handle());
  Click(Taught(4).Handle());
  EXPECT_TRUE(settings.Lesson(Weekday::Tuesday, 7));
  EXPECT_FALSE(settings.Lesson(Weekday::Tuesday, 5));
  EXPECT_FALSE(settings.Lesson(Weekday::Monday, 7));
}

TEST_F(LessonListTest, ALengthChangeMovesEveryEndOfTheFirstVersionsTimetableAtOnce) {
  ShowDialog();
  TypeInto(General().edLessLen.Handle(), L"50");
  EXPECT_EQ(settings.LessLen, 500);
  EXPECT_EQ(ShownBells(),
            (std::vector<std::wstring>{L"1 08:30-09:20", L"2 09:30-10:20", L"3 10:30-11:20",
                                       L"4 11:30-12:20", L"5 12:25-13:15", L"6 13:20-14:10",
                                       L"7 14:15-15:05", L"· __:__-__:__"}));
  TypeInto(General().edLessLen.Handle(), L"80");
  EXPECT_EQ(End(0).Text(), L"09:30") << "a lesson ends by the next bell at the latest";
  EXPECT_EQ(End(6).Text(), L"15:35");
  EXPECT_FALSE(settings.Timetable.InUse()) << "still the first version's timetable";
}

struct TypedTime {
  std::wstring typed;
  bool stored;
};

TEST_F(LessonListTest, AStartTimeIsStoredOnlyWhenItIsATimeOfDay) {
  ShowDialog();
  const TypedTime cases[] = {{L"2400", false}, {L"1260", false}, {L"0940", true}};
  for (const TypedTime& c : cases) {
    TypeInto(Start(1).Handle(), c.typed);
    if (c.stored) {
      EXPECT_EQ(Bits(settings.StartTime(2)), Bits(EncodeTimeOfDay(9, 40, 0, 0)));
      EXPECT_EQ(settings.Timetable.schedules[0].lessons[1], test_support::LessonAt(9, 40, 35));
    } else {
      EXPECT_FALSE(settings.Timetable.InUse()) << c.typed;
      EXPECT_EQ(Bits(settings.StartTime(2)), Bits(EncodeTimeOfDay(9, 30, 0, 0))) << c.typed;
    }
  }
  EXPECT_TRUE(reports.empty());
}

TEST_F(LessonListTest, AllSoundsOffSetsTheSoundControlsAndTheirHandlersTheSettings) {
  ShowDialog();
  Sounds().cbCountDown.SetChecked(true);
  ASSERT_TRUE(settings.CountDown);
  Click(Sounds().cbAllSndsOFF.Handle());
  EXPECT_TRUE(settings.AllSndsOFF);
  EXPECT_FALSE(Sounds().cbStartStopSnd.Checked());
  EXPECT_FALSE(Sounds().cbStartStopSnd.Enabled());
  EXPECT_FALSE(Sounds().cbIntroPartSnd.Enabled());
  EXPECT_FALSE(Sounds().rgFinishPartSnd.Enabled());
  EXPECT_EQ(Sounds().rgFinishPartSnd.ItemIndex(), 0);
  EXPECT_FALSE(settings.StartStopSnd);
  EXPECT_FALSE(settings.IntroPartSnd);
  EXPECT_EQ(settings.FinishPartSounds, fpsNone);
  EXPECT_FALSE(settings.CountDown);
  EXPECT_TRUE(Sounds().cbCountDown.Enabled());

  Sounds().cbIntroPartSnd.SetEnabled(true);
  Click(Sounds().cbIntroPartSnd.Handle());  // whatever they were before
  Click(Sounds().cbAllSndsOFF.Handle());
  EXPECT_FALSE(settings.AllSndsOFF);
  EXPECT_TRUE(settings.StartStopSnd);
  EXPECT_TRUE(settings.IntroPartSnd);
  EXPECT_EQ(settings.FinishPartSounds, fpsEveryMinute);
  EXPECT_TRUE(Sounds().rgFinishPartSnd.Enabled());
}

TEST_F(LessonListTest, OnlyAtTheStartOfTheFinalPartUnchecksTheCountDownWhichCanBeCheckedAgain) {
  ShowDialog();
  Click(Sounds().cbCountDown.Handle());
  ASSERT_TRUE(settings.CountDown);
  Click(Sounds().rgFinishPartSnd.ItemHandle(1));
  EXPECT_EQ(settings.FinishPartSounds, fpsFinalStart);
  EXPECT_FALSE(Sounds().cbCountDown.Checked());
  EXPECT_FALSE(settings.CountDown);
  Click(Sounds().cbCountDown.Handle());
  EXPECT_TRUE(settings.CountDown);
}

TEST_F(LessonListTest, TheOpacityIsStoredOnlyWhenItsFieldLosesTheFocus) {
  ShowDialog();
  General().edBlendVal.SetEnabled(true);
  General().edBlendVal.SetFocus();
  ::PostMessageW(General().edBlendVal.Handle(), WM_KEYDOWN, VK_UP, 1);
  app.ProcessMessages();
  EXPECT_EQ(General().edBlendVal.Text(), L"50");
  EXPECT_EQ(settings.BlendVal, 127) << "the arrows alone store nothing";
  General().edBlendVal.SetValue(49);
  General().cbBlend.SetFocus();
  EXPECT_EQ(settings.BlendVal, 125);
}

TEST_F(LessonListTest, TheWarningBoxEnablesItsFieldAndStoresItsValue) {
  ShowDialog();
  ASSERT_FALSE(General().edWarnVal.Enabled());
  Click(General().cbWarnBeforeLesson.Handle());
  EXPECT_TRUE(settings.bWarnBeforeLesson);
  EXPECT_TRUE(General().edWarnVal.Enabled());
  TypeInto(General().edWarnVal.Handle(), L"10");
  EXPECT_EQ(settings.WarnVal, 10);
}

TEST_F(LessonListTest, TheLinkOpensItsAddress) {
  TLessonListF& d = ShowDialog();
  d.PageControl1.SetActivePage(d.TabSheet3);
  const RECT& link = About().lbURL.Bounds();
  const LPARAM middle = MAKELPARAM((link.left + link.right) / 2, (link.top + link.bottom) / 2);
  ::SendMessageW(d.TabSheet3.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
  ::SendMessageW(d.TabSheet3.Handle(), WM_LBUTTONUP, 0, middle);
  EXPECT_EQ(About().lbURL.Caption(), L"www.ostrevin.org");
  EXPECT_EQ(services.openedUrls, std::vector<std::wstring>{L"https://www.ostrevin.org"})
      << "with its scheme, never a file of that name";
}

// On "Общие" two rows below the opacity: the row between belongs to the
// bell's time; the dialog has grown by both.
TEST_F(LessonListTest, TheFullScreenOptionIsTheGeneralTabsLastRowOffByDefault) {
  TLessonListF& d = ShowDialog();
  EXPECT_EQ(::GetParent(General().cbYieldToFullScreen.Handle()), d.TabSheet2.Handle());
  EXPECT_EQ(ShownText(General().cbYieldToFullScreen.Handle()),
            L"не закрывать полноэкранные показы");
  EXPECT_EQ(General().cbYieldToFullScreen.DesignPlace().left, General().cbBlend.DesignPlace().left);
  EXPECT_EQ(General().cbYieldToFullScreen.DesignPlace().top,
            General().cbBlend.DesignPlace().top + 2 * 24);
  RECT box{};
  ::GetWindowRect(General().cbYieldToFullScreen.Handle(), &box);
  RECT page{};
  ::GetWindowRect(d.TabSheet2.Handle(), &page);
  EXPECT_LE(box.bottom, page.bottom) << "the tab page holds the row";
  RECT buttons{};
  ::GetWindowRect(d.btnOK.Handle(), &buttons);
  EXPECT_GT(buttons.top, page.bottom) << "the buttons lie below the tabs";
  EXPECT_FALSE(General().cbYieldToFullScreen.Checked());
  Click(General().cbYieldToFullScreen.Handle());
  EXPECT_TRUE(settings.bYieldToFullScreen);
  Click(General().cbYieldToFullScreen.Handle());
  EXPECT_FALSE(settings.bYieldToFullScreen);
}

TEST_F(LessonListTest, TheFullScreenOptionShowsTheSettings) {
  settings.bYieldToFullScreen = true;
  ShowDialog();
  EXPECT_TRUE(General().cbYieldToFullScreen.Checked());
}

TEST_F(LessonListTest, TheBellsTabShowsTheOffsetInWordsAndTheServersName) {
  settings.BellOffset = -40;
  settings.JoinLesson = false;
  settings.TimeServer = L"ntp.school.local:11123";
  TLessonListF& d = ShowDialog();
  EXPECT_EQ(Bell().rgBellDirection.ItemIndex(), 1);  // "отстаёт на"
  EXPECT_EQ(Bell().edBellOffset.Text(), L"40");
  EXPECT_FALSE(General().cbJoinLesson.Checked());
  EXPECT_EQ(ShownText(Bell().edTimeServer.Handle()), L"ntp.school.local:11123");
  EXPECT_EQ(settings.BellOffset, -40) << "showing the dialog keeps the offset";
  EXPECT_EQ(::GetParent(Bell().edBellOffset.Handle()), d.TabSheet5.Handle());
  EXPECT_EQ(::GetParent(General().cbJoinLesson.Handle()), d.TabSheet2.Handle());
}

TEST_F(LessonListTest, TheWayAndTheSecondsOfTheBellMakeTheOffset) {
  ShowDialog();
  TypeInto(Bell().edBellOffset.Handle(), L"25");
  EXPECT_EQ(settings.BellOffset, 25) << "ahead by default";
  Bell().rgBellDirection.SetItemIndex(1);
  EXPECT_EQ(settings.BellOffset, -25);
  TypeInto(Bell().edBellOffset.Handle(), L"4000");
  EXPECT_EQ(settings.BellOffset, -3600) << "an hour at most";
  Bell().rgBellDirection.SetItemIndex(0);
  EXPECT_EQ(settings.BellOffset, 3600);
}

TEST_F(LessonListTest, TheJoiningBoxAndTheServersNameGoIntoTheSettings) {
  ShowDialog();
  ASSERT_TRUE(General().cbJoinLesson.Checked());
  Click(General().cbJoinLesson.Handle());
  EXPECT_FALSE(settings.JoinLesson);
  TypeInto(Bell().edTimeServer.Handle(), L"  10.0.0.5:123 ");
  EXPECT_EQ(settings.TimeServer, L"10.0.0.5:123");
  ::SetWindowTextW(Bell().edTimeServer.Handle(), L"");
  EXPECT_EQ(settings.TimeServer, L"");
}

// OK pressed with the keyboard: Enter on the dialog, as the user does.
class ConfirmTest : public LessonListTest {
 protected:
  void PressOk() {
    ::SetFocus(General().cbOfferExit.Handle());
    ::PostMessageW(General().cbOfferExit.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    app.ProcessMessages();
  }
};

TEST_F(ConfirmTest, LengthsThatLeaveNoMainPartAreRefusedAndTheDialogStaysOpen) {
  TLessonListF& d = ShowDialog();
  General().edIntroTime.SetValue(23);
  General().edFinishTime.SetValue(22);
  std::vector<test_support::DialogBoxContents> boxes;
  test_support::DialogBoxWatch watch([&](HWND box) {
    boxes.push_back(test_support::ReadDialogBox(box));
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  PressOk();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].HasText(
      L"Продолжительность вступительной и заключительной частей в сумме должны быть меньше "
      L"продолжительности всего урока!"));
  EXPECT_TRUE(boxes[0].HasIcon(::LoadIconW(nullptr, IDI_HAND)));
  EXPECT_EQ(boxes[0].title, L"Ostrevin");
  EXPECT_EQ(d.ModalResult(), 0);
  EXPECT_TRUE(services.autoRunSets.empty()) << "nothing registered";

  General().edIntroTime.SetValue(22);
  PressOk();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(d.ModalResult(), Form::kModalOk);
  EXPECT_EQ(services.autoRunSets,
            (std::vector<RecordingServices::AutoRunCall>{{L"Ostrevin", ProgramPath(), false}}));
}

TEST_F(ConfirmTest, OkRegistersAutostartAsTheBoxSays) {
  TLessonListF& d = ShowDialog();
  Click(General().cbAutoStart.Handle());
  PressOk();
  EXPECT_EQ(d.ModalResult(), Form::kModalOk);
  EXPECT_EQ(services.autoRunSets,
            (std::vector<RecordingServices::AutoRunCall>{{L"Ostrevin", ProgramPath(), true}}));
}

TEST_F(ConfirmTest, AFailedAutostartCheckIsReportedTheRestIsShownAndOkLeavesAutostartAlone) {
  settings.LessLen = 600;
  services.autoRunFails = true;
  TLessonListF& d = ShowDialog();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"Invalid data type for 'Ostrevin'")
      << "a quotation mark is below the full stop: none is added";
  EXPECT_TRUE(d.Visible());
  EXPECT_FALSE(General().cbAutoStart.Checked());
  EXPECT_EQ(General().edLessLen.Text(), L"60") << "the binding went on";
  PressOk();
  EXPECT_EQ(d.ModalResult(), Form::kModalOk);
  EXPECT_TRUE(services.autoRunSets.empty()) << "nobody asked";
}

TEST_F(ConfirmTest, AfterAFailedCheckTheBoxChangedByTheTeacherDecides) {
  const bool wanted[] = {true, false};
  for (bool want : wanted) {
    services.autoRunFails = true;
    services.autoRunSets.clear();
    ShowDialog();
    Click(General().cbAutoStart.Handle());
    if (!want) Click(General().cbAutoStart.Handle());
    PressOk();
    EXPECT_EQ(services.autoRunSets,
              (std::vector<RecordingServices::AutoRunCall>{{L"Ostrevin", ProgramPath(), want}}));
    dialog.reset();
  }
}

TEST_F(ConfirmTest, AnImportKeepsTheAutostartBoxAsTheTeacherHasIt) {
  ShowDialog();
  Click(General().cbAutoStart.Handle());
  Import(test_support::SettingsFileDefaults());
  EXPECT_TRUE(General().cbAutoStart.Checked());
  EXPECT_EQ(services.autoRunQueries.size(), 1u) << "asked once, as the dialog showed";
  PressOk();
  EXPECT_EQ(services.autoRunSets,
            (std::vector<RecordingServices::AutoRunCall>{{L"Ostrevin", ProgramPath(), true}}));
}

// Enter in a field is a press on OK, which leaves the field first: an
// incomplete start time is reported over the open dialog, which stays open
// until the time is whole again or its edit abandoned.
TEST_F(ConfirmTest, EnterWithAnIncompleteStartTimeReportsItAndTheDialogStaysOpen) {
  TLessonListF& d = ShowDialog();
  d.PageControl1.SetActivePage(d.TabSheet1);
  HWND field = Start(0).Handle();
  ::SetFocus(field);
  ::SendMessageW(field, EM_SETSEL, 5, 5);
  ::PostMessageW(field, WM_CHAR, L'\b', 1);
  app.ProcessMessages();
  ASSERT_EQ(Start(0).Text(), L"08:3 ");
  ::PostMessageW(field, WM_KEYDOWN, VK_RETURN, 1);
  app.ProcessMessages();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"Invalid input value.  Use escape key to abandon changes.");
  EXPECT_EQ(d.ModalResult(), 0) << "the dialog stays open";
  EXPECT_EQ(::GetFocus(), field);
  EXPECT_TRUE(services.autoRunSets.empty());

  ::PostMessageW(field, WM_KEYDOWN, VK_ESCAPE, 1);
  app.ProcessMessages();
  EXPECT_EQ(Start(0).Text(), L"08:30");
  EXPECT_EQ(d.ModalResult(), 0) << "the first Escape abandons the edit";
  ::PostMessageW(field, WM_KEYDOWN, VK_RETURN, 1);
  app.ProcessMessages();
  EXPECT_EQ(d.ModalResult(), Form::kModalOk);
  EXPECT_EQ(reports.size(), 1u);
}

struct ClosingKey {
  UINT key;
  int modalResult;
  std::int32_t blendVal;
};

// The opacity is stored when its field is left for another control: Enter
// leaves it for OK; Escape cancels and leaves no field, and neither does the
// dialog going away.
TEST_F(ConfirmTest, AnOpacityTypedThenEnterIsStoredAndThenEscapeIsNot) {
  const ClosingKey keys[] = {{VK_ESCAPE, Form::kModalCancel, 127},
                             {VK_RETURN, Form::kModalOk, 230}};
  for (const ClosingKey& c : keys) {
    settings = test_support::SettingsFileDefaults();
    TLessonListF& d = ShowDialog();
    TypeInto(General().edBlendVal.Handle(), L"90");
    ::PostMessageW(General().edBlendVal.Handle(), WM_KEYDOWN, c.key, 1);
    app.ProcessMessages();
    EXPECT_EQ(d.ModalResult(), c.modalResult) << c.key;
    d.SetVisible(false);  // as the modal loop ends
    app.ProcessMessages();
    EXPECT_EQ(settings.BlendVal, c.blendVal) << c.key;
    dialog.reset();
  }
  EXPECT_TRUE(reports.empty());
}

TEST_F(LessonListTest, ExportThenImportBringsBackTheExportedSettings) {
  TLessonListF& d = ShowDialog();
  TypeInto(General().edLessLen.Handle(), L"40");
  Click(Taught(2).Handle());
  ASSERT_TRUE(settings.Timetable.InUse()) << "the timetable is bell schedules now";
  const Settings exported = settings;
  const std::wstring file = folder + L"\\Экспорт";
  StartUnicodeFile(file + L".INI");
  auto answer = std::make_unique<test_support::DialogBoxWatch>(
      [&](HWND box) { test_support::AnswerFileDialog(box, file); });
  Click(d.btnSaveDataAs.Handle());
  answer.reset();
  Settings inFile;
  LoadSettings(inFile, file + L".INI");
  EXPECT_EQ(inFile, exported);

  TypeInto(General().edLessLen.Handle(), L"70");
  Click(Taught(2).Handle());
  ASSERT_NE(settings, exported);
  answer = std::make_unique<test_support::DialogBoxWatch>(
      [&](HWND box) { test_support::AnswerFileDialog(box, file + L".INI"); });
  Click(d.btnOpenData.Handle());
  answer.reset();
  EXPECT_EQ(settings, exported);
  EXPECT_EQ(General().edLessLen.Text(), L"40") << "the controls bound again";
  EXPECT_TRUE(Taught(2).Checked());
  EXPECT_TRUE(d.Visible()) << "the dialog stays open";
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  file << bytes;
}

std::string ReadBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Answers the file dialog with a name, then keeps the message box that
// follows and presses a button in it.
class FileThenBox {
 public:
  FileThenBox(std::wstring name, WPARAM button)
      : watch_([this, name = std::move(name), button](HWND box) {
          if (answered_++ == 0) {
            test_support::AnswerFileDialog(box, name);
            return;
          }
          boxes.push_back(test_support::ReadDialogBox(box));
          ::PostMessageW(box, WM_COMMAND, button, 0);
        }) {}

  std::vector<test_support::DialogBoxContents> boxes;

 private:
  int answered_ = 0;
  test_support::DialogBoxWatch watch_;
};

TEST_F(LessonListTest, ImportRefusesWhatIsNoSettingsFileWithAMessageAndChangesNothing) {
  TLessonListF& d = ShowDialog();
  TypeInto(General().edLessLen.Handle(), L"40");
  Click(Taught(2).Handle());
  const Settings before = settings;
  struct Case {
    const wchar_t* name;
    std::optional<std::string> bytes;  // none: no such file
    std::wstring says;
  };
  const Case cases[] = {
      {L"missing.INI", std::nullopt, L" не найден."},
      {L"report.doc", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0\0report", 18),
       L" — не файл настроек Ostrevin."},
      {L"other.ini", "[Other]\r\nLessLen=300\r\n", L" — не файл настроек Ostrevin."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    const std::wstring path = folder + L"\\" + c.name;
    if (c.bytes) WriteBytes(path, *c.bytes);
    FileThenBox answer(path, IDOK);
    Click(d.btnOpenData.Handle());
    ASSERT_EQ(answer.boxes.size(), 1u);
    EXPECT_EQ(answer.boxes[0].title, L"Ostrevin");
    EXPECT_TRUE(answer.boxes[0].HasIcon(::LoadIconW(nullptr, IDI_HAND)));
    const std::wstring more =
        c.bytes ? L" Выберите файл, сохранённый кнопкой «Сохранить настройки как...»." : L"";
    EXPECT_TRUE(answer.boxes[0].HasText(L"Файл «" + path + L"»" + c.says +
                                        L"\n\nНастройки не изменены." + more))
        << testing::PrintToString(answer.boxes[0].texts);
    EXPECT_EQ(settings, before);
    EXPECT_EQ(General().edLessLen.Text(), L"40");
    EXPECT_TRUE(Taught(2).Checked());
  }
}

TEST_F(LessonListTest, ExportOntoAnotherProgramsFileAsksBeforeReplacingItWithAWholeSettingsFile) {
  TLessonListF& d = ShowDialog();
  TypeInto(General().edLessLen.Handle(), L"40");
  const std::wstring path = folder + L"\\other.ini";
  const std::string other = "[Other]\r\nkey=value\r\n";
  WriteBytes(path, other);
  const std::wstring question = L"Файл «" + path +
                                L"» — не файл настроек Ostrevin.\n\nЗаменить его файлом "
                                L"настроек? Всё, что в нём сейчас, будет потеряно.";
  {
    FileThenBox answer(path, IDNO);
    Click(d.btnSaveDataAs.Handle());
    ASSERT_EQ(answer.boxes.size(), 1u);
    EXPECT_TRUE(answer.boxes[0].HasText(question));
    EXPECT_TRUE(answer.boxes[0].HasIcon(::LoadIconW(nullptr, IDI_EXCLAMATION)));
    EXPECT_EQ(ReadBytes(path), other);
  }
  FileThenBox answer(path, IDYES);
  Click(d.btnSaveDataAs.Handle());
  ASSERT_EQ(answer.boxes.size(), 1u);
  EXPECT_EQ(ReadBytes(path).rfind("[1]\r\n1=0\r\n", 0), 0u) << "a whole settings file";
  EXPECT_EQ(ReadBytes(path).find("[Other]"), std::string::npos);
  Settings inFile;
  EXPECT_EQ(ImportSettings(inFile, path), ImportResult::kImported);
  EXPECT_EQ(inFile, settings);
}

}  // namespace
}  // namespace ostrevin::uitest
