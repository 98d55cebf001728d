// Resource benchmark of the timer window, under Wine or on Windows:
//   ticks     a long run of school days, driven tick by tick by a clock that
//             moves 30 seconds a tick;
//   showhide  the window shown from the tray and hidden again, many times;
//   rebuilds  the lesson number icon drawn again with changing texts, many
//             times, in the real notification area;
//   idle      the real program's loop left alone: what wakes it up;
//   dialog    the settings dialog opened, taken through its four tabs and
//             closed, many times.
// Each prints the GDI and USER objects before and after, and its time.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "gdi_handle_count.h"
#include "settings/settings.h"
#include "system/autostart.h"
#include "system/system_local_clock.h"
#include "system/working_set.h"
#include "toolkit/application.h"
#include "ui/frm_lesson_list.h"
#include "ui/frm_work.h"
#include "ui/work_services.h"

namespace ostrevin::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A clock that starts on a Monday at 07:00 and moves on by half a minute at
// every tick, across midnights and weekends.
class TickingClock final : public LocalClock {
 public:
  LocalDateTime Now() const override {
    const long long day = seconds_ / 86400;
    const long long inDay = seconds_ % 86400;
    LocalDateTime now;
    now.dayOfWeek = static_cast<int>((1 + day) % 7);
    now.hour = static_cast<int>(inDay / 3600);
    now.minute = static_cast<int>(inDay / 60 % 60);
    now.second = static_cast<int>(inDay % 60);
    return now;
  }
  void Advance() { seconds_ += 30; }
  long long Days() const { return (seconds_ - kStart) / 86400; }

 private:
  static constexpr long long kStart = 7 * 3600;
  long long seconds_ = kStart;
};

// Silent and without waits, so that a month of lessons runs in seconds; the
// working set is trimmed and the autostart entry read for real, as every tick
// and every opening of the dialog do. Nothing is registered or opened.
class FastServices final : public WorkServices {
 public:
  void PlaySystemSound(SoundKind) override { ++sounds; }
  void WaitMs(int) override {}
  void TrimWorkingSet() override { ostrevin::TrimWorkingSet(); }
  bool IsAutoRun(const std::wstring& name, const std::wstring& path) override {
    return ostrevin::IsAutoRun(name, path);
  }
  void SetAutoRun(const std::wstring&, const std::wstring&, bool) override {}
  bool OpenURL(const std::wstring&) override { return false; }
  long long sounds = 0;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  ::EnumChildWindows(window, &CountWindow, count);
  return TRUE;
}

struct Objects {
  int gdi;
  int user;
};

// USER objects as Windows counts them; under Wine, where that count is a
// stub, the windows of this thread and their children stand in.
bool userCountIsWindows = false;

Objects CountObjects() {
  const DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  if (user != 0) return {testsupport::GdiHandleCount(), static_cast<int>(user)};
  userCountIsWindows = true;
  int windows = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&windows));
  return {testsupport::GdiHandleCount(), windows};
}

void PrintObjects(const char* what, const Objects& before, const Objects& after) {
  std::printf("%s: GDI objects %d -> %d (%+d); USER objects%s %d -> %d (%+d)\n", what, before.gdi,
              after.gdi, after.gdi - before.gdi,
              userCountIsWindows ? " (windows of the thread; GetGuiResources says 0)" : "",
              before.user, after.user, after.user - before.user);
}

// A settings file of the run's own in the temp folder, removed with the object
// together with the backup the program keeps beside it.
class TempSettingsFile {
 public:
  explicit TempSettingsFile(const std::string& text)
      : path_(std::filesystem::temp_directory_path() /
              ("ostrevin-bench-" + std::to_string(::GetCurrentProcessId()) + ".INI")) {
    std::ofstream(path_, std::ios::binary) << text;
  }
  ~TempSettingsFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
    std::filesystem::remove(path_.string() + ".bak", ignored);
  }
  TempSettingsFile(const TempSettingsFile&) = delete;
  TempSettingsFile& operator=(const TempSettingsFile&) = delete;

  std::wstring Path() const { return path_.wstring(); }

 private:
  std::filesystem::path path_;
};

std::string EveryLessonEveryWeekday() {
  std::ostringstream text;
  for (int day = 1; day <= 5; ++day) {
    text << '[' << day << "]\r\n";
    for (int slot = 1; slot <= 7; ++slot) text << slot << "=1\r\n";
  }
  text << "[Common]\r\nbOfferExit=0\r\nbWarnBeforeLesson=1\r\nShowCurrNo=1\r\n";
  return text.str();
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// One tick of the window's timer; the messages the ticks leave waiting (the
// window's paints, the notification area's answers) are handled now and then,
// as the program's loop would.
void Tick(TWorkF& workF, TickingClock& clock, int tick) {
  workF.TimerTimer();
  clock.Advance();
  if (tick % 64 == 0) toolkit::Application::Instance().ProcessMessages();
}

int RunTicks(int ticks) {
  const TempSettingsFile file(EveryLessonEveryWeekday());
  Settings settings;
  TickingClock clock;
  FastServices services;
  long long lessons = 0;
  {
    TWorkF workF(settings, clock, services, SystemTrayShell(), file.Path());
    // A first school day warms every path up: lessons, balloons, the fade.
    for (int tick = 0; tick < 2880; ++tick) Tick(workF, clock, tick);
    const Objects before = CountObjects();
    const auto start = Clock::now();
    for (int tick = 0; tick < ticks; ++tick) {
      const bool idle = workF.Clock.LessonState == lsIdle;
      Tick(workF, clock, tick);
      if (idle && workF.Clock.LessonState != lsIdle) ++lessons;
    }
    const auto elapsed = Clock::now() - start;
    toolkit::Application::Instance().ProcessMessages();
    const Objects after = CountObjects();
    std::printf("ticks: %d ticks, %lld days, %lld lessons, %lld cues, %.1f ms (%.3f ms a tick)\n",
                ticks, clock.Days(), lessons, services.sounds, Milliseconds(elapsed),
                Milliseconds(elapsed) / ticks);
    PrintObjects("ticks", before, after);
  }
  return 0;
}

int RunShowHide(int cycles) {
  const TempSettingsFile file("[Common]\r\nIsBlend=0\r\nbOfferExit=0\r\n");
  Settings settings;
  const SystemLocalClock clock;
  FastServices services;
  {
    TWorkF workF(settings, clock, services, SystemTrayShell(), file.Path());
    workF.N1Click();
    workF.btnHideMainFormClick();
    toolkit::Application::Instance().ProcessMessages();
    const Objects before = CountObjects();
    const auto start = Clock::now();
    for (int cycle = 0; cycle < cycles; ++cycle) {
      workF.N1Click();
      workF.btnHideMainFormClick();
      toolkit::Application::Instance().ProcessMessages();
    }
    const auto elapsed = Clock::now() - start;
    const Objects after = CountObjects();
    std::printf("showhide: %d cycles, %.1f ms (%.3f ms a cycle)\n", cycles, Milliseconds(elapsed),
                Milliseconds(elapsed) / cycles);
    PrintObjects("showhide", before, after);
  }
  return 0;
}

// The real notification area, noting every picture it was handed.
class PictureNotingShell final : public TrayShell {
 public:
  bool Notify(DWORD message, NOTIFYICONDATAW& data) override {
    if (data.hIcon) pictures.insert(data.hIcon);
    return SystemTrayShell().Notify(message, data);
  }
  // The pictures handed over that still exist: only the current ones of the
  // program's icon and of the lesson number should.
  int Alive() const {
    int alive = 0;
    for (HICON picture : pictures) {
      ICONINFO parts{};
      if (!::GetIconInfo(picture, &parts)) continue;
      ++alive;
      ::DeleteObject(parts.hbmColor);
      ::DeleteObject(parts.hbmMask);
    }
    return alive;
  }
  std::set<HICON> pictures;
};

// The timer window's lesson number icon, its text changing as over a school
// day.
int RunRebuilds(int rebuilds) {
  static const wchar_t* const kTexts[] = {L"--", L"1", L"II", L"2",  L"II", L"3", L"4",
                                          L"II", L"5", L"6",  L"II", L"7",  L"--"};
  const TempSettingsFile file("[Common]\r\nShowCurrNo=1\r\nbOfferExit=0\r\n");
  Settings settings;
  const SystemLocalClock clock;
  FastServices services;
  PictureNotingShell shell;
  {
    TWorkF workF(settings, clock, services, shell, file.Path());
    TTextNotifyIcon& icon = workF.NumberTrayIcon;
    for (const wchar_t* text : kTexts) icon.SetText(text);
    toolkit::Application::Instance().ProcessMessages();
    const Objects before = CountObjects();
    const auto start = Clock::now();
    for (int rebuild = 0; rebuild < rebuilds; ++rebuild) {
      icon.SetText(kTexts[rebuild % std::size(kTexts)]);
      if (rebuild % 64 == 0) toolkit::Application::Instance().ProcessMessages();
    }
    const auto elapsed = Clock::now() - start;
    toolkit::Application::Instance().ProcessMessages();
    const Objects after = CountObjects();
    std::printf(
        "rebuilds: %d pictures, %.1f ms (%.3f ms a rebuild); pictures handed to the tray"
        " still alive: %d of %zu (2 expected: the program's icon and the number's last)\n",
        rebuilds, Milliseconds(elapsed), Milliseconds(elapsed) / rebuilds, shell.Alive(),
        shell.pictures.size());
    PrintObjects("rebuilds", before, after);
  }
  return 0;
}

// What the idle program's loop takes out of its queue, and the messages other
// threads send it.
struct WakeUps {
  std::map<UINT, int> posted;      // by message
  std::map<UINT_PTR, int> timers;  // WM_TIMER by timer id
  int sentFromOutside = 0;
};
WakeUps wakeUps;

LRESULT CALLBACK CountPosted(int code, WPARAM removal, LPARAM lParam) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    ++wakeUps.posted[message.message];
    if (message.message == WM_TIMER) ++wakeUps.timers[message.wParam];
  }
  return ::CallNextHookEx(nullptr, code, removal, lParam);
}

LRESULT CALLBACK CountSent(int code, WPARAM fromThisThread, LPARAM lParam) {
  if (code == HC_ACTION && !fromThisThread) ++wakeUps.sentFromOutside;
  return ::CallNextHookEx(nullptr, code, fromThisThread, lParam);
}

int RunIdle(int seconds) {
  const TempSettingsFile file("[Common]\r\nbOfferExit=0\r\n");
  Settings settings;
  const SystemLocalClock clock;
  SystemWorkServices services;
  toolkit::Application& application = toolkit::Application::Instance();
  {
    TWorkF workF(settings, clock, services, SystemTrayShell(), file.Path());
    application.ProcessMessages();
    const Objects before = CountObjects();
    HHOOK posted =
        ::SetWindowsHookExW(WH_GETMESSAGE, &CountPosted, nullptr, ::GetCurrentThreadId());
    HHOOK sent = ::SetWindowsHookExW(WH_CALLWNDPROC, &CountSent, nullptr, ::GetCurrentThreadId());
    HWND applicationWindow = application.Handle();
    std::thread alarm([applicationWindow, seconds] {
      std::this_thread::sleep_for(std::chrono::seconds(seconds));
      ::PostMessageW(applicationWindow, WM_CLOSE, 0, 0);
    });
    const auto start = Clock::now();
    application.Run();
    const auto elapsed = Clock::now() - start;
    alarm.join();
    ::UnhookWindowsHookEx(sent);
    ::UnhookWindowsHookEx(posted);
    const Objects after = CountObjects();
    std::printf("idle: %.1f s of the loop; messages taken from the queue:",
                Milliseconds(elapsed) / 1000);
    for (const auto& [message, count] : wakeUps.posted) std::printf(" 0x%04X x%d", message, count);
    std::printf(" (0x0010 WM_CLOSE ends the run)\nidle: WM_TIMER by timer id:");
    for (const auto& [id, count] : wakeUps.timers)
      std::printf(" id %u x%d", static_cast<unsigned>(id), count);
    std::printf("; messages sent from other threads: %d\n", wakeUps.sentFromOutside);
    PrintObjects("idle", before, after);
  }
  return 0;
}

// The open dialog is taken through its four tabs, each painted, and closed,
// from a timer of its modal loop.
TWorkF* dialogOwner = nullptr;
int dialogsClosed = 0;

void CALLBACK WorkTheDialog(HWND, UINT, UINT_PTR, DWORD) {
  TLessonListF* dialog = dialogOwner ? dialogOwner->LessonListF() : nullptr;
  if (!dialog || !dialog->Visible() || dialog->ModalResult() != 0) return;
  for (int page = 0; page < dialog->PageControl1.PageCount(); ++page) {
    ::SendMessageW(dialog->PageControl1.Handle(), TCM_SETCURFOCUS, page, 0);
    ::RedrawWindow(dialog->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  dialog->Close();
  ++dialogsClosed;
}

int RunDialog(int cycles) {
  const TempSettingsFile file("[Common]\r\nIsBlend=0\r\nbOfferExit=0\r\n");
  Settings settings;
  const SystemLocalClock clock;
  FastServices services;
  {
    TWorkF workF(settings, clock, services, SystemTrayShell(), file.Path());
    dialogOwner = &workF;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 1, &WorkTheDialog);
    // The first opening warms up what the system keeps (classes, themes).
    workF.acOptionsExecute();
    toolkit::Application::Instance().ProcessMessages();
    const Objects before = CountObjects();
    const auto start = Clock::now();
    for (int cycle = 0; cycle < cycles; ++cycle) workF.acOptionsExecute();
    const auto elapsed = Clock::now() - start;
    toolkit::Application::Instance().ProcessMessages();
    const Objects after = CountObjects();
    ::KillTimer(nullptr, timer);
    dialogOwner = nullptr;
    std::printf("dialog: %d openings, %d closed after four tabs, %.1f ms (%.1f ms an opening)\n",
                cycles, dialogsClosed - 1, Milliseconds(elapsed), Milliseconds(elapsed) / cycles);
    PrintObjects("dialog", before, after);
  }
  return 0;
}

}  // namespace
}  // namespace ostrevin::bench

int main(int argc, char** argv) {
  using namespace ostrevin::bench;
  const std::string mode = argc > 1 ? argv[1] : "";
  const int count = argc > 2 ? std::atoi(argv[2]) : 0;
  ostrevin::toolkit::Application& application = ostrevin::toolkit::Application::Instance();
  application.Initialize(::GetModuleHandleW(nullptr));
  application.SetTitle(L"Ostrevin");
  if (mode == "ticks") return RunTicks(count > 0 ? count : 100000);
  if (mode == "showhide") return RunShowHide(count > 0 ? count : 10000);
  if (mode == "idle") return RunIdle(count > 0 ? count : 65);
  if (mode == "rebuilds") return RunRebuilds(count > 0 ? count : 100000);
  if (mode == "dialog") return RunDialog(count > 0 ? count : 1000);
  std::fprintf(stderr, "usage: ostrevin_bench ticks|showhide|idle|rebuilds|dialog [count]\n");
  return 2;
}
