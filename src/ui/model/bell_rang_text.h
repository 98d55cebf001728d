#pragma once

#include "clock/bell_rang.h"
#include "ui/model/clock_texts.h"

namespace ostrevin {

// The balloon at the program's icon after "Звонок прозвенел": what the bell did, in the teacher's
// words: the bell's time and how the bell now stands against the clock ("Время звонка: 09:30.
// Звонок отстаёт на 40 с."), or why nothing changed.
TrayBalloon BellRangBalloonOf(const BellRangOutcome& outcome);

}  // namespace ostrevin
