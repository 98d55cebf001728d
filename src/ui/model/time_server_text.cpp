#include "ui/model/time_server_text.h"

#include <cstdlib>

#include "base/decimal_text.h"
#include "base/time_units.h"

namespace ostrevin {
namespace {

// Below half a second the clock is as right as the program can tell.
constexpr std::int64_t kOnTimeMs = 500;

// Seconds while they are few, then minutes, hours, days.
std::wstring Amount(std::int64_t milliseconds) {
  const std::int64_t seconds = (milliseconds + kMillisecondsPerSecond / 2) / kMillisecondsPerSecond;
  if (seconds < 2 * kSecondsPerMinute) return DecimalText(seconds) + L" с";
  const std::int64_t minutes = (seconds + kSecondsPerMinute / 2) / kSecondsPerMinute;
  if (minutes < 2 * kMinutesPerHour) return DecimalText(minutes) + L" мин";
  const std::int64_t hours = (minutes + kMinutesPerHour / 2) / kMinutesPerHour;
  if (hours < 2 * kHoursPerDay) return DecimalText(hours) + L" ч";
  return DecimalText((hours + kHoursPerDay / 2) / kHoursPerDay) + L" дн.";
}

std::wstring AnswerText(std::int64_t differenceMs, TimeOfDay checkedAt) {
  const std::wstring when = L", проверено в " + FormatHourMinute(checkedAt) + L".";
  if (std::llabs(differenceMs) < kOnTimeMs) return L"Часы компьютера идут точно" + when;
  const std::wstring way = differenceMs > 0 ? L"отстают" : L"спешат";
  return L"Часы компьютера " + way + L" на " + Amount(std::llabs(differenceMs)) + when;
}

}  // namespace

std::wstring TimeServerResultText(const TimeServerState& state) {
  if (!state.named) return L"Сервер времени не задан.";
  std::wstring text;
  if (state.lastFailed)
    text = L"Сервер времени не ответил в " + FormatHourMinute(state.failedAt) + L".";
  if (state.differenceMs) {
    if (!text.empty()) text += L" ";
    text += AnswerText(*state.differenceMs, state.checkedAt);
  }
  return text.empty() ? L"Сервер времени ещё не ответил." : text;
}

std::wstring ProgramTooltip(const TimeServerState& state) {
  if (state.named && state.lastFailed) return L"Ostrevin\nСервер времени не отвечает";
  return L"Ostrevin";
}

}  // namespace ostrevin
