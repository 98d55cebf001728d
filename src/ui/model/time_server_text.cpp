#include "ui/model/time_server_text.h"

#include <cstdlib>

#include "base/decimal_text.h"
#include "base/time_units.h"

namespace ostrevin {
namespace {

// Below half a second the clock is as right as the program can tell.
constexpr std::int64_t kOnTimeMs = 500;
constexpr std::int64_t kDaysPerYear = 365;

// "1 год", "2 года", "5 лет", "21 год", "112 лет".
std::wstring Years(std::int64_t years) {
  const std::int64_t lastTwo = years % 100;
  const std::int64_t last = years % 10;
  const bool teens = lastTwo >= 11 && lastTwo <= 14;
  const wchar_t* word = (last == 1 && !teens)                ? L" год"
                        : (last >= 2 && last <= 4 && !teens) ? L" года"
                                                             : L" лет";
  return DecimalText(years) + word;
}

// Seconds while they are few, then minutes, hours, days, years.
std::wstring Amount(std::int64_t milliseconds) {
  const std::int64_t seconds = (milliseconds + kMillisecondsPerSecond / 2) / kMillisecondsPerSecond;
  if (seconds < 2 * kSecondsPerMinute) return DecimalText(seconds) + L" с";
  const std::int64_t minutes = (seconds + kSecondsPerMinute / 2) / kSecondsPerMinute;
  if (minutes < 2 * kMinutesPerHour) return DecimalText(minutes) + L" мин";
  const std::int64_t hours = (minutes + kMinutesPerHour / 2) / kMinutesPerHour;
  if (hours < 2 * kHoursPerDay) return DecimalText(hours) + L" ч";
  const std::int64_t days = (hours + kHoursPerDay / 2) / kHoursPerDay;
  if (days < 2 * kDaysPerYear) return DecimalText(days) + L" дн.";
  return Years((days + kDaysPerYear / 2) / kDaysPerYear);
}

std::wstring Difference(std::int64_t differenceMs) {
  const std::wstring way = differenceMs > 0 ? L"отстают" : L"спешат";
  return L"Часы компьютера " + way + L" на " + Amount(std::llabs(differenceMs));
}

std::wstring ZoneMismatchText(int hours) {
  return L"Часы компьютера расходятся с сервером времени на " + DecimalText(std::abs(hours)) +
         L" ч. Проверьте часовой пояс Windows.";
}

std::wstring AnswerText(const TimeServerState& state) {
  const std::wstring when = L", проверено в " + FormatHourMinute(state.checkedAt) + L".";
  const std::int64_t taken = state.correction.verdict == ServerVerdict::kZoneMismatch
                                 ? state.correction.appliedMs
                                 : *state.differenceMs;
  std::wstring text = std::llabs(taken) < kOnTimeMs ? L"Часы компьютера идут точно" + when
                                                    : Difference(taken) + when;
  if (state.correction.verdict == ServerVerdict::kZoneMismatch) {
    text = ZoneMismatchText(state.correction.zoneHours) + L" " + text;
  }
  return text;
}

constexpr const wchar_t* kRefusedText =
    L"Сервер времени назвал дату раньше выпуска программы: его ответ не принят.";

void AddSentence(std::wstring& text, const std::wstring& sentence) {
  if (!text.empty()) text += L" ";
  text += sentence;
}

}  // namespace

std::wstring TimeServerResultText(const TimeServerState& state) {
  if (!state.named) return L"Сервер времени не задан.";
  std::wstring text;
  if (state.lastFailed)
    text = L"Сервер времени не ответил в " + FormatHourMinute(state.failedAt) + L".";
  if (state.lastRefused) AddSentence(text, kRefusedText);
  if (state.differenceMs) AddSentence(text, AnswerText(state));
  return text.empty() ? L"Сервер времени ещё не ответил." : text;
}

std::wstring ProgramTooltip(const TimeServerState& state) {
  std::wstring tooltip = L"Ostrevin";
  if (!state.named) return tooltip;
  if (state.lastFailed) tooltip += L"\nСервер времени не отвечает";
  if (state.lastRefused) tooltip += L"\nСервер времени называет неверную дату";
  if (!state.differenceMs) return tooltip;
  switch (state.correction.verdict) {
    case ServerVerdict::kZoneMismatch:
      tooltip += L"\n" + ZoneMismatchText(state.correction.zoneHours);
      break;
    case ServerVerdict::kLarge:
      tooltip += L"\n" + Difference(*state.differenceMs);
      break;
    case ServerVerdict::kTaken:
    case ServerVerdict::kRefused:
      break;
  }
  return tooltip;
}

}  // namespace ostrevin
