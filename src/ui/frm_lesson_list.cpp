#include "ui/frm_lesson_list.h"

#include <initializer_list>
#include <optional>
#include <string>

#include "system/settings_storage.h"
#include "toolkit/file_dialog.h"
#include "toolkit/message_box.h"
#include "ui/about_page.h"
#include "ui/bell_page.h"
#include "ui/general_page.h"
#include "ui/model/lesson_list_rules.h"
#include "ui/model/timetable_tab_rules.h"
#include "ui/sounds_page.h"
#include "ui/timetable_page.h"

namespace ostrevin {
namespace {

using toolkit::Control;

constexpr int kFormFontHeight = 11;  // 8 points

// The dialog's size: the timetable tab holds up to sixteen lessons.
constexpr int kClientWidth = 556;
constexpr int kClientHeight = 509;
constexpr toolkit::ControlPlace kPageControlPlace{8, 8, 540, 452};
constexpr int kBottomButtonsTop = 468;

toolkit::FormDesign LessonListDesign() {
  return {.caption = L"Настройки",
          .border = toolkit::FormBorder::Dialog,
          .clientWidth = kClientWidth,
          .clientHeight = kClientHeight,
          .position = toolkit::FormPosition::ScreenCenter,
          .font = {.face = L"MS Sans Serif", .height = kFormFontHeight}};
}

toolkit::FileDialogDesign SettingsFileDialog(const wchar_t* title) {
  return {.title = title,
          .filter = L"Файлы настроек (*.INI)|*.INI|Все файлы (*.*)|*.*",
          .defaultExtension = L"INI"};
}

// Why an import was refused, and what the teacher can do.
std::wstring ImportRefusalText(ImportResult refusal, const std::wstring& path) {
  const std::wstring file = L"Файл «" + path + L"»";
  const std::wstring unchanged = L"\n\nНастройки не изменены.";
  if (refusal == ImportResult::kMissing) return file + L" не найден." + unchanged;
  if (refusal == ImportResult::kUnreadable) {
    return file + L" не удалось прочитать: его занимает другая программа, или к нему нет доступа." +
           unchanged + L" Попробуйте ещё раз позже.";
  }
  return file + L" — не файл настроек Ostrevin." + unchanged +
         L" Выберите файл, сохранённый кнопкой «Сохранить настройки как...».";
}

std::wstring ReplaceOtherFileQuestion(const std::wstring& path) {
  return L"Файл «" + path +
         L"» — не файл настроек Ostrevin.\n\nЗаменить его файлом настроек? Всё, что в нём "
         L"сейчас, будет потеряно.";
}

}  // namespace

TLessonListF::TLessonListF(Settings& settings, WorkServices& services, HWND owner)
    : Form(LessonListDesign(), owner),
      settings_(settings),
      services_(services),
      PageControl1(*this, {.name = L"PageControl1", .place = kPageControlPlace}),
      TabSheet1(PageControl1, {.name = L"TabSheet1", .caption = L"Расписание уроков и звонков"}),
      TabSheet2(PageControl1, {.name = L"TabSheet2", .caption = L"Общие"}),
      TabSheet4(PageControl1, {.name = L"TabSheet4", .caption = L"Звуки"}),
      TabSheet3(PageControl1, {.name = L"TabSheet3", .caption = L"О программе"}),
      btnSaveDataAs(*this, {.name = L"btnSaveDataAs",
                            .place = {8, kBottomButtonsTop, 97, 33},
                            .caption = L"Сохранить\r\nнастройки как...",
                            .onClick = [this](Control& sender) { btnSaveDataAsClick(sender); }}),
      btnOpenData(*this, {.name = L"btnOpenData",
                          .place = {112, kBottomButtonsTop, 97, 33},
                          .caption = L"Открыть\r\nнастройки...",
                          .onClick = [this](Control& sender) { btnOpenDataClick(sender); }}),
      btnOK(*this, {.name = L"btnOK",
                    .place = {371, kBottomButtonsTop + 4, 75, 25},
                    .caption = L"OK",
                    .isDefault = true,
                    .modalResult = kModalOk,
                    .onClick = [this](Control& sender) { btnOKClick(sender); }}),
      Button2(*this, {.name = L"Button2",
                      .place = {451, kBottomButtonsTop + 4, 75, 25},
                      .caption = L"Отмена",
                      .isCancel = true,
                      .modalResult = kModalCancel}),
      TabSheet5(PageControl1, {.name = L"TabSheet5", .caption = L"Звонки", .before = &TabSheet3}) {
  for (toolkit::TabPage* tab : {&TabSheet1, &TabSheet2, &TabSheet4, &TabSheet5, &TabSheet3}) {
    tab->OnShowing = [this, tab] { MakePage(*tab); };
  }
  PageControl1.SetActivePage(TabSheet2);
  OnShow = [this] { FormShow(); };
  Created();
}

TLessonListF::~TLessonListF() {
  DestroyHandle();
}

void TLessonListF::MakePage(const toolkit::TabPage& tab) {
  if (&tab == &TabSheet1 && !timetable_) {
    timetable_ = std::make_unique<TimetablePage>(*this, TabSheet1, settings_);
    PageMade(*timetable_);
  } else if (&tab == &TabSheet2 && !general_) {
    general_ = std::make_unique<GeneralPage>(*this, TabSheet2, settings_, services_);
    PageMade(*general_);
  } else if (&tab == &TabSheet4 && !sounds_) {
    sounds_ = std::make_unique<SoundsPage>(*this, TabSheet4, settings_);
    PageMade(*sounds_);
  } else if (&tab == &TabSheet5 && !bell_) {
    bell_ = std::make_unique<BellPage>(*this, TabSheet5, settings_, timeServerResult_);
    PageMade(*bell_);
  } else if (&tab == &TabSheet3 && !about_) {
    about_ = std::make_unique<AboutPage>(*this, TabSheet3, settings_, services_);
    PageMade(*about_);
  }
}

void TLessonListF::PageMade(SettingsPage& page) {
  if (settingsShown_) page.ShowSettings();
}

int TLessonListF::UsualLessonMinutes() const {
  return General().edLessLen.Value();
}

void TLessonListF::LessonLengthChanged() {
  if (timetable_) timetable_->LessonLengthChanged();
}

void TLessonListF::ShowTimeServerResult(const std::wstring& text) {
  timeServerResult_ = text;
  if (bell_) bell_->ShowTimeServerResult(text);
}

// Autostart is no setting of the file: it is asked once, as the dialog
// shows; an imported file leaves the box as the teacher has it.
void TLessonListF::FormShow() {
  ShowSettings();
  // Last, so that every setting is shown even when the check fails.
  General().ShowAutoStart();
}

// Shows the settings as they are and changes none of them, so that the
// dialog opened on a file shows, and OK stores, exactly the file's values.
void TLessonListF::ShowSettings() {
  settingsShown_ = true;
  for (SettingsPage* page : std::initializer_list<SettingsPage*>{
           timetable_.get(), general_.get(), sounds_.get(), bell_.get(), about_.get()}) {
    if (page) page->ShowSettings();
  }
}

// The button has already given the dialog the result OK, and the field being
// edited has been left for it. A timetable not shown yet has no rows to
// settle.
void TLessonListF::btnOKClick(Control&) {
  if (timetable_ && !timetable_->BellRowsSettled()) {
    SetModalResult(0);
    return;
  }
  GeneralPage& general = General();
  if (!LessonPartsFit(general.edLessLen.Value(), general.edIntroTime.Value(),
                      general.edFinishTime.Value())) {
    toolkit::ShowMessage(
        L"Продолжительность вступительной и заключительной частей в сумме должны быть меньше "
        L"продолжительности всего урока!",
        MB_ICONERROR | MB_OK);
    SetModalResult(0);
    return;
  }
  if (const std::optional<std::wstring> problem = ShortestLessonProblem(
          ShownTimetableOf(settings_), general.edIntroTime.Value(), general.edFinishTime.Value())) {
    toolkit::ShowMessage(*problem, MB_ICONERROR | MB_OK);
    SetModalResult(0);
    return;
  }
  general.ApplyAutoStart();
}

// A file there that is no settings file is the teacher's own (a document, a
// file of another program): it is replaced only when the teacher says so.
void TLessonListF::btnSaveDataAsClick(Control&) {
  const std::optional<std::wstring> path =
      toolkit::AskFileToSave(SettingsFileDialog(L"Сохранить настройки как"));
  if (!path) return;
  ExportSettings(settings_, *path, [&] {
    return toolkit::ShowMessage(ReplaceOtherFileQuestion(*path),
                                MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
  });
}

// Only a settings file is taken: anything else would load every default.
void TLessonListF::btnOpenDataClick(Control&) {
  const std::optional<std::wstring> path =
      toolkit::AskFileToOpen(SettingsFileDialog(L"Открыть настройки"));
  if (!path) return;
  const ImportResult imported = ImportSettings(settings_, *path);
  if (imported != ImportResult::kImported) {
    toolkit::ShowMessage(ImportRefusalText(imported, *path), MB_ICONERROR | MB_OK);
    return;
  }
  ShowSettings();
}

}  // namespace ostrevin
