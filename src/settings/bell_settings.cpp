#include "settings/bell_settings.h"

#include <algorithm>
#include <string>

#include "base/decimal_text.h"
#include "settings/settings_file.h"

namespace ostrevin {
namespace {

constexpr wchar_t kBellSection[] = L"Bell";
constexpr wchar_t kBellOffsetKey[] = L"BellOffset";
// A key of its own, so that a version that does not know it reads the offset
// as before.
constexpr wchar_t kBellOffsetByComputerKey[] = L"BellOffsetByComputer";
constexpr wchar_t kJoinLessonKey[] = L"JoinLesson";
constexpr wchar_t kTimeServerKey[] = L"TimeServer";

}  // namespace

std::int32_t LimitedBellOffset(std::int64_t seconds) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(seconds, -kBellOffsetLimitSeconds, kBellOffsetLimitSeconds));
}

void LoadBellSettings(Settings& settings, ProfileFile& file) {
  settings.BellOffset = LimitedBellOffset(
      ReadProfileInteger(file.ReadString(kBellSection, kBellOffsetKey)).value_or(0));
  settings.BellOffsetByComputer =
      ReadProfileInteger(file.ReadString(kBellSection, kBellOffsetByComputerKey)).value_or(0) != 0;
  settings.JoinLesson =
      ReadProfileInteger(file.ReadString(kBellSection, kJoinLessonKey)).value_or(1) != 0;
  settings.TimeServer = file.ReadString(kBellSection, kTimeServerKey);
}

void SaveBellSettings(const Settings& settings, ProfileFile& file) {
  file.WriteString(kBellSection, kBellOffsetKey, DecimalText(settings.BellOffset));
  file.WriteString(kBellSection, kJoinLessonKey, settings.JoinLesson ? L"1" : L"0");
  file.WriteString(kBellSection, kTimeServerKey, settings.TimeServer);
  file.WriteString(kBellSection, kBellOffsetByComputerKey,
                   settings.BellOffsetByComputer ? L"1" : L"0");
}

}  // namespace ostrevin
