#pragma once

#include "toolkit/label.h"
#include "ui/settings_page.h"
#include "ui/work_services.h"

namespace ostrevin {

// "О программе": the program's name and version, its terms, its makers and a
// link to its web site.
class AboutPage final : public SettingsPage {
 private:
  WorkServices& services_;

 public:
  AboutPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings,
            WorkServices& services);

  // Nothing of the settings shows here.
  void ShowSettings() override {}

  toolkit::Label Label4;
  toolkit::Label Label7;
  toolkit::Label Label29;
  toolkit::Label Label10;
  toolkit::Label Label13;
  toolkit::Label Label16;
  toolkit::Label lbURL;

  // Handlers.
  void lbURLClick();
};

}  // namespace ostrevin
