// The lesson number icon of the real timer window: what it shows at start-up
// and on the ticks of a settable clock, and its switch in the tray menu.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <ostream>
#include <string>
#include <vector>

#include "components/tray_icon_handler.h"
#include "support/passed_lessons_printer.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

// No end-of-day question: its modal box would wait for an answer.
const char kNoExitOffer[] = "[Common]\r\nbOfferExit=0\r\n";

constexpr wchar_t kNotBegun[] = L"Уроки ещё не начались";
constexpr wchar_t kOver[] = L"Уроки закончились! ))";

const PassedLessons kNotBegunYet{PassedLessons::Stage::NotBegun};
const PassedLessons kLessonsOver{PassedLessons::Stage::Over};

PassedLessons After(int lesson) {
  return PassedLessons::After(lesson);
}

class WorkFormIndicatorTest : public WorkFormTest {
 protected:
  TWorkF& StartAt(Weekday dayOfWeek, int hour, int minute,
                  const std::string& settingsFile = kNoExitOffer) {
    WriteSettingsFile(settingsFile);
    clock.Set(dayOfWeek, hour, minute);
    return CreateForm();
  }

  // One tick at a time of day; returns what it sent about the number icon.
  std::vector<DWORD> TickAt(int hour, int minute, int second = 0) {
    clock.Set(Weekday::Monday, hour, minute, second);
    const std::size_t before = NumberIconRequests().size();
    Tick();
    std::vector<DWORD> sent;
    const auto requests = NumberIconRequests();
    for (std::size_t i = before; i < requests.size(); ++i) sent.push_back(requests[i].message);
    return sent;
  }

  std::vector<RecordingTrayShell::Request> NumberIconRequests() const {
    return tray.RequestsFor(form->NumberTrayIcon.IconId());
  }

  void ExpectShows(const std::wstring& text, const std::wstring& hint) const {
    const TTextNotifyIcon& icon = form->NumberTrayIcon;
    EXPECT_EQ(icon.Text(), text);
    EXPECT_EQ(icon.Hint(), hint);
    EXPECT_TRUE(tray.Shows(icon.IconId()));
    // The shell has the icon's current picture and tooltip.
    const auto requests = NumberIconRequests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().data.hIcon, icon.Icon());
    EXPECT_EQ(std::wstring(requests.back().data.szTip), hint);
  }
};

const std::vector<DWORD> kNothing;
// The picture and the tooltip reach the tray together.
const std::vector<DWORD> kOneChange{NIM_MODIFY};

TEST_F(WorkFormIndicatorTest, HasTheTimerWindowsLookAndMenu) {
  TWorkF& workF = StartAt(Weekday::Monday, 7, 0);
  const TTextNotifyIcon& icon = workF.NumberTrayIcon;
  const toolkit::FontDesign& font = icon.Font().Design();
  EXPECT_EQ(font.face, L"MS Sans Serif");
  EXPECT_EQ(font.height, 13);
  EXPECT_TRUE(font.bold);
  EXPECT_EQ(font.color, clWhite);
  EXPECT_FALSE(font.smooth);
  EXPECT_EQ(icon.Color(), clBlue);
  EXPECT_TRUE(icon.Border());
  EXPECT_EQ(icon.BorderColor(), clWhite);
  EXPECT_EQ(icon.Options().OffsetX(), 1);
  EXPECT_EQ(icon.Options().OffsetY(), 0);
  EXPECT_EQ(icon.Options().LineDistance(), 0);
  EXPECT_EQ(icon.PopupMenu(), &workF.TrayPopup);
  EXPECT_NE(icon.IconId(), workF.AppTrayIcon.IconId());
  EXPECT_TRUE(tray.Shows(workF.AppTrayIcon.IconId()));
}

struct StartCase {
  const char* name;
  Weekday dayOfWeek;
  int hour;
  int minute;
  const wchar_t* text;
  const wchar_t* hint;
  PassedLessons prevLesson;
};

void PrintTo(const StartCase& c, std::ostream* out) {
  *out << c.name;
}

class IndicatorAtStartTest : public WorkFormIndicatorTest,
                             public testing::WithParamInterface<StartCase> {};

TEST_P(IndicatorAtStartTest, ShowsTheDaysStateAtOnce) {
  const StartCase& c = GetParam();
  TWorkF& workF = StartAt(c.dayOfWeek, c.hour, c.minute);
  ExpectShows(c.text, c.hint);
  EXPECT_EQ(workF.Clock.PrevLesson(), c.prevLesson);
  EXPECT_TRUE(reports.empty());
}

// The built-in timetable: lessons of 45 minutes from 08:30, 09:30, 10:30,
// 11:30, 12:25, 13:20 and 14:15, on every day alike.
INSTANTIATE_TEST_SUITE_P(
    Day, IndicatorAtStartTest,
    testing::Values(
        StartCase{"BeforeTheLessons", Weekday::Monday, 7, 0, L"--", kNotBegun, kNotBegunYet},
        StartCase{"DuringLessonOne", Weekday::Monday, 8, 40, L"1", L"Сейчас идёт 1-й урок",
                  After(1)},
        StartCase{"BreakBeforeLessonFour", Weekday::Monday, 11, 20, L"II",
                  L"Сейчас перемена перед 4-м уроком", After(3)},
        StartCase{"DuringLessonSeven", Weekday::Friday, 14, 59, L"7", L"Сейчас идёт 7-й урок",
                  After(7)},
        StartCase{"AfterTheLessons", Weekday::Thursday, 15, 10, L"--", kOver, kLessonsOver},
        StartCase{"SaturdayDuringLessonThree", Weekday::Saturday, 10, 40, L"3",
                  L"Сейчас идёт 3-й урок", After(3)},
        StartCase{"SundayBreakBeforeLessonTwo", Weekday::Sunday, 9, 20, L"II",
                  L"Сейчас перемена перед 2-м уроком", After(1)}),
    [](const testing::TestParamInfo<StartCase>& info) { return info.param.name; });

TEST_F(WorkFormIndicatorTest, ABreaksTicksLeaveTheTrayAloneAndTheNextLessonShowsAtItsStart) {
  TWorkF& workF = StartAt(Weekday::Monday, 11, 20);
  EXPECT_EQ(TickAt(11, 20, 30), kNothing);
  EXPECT_EQ(TickAt(11, 29, 30), kNothing);
  ExpectShows(L"II", L"Сейчас перемена перед 4-м уроком");

  EXPECT_EQ(TickAt(11, 30), kOneChange);
  ExpectShows(L"4", L"Сейчас идёт 4-й урок");
  EXPECT_EQ(workF.Clock.PrevLesson(), After(4));
  EXPECT_EQ(TickAt(11, 30, 30), kNothing);
  EXPECT_EQ(TickAt(12, 15), kNothing);

  // Straight from the number to the break sign, never "--" on the way.
  EXPECT_EQ(TickAt(12, 15, 30), kOneChange);
  ExpectShows(L"II", L"Сейчас перемена перед 5-м уроком");
}

// A school day of ticks, 07:00 to 16:00: the tray hears of the number icon
// once for every change of what it shows, and of nothing else.
TEST_F(WorkFormIndicatorTest, ADayOfTicksModifiesTheTrayOnlyForEachChange) {
  TWorkF& workF = StartAt(Weekday::Monday, 7, 0);
  const TTextNotifyIcon& icon = workF.NumberTrayIcon;
  std::vector<std::wstring> texts{icon.Text()};
  std::size_t changes = 0;
  std::size_t modifies = 0;
  std::wstring shown = icon.Text() + L"|" + icon.Hint();
  for (int halfMinute = 1; halfMinute <= 9 * 120; ++halfMinute) {
    const int minute = 7 * 60 + halfMinute / 2;
    const auto sent = TickAt(minute / 60, minute % 60, halfMinute % 2 * 30);
    for (DWORD message : sent) EXPECT_EQ(message, static_cast<DWORD>(NIM_MODIFY));
    modifies += sent.size();
    const std::wstring now = icon.Text() + L"|" + icon.Hint();
    if (now == shown) continue;
    ++changes;
    shown = now;
    if (icon.Text() != texts.back()) texts.push_back(icon.Text());
  }
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"--", L"1", L"II", L"2", L"II", L"3", L"II", L"4",
                                              L"II", L"5", L"II", L"6", L"II", L"7", L"--"}));
  EXPECT_EQ(changes, texts.size() - 1);
  EXPECT_EQ(modifies, changes);
  ExpectShows(L"--", kOver);
}

TEST_F(WorkFormIndicatorTest, LessonsThatTouchGoFromNumberToNumber) {
  // The second lesson begins as the first ends.
  TWorkF& workF = StartAt(Weekday::Monday, 9, 0,
                          "[Times]\r\n1=8:30:00\r\n2=9:15:00\r\n3=10:30:00\r\n4=11:30:00\r\n"
                          "5=12:25:00\r\n6=13:20:00\r\n7=14:15:00\r\n"
                          "[Common]\r\nbOfferExit=0\r\n");
  ExpectShows(L"1", L"Сейчас идёт 1-й урок");
  EXPECT_EQ(TickAt(9, 14, 30), kNothing);
  // Both lessons take the instant; the first keeps it.
  EXPECT_EQ(TickAt(9, 15), kNothing);
  EXPECT_EQ(TickAt(9, 15, 30), kOneChange);
  ExpectShows(L"2", L"Сейчас идёт 2-й урок");
  EXPECT_EQ(workF.Clock.PrevLesson(), After(2));
}

TEST_F(WorkFormIndicatorTest, AfterTheLastLessonTheNextMorningStillSaysTheyAreOver) {
  StartAt(Weekday::Monday, 15, 10);
  EXPECT_EQ(TickAt(23, 59, 30), kNothing);
  EXPECT_EQ(TickAt(7, 0), kNothing);
  ExpectShows(L"--", kOver);
}

TEST_F(WorkFormIndicatorTest, SwitchedOffAndOnInOneLessonItComesBackUnchanged) {
  TWorkF& workF = StartAt(Weekday::Monday, 10, 40);
  ExpectShows(L"3", L"Сейчас идёт 3-й урок");
  const HICON picture = workF.NumberTrayIcon.Icon();
  const std::size_t before = NumberIconRequests().size();

  workF.TrayPopup.Choose(1);
  EXPECT_FALSE(tray.Shows(workF.NumberTrayIcon.IconId()));
  EXPECT_FALSE(SettingsInFile().ShowCurrNo);
  EXPECT_EQ(NumberIconRequests().size(), before + 1);
  EXPECT_EQ(TickAt(10, 41), kNothing);
  EXPECT_EQ(TickAt(11, 20), kNothing);
  clock.Set(Weekday::Monday, 10, 50);

  workF.TrayPopup.Choose(1);
  EXPECT_TRUE(SettingsInFile().ShowCurrNo);
  const auto requests = NumberIconRequests();
  ASSERT_EQ(requests.size(), before + 2);
  EXPECT_EQ(requests.back().message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(requests.back().data.hIcon, picture);
  ExpectShows(L"3", L"Сейчас идёт 3-й урок");
  EXPECT_TRUE(reports.empty());
}

TEST_F(WorkFormIndicatorTest, SwitchedOnInAnotherStateItCatchesUp) {
  TWorkF& workF = StartAt(Weekday::Monday, 10, 40, "[Common]\r\nShowCurrNo=0\r\nbOfferExit=0\r\n");
  clock.Set(Weekday::Monday, 11, 20);
  workF.TrayPopup.Choose(1);
  ExpectShows(L"II", L"Сейчас перемена перед 4-м уроком");
}

TEST_F(WorkFormIndicatorTest, SwitchedOffAtStartItIsNeverAddedAndTicksLeaveItAlone) {
  TWorkF& workF = StartAt(Weekday::Monday, 10, 40, "[Common]\r\nShowCurrNo=0\r\nbOfferExit=0\r\n");
  EXPECT_FALSE(workF.NumberTrayIcon.IconVisible());
  EXPECT_FALSE(tray.Shows(workF.NumberTrayIcon.IconId()));
  for (const RecordingTrayShell::Request& request : NumberIconRequests()) {
    EXPECT_NE(request.message, static_cast<DWORD>(NIM_ADD));
  }
  EXPECT_EQ(TickAt(10, 41), kNothing);
  EXPECT_EQ(TickAt(11, 20), kNothing);
  EXPECT_EQ(workF.NumberTrayIcon.Text(), L"II");
}

TEST_F(WorkFormIndicatorTest, AClickOnItShowsTheTimerWindow) {
  TWorkF& workF = StartAt(Weekday::Monday, 10, 40);
  ASSERT_FALSE(::IsWindowVisible(workF.Handle()));
  for (UINT code : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
    ::SendMessageW(TrayHandlerWindow(), TrayCallbackMessage, workF.NumberTrayIcon.IconId(), code);
  }
  EXPECT_TRUE(::IsWindowVisible(workF.Handle()));
}

}  // namespace
}  // namespace ostrevin::uitest
