// The timer window opens its settings dialog: reload, modal dialog, what OK
// and Cancel leave, what is saved while it is open, the open-dialog reference
// and the fading it holds off.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialog_boxes.h"
#include "settings/settings_file_notices.h"
#include "system/settings_storage.h"
#include "toolkit/error_guard.h"
#include "ui/bell_page.h"
#include "ui/frm_lesson_list.h"
#include "ui/general_page.h"
#include "ui/model/bell_offset_choice.h"
#include "ui/timetable_page.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

// Runs a script once the settings dialog is on screen, from a timer that
// fires inside the dialog's modal loop.
class WorkFormOptionsTest : public WorkFormTest {
 protected:
  void WhenDialogShows(std::function<void(TLessonListF&)> script) {
    pending = std::move(script);
    current = this;
    timer = ::SetTimer(nullptr, 0, 20, &WorkFormOptionsTest::Poll);
  }
  void TearDown() override {
    if (timer) ::KillTimer(nullptr, timer);
    current = nullptr;
    WorkFormTest::TearDown();
  }
  void TypeInto(HWND field, const std::wstring& text) {
    ::SetFocus(field);
    ::SendMessageW(field, EM_SETSEL, 0, -1);
    for (wchar_t c : text) ::SendMessageW(field, WM_CHAR, c, 1);
  }

  std::function<void(TLessonListF&)> pending;
  UINT_PTR timer = 0;

 private:
  static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
    if (!current || !current->form) return;
    TLessonListF* dialog = current->form->LessonListF();
    if (!dialog || !dialog->Visible() || !current->pending) return;
    ::KillTimer(nullptr, current->timer);
    current->timer = 0;
    const auto script = std::move(current->pending);
    current->pending = nullptr;
    script(*dialog);
  }
  static inline WorkFormOptionsTest* current = nullptr;
};

TEST_F(WorkFormOptionsTest, TheDialogsEditsDriveTheClockAtOnceAndCancelPutsBackWhatItOpenedWith) {
  WriteSettingsFile("[Common]\r\nLessLen=450\r\nIsBlend=0\r\n");
  TWorkF& workF = CreateForm();
  settings.LessLen = 900;  // changed in memory, never saved
  workF.acStartExecute();
  WhenDialogShows([&](TLessonListF& dialog) {
    EXPECT_EQ(dialog.General().edLessLen.Text(), L"45") << "read again from the file";
    TypeInto(dialog.General().edLessLen.Handle(), L"50");
    for (int tick = 0; tick < 95; ++tick) Tick();
    EXPECT_NE(workF.Clock.LessonState(), lsIdle) << "47.5 minutes into a 50-minute lesson";
    ::SendMessageW(dialog.Button2.Handle(), BM_CLICK, 0, 0);
  });
  workF.acOptions.Execute();
  EXPECT_EQ(workF.LessonListF(), nullptr);
  EXPECT_EQ(settings.LessLen, 450);
  EXPECT_EQ(SettingsInFile().LessLen, 450) << "Cancel saves nothing";
  Tick();
  EXPECT_EQ(workF.Clock.LessonState(), lsIdle) << "48 minutes: past the 45 the lesson has again";
}

struct CancelWay {
  const char* name;
  void (*cancel)(TLessonListF& dialog);
};

// An imported file and an edit, then the dialog ended without OK, each way
// the teacher (or the program's end) can: the settings are back to what the
// dialog opened with, and the file is untouched.
TEST_F(WorkFormOptionsTest, EveryWayOfCancellingPutsBackTheSettingsTheDialogOpenedWith) {
  const CancelWay ways[] = {
      {"Отмена", [](TLessonListF& d) { ::SendMessageW(d.Button2.Handle(), BM_CLICK, 0, 0); }},
      {"Escape",
       [](TLessonListF& d) {
         ::PostMessageW(d.General().edIntroTime.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
       }},
      {"the close box", [](TLessonListF& d) { ::PostMessageW(d.Handle(), WM_CLOSE, 0, 0); }},
      {"the program's end", [](TLessonListF&) { toolkit::Application::Instance().Terminate(); }},
  };
  WriteSettingsFile("[Common]\r\nLessLen=450\r\nIntroTime=50\r\n[1]\r\n3=1\r\n");
  Settings other = SettingsInFile();
  other.LessLen = 600;
  other.Lesson(Weekday::Tuesday, 4) = true;
  other.AllSndsOFF = true;
  const std::wstring otherFile = folder + L"\\другой.INI";
  SaveSettings(other, otherFile);
  TWorkF& workF = CreateForm();
  const Settings opened = SettingsInFile();
  for (const CancelWay& way : ways) {
    WhenDialogShows([&](TLessonListF& dialog) {
      test_support::DialogBoxWatch answer(
          [&](HWND box) { test_support::AnswerFileDialog(box, otherFile); });
      ::SendMessageW(dialog.btnOpenData.Handle(), BM_CLICK, 0, 0);
      EXPECT_EQ(settings, other) << way.name << ": the imported file drives the clock";
      TypeInto(dialog.General().edIntroTime.Handle(), L"7");
      way.cancel(dialog);
    });
    workF.acOptions.Execute();
    EXPECT_EQ(settings, opened) << way.name;
    EXPECT_EQ(SettingsInFile(), opened) << way.name;
    EXPECT_EQ(workF.LessonListF(), nullptr) << way.name;
  }
  EXPECT_TRUE(reports.empty());
}

// The lesson number switch in the tray menu saves at once, also while the
// dialog is open: the switch, never the dialog's edits before OK. The dialog's
// box follows it, and it stays after Cancel.
TEST_F(WorkFormOptionsTest, TheTraySwitchWhileTheDialogIsOpenSavesItselfButNoEditOfTheDialog) {
  const bool oks[] = {false, true};
  for (bool ok : oks) {
    WriteSettingsFile("[Common]\r\nLessLen=450\r\nShowCurrNo=1\r\n");
    TWorkF& workF = CreateForm();
    WhenDialogShows([&](TLessonListF& dialog) {
      TypeInto(dialog.General().edLessLen.Handle(), L"50");
      workF.TrayPopup.Choose(1);  // "Показывать номер текущего урока"
      EXPECT_FALSE(dialog.General().cbShowCurrNo.Checked());
      EXPECT_FALSE(SettingsInFile().ShowCurrNo);
      EXPECT_EQ(SettingsInFile().LessLen, 450) << "the length is not confirmed yet";
      HWND button = ok ? dialog.btnOK.Handle() : dialog.Button2.Handle();
      ::SendMessageW(button, BM_CLICK, 0, 0);
    });
    workF.acOptions.Execute();
    EXPECT_FALSE(settings.ShowCurrNo) << ok;
    EXPECT_FALSE(workF.NumberTrayIcon.IconVisible()) << ok;
    EXPECT_FALSE(workF.acShowCurrNo.Checked()) << ok;
    EXPECT_FALSE(SettingsInFile().ShowCurrNo) << ok;
    EXPECT_EQ(SettingsInFile().LessLen, ok ? 500 : 450) << ok;
    DestroyForm();
  }
  EXPECT_TRUE(reports.empty());
}

TEST_F(WorkFormOptionsTest, F12OpensTheDialogOnTheFilesSettingsDroppingUnsavedChanges) {
  WriteSettingsFile("[Common]\r\nLessLen=400\r\nWarnVal=7\r\n");
  TWorkF& workF = CreateForm();
  settings.LessLen = 300;
  settings.WarnVal = 9;
  workF.N1Click();
  int shown = 0;
  WhenDialogShows([&](TLessonListF& dialog) {
    ++shown;
    EXPECT_EQ(settings.LessLen, 400);
    EXPECT_EQ(settings.WarnVal, 7);
    EXPECT_EQ(dialog.General().edWarnVal.Text(), L"7");
    ::SendMessageW(dialog.Button2.Handle(), BM_CLICK, 0, 0);
  });
  PressKey(VK_F12);
  EXPECT_EQ(shown, 1);
}

TEST_F(WorkFormOptionsTest, OkSavesTheSettingsAndAppliesTheLessonNumberSwitch) {
  TWorkF& workF = CreateForm();
  ASSERT_TRUE(workF.acShowCurrNo.Checked());
  WhenDialogShows([&](TLessonListF& dialog) {
    ::SendMessageW(dialog.General().cbShowCurrNo.Handle(), BM_CLICK, 0, 0);
    TypeInto(dialog.General().edIntroTime.Handle(), L"7");
    ::SendMessageW(dialog.btnOK.Handle(), BM_CLICK, 0, 0);
  });
  ASSERT_TRUE(workF.NumberTrayIcon.IconVisible());
  workF.acOptions.Execute();
  EXPECT_FALSE(workF.acShowCurrNo.Checked());
  EXPECT_FALSE(workF.NumberTrayIcon.IconVisible());
  const Settings stored = SettingsInFile();
  EXPECT_FALSE(stored.ShowCurrNo);
  EXPECT_EQ(stored.IntroTime, 70);
  EXPECT_EQ(services.autoRunSets.size(), 1u);
}

// Logoff, or an installer closing the program, while the dialog is open: the
// settings are saved once, as the dialog found them, without its unconfirmed
// edits, and the process ends with the dialog still open.
TEST_F(WorkFormOptionsTest, TheSessionsEndWithTheDialogOpenSavesTheSettingsAsBeforeTheDialog) {
  WriteSettingsFile("[Common]\r\nLessLen=450\r\nWarnVal=7\r\n");
  TWorkF& workF = CreateForm();
  bool dialogOpenAtTheEnd = false;
  app.SetProcessEnd([&] {
    ++processEnds;
    dialogOpenAtTheEnd = workF.LessonListF() != nullptr;
  });
  WhenDialogShows([&](TLessonListF& dialog) {
    ::SendMessageW(dialog.General().cbShowCurrNo.Handle(), BM_CLICK, 0, 0);
    TypeInto(dialog.General().edLessLen.Handle(), L"50");
    ::SetFocus(dialog.General().cbShowCurrNo.Handle());
    EXPECT_FALSE(settings.ShowCurrNo) << "the edit is in force in memory";
    ::SendMessageW(app.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  });
  workF.acOptions.Execute();
  EXPECT_EQ(processEnds, 1);
  EXPECT_TRUE(dialogOpenAtTheEnd);
  EXPECT_EQ(KeysInFile(L"Common").size(), 10u) << "saved at the end";
  const Settings stored = SettingsInFile();
  EXPECT_EQ(stored.LessLen, 450);
  EXPECT_EQ(stored.WarnVal, 7);
  EXPECT_TRUE(stored.ShowCurrNo);
  EXPECT_TRUE(reports.empty());
}

TEST_F(WorkFormOptionsTest, WhileTheDialogIsOpenNeitherFadeRunsAndTheFlagStays) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  RunFade(workF);
  const int opacity = LayeredOpacity(workF.Handle());
  const int tag = workF.Tag();
  WhenDialogShows([&](TLessonListF& dialog) {
    EXPECT_EQ(workF.LessonListF(), &dialog);
    workF.FadeOut();
    workF.FadeIn();
    EXPECT_EQ(workF.Tag(), tag);
    EXPECT_EQ(LayeredOpacity(workF.Handle()), opacity);
    ::SendMessageW(dialog.Button2.Handle(), BM_CLICK, 0, 0);
  });
  workF.acOptions.Execute();
  EXPECT_FALSE(workF.Fading());
  workF.FadeOut();
  EXPECT_EQ(workF.Tag(), TWorkF::kFadedTag) << "free again after the dialog";
}

TEST_F(WorkFormOptionsTest, F12AndTheTrayMenuInsideTheDialogOpenNoSecondDialog) {
  TWorkF& workF = CreateForm();
  WhenDialogShows([&](TLessonListF& dialog) {
    ::PostMessageW(dialog.General().edLessLen.Handle(), WM_KEYDOWN, VK_F12, 1);
    app.ProcessMessages();
    workF.TrayPopup.Choose(2);  // "Настройки"
    EXPECT_EQ(workF.LessonListF(), &dialog);
    ::SendMessageW(dialog.Button2.Handle(), BM_CLICK, 0, 0);
  });
  workF.acOptions.Execute();
  EXPECT_EQ(services.autoRunQueries.size(), 1u) << "one dialog shown";
  EXPECT_TRUE(reports.empty());
}

// The edits of an OK whose save failed stay in the program: the dialog opened
// again shows them, and its OK once the file is free saves them.
TEST_F(WorkFormOptionsTest, AFailedSaveAfterOkIsReportedInRussianAndTheEditsStay) {
  WriteSettingsFile("[Common]\r\nLessLen=450\r\n");
  TWorkF& workF = CreateForm();
  HANDLE locked = INVALID_HANDLE_VALUE;
  WhenDialogShows([&](TLessonListF& dialog) {
    dialog.General().edLessLen.SetValue(35);
    // Held open without sharing, the settings file cannot be written.
    locked = ::CreateFileW(settingsPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ::SendMessageW(dialog.btnOK.Handle(), BM_CLICK, 0, 0);
  });
  // As the toolbar or the key runs it: inside the message loop's guard.
  toolkit::RunGuarded([&] { workF.acOptions.Execute(); });
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  ::CloseHandle(locked);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, SettingsNotSavedText(settingsPath));
  EXPECT_EQ(workF.LessonListF(), nullptr);

  WhenDialogShows([&](TLessonListF& dialog) {
    EXPECT_EQ(dialog.General().edLessLen.Text(), L"35") << "the edits not saved are still there";
    ::SendMessageW(dialog.btnOK.Handle(), BM_CLICK, 0, 0);
  });
  toolkit::RunGuarded([&] { workF.acOptions.Execute(); });
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_EQ(SettingsInFile().LessLen, 350);
}

// Counts the end-of-day questions shown, each answered with No.
struct EndOfDayQuestions {
  static void CALLBACK AnswerNo(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = ::FindWindowW(L"#32770", L"Confirm");
    if (!box || box == answered) return;
    answered = box;
    ++asked;
    ::PostMessageW(box, WM_COMMAND, IDNO, 0);
  }

  static inline HWND answered = nullptr;
  static inline int asked = 0;
};

TEST_F(WorkFormOptionsTest, TheEndOfDayOfferWaitsForALessonEnteredInTheDialog) {
  EndOfDayQuestions::asked = 0;
  const UINT_PTR answering = ::SetTimer(nullptr, 0, 10, &EndOfDayQuestions::AnswerNo);
  clock.Set(Weekday::Monday, 16, 0);  // a Monday afternoon, after the first lesson of the day
  TWorkF& workF = CreateForm();
  Tick();
  EXPECT_EQ(EndOfDayQuestions::asked, 0) << "no timetable entered yet";

  WhenDialogShows([&](TLessonListF& dialog) {
    dialog.PageControl1.SetActivePage(dialog.TabSheet1);  // the timetable's page made
    ::SendMessageW(dialog.Timetable()->TaughtRows[0]->taught.Handle(), BM_CLICK, 0,
                   0);  // Monday, lesson 1
    ::SendMessageW(dialog.btnOK.Handle(), BM_CLICK, 0, 0);
  });
  workF.acOptions.Execute();
  ASSERT_TRUE(SettingsInFile().Lesson(Weekday::Monday, 1));

  DestroyForm();
  CreateForm();
  Tick();
  ::KillTimer(nullptr, answering);
  EXPECT_EQ(EndOfDayQuestions::asked, 1) << "Monday's lesson is over";
  EXPECT_TRUE(reports.empty());
}

// With no settings file, on a Wednesday morning, the teacher begins the
// timetable with Monday's first lesson: the ticks while the dialog is open ask
// nothing over it, and Wednesday, which has no lesson, gets the question at
// the first tick after OK.
TEST_F(WorkFormOptionsTest, TheEndOfDayQuestionNeverComesOverTheSettingsDialog) {
  EndOfDayQuestions::asked = 0;
  const UINT_PTR answering = ::SetTimer(nullptr, 0, 10, &EndOfDayQuestions::AnswerNo);
  clock.Set(Weekday::Wednesday, 7, 50);
  TWorkF& workF = CreateForm();
  int askedWhileOpen = -1;
  WhenDialogShows([&](TLessonListF& dialog) {
    dialog.PageControl1.SetActivePage(dialog.TabSheet1);  // the timetable's page made
    ::SendMessageW(dialog.Timetable()->TaughtRows[0]->taught.Handle(), BM_CLICK, 0,
                   0);  // Monday, lesson 1
    clock.Set(Weekday::Wednesday, 7, 50, 30);
    Tick();
    clock.Set(Weekday::Wednesday, 7, 51);
    Tick();
    askedWhileOpen = EndOfDayQuestions::asked;
    ::SendMessageW(dialog.btnOK.Handle(), BM_CLICK, 0, 0);
  });
  workF.acOptions.Execute();
  ASSERT_TRUE(SettingsInFile().Lesson(Weekday::Monday, 1));
  EXPECT_EQ(askedWhileOpen, 0);

  clock.Set(Weekday::Wednesday, 7, 51, 30);
  Tick();
  ::KillTimer(nullptr, answering);
  EXPECT_EQ(EndOfDayQuestions::asked, 1);
  EXPECT_TRUE(reports.empty());
}

// "Звонок прозвенел" from the tray menu while the dialog is open: the bell's
// page shows the bell's offset, whether it was made before the bell rang or
// is made after it, and OK keeps it rather than writing back the one the
// dialog opened with.
TEST_F(WorkFormOptionsTest, TheDialogFollowsTheBellRungWhileItIsOpen) {
  for (const bool pageMadeFirst : {true, false}) {
    SCOPED_TRACE(pageMadeFirst ? "the bell's page made before the bell rang" : "made after it");
    WriteSettingsFile("[1]\r\n1=1\r\n[Common]\r\nbOfferExit=0\r\n[Bell]\r\nBellOffset=0\r\n");
    clock.Set(Weekday::Monday, 8, 30, 40);
    TWorkF& workF = CreateForm();
    WhenDialogShows([&](TLessonListF& dialog) {
      if (pageMadeFirst) {
        dialog.PageControl1.SetActivePage(dialog.TabSheet5);
        ASSERT_EQ(dialog.Bell()->edBellOffset.Value(), 0);
      }
      workF.TrayPopup.Choose(3);  // "Звонок прозвенел"
      dialog.PageControl1.SetActivePage(dialog.TabSheet5);
      EXPECT_EQ(dialog.Bell()->edBellOffset.Value(), 40);
      EXPECT_EQ(dialog.Bell()->rgBellDirection.ItemIndex(), kBellBehind);
      ::SendMessageW(dialog.btnOK.Handle(), BM_CLICK, 0, 0);
    });
    workF.acOptions.Execute();
    EXPECT_EQ(settings.BellOffset, -40);
    EXPECT_EQ(SettingsInFile().BellOffset, -40);
    EXPECT_TRUE(SettingsInFile().BellOffsetByComputer) << "no server answered";
    DestroyForm();
  }
}

}  // namespace
}  // namespace ostrevin::uitest
