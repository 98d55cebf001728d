#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ui/model/bell_rang_text.h"

namespace ostrevin {
namespace {

struct BalloonCase {
  const char* name;
  BellRangOutcome outcome;
  TrayBalloon balloon;
};

void PrintTo(const BalloonCase& c, std::ostream* out) {
  *out << c.name;
}

class BellRangTextTest : public ::testing::TestWithParam<BalloonCase> {};

TEST_P(BellRangTextTest, TellsTheTeacherWhatTheBellDid) {
  EXPECT_EQ(BellRangBalloonOf(GetParam().outcome), GetParam().balloon);
}

const PlannedLesson kLessonOne{.number = 1,
                               .start = EncodeTimeOfDay(8, 30, 0, 0),
                               .end = EncodeTimeOfDay(9, 15, 0, 0),
                               .taught = false,
                               .length = {}};

BellRangOutcome Taken(bool isStart, std::int32_t offset) {
  return {.kind = BellRangOutcome::Kind::kTaken,
          .bell = Bell{.lesson = kLessonOne,
                       .isStart = isStart,
                       .at = isStart ? kLessonOne.start : kLessonOne.end},
          .offsetSeconds = offset};
}

const std::wstring kTitle = L"Звонок прозвенел";

INSTANTIATE_TEST_SUITE_P(
    Outcomes, BellRangTextTest,
    ::testing::Values(
        BalloonCase{"Behind",
                    Taken(true, -40),
                    {kTitle, L"Время звонка: 08:30. Звонок отстаёт на 40 с.", bikInfo, 10}},
        BalloonCase{"Ahead",
                    Taken(false, 20),
                    {kTitle, L"Время звонка: 09:15. Звонок спешит на 20 с.", bikInfo, 10}},
        BalloonCase{"OnTime",
                    Taken(true, 0),
                    {kTitle, L"Время звонка: 08:30. Звонок идёт точно по часам.", bikInfo, 10}},
        BalloonCase{
            "NoBellNear",
            {.kind = BellRangOutcome::Kind::kNoBellNear, .bell = std::nullopt, .offsetSeconds = 0},
            {kTitle, L"Звонка по расписанию ближе 10 минут нет. Время не изменено.", bikWarning,
             10}},
        BalloonCase{"BeyondAnHour",
                    {.kind = BellRangOutcome::Kind::kBeyondAnHour,
                     .bell = std::nullopt,
                     .offsetSeconds = 0},
                    {kTitle, L"Звонок разошёлся бы с часами больше чем на час. Время не изменено.",
                     bikWarning, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrevin
