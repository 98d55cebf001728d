// Forms and their controls at the scaling of the screen they are on: a form
// moved to a screen of 150 % (WM_DPICHANGED with 144 DPI, as Windows sends it)
// lays itself out at that scale and back again at 100 %.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "dialog_test.h"
#include "support/gdi_handle_count.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/dpi.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/masked_time_field.h"
#include "toolkit/numeric_field.h"
#include "toolkit/radio_group.h"
#include "toolkit/tab_control.h"
#include "toolkit/tool_bar.h"

namespace ostrevin::toolkit {

void PrintTo(const ControlPlace& p, std::ostream* out) {
  *out << "{" << p.left << ", " << p.top << ", " << p.width << ", " << p.height << "}";
}

namespace {

// Where a window lies in its parent's client area.
ControlPlace PlaceOf(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return {.left = r.left, .top = r.top, .width = r.right - r.left, .height = r.bottom - r.top};
}

ControlPlace PlaceOf(const RECT& r) {
  return {.left = r.left, .top = r.top, .width = r.right - r.left, .height = r.bottom - r.top};
}

SIZE ClientSize(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.right, r.bottom};
}

SIZE WindowSize(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// The character height of a font: its cell less the internal leading.
int CharacterHeight(HFONT font) {
  WindowDc screen(nullptr);
  SelectGuard selected(screen.get(), font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight - metrics.tmInternalLeading;
}

HFONT FontOf(HWND window) {
  return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}

// The settings dialog's kinds of controls, each at a place of the program's
// own design, on the form and on the pages of a tab control.
class DialogScalingTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    tabs = std::make_unique<TabControl>(*dialog, TabControlDesign{.place = {8, 8, 425, 249}});
    general = std::make_unique<TabPage>(*tabs, TabPageDesign{.caption = L"Общие"});
    sounds = std::make_unique<TabPage>(*tabs, TabPageDesign{.caption = L"Звуки"});
    box = std::make_unique<CheckBox>(
        *dialog, CheckBoxDesign{.page = general.get(),
                                .place = {88, 28, 217, 17},
                                .caption = L"предлагать выход, если нет уроков"});
    length = std::make_unique<NumericField>(
        *dialog,
        NumericFieldDesign{.page = general.get(), .place = {176, 96, 49, 22}, .limits = {3, 100}});
    start = std::make_unique<MaskedTimeField>(
        *dialog,
        MaskedTimeFieldDesign{.page = general.get(), .place = {288, 24, 41, 21}, .text = L"08:30"});
    caption = std::make_unique<Label>(*dialog, LabelDesign{.page = general.get(),
                                                           .place = {56, 100},
                                                           .caption = L"Длительность урока:",
                                                           .autoSize = true});
    title =
        std::make_unique<Label>(*dialog, LabelDesign{.page = sounds.get(),
                                                     .place = {86, 0},
                                                     .caption = L"Ostrevin",
                                                     .font = FontDesign{.height = 32, .bold = true},
                                                     .autoSize = true});
    text = std::make_unique<Label>(*dialog, LabelDesign{.page = general.get(),
                                                        .place = {60, 148, 273, 57},
                                                        .caption = L"Программа",
                                                        .wordWrap = true});
    finals = std::make_unique<RadioGroup>(
        *dialog, RadioGroupDesign{.page = sounds.get(),
                                  .place = {40, 96, 185, 97},
                                  .caption = L"Заключительная часть: ",
                                  .items = {L"Без звука", L"Только в начале", L"Каждую минуту"}});
    days = std::make_unique<ListBox>(
        *dialog, ListBoxDesign{.page = sounds.get(),
                               .place = {16, 32, 113, 73},
                               .items = {L"Понедельник", L"Вторник", L"Среда"}});
    ok = std::make_unique<Button>(
        *dialog, ButtonDesign{.place = {256, 268, 75, 25}, .caption = L"OK", .isDefault = true});
  }

  // Windows' own message when the dialog lands on a screen of another DPI,
  // with the place it suggests.
  void MoveToScreenOf(int dpi, RECT suggested) {
    ::SendMessageW(dialog->Handle(), kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
  }

  // Every control's place, in the order of the members.
  std::vector<ControlPlace> Layout() const {
    return {
        PlaceOf(tabs->Handle()),        PlaceOf(general->Handle()), PlaceOf(sounds->Handle()),
        PlaceOf(box->Handle()),         PlaceOf(length->Handle()),  PlaceOf(length->ArrowsHandle()),
        PlaceOf(start->Handle()),       PlaceOf(caption->Bounds()), PlaceOf(title->Bounds()),
        PlaceOf(text->Bounds()),        PlaceOf(finals->Handle()),  PlaceOf(finals->ItemHandle(0)),
        PlaceOf(finals->ItemHandle(2)), PlaceOf(days->Handle()),    PlaceOf(ok->Handle())};
  }

  std::unique_ptr<TabControl> tabs;
  std::unique_ptr<TabPage> general;
  std::unique_ptr<TabPage> sounds;
  std::unique_ptr<CheckBox> box;
  std::unique_ptr<NumericField> length;
  std::unique_ptr<MaskedTimeField> start;
  std::unique_ptr<Label> caption;
  std::unique_ptr<Label> title;
  std::unique_ptr<Label> text;
  std::unique_ptr<RadioGroup> finals;
  std::unique_ptr<ListBox> days;
  std::unique_ptr<Button> ok;
};

TEST_F(DialogScalingTest, AtTheDesignDpiEveryControlLiesAtItsDesignedPlace) {
  ASSERT_EQ(dialog->Scaling().Dpi(), 96) << "the test display runs at 100 %";
  EXPECT_EQ(ClientSize(dialog->Handle()).cx, 441);
  EXPECT_EQ(ClientSize(dialog->Handle()).cy, 301);
  EXPECT_EQ(PlaceOf(box->Handle()), (ControlPlace{88, 28, 217, 17}));
  EXPECT_EQ(PlaceOf(ok->Handle()), (ControlPlace{256, 268, 75, 25}));
  EXPECT_EQ(PlaceOf(text->Bounds()), (ControlPlace{60, 148, 273, 57}));
  EXPECT_EQ(CharacterHeight(dialog->Font()), 11);
}

// 150 %: every length times 1.5, rounded, the halves away from zero; edges
// are scaled, so that a width is the scaled right edge less the scaled left.
TEST_F(DialogScalingTest, OnAScreenOf150PercentEveryControlTakesItsPlaceScaled) {
  MoveToScreenOf(144, {100, 50, 800, 600});
  EXPECT_EQ(dialog->Scaling().Dpi(), 144);
  // 441 x 301 is 661.5 x 451.5.
  EXPECT_EQ(ClientSize(dialog->Handle()).cx, 662);
  EXPECT_EQ(ClientSize(dialog->Handle()).cy, 452);
  // 88 .. 305 and 28 .. 45 become 132 .. 457.5 and 42 .. 67.5.
  EXPECT_EQ(PlaceOf(box->Handle()), (ControlPlace{132, 42, 326, 26}));
  // 256 .. 331 and 268 .. 293 become 384 .. 496.5 and 402 .. 439.5.
  EXPECT_EQ(PlaceOf(ok->Handle()), (ControlPlace{384, 402, 113, 38}));
  EXPECT_EQ(PlaceOf(tabs->Handle()), (ControlPlace{12, 12, 638, 374}));
  EXPECT_EQ(PlaceOf(start->Handle()), (ControlPlace{432, 36, 62, 32}));
  EXPECT_EQ(PlaceOf(days->Handle()), (ControlPlace{24, 48, 170, 110}));
  EXPECT_EQ(PlaceOf(finals->Handle()), (ControlPlace{60, 144, 278, 146}));
  EXPECT_EQ(PlaceOf(text->Bounds()), (ControlPlace{90, 222, 410, 86}));
  EXPECT_EQ(caption->Bounds().left, 84);
  EXPECT_EQ(caption->Bounds().top, 150);
}

TEST_F(DialogScalingTest, TheFontsAreScaledAndEveryControlTakesTheFormsNewFont) {
  const int captionWidth = caption->Width();
  MoveToScreenOf(144, {100, 50, 800, 600});
  EXPECT_EQ(CharacterHeight(dialog->Font()), 17);  // 16.5
  for (HWND window : {tabs->Handle(), box->Handle(), length->Handle(), start->Handle(),
                      finals->Handle(), finals->ItemHandle(1), days->Handle(), ok->Handle()}) {
    EXPECT_EQ(FontOf(window), dialog->Font());
  }
  EXPECT_EQ(caption->CurrentFont(), dialog->Font());
  EXPECT_EQ(CharacterHeight(title->CurrentFont()), 48);
  // A label that sizes itself to its caption measures it in the new font.
  EXPECT_GT(caption->Width(), captionWidth * 13 / 10);
  EXPECT_LT(caption->Width(), captionWidth * 17 / 10);
  EXPECT_GT(title->Height(), 48);
}

TEST_F(DialogScalingTest, ThePagesFillTheTabBodyAtTheNewScale) {
  MoveToScreenOf(144, {100, 50, 800, 600});
  RECT body{};
  ::GetClientRect(tabs->Handle(), &body);
  ::SendMessageW(tabs->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
  ::MapWindowPoints(tabs->Handle(), dialog->Handle(), reinterpret_cast<POINT*>(&body), 2);
  EXPECT_EQ(PlaceOf(general->Handle()), PlaceOf(body));
  EXPECT_EQ(PlaceOf(sounds->Handle()), PlaceOf(body));
  RECT tab{};
  ::SendMessageW(tabs->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  EXPECT_GT(tab.bottom - tab.top, 17) << "the tabs are as high as the new font";
}

// The arrows keep the field's right edge and are at least 16 pixels scaled
// wide; the edit gives up the room.
TEST_F(DialogScalingTest, ANumericFieldsArrowsGrowWithTheScale) {
  MoveToScreenOf(144, {100, 50, 800, 600});
  const ControlPlace edit = PlaceOf(length->Handle());
  const ControlPlace arrows = PlaceOf(length->ArrowsHandle());
  // 176 .. 225 and 96 .. 118 become 264 .. 337.5 and 144 .. 177.
  EXPECT_EQ(edit.left, 264);
  EXPECT_EQ(edit.top, 144);
  EXPECT_EQ(edit.height, 33);
  // The system leaves the arrows' right edge a border's width inside, as it
  // does at 100 %.
  EXPECT_LE(arrows.left + arrows.width, 338);
  EXPECT_GE(arrows.left + arrows.width, 335);
  EXPECT_GE(arrows.width, 24);
  EXPECT_LE(arrows.left, edit.left + edit.width);
  EXPECT_GE(arrows.left, edit.left + edit.width - 3) << "the arrows only touch the edit's border";
}

TEST_F(DialogScalingTest, ARadioGroupSpreadsItsItemsUnderItsCaptionInTheNewFont) {
  MoveToScreenOf(144, {100, 50, 800, 600});
  const ControlPlace group = PlaceOf(finals->Handle());
  int lastBottom = group.top + CharacterHeight(dialog->Font());
  for (int index = 0; index < finals->ItemCount(); ++index) {
    const ControlPlace item = PlaceOf(finals->ItemHandle(index));
    EXPECT_GE(item.top, lastBottom) << index;
    EXPECT_GE(item.height, CharacterHeight(dialog->Font())) << index;
    EXPECT_EQ(item.left, group.left + 12) << index;  // 8 scaled
    EXPECT_EQ(item.width, group.width - 24) << index;
    lastBottom = item.top + item.height;
  }
  EXPECT_LE(lastBottom, group.top + group.height);
}

TEST_F(DialogScalingTest, TheFormTakesThePlaceWindowsSuggestsWithItsOwnSize) {
  MoveToScreenOf(144, {100, 50, 700, 500});
  RECT window{};
  ::GetWindowRect(dialog->Handle(), &window);
  EXPECT_EQ(window.left, 100);
  EXPECT_EQ(window.top, 50);
  EXPECT_EQ(ClientSize(dialog->Handle()).cx, 662);
  EXPECT_EQ(ClientSize(dialog->Handle()).cy, 452);
}

// Asked before a move, the form tells Windows its size at the new scale, so
// that the place Windows then suggests fits it.
TEST_F(DialogScalingTest, ItTellsWindowsItsSizeAtAnotherScale) {
  const auto promised = [&](int dpi) {
    SIZE size{};
    EXPECT_TRUE(::SendMessageW(dialog->Handle(), kGetDpiScaledSizeMessage, dpi,
                               reinterpret_cast<LPARAM>(&size)));
    return size;
  };
  EXPECT_EQ(promised(96).cx, WindowSize(dialog->Handle()).cx);
  EXPECT_EQ(promised(96).cy, WindowSize(dialog->Handle()).cy);
  EXPECT_GT(promised(144).cx, 662);
  EXPECT_GT(promised(144).cy, 452 + 20) << "the caption over the client area";
  EXPECT_GT(promised(192).cx, promised(144).cx + 200);
}

TEST_F(DialogScalingTest, BackAtTheDesignDpiEveryControlIsWhereItWas) {
  const std::vector<ControlPlace> before = Layout();
  const SIZE client = ClientSize(dialog->Handle());
  MoveToScreenOf(144, {100, 50, 800, 600});
  ASSERT_NE(Layout(), before);
  MoveToScreenOf(96, {100, 50, 600, 400});
  EXPECT_EQ(Layout(), before);
  EXPECT_EQ(ClientSize(dialog->Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(dialog->Handle()).cy, client.cy);
  EXPECT_EQ(CharacterHeight(dialog->Font()), 11);
}

// The program runs for months and a laptop goes on and off a projector every
// day: each change of scale makes new fonts and deletes the old ones.
TEST_F(DialogScalingTest, ChangingTheScaleLeavesNoGdiObjectBehind) {
  MoveToScreenOf(144, {100, 50, 800, 600});
  MoveToScreenOf(96, {100, 50, 600, 400});
  const int before = test_support::GdiHandleCount();
  for (int change = 0; change < 20; ++change) {
    MoveToScreenOf(change % 2 ? 120 : 192, {100, 50, 800, 600});
    MoveToScreenOf(96, {100, 50, 600, 400});
  }
  EXPECT_LE(test_support::GdiHandleCount(), before + 2);
}

// The timer window's toolbar and surface.
class TimerScalingTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form = std::make_unique<TestForm>();
    pictures = std::make_unique<ScaledImageList>(ToolbarPictures());
    action =
        std::make_unique<Action>(*form, ActionDesign{.hint = L"Ручной старт", .imageIndex = 1});
    toolBar = std::make_unique<ToolBar>(
        *form, ToolBarDesign{.place = {0, 0, 225, 24},
                             .images = pictures.get(),
                             .buttonWidth = 41,
                             .edges = {.left = true, .top = true, .right = true},
                             .buttons = {{.action = action.get()},
                                         {.separatorWidth = 8},
                                         {.imageIndex = 0, .hint = L"Выход"}}});
    minutes =
        std::make_unique<Label>(*form, LabelDesign{.place = {0, 249, 225, 37},
                                                   .caption = L"3 мин.",
                                                   .font = FontDesign{.height = 32, .bold = true},
                                                   .alignment = TextAlignment::Center});
  }

  void MoveToScreenOf(int dpi) {
    RECT suggested{200, 100, 600, 600};
    ::SendMessageW(form->Handle(), kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
  }

  std::unique_ptr<TestForm> form;
  std::unique_ptr<ScaledImageList> pictures;
  std::unique_ptr<Action> action;
  std::unique_ptr<ToolBar> toolBar;
  std::unique_ptr<Label> minutes;
};

struct ToolBarCase {
  int dpi;
  int pictureSize;
  int buttonWidth;
  int buttonHeight;
  int separatorWidth;
  int height;
};

// The pictures drawn at the size that suits the scale, never stretched: 16
// at 100 and 125 %, 24 at 150 %, 32 at 200 %.
TEST_F(TimerScalingTest, TheToolbarShowsThePicturesDrawnForItsScale) {
  const ToolBarCase cases[] = {
      {96, 16, 41, 22, 8, 24},
      {120, 16, 51, 28, 10, 30},
      {144, 24, 62, 33, 12, 36},
      {192, 32, 82, 44, 16, 48},
  };
  for (const ToolBarCase& c : cases) {
    MoveToScreenOf(c.dpi);
    EXPECT_EQ(toolBar->PictureSize(), c.pictureSize) << c.dpi;
    ASSERT_EQ(toolBar->ButtonCount(), 3);
    const RECT button = toolBar->ButtonRect(0);
    EXPECT_EQ(button.right - button.left, c.buttonWidth) << c.dpi;
    EXPECT_EQ(button.bottom - button.top, c.buttonHeight) << c.dpi;
    const RECT separator = toolBar->ButtonRect(1);
    EXPECT_EQ(separator.right - separator.left, c.separatorWidth) << c.dpi;
    EXPECT_EQ(PlaceOf(toolBar->Handle()).height, c.height) << c.dpi;
    EXPECT_EQ(PlaceOf(toolBar->Handle()).width, form->Scaling().Scaled(225)) << c.dpi;
  }
}

TEST_F(TimerScalingTest, TheToolbarsButtonsStillFollowTheirActionsAfterAChangeOfScale) {
  MoveToScreenOf(144);
  action->SetEnabled(false);
  EXPECT_FALSE(toolBar->ButtonEnabled(0));
  action->SetEnabled(true);
  EXPECT_TRUE(toolBar->ButtonEnabled(0));
}

// The label is at least its place scaled, and as tall as a line of its
// font, which the font at 200 % may need more than twice its 100 % for.
TEST_F(TimerScalingTest, TheWindowAndItsLabelsGrowWithTheScale) {
  MoveToScreenOf(192);
  EXPECT_EQ(ClientSize(form->Handle()).cx, 450);
  EXPECT_EQ(ClientSize(form->Handle()).cy, 598);
  const ControlPlace minutesPlace = PlaceOf(minutes->Bounds());
  EXPECT_EQ(minutesPlace.left, 0);
  EXPECT_EQ(minutesPlace.top, 498);
  EXPECT_EQ(minutesPlace.width, 450);
  WindowDc screen(nullptr);
  SelectGuard selected(screen.get(), minutes->CurrentFont());
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  EXPECT_EQ(minutesPlace.height, std::max<int>(74, metrics.tmHeight));
  // The system's fonts may round a height this large by a pixel.
  EXPECT_NEAR(CharacterHeight(minutes->CurrentFont()), 64, 1);
}

TEST_F(TimerScalingTest, ItSnapsWithinTheSnappingDistanceScaled) {
  MoveToScreenOf(144);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoW(::MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;
  for (const auto& [distance, snaps] : {std::pair{30, true}, std::pair{31, false}}) {
    ::SetWindowPos(form->Handle(), nullptr, work.left + distance, work.top + 100, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
    RECT window{};
    ::GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(window.left, snaps ? work.left : work.left + distance) << distance;
  }
}

}  // namespace
}  // namespace ostrevin::toolkit
