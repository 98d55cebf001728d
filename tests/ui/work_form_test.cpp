#include <algorithm>

#include "work_form_test.h"

#include <filesystem>
#include <fstream>

#include "base/app_error.h"
#include "settings/settings_store.h"
#include "system/ansi_code_page_win32.h"
#include "system/regional_time_format_win32.h"
#include "system/settings_disk_win32.h"

namespace ostrevin::uitest {
namespace {

// Long enough for any loop of these tests to end by itself.
constexpr UINT kLoopDeadlineMs = 5000;
bool loopTimedOut = false;

void CALLBACK StopTheLoop(HWND, UINT, UINT_PTR, DWORD) {
  loopTimedOut = true;
  toolkit::Application::Instance().Terminate();
}

std::wstring NewFolder() {
  static int made = 0;
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"ostrevin-ui-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++made);
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void RemoveFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      ::DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

void SettableClock::Set(Weekday dayOfWeek, int hour, int minute, int second) {
  // In the week from Sunday 6 September 2026: the date follows the weekday.
  now_.day = 6 + WeekdayNumber(dayOfWeek);
  now_.dayOfWeek = dayOfWeek;
  now_.hour = hour;
  now_.minute = minute;
  now_.second = second;
}

int LayeredOpacity(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  ::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
  return alpha;
}

std::vector<int> RunFade(TWorkF& workF) {
  std::vector<int> opacities;
  // A fade of 255 levels takes no more steps than that.
  for (int step = 0; step < 256 && workF.Fading(); ++step) {
    toolkit::WindowTimer::FireByMessage(workF.Handle(), TWorkF::kFadeTimerId);
    opacities.push_back(LayeredOpacity(workF.Handle()));
  }
  EXPECT_FALSE(workF.Fading());
  return opacities;
}

int RunBeeps(TWorkF& workF, RecordingServices& services) {
  for (int beep = 0; beep < 100 && workF.BeepsLeft() > 0; ++beep) {
    toolkit::WindowTimer::FireByMessage(workF.Handle(), TWorkF::kBeepTimerId);
  }
  EXPECT_EQ(workF.BeepsLeft(), 0);
  return static_cast<int>(std::count(services.sounds.begin(), services.sounds.end(), kSoundBeep));
}

bool RecordingServices::IsAutoRun(const std::wstring& name, const std::wstring& path) {
  autoRunQueries.push_back({name, path, autoRun});
  if (autoRunFails) throw AppError(L"Invalid data type for '" + name + L"'");
  return autoRun;
}

bool RecordingTrayShell::Notify(DWORD message, NOTIFYICONDATAW& data) {
  requests.push_back({message, data});
  switch (message) {
    case NIM_ADD:
      return shown_.insert(data.uID).second;
    case NIM_DELETE:
      return shown_.erase(data.uID) > 0;
    default:
      return Shows(data.uID);
  }
}

std::vector<RecordingTrayShell::Request> RecordingTrayShell::RequestsFor(UINT iconId) const {
  std::vector<Request> about;
  for (const Request& request : requests) {
    if (request.data.uID == iconId) about.push_back(request);
  }
  return about;
}

std::vector<std::wstring> RecordingTrayShell::BalloonTitles() const {
  std::vector<std::wstring> titles;
  for (const Request& request : requests) {
    if (request.message != NIM_MODIFY || !(request.data.uFlags & NIF_INFO)) continue;
    titles.push_back(request.data.szInfo[0] ? request.data.szInfoTitle : L"");
  }
  return titles;
}

void WorkFormTest::SetUp() {
  if (!app.Handle()) {
    app.Initialize(::GetModuleHandleW(nullptr));
    app.SetTitle(L"Ostrevin");
  }
  app.SetErrorReportSink(
      [this](const toolkit::Application::ErrorReport& report) { reports.push_back(report); });
  app.SetProcessEnd([this] { ++processEnds; });
  folder = NewFolder();
  settingsPath = folder + L"\\Ostrevin.INI";
}

void WorkFormTest::TearDown() {
  DestroyForm();
  app.SetErrorReportSink(nullptr);
  app.SetProcessEnd(nullptr);
  RemoveFolder(folder);
}

void WorkFormTest::WriteSettingsFile(const std::string& text) const {
  std::ofstream file(std::filesystem::path(settingsPath), std::ios::binary);
  file << text;
}

void WorkFormTest::StartUnicodeFile(const std::wstring& path) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  file << "\xFF\xFE";
}

TWorkF& WorkFormTest::CreateForm() {
  form = std::make_unique<TWorkF>(settings, clock, services, tray, settingsPath, fullScreen);
  return *form;
}

void WorkFormTest::PressKey(UINT virtualKey) {
  HWND window = form->Handle();
  ::SetForegroundWindow(window);
  ::SetActiveWindow(window);
  ASSERT_EQ(::GetActiveWindow(), window);
  // F10 is a system key: the system reports it as WM_SYSKEYDOWN.
  const UINT message = virtualKey == VK_F10 ? WM_SYSKEYDOWN : WM_KEYDOWN;
  ::PostMessageW(window, message, virtualKey, 1);
  app.ProcessMessages();
}

void WorkFormTest::Tick() {
  form->Timer.OnTimer();
}

bool WorkFormTest::RunLoopUntilItEnds() {
  loopTimedOut = false;
  const UINT_PTR deadline = ::SetTimer(nullptr, 0, kLoopDeadlineMs, &StopTheLoop);
  app.Run();
  ::KillTimer(nullptr, deadline);
  return !loopTimedOut;
}

std::vector<std::wstring> WorkFormTest::KeysInFile(const wchar_t* section) const {
  std::wstring names(4096, L'\0');
  const DWORD length = ::GetPrivateProfileStringW(
      section, nullptr, L"", names.data(), static_cast<DWORD>(names.size()), settingsPath.c_str());
  std::vector<std::wstring> keys;
  for (size_t start = 0; start < length;) {
    const std::wstring key(names.c_str() + start);
    keys.push_back(key);
    start += key.size() + 1;
  }
  return keys;
}

// Read apart from the program's own settings store, which would count the
// read as the program's.
Settings WorkFormTest::SettingsInFile() const {
  SystemSettingsDisk disk;
  const SystemAnsiCodePage codePage;
  SettingsStore store(disk, codePage);
  Settings stored;
  store.Load(stored, settingsPath, ReadRegionalTimeFormat());
  return stored;
}

bool WorkFormTest::SettingsFileExists() const {
  return ::GetFileAttributesW(settingsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace ostrevin::uitest
