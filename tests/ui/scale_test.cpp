// The program's windows at the screen scaling the test process runs at: the
// normal run at 100 %, and tests/ui/scale_at_every_dpi.sh again at 125, 150
// and 200 % (Wine's LogPixels 120, 144, 192).
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "icon_size.h"
#include "sample_settings.h"
#include "toolkit/dpi.h"
#include "toolkit/handles.h"
#include "toolkit/label.h"
#include "toolkit/screens.h"
#include "ui/about_page.h"
#include "ui/bell_page.h"
#include "ui/frm_lesson_list.h"
#include "ui/general_page.h"
#include "ui/timetable_page.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

// What each scaling gives, worked out by hand: a length times the scale,
// rounded, halves away from zero.
struct AtScale {
  SIZE timerWindow;   // 225 x 299
  SIZE dialog;        // 441 x 349
  int formFont;       // 11
  int toolbarHeight;  // 24
  int toolbarPicture;
  int trayIcon;  // the small-icon size
};

const std::map<int, AtScale> kScales = {
    {96, {{225, 299}, {556, 509}, 11, 24, 16, 16}},
    {120, {{281, 374}, {695, 636}, 14, 30, 16, 20}},
    {144, {{338, 449}, {834, 764}, 17, 36, 24, 24}},
    {192, {{450, 598}, {1112, 1018}, 22, 48, 32, 32}},
};

SIZE ClientSize(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.right, r.bottom};
}

int CharacterHeight(HFONT font) {
  toolkit::WindowDc screen(nullptr);
  toolkit::SelectGuard selected(screen.get(), font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight - metrics.tmInternalLeading;
}

RECT PlaceIn(HWND window, HWND parent) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string Describe(HWND window) {
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  wchar_t text[128] = {};
  ::GetWindowTextW(window, text, 128);
  const std::wstring wide = std::wstring(className) + L" \"" + text + L"\"";
  std::string narrow;
  for (wchar_t c : wide) narrow += c < 128 ? static_cast<char>(c) : '?';
  return narrow;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

class ScaleTest : public WorkFormTest {
 protected:
  void SetUp() override {
    WorkFormTest::SetUp();
    dpi = toolkit::SystemDpi();
    const auto known = kScales.find(dpi);
    ASSERT_NE(known, kScales.end()) << "no expectations for " << dpi << " DPI";
    at = known->second;
  }

  int dpi = 0;
  AtScale at{};
};

TEST_F(ScaleTest, TheTimerWindowIsDrawnAtTheScreensScale) {
  TWorkF& workF = CreateForm();
  workF.MakeToolBar();
  EXPECT_EQ(workF.Scaling().Dpi(), dpi);
  const SIZE client = ClientSize(workF.Handle());
  EXPECT_EQ(client.cx, at.timerWindow.cx);
  EXPECT_EQ(client.cy, at.timerWindow.cy);
  const RECT toolBar = PlaceIn(workF.ToolBar1->Handle(), workF.Handle());
  EXPECT_EQ(toolBar.right - toolBar.left, at.timerWindow.cx);
  EXPECT_EQ(toolBar.bottom - toolBar.top, at.toolbarHeight);
  EXPECT_EQ(workF.ToolBar1->PictureSize(), at.toolbarPicture);
  // The system's fonts may round a height by a pixel.
  EXPECT_NEAR(CharacterHeight(workF.Font()), at.formFont, 1);
  EXPECT_NEAR(CharacterHeight(workF.lbAlready.CurrentFont()), workF.Scaling().Scaled(32), 1);
  // The pie, the minutes and the attribution fill the window below the
  // toolbar, one under the other.
  EXPECT_EQ(workF.Gauge1.Bounds().top, toolBar.bottom);
  EXPECT_EQ(workF.Gauge1.Width(), at.timerWindow.cx);
  EXPECT_EQ(workF.lbAlready.Bounds().top, workF.Gauge1.Bounds().bottom);
  EXPECT_EQ(workF.lblAttribution.Bounds().top, workF.lbAlready.Bounds().bottom);
  EXPECT_EQ(workF.lblAttribution.Bounds().bottom, at.timerWindow.cy);
}

// The pie is drawn at its size, not stretched: its one-pixel frame lies on
// its outermost pixels and the disc touches the frame's middle.
TEST_F(ScaleTest, ThePieIsDrawnAtItsScaledSize) {
  TWorkF& workF = CreateForm();
  const SIZE client = ClientSize(workF.Handle());
  const toolkit::WindowDc screen(workF.Handle());
  const toolkit::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  const toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), client.cx, client.cy));
  const toolkit::SelectGuard selected(memory.get(), bitmap.get());
  ::SendMessageW(workF.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()),
                 PRF_CLIENT);
  const RECT pie = workF.Gauge1.Bounds();
  const int middleX = (pie.left + pie.right) / 2;
  const int middleY = (pie.top + pie.bottom) / 2;
  EXPECT_EQ(::GetPixel(memory.get(), pie.left, pie.top), RGB(0, 0, 0)) << "the frame";
  EXPECT_EQ(::GetPixel(memory.get(), pie.right - 1, pie.bottom - 1), RGB(0, 0, 0)) << "the frame";
  EXPECT_EQ(::GetPixel(memory.get(), middleX, middleY), RGB(255, 255, 255)) << "the disc";
  EXPECT_EQ(::GetPixel(memory.get(), middleX, pie.top + 3), RGB(255, 255, 255)) << "near its top";
  EXPECT_NE(::GetPixel(memory.get(), pie.left + 3, pie.top + 3), RGB(255, 255, 255))
      << "its corner is round";
}

TEST_F(ScaleTest, BothTrayIconsHaveTheTraysIconSize) {
  TWorkF& workF = CreateForm();
  EXPECT_EQ(::GetSystemMetrics(SM_CXSMICON), at.trayIcon);
  EXPECT_EQ(test_support::IconWidth(workF.AppTrayIcon.Icon()), at.trayIcon);
  EXPECT_EQ(test_support::IconWidth(workF.NumberTrayIcon.Icon()), at.trayIcon);
}

// The teacher docks the laptop to a panel at another scaling without logging
// off: the program icon and the lesson number are drawn again at the size the
// tray shows now, not stretched from the old one, also after a new taskbar.
TEST_F(ScaleTest, BothTrayIconsAreDrawnAgainWhenTheTraysScalingChanges) {
  TWorkF& workF = CreateForm();
  const int sizes[] = {at.trayIcon * 2, at.trayIcon + 4, at.trayIcon};
  for (int size : sizes) {
    tray.iconSize = size;
    tray.requests.clear();
    ::SendMessageW(app.Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    for (TNotifyIcon* icon : {static_cast<TNotifyIcon*>(&workF.AppTrayIcon),
                              static_cast<TNotifyIcon*>(&workF.NumberTrayIcon)}) {
      EXPECT_EQ(test_support::IconWidth(icon->Icon()), size);
      const std::vector<RecordingTrayShell::Request> sent = tray.RequestsFor(icon->IconId());
      ASSERT_FALSE(sent.empty()) << size;
      EXPECT_EQ(test_support::IconWidth(sent.back().data.hIcon), size);
    }
  }
  tray.iconSize = at.trayIcon * 2;
  ::PostMessageW(app.Handle(), TaskbarCreatedMessage(), 0, 0);
  app.ProcessMessages();
  EXPECT_EQ(test_support::IconWidth(workF.NumberTrayIcon.Icon()), at.trayIcon * 2);
  EXPECT_EQ(test_support::IconWidth(workF.AppTrayIcon.Icon()), at.trayIcon * 2);
}

class ScaledDialogTest : public ScaleTest {
 protected:
  void SetUp() override {
    ScaleTest::SetUp();
    settings = test_support::SettingsFileDefaults();
    // Sixteen lessons on Monday, so that the timetable tab shows every row it
    // can hold.
    AddSchedule(settings.Timetable, {.name = L"Длинный день",
                                     .firstNumber = 1,
                                     .lessons = test_support::EvenLessons(16, 7, 0, 40, 5)});
    settings.Timetable.Day(Weekday::Monday).schedule = 0;
    dialog = std::make_unique<TLessonListF>(settings, services, app.Handle());
    dialog->SetVisible(true);
    app.ProcessMessages();
    // Through every tab and back, as the teacher goes: a page is made when
    // its tab is first shown.
    for (const toolkit::TabPage* page : Pages()) dialog->PageControl1.SetActivePage(*page);
    dialog->PageControl1.SetActivePage(dialog->TabSheet2);
    app.ProcessMessages();
  }
  void TearDown() override {
    dialog.reset();
    ScaleTest::TearDown();
  }

  std::vector<HWND> ChildrenOf(const toolkit::TabPage& page) const {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(page.Handle(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      children.push_back(child);
    }
    return children;
  }
  std::vector<const toolkit::TabPage*> Pages() const {
    return {&dialog->TabSheet1, &dialog->TabSheet2, &dialog->TabSheet4, &dialog->TabSheet5,
            &dialog->TabSheet3};
  }

  std::unique_ptr<TLessonListF> dialog;
};

ScreenRect WorkAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return toolkit::ToScreenRect(monitor.rcWork);
}

// At the screen's scaling when the dialog fits its work area there (1024 x
// 768 at 125 %), else at the largest that fits, never below 100 % (1024 x
// 768 at 150 % and 200 %): it lies wholly on the work area, every button in
// reach.
TEST_F(ScaledDialogTest, TheSettingsDialogIsDrawnAtTheLargestScaleThatFitsItsScreen) {
  const ScreenRect work = WorkAreaOf(dialog->Handle());
  const ScreenRect window = toolkit::WindowScreenRect(dialog->Handle());
  const SIZE client = ClientSize(dialog->Handle());
  const SIZE frame{window.Width() - client.cx, window.Height() - client.cy};
  const auto fits = [&](int scale) {
    return ::MulDiv(556, scale, 96) + frame.cx <= work.Width() &&
           ::MulDiv(509, scale, 96) + frame.cy <= work.Height();
  };
  const int scale = dialog->Scaling().Dpi();
  if (fits(dpi)) {
    EXPECT_EQ(scale, dpi);
    EXPECT_EQ(client.cx, at.dialog.cx);
    EXPECT_EQ(client.cy, at.dialog.cy);
    EXPECT_NEAR(CharacterHeight(dialog->Font()), at.formFont, 1);
  } else {
    EXPECT_LT(scale, dpi);
    EXPECT_GE(scale, 96);
    EXPECT_TRUE(scale == 96 || fits(scale)) << scale;
    EXPECT_FALSE(fits(scale + 1)) << scale;
    EXPECT_EQ(client.cx, ::MulDiv(556, scale, 96));
    EXPECT_EQ(client.cy, ::MulDiv(509, scale, 96));
  }
  EXPECT_GE(window.left, work.left);
  EXPECT_GE(window.top, work.top);
  EXPECT_LE(window.right, work.right);
  EXPECT_LE(window.bottom, work.bottom);
  const RECT whole{0, 0, client.cx, client.cy};
  const RECT tabs = PlaceIn(dialog->PageControl1.Handle(), dialog->Handle());
  for (const toolkit::Button* button :
       {&dialog->btnSaveDataAs, &dialog->btnOpenData, &dialog->btnOK, &dialog->Button2}) {
    const RECT place = PlaceIn(button->Handle(), dialog->Handle());
    EXPECT_TRUE(Inside(place, whole)) << Describe(button->Handle());
    EXPECT_GT(place.top, tabs.bottom) << Describe(button->Handle());
  }
}

// Nothing lies past the edges of its tab page, every control has the
// dialog's font, and no two controls cover each other (a radio group's frame
// holds its buttons, a number's arrows lie on its edit's border).
TEST_F(ScaledDialogTest, EveryControlLiesWhollyOnItsPageApartFromTheOthersInTheDialogsFont) {
  for (const toolkit::TabPage* page : Pages()) {
    RECT body{};
    ::GetClientRect(page->Handle(), &body);
    const std::vector<HWND> children = ChildrenOf(*page);
    for (HWND child : children) {
      const RECT place = PlaceIn(child, page->Handle());
      EXPECT_TRUE(Inside(place, body)) << Describe(child);
      wchar_t className[32] = {};
      ::GetClassNameW(child, className, 32);
      if (_wcsicmp(className, UPDOWN_CLASSW) != 0) {
        EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0)), dialog->Font())
            << Describe(child);
      }
    }
    const auto framesOrArrows = [](HWND window) {
      wchar_t className[32] = {};
      ::GetClassNameW(window, className, 32);
      return _wcsicmp(className, UPDOWN_CLASSW) == 0 ||
             (::GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    };
    for (size_t a = 0; a < children.size(); ++a) {
      for (size_t b = a + 1; b < children.size(); ++b) {
        if (framesOrArrows(children[a]) || framesOrArrows(children[b])) continue;
        const RECT first = PlaceIn(children[a], page->Handle());
        const RECT second = PlaceIn(children[b], page->Handle());
        RECT overlap{};
        EXPECT_FALSE(::IntersectRect(&overlap, &first, &second))
            << Describe(children[a]) << " and " << Describe(children[b]);
      }
    }
  }
}

TEST_F(ScaledDialogTest, EveryTextLiesWhollyOnItsPage) {
  const TimetablePage& timetable = *dialog->Timetable();
  const GeneralPage& general = dialog->General();
  const BellPage& bell = *dialog->Bell();
  const AboutPage& about = *dialog->About();
  ASSERT_EQ(timetable.BellRows.size(), 16u);
  ASSERT_EQ(timetable.TaughtRows.size(), 16u);
  const std::vector<std::pair<const toolkit::Label*, const toolkit::TabPage*>> labels = {
      {&timetable.lbSchedules, &dialog->TabSheet1},
      {&timetable.lbBells, &dialog->TabSheet1},
      {&timetable.lbMyLessons, &dialog->TabSheet1},
      {&timetable.lbDaySchedule, &dialog->TabSheet1},
      {&timetable.WeekRows.back()->day, &dialog->TabSheet1},
      {&timetable.BellRows.back()->dash, &dialog->TabSheet1},
      {&timetable.TaughtRows.back()->times, &dialog->TabSheet1},
      {&general.Label22, &dialog->TabSheet2},
      {&general.Label25, &dialog->TabSheet2},
      {&general.Label28, &dialog->TabSheet2},
      {&general.Label19, &dialog->TabSheet2},
      {&about.Label4, &dialog->TabSheet3},
      {&about.Label29, &dialog->TabSheet3},
      {&about.Label10, &dialog->TabSheet3},
      {&about.Label13, &dialog->TabSheet3},
      {&about.lbURL, &dialog->TabSheet3},
      {&bell.lbBellSeconds, &dialog->TabSheet5},
      {&bell.lbBellHint, &dialog->TabSheet5},
      {&bell.lbTimeServer, &dialog->TabSheet5},
  };
  for (const auto& [label, page] : labels) {
    RECT body{};
    ::GetClientRect(page->Handle(), &body);
    EXPECT_TRUE(Inside(label->Bounds(), body)) << testing::PrintToString(label->Name());
    EXPECT_EQ(label->Scaling().Dpi(), dialog->Scaling().Dpi());
  }
}

// What a caption needs, measured here with the control's own font: the
// text, and for a check box or a radio button its box besides (the system's
// check mark size at this scaling), for a group box the frame's corner
// before it.
class CaptionCheck {
 public:
  static constexpr int kGroupCaptionIndent = 7;

  CaptionCheck() : dc_(::CreateCompatibleDC(nullptr)) {}

  SIZE Text(HFONT font, const std::wstring& text, UINT format = 0, int width = 0) const {
    toolkit::SelectGuard selected(dc_.get(), font);
    RECT area{0, 0, width, 0};
    ::DrawTextW(dc_.get(), text.c_str(), static_cast<int>(text.size()), &area,
                format | DT_CALCRECT);
    return {area.right, area.bottom};
  }

  // Every caption of the buttons, check boxes, radio buttons and group boxes
  // among the windows, and of the labels, lies whole inside its control.
  void ExpectWhole(const std::vector<HWND>& windows,
                   const std::vector<const toolkit::Label*>& labels) const {
    for (HWND window : windows) ExpectWhole(window);
    for (const toolkit::Label* label : labels) {
      const RECT bounds = label->Bounds();
      const int width = bounds.right - bounds.left;
      const SIZE text = label->WordWrap()
                            ? Text(label->CurrentFont(), label->Caption(), DT_WORDBREAK, width)
                            : Text(label->CurrentFont(), label->Caption(), DT_NOPREFIX);
      EXPECT_LE(text.cx, width) << testing::PrintToString(label->Name());
      EXPECT_LE(text.cy, bounds.bottom - bounds.top) << testing::PrintToString(label->Name());
    }
  }

 private:
  void ExpectWhole(HWND window) const {
    wchar_t className[32] = {};
    ::GetClassNameW(window, className, 32);
    const std::wstring caption = toolkit::WindowText(window);
    if (_wcsicmp(className, L"Button") != 0 || caption.empty()) return;
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    RECT client{};
    ::GetClientRect(window, &client);
    const SIZE text = Text(font, caption);
    int room = client.right;
    switch (::GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) {
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: {
        room -= ::GetSystemMetrics(SM_CXMENUCHECK);
        // The control's own word on the room it needs.
        SIZE ideal{};
        if (::SendMessageW(window, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) {
          EXPECT_LE(ideal.cx, client.right) << Describe(window);
        }
        break;
      }
      case BS_GROUPBOX:
        // The frame's corner before the caption, and as much after it.
        room -= 2 * ::MulDiv(kGroupCaptionIndent, toolkit::SystemDpi(), 96);
        break;
      default:
        room -= 2 * ::GetSystemMetrics(SM_CXEDGE);
        break;
    }
    EXPECT_LE(text.cx, room) << Describe(window);
    EXPECT_LE(text.cy, client.bottom) << Describe(window);
  }

  toolkit::UniqueMemoryDc dc_;
};

std::vector<HWND> VisibleChildren(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) children.push_back(child);
  }
  return children;
}

std::vector<const toolkit::Label*> CaptionedLabels(const toolkit::GraphicControlHost& graphics) {
  std::vector<const toolkit::Label*> labels;
  for (const toolkit::GraphicControl* control : graphics.Controls()) {
    const auto* label = dynamic_cast<const toolkit::Label*>(control);
    if (label && label->Visible() && !label->Caption().empty()) labels.push_back(label);
  }
  return labels;
}

// Where a label's letters may lie: its text line less the internal leading
// at its top, the room for accents that lines of text share with the line
// above.
RECT InkBounds(const toolkit::Label& label) {
  toolkit::WindowDc screen(nullptr);
  toolkit::SelectGuard selected(screen.get(), label.CurrentFont());
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  RECT bounds = label.Bounds();
  bounds.top += metrics.tmInternalLeading;
  return bounds;
}

// No two of the windows and windowless controls of one window (a form, a
// page) cover each other; a group box's frame holds its buttons, and a
// number's arrows lie on its edit's border. A windowless control without a
// caption lies over a picture only to pass the mouse on.
void ExpectApart(HWND parent, const toolkit::GraphicControlHost& graphics) {
  struct Part {
    RECT place;
    std::string name;
  };
  std::vector<Part> parts;
  for (HWND child : VisibleChildren(parent)) {
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    // A tab page lies over its tab control's body.
    if (_wcsicmp(className, UPDOWN_CLASSW) == 0 || _wcsicmp(className, L"OstrevinTabPage") == 0 ||
        (_wcsicmp(className, L"Button") == 0 &&
         (::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)) {
      continue;
    }
    parts.push_back({PlaceIn(child, parent), Describe(child)});
  }
  for (const toolkit::GraphicControl* control : graphics.Controls()) {
    const auto* label = dynamic_cast<const toolkit::Label*>(control);
    if (!control->Visible() || (label && label->Caption().empty())) continue;
    parts.push_back(
        {label ? InkBounds(*label) : control->Bounds(), testing::PrintToString(control->Name())});
  }
  for (size_t a = 0; a < parts.size(); ++a) {
    for (size_t b = a + 1; b < parts.size(); ++b) {
      RECT overlap{};
      EXPECT_FALSE(::IntersectRect(&overlap, &parts[a].place, &parts[b].place))
          << parts[a].name << " and " << parts[b].name;
    }
  }
}

TEST_F(ScaleTest, EveryCaptionOfTheTimerWindowIsWholeAndNothingOverlaps) {
  TWorkF& workF = CreateForm();
  workF.MakeToolBar();
  workF.lbAlready.SetCaption(L"44 мин.");
  app.ProcessMessages();
  CaptionCheck().ExpectWhole(VisibleChildren(workF.Handle()), CaptionedLabels(workF.Graphics()));
  ExpectApart(workF.Handle(), workF.Graphics());
}

// "Общие" at 125 % once lost the last letters of "показывать окно, когда
// начинается урок", and "Заключительная часть:" ran under its number field.
TEST_F(ScaledDialogTest, EveryCaptionOfTheSettingsDialogIsWholeAndNothingOverlaps) {
  const CaptionCheck check;
  check.ExpectWhole(VisibleChildren(dialog->Handle()), CaptionedLabels(dialog->Graphics()));
  ExpectApart(dialog->Handle(), dialog->Graphics());
  for (int index = 0; index < dialog->PageControl1.PageCount(); ++index) {
    const toolkit::TabPage& page = dialog->PageControl1.Page(index);
    SCOPED_TRACE(testing::PrintToString(page.Name()));
    check.ExpectWhole(VisibleChildren(page.Handle()), CaptionedLabels(page.Graphics()));
    ExpectApart(page.Handle(), page.Graphics());
  }
}

// The tabs lie side by side on the tab control, none cut or scrolled away.
TEST_F(ScaledDialogTest, EveryTabShowsWhole) {
  const HWND tabs = dialog->PageControl1.Handle();
  RECT client{};
  ::GetClientRect(tabs, &client);
  const int count = dialog->PageControl1.PageCount();
  RECT last{};
  ASSERT_TRUE(::SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(count - 1),
                             reinterpret_cast<LPARAM>(&last)));
  EXPECT_LE(last.right, client.right);
  EXPECT_EQ(::SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0), 1);
}

}  // namespace
}  // namespace ostrevin::uitest
