#include "system/single_instance.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/handles.h"

namespace ostrevin {
namespace {

TEST(SingleInstanceTest, OnlyTheFirstOfOneNameIsFirstUntilItEnds) {
  const std::wstring name = L"Ostrevin.Test." + std::to_wstring(::GetCurrentProcessId());
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

// A stand-in for a running copy's application window that keeps the messages
// posted to it.
class RunningCopyWindow {
 public:
  static constexpr const wchar_t* kClass = L"OstrevinSingleInstanceTest";

  explicit RunningCopyWindow(const wchar_t* title) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    ::RegisterClassW(&windowClass);
    window_.reset(::CreateWindowExW(0, kClass, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    windowClass.hInstance, nullptr));
  }

  // The messages waiting for the window, taken from its queue.
  std::vector<UINT> TakePosted() const {
    std::vector<UINT> messages;
    MSG message{};
    while (::PeekMessageW(&message, window_.get(), 0, 0, PM_REMOVE)) {
      messages.push_back(message.message);
    }
    return messages;
  }

  HWND Handle() const { return window_.get(); }

 private:
  toolkit::UniqueWindow window_;
};

TEST(SingleInstanceTest, ALaterStartAsksTheRunningCopyToShowItself) {
  const RunningCopyWindow running(L"Running copy");
  ASSERT_TRUE(running.Handle());
  ASSERT_NE(ShowRunningCopyMessage(), 0u);

  EXPECT_TRUE(AskRunningCopyToShow(RunningCopyWindow::kClass, L"Running copy", 0));
  EXPECT_EQ(running.TakePosted(), std::vector<UINT>{ShowRunningCopyMessage()});
}

TEST(SingleInstanceTest, WithoutARunningCopyNothingIsAskedAndTheAnswerIsNo) {
  const RunningCopyWindow other(L"Another title");
  EXPECT_FALSE(AskRunningCopyToShow(RunningCopyWindow::kClass, L"Running copy", 300));
  EXPECT_TRUE(other.TakePosted().empty());
}

}  // namespace
}  // namespace ostrevin
