#include "toolkit_test.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/artwork.h"

namespace ostrevin::toolkit {

void ToolkitTest::SetUp() {
  if (!app.Handle()) app.Initialize(::GetModuleHandleW(nullptr));
  app.SetTitle(kTitle);
  app.SetErrorReportSink(
      [this](const Application::ErrorReport& report) { reports.push_back(report); });
  app.SetProcessEnd([this] { ++processEnds; });
}

void ToolkitTest::TearDown() {
  app.ProcessMessages();
  app.SetErrorReportSink({});
  app.SetProcessEnd({});
  app.OnActivate = nullptr;
  app.OnDeactivate = nullptr;
  app.SetMainFormHandle(nullptr);
  app.SetShowMainForm(true);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  Application& app = Application::Instance();
  for (;;) {
    app.ProcessMessages();
    if (condition()) return true;
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}

FormDesign TimerWindowDesign() {
  return FormDesign{
      .caption = L"Ostrevin",
      .border = FormBorder::None,
      .topMost = true,
      .clientWidth = 225,
      .clientHeight = 299,
      .position = FormPosition::ScreenCenter,
      .color = clBtnFace,
      .font = {.face = L"MS Sans Serif", .height = 11},
      .alphaBlend = true,
      .alphaBlendValue = 127,
      .transparentColor = clBtnFace,
      .snapBuffer = 20,
      .tag = 1,
  };
}

ScaledImageList ToolbarPictures() {
  std::vector<ImageList> sizes;
  for (int size : kToolbarPictureSizes) {
    ImageList pictures(size, size);
    pictures.AddMaskedResource(::GetModuleHandleW(nullptr), ToolbarPicturesResource(size),
                               kToolbarPicturesMask);
    sizes.push_back(std::move(pictures));
  }
  return ScaledImageList(std::move(sizes));
}

int TestForm::Count(UINT message) const {
  return static_cast<int>(std::count(received_.begin(), received_.end(), message));
}

LRESULT TestForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  received_.push_back(message);
  if (intercept && intercept(message, wParam, lParam)) return 0;
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace ostrevin::toolkit
