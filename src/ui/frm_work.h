#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/screen_rect.h"
#include "clock/clock_host.h"
#include "clock/lesson_clock.h"
#include "clock/local_clock.h"
#include "clock/school_clock.h"
#include "components/notify_icon.h"
#include "components/text_notify_icon.h"
#include "components/tray_shell.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "system/time_server_client.h"
#include "toolkit/action.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/image_list.h"
#include "toolkit/label.h"
#include "toolkit/menu.h"
#include "toolkit/tool_bar.h"
#include "toolkit/window_timer.h"
#include "ui/form_gauge.h"
#include "ui/full_screen_probe.h"
#include "ui/model/clock_texts.h"
#include "ui/model/step_aside.h"
#include "ui/model/time_server_text.h"
#include "ui/work_services.h"

namespace ostrevin {

class TLessonListF;

// The timer window: small, borderless, always on top, its button-face
// background see-through, showing the toolbar, the lesson pie and the minute
// label. It is the application's main form and holds the lesson clock with
// its 30-second tick, the actions and their keys, the program's tray icon
// with its menu, and the tray icon that shows the current lesson's number. The program starts with
// it hidden; destroying it saves the settings.
class TWorkF final : public toolkit::Form, public ClockHost {
 private:
  // First, so that they exist before any component that is bound to them.
  Settings& settings_;
  WorkServices& services_;
  std::wstring settingsPath_;
  FullScreenProbe& fullScreen_;
  bool savedAtEnd_ = false;
  // The computer's clock corrected to the school's time: the only clock the
  // lesson clock reads.
  SchoolClock schoolClock_;

 public:
  // Creates the window hidden, with its components, and runs FormCreate.
  // localClock is the computer's clock; settingsPath names the settings file,
  // empty for the default file beside the program.
  TWorkF(Settings& settings, const LocalClock& localClock, WorkServices& services,
         TrayShell& trayShell = SystemTrayShell(), std::wstring settingsPath = {},
         FullScreenProbe& fullScreen = SystemFullScreenProbe());
  ~TWorkF() override;

  // The components, in form order. The toolbar and its pictures are made
  // when the window is first shown (MakeToolBar): the program idles in the
  // tray with the window hidden, without the common controls they load.
  std::optional<toolkit::ScaledImageList> ImgList;  // the toolbar's pictures at each size
  toolkit::Action acStart;
  toolkit::Action acStop;
  toolkit::Action acOptions;
  toolkit::Action acShowCurrNo;
  std::optional<toolkit::ToolBar> ToolBar1;
  FormGauge Gauge1;
  toolkit::Label EmptyLabel;  // over the pie, only for dragging
  toolkit::Label lbAlready;
  toolkit::Label lblAttribution;
  toolkit::Menu TrayPopup;
  TNotifyIcon AppTrayIcon;
  // The number of the lesson going on now; after AppTrayIcon and TrayPopup.
  TTextNotifyIcon NumberTrayIcon;
  toolkit::WindowTimer Timer;

  // The lesson clock and its variables, one set for the whole run.
  LessonClock Clock;

  // The settings dialog while it is open, else none. While it is open the
  // window does not fade.
  TLessonListF* LessonListF() const { return lessonListF_; }

  // Makes the toolbar with its pictures unless it is there; the window does
  // it before it shows.
  void MakeToolBar();
  // Before the window shows: its toolbar, and its place on the screens as
  // they are now.
  void FormShowing();

  // Handlers.
  void FormCreate();
  void FormDestroy();
  void FormClick();
  void Label1Click();
  void lbAlreadyMouseDown();
  void N1Click();
  void N3Click();
  void btnHideMainFormClick();
  void acStartExecute();
  void acStopExecute();
  void acOptionsExecute();
  void acShowCurrNoExecute();
  void TimerTimer();
  // The school bell's time: "Звонок прозвенел" in the tray menu.
  void BellRangClick();

  // The window fades to fully opaque while the program is the active one and
  // back to the configured opacity when another program is. Its Tag tells
  // which way it went last.
  static constexpr int kFadedTag = 1;  // faded, or to be treated so (at start)
  static constexpr int kFadedInTag = 0;
  void FadeIn() override;
  void FadeOut();
  // The fades and the beeps run from timers of the window, so that the
  // program answers its messages at every moment of them (a second start, an
  // installer's close, the session's end). Tests hand the timers their ticks
  // by these ids.
  static constexpr UINT_PTR kBeepTimerId = 2;
  static constexpr UINT_PTR kFadeTimerId = 3;
  static constexpr UINT kBeepIntervalMs = 1000;
  static constexpr UINT kFadeStepMs = 10;
  bool Fading() const { return fadeTimer_.Enabled(); }
  int BeepsLeft() const { return beepsLeft_; }

  // What the lesson clock does to the window, its tray icon and the program.
  void SetGaugeProgress(int progress) override;
  void SetGaugeColor(Color color) override;
  void ShowMinutesGone(std::optional<std::int32_t> minutes) override;
  void SetStartEnabled(bool enabled) override;
  void SetStopEnabled(bool enabled) override;
  void ShowLessonOver() override;
  void WarnOfLesson(int minutes) override;
  void ClearBalloon() override;
  void RestoreMainWindow() override;
  void BringForward() override;
  bool SettingsDialogOpen() const override { return lessonListF_ != nullptr; }
  bool ConfirmCloseProgram() override;
  void RequestClose() override;
  void UpdateLessonIndicator() override;
  void PlaySystemSound(SoundKind kind) override;
  void PlayBeepSeries(int beeps) override;
  void TrimWorkingSet() override;
  void ClockMovedUnannounced() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::function<void()> Handler(void (TWorkF::*handler)());
  std::function<void(toolkit::MouseButton, POINT)> MouseDownHandler(void (TWorkF::*handler)());
  void SetUpTrayIcon();
  void SetUpNumberTrayIcon();
  // Shows or hides the lesson number icon as the settings ask, and brings it
  // up to date when shown.
  void ApplyShowCurrNo();
  void GreetNewUser();
  // What the start found of the settings file, when the teacher must know.
  void TellAboutSettingsFile(const SettingsFileFound& found);
  // The school bell's time: sleep and clock changes reported by the system.
  void FollowSystemTimeMessage(UINT message, WPARAM wParam);
  // The school's time server: asked at start, after waking and every hour
  // (five minutes after a question it did not answer), and at once when its
  // name changes.
  void AskTimeServer();
  void AskTimeServerWhenDue();
  void TimeServerAnswered(std::optional<SntpAnswer> answer);
  void TakeServerAnswer(const SntpAnswer& answer);
  void ShowTimeServerState();
  // The server's difference no longer holds (the computer's clock was set):
  // it goes, and the server is asked again at once.
  void DropServerDifference();
  // Saves the settings changed by the bell's time outside the dialog: while
  // the dialog is open, only that change goes with the settings it opened
  // with.
  void SaveBellOffset();
  void StartFade(int target, int step);
  void ShowBalloon(const TrayBalloon& balloon);
  void FadeStep();
  void BeepStep();
  // The program is ending: no tick, activation or tray click may reach the
  // window any more, also not from the message loop of an error report.
  void StopReacting();
  // Once per ending, whichever way the program ends.
  void SaveSettingsAtEnd();
  // What a save writes: while the settings dialog is open, the settings it
  // opened with, never its edits that OK has not confirmed.
  const Settings& SettingsToSave() const;
  // Saves settings with the place the user moved the window to.
  void SaveSettingsWithPlace(const Settings& settings);
  // The settings dialog, from its opening to its end.
  void EditSettings();

  // The window on the screens (frm_work_screens.cpp): back at its place at
  // start, kept on the screens when they or their work areas change and
  // before it shows, out of the way of full-screen shows while the option
  // asks for it.
  void PlaceOnScreensAtStart();
  void KeepOnScreens();
  void RememberPlace();
  void WatchForFullScreenShows();
  void LookForFullScreenShow();

  // A later start of the program asks this copy to show its window.
  std::optional<toolkit::ScopedMessageHook> showRequestHook_;
  TLessonListF* lessonListF_ = nullptr;
  // While the settings dialog is open: the settings it opened with, which
  // Cancel puts back. A change made elsewhere meanwhile that is to stay (the
  // tray menu's lesson number switch) is made here too.
  std::optional<Settings> settingsBeforeDialog_;

  // The school's time server.
  TimeServerClient timeServer_;
  TimeServerState timeServerState_;
  std::wstring askedServer_;
  ULONGLONG nextServerQuestion_ = 0;  // by GetTickCount64
  // The computer's clock and the tick count at the last tick: a tick that
  // finds the school's time moved tells by them whether the clock was set
  // (the tick count, which counts sleep too, never is).
  void NoteComputerClock();
  std::int64_t lastComputerMoment_ = 0;
  ULONGLONG lastTickCount_ = 0;

  // The fade under way: the opacity it goes to, by how much each step.
  toolkit::WindowTimer fadeTimer_;
  int fadeTarget_ = 0;
  int fadeStep_ = 0;
  // The beeps of the final part's series still to come, a second apart.
  toolkit::WindowTimer beepTimer_;
  int beepsLeft_ = 0;

  // Where the user moved the window to during this run: the place saved.
  std::optional<WindowPlace> movedTo_;
  // The screens, with their work areas, the window's place was last decided
  // on: by the user, at start or by the program.
  std::vector<Screen> placedOn_;
  StepAside stepAside_;
};

}  // namespace ostrevin
