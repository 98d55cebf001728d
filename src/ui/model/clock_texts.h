#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/balloon_icon_kind.h"

namespace ostrevin {

// The lesson clock's words to the teacher, which the timer window shows: a
// balloon at the program's icon, the end-of-day question, the minute label.
struct TrayBalloon {
  std::wstring title;
  std::wstring text;
  BalloonIconKind icon = bikInfo;
  int timeoutSeconds = 10;

  bool operator==(const TrayBalloon&) const = default;
};

// "Ostrevin:   УРОК ОКОНЧЕН !" with the balloons' attribution line.
TrayBalloon LessonOverBalloon();
// "Ostrevin:   через 3 мин. начинается урок!" with the attribution line.
TrayBalloon LessonWarningBalloon(int minutes);
// "Сегодня уроков больше нет." and, after an empty line, "Закрыть Ostrevin?".
std::wstring EndOfDayQuestion();
// "3 мин.", or nothing when no lesson runs.
std::wstring MinutesGoneText(std::optional<std::int32_t> minutes);

}  // namespace ostrevin
