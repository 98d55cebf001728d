#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "components/notify_icon.h"
#include "components/tray_icon_handler.h"
#include "tray_test_doubles.h"

namespace ostrevin {
namespace {

using test_support::FakeTrayShell;
using test_support::TestNotifyIcon;

constexpr UINT kBasicFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

std::wstring Letters(std::size_t count) {
  std::wstring text;
  for (std::size_t i = 0; i < count; ++i) text += static_cast<wchar_t>(L'а' + i % 32);
  return text;
}

template <std::size_t Size>
bool AllZero(const wchar_t (&field)[Size]) {
  for (wchar_t unit : field) {
    if (unit != 0) return false;
  }
  return true;
}

class NotifyIconShellTest : public testing::Test {
 protected:
  FakeTrayShell shell;
  TestNotifyIcon icon{nullptr, shell};
};

TEST_F(NotifyIconShellTest, EveryRecordHasTheBalloonEraLayoutAndTheCallback) {
  icon.SetIconVisible(true);
  icon.SetHint(L"Ostrevin");
  icon.SetIconVisible(false);
  ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE}));
  for (const FakeTrayShell::Call& call : shell.calls) {
    EXPECT_EQ(call.data.cbSize, offsetof(NOTIFYICONDATAW, guidItem));
    EXPECT_EQ(call.data.uFlags, kBasicFlags);
    EXPECT_EQ(call.data.uCallbackMessage, TrayCallbackMessage);
    EXPECT_EQ(call.data.hWnd, TrayHandlerWindow());
    EXPECT_EQ(call.data.uID, icon.IconId());
    EXPECT_EQ(call.data.dwState, 0u);
    EXPECT_EQ(call.data.dwStateMask, 0u);
  }
}

TEST_F(NotifyIconShellTest, ALongHintGivesItsFirst127Characters) {
  const std::wstring hint = Letters(200);
  icon.SetHint(hint);
  EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(std::wstring(shell.Last().data.szTip), hint.substr(0, 127));
}

TEST_F(NotifyIconShellTest, AnEmptyOrHiddenHintStillSendsAnEmptyTooltip) {
  icon.SetHint(L"Сейчас идёт урок №3");
  EXPECT_EQ(std::wstring(shell.Last().data.szTip), L"Сейчас идёт урок №3");

  icon.SetShowHint(false);
  EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_TRUE(AllZero(shell.Last().data.szTip));

  icon.SetShowHint(true);
  icon.SetHint(L"");
  EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_TRUE(AllZero(shell.Last().data.szTip));
}

TEST_F(NotifyIconShellTest, IconVisibleTwiceSendsTwoAddsAndTheShellKeepsOne) {
  icon.SetIconVisible(true);
  icon.SetIconVisible(true);
  EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_ADD}));
  EXPECT_TRUE(shell.calls[0].accepted);
  EXPECT_FALSE(shell.calls[1].accepted);
  EXPECT_TRUE(icon.IconVisible());
  EXPECT_TRUE(shell.Shows(icon.IconId()));
}

TEST_F(NotifyIconShellTest, AHintWrittenWhileHiddenIsRefusedAndTheNextAddCarriesIt) {
  icon.SetHint(L"Перемена");
  EXPECT_FALSE(shell.Last().accepted);
  EXPECT_FALSE(icon.IconVisible());

  icon.SetIconVisible(true);
  EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_ADD));
  EXPECT_TRUE(shell.Last().accepted);
  EXPECT_EQ(std::wstring(shell.Last().data.szTip), L"Перемена");
}

TEST_F(NotifyIconShellTest, ARefusedAddStillRecordsTheWish) {
  icon.SetIconVisible(true);
  EXPECT_FALSE(icon.AddToTray());
  EXPECT_TRUE(icon.IconVisible());
  EXPECT_TRUE(icon.RemoveFromTray());
  EXPECT_FALSE(icon.RemoveFromTray());
  EXPECT_FALSE(icon.IconVisible());
}

TEST_F(NotifyIconShellTest, TheIconIsCopiedAndSentWithEveryCall) {
  const HICON stock = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */);
  icon.SetIcon(stock);
  ASSERT_NE(icon.Icon(), nullptr);
  EXPECT_NE(icon.Icon(), stock);
  EXPECT_EQ(shell.Last().data.hIcon, icon.Icon());
  icon.SetIconVisible(true);
  EXPECT_EQ(shell.Last().data.hIcon, icon.Icon());

  const std::size_t callsBefore = shell.calls.size();
  icon.SetIcon(nullptr);
  EXPECT_EQ(shell.calls.size(), callsBefore + 1);
  EXPECT_EQ(icon.Icon(), nullptr);
  EXPECT_EQ(shell.Last().data.hIcon, nullptr);
}

TEST_F(NotifyIconShellTest, ABalloonIsCutToTheShellLimitsWithItsTimeoutInMilliseconds) {
  icon.SetIconVisible(true);
  const std::wstring title = Letters(100);
  const std::wstring text = Letters(300);
  EXPECT_TRUE(icon.DisplayBalloon(title, text, bikWarning, 60));
  const NOTIFYICONDATAW& sent = shell.Last().data;
  EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(sent.uFlags, kBasicFlags | NIF_INFO);
  EXPECT_EQ(std::wstring(sent.szInfoTitle), title.substr(0, 63));
  EXPECT_EQ(std::wstring(sent.szInfo), text.substr(0, 255));
  EXPECT_EQ(sent.uTimeout, 60000u);
  EXPECT_EQ(sent.dwInfoFlags, static_cast<DWORD>(NIIF_WARNING));
}

TEST_F(NotifyIconShellTest, BalloonKindsAndTimeoutsReachTheShellAsItsValues) {
  struct Case {
    BalloonIconKind kind;
    std::uint8_t seconds;
    DWORD infoFlags;
    UINT timeout;
  };
  icon.SetIconVisible(true);
  for (const Case& c :
       {Case{bikNone, 0, NIIF_NONE, 0}, Case{bikInfo, 10, NIIF_INFO, 10000},
        Case{bikWarning, 60, NIIF_WARNING, 60000}, Case{bikError, 255, NIIF_ERROR, 255000}}) {
    icon.DisplayBalloon(L"Ostrevin", L"УРОК ОКОНЧЕН !", c.kind, c.seconds);
    EXPECT_EQ(shell.Last().data.dwInfoFlags, c.infoFlags) << c.kind;
    EXPECT_EQ(shell.Last().data.uTimeout, c.timeout) << c.kind;
  }
}

TEST_F(NotifyIconShellTest, EachBalloonFirstTakesDownTheOneBefore) {
  icon.SetIconVisible(true);
  icon.DisplayBalloon(L"Скоро урок", L"первый", bikWarning, 60);
  icon.DisplayBalloon(L"УРОК ОКОНЧЕН !", L"второй", bikInfo, 10);
  ASSERT_EQ(shell.Messages(),
            (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_MODIFY, NIM_MODIFY, NIM_MODIFY}));
  const NOTIFYICONDATAW& removal = shell.calls[3].data;
  EXPECT_EQ(removal.uFlags, kBasicFlags | NIF_INFO);
  EXPECT_TRUE(AllZero(removal.szInfo));
  EXPECT_EQ(std::wstring(shell.calls[4].data.szInfo), L"второй");

  icon.SetHint(L"Ostrevin");
  EXPECT_EQ(shell.Last().data.uFlags, kBasicFlags);
}

TEST_F(NotifyIconShellTest, ClearingLeavesTheBalloonFlagSetUntilTheNextBalloon) {
  icon.SetIconVisible(true);
  icon.DisplayBalloon(L"Скоро урок", L"Ostrevin", bikWarning, 60);
  icon.ClearBalloon();
  EXPECT_EQ(shell.Last().data.uFlags, kBasicFlags | NIF_INFO);
  EXPECT_TRUE(AllZero(shell.Last().data.szInfo));
  EXPECT_EQ(std::wstring(shell.Last().data.szInfoTitle), L"Скоро урок");

  icon.SetHint(L"Ostrevin");
  EXPECT_EQ(shell.Last().data.uFlags, kBasicFlags | NIF_INFO);
  EXPECT_TRUE(AllZero(shell.Last().data.szInfo));

  icon.DisplayBalloon(L"УРОК ОКОНЧЕН !", L"Ostrevin", bikInfo, 10);
  icon.SetHint(L"Ostrevin");
  EXPECT_EQ(shell.Last().data.uFlags, kBasicFlags);
}

TEST_F(NotifyIconShellTest, ClearingWithNoBalloonSendsAnEmptyBalloonText) {
  icon.SetIconVisible(true);
  icon.ClearBalloon();
  EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_TRUE(shell.Last().accepted);
  EXPECT_TRUE(AllZero(shell.Last().data.szInfo));
}

TEST_F(NotifyIconShellTest, ABalloonForAnIconNotInTheTrayIsRefused) {
  EXPECT_FALSE(icon.DisplayBalloon(L"Скоро урок", L"Ostrevin", bikWarning, 60));
}

TEST_F(NotifyIconShellTest, LoadedAppliesTheSettingsAgainThenAsksForTheOldestBehaviour) {
  icon.SetHint(L"Ostrevin");
  icon.SetIconVisible(true);
  icon.DisplayBalloon(L"Скоро урок", L"Ostrevin", bikWarning, 60);
  shell.calls.clear();

  icon.Loaded();
  EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_MODIFY, NIM_ADD, NIM_SETVERSION}));
  EXPECT_EQ(shell.Last().data.uVersion, 0u);
  EXPECT_TRUE(shell.Shows(icon.IconId()));
}

TEST_F(NotifyIconShellTest, DestructionTakesTheIconOutOfTheTray) {
  FakeTrayShell ownShell;
  auto temporary = std::make_unique<TNotifyIcon>(nullptr, ownShell);
  temporary->SetIconVisible(true);
  const UINT id = temporary->IconId();
  temporary.reset();
  EXPECT_EQ(ownShell.Last().message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_FALSE(ownShell.Shows(id));
}

TEST(TrayHandlerWindowTest, LivesFromTheFirstIconToTheLast) {
  FakeTrayShell shell;
  EXPECT_EQ(TrayHandlerWindow(), nullptr);
  auto first = std::make_unique<TNotifyIcon>(nullptr, shell);
  const HWND window = TrayHandlerWindow();
  ASSERT_TRUE(::IsWindow(window));
  auto second = std::make_unique<TNotifyIcon>(nullptr, shell);
  EXPECT_EQ(TrayHandlerWindow(), window);
  EXPECT_NE(first->IconId(), second->IconId());
  first.reset();
  EXPECT_EQ(TrayHandlerWindow(), window);
  second.reset();
  EXPECT_EQ(TrayHandlerWindow(), nullptr);
  EXPECT_FALSE(::IsWindow(window));

  TNotifyIcon later(nullptr, shell);
  EXPECT_TRUE(::IsWindow(TrayHandlerWindow()));
}

TEST(TrayHandlerWindowTest, IsAHiddenZeroSizeToolWindowThatCannotBeClosed) {
  FakeTrayShell shell;
  TNotifyIcon icon(nullptr, shell);
  const HWND window = TrayHandlerWindow();
  EXPECT_TRUE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(::GetWindowLongW(window, GWL_STYLE) & WS_POPUP);
  EXPECT_FALSE(::IsWindowVisible(window));
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  EXPECT_EQ(bounds.right - bounds.left, 0);
  EXPECT_EQ(bounds.bottom - bounds.top, 0);

  for (UINT message : {WM_CLOSE, WM_QUERYENDSESSION, WM_ENDSESSION}) {
    EXPECT_EQ(::SendMessageW(window, message, 0, 0), 1) << message;
  }
  EXPECT_TRUE(::IsWindow(window));
}

TEST(TaskbarCreatedMessageTest, IsRegisteredOnCurrentCommonControls) {
  EXPECT_NE(TaskbarCreatedMessage(), 0u);
  EXPECT_EQ(TaskbarCreatedMessage(), ::RegisterWindowMessageW(L"TaskbarCreated"));
}

// The names of the DLLs the running program imports.
std::vector<std::string> ImportedDlls() {
  const auto* base = reinterpret_cast<const BYTE*>(::GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  std::vector<std::string> names;
  for (const auto* entry =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       entry->Name != 0; ++entry) {
    std::string name(reinterpret_cast<const char*>(base + entry->Name));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    names.push_back(name);
  }
  return names;
}

TEST(TaskbarCreatedMessageTest, ReadsTheVersionWithoutImportingVersionDll) {
  ASSERT_NE(TaskbarCreatedMessage(), 0u);
  const std::vector<std::string> dlls = ImportedDlls();
  EXPECT_NE(std::find(dlls.begin(), dlls.end(), "shell32.dll"), dlls.end());
  EXPECT_EQ(std::find(dlls.begin(), dlls.end(), "version.dll"), dlls.end());
}

// The notification area of the running shell (Wine's own tray window here).
TEST(SystemTrayShellTest, AcceptsAnAddOnceThenModifiesAndDeletes) {
  TNotifyIcon icon(nullptr);
  icon.SetIcon(::LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */));
  EXPECT_TRUE(icon.AddToTray());
  EXPECT_FALSE(icon.AddToTray());
  EXPECT_TRUE(icon.RefreshInTray());
  EXPECT_TRUE(icon.DisplayBalloon(L"Ostrevin", L"УРОК ОКОНЧЕН !", bikInfo, 10));
  EXPECT_TRUE(icon.RemoveFromTray());
  EXPECT_FALSE(icon.RefreshInTray());
}

}  // namespace
}  // namespace ostrevin
