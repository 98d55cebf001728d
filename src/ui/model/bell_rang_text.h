#pragma once

#include <string>

#include "base/balloon_icon_kind.h"
#include "clock/bell_rang.h"

namespace ostrevin {

// The balloon at the program's icon after "Звонок прозвенел".
struct BellRangBalloon {
  std::wstring title;
  std::wstring text;
  BalloonIconKind icon = bikInfo;

  bool operator==(const BellRangBalloon&) const = default;
};

inline constexpr int kBellRangBalloonSeconds = 10;

// What the bell did, in the teacher's words: the bell's time and how the
// bell now stands against the clock ("Время звонка: 09:30. Звонок отстаёт на
// 40 с."), or why nothing changed.
BellRangBalloon BellRangBalloonOf(const BellRangOutcome& outcome);

}  // namespace ostrevin
