#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "base/app_error.h"
#include "toolkit/message_box.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {
namespace {

constexpr UINT kStep = WM_APP + 10;

class ApplicationTest : public ToolkitTest {};

TEST_F(ApplicationTest, TheApplicationWindowCarriesTheTitleAndTheProgramIcon) {
  wchar_t text[64] = {};
  ::GetWindowTextW(app.Handle(), text, 64);
  EXPECT_STREQ(text, kTitle);
  EXPECT_NE(::SendMessageW(app.Handle(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(::SendMessageW(app.Handle(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(app.Icon(), nullptr);
  EXPECT_NE(app.SmallIcon(), nullptr);
}

TEST_F(ApplicationTest, FormsAreOwnedByTheApplicationWindow) {
  TestForm form;
  EXPECT_EQ(::GetWindow(form.Handle(), GW_OWNER), app.Handle());
}

TEST_F(ApplicationTest, TerminateEndsRunAfterTheCurrentMessage) {
  TestForm form;
  form.intercept = [&](UINT message, WPARAM wParam, LPARAM) {
    if (message == kStep && wParam == 1) app.Terminate();
    return false;
  };
  app.SetMainFormHandle(form.Handle());
  app.SetShowMainForm(false);
  ::PostMessageW(form.Handle(), kStep, 1, 0);
  ::PostMessageW(form.Handle(), kStep, 2, 0);

  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(form.Count(kStep), 1);
  app.ProcessMessages();
  EXPECT_EQ(form.Count(kStep), 2);
}

TEST_F(ApplicationTest, TerminateFromAMessageSentWhileTheLoopWaitsEndsRun) {
  TestForm form;
  form.intercept = [&](UINT message, WPARAM, LPARAM) {
    if (message != kStep) return false;
    app.Terminate();
    app.ProcessMessages();  // as a fade does between its steps: the wake-up is gone
    return true;
  };
  app.SetMainFormHandle(form.Handle());
  app.SetShowMainForm(false);
  // Sent from another thread (as an activation change is), the message is
  // handled while Run waits for one.
  std::thread otherThread([&] { ::SendMessageW(form.Handle(), kStep, 0, 0); });
  // Should Run wait on regardless, a quit with a code of its own ends it.
  constexpr int kStuck = 99;
  UniqueKernelHandle runEnded(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::thread watchdog([&, loopThread = ::GetCurrentThreadId()] {
    if (::WaitForSingleObject(runEnded.get(), 10000) == WAIT_TIMEOUT) {
      ::PostThreadMessageW(loopThread, WM_QUIT, kStuck, 0);
    }
  });

  const int exitCode = app.Run();
  ::SetEvent(runEnded.get());
  watchdog.join();
  otherThread.join();
  EXPECT_NE(exitCode, kStuck) << "Run waited for a message that never came";
}

TEST_F(ApplicationTest, DestroyingTheMainFormEndsRun) {
  auto form = std::make_unique<TestForm>();
  form->intercept = [&](UINT message, WPARAM, LPARAM) {
    if (message == kStep) ::DestroyWindow(form->Handle());
    return false;
  };
  app.SetMainFormHandle(form->Handle());
  app.SetShowMainForm(false);
  ::PostMessageW(form->Handle(), kStep, 0, 0);

  app.Run();
  EXPECT_EQ(form->Handle(), nullptr);
  EXPECT_EQ(app.MainFormHandle(), nullptr);
}

TEST_F(ApplicationTest, RunShowsTheMainFormUnlessToldNotTo) {
  for (const bool show : {false, true}) {
    TestForm form;
    app.SetMainFormHandle(form.Handle());
    app.SetShowMainForm(show);
    app.Terminate();
    app.Run();
    EXPECT_EQ(form.Visible(), show);
    EXPECT_EQ(form.Count(WM_SHOWWINDOW), show ? 1 : 0);
    app.SetMainFormHandle(nullptr);
  }
}

TEST_F(ApplicationTest, ShowingTheMainFormShowsTheTaskbarEntry) {
  ::ShowWindow(app.Handle(), SW_HIDE);
  TestForm form;
  app.SetMainFormHandle(form.Handle());
  form.SetVisible(true);
  EXPECT_TRUE(::IsWindowVisible(app.Handle()));
  ::ShowWindow(app.Handle(), SW_HIDE);
}

TEST_F(ApplicationTest, MessageHooksSeeMessagesSentToTheApplicationWindowUntilRemoved) {
  std::vector<std::tuple<UINT, WPARAM, LPARAM>> seen;
  const int hook = app.AddMessageHook([&](UINT message, WPARAM wParam, LPARAM lParam) {
    seen.emplace_back(message, wParam, lParam);
  });
  ::SendMessageW(app.Handle(), kStep, 5, 6);
  app.RemoveMessageHook(hook);
  ::SendMessageW(app.Handle(), kStep, 7, 8);

  EXPECT_EQ(std::count(seen.begin(), seen.end(), std::make_tuple(kStep, WPARAM{5}, LPARAM{6})), 1);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), std::make_tuple(kStep, WPARAM{7}, LPARAM{8})), 0);
}

TEST_F(ApplicationTest, AHookMayRemoveItselfWhileItRuns) {
  int calls = 0;
  int hook = 0;
  hook = app.AddMessageHook([&](UINT message, WPARAM, LPARAM) {
    if (message != kStep) return;
    ++calls;
    app.RemoveMessageHook(hook);
  });
  ::SendMessageW(app.Handle(), kStep, 0, 0);
  ::SendMessageW(app.Handle(), kStep, 0, 0);
  EXPECT_EQ(calls, 1);
}

TEST_F(ApplicationTest, TheApplicationWindowPassesTheFocusToTheMainForm) {
  TestForm form;
  app.SetMainFormHandle(form.Handle());
  form.SetVisible(true);
  ::SetForegroundWindow(app.Handle());
  EXPECT_EQ(::GetActiveWindow(), form.Handle()) << "so that the form's keys work";
  ::ShowWindow(app.Handle(), SW_HIDE);
}

TEST_F(ApplicationTest, AtTheEndOfTheSessionTheMainFormIsDestroyedAtOnceThenTheProcessEnds) {
  TestForm form;
  int destroyed = 0;
  int endsBeforeTheForm = -1;
  form.OnDestroy = [&] {
    ++destroyed;
    endsBeforeTheForm = processEnds;
  };
  app.SetMainFormHandle(form.Handle());
  ::SendMessageW(app.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(form.Handle(), nullptr);
  EXPECT_EQ(app.MainFormHandle(), nullptr);
  EXPECT_EQ(endsBeforeTheForm, 0);
  EXPECT_EQ(processEnds, 1);
}

TEST_F(ApplicationTest, ASessionEndThatIsCancelledChangesNothing) {
  TestForm form;
  app.SetMainFormHandle(form.Handle());
  ::SendMessageW(app.Handle(), WM_ENDSESSION, FALSE, 0);
  EXPECT_NE(form.Handle(), nullptr);
  EXPECT_EQ(processEnds, 0);
}

// The session ends while a box of the program waits for an answer that will
// not come (the end-of-day question, an error report, a lengths message):
// the installer or Windows asks from another process. The main form is
// destroyed (it saves), and the process ends from inside the box's own loop;
// an error while the form ends shows no box that would hold the end up.
TEST_F(ApplicationTest, TheSessionsEndEndsTheProcessWhileABoxIsOpen) {
  TestForm form;
  form.OnDestroy = [] { throw AppError(L"Unable to write to the settings file"); };
  app.SetMainFormHandle(form.Handle());
  HWND boxAtTheEnd = nullptr;
  app.SetProcessEnd([&] {
    ++processEnds;
    boxAtTheEnd = ::FindWindowW(L"#32770", kTitle);
    // The test program goes on: the box is answered for it.
    if (boxAtTheEnd) ::PostMessageW(boxAtTheEnd, WM_COMMAND, IDOK, 0);
  });
  std::thread windows([this] {
    while (!::FindWindowW(L"#32770", kTitle)) std::this_thread::yield();
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(app.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL,
                          5000, &answer);
    ::SendMessageTimeoutW(app.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 5000,
                          &answer);
  });
  ShowMessage(L"Nobody answers this", MB_OK);
  windows.join();
  EXPECT_EQ(processEnds, 1);
  EXPECT_NE(boxAtTheEnd, nullptr) << "the process ended with the box still open";
  EXPECT_EQ(form.Handle(), nullptr);
  EXPECT_TRUE(reports.empty());
}

TEST_F(ApplicationTest, ClosingTheApplicationWindowClosesTheMainForm) {
  TestForm form;
  app.SetMainFormHandle(form.Handle());
  ::SendMessageW(app.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.Count(WM_CLOSE), 1);
  EXPECT_TRUE(app.Terminated());
  app.Run();  // ends at once and clears the request
}

// Minimizing and restoring, as the taskbar entry and the main form ask for it.
class MinimizeTest : public ApplicationTest {
 protected:
  void SetUp() override {
    ApplicationTest::SetUp();
    form = std::make_unique<TestForm>();
    app.SetMainFormHandle(form->Handle());
    form->SetVisible(true);
    hook = app.AddMessageHook([this](UINT message, WPARAM wParam, LPARAM) {
      if (message == WM_SIZE && wParam == SIZE_MINIMIZED) ++minimizedSizes;
    });
  }
  void TearDown() override {
    app.RemoveMessageHook(hook);
    app.Restore();
    ::ShowWindow(app.Handle(), SW_HIDE);
    ApplicationTest::TearDown();
  }

  std::unique_ptr<TestForm> form;  // made once the application exists
  int hook = 0;
  int minimizedSizes = 0;
};

TEST_F(MinimizeTest, MinimizingTheMainFormMinimizesTheApplicationWindow) {
  ::SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(::IsIconic(app.Handle()));
  EXPECT_FALSE(::IsIconic(form->Handle()));
  EXPECT_EQ(minimizedSizes, 1);
  EXPECT_FALSE(form->Visible()) << "the forms of a minimized owner are hidden";
}

TEST_F(MinimizeTest, RestoringTheApplicationShowsItsFormsAgain) {
  app.Minimize();
  ASSERT_TRUE(::IsIconic(app.Handle()));
  app.Restore();
  EXPECT_FALSE(::IsIconic(app.Handle()));
  EXPECT_TRUE(form->Visible());
}

TEST_F(MinimizeTest, ARestoreCommandToTheApplicationWindowShowsTheMainForm) {
  form->SetVisible(false);
  ::SendMessageW(app.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(form->Visible());
}

class ActivationTest : public ApplicationTest {
 protected:
  void SetUp() override {
    ApplicationTest::SetUp();
    app.OnActivate = [this] { ++activations; };
    app.OnDeactivate = [this] { ++deactivations; };
  }
  int activations = 0;
  int deactivations = 0;
};

TEST_F(ActivationTest, ActivationEventsFireOncePerChangeOfTheWholeProgram) {
  TestForm form;
  // The system sends WM_ACTIVATEAPP to every top-level window of the program.
  for (HWND window : {form.Handle(), app.Handle()}) {
    ::SendMessageW(window, WM_ACTIVATEAPP, TRUE, 0);
  }
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(deactivations, 0);
  for (HWND window : {form.Handle(), app.Handle()}) {
    ::SendMessageW(window, WM_ACTIVATEAPP, FALSE, 0);
  }
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(deactivations, 1);
}

TEST_F(ActivationTest, AnotherProgramTakingTheForegroundDeactivatesAndComingBackActivates) {
  TestForm form;
  form.SetVisible(true);
  ::SetForegroundWindow(form.Handle());
  ASSERT_TRUE(PumpUntil([&] { return activations == 1; }));

  // Another thread's window stands for another program.
  HWND other = nullptr;
  HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread otherProgram([&] {
    other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                              nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    ::SetEvent(ready);
    MSG message{};
    while (::MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    }
    ::DestroyWindow(other);
  });
  ::WaitForSingleObject(ready, 5000);
  EXPECT_TRUE(PumpUntil([&] { return deactivations == 1; }));

  ::SetForegroundWindow(form.Handle());
  EXPECT_TRUE(PumpUntil([&] { return activations == 2; }));
  ::SetEvent(done);
  otherProgram.join();
  ::CloseHandle(ready);
  ::CloseHandle(done);
}

// At the process's end the application window is destroyed with the
// application's state, and its destruction still runs the message hooks: they
// must be there yet. Run in a child process, which ends as the program does.
TEST(ApplicationEndTest, TheMessageHooksOutliveTheApplicationWindowAtTheProcessEnd) {
  EXPECT_EXIT(
      {
        Application& app = Application::Instance();
        if (!app.Handle()) app.Initialize(::GetModuleHandleW(nullptr));
        app.AddMessageHook([](UINT message, WPARAM, LPARAM) {
          if (message != WM_NCDESTROY) return;
          std::fputs("the hooks saw the window go", stderr);
          std::fflush(stderr);
        });
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "the hooks saw the window go");
}

}  // namespace
}  // namespace ostrevin::toolkit
