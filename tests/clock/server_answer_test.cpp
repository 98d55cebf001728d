// The rule by which the school's time takes a time server's answer, as the
// README states it, case by case.
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "clock/server_answer.h"

namespace ostrevin {
namespace {

constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kMinute = 60 * kSecond;
constexpr std::int64_t kHour = 60 * kMinute;
constexpr std::int64_t kDay = 24 * kHour;
// 2026-09-01 and 2026-12-14 08:30 UTC, in milliseconds since 1970.
constexpr std::int64_t kBuilt = 1'788'220'800'000;
constexpr std::int64_t kSchoolDay = 1'797'237'000'000;

struct AnswerCase {
  const char* name;
  std::int64_t differenceMs;
  std::int64_t serverUnixMs;
  ServerCorrection expected;
};

void PrintTo(const AnswerCase& c, std::ostream* out) {
  *out << c.name;
}

class ServerAnswerRuleTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ServerAnswerRuleTest, TakesWhatTheRuleSays) {
  const AnswerCase& c = GetParam();
  EXPECT_EQ(JudgeServerAnswer(c.differenceMs, c.serverUnixMs, kBuilt), c.expected);
}

using enum ServerVerdict;

INSTANTIATE_TEST_SUITE_P(
    Rule, ServerAnswerRuleTest,
    ::testing::Values(
        AnswerCase{"SecondsAreTaken", 12'300, kSchoolDay, {kTaken, 12'300, 0}},
        AnswerCase{"AheadIsTaken", -90 * kSecond, kSchoolDay, {kTaken, -90 * kSecond, 0}},
        AnswerCase{
            "TenMinutesAreStillSmall", -10 * kMinute, kSchoolDay, {kTaken, -10 * kMinute, 0}},
        AnswerCase{"MoreThanTenMinutesAreLarge",
                   10 * kMinute + 1,
                   kSchoolDay,
                   {kLarge, 10 * kMinute + 1, 0}},
        AnswerCase{"HalfAnHourIsNoZone", 30 * kMinute, kSchoolDay, {kLarge, 30 * kMinute, 0}},
        AnswerCase{"AnHourBehindIsTheZone",
                   kHour + 12 * kSecond,
                   kSchoolDay,
                   {kZoneMismatch, 12 * kSecond, 1}},
        AnswerCase{"AnHourAheadIsTheZone",
                   -kHour + 40 * kSecond,
                   kSchoolDay,
                   {kZoneMismatch, 40 * kSecond, -1}},
        AnswerCase{
            "AMinuteShortOfTheHour", kHour - kMinute, kSchoolDay, {kZoneMismatch, -kMinute, 1}},
        AnswerCase{"JustOverAMinuteFromTheHour",
                   kHour + kMinute + 1,
                   kSchoolDay,
                   {kLarge, kHour + kMinute + 1, 0}},
        AnswerCase{"ThreeHoursOfMoscowAgainstUtc",
                   -3 * kHour - 2 * kSecond,
                   kSchoolDay,
                   {kZoneMismatch, -2 * kSecond, -3}},
        AnswerCase{"FourteenHoursAreStillAZone", 14 * kHour, kSchoolDay, {kZoneMismatch, 0, 14}},
        AnswerCase{"ADayOffIsADate", kDay, kSchoolDay, {kLarge, kDay, 0}},
        AnswerCase{"AClockResetTo2009",
                   17 * 365 * kDay + 5 * kHour + 7 * kMinute,
                   kSchoolDay,
                   {kLarge, 17 * 365 * kDay + 5 * kHour + 7 * kMinute, 0}},
        AnswerCase{
            "ARouterAnsweringIn1970", -kSchoolDay + 42 * kSecond, 42 * kSecond, {kRefused, 0, 0}},
        AnswerCase{"ADayBeforeTheBuild", 0, kBuilt - 1, {kRefused, 0, 0}},
        AnswerCase{"TheBuildsOwnMoment", 0, kBuilt, {kTaken, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrevin
