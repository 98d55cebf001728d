#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "clock/local_clock.h"
#include "components/tray_shell.h"
#include "settings/settings.h"
#include "toolkit/application.h"
#include "ui/frm_work.h"
#include "ui/full_screen_probe.h"
#include "ui/work_services.h"

namespace ostrevin::uitest {

// A clock the test sets; it starts on a Monday at 10:00, when no lesson of
// the built-in timetable starts.
class SettableClock final : public LocalClock {
 public:
  LocalDateTime Now() const override { return now_; }
  void Set(Weekday dayOfWeek, int hour, int minute, int second = 0);

 private:
  LocalDateTime now_{.year = 2026, .month = 9, .day = 7, .dayOfWeek = Weekday::Monday, .hour = 10};
};

// Records the cues, the pauses (with the timer window's opacity at each), the
// working-set trims, the autostart registrations and the opened addresses
// instead of making them; answers the autostart question as told.
class RecordingServices final : public WorkServices {
 public:
  struct Pause {
    int ms;
    int opacity;
  };
  struct AutoRunCall {
    std::wstring name;
    std::wstring path;
    bool enable;
    bool operator==(const AutoRunCall&) const = default;
  };

  void PlaySystemSound(SoundKind kind) override { sounds.push_back(kind); }
  void WaitMs(int ms) override;
  void TrimWorkingSet() override { ++trims; }
  bool IsAutoRun(const std::wstring& name, const std::wstring& path) override;
  void SetAutoRun(const std::wstring& name, const std::wstring& path, bool enable) override {
    autoRunSets.push_back({name, path, enable});
  }
  bool OpenURL(const std::wstring& target) override {
    openedUrls.push_back(target);
    return true;
  }

  std::vector<SoundKind> sounds;
  std::vector<Pause> pauses;
  int trims = 0;
  bool autoRun = false;
  bool autoRunFails = false;  // the question raises the registry's error
  std::vector<AutoRunCall> autoRunQueries;
  std::vector<AutoRunCall> autoRunSets;
  std::vector<std::wstring> openedUrls;
};

// A notification area that shows what it is given and refuses what the real
// one refuses (a second add, a modify or delete of an icon it does not show),
// keeping every request.
class RecordingTrayShell final : public TrayShell {
 public:
  struct Request {
    DWORD message;
    NOTIFYICONDATAW data;
  };

  bool Notify(DWORD message, NOTIFYICONDATAW& data) override;
  // The tray's icon size: the real notification area's, unless set.
  int IconSize() const override { return iconSize ? *iconSize : TrayShell::IconSize(); }

  // The balloon titles sent, in order (an empty text is a balloon taken down).
  std::vector<std::wstring> BalloonTitles() const;
  bool Shows(UINT iconId) const { return shown_.contains(iconId); }
  // The requests about one icon.
  std::vector<Request> RequestsFor(UINT iconId) const;

  std::vector<Request> requests;
  std::optional<int> iconSize;

 private:
  std::set<UINT> shown_;
};

// A desktop whose full-screen shows the test makes up: what Windows says and
// what lies on the timer window's screen are set, and the test brings a
// window in front by calling what the timer window watches with.
class FakeFullScreenProbe final : public FullScreenProbe {
 public:
  NotificationState State() override { return state; }
  ScreenShowFacts FactsAbout(HWND) override { return facts; }
  void WatchForeground(std::function<void()> onChange) override {
    onForegroundChange = std::move(onChange);
  }

  // A show covering the timer window's screen starts (true) or ends.
  void ShowCoversTheScreen(bool covers) {
    facts.showCoversScreen = covers;
    if (onForegroundChange) onForegroundChange();
  }

  NotificationState state = NotificationState::AcceptsNotifications;
  ScreenShowFacts facts;
  std::function<void()> onForegroundChange;
};

// The opacity of a layered window as the system has it.
int LayeredOpacity(HWND window);

// A timer window on the application of the test program, with a settable
// clock, recording services and tray, and a settings file of its own in a
// fresh folder. Error reports are collected, not shown.
class WorkFormTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the settings file before the window is created (it loads it).
  void WriteSettingsFile(const std::string& text) const;
  // An empty file in UTF-16 with its byte-order mark: the profile functions
  // keep it so, with every character of a schedule's name, whatever the
  // system's code page.
  static void StartUnicodeFile(const std::wstring& path);
  TWorkF& CreateForm();
  void DestroyForm() { form.reset(); }

  // Makes the window the active one and sends it a key press through the
  // program's message loop.
  void PressKey(UINT virtualKey);
  // One 30-second tick of the window's timer.
  void Tick();
  // Runs the program's message loop until it ends; false when it had to be
  // stopped after a few seconds.
  bool RunLoopUntilItEnds();

  // The key names of a section of the settings file.
  std::vector<std::wstring> KeysInFile(const wchar_t* section) const;
  // The settings as the file holds them now.
  Settings SettingsInFile() const;
  bool SettingsFileExists() const;

  toolkit::Application& app = toolkit::Application::Instance();
  std::vector<toolkit::Application::ErrorReport> reports;
  // The process ends at the session's end: counted here instead.
  int processEnds = 0;
  Settings settings;
  SettableClock clock;
  RecordingServices services;
  RecordingTrayShell tray;
  FakeFullScreenProbe fullScreen;
  std::wstring folder;
  std::wstring settingsPath;
  std::unique_ptr<TWorkF> form;
};

}  // namespace ostrevin::uitest
