#include "system/single_instance.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "toolkit/handles.h"

namespace ostrevin {
namespace {

std::wstring LockName() {
  return L"Ostrevin.Test." + std::to_wstring(::GetCurrentProcessId());
}

TEST(SingleInstanceTest, OnlyTheFirstOfOneNameIsFirstUntilItEnds) {
  const std::wstring name = LockName();
  {
    const SingleInstance first(name);
    const SingleInstance second(name);
    const SingleInstance otherName(name + L".other");
    EXPECT_TRUE(first.IsFirst());
    EXPECT_FALSE(second.IsFirst());
    EXPECT_TRUE(otherName.IsFirst());
  }
  const SingleInstance afterTheEnd(name);
  EXPECT_TRUE(afterTheEnd.IsFirst());
}

TEST(SingleInstanceTest, ALaterStartIsFirstOnceTheRunningCopyHasEnded) {
  std::optional<SingleInstance> running(std::in_place, LockName());
  SingleInstance later(LockName());
  EXPECT_FALSE(later.TryAgain());
  running.reset();
  EXPECT_TRUE(later.TryAgain());
  EXPECT_TRUE(later.IsFirst());
  EXPECT_FALSE(SingleInstance(LockName()).IsFirst()) << "the later start now holds the lock";
}

// How a stand-in for the running copy takes the show request.
enum class Copy {
  Answers,          // a copy at work
  NoLongerListens,  // a copy that is ending: its window is there, nobody listens
  Hangs,            // a copy whose thread handles no messages
};

void PrintTo(Copy copy, std::ostream* out) {
  *out << (copy == Copy::Answers ? "Answers" : copy == Copy::Hangs ? "Hangs" : "NoLongerListens");
}

// A stand-in for a running copy's application window, on a thread of its own
// as in another process.
class RunningCopyWindow {
 public:
  static constexpr const wchar_t* kClass = L"OstrevinSingleInstanceTest";

  RunningCopyWindow(const wchar_t* title, Copy behaviour)
      : behaviour_(behaviour),
        ready_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        release_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this, title] { Run(title); });
    ::WaitForSingleObject(ready_.get(), INFINITE);
  }

  ~RunningCopyWindow() {
    ::SetEvent(release_.get());
    ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }

  int ShowRequests() const { return showRequests_; }

 private:
  void Run(const wchar_t* title) {
    threadId_ = ::GetCurrentThreadId();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    ::RegisterClassW(&windowClass);
    toolkit::UniqueWindow window(::CreateWindowExW(0, kClass, title, WS_POPUP, 0, 0, 0, 0, nullptr,
                                                   nullptr, windowClass.hInstance, nullptr));
    ::SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    MSG message{};
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, for WM_QUIT
    ::SetEvent(ready_.get());
    if (behaviour_ == Copy::Hangs) {
      ::WaitForSingleObject(release_.get(), INFINITE);
      return;
    }
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<RunningCopyWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == ShowRunningCopyMessage()) {
      ++self->showRequests_;
      if (self->behaviour_ == Copy::Answers) AnswerShowRequest();
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  const Copy behaviour_;
  toolkit::UniqueKernelHandle ready_;
  toolkit::UniqueKernelHandle release_;
  std::atomic<DWORD> threadId_ = 0;
  std::atomic<int> showRequests_ = 0;
  std::thread thread_;
};

struct AskCase {
  Copy copy;
  RunningCopyAnswer answer;
};

class AskRunningCopyTest : public testing::TestWithParam<AskCase> {};

TEST_P(AskRunningCopyTest, OnlyACopyThatAnswersCountsAsShowing) {
  const SingleInstance running(LockName());
  const RunningCopyWindow copy(L"Running copy", GetParam().copy);
  SingleInstance later(LockName());
  ASSERT_NE(ShowRunningCopyMessage(), 0u);

  EXPECT_EQ(AskRunningCopyToShow(later, RunningCopyWindow::kClass, L"Running copy", 400),
            GetParam().answer);
  if (GetParam().copy != Copy::Hangs) {
    EXPECT_GE(copy.ShowRequests(), 1);
  }
  EXPECT_FALSE(later.IsFirst());
}

INSTANTIATE_TEST_SUITE_P(Copies, AskRunningCopyTest,
                         testing::Values(AskCase{Copy::Answers, RunningCopyAnswer::Showing},
                                         AskCase{Copy::NoLongerListens, RunningCopyAnswer::Silent},
                                         AskCase{Copy::Hangs, RunningCopyAnswer::Silent}),
                         [](const testing::TestParamInfo<AskCase>& info) {
                           return testing::PrintToString(info.param.copy);
                         });

TEST(SingleInstanceTest, AWindowOfAnotherTitleIsNotAskedAndTheLockHeldMeansSilence) {
  const SingleInstance running(LockName());
  const RunningCopyWindow other(L"Another title", Copy::Answers);
  SingleInstance later(LockName());
  EXPECT_EQ(AskRunningCopyToShow(later, RunningCopyWindow::kClass, L"Running copy", 300),
            RunningCopyAnswer::Silent);
  EXPECT_EQ(other.ShowRequests(), 0);
}

// The copy ended (after "Выход", while this start was on its way): this start
// runs as the one copy instead of looking for a window that is gone.
TEST(SingleInstanceTest, ALockNoLongerHeldMakesTheLaterStartTheOneCopy) {
  std::optional<SingleInstance> running(std::in_place, LockName());
  SingleInstance later(LockName());
  running.reset();
  EXPECT_EQ(AskRunningCopyToShow(later, RunningCopyWindow::kClass, L"Running copy", 5000),
            RunningCopyAnswer::Ended);
  EXPECT_TRUE(later.IsFirst());
}

}  // namespace
}  // namespace ostrevin
