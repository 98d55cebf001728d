// The settings dialog driven through its real controls.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialog_boxes.h"
#include "sample_settings.h"
#include "settings/time_of_day.h"
#include "system/program_path.h"
#include "system/settings_storage.h"
#include "ui/frm_lesson_list.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

using testsupport::ShownText;

using toolkit::Form;

// A time's exact bits: the lesson start detection compares times for
// equality, so a start time must be the very value the clock builds. (Plain
// double comparisons of i686's x87 registers can see extra precision.)
std::uint64_t Bits(TimeOfDay time) {
  return std::bit_cast<std::uint64_t>(time);
}

// A dialog on the settings record of the test, with the file's defaults in
// it as the timer window loads them before showing the dialog.
class LessonListTest : public WorkFormTest {
 protected:
  void SetUp() override {
    WorkFormTest::SetUp();
    settings = test_support::SettingsFileDefaults();
  }
  void TearDown() override {
    dialog.reset();
    WorkFormTest::TearDown();
  }

  TLessonListF& NewDialog() {
    dialog = std::make_unique<TLessonListF>(settings, services, app.Handle());
    return *dialog;
  }
  // Created, shown and active, as the user sees it.
  TLessonListF& ShowDialog() {
    NewDialog().SetVisible(true);
    ::SetForegroundWindow(dialog->Handle());
    ::SetActiveWindow(dialog->Handle());
    app.ProcessMessages();
    return *dialog;
  }
  // The user types into a field: it takes the focus, its text is selected
  // and typed over.
  void TypeInto(HWND field, const std::wstring& text) {
    ::SetFocus(field);
    ::SendMessageW(field, EM_SETSEL, 0, -1);
    for (wchar_t c : text) ::PostMessageW(field, WM_CHAR, c, 1);
    app.ProcessMessages();
  }
  void Click(HWND button) {
    ::SendMessageW(button, BM_CLICK, 0, 0);
    app.ProcessMessages();
  }
  std::vector<std::wstring> EndLabels() const {
    return {dialog->end1.Caption(), dialog->end2.Caption(), dialog->end3.Caption(),
            dialog->end4.Caption(), dialog->end5.Caption(), dialog->end6.Caption(),
            dialog->end7.Caption()};
  }

  std::unique_ptr<TLessonListF> dialog;
};

TEST_F(LessonListTest, TheDialogHasItsCaptionSizeAndFourTabsAndOpensOnTheGeneralTab) {
  TLessonListF& d = NewDialog();
  EXPECT_EQ(d.Caption(), L"Настройки");
  RECT client{};
  ::GetClientRect(d.Handle(), &client);
  EXPECT_EQ(client.right, 441);
  EXPECT_EQ(client.bottom, 349);
  const LONG style = ::GetWindowLongW(d.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  ASSERT_EQ(d.PageControl1.PageCount(), 4);
  const wchar_t* captions[] = {L"Расписание уроков и звонков", L"Общие", L"Звуки", L"О программе"};
  for (int index = 0; index < 4; ++index) {
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
  EXPECT_EQ(d.Label7.Caption().rfind(L"Версия ", 0), 0u);
}

TEST_F(LessonListTest, ShowingTheFilesDefaultsChangesNothing) {
  const Settings before = settings;
  ShowDialog();
  EXPECT_EQ(settings, before);
  EXPECT_EQ(EndLabels(), (std::vector<std::wstring>{L"9:15", L"10:15", L"11:15", L"12:15", L"13:10",
                                                    L"14:05", L"15:00"}))
      << "the end labels keep their first captions";
  EXPECT_EQ(dialog->DaysList.ItemIndex(), 0);
  EXPECT_EQ(dialog->edBlendVal.Text(), L"49") << "127 shows as 49 %";
  EXPECT_EQ(services.autoRunQueries,
            (std::vector<RecordingServices::AutoRunCall>{{L"Ostrevin", ProgramPath(), false}}));
  EXPECT_FALSE(dialog->cbAutoStart.Checked());
}

TEST_F(LessonListTest, ShowingARecordThatDiffersFromTheControlsRunsTheirHandlers) {
  settings.Lesson(1, 2) = true;
  settings.StartTime(1) = EncodeTimeOfDay(8, 30, 15, 0);  // seconds from a hand-edited file
  settings.StartTime(3) = EncodeTimeOfDay(10, 40, 0, 0);
  settings.LessLen = 605;
  settings.IntroTime = 500;  // above the field's limit of 30 minutes
  settings.FinishPartSounds = fpsFinalStart;
  settings.CountDown = true;
  settings.bWarnBeforeLesson = true;
  settings.WarnVal = 7;
  settings.IsBlend = false;
  services.autoRun = true;
  TLessonListF& d = ShowDialog();

  EXPECT_TRUE(d.cb2.Checked());
  EXPECT_TRUE(d.cbAutoStart.Checked());
  EXPECT_EQ(d.MaskEdit3.Text(), L"10:40");
  EXPECT_EQ(d.edLessLen.Text(), L"60");
  EXPECT_EQ(settings.LessLen, 600) << "whole minutes";
  EXPECT_EQ(settings.IntroTime, 300) << "within the field's limits";
  EXPECT_EQ(Bits(settings.StartTime(1)), Bits(EncodeTimeOfDay(8, 30, 0, 0)))
      << "stored again without its seconds when the length changed";
  EXPECT_EQ(EndLabels(), (std::vector<std::wstring>{L"09:30", L"10:30", L"11:40", L"12:30",
                                                    L"13:25", L"14:20", L"15:15"}));
  EXPECT_EQ(d.rgFinishPartSnd.ItemIndex(), 1);
  EXPECT_FALSE(settings.CountDown) << "a fresh dialog's radio group starts on every minute";
  EXPECT_FALSE(d.cbCountDown.Checked());
  EXPECT_TRUE(d.edWarnVal.Enabled());
  EXPECT_EQ(d.edWarnVal.Text(), L"7");
  EXPECT_FALSE(d.edBlendVal.Enabled());
}

TEST_F(LessonListTest, AllSoundsOffOnAFreshDialogTurnsTheOtherSoundsOff) {
  settings.AllSndsOFF = true;
  TLessonListF& d = ShowDialog();
  EXPECT_FALSE(settings.StartStopSnd);
  EXPECT_FALSE(settings.IntroPartSnd);
  EXPECT_EQ(settings.FinishPartSounds, fpsNone);
  EXPECT_FALSE(d.cbStartStopSnd.Enabled());
  EXPECT_FALSE(d.rgFinishPartSnd.Enabled());
}

TEST_F(LessonListTest, TheSlotBoxesShowAndEditTheDaySelectedByTheUser) {
  settings.Lesson(2, 5) = true;
  TLessonListF& d = ShowDialog();
  EXPECT_FALSE(d.cb5.Checked()) << "Monday";
  ::SendMessageW(d.DaysList.Handle(), LB_SETCURSEL, 1, 0);
  ::SendMessageW(d.TabSheet1.Handle(), WM_COMMAND,
                 MAKEWPARAM(::GetDlgCtrlID(d.DaysList.Handle()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(d.DaysList.Handle()));
  EXPECT_TRUE(d.cb5.Checked()) << "Tuesday";
  Click(d.cb7.Handle());
  Click(d.cb5.Handle());
  EXPECT_TRUE(settings.Lesson(2, 7));
  EXPECT_FALSE(settings.Lesson(2, 5));
  EXPECT_FALSE(settings.Lesson(1, 7));
}

TEST_F(LessonListTest, ALengthChangeMovesEveryEndLabelAtOnce) {
  TLessonListF& d = ShowDialog();
  TypeInto(d.edLessLen.Handle(), L"50");
  EXPECT_EQ(settings.LessLen, 500);
  EXPECT_EQ(EndLabels(), (std::vector<std::wstring>{L"09:20", L"10:20", L"11:20", L"12:20",
                                                    L"13:15", L"14:10", L"15:05"}));
  TypeInto(d.edLessLen.Handle(), L"80");
  EXPECT_EQ(d.end1.Caption(), L"09:50");
}

struct TypedTime {
  std::wstring typed;
  bool stored;
};

TEST_F(LessonListTest, AStartTimeIsStoredOnlyWhenItIsATimeOfDay) {
  TLessonListF& d = ShowDialog();
  const TypedTime cases[] = {{L"2400", false}, {L"1260", false}, {L"2359", true}};
  for (const TypedTime& c : cases) {
    const TimeOfDay before = settings.StartTime(2);
    TypeInto(d.MaskEdit2.Handle(), c.typed);
    if (c.stored) {
      EXPECT_EQ(Bits(settings.StartTime(2)), Bits(EncodeTimeOfDay(23, 59, 0, 0)));
      EXPECT_EQ(d.end2.Caption(), L"00:44");
    } else {
      EXPECT_EQ(Bits(settings.StartTime(2)), Bits(before)) << c.typed;
      EXPECT_EQ(d.end2.Caption(), L"10:15") << c.typed;
    }
  }
  EXPECT_TRUE(reports.empty());
}

TEST_F(LessonListTest, AllSoundsOffSetsTheSoundControlsAndTheirHandlersTheSettings) {
  TLessonListF& d = ShowDialog();
  d.cbCountDown.SetChecked(true);
  ASSERT_TRUE(settings.CountDown);
  Click(d.cbAllSndsOFF.Handle());
  EXPECT_TRUE(settings.AllSndsOFF);
  EXPECT_FALSE(d.cbStartStopSnd.Checked());
  EXPECT_FALSE(d.cbStartStopSnd.Enabled());
  EXPECT_FALSE(d.cbIntroPartSnd.Enabled());
  EXPECT_FALSE(d.rgFinishPartSnd.Enabled());
  EXPECT_EQ(d.rgFinishPartSnd.ItemIndex(), 0);
  EXPECT_FALSE(settings.StartStopSnd);
  EXPECT_FALSE(settings.IntroPartSnd);
  EXPECT_EQ(settings.FinishPartSounds, fpsNone);
  EXPECT_FALSE(settings.CountDown);
  EXPECT_TRUE(d.cbCountDown.Enabled());

  d.cbIntroPartSnd.SetEnabled(true);
  Click(d.cbIntroPartSnd.Handle());  // whatever they were before
  Click(d.cbAllSndsOFF.Handle());
  EXPECT_FALSE(settings.AllSndsOFF);
  EXPECT_TRUE(settings.StartStopSnd);
  EXPECT_TRUE(settings.IntroPartSnd);
  EXPECT_EQ(settings.FinishPartSounds, fpsEveryMinute);
  EXPECT_TRUE(d.rgFinishPartSnd.Enabled());
}

TEST_F(LessonListTest, OnlyAtTheStartOfTheFinalPartUnchecksTheCountDownWhichCanBeCheckedAgain) {
  TLessonListF& d = ShowDialog();
  Click(d.cbCountDown.Handle());
  ASSERT_TRUE(settings.CountDown);
  Click(d.rgFinishPartSnd.ItemHandle(1));
  EXPECT_EQ(settings.FinishPartSounds, fpsFinalStart);
  EXPECT_FALSE(d.cbCountDown.Checked());
  EXPECT_FALSE(settings.CountDown);
  Click(d.cbCountDown.Handle());
  EXPECT_TRUE(settings.CountDown);
}

TEST_F(LessonListTest, TheOpacityIsStoredOnlyWhenItsFieldLosesTheFocus) {
  TLessonListF& d = ShowDialog();
  d.edBlendVal.SetEnabled(true);
  d.edBlendVal.SetFocus();
  ::PostMessageW(d.edBlendVal.Handle(), WM_KEYDOWN, VK_UP, 1);
  app.ProcessMessages();
  EXPECT_EQ(d.edBlendVal.Text(), L"50");
  EXPECT_EQ(settings.BlendVal, 127) << "the arrows alone store nothing";
  d.edBlendVal.SetValue(49);
  d.cbBlend.SetFocus();
  EXPECT_EQ(settings.BlendVal, 125);
}

TEST_F(LessonListTest, TheWarningBoxEnablesItsFieldAndStoresItsValue) {
  TLessonListF& d = ShowDialog();
  ASSERT_FALSE(d.edWarnVal.Enabled());
  Click(d.cbWarnBeforeLesson.Handle());
  EXPECT_TRUE(settings.bWarnBeforeLesson);
  EXPECT_TRUE(d.edWarnVal.Enabled());
  TypeInto(d.edWarnVal.Handle(), L"10");
  EXPECT_EQ(settings.WarnVal, 10);
}

TEST_F(LessonListTest, TheLinkOpensItsAddress) {
  TLessonListF& d = ShowDialog();
  d.PageControl1.SetActivePage(d.TabSheet3);
  const RECT& link = d.lbURL.Bounds();
  const LPARAM middle = MAKELPARAM((link.left + link.right) / 2, (link.top + link.bottom) / 2);
  ::SendMessageW(d.TabSheet3.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
  ::SendMessageW(d.TabSheet3.Handle(), WM_LBUTTONUP, 0, middle);
  EXPECT_EQ(services.openedUrls, std::vector<std::wstring>{d.lbURL.Caption()});
}

// On "Общие" two rows below the opacity: the row between belongs to the
// bell's time; the dialog has grown by both.
TEST_F(LessonListTest, TheFullScreenOptionIsTheGeneralTabsLastRowOffByDefault) {
  TLessonListF& d = ShowDialog();
  EXPECT_EQ(::GetParent(d.cbYieldToFullScreen.Handle()), d.TabSheet2.Handle());
  EXPECT_EQ(ShownText(d.cbYieldToFullScreen.Handle()), L"не закрывать полноэкранные показы");
  EXPECT_EQ(d.cbYieldToFullScreen.DesignPlace().left, d.cbBlend.DesignPlace().left);
  EXPECT_EQ(d.cbYieldToFullScreen.DesignPlace().top, d.cbBlend.DesignPlace().top + 2 * 24);
  RECT box{};
  ::GetWindowRect(d.cbYieldToFullScreen.Handle(), &box);
  RECT page{};
  ::GetWindowRect(d.TabSheet2.Handle(), &page);
  EXPECT_LE(box.bottom, page.bottom) << "the tab page holds the row";
  RECT buttons{};
  ::GetWindowRect(d.btnOK.Handle(), &buttons);
  EXPECT_GT(buttons.top, page.bottom) << "the buttons lie below the tabs";
  EXPECT_FALSE(d.cbYieldToFullScreen.Checked());
  Click(d.cbYieldToFullScreen.Handle());
  EXPECT_TRUE(settings.bYieldToFullScreen);
  Click(d.cbYieldToFullScreen.Handle());
  EXPECT_FALSE(settings.bYieldToFullScreen);
}

TEST_F(LessonListTest, TheFullScreenOptionShowsTheSettings) {
  settings.bYieldToFullScreen = true;
  TLessonListF& d = ShowDialog();
  EXPECT_TRUE(d.cbYieldToFullScreen.Checked());
}

TEST_F(LessonListTest, AFailedAutostartQueryIsReportedAndStopsTheBindingThere) {
  settings.LessLen = 600;
  services.autoRunFails = true;
  TLessonListF& d = ShowDialog();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"Invalid data type for 'Ostrevin'")
      << "a quotation mark is below the full stop: none is added";
  EXPECT_TRUE(d.Visible());
  EXPECT_EQ(d.edLessLen.Text(), L"45");
  EXPECT_EQ(settings.LessLen, 600);
}

// OK pressed with the keyboard: Enter on the dialog, as the user does.
class ConfirmTest : public LessonListTest {
 protected:
  void PressOk() {
    ::SetFocus(dialog->cbOfferExit.Handle());
    ::PostMessageW(dialog->cbOfferExit.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    app.ProcessMessages();
  }
};

TEST_F(ConfirmTest, LengthsThatLeaveNoMainPartAreRefusedAndTheDialogStaysOpen) {
  TLessonListF& d = ShowDialog();
  d.edIntroTime.SetValue(23);
  d.edFinishTime.SetValue(22);
  std::vector<testsupport::DialogBoxContents> boxes;
  testsupport::DialogBoxWatch watch([&](HWND box) {
    boxes.push_back(testsupport::ReadDialogBox(box));
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

  d.edIntroTime.SetValue(22);
  PressOk();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(d.ModalResult(), Form::kModalOk);
  EXPECT_EQ(services.autoRunSets,
            (std::vector<RecordingServices::AutoRunCall>{{L"Ostrevin", ProgramPath(), false}}));
}

TEST_F(ConfirmTest, OkRegistersAutostartAsTheBoxSays) {
  TLessonListF& d = ShowDialog();
  Click(d.cbAutoStart.Handle());
  PressOk();
  EXPECT_EQ(d.ModalResult(), Form::kModalOk);
  EXPECT_EQ(services.autoRunSets,
            (std::vector<RecordingServices::AutoRunCall>{{L"Ostrevin", ProgramPath(), true}}));
}

TEST_F(LessonListTest, ExportThenImportBringsBackTheExportedSettings) {
  TLessonListF& d = ShowDialog();
  TypeInto(d.edLessLen.Handle(), L"40");
  Click(d.cb3.Handle());
  const Settings exported = settings;
  const std::wstring file = folder + L"\\Экспорт";
  auto answer = std::make_unique<testsupport::DialogBoxWatch>(
      [&](HWND box) { testsupport::AnswerFileDialog(box, file); });
  Click(d.btnSaveDataAs.Handle());
  answer.reset();
  Settings inFile;
  LoadSettings(inFile, file + L".INI");
  EXPECT_EQ(inFile, exported);

  TypeInto(d.edLessLen.Handle(), L"70");
  Click(d.cb3.Handle());
  ASSERT_NE(settings, exported);
  answer = std::make_unique<testsupport::DialogBoxWatch>(
      [&](HWND box) { testsupport::AnswerFileDialog(box, file + L".INI"); });
  Click(d.btnOpenData.Handle());
  answer.reset();
  EXPECT_EQ(settings, exported);
  EXPECT_EQ(d.edLessLen.Text(), L"40") << "the controls bound again";
  EXPECT_TRUE(d.cb3.Checked());
  EXPECT_TRUE(d.Visible()) << "the dialog stays open";
}

}  // namespace
}  // namespace ostrevin::uitest
