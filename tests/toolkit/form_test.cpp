#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "toolkit/colors.h"
#include "toolkit/label.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {
namespace {

class FormTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form = std::make_unique<TestForm>();
  }

  RECT WindowRect() const {
    RECT r{};
    ::GetWindowRect(form->Handle(), &r);
    return r;
  }
  RECT WorkArea() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const RECT r = WindowRect();
    ::GetMonitorInfoW(::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
  }

  std::unique_ptr<TestForm> form;
};

TEST_F(FormTest, TheTimerWindowIsABorderlessTopmostPopupWith225By299Pixels) {
  RECT client{};
  ::GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 225);
  EXPECT_EQ(client.bottom, 299);
  const RECT window = WindowRect();
  EXPECT_EQ(window.right - window.left, 225) << "no frame";
  const LONG style = ::GetWindowLongW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
  EXPECT_TRUE(::GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(form->Caption(), L"Ostrevin");
  EXPECT_EQ(form->Tag(), 1);
}

TEST_F(FormTest, TheColourKeyIsTheButtonFaceAndTheOpacityIsAdjustable) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(form->Handle(), &key, &alpha, &flags));
  EXPECT_EQ(key, ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(alpha, 127);
  EXPECT_EQ(flags, DWORD{LWA_COLORKEY | LWA_ALPHA});
  EXPECT_EQ(form->AlphaBlendValue(), 127);

  form->SetAlphaBlendValue(255);
  ::GetLayeredWindowAttributes(form->Handle(), &key, &alpha, &flags);
  EXPECT_EQ(alpha, 255);
  EXPECT_EQ(form->AlphaBlendValue(), 255);
}

TEST_F(FormTest, TheFontHasAnElevenPixelCharacterHeight) {
  WindowDc dc(form->Handle());
  SelectGuard font(dc.get(), form->Font());
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc.get(), &metrics);
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 11);
}

int CALLBACK KeepFirstFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM face) {
  *reinterpret_cast<std::wstring*>(face) = font->lfFaceName;
  return 0;
}

// The name of some font family the system has.
std::wstring SomeInstalledFace() {
  LOGFONTW any{};
  any.lfCharSet = DEFAULT_CHARSET;
  std::wstring face;
  WindowDc screen(nullptr);
  ::EnumFontFamiliesExW(screen.get(), &any, &KeepFirstFace, reinterpret_cast<LPARAM>(&face), 0);
  return face;
}

TEST(FontFaceTest, AnInstalledFaceIsKeptAndAMissingOneFallsBackToANarrowSansFace) {
  const std::wstring installed = SomeInstalledFace();
  ASSERT_FALSE(installed.empty());
  EXPECT_EQ(AvailableFontFace(installed), installed);
  const std::wstring fallback = AvailableFontFace(L"No Such Face Anywhere");
  const std::wstring expected[] = {L"Microsoft Sans Serif", L"Arial", L"Liberation Sans",
                                   L"DejaVu Sans Condensed", L"MS Shell Dlg"};
  EXPECT_NE(std::find(std::begin(expected), std::end(expected), fallback), std::end(expected))
      << fallback;
}

// The test prefix has no raster font to stand in for Windows' "MS Sans
// Serif": a scalable face is drawn at every scale, a missing one falls back
// alike.
TEST(FontFaceTest, AScalableFaceIsDrawnAtEveryScale) {
  const std::wstring installed = SomeInstalledFace();
  for (int dpi : {96, 120, 144, 192}) {
    EXPECT_EQ(FaceAtScale(installed, DpiScale(dpi)), installed) << dpi;
    EXPECT_EQ(FaceAtScale(L"No Such Face Anywhere", DpiScale(dpi)),
              AvailableFontFace(L"No Such Face Anywhere"))
        << dpi;
  }
}

TEST_F(FormTest, ItIsCentredOnTheScreenTheFirstTimeItIsShownOnly) {
  form->SetVisible(true);
  const RECT shown = WindowRect();
  EXPECT_NEAR((shown.left + shown.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((shown.top + shown.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  ::SetWindowPos(form->Handle(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  form->SetVisible(false);
  form->SetVisible(true);
  EXPECT_EQ(WindowRect().left, 300);
  EXPECT_EQ(WindowRect().top, 200);
}

struct SnapCase {
  int dx;  // distance of the wanted position from an edge of the work area
  bool snaps;
};

TEST_F(FormTest, AMoveToWithin20PixelsOfAnEdgeOfTheWorkAreaSnapsToIt) {
  const RECT work = WorkArea();
  const RECT r = WindowRect();
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int middleX = (work.left + work.right - width) / 2;
  const int middleY = (work.top + work.bottom - height) / 2;
  for (const SnapCase c : {SnapCase{0, true}, {5, true}, {-5, true}, {20, true}, {21, false}}) {
    ::SetWindowPos(form->Handle(), nullptr, work.left + c.dx, middleY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect().left, c.snaps ? work.left : work.left + c.dx) << "left " << c.dx;
    EXPECT_EQ(WindowRect().top, middleY);

    ::SetWindowPos(form->Handle(), nullptr, middleX, work.top + c.dx, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect().top, c.snaps ? work.top : work.top + c.dx) << "top " << c.dx;

    ::SetWindowPos(form->Handle(), nullptr, work.right - width - c.dx, middleY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect().right, c.snaps ? work.right : work.right - c.dx) << "right " << c.dx;

    ::SetWindowPos(form->Handle(), nullptr, middleX, work.bottom - height - c.dx, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect().bottom, c.snaps ? work.bottom : work.bottom - c.dx) << "bottom " << c.dx;
  }
}

TEST_F(FormTest, TheRectangleDraggedSnapsToo) {
  const RECT work = WorkArea();
  RECT dragged{work.left + 12, work.top + 100, work.left + 12 + 225, work.top + 399};
  ::SendMessageW(form->Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&dragged));
  EXPECT_EQ(dragged.left, work.left);
  EXPECT_EQ(dragged.right, work.left + 225);
  EXPECT_EQ(dragged.top, work.top + 100);
}

TEST_F(FormTest, ClosingTheMainFormEndsTheProgramAndAnotherFormIsHidden) {
  form->SetVisible(true);
  form->Close();
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(app.Terminated());

  app.SetMainFormHandle(form->Handle());
  ::SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.Terminated());
  app.Run();  // ends at once and clears the request
}

// A window of another class whose first extra bytes hold what looks like an
// object.
LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(FormTest, OnlyTheToolkitsOwnWindowsLeadToTheirObjects) {
  EXPECT_EQ(Window::FromHandle(form->Handle()), form.get());
  EXPECT_EQ(Window::FromHandle(nullptr), nullptr);

  const UniqueWindow button(::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 10, 10,
                                              form->Handle(), nullptr, nullptr, nullptr));
  ::SetWindowLongPtrW(button.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form.get()));
  EXPECT_EQ(Window::FromHandle(button.get()), nullptr);

  WNDCLASSEXW plainClass{};
  plainClass.cbSize = sizeof(plainClass);
  plainClass.lpfnWndProc = &PlainWindowProc;
  plainClass.cbWndExtra = sizeof(Window*);
  plainClass.hInstance = ::GetModuleHandleW(nullptr);
  plainClass.lpszClassName = L"OstrevinTestPlainWindow";
  ::RegisterClassExW(&plainClass);
  const UniqueWindow plain(::CreateWindowExW(0, L"OstrevinTestPlainWindow", L"", WS_POPUP, 0, 0, 10,
                                             10, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(plain);
  ::SetWindowLongPtrW(plain.get(), 0, reinterpret_cast<LONG_PTR>(form.get()));
  EXPECT_EQ(Window::FromHandle(plain.get()), nullptr);

  const HWND gone = form->Handle();
  form.reset();
  EXPECT_EQ(Window::FromHandle(gone), nullptr);
}

TEST_F(FormTest, OnCloseMayKeepTheFormOpen) {
  form->OnClose = [](CloseAction& action) { action = CloseAction::None; };
  form->SetVisible(true);
  form->Close();
  EXPECT_TRUE(form->Visible());
}

// Whichever way the form is shown, OnShowing finds it still hidden, every
// time; hiding it does not raise it.
TEST_F(FormTest, OnShowingRunsBeforeEachShowingWhileTheFormIsHidden) {
  std::vector<bool> visibleWhenShowing;
  form->OnShowing = [&] { visibleWhenShowing.push_back(form->Visible()); };
  form->SetVisible(true);
  form->SetVisible(false);
  form->ShowWithoutActivating();
  form->ShowWithoutActivating();
  form->SetVisible(false);
  ::ShowWindow(form->Handle(), SW_SHOWNA);
  EXPECT_EQ(visibleWhenShowing, (std::vector<bool>{false, false, false}));
}

// Filters of a window chain, the latest first, and come and go in any order.
TEST_F(FormTest, MessageFiltersSeeMessagesLatestFirstAndMayConsumeThem) {
  constexpr UINT kProbe = WM_APP + 11;
  std::vector<int> seen;
  const auto filter = [&](int name, bool consume) {
    return [&seen, name, consume](UINT message, WPARAM, LPARAM, LRESULT& result) {
      if (message != kProbe) return false;
      seen.push_back(name);
      result = name * 10;
      return consume;
    };
  };
  const int first = form->AddMessageFilter(filter(1, true));
  const int second = form->AddMessageFilter(filter(2, false));
  EXPECT_EQ(::SendMessageW(form->Handle(), kProbe, 0, 0), 10);
  EXPECT_EQ(seen, (std::vector<int>{2, 1}));

  form->RemoveMessageFilter(first);
  seen.clear();
  EXPECT_EQ(::SendMessageW(form->Handle(), kProbe, 0, 0), 0);
  EXPECT_EQ(seen, std::vector<int>{2});

  form->RemoveMessageFilter(second);
  form->RemoveMessageFilter(second);
  seen.clear();
  ::SendMessageW(form->Handle(), kProbe, 0, 0);
  EXPECT_TRUE(seen.empty());
}

TEST_F(FormTest, OnDestroyRunsWhenTheWindowIsDestroyed) {
  int destroyed = 0;
  form->OnDestroy = [&] { ++destroyed; };
  form.reset();
  EXPECT_EQ(destroyed, 1);
}

// Two labels, one under the other, with a third lying over the first.
class LabelTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->OnClick = [this] { events.push_back(L"form click"); };
    first = MakeLabel(L"first", {0, 0, 100, 50});
    second = MakeLabel(L"second", {0, 50, 100, 50});
    over = MakeLabel(L"over", {0, 0, 50, 50});
  }

  std::unique_ptr<Label> MakeLabel(const std::wstring& name, ControlPlace place) {
    return std::make_unique<Label>(
        *form,
        LabelDesign{.name = name,
                    .place = place,
                    .onMouseDown =
                        [this, name](MouseButton button, POINT) {
                          events.push_back(
                              name + (button == MouseButton::Right ? L" right press" : L" press"));
                        },
                    .onClick = [this, name] { events.push_back(name + L" click"); }});
  }

  void Send(UINT message, int x, int y) {
    ::SendMessageW(form->Handle(), message, 0, MAKELPARAM(x, y));
  }
  void ClickAt(int x, int y) {
    Send(WM_LBUTTONDOWN, x, y);
    Send(WM_LBUTTONUP, x, y);
  }

  std::unique_ptr<Label> first, second, over;
  std::vector<std::wstring> events;
};

TEST_F(LabelTest, PressesAndClicksGoToTheTopmostLabelUnderTheMouse) {
  ClickAt(10, 60);
  ClickAt(70, 10);
  ClickAt(10, 10);
  EXPECT_EQ(events, (std::vector<std::wstring>{L"second press", L"second click", L"first press",
                                               L"first click", L"over press", L"over click"}));
}

TEST_F(LabelTest, AClickOnNoLabelIsTheFormsClick) {
  ClickAt(150, 10);
  EXPECT_EQ(events, std::vector<std::wstring>{L"form click"});
}

TEST_F(LabelTest, AReleaseAwayFromThePressedLabelIsNoClick) {
  Send(WM_LBUTTONDOWN, 10, 60);
  Send(WM_LBUTTONUP, 10, 10);
  EXPECT_EQ(events, std::vector<std::wstring>{L"second press"});
}

TEST_F(LabelTest, ARightPressIsAPressButNoClick) {
  Send(WM_RBUTTONDOWN, 10, 60);
  Send(WM_RBUTTONUP, 10, 60);
  EXPECT_EQ(events, std::vector<std::wstring>{L"second right press"});
}

TEST_F(LabelTest, APressThatStartsAWindowMoveMakesNoClick) {
  second->OnMouseDown = [this](MouseButton, POINT) {
    events.push_back(L"second press");
    ::ReleaseCapture();  // as the window move does
  };
  ClickAt(10, 60);
  EXPECT_EQ(events, std::vector<std::wstring>{L"second press"});
}

TEST_F(LabelTest, ALabelThatIsGoneGetsNothing) {
  over.reset();
  ClickAt(10, 10);
  EXPECT_EQ(events, (std::vector<std::wstring>{L"first press", L"first click"}));
}

// A label changed while its form is hidden asks for no paint; showing the
// form paints all of it, the label's new place included.
TEST_F(LabelTest, AChangeWhileTheFormIsHiddenWaitsForTheFormToShow) {
  ASSERT_FALSE(form->Visible());
  second->SetCaption(L"другой текст");
  second->SetBounds(120, 60, 80, 20);
  RECT pending{};
  EXPECT_FALSE(::GetUpdateRect(form->Handle(), &pending, FALSE));

  ::ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
  ASSERT_TRUE(::GetUpdateRect(form->Handle(), &pending, FALSE));
  RECT client{};
  ::GetClientRect(form->Handle(), &client);
  EXPECT_TRUE(::EqualRect(&pending, &client));

  ::ValidateRect(form->Handle(), nullptr);
  second->SetCaption(L"ещё текст");
  ASSERT_TRUE(::GetUpdateRect(form->Handle(), &pending, FALSE));
  EXPECT_TRUE(::EqualRect(&pending, &second->Bounds()));
  ::ShowWindow(form->Handle(), SW_HIDE);
}

TEST_F(LabelTest, TheFormFindsItsLabelsByName) {
  EXPECT_EQ(form->FindControl(L"second"), second.get());
  EXPECT_EQ(form->FindControl(L"third"), nullptr);
}

// The form's surface as it paints it.
class PaintTest : public FormTest {
 protected:
  COLORREF PixelAt(int x, int y) {
    WindowDc screen(form->Handle());
    UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), 225, 299));
    SelectGuard selected(dc.get(), bitmap.get());
    ::SendMessageW(form->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    return ::GetPixel(dc.get(), x, y);
  }
  int PixelsOfColour(COLORREF colour, const RECT& area) {
    WindowDc screen(form->Handle());
    UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), 225, 299));
    SelectGuard selected(dc.get(), bitmap.get());
    ::SendMessageW(form->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) count += ::GetPixel(dc.get(), x, y) == colour;
    }
    return count;
  }
};

TEST_F(PaintTest, TheBackgroundIsButtonFaceAndALabelDrawsOnlyItsLetters) {
  Label label(*form, LabelDesign{.place = {0, 249, 225, 37},
                                 .caption = L"88 мин.",
                                 .font = FontDesign{.height = 32, .bold = true, .color = clRed},
                                 .alignment = TextAlignment::Center});
  const COLORREF red = ToColorRef(clRed);
  EXPECT_EQ(PixelAt(5, 5), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_GT(PixelsOfColour(red, {60, 249, 165, 286}), 50) << "the centred text";
  EXPECT_EQ(PixelsOfColour(red, {0, 249, 40, 286}), 0) << "nothing but the text";

  label.SetCaption(L"");
  EXPECT_EQ(PixelsOfColour(red, {0, 249, 225, 286}), 0);
}

}  // namespace
}  // namespace ostrevin::toolkit
