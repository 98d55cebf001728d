#pragma once

#include <string>

#include "toolkit/label.h"
#include "toolkit/numeric_field.h"
#include "toolkit/radio_group.h"
#include "toolkit/text_field.h"
#include "ui/settings_page.h"

namespace ostrevin {

// "Звонки": the school bell's time, the computer's clock corrected by the
// bell offset and by the school's time server, with the server's last
// answer.
class BellPage final : public SettingsPage {
 public:
  // Shows the time server's answer as the dialog last heard it.
  BellPage(TLessonListF& dialog, toolkit::TabPage& page, Settings& settings,
           const std::wstring& timeServerResult);

  void ShowSettings() override;
  // The time server's last answer, in words, below its name.
  void ShowTimeServerResult(const std::wstring& text);

  // The controls, in the Tab order.
  toolkit::RadioGroup rgBellDirection;
  toolkit::NumericField edBellOffset;
  toolkit::Label lbBellSeconds;
  toolkit::Label lbBellHint;
  toolkit::Label lbTimeServer;
  toolkit::TextField edTimeServer;
  toolkit::Label lbTimeServerResult;

  // Handlers.
  void edBellOffsetChange(toolkit::Control& sender);
  void edTimeServerChange(toolkit::Control& sender);
};

}  // namespace ostrevin
