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

#include "sample_settings.h"
#include "toolkit/dpi.h"
#include "toolkit/handles.h"
#include "ui/frm_lesson_list.h"
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

int IconWidth(HICON icon) {
  ICONINFO parts{};
  if (!::GetIconInfo(icon, &parts)) return 0;
  const toolkit::UniqueBitmap mask(parts.hbmMask);
  const toolkit::UniqueBitmap color(parts.hbmColor);
  BITMAP bits{};
  ::GetObjectW(color ? color.get() : mask.get(), sizeof(bits), &bits);
  return bits.bmWidth;
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
  EXPECT_EQ(IconWidth(workF.AppTrayIcon.Icon()), at.trayIcon);
  EXPECT_EQ(IconWidth(workF.NumberTrayIcon.Icon()), at.trayIcon);
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

TEST_F(ScaledDialogTest, TheSettingsDialogIsDrawnAtTheScreensScale) {
  const SIZE client = ClientSize(dialog->Handle());
  EXPECT_EQ(client.cx, at.dialog.cx);
  EXPECT_EQ(client.cy, at.dialog.cy);
  EXPECT_NEAR(CharacterHeight(dialog->Font()), at.formFont, 1);
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
  ASSERT_EQ(dialog->BellRows.size(), 16u);
  ASSERT_EQ(dialog->TaughtRows.size(), 16u);
  const std::vector<std::pair<const toolkit::Label*, const toolkit::TabPage*>> labels = {
      {&dialog->lbSchedules, &dialog->TabSheet1},
      {&dialog->lbBells, &dialog->TabSheet1},
      {&dialog->lbMyLessons, &dialog->TabSheet1},
      {&dialog->lbDaySchedule, &dialog->TabSheet1},
      {&dialog->WeekRows.back()->day, &dialog->TabSheet1},
      {&dialog->BellRows.back()->dash, &dialog->TabSheet1},
      {&dialog->TaughtRows.back()->times, &dialog->TabSheet1},
      {&dialog->Label22, &dialog->TabSheet2},
      {&dialog->Label25, &dialog->TabSheet2},
      {&dialog->Label28, &dialog->TabSheet2},
      {&dialog->Label19, &dialog->TabSheet2},
      {&dialog->Label4, &dialog->TabSheet3},
      {&dialog->Label29, &dialog->TabSheet3},
      {&dialog->Label10, &dialog->TabSheet3},
      {&dialog->Label13, &dialog->TabSheet3},
      {&dialog->lbURL, &dialog->TabSheet3},
      {&dialog->lbBellSeconds, &dialog->TabSheet5},
      {&dialog->lbBellHint, &dialog->TabSheet5},
      {&dialog->lbTimeServer, &dialog->TabSheet5},
  };
  for (const auto& [label, page] : labels) {
    RECT body{};
    ::GetClientRect(page->Handle(), &body);
    EXPECT_TRUE(Inside(label->Bounds(), body)) << testing::PrintToString(label->Name());
    EXPECT_EQ(label->Scaling().Dpi(), dpi);
  }
}

}  // namespace
}  // namespace ostrevin::uitest
