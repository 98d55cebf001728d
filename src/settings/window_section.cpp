#include "settings/window_section.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/decimal_text.h"
#include "settings/settings_file.h"

namespace ostrevin {
namespace {

constexpr wchar_t kWindowSection[] = L"Window";
constexpr wchar_t kYieldKey[] = L"bYieldToFullScreen";
constexpr wchar_t kLeftKey[] = L"Left";
constexpr wchar_t kTopKey[] = L"Top";
constexpr wchar_t kScreensKey[] = L"Screens";

constexpr wchar_t kScreenSeparator = L';';
constexpr wchar_t kEdgeSeparator = L',';

std::optional<ScreenRect> ReadScreen(std::wstring_view text) {
  std::array<std::int32_t, 4> edges{};
  for (std::size_t index = 0; index < edges.size(); ++index) {
    const std::size_t end = text.find(kEdgeSeparator);
    const bool last = index + 1 == edges.size();
    if (last != (end == std::wstring_view::npos)) return std::nullopt;
    const std::optional<std::int32_t> edge = ReadProfileInteger(std::wstring(text.substr(0, end)));
    if (!edge) return std::nullopt;
    edges[index] = *edge;
    if (!last) text.remove_prefix(end + 1);
  }
  const ScreenRect screen{edges[0], edges[1], edges[2], edges[3]};
  if (screen.Empty()) return std::nullopt;
  return screen;
}

}  // namespace

std::wstring ScreensText(const std::vector<ScreenRect>& screens) {
  std::wstring text;
  for (const ScreenRect& screen : screens) {
    if (!text.empty()) text += kScreenSeparator;
    text += DecimalText(screen.left) + kEdgeSeparator + DecimalText(screen.top) +
            kEdgeSeparator + DecimalText(screen.right) + kEdgeSeparator +
            DecimalText(screen.bottom);
  }
  return text;
}

std::vector<ScreenRect> ReadScreens(const std::wstring& text) {
  std::vector<ScreenRect> screens;
  std::wstring_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find(kScreenSeparator);
    const std::optional<ScreenRect> screen = ReadScreen(rest.substr(0, end));
    if (!screen) return {};
    screens.push_back(*screen);
    if (end == std::wstring_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return screens;
}

void LoadWindowSection(Settings& settings, ProfileFile& file) {
  const std::optional<std::int32_t> yield =
      ReadProfileInteger(file.ReadString(kWindowSection, kYieldKey));
  settings.bYieldToFullScreen = yield.value_or(0) != 0;
  const std::optional<std::int32_t> left =
      ReadProfileInteger(file.ReadString(kWindowSection, kLeftKey));
  const std::optional<std::int32_t> top =
      ReadProfileInteger(file.ReadString(kWindowSection, kTopKey));
  if (!left || !top) {
    settings.TimerWindowPlace.reset();
    return;
  }
  settings.TimerWindowPlace =
      WindowPlace{*left, *top, ReadScreens(file.ReadString(kWindowSection, kScreensKey))};
}

void SaveWindowSection(const Settings& settings, ProfileFile& file) {
  file.WriteString(kWindowSection, kYieldKey, settings.bYieldToFullScreen ? L"1" : L"0");
  if (!settings.TimerWindowPlace) return;
  const WindowPlace& place = *settings.TimerWindowPlace;
  file.WriteString(kWindowSection, kLeftKey, DecimalText(place.left));
  file.WriteString(kWindowSection, kTopKey, DecimalText(place.top));
  file.WriteString(kWindowSection, kScreensKey, ScreensText(place.screens));
}

}  // namespace ostrevin
