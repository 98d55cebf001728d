#include "ui/frm_work.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "base/attribution.h"
#include "settings/settings_file_notices.h"
#include "system/settings_storage.h"
#include "system/single_instance.h"
#include "toolkit/application.h"
#include "ui/artwork.h"
#include "ui/frm_lesson_list.h"
#include "ui/general_page.h"

namespace ostrevin {
namespace {

using toolkit::Application;

constexpr int kClientWidth = 225;
constexpr int kStartOpacity = 127;
constexpr int kSnapBuffer = 20;
constexpr UINT_PTR kTickTimerId = 1;
constexpr UINT kTickMs = 30000;
constexpr int kToolButtonWidth = 41;
constexpr int kToolSeparatorWidth = 8;

constexpr const wchar_t* kGreetingTitle = L"Ostrevin работает";
constexpr const wchar_t* kGreetingText =
    L"Ostrevin живёт здесь, в области уведомлений, и сам замечает начало уроков.\n"
    L"Щелчок по значку показывает окно таймера.\n"
    L"F12 в этом окне или «Настройки» в меню значка\n"
    L"открывают настройки, где вводится расписание.";
constexpr std::uint8_t kGreetingSeconds = 30;

toolkit::FormDesign WorkFormDesign() {
  return {.caption = L"Ostrevin",
          .border = toolkit::FormBorder::None,
          .topMost = true,
          .clientWidth = kClientWidth,
          .clientHeight = 299,
          .position = toolkit::FormPosition::ScreenCenter,
          .color = clBtnFace,
          .font = {.face = L"MS Sans Serif", .height = 11, .smooth = false},
          .alphaBlend = true,
          .alphaBlendValue = kStartOpacity,
          // The background and the labels' backgrounds vanish: only the pie
          // in its frame, the texts and the toolbar's pictures show.
          .transparentColor = clBtnFace,
          .snapBuffer = kSnapBuffer,
          .tag = TWorkF::kFadedTag};
}

// The toolbar's pictures at each size they are drawn at.
toolkit::ScaledImageList ToolbarPictures() {
  std::vector<toolkit::ImageList> sizes;
  for (int size : kToolbarPictureSizes) {
    toolkit::ImageList pictures(size, size);
    pictures.AddMaskedResource(Application::Instance().InstanceHandle(),
                               ToolbarPicturesResource(size), kToolbarPicturesMask);
    sizes.push_back(std::move(pictures));
  }
  return toolkit::ScaledImageList(std::move(sizes));
}

toolkit::ControlPlace FullWidth(int top, int height) {
  return {.left = 0, .top = top, .width = kClientWidth, .height = height};
}

}  // namespace

TWorkF::TWorkF(Settings& settings, const LocalClock& localClock, WorkServices& services,
               TrayShell& trayShell, std::wstring settingsPath, FullScreenProbe& fullScreen)
    : Form(WorkFormDesign()),
      settings_(settings),
      services_(services),
      settingsPath_(std::move(settingsPath)),
      fullScreen_(fullScreen),
      schoolClock_(localClock, settings),
      acStart(*this, {.hint = L"Ручной старт",
                      .imageIndex = kPictureStart,
                      .shortcut = VK_F9,
                      .onExecute = Handler(&TWorkF::acStartExecute)}),
      acStop(*this, {.hint = L"Ручной стоп",
                     .imageIndex = kPictureStop,
                     .shortcut = VK_F10,
                     .enabled = false,
                     .onExecute = Handler(&TWorkF::acStopExecute)}),
      acOptions(*this, {.caption = L"Настройки",
                        .hint = L"Настройки",
                        .imageIndex = kPictureOptions,
                        .shortcut = VK_F12,
                        .onExecute = Handler(&TWorkF::acOptionsExecute)}),
      acShowCurrNo(*this, {.caption = L"Показывать номер текущего урока",
                           .checked = true,
                           .onExecute = Handler(&TWorkF::acShowCurrNoExecute)}),
      Gauge1(*this,
             {.name = L"Gauge1",
              .place = FullWidth(24, 225),
              .kind = gkPie,
              .maxValue = 600,
              .progress = 0,
              .foreColor = clGreen,
              .backColor = clWhite,
              .color = clBtnFace,
              .showText = false,
              .borderStyle = bsSingle,
              .font = {.face = L"MS Sans Serif", .height = 19, .bold = true, .smooth = false}}),
      EmptyLabel(*this, {.name = L"EmptyLabel",
                         .place = FullWidth(24, 225),
                         .onMouseDown = MouseDownHandler(&TWorkF::lbAlreadyMouseDown)}),
      lbAlready(*this,
                {.name = L"lbAlready",
                 .place = FullWidth(249, 37),
                 .font =
                     toolkit::FontDesign{
                         .face = L"MS Sans Serif", .height = 32, .bold = true, .smooth = false},
                 .alignment = toolkit::TextAlignment::Center,
                 .onMouseDown = MouseDownHandler(&TWorkF::lbAlreadyMouseDown),
                 .onClick = Handler(&TWorkF::FormClick)}),
      lblAttribution(*this, {.name = L"lblAttribution",
                             .place = FullWidth(286, 13),
                             .caption = kAttributionLine,
                             .alignment = toolkit::TextAlignment::Center,
                             .onMouseDown = MouseDownHandler(&TWorkF::lbAlreadyMouseDown),
                             .onClick = Handler(&TWorkF::Label1Click)}),
      TrayPopup({{.caption = L"Показать", .onClick = Handler(&TWorkF::N1Click), .isDefault = true},
                 {.action = &acShowCurrNo},
                 {.action = &acOptions},
                 {.caption = L"Звонок прозвенел", .onClick = Handler(&TWorkF::BellRangClick)},
                 {.separator = true},
                 {.caption = L"Выход", .onClick = Handler(&TWorkF::N3Click)}}),
      AppTrayIcon(Handle(), trayShell),
      NumberTrayIcon(Handle(), trayShell),
      Timer(Handle(), kTickTimerId, kTickMs, Handler(&TWorkF::TimerTimer)),
      Clock(settings, schoolClock_, *this),
      timeServer_([this](std::optional<SntpAnswer> answer) { TimeServerAnswered(answer); }),
      fadeTimer_(Handle(), kFadeTimerId, kFadeStepMs, Handler(&TWorkF::FadeStep), false),
      beepTimer_(Handle(), kBeepTimerId, kBeepIntervalMs, Handler(&TWorkF::BeepStep), false) {
  OnCreate = Handler(&TWorkF::FormCreate);
  OnShowing = Handler(&TWorkF::FormShowing);
  OnDestroy = Handler(&TWorkF::FormDestroy);
  OnClick = Handler(&TWorkF::FormClick);
  SetUpTrayIcon();
  SetUpNumberTrayIcon();
  showRequestHook_.emplace([this](UINT message, WPARAM, LPARAM) {
    if (message == 0 || message != ShowRunningCopyMessage()) return;
    AnswerShowRequest();
    N1Click();
  });
  Application::Instance().SetMainFormHandle(Handle());
  Created();
}

TWorkF::~TWorkF() {
  StopReacting();
  DestroyHandle();
}

std::function<void()> TWorkF::Handler(void (TWorkF::*handler)()) {
  return [this, handler] { (this->*handler)(); };
}

// A handler of mouse presses that acts alike whatever the button and place.
std::function<void(toolkit::MouseButton, POINT)> TWorkF::MouseDownHandler(
    void (TWorkF::*handler)()) {
  return [this, handler](toolkit::MouseButton, POINT) { (this->*handler)(); };
}

void TWorkF::MakeToolBar() {
  if (ToolBar1) return;
  ImgList.emplace(ToolbarPictures());
  ToolBar1.emplace(
      *this, toolkit::ToolBarDesign{.name = L"ToolBar1",
                                    .place = FullWidth(0, 24),
                                    .images = &*ImgList,
                                    .buttonWidth = kToolButtonWidth,
                                    .edges = {.left = true, .top = true, .right = true},
                                    .showHints = true,
                                    .buttons = {{.action = &acStart},
                                                {.action = &acStop},
                                                {.action = &acOptions},
                                                {.separatorWidth = kToolSeparatorWidth},
                                                {.hint = L"Скрыть окно",
                                                 .onClick = Handler(&TWorkF::btnHideMainFormClick)},
                                                {.imageIndex = kPictureExit,
                                                 .hint = L"Выход",
                                                 .onClick = Handler(&TWorkF::N3Click)}}});
}

void TWorkF::FormShowing() {
  MakeToolBar();
  KeepOnScreens();
}

void TWorkF::SetUpTrayIcon() {
  AppTrayIcon.SetIconSource([](int size) { return Application::Instance().ProgramIcon(size); });
  AppTrayIcon.SetHint(L"Ostrevin");
  AppTrayIcon.SetPopupMenu(&TrayPopup);
  AppTrayIcon.SetMinimizeToTray(true);
  AppTrayIcon.OnClick = [this](TNotifyIcon&) { N1Click(); };
  AppTrayIcon.SetIconVisible(true);
  AppTrayIcon.Loaded();
}

void TWorkF::FormCreate() {
  const SettingsFileFound settingsFile = LoadSettings(settings_, settingsPath_);
  ApplyShowCurrNo();
  PlaceOnScreensAtStart();
  WatchForFullScreenShows();
  // Only the tray icons show at start.
  Application& application = Application::Instance();
  application.SetShowMainForm(false);
  application.OnActivate = [this] { FadeIn(); };
  application.OnDeactivate = [this] { FadeOut(); };
  Clock.ComputeDayEndTime();
  NoteComputerClock();
  // Started at the bell or late, the program still counts the lesson going on.
  Clock.JoinLessonInProgress();
  AskTimeServerWhenDue();
  TellAboutSettingsFile(settingsFile);
}

// Last at start, when the clock is ready for the ticks that a message box
// lets through.
void TWorkF::TellAboutSettingsFile(const SettingsFileFound& found) {
  if (found.state == SettingsFileState::kMissing) {
    GreetNewUser();
    return;
  }
  const std::wstring text = SettingsFileFoundText(found, SettingsFilePath(settingsPath_));
  if (!text.empty()) Application::Instance().ShowErrorText(text);
}

// A program that starts with only a tray icon (which newer Windows puts out of
// sight at first) would be easy to lose: the first start says where it lives
// and how to open it.
void TWorkF::GreetNewUser() {
  AppTrayIcon.DisplayBalloon(kGreetingTitle, kGreetingText, bikInfo, kGreetingSeconds);
}

void TWorkF::FormDestroy() {
  StopReacting();
  // At the session's end the process ends right after this, with nothing else
  // destroyed: the icons leave the notification area here, also when the
  // save fails.
  struct LeaveNotificationArea {
    TWorkF& form;
    ~LeaveNotificationArea() {
      form.AppTrayIcon.SetIconVisible(false);
      form.NumberTrayIcon.SetIconVisible(false);
    }
  } leave{*this};
  SaveSettingsAtEnd();
}

LRESULT TWorkF::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ENDSESSION:
      // The user logs off, Windows shuts down or an installer closes the
      // program as at logoff: whichever window hears of it first, the
      // settings are saved and the process ends, whatever box of the program
      // is open meanwhile.
      if (wParam) {
        Application::Instance().EndSession();
        return 0;
      }
      break;
    case WM_EXITSIZEMOVE:
      RememberPlace();
      break;
    case WM_DISPLAYCHANGE:
      KeepOnScreens();
      LookForFullScreenShow();
      break;
    case WM_SETTINGCHANGE:
      // The taskbar moved, docked to another side or grew.
      if (wParam == SPI_SETWORKAREA) KeepOnScreens();
      break;
  }
  FollowSystemTimeMessage(message, wParam);
  return Form::HandleMessage(message, wParam, lParam);
}

void TWorkF::StopReacting() {
  Application& application = Application::Instance();
  application.OnActivate = nullptr;
  application.OnDeactivate = nullptr;
  Timer.SetEnabled(false);
  fadeTimer_.SetEnabled(false);
  beepTimer_.SetEnabled(false);
  beepsLeft_ = 0;
  AppTrayIcon.SetEnabled(false);
  NumberTrayIcon.SetEnabled(false);
  showRequestHook_.reset();
  fullScreen_.WatchForeground(nullptr);
}

void TWorkF::SaveSettingsAtEnd() {
  // Marked first: a save that fails is reported once, not tried again.
  if (std::exchange(savedAtEnd_, true)) return;
  // The teacher heard at start that the file could not be read and that the
  // program would not write it; the end of the day, and a logoff above all,
  // is no time to say it again.
  if (SettingsFileHeldBack(settingsPath_)) return;
  SaveSettingsWithPlace(SettingsToSave());
}

const Settings& TWorkF::SettingsToSave() const {
  return settingsBeforeDialog_ ? *settingsBeforeDialog_ : settings_;
}

// The settings record may have been read from the file again since the user
// moved the window (the settings dialog does that): the place goes with every
// save.
void TWorkF::SaveSettingsWithPlace(const Settings& settings) {
  Settings withPlace = settings;
  if (movedTo_) withPlace.TimerWindowPlace = movedTo_;
  const std::wstring setAside = SaveSettings(withPlace, settingsPath_);
  if (!setAside.empty()) {
    Application::Instance().ShowErrorText(
        SettingsFileSetAsideAtSaveText(SettingsFilePath(settingsPath_), setAside));
  }
}

void TWorkF::FormClick() {
  services_.PlaySystemSound(kSoundClick);
}

void TWorkF::Label1Click() {
  services_.PlaySystemSound(kSoundClick);
}

void TWorkF::N1Click() {
  stepAside_.UserShowed();
  AppTrayIcon.RestoreMainWindow();
  // The window is visible by now, so the system may well refuse to animate
  // it; that does not matter.
  ::AnimateWindow(Handle(), 2000, AW_CENTER);
  FadeIn();
}

void TWorkF::N3Click() {
  Application::Instance().Terminate();
}

void TWorkF::btnHideMainFormClick() {
  stepAside_.UserHid();
  AppTrayIcon.ConcealMainWindow();
}

void TWorkF::acStartExecute() {
  Clock.BeginLesson();
}

void TWorkF::acStopExecute() {
  Clock.EndLesson();
}

// The dialog edits the settings record in place, so the clock follows its
// edits at once; after OK they are saved and applied. Whatever else ends it
// (Cancel, Escape, the close box, the end of the program, an error) puts back
// the settings it opened with, a file imported in it included, and saves
// nothing.
void TWorkF::acOptionsExecute() {
  // One dialog at a time: the tray menu still reaches this while it is open.
  if (lessonListF_) {
    ::SetForegroundWindow(lessonListF_->Handle());
    return;
  }
  EditSettings();
  // Like every option, stepping aside for shows follows what the dialog left
  // at once, OK or not.
  WatchForFullScreenShows();
}

void TWorkF::EditSettings() {
  TLessonListF dialog(settings_, services_, Handle());
  dialog.ShowTimeServerResult(TimeServerResultText(timeServerState_));
  dialog.OnTimeServerChange = [this] { AskTimeServerWhenDue(); };
  // The settings as the file holds them: a change made in memory and not
  // saved is dropped. A file still unreadable was reported at start, and a
  // save refused says so again.
  const SettingsFileFound found = LoadSettings(settings_, settingsPath_);
  if (found.state != SettingsFileState::kUnreadable) TellAboutSettingsFile(found);
  struct OpenDialog {
    TWorkF& form;
    bool confirmed = false;
    OpenDialog(TWorkF& workF, TLessonListF& dialog) : form(workF) {
      form.settingsBeforeDialog_ = form.settings_;
      form.lessonListF_ = &dialog;
    }
    // However the dialog ends, the fading is free again.
    ~OpenDialog() {
      form.lessonListF_ = nullptr;
      if (!confirmed) form.settings_ = *form.settingsBeforeDialog_;
      form.settingsBeforeDialog_.reset();
    }
  } openDialog(*this, dialog);
  if (dialog.ShowModal() != kModalOk) return;
  openDialog.confirmed = true;
  // An offset the teacher typed holds what the teacher compared it with.
  if (settings_.BellOffset != settingsBeforeDialog_->BellOffset) schoolClock_.NoteBellOffsetTaken();
  SaveSettingsWithPlace(settings_);
  ApplyShowCurrNo();
}

// The switch is saved at once, also while the settings dialog is open: then
// its box follows, and the switch stays whether the dialog ends with OK or
// Cancel, while the dialog's other edits are not saved before OK.
void TWorkF::acShowCurrNoExecute() {
  acShowCurrNo.SetChecked(!acShowCurrNo.Checked());
  const bool show = acShowCurrNo.Checked();
  settings_.ShowCurrNo = show;
  if (settingsBeforeDialog_) settingsBeforeDialog_->ShowCurrNo = show;
  if (lessonListF_) lessonListF_->General().cbShowCurrNo.SetChecked(show);
  SaveSettingsWithPlace(SettingsToSave());
  ApplyShowCurrNo();
}

// A show that began without another window coming in front (a video put into
// full screen) is seen at the latest here, before a lesson may begin.
void TWorkF::TimerTimer() {
  LookForFullScreenShow();
  Clock.TimerTimer();
  NoteComputerClock();
  AskTimeServerWhenDue();
}

}  // namespace ostrevin
