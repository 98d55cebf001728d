#include "clock_fakes.h"

#include <utility>

#include "support/sample_settings.h"

namespace ostrevin::clocktest {

namespace {

std::wstring ColorName(Color color) {
  switch (color) {
    case clBlack:
      return L"black";
    case clGreen:
      return L"green";
    case clRed:
      return L"red";
    default:
      return L"other " + std::to_wstring(color);
  }
}

std::wstring OnOff(bool on) {
  return on ? L"on" : L"off";
}

}  // namespace

std::vector<std::wstring> RecordingHost::TakeEvents() {
  return std::exchange(events, {});
}

void RecordingHost::SetGaugeProgress(int progress) {
  events.push_back(L"progress " + std::to_wstring(progress));
}

void RecordingHost::SetGaugeColor(Color color) {
  events.push_back(L"color " + ColorName(color));
}

void RecordingHost::ShowMinutesGone(std::optional<std::int32_t> minutes) {
  events.push_back(minutes ? L"label " + std::to_wstring(*minutes) : L"label none");
}

void RecordingHost::SetStartEnabled(bool enabled) {
  events.push_back(L"start " + OnOff(enabled));
}

void RecordingHost::SetStopEnabled(bool enabled) {
  events.push_back(L"stop " + OnOff(enabled));
}

void RecordingHost::ShowLessonOver() {
  events.push_back(L"lesson over");
}

void RecordingHost::WarnOfLesson(int minutes) {
  events.push_back(L"warning " + std::to_wstring(minutes));
}

void RecordingHost::ClearBalloon() {
  events.push_back(L"clear balloon");
}

void RecordingHost::RestoreMainWindow() {
  events.push_back(L"restore");
}

void RecordingHost::BringForward() {
  events.push_back(L"forward");
}

void RecordingHost::FadeIn() {
  events.push_back(L"fade in");
  if (onFadeIn) onFadeIn();
}

bool RecordingHost::ConfirmCloseProgram() {
  events.push_back(L"ask to close");
  return onConfirm();
}

void RecordingHost::RequestClose() {
  events.push_back(L"close");
}

void RecordingHost::UpdateLessonIndicator() {
  events.push_back(L"indicator");
}

void RecordingHost::PlaySystemSound(SoundKind kind) {
  events.push_back(L"sound " + std::to_wstring(kind));
}

void RecordingHost::PlayBeepSeries(int beeps) {
  events.push_back(L"beeps " + std::to_wstring(beeps));
}

void RecordingHost::TrimWorkingSet() {
  events.push_back(L"trim");
}

void RecordingHost::ClockMovedUnannounced() {
  ++clockMoves;
  if (onClockMoved) onClockMoved();
}

void SettableClock::Set(Weekday dayOfWeek, int hour, int minute, int second, int millisecond) {
  // The week from Sunday 6 September 2026, so that the date and the weekday
  // agree and a later weekday is a later day.
  now.year = 2026;
  now.month = 9;
  now.day = 6 + WeekdayNumber(dayOfWeek);
  now.dayOfWeek = dayOfWeek;
  now.hour = hour;
  now.minute = minute;
  now.second = second;
  now.millisecond = millisecond;
}

Settings DefaultSettings() {
  Settings settings = test_support::SettingsFileDefaults();
  settings.LessonOn.fill(true);
  return settings;
}

int BeepsIn(const std::vector<std::wstring>& events) {
  int beeps = 0;
  for (const std::wstring& event : events) {
    if (event == L"sound 10") ++beeps;
    if (event.starts_with(L"beeps ")) beeps += std::stoi(event.substr(6));
  }
  return beeps;
}

TimeOfDay At(int hour, int minute, int second) {
  return EncodeTimeOfDay(hour, minute, second, 0);
}

}  // namespace ostrevin::clocktest
