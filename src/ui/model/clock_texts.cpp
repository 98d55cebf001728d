#include "ui/model/clock_texts.h"

#include "base/attribution.h"
#include "base/decimal_text.h"

namespace ostrevin {
namespace {

constexpr int kLessonOverSeconds = 10;
constexpr int kWarningSeconds = 60;

}  // namespace

TrayBalloon LessonOverBalloon() {
  return {L"Ostrevin:   УРОК ОКОНЧЕН !", kBalloonAttributionLine, bikInfo, kLessonOverSeconds};
}

TrayBalloon LessonWarningBalloon(int minutes) {
  return {L"Ostrevin:   через " + DecimalText(minutes) + L" мин. начинается урок!",
          kBalloonAttributionLine, bikWarning, kWarningSeconds};
}

std::wstring EndOfDayQuestion() {
  return L"Сегодня уроков больше нет.\r\n\r\nЗакрыть Ostrevin?";
}

std::wstring MinutesGoneText(std::optional<std::int32_t> minutes) {
  return minutes ? DecimalText(*minutes) + L" мин." : std::wstring();
}

}  // namespace ostrevin
