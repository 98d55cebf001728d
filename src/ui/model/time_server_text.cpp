#include "ui/model/time_server_text.h"

#include <cstdlib>

#include "base/decimal_text.h"

namespace ostrevin {
namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;
// Below half a second the clock is as right as the program can tell.
constexpr std::int64_t kOnTimeMs = 500;

std::wstring Clock(HourMinute at) {
  return DecimalText(at.hour, 2) + L":" + DecimalText(at.minute, 2);
}

// Seconds while they are few, then minutes, hours, days.
std::wstring Amount(std::int64_t milliseconds) {
  const std::int64_t seconds = (milliseconds + kMillisecondsPerSecond / 2) / kMillisecondsPerSecond;
  if (seconds < 120) return DecimalText(seconds) + L" с";
  const std::int64_t minutes = (seconds + 30) / 60;
  if (minutes < 120) return DecimalText(minutes) + L" мин";
  const std::int64_t hours = (minutes + 30) / 60;
  if (hours < 48) return DecimalText(hours) + L" ч";
  return DecimalText((hours + 12) / 24) + L" дн.";
}

std::wstring AnswerText(std::int64_t differenceMs, HourMinute checkedAt) {
  const std::wstring when = L", проверено в " + Clock(checkedAt) + L".";
  if (std::llabs(differenceMs) < kOnTimeMs) return L"Часы компьютера идут точно" + when;
  const std::wstring way = differenceMs > 0 ? L"отстают" : L"спешат";
  return L"Часы компьютера " + way + L" на " + Amount(std::llabs(differenceMs)) + when;
}

}  // namespace

std::wstring TimeServerResultText(const TimeServerState& state) {
  if (!state.named) return L"Сервер времени не задан.";
  std::wstring text;
  if (state.lastFailed) text = L"Сервер времени не ответил в " + Clock(state.failedAt) + L".";
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
