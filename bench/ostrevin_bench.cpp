// Resource benchmark of the timer window, under Wine or on Windows:
//   ticks     a long run of school days, driven tick by tick by a clock that
//             moves 30 seconds a tick;
//   showhide  the window shown from the tray and hidden again, many times;
//   rebuilds  the lesson number icon drawn again with changing texts, many
//             times, in the real notification area;
//   idle      the real program's loop left alone: what wakes it up;
//   dialog    the settings dialog opened, taken through its five tabs and
//             closed, many times;
//   firstpage the settings dialog opened until its first page is painted,
//             then closed, many times: the time until the first page;
//   weeks     a week of ticks on the first version's timetable of seven
//             lessons, then one on the largest school timetable (seven days
//             of sixteen lessons from several bell schedules), round after
//             round;
//   tickcost  the same school days ticked with the lesson number icon on and
//             off, in alternating rounds: the median time of a tick of each
//             and their ratio;
//   dialogmemory  the program's memory before the settings dialog was first
//             opened, after it was closed, and after many more openings.
// Each of the first six prints the GDI and USER objects before and after, and
// its time.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
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
#include <utility>
#include <vector>

#include "clock/local_moment.h"
#include "gdi_handle_count.h"
#include "settings/settings.h"
#include "system/autostart.h"
#include "system/system_local_clock.h"
#include "system/working_set.h"
#include "toolkit/application.h"
#include "toolkit/common_controls.h"
#include "ui/frm_lesson_list.h"
#include "ui/frm_work.h"
#include "ui/work_services.h"

namespace ostrevin::bench {
namespace {

using Clock = std::chrono::steady_clock;

// A clock that starts on a Monday at 07:00 and moves on by half a minute at
// every tick, its date and weekday together across midnights and weekends.
class TickingClock final : public LocalClock {
 public:
  LocalDateTime Now() const override {
    return AddMilliseconds(kStart, seconds_ * kMillisecondsPerSecond);
  }
  void Advance() { seconds_ += 30; }
  long long Days() const { return seconds_ / 86400; }

 private:
  static constexpr LocalDateTime kStart{
      .year = 2026, .month = 9, .day = 7, .dayOfWeek = Weekday::Monday, .hour = 7};
  long long seconds_ = 0;
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
  if (user != 0) return {test_support::GdiHandleCount(), static_cast<int>(user)};
  userCountIsWindows = true;
  int windows = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&windows));
  return {test_support::GdiHandleCount(), windows};
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

// The largest timetable a school can have: four bell schedules of sixteen
// lessons (one counting from 0), every day of the week mapped to one, and
// every lesson the teacher's.
std::string LargestWeek() {
  struct Schedule {
    const char* name;
    int firstNumber;
    int startMinute;
    int lessonMinutes;
    int breakMinutes;
  };
  const Schedule schedules[] = {{"Main", 1, 7 * 60, 40, 5},
                                {"Monday", 0, 6 * 60 + 30, 40, 5},
                                {"Saturday", 1, 7 * 60 + 30, 35, 5},
                                {"Short", 1, 8 * 60, 30, 5}};
  const char* const days[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                              "Friday", "Saturday", "Sunday"};
  const char* const mapping[] = {"Monday", "Main", "Main", "Short", "Main", "Saturday", "Main"};
  std::ostringstream text;
  text << "[Week]\r\n";
  for (int day = 0; day < 7; ++day) {
    text << days[day] << '=' << mapping[day] << "\r\n" << days[day] << "Lessons=";
    for (int number = 0; number <= 16; ++number) text << (number ? "," : "") << number;
    text << "\r\n";
  }
  auto clock = [](int minute) {
    char time[6];
    std::snprintf(time, sizeof time, "%02d:%02d", minute / 60, minute % 60);
    return std::string(time);
  };
  int section = 0;
  for (const Schedule& schedule : schedules) {
    text << "[Schedule" << ++section << "]\r\nName=" << schedule.name << "\r\n";
    for (int lesson = 0; lesson < 16; ++lesson) {
      const int start =
          schedule.startMinute + lesson * (schedule.lessonMinutes + schedule.breakMinutes);
      text << schedule.firstNumber + lesson << '=' << clock(start) << '-'
           << clock(start + schedule.lessonMinutes) << "\r\n";
    }
  }
  text << "[Common]\r\nbOfferExit=0\r\nbWarnBeforeLesson=1\r\nShowCurrNo=1\r\n";
  return text.str();
}

// What ticks of one kind cost.
struct TickCost {
  double milliseconds = 0;
  long long ticks = 0;
  void Add(double spent) {
    milliseconds += spent;
    ++ticks;
  }
  double PerTick() const { return ticks ? milliseconds / ticks : 0; }
};

// The real notification area, counting what it is asked: most of a tick's
// time goes to the number icon's pictures and the shell.
class CountingShell final : public TrayShell {
 public:
  bool Notify(DWORD message, NOTIFYICONDATAW& data) override {
    ++requests;
    return SystemTrayShell().Notify(message, data);
  }
  long long requests = 0;
};

// A tick's situation: whether a lesson ran, and how many requests it made of
// the notification area (an idle tick in a break redraws the number icon
// twice, one in a lesson mostly not at all; a warning adds a balloon).
using TickKind = std::pair<bool, long long>;

struct WeekRun {
  std::map<TickKind, TickCost> kinds;
  TickCost all;
  TickCost firstHalf;   // every tick of the first half of the run
  TickCost secondHalf;  // and of the second
  long long lessons = 0;
  Objects before{};
  Objects after{};
};

// Weeks of ticks on one settings file, each tick timed by its kind.
WeekRun RunWeek(const std::string& settingsText, int ticks) {
  const TempSettingsFile file(settingsText);
  Settings settings;
  TickingClock clock;
  FastServices services;
  CountingShell shell;
  WeekRun run;
  TWorkF workF(settings, clock, services, shell, file.Path());
  // A first school day warms every path up: lessons, balloons, the fade.
  for (int tick = 0; tick < 2880; ++tick) Tick(workF, clock, tick);
  run.before = CountObjects();
  for (int tick = 0; tick < ticks; ++tick) {
    const bool idle = workF.Clock.LessonState == lsIdle;
    const long long requests = shell.requests;
    const auto start = Clock::now();
    Tick(workF, clock, tick);
    const double spent = Milliseconds(Clock::now() - start);
    run.kinds[{idle, shell.requests - requests}].Add(spent);
    run.all.Add(spent);
    (tick < ticks / 2 ? run.firstHalf : run.secondHalf).Add(spent);
    if (idle && workF.Clock.LessonState != lsIdle) ++run.lessons;
  }
  toolkit::Application::Instance().ProcessMessages();
  run.after = CountObjects();
  return run;
}

void PrintWeekRun(const char* what, const WeekRun& run) {
  std::printf(
      "weeks: %s: %lld lessons, %.4f ms a tick; first half %.4f ms, second half %.4f ms a tick\n",
      what, run.lessons, run.all.PerTick(), run.firstHalf.PerTick(), run.secondHalf.PerTick());
  PrintObjects(what, run.before, run.after);
}

constexpr int kTicksAWeek = 7 * 24 * 120;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The largest week's ticks against the same ticks priced kind by kind at the
// seven-lesson week's cost: what the size of the timetable adds to a tick,
// apart from the week holding more lesson time (a lesson tick paints the
// pie, a break tick does next to nothing).
double LikeForLikeRatio(const WeekRun& largest, const WeekRun& seven) {
  double spent = 0;
  double atSevenLessonCost = 0;
  for (const auto& [kind, cost] : largest.kinds) {
    const auto same = seven.kinds.find(kind);
    if (same == seven.kinds.end()) continue;
    spent += cost.milliseconds;
    atSevenLessonCost += cost.ticks * same->second.PerTick();
  }
  return atSevenLessonCost > 0 ? spent / atSevenLessonCost : 0;
}

// The ticks of a run that fell in a lesson, whatever the tray was asked.
long long LessonTicks(const WeekRun& run) {
  long long ticks = 0;
  for (const auto& [kind, cost] : run.kinds) {
    if (!kind.first) ticks += cost.ticks;
  }
  return ticks;
}

// A week on the first version's seven-lesson week, then a week on the largest
// week, round after round in this run, so that the load of the machine falls
// alike on both; the ratio of their tick costs is the median of the rounds'.
// The largest week has more lessons, breaks and warnings, so its ticks are
// also compared kind by kind, each with the same kind of the seven-lesson week.
int RunWeeks(int rounds) {
  std::vector<double> ratios;
  std::vector<double> likeForLike;
  WeekRun seven;
  WeekRun largest;
  for (int round = 0; round < rounds; ++round) {
    seven = RunWeek(EveryLessonEveryWeekday(), kTicksAWeek);
    largest = RunWeek(LargestWeek(), kTicksAWeek);
    ratios.push_back(largest.all.PerTick() / seven.all.PerTick());
    likeForLike.push_back(LikeForLikeRatio(largest, seven));
    std::printf(
        "weeks: round %d: 7-lesson week %.4f ms a tick, largest week %.4f ms, %.2fx;"
        " like for like %.2fx\n",
        round + 1, seven.all.PerTick(), largest.all.PerTick(), ratios.back(), likeForLike.back());
  }
  PrintWeekRun("7-lesson week, last round", seven);
  PrintWeekRun("largest week (7 days of 16 lessons, 4 schedules), last round", largest);
  for (const auto& [kind, cost] : largest.kinds) {
    const auto same = seven.kinds.find(kind);
    if (same == seven.kinds.end()) continue;
    std::printf(
        "weeks: %s tick with %lld tray requests: %.4f ms (%lld) against %.4f ms (%lld), %.2fx\n",
        kind.first ? "an idle" : "a lesson", kind.second, cost.PerTick(), cost.ticks,
        same->second.PerTick(), same->second.ticks, cost.PerTick() / same->second.PerTick());
  }
  std::printf(
      "weeks: largest / 7-lesson, a tick: %.2fx, the median of %d rounds (the largest week"
      " holds %.1f times the lesson ticks)\n",
      Median(ratios), rounds,
      static_cast<double>(LessonTicks(largest)) /
          static_cast<double>(std::max(1LL, LessonTicks(seven))));
  std::printf(
      "weeks: largest / 7-lesson, the same ticks kind by kind: %.2fx, the median of %d"
      " rounds (target: within 1.2x)\n",
      Median(likeForLike), rounds);
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

// The open dialog is taken through its tabs, each painted, and closed,
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

// The timer window of a settings file of its own, whose dialog is opened
// again and again while a timer of the dialog's modal loop (proc) works it
// and closes it; the first opening warms up what the system keeps (classes,
// themes) and is not counted.
class DialogOpenings {
 public:
  explicit DialogOpenings(TIMERPROC proc)
      : file_("[Common]\r\nIsBlend=0\r\nbOfferExit=0\r\n"),
        workF_(settings_, clock_, services_, SystemTrayShell(), file_.Path()) {
    dialogOwner = &workF_;
    timer_ = ::SetTimer(nullptr, 0, 1, proc);
    Open();
    toolkit::Application::Instance().ProcessMessages();
  }
  ~DialogOpenings() {
    ::KillTimer(nullptr, timer_);
    dialogOwner = nullptr;
  }
  DialogOpenings(const DialogOpenings&) = delete;
  DialogOpenings& operator=(const DialogOpenings&) = delete;

  void Open() { workF_.acOptionsExecute(); }

 private:
  const TempSettingsFile file_;
  Settings settings_;
  const SystemLocalClock clock_;
  FastServices services_;
  TWorkF workF_;
  UINT_PTR timer_ = 0;
};

int RunDialog(int cycles) {
  DialogOpenings openings(&WorkTheDialog);
  const Objects before = CountObjects();
  const auto start = Clock::now();
  for (int cycle = 0; cycle < cycles; ++cycle) openings.Open();
  const auto elapsed = Clock::now() - start;
  toolkit::Application::Instance().ProcessMessages();
  const Objects after = CountObjects();
  std::printf("dialog: %d openings, %d closed after its tabs, %.1f ms (%.1f ms an opening)\n",
              cycles, dialogsClosed - 1, Milliseconds(elapsed), Milliseconds(elapsed) / cycles);
  PrintObjects("dialog", before, after);
  return 0;
}

// From the start of an opening (the settings read again from the file, the
// dialog made and shown) until the dialog's first page has been painted:
// what the teacher waits for after F12. The dialog is closed from there, its
// other tabs never chosen; its closing is not counted.
Clock::time_point openingStarted;
Clock::duration untilFirstPage{};

void CALLBACK SeeTheFirstPage(HWND, UINT, UINT_PTR, DWORD) {
  TLessonListF* dialog = dialogOwner ? dialogOwner->LessonListF() : nullptr;
  if (!dialog || !dialog->Visible() || dialog->ModalResult() != 0) return;
  // Whatever painting is still due, before the clock is read.
  ::RedrawWindow(dialog->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  untilFirstPage += Clock::now() - openingStarted;
  dialog->Close();
  ++dialogsClosed;
}

int RunFirstPage(int cycles) {
  DialogOpenings openings(&SeeTheFirstPage);
  untilFirstPage = {};
  for (int cycle = 0; cycle < cycles; ++cycle) {
    openingStarted = Clock::now();
    openings.Open();
  }
  const double ms = Milliseconds(untilFirstPage);
  std::printf(
      "firstpage: %d openings until the first page was painted, %.1f ms (%.1f ms an opening)\n",
      cycles, ms, ms / cycles);
  return 0;
}

std::string NumberIconSettings(bool on) {
  std::string text = EveryLessonEveryWeekday();
  const std::string key = "ShowCurrNo=1";
  text.replace(text.find(key), key.size(), on ? key : "ShowCurrNo=0");
  return text;
}

// Milliseconds a tick over the same run of school days, the number icon on or
// off; the first day warms every path up and is not counted.
double MillisecondsATick(bool numberIcon, int ticks) {
  const TempSettingsFile file(NumberIconSettings(numberIcon));
  Settings settings;
  TickingClock clock;
  FastServices services;
  TWorkF workF(settings, clock, services, SystemTrayShell(), file.Path());
  for (int tick = 0; tick < 2880; ++tick) Tick(workF, clock, tick);
  const auto start = Clock::now();
  for (int tick = 0; tick < ticks; ++tick) Tick(workF, clock, tick);
  return Milliseconds(Clock::now() - start) / ticks;
}

int RunTickCost(int ticks) {
  constexpr int kRounds = 7;
  std::vector<double> on;
  std::vector<double> off;
  for (int round = 0; round < kRounds; ++round) {
    on.push_back(MillisecondsATick(true, ticks));
    off.push_back(MillisecondsATick(false, ticks));
  }
  const double onMedian = Median(on);
  const double offMedian = Median(off);
  std::printf(
      "tickcost: a tick, number icon on %.4f ms, off %.4f ms (medians of %d alternating rounds"
      " of %d ticks): ratio %.2f\n",
      onMedian, offMedian, kRounds, ticks, onMedian / offMedian);
  return 0;
}

// The process's working set, as Windows counts it (under Wine, its resident
// memory).
double WorkingSetMegabytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return counters.WorkingSetSize / (1024.0 * 1024.0);
}

int RunDialogMemory(int cycles) {
  const TempSettingsFile file("[Common]\r\nIsBlend=0\r\nbOfferExit=0\r\n");
  Settings settings;
  const SystemLocalClock clock;
  FastServices services;
  toolkit::Application& application = toolkit::Application::Instance();
  TWorkF workF(settings, clock, services, SystemTrayShell(), file.Path());
  dialogOwner = &workF;
  application.ProcessMessages();
  const double before = WorkingSetMegabytes();
  // The common controls library is loaded with the first window of its
  // controls and stays: apart, so that what the dialog itself keeps shows.
  toolkit::CommonControls::Get();
  const double withLibrary = WorkingSetMegabytes();
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 1, &WorkTheDialog);
  workF.acOptionsExecute();
  application.ProcessMessages();
  const double afterOne = WorkingSetMegabytes();
  for (int cycle = 0; cycle < cycles; ++cycle) workF.acOptionsExecute();
  application.ProcessMessages();
  const double afterMany = WorkingSetMegabytes();
  ::KillTimer(nullptr, timer);
  dialogOwner = nullptr;
  std::printf(
      "dialogmemory: %.1f MB before the settings dialog, %.1f MB with the common controls loaded"
      " (%+.1f MB), %.1f MB after the dialog was opened and closed (%+.1f MB kept by the dialog),"
      " %.1f MB after %d more openings (%+.1f MB)\n",
      before, withLibrary, withLibrary - before, afterOne, afterOne - withLibrary, afterMany,
      cycles, afterMany - afterOne);
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
  if (mode == "firstpage") return RunFirstPage(count > 0 ? count : 1000);
  if (mode == "weeks") return RunWeeks(count > 0 ? count : 3);
  if (mode == "tickcost") return RunTickCost(count > 0 ? count : 20000);
  if (mode == "dialogmemory") return RunDialogMemory(count > 0 ? count : 20);
  std::fprintf(stderr,
               "usage: ostrevin_bench ticks|showhide|idle|rebuilds|dialog|firstpage|weeks|"
               "tickcost|dialogmemory [count]\n");
  return 2;
}
