// What the timer window does with a settings file it cannot read at start, or
// finds emptied: it says so, and it never writes the defaults it then runs
// on over the teacher's timetable.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "sample_settings.h"
#include "settings/settings_file_notices.h"
#include "toolkit/error_guard.h"
#include "toolkit/handles.h"
#include "ui/frm_lesson_list.h"
#include "ui/general_page.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

const std::string kTeachersFile =
    "[1]\r\n1=1\r\n3=1\r\n[Times]\r\n1=8:05:00\r\n[4]\r\n7=1\r\n"
    "[Common]\r\nLessLen=400\r\nShowCurrNo=0\r\nbOfferExit=0\r\n[Journal]\r\nClass=7B\r\n";

std::string FileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class WorkFormSettingsFileTest : public WorkFormTest {
 protected:
  // Another program holds the file without sharing, as a backup or an
  // antivirus program does at logon.
  void HoldFile() {
    held.reset(::CreateFileW(settingsPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
  }
  void ReleaseFile() { held.reset(); }

  // The program started while the teacher's file was held, which is free
  // again right after.
  TWorkF& StartWhileTheFileIsHeld() {
    WriteSettingsFile(kTeachersFile);
    HoldFile();
    TWorkF& workF = CreateForm();
    ReleaseFile();
    return workF;
  }

  toolkit::UniqueFileHandle held;
};

TEST_F(WorkFormSettingsFileTest, AnUnreadableFileIsReportedAndTheDefaultsRun) {
  StartWhileTheFileIsHeld();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].title, L"Ostrevin");
  EXPECT_EQ(reports[0].text,
            L"Не удалось прочитать файл настроек\n" + settingsPath +
                L"\n(его занимает другая программа, или к нему нет доступа).\n\n"
                L"Ostrevin работает с настройками по умолчанию и не изменит этот файл. Чтобы "
                L"вернуть своё расписание, перезапустите Ostrevin, когда файл освободится.");
  EXPECT_EQ(settings, test_support::SettingsFileDefaults());
  EXPECT_TRUE(tray.BalloonTitles().empty()) << "no greeting: this is no first start";
}

// A way the program saves, met with the file free again.
struct SaveCase {
  const char* name;
  void (*save)(TWorkF& workF);
  bool endsTheProgram;
  bool told;  // the teacher asked for the save, and hears that it was refused
};

void PrintTo(const SaveCase& c, std::ostream* out) {
  *out << c.name;
}

class UnreadFileSaveTest : public WorkFormSettingsFileTest,
                           public ::testing::WithParamInterface<SaveCase> {};

TEST_P(UnreadFileSaveTest, LeavesTheFileAsItWas) {
  TWorkF& workF = StartWhileTheFileIsHeld();
  reports.clear();
  settings.LessLen = 350;
  GetParam().save(workF);
  if (GetParam().endsTheProgram) {
    EXPECT_TRUE(RunLoopUntilItEnds());
  }
  DestroyForm();
  EXPECT_EQ(FileBytes(settingsPath), kTeachersFile);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(settingsPath + L".bak")));
  if (!GetParam().told) {
    EXPECT_TRUE(reports.empty());
    return;
  }
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"Настройки не сохранены: Ostrevin не смог прочитать файл\n" +
                                 settingsPath +
                                 L"\nи не записывает его, чтобы не затереть расписание. "
                                 L"Перезапустите Ostrevin, когда файл освободится.");
}

void CloseTheProgram(TWorkF& workF) {
  ::PostMessageW(workF.Handle(), WM_CLOSE, 0, 0);
}

void LogOff(TWorkF& workF) {
  ::SendMessageW(workF.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  ::SendMessageW(workF.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
}

void SwitchTheLessonNumberOff(TWorkF& workF) {
  // As the menu runs it: inside the message loop's guard.
  toolkit::RunGuarded([&] { workF.TrayPopup.Choose(1); });
  EXPECT_FALSE(workF.acShowCurrNo.Checked()) << "the switch itself still acts";
}

INSTANTIATE_TEST_SUITE_P(
    Saves, UnreadFileSaveTest,
    ::testing::Values(SaveCase{"Close", &CloseTheProgram, true, false},
                      SaveCase{"LogOff", &LogOff, false, false},
                      SaveCase{"LessonNumberSwitch", &SwitchTheLessonNumberOff, false, true}),
    [](const ::testing::TestParamInfo<SaveCase>& info) { return info.param.name; });

// OK in the settings dialog, pressed as soon as the dialog shows, from a timer
// inside its modal loop; before it, what the test wants done in the dialog.
class DialogOk {
 public:
  explicit DialogOk(TWorkF& workF, std::function<void(TLessonListF&)> first)
      : workF_(workF), first_(std::move(first)) {
    current = this;
    timer_ = ::SetTimer(nullptr, 0, 20, &DialogOk::Poll);
  }
  ~DialogOk() {
    ::KillTimer(nullptr, timer_);
    current = nullptr;
  }
  DialogOk(const DialogOk&) = delete;
  DialogOk& operator=(const DialogOk&) = delete;

 private:
  static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
    TLessonListF* dialog = current ? current->workF_.LessonListF() : nullptr;
    if (!dialog || !dialog->Visible()) return;
    ::KillTimer(nullptr, current->timer_);
    current->first_(*dialog);
    ::SendMessageW(dialog->btnOK.Handle(), BM_CLICK, 0, 0);
  }

  static inline DialogOk* current = nullptr;
  TWorkF& workF_;
  std::function<void(TLessonListF&)> first_;
  UINT_PTR timer_ = 0;
};

TEST_F(WorkFormSettingsFileTest, OkInTheDialogIsRefusedWhileTheFileStaysUnread) {
  WriteSettingsFile(kTeachersFile);
  HoldFile();
  TWorkF& workF = CreateForm();
  reports.clear();
  const DialogOk ok(workF, [&](TLessonListF& dialog) {
    EXPECT_EQ(dialog.General().edLessLen.Text(), L"45")
        << "the defaults again: the file is still held";
    dialog.General().edLessLen.SetValue(35);
    ReleaseFile();
  });
  toolkit::RunGuarded([&] { workF.acOptions.Execute(); });
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text.rfind(L"Настройки не сохранены", 0), 0u) << reports[0].text;
  DestroyForm();
  EXPECT_EQ(FileBytes(settingsPath), kTeachersFile);
}

// Once the file is free, the next opening of the dialog reads it: the
// teacher's timetable is back and saved as usual.
TEST_F(WorkFormSettingsFileTest, TheDialogReadsTheFileOnceItIsFreeAndSavingGoesOn) {
  TWorkF& workF = StartWhileTheFileIsHeld();
  reports.clear();
  {
    const DialogOk ok(workF, [&](TLessonListF& dialog) {
      EXPECT_EQ(dialog.General().edLessLen.Text(), L"40") << "the teacher's length";
      dialog.General().edLessLen.SetValue(35);
    });
    toolkit::RunGuarded([&] { workF.acOptions.Execute(); });
  }
  EXPECT_TRUE(reports.empty());
  DestroyForm();
  const Settings saved = SettingsInFile();
  EXPECT_EQ(saved.LessLen, 350);
  EXPECT_TRUE(saved.Lesson(Weekday::Monday, 3));
  EXPECT_NE(FileBytes(settingsPath).find("[Journal]\r\nClass=7B\r\n"), std::string::npos);
}

TEST_F(WorkFormSettingsFileTest, AFileFoundEmptyIsRestoredFromTheBackupAndTheTeacherIsTold) {
  WriteSettingsFile("");
  {
    std::ofstream backup(std::filesystem::path(settingsPath + L".bak"), std::ios::binary);
    backup << kTeachersFile;
  }
  CreateForm();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, SettingsFileFoundText({SettingsFileState::kRestoredEmpty,
                                                    settingsPath + L".bak", std::wstring(), false},
                                                   settingsPath));
  EXPECT_EQ(settings.LessLen, 400);
  EXPECT_TRUE(settings.Lesson(Weekday::Thursday, 7));
  EXPECT_EQ(FileBytes(settingsPath), kTeachersFile);
  EXPECT_TRUE(tray.BalloonTitles().empty()) << "no greeting: this is no first start";
}

}  // namespace
}  // namespace ostrevin::uitest
