#pragma once

#include <cstddef>
#include <utility>

#include "settings/settings.h"
#include "toolkit/control.h"
#include "toolkit/tab_control.h"

namespace ostrevin {

class TLessonListF;

// One page of the settings dialog: its controls on its tab, their handlers
// and how they show the settings. The dialog makes a page when its tab is
// first shown and keeps it until it closes. Like the dialog, a page keeps no
// copy of the settings: its handlers write every change into the record at
// once.
class SettingsPage {
 public:
  virtual ~SettingsPage() = default;
  SettingsPage(const SettingsPage&) = delete;
  SettingsPage& operator=(const SettingsPage&) = delete;

  // Shows the settings as they are and changes none of them. No handler runs
  // while its control is set from the record: several write other settings.
  virtual void ShowSettings() = 0;

 protected:
  SettingsPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings)
      : dialog_(dialog), page_(page), settings_(settings) {}

  // A handler of one of the page's controls, which does not run while the
  // page shows the settings.
  template <class Page>
  toolkit::ControlEvent On(void (Page::*handler)(toolkit::Control&)) {
    Page* self = static_cast<Page*>(this);
    return [this, self, handler](toolkit::Control& sender) {
      if (!binding_) (self->*handler)(sender);
    };
  }
  // The same for a control of a row: the handler is given its row.
  template <class Page>
  toolkit::ControlEvent OnRow(void (Page::*handler)(std::size_t row), std::size_t row) {
    Page* self = static_cast<Page*>(this);
    return [this, self, handler, row](toolkit::Control&) {
      if (!binding_) (self->*handler)(row);
    };
  }

  // Runs a binding of controls to the settings without their handlers taking
  // it for an edit.
  template <class Work>
  void WhileBinding(Work work) {
    const bool outer = std::exchange(binding_, true);
    struct Restore {
      bool& flag;
      bool value;
      ~Restore() { flag = value; }
    } restore{binding_, outer};
    work();
  }
  bool Binding() const { return binding_; }

  // First, so that they exist before any control bound to them.
  TLessonListF& dialog_;
  toolkit::TabPage& page_;
  Settings& settings_;

 private:
  bool binding_ = false;
};

}  // namespace ostrevin
