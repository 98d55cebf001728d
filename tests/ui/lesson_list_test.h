#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "sample_settings.h"
#include "ui/about_page.h"
#include "ui/bell_page.h"
#include "ui/frm_lesson_list.h"
#include "ui/general_page.h"
#include "ui/sounds_page.h"
#include "ui/timetable_page.h"
#include "work_form_test.h"

namespace ostrevin::uitest {

// A dialog on the settings record of the test, with the file's defaults in
// it as the timer window loads them before showing the dialog.
class LessonListTest : public WorkFormTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  TLessonListF& NewDialog();
  // Created, shown and active, as the user sees it.
  TLessonListF& ShowDialog();
  // The user types into a field: it takes the focus, its text is selected
  // and typed over.
  void TypeInto(HWND field, const std::wstring& text);
  void Click(HWND button);
  // The record saved as a file, then opened with "Открыть настройки...".
  void Import(const Settings& record);
  // The user chooses an item of a list or a drop-down list.
  void Choose(const toolkit::ListBox& list, int index);
  void Choose(const toolkit::ComboBox& box, int index);

  // The dialog's pages. A page is made when its tab is first shown: one not
  // made yet is reached as the teacher reaches it, its tab chosen.
  TimetablePage& Timetable() const;
  GeneralPage& General() const { return dialog->General(); }
  SoundsPage& Sounds() const;
  BellPage& Bell() const;
  AboutPage& About() const;
  void ChooseTab(const toolkit::TabPage& tab) const;

  // The timetable tab's rows, counted from 0.
  toolkit::MaskedTimeField& Start(int row) const { return Timetable().BellRows.at(row)->start; }
  toolkit::MaskedTimeField& End(int row) const { return Timetable().BellRows.at(row)->end; }
  toolkit::CheckBox& Taught(int row) const { return Timetable().TaughtRows.at(row)->taught; }
  // "08:30-09:15" of each row shown, then its number ("1 08:30-09:15").
  std::vector<std::wstring> ShownBells() const;
  // "1-й урок 08:30–09:15" of each lesson of the selected day, "+" before
  // the teacher's own.
  std::vector<std::wstring> ShownDay() const;

  std::unique_ptr<TLessonListF> dialog;
};

}  // namespace ostrevin::uitest
