#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_boxes.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/image_list.h"

namespace ostrevin::toolkit {

// Every toolkit test runs with the application initialized, its title set,
// its error report captured in `reports` and the process end at the session's
// end counted in `processEnds` instead of ending the test program.
class ToolkitTest : public testing::Test {
 protected:
  static constexpr const wchar_t* kTitle = L"Ostrevin test";

  void SetUp() override;
  void TearDown() override;

  Application& app = Application::Instance();
  std::vector<Application::ErrorReport> reports;
  int processEnds = 0;
};

// Handles messages until the condition holds or the time runs out; true when
// it holds. It waits for messages, never sleeps.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// The dialog box helpers, shared with the other Windows test programs.
using test_support::DialogBoxContents;
using test_support::DialogBoxWatch;
using test_support::ReadDialogBox;

// The borderless design of the program's timer window, the form most tests
// use.
FormDesign TimerWindowDesign();

// The timer window's toolbar pictures, at each size the program has them.
ScaledImageList ToolbarPictures();

// A form that records the messages it gets and can answer some of them
// itself first (a handler that returns true has handled the message).
class TestForm : public Form {
 public:
  explicit TestForm(const FormDesign& design = TimerWindowDesign(), HWND owner = nullptr)
      : Form(design, owner) {}
  ~TestForm() override { DestroyHandle(); }

  int Count(UINT message) const;

  std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)> intercept;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<UINT> received_;
};

}  // namespace ostrevin::toolkit
