#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "settings/settings.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/tab_control.h"
#include "ui/work_services.h"

namespace ostrevin {

class AboutPage;
class BellPage;
class GeneralPage;
class SettingsPage;
class SoundsPage;
class TimetablePage;

// The settings dialog: the school's timetable, the general options, the
// sounds, the school bell's time and the About tab, each a page of its own
// (timetable_page.h, general_page.h, ...), made when its tab is first shown:
// "Общие", where the dialog opens, as it opens. It keeps no copy of the
// settings: every change the teacher makes to a control is written into the
// settings record at once, so the running clock follows the edits as they
// are made; showing the settings changes none of them. OK checks the
// timetable and the lesson lengths and registers or removes autostart; the
// caller saves. On Cancel the caller puts back the settings it opened the
// dialog with. The two buttons at the bottom export and import a settings
// file.
class TLessonListF final : public toolkit::Form {
 private:
  // First, so that they exist before any control bound to them.
  Settings& settings_;
  WorkServices& services_;

 public:
  // Created hidden, owned by the timer window; showing it shows the
  // settings (FormShow).
  TLessonListF(Settings& settings, WorkServices& services, HWND owner);
  ~TLessonListF() override;

  // The controls, in form order.
  toolkit::TabControl PageControl1;
  toolkit::TabPage TabSheet1;  // "Расписание уроков и звонков"
  toolkit::TabPage TabSheet2;  // "Общие"
  toolkit::TabPage TabSheet4;  // "Звуки"
  toolkit::TabPage TabSheet3;  // "О программе"
  toolkit::Button btnSaveDataAs;
  toolkit::Button btnOpenData;
  toolkit::Button btnOK;
  toolkit::Button Button2;
  toolkit::TabPage TabSheet5;  // "Звонки", before "О программе"

  // The pages made so far; null while a page's tab has not been shown.
  TimetablePage* Timetable() const { return timetable_.get(); }
  // Made as the dialog is made: it opens on it.
  GeneralPage& General() const { return *general_; }
  SoundsPage* Sounds() const { return sounds_.get(); }
  BellPage* Bell() const { return bell_.get(); }
  AboutPage* About() const { return about_.get(); }

  // The length of a lesson begun by hand, in minutes, as "Общие" shows it:
  // the end a new row of the timetable gets.
  int UsualLessonMinutes() const;
  // "Общие" changed the lesson length: the timetable follows.
  void LessonLengthChanged();
  // The time server's last answer, in words, on "Звонки".
  void ShowTimeServerResult(const std::wstring& text);

  // Handlers.
  void FormShow();
  void btnOKClick(toolkit::Control& sender);
  void btnSaveDataAsClick(toolkit::Control& sender);
  void btnOpenDataClick(toolkit::Control& sender);

 private:
  // Makes the page of a tab about to show, the first time.
  void MakePage(const toolkit::TabPage& tab);
  // Shows the settings on every page made.
  void ShowSettings();
  // A page made once the dialog shows the settings shows them as it is made.
  void PageMade(SettingsPage& page);

  std::unique_ptr<TimetablePage> timetable_;
  std::unique_ptr<GeneralPage> general_;
  std::unique_ptr<SoundsPage> sounds_;
  std::unique_ptr<BellPage> bell_;
  std::unique_ptr<AboutPage> about_;
  // Whether the dialog has shown the settings: pages made before (the first,
  // as the dialog is made) show them with the others when it shows.
  bool settingsShown_ = false;
  std::wstring timeServerResult_;
};

}  // namespace ostrevin
