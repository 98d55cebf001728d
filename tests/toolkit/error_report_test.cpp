#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "base/app_error.h"
#include "toolkit/window_timer.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {
namespace {

constexpr UINT kThrowAppError = WM_APP + 1;
constexpr UINT kThrowRuntimeError = WM_APP + 2;
constexpr UINT kNextMessage = WM_APP + 3;

// A form whose handlers fail on demand.
class FailingForm : public TestForm {
 public:
  FailingForm() {
    intercept = [](UINT message, WPARAM, LPARAM) {
      if (message == kThrowAppError) throw AppError(L"Unable to write to C:\\a.INI");
      if (message == kThrowRuntimeError) throw std::runtime_error("Ошибка сети");
      return false;
    };
  }
};

struct ReportTextCase {
  std::wstring message;
  std::wstring shown;
};

TEST(ErrorReportTextTest, AppendsAFullStopOnlyAfterCharactersAboveIt) {
  const ReportTextCase cases[] = {
      {L"Unable to write to C:\\a.INI", L"Unable to write to C:\\a.INI."},
      {L"x", L"x."},
      {L"Version 2", L"Version 2."},        // '2' is above '.'
      {L"a/", L"a/."},                      // '/' is the first code above '.'
      {L"Урок окончен", L"Урок окончен."},  // letters beyond ASCII too
      {L"Done.", L"Done."},
      {L"Stop!", L"Stop!"},  // '!' (0x21) is below '.'
      {L"Well,", L"Well,"},  // ',' (0x2C)
      {L"a-", L"a-"},        // '-' (0x2D), just below '.'
      {L"ends in blank ", L"ends in blank "},
      {L"", L""},
  };
  for (const ReportTextCase& c : cases) {
    EXPECT_EQ(Application::ErrorReportText(c.message), c.shown) << c.message;
  }
}

class ErrorReportTest : public ToolkitTest {};

TEST_F(ErrorReportTest, AFailingHandlerIsReportedAndTheLoopGoesOnWithTheNextMessage) {
  FailingForm form;
  ::PostMessageW(form.Handle(), kThrowAppError, 0, 0);
  ::PostMessageW(form.Handle(), kNextMessage, 0, 0);
  app.ProcessMessages();

  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].title, kTitle);
  EXPECT_EQ(reports[0].style, UINT{MB_ICONERROR | MB_OK});
  EXPECT_EQ(reports[0].text, L"Unable to write to C:\\a.INI.");
  EXPECT_EQ(form.Count(kNextMessage), 1);
}

TEST_F(ErrorReportTest, AStandardExceptionShowsItsWhatTextAsUtf8) {
  FailingForm form;
  ::SendMessageW(form.Handle(), kThrowRuntimeError, 0, 0);

  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"Ошибка сети.");
}

TEST_F(ErrorReportTest, EachFailureOfARepeatedHandlerIsReported) {
  FailingForm form;
  for (int i = 0; i < 3; ++i) ::PostMessageW(form.Handle(), kThrowAppError, 0, 0);
  app.ProcessMessages();
  EXPECT_EQ(reports.size(), 3u);
}

TEST_F(ErrorReportTest, AFailingMessageHookIsReportedAndTheOtherHooksStillRun) {
  int laterHookCalls = 0;
  const int failing = app.AddMessageHook([](UINT message, WPARAM, LPARAM) {
    if (message == kThrowAppError) throw AppError(L"hook failed");
  });
  const int counting = app.AddMessageHook([&](UINT message, WPARAM, LPARAM) {
    if (message == kThrowAppError) ++laterHookCalls;
  });
  ::SendMessageW(app.Handle(), kThrowAppError, 0, 0);
  app.RemoveMessageHook(failing);
  app.RemoveMessageHook(counting);

  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"hook failed.");
  EXPECT_EQ(laterHookCalls, 1);
}

TEST_F(ErrorReportTest, AFailingTimerHandlerIsReportedAndTheTimerGoesOn) {
  TestForm form;
  int ticks = 0;
  WindowTimer timer(form.Handle(), 7, 1, [&] {
    ++ticks;
    throw AppError(L"tick failed");
  });
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));
  timer.SetEnabled(false);
  EXPECT_EQ(reports.size(), static_cast<size_t>(ticks));
  EXPECT_EQ(reports[0].text, L"tick failed.");
}

TEST_F(ErrorReportTest, AnErrorInOnCreateIsReportedAndTheFormIsKept) {
  class FailingAtCreate : public TestForm {
   public:
    FailingAtCreate() {
      OnCreate = [] { throw AppError(L"Settings unreadable"); };
      Created();
    }
  } form;
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"Settings unreadable.");
  EXPECT_TRUE(::IsWindow(form.Handle()));
}

TEST_F(ErrorReportTest, WithoutASinkTheReportIsAnErrorMessageBox) {
  app.SetErrorReportSink({});
  FailingForm form;
  DialogBoxContents box;
  DialogBoxWatch watch([&](HWND window) {
    box = ReadDialogBox(window);
    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
  });
  ::PostMessageW(form.Handle(), kThrowAppError, 0, 0);
  ::PostMessageW(form.Handle(), kNextMessage, 0, 0);
  app.ProcessMessages();

  EXPECT_EQ(box.title, kTitle);
  EXPECT_TRUE(box.HasText(L"Unable to write to C:\\a.INI."));
  EXPECT_TRUE(box.HasIcon(::LoadIconW(nullptr, IDI_ERROR)));
  EXPECT_EQ(form.Count(kNextMessage), 1);
}

}  // namespace
}  // namespace ostrevin::toolkit
