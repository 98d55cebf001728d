#include <string>

#include <gtest/gtest.h>

#include "ui/model/clock_texts.h"

namespace ostrevin {
namespace {

const std::wstring kAttribution = L"Ostrevin, таймер школьных уроков. © 2026, команда Ostrevin";

TEST(ClockTexts, TheLessonsEndAndTheWarningAreBalloonsWithTheAttributionLine) {
  EXPECT_EQ(LessonOverBalloon(),
            (TrayBalloon{L"Ostrevin:   УРОК ОКОНЧЕН !", kAttribution, bikInfo, 10}));
  EXPECT_EQ(LessonWarningBalloon(3), (TrayBalloon{L"Ostrevin:   через 3 мин. начинается урок!",
                                                  kAttribution, bikWarning, 60}));
  EXPECT_EQ(LessonWarningBalloon(15).title, L"Ostrevin:   через 15 мин. начинается урок!");
}

TEST(ClockTexts, TheQuestionIsALineAnEmptyLineAndALine) {
  EXPECT_EQ(EndOfDayQuestion(), L"Сегодня уроков больше нет.\r\n\r\nЗакрыть Ostrevin?");
}

TEST(ClockTexts, TheMinuteLabelShowsWholeMinutesOrNothing) {
  EXPECT_EQ(MinutesGoneText(0), L"0 мин.");
  EXPECT_EQ(MinutesGoneText(45), L"45 мин.");
  EXPECT_EQ(MinutesGoneText(std::nullopt), L"");
}

}  // namespace
}  // namespace ostrevin
