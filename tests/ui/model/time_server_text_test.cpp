#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ui/model/time_server_text.h"

namespace ostrevin {
namespace {

struct TextCase {
  const char* name;
  TimeServerState state;
  std::wstring text;
  std::wstring tooltip;
};

void PrintTo(const TextCase& c, std::ostream* out) {
  *out << c.name;
}

class TimeServerTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TimeServerTextTest, SaysWhatTheProgramKnowsOfTheServer) {
  const TextCase& c = GetParam();
  EXPECT_EQ(TimeServerResultText(c.state), c.text);
  EXPECT_EQ(ProgramTooltip(c.state), c.tooltip);
}

constexpr TimeOfDay k0805 = TimeOfDay::At(8, 5);
const TimeOfDay k0905 = EncodeTimeOfDay(9, 5, 59, 999);  // shown to the minute
const std::wstring kName = L"Ostrevin";
const std::wstring kSilent = L"Ostrevin\nСервер времени не отвечает";

TimeServerState Named() {
  TimeServerState state;
  state.named = true;
  return state;
}

TimeServerState Answered(std::int64_t differenceMs) {
  TimeServerState state = Named();
  state.differenceMs = differenceMs;
  state.checkedAt = k0805;
  return state;
}

TimeServerState Judged(std::int64_t differenceMs) {
  TimeServerState state = Answered(differenceMs);
  state.correction = JudgeServerAnswer(differenceMs, 0, 0);
  return state;
}

TimeServerState Refused(TimeServerState state) {
  state.lastRefused = true;
  return state;
}

TimeServerState SilentSince(TimeServerState state) {
  state.lastFailed = true;
  state.failedAt = k0905;
  return state;
}

INSTANTIATE_TEST_SUITE_P(
    States, TimeServerTextTest,
    ::testing::Values(
        TextCase{"NoServer", TimeServerState(), L"Сервер времени не задан.", kName},
        TextCase{"NoServerButAnOldFailure", SilentSince(TimeServerState()),
                 L"Сервер времени не задан.", kName},
        TextCase{"NotAnsweredYet", Named(), L"Сервер времени ещё не ответил.", kName},
        TextCase{"ComputerBehind", Answered(12'300),
                 L"Часы компьютера отстают на 12 с, проверено в 08:05.", kName},
        TextCase{"ComputerAhead", Answered(-90'000),
                 L"Часы компьютера спешат на 90 с, проверено в 08:05.", kName},
        TextCase{"OnTime", Answered(499), L"Часы компьютера идут точно, проверено в 08:05.", kName},
        TextCase{"Minutes", Answered(5'400'000),
                 L"Часы компьютера отстают на 90 мин, проверено в 08:05.", kName},
        TextCase{"HoursOfAResetClock", Answered(26 * 3'600'000LL),
                 L"Часы компьютера отстают на 26 ч, проверено в 08:05.", kName},
        TextCase{"DaysOfAResetClock", Answered(700 * 86'400'000LL),
                 L"Часы компьютера отстают на 700 дн., проверено в 08:05.", kName},
        TextCase{"YearsOfAResetClock", Judged(-17 * 365 * 86'400'000LL),
                 L"Часы компьютера спешат на 17 лет, проверено в 08:05.",
                 L"Ostrevin\nЧасы компьютера спешат на 17 лет"},
        TextCase{"TwoYears", Judged(2 * 365 * 86'400'000LL),
                 L"Часы компьютера отстают на 2 года, проверено в 08:05.",
                 L"Ostrevin\nЧасы компьютера отстают на 2 года"},
        TextCase{"TwentyOneYears", Judged(21 * 365 * 86'400'000LL + 86'400'000LL * 5),
                 L"Часы компьютера отстают на 21 год, проверено в 08:05.",
                 L"Ostrevin\nЧасы компьютера отстают на 21 год"},
        TextCase{"LargeButNotYears", Judged(25 * 60'000),
                 L"Часы компьютера отстают на 25 мин, проверено в 08:05.",
                 L"Ostrevin\nЧасы компьютера отстают на 25 мин"},
        TextCase{"AnHourOffIsTheTimeZone", Judged(3'600'000 + 12'000),
                 L"Часы компьютера расходятся с сервером времени на 1 ч. Проверьте часовой пояс "
                 L"Windows. Часы компьютера отстают на 12 с, проверено в 08:05.",
                 L"Ostrevin\nЧасы компьютера расходятся с сервером времени на 1 ч. Проверьте "
                 L"часовой пояс Windows."},
        TextCase{"ThreeHoursAheadIsTheTimeZone", Judged(-3 * 3'600'000 + 100),
                 L"Часы компьютера расходятся с сервером времени на 3 ч. Проверьте часовой пояс "
                 L"Windows. Часы компьютера идут точно, проверено в 08:05.",
                 L"Ostrevin\nЧасы компьютера расходятся с сервером времени на 3 ч. Проверьте "
                 L"часовой пояс Windows."},
        TextCase{"RefusedAfterAGoodAnswer", Refused(Answered(12'000)),
                 L"Сервер времени назвал дату раньше выпуска программы: его ответ не принят. "
                 L"Часы компьютера отстают на 12 с, проверено в 08:05.",
                 L"Ostrevin\nСервер времени называет неверную дату"},
        TextCase{"RefusedFirst", Refused(Named()),
                 L"Сервер времени назвал дату раньше выпуска программы: его ответ не принят.",
                 L"Ostrevin\nСервер времени называет неверную дату"},
        TextCase{"SilentSinceAGoodAnswer", SilentSince(Answered(12'000)),
                 L"Сервер времени не ответил в 09:05. Часы компьютера отстают на 12 с, "
                 L"проверено в 08:05.",
                 kSilent},
        TextCase{"NeverAnswered", SilentSince(Named()), L"Сервер времени не ответил в 09:05.",
                 kSilent}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrevin
