#include "ui/model/bell_rang_text.h"

#include <cstdlib>

#include "base/decimal_text.h"

namespace ostrevin {
namespace {

constexpr const wchar_t* kBellTitle = L"Звонок прозвенел";
constexpr int kBellBalloonSeconds = 10;

std::wstring BellTakenText(const Bell& bell, std::int32_t bellOffsetSeconds) {
  const TimeOfDay at = bell.isStart ? bell.lesson.start : bell.lesson.end;
  const std::wstring time = L"Время звонка: " + FormatHourMinute(at) + L".";
  if (bellOffsetSeconds == 0) return time + L" Звонок идёт точно по часам.";
  const std::wstring seconds = DecimalText(std::abs(bellOffsetSeconds)) + L" с.";
  return time + (bellOffsetSeconds > 0 ? L" Звонок спешит на " : L" Звонок отстаёт на ") + seconds;
}

}  // namespace

TrayBalloon BellRangBalloonOf(const BellRangOutcome& outcome) {
  switch (outcome.kind) {
    case BellRangOutcome::Kind::kTaken:
      if (outcome.bell) {
        return {kBellTitle, BellTakenText(*outcome.bell, outcome.offsetSeconds), bikInfo,
                kBellBalloonSeconds};
      }
      break;
    case BellRangOutcome::Kind::kBeyondAnHour:
      return {kBellTitle, L"Звонок разошёлся бы с часами больше чем на час. Время не изменено.",
              bikWarning, kBellBalloonSeconds};
    case BellRangOutcome::Kind::kNoBellNear:
      break;
  }
  return {kBellTitle, L"Звонка по расписанию ближе 10 минут нет. Время не изменено.", bikWarning,
          kBellBalloonSeconds};
}

}  // namespace ostrevin
