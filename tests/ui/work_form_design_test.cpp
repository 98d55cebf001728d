// The timer window as it is after start-up: its window, its controls, its
// toolbar, its actions, its tray icon and menu.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/attribution.h"
#include "toolkit/colors.h"
#include "toolkit/handles.h"
#include "work_form_test.h"

namespace ostrevin::uitest {
namespace {

using WorkFormDesignTest = WorkFormTest;

TEST_F(WorkFormDesignTest, StartsHiddenAsABorderlessTopmostSeeThroughWindow) {
  TWorkF& workF = CreateForm();
  HWND window = workF.Handle();
  EXPECT_EQ(app.MainFormHandle(), window);
  EXPECT_FALSE(::IsWindowVisible(window));
  EXPECT_FALSE(app.ShowMainForm());
  EXPECT_EQ(workF.Caption(), L"Ostrevin");
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER));
  const LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED);
  RECT client{};
  ::GetClientRect(window, &client);
  EXPECT_EQ(client.right, 225);
  EXPECT_EQ(client.bottom, 299);

  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
  EXPECT_EQ(key, ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(alpha, 127);
  EXPECT_EQ(workF.Tag(), 1);
}

TEST_F(WorkFormDesignTest, ShowsCentredOnTheScreenTheFirstTime) {
  TWorkF& workF = CreateForm();
  workF.N1Click();
  RECT bounds{};
  ::GetWindowRect(workF.Handle(), &bounds);
  EXPECT_EQ(bounds.left, (::GetSystemMetrics(SM_CXSCREEN) - 225) / 2);
  EXPECT_EQ(bounds.top, (::GetSystemMetrics(SM_CYSCREEN) - 299) / 2);
}

struct ControlPlaceCase {
  const wchar_t* name;
  int top;
  int height;
};

TEST_F(WorkFormDesignTest, ControlsLieInTheirPlacesTopToBottom) {
  TWorkF& workF = CreateForm();
  const ControlPlaceCase places[] = {
      {L"Gauge1", 24, 225},
      {L"EmptyLabel", 24, 225},
      {L"lbAlready", 249, 37},
      {L"lblAttribution", 286, 13},
  };
  for (const ControlPlaceCase& place : places) {
    auto* control = dynamic_cast<toolkit::GraphicControl*>(workF.FindControl(place.name));
    ASSERT_NE(control, nullptr) << testing::PrintToString(place.name);
    const RECT& bounds = control->Bounds();
    EXPECT_EQ(bounds.left, 0) << testing::PrintToString(place.name);
    EXPECT_EQ(bounds.right, 225) << testing::PrintToString(place.name);
    EXPECT_EQ(bounds.top, place.top) << testing::PrintToString(place.name);
    EXPECT_EQ(bounds.bottom - bounds.top, place.height) << testing::PrintToString(place.name);
  }
  workF.MakeToolBar();
  RECT toolBar{};
  ::GetWindowRect(workF.ToolBar1->Handle(), &toolBar);
  ::MapWindowPoints(nullptr, workF.Handle(), reinterpret_cast<POINT*>(&toolBar), 2);
  EXPECT_EQ(toolBar.left, 0);
  EXPECT_EQ(toolBar.top, 0);
  EXPECT_EQ(toolBar.right, 225);
  EXPECT_EQ(toolBar.bottom, 24);
}

TEST_F(WorkFormDesignTest, PieAndLabelsTakeTheirDesign) {
  TWorkF& workF = CreateForm();
  EXPECT_EQ(workF.Gauge1.Kind(), gkPie);
  EXPECT_EQ(workF.Gauge1.MaxValue(), 600);
  EXPECT_EQ(workF.Gauge1.Progress(), 0);
  EXPECT_EQ(workF.Gauge1.ForeColor(), clGreen);
  EXPECT_EQ(workF.Gauge1.BackColor(), clWhite);
  EXPECT_EQ(workF.Gauge1.Color(), clBtnFace);
  EXPECT_FALSE(workF.Gauge1.ShowText());
  EXPECT_EQ(workF.Gauge1.BorderStyle(), bsSingle);
  EXPECT_EQ(workF.Gauge1.Font().height, 19);
  EXPECT_TRUE(workF.Gauge1.Font().bold);
  EXPECT_EQ(workF.lbAlready.Caption(), L"");
  EXPECT_EQ(workF.EmptyLabel.Caption(), L"");
  EXPECT_EQ(workF.lblAttribution.Caption(), kAttributionLine);
}

// Every pixel of the window's lower part, as the window paints it.
std::vector<COLORREF> PaintedLabelPixels(HWND window, int top, int bottom) {
  const toolkit::WindowDc screen(window);
  const toolkit::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  const toolkit::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), 225, 299));
  const toolkit::SelectGuard selected(memory.get(), bitmap.get());
  ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
  std::vector<COLORREF> pixels;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < 225; ++x) pixels.push_back(::GetPixel(memory.get(), x, y));
  }
  return pixels;
}

// The background is see-through only where it is exactly the key colour: a
// letter's edge blended with it would show as a fringe.
TEST_F(WorkFormDesignTest, LabelLettersHaveNoEdgesBlendedWithTheSeeThroughColour) {
  TWorkF& workF = CreateForm();
  workF.lbAlready.SetCaption(L"45 мин.");
  const COLORREF key = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
  int letterPixels = 0;
  for (COLORREF pixel : PaintedLabelPixels(workF.Handle(), 249, 299)) {
    EXPECT_TRUE(pixel == key || pixel == text) << std::hex << pixel;
    if (pixel == text) ++letterPixels;
  }
  EXPECT_GT(letterPixels, 300);
}

// The hint a button's tooltip asks the toolbar for.
std::wstring HintOf(const toolkit::ToolBar& toolBar, HWND form, int index) {
  NMTTDISPINFOW info{};
  info.hdr.hwndFrom =
      reinterpret_cast<HWND>(::SendMessageW(toolBar.Handle(), TB_GETTOOLTIPS, 0, 0));
  info.hdr.idFrom = static_cast<UINT_PTR>(index + 1);
  info.hdr.code = TTN_GETDISPINFOW;
  ::SendMessageW(form, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  return info.lpszText ? info.lpszText : L"";
}

int PictureOf(const toolkit::ToolBar& toolBar, int index) {
  TBBUTTON button{};
  ::SendMessageW(toolBar.Handle(), TB_GETBUTTON, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&button));
  return button.iBitmap;
}

struct ToolButtonCase {
  int left;
  int width;
  int picture;  // I_IMAGENONE for none
  const wchar_t* hint;
  bool enabled;
};

TEST_F(WorkFormDesignTest, ToolbarButtonsSitAtTheirEdgesWithTheirPicturesAndHints) {
  TWorkF& workF = CreateForm();
  const ToolButtonCase buttons[] = {
      {0, 41, 1, L"Ручной старт", true}, {41, 41, 3, L"Ручной стоп", false},
      {82, 41, 2, L"Настройки", true},   {131, 41, I_IMAGENONE, L"Скрыть окно", true},
      {172, 41, 0, L"Выход", true},
  };
  workF.MakeToolBar();
  const toolkit::ToolBar& toolBar = *workF.ToolBar1;
  ASSERT_EQ(toolBar.ButtonCount(), 6);
  const RECT separator = toolBar.ButtonRect(3);
  EXPECT_EQ(separator.left, 123);
  EXPECT_EQ(separator.right - separator.left, 8);
  for (int i = 0; i < 5; ++i) {
    const int index = i < 3 ? i : i + 1;
    const ToolButtonCase& expected = buttons[i];
    const RECT place = toolBar.ButtonRect(index);
    EXPECT_EQ(place.left, expected.left) << "button " << index;
    EXPECT_EQ(place.right - place.left, expected.width) << "button " << index;
    EXPECT_EQ(PictureOf(toolBar, index), expected.picture) << "button " << index;
    EXPECT_EQ(HintOf(toolBar, workF.Handle(), index), expected.hint) << "button " << index;
    EXPECT_EQ(toolBar.ButtonEnabled(index), expected.enabled) << "button " << index;
  }
}

TEST_F(WorkFormDesignTest, ActionsHaveTheirKeysPicturesAndStartStates) {
  TWorkF& workF = CreateForm();
  struct {
    const toolkit::Action& action;
    toolkit::Shortcut key;
    int picture;
    const wchar_t* hint;
    bool enabled;
  } const actions[] = {
      {workF.acStart, VK_F9, 1, L"Ручной старт", true},
      {workF.acStop, VK_F10, 3, L"Ручной стоп", false},
      {workF.acOptions, VK_F12, 2, L"Настройки", true},
      {workF.acShowCurrNo, 0, -1, L"", true},
  };
  for (const auto& expected : actions) {
    EXPECT_EQ(expected.action.ShortcutKey(), expected.key) << testing::PrintToString(expected.hint);
    EXPECT_EQ(expected.action.ImageIndex(), expected.picture);
    EXPECT_EQ(expected.action.Hint(), expected.hint);
    EXPECT_EQ(expected.action.Enabled(), expected.enabled);
  }
  EXPECT_EQ(workF.acOptions.Caption(), L"Настройки");
  EXPECT_EQ(workF.acShowCurrNo.Caption(), L"Показывать номер текущего урока");
}

TEST_F(WorkFormDesignTest, TrayIconShowsTheProgramIconWithItsTooltipAndMenu) {
  TWorkF& workF = CreateForm();
  EXPECT_TRUE(tray.Shows(workF.AppTrayIcon.IconId()));
  const auto add = std::find_if(tray.requests.begin(), tray.requests.end(),
                                [](const auto& request) { return request.message == NIM_ADD; });
  ASSERT_NE(add, tray.requests.end());
  EXPECT_STREQ(add->data.szTip, L"Ostrevin");
  EXPECT_NE(add->data.hIcon, nullptr);
  EXPECT_TRUE(workF.AppTrayIcon.IconVisible());
  EXPECT_TRUE(workF.AppTrayIcon.MinimizeToTray());
  EXPECT_EQ(workF.AppTrayIcon.PopupMenu(), &workF.TrayPopup);
  EXPECT_TRUE(workF.Timer.Enabled());
  EXPECT_EQ(workF.Timer.Interval(), 30000u);
}

std::wstring MenuText(HMENU menu, UINT position) {
  wchar_t text[128] = {};
  ::GetMenuStringW(menu, position, text, static_cast<int>(std::size(text)), MF_BYPOSITION);
  return text;
}

bool MenuItemChecked(HMENU menu, UINT position) {
  return (::GetMenuState(menu, position, MF_BYPOSITION) & MF_CHECKED) != 0;
}

TEST_F(WorkFormDesignTest, TrayMenuListsItsItemsWithShowAsTheBoldDefault) {
  TWorkF& workF = CreateForm();
  HMENU menu = workF.TrayPopup.Handle();
  ASSERT_EQ(::GetMenuItemCount(menu), 6);
  EXPECT_EQ(MenuText(menu, 0), L"Показать");
  EXPECT_EQ(MenuText(menu, 1), L"Показывать номер текущего урока");
  EXPECT_EQ(MenuText(menu, 2), L"Настройки\tF12");
  EXPECT_EQ(MenuText(menu, 3), L"Звонок прозвенел");
  EXPECT_TRUE(::GetMenuState(menu, 4, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(MenuText(menu, 5), L"Выход");
  EXPECT_EQ(::GetMenuDefaultItem(menu, TRUE, 0), 0u);
}

TEST_F(WorkFormDesignTest, TheFirstStartSaysInOneBalloonWhereTheProgramLivesAndHowToOpenIt) {
  CreateForm();
  std::vector<std::wstring> shown = tray.BalloonTitles();
  std::erase(shown, L"");  // a balloon taken down before the next one
  ASSERT_EQ(shown, std::vector<std::wstring>{L"Ostrevin работает"});
  const std::wstring text = tray.requests.back().data.szInfo;
  for (const wchar_t* hint : {L"области уведомлений", L"Щелчок по значку", L"F12"}) {
    EXPECT_NE(text.find(hint), std::wstring::npos) << hint;
  }
  EXPECT_EQ(tray.requests.back().data.dwInfoFlags & NIIF_ICON_MASK, static_cast<DWORD>(NIIF_INFO));
}

TEST_F(WorkFormDesignTest, AStartWithASettingsFileShowsNoBalloon) {
  WriteSettingsFile("[Common]\r\nLessLen=400\r\n");
  CreateForm();
  std::vector<std::wstring> shown = tray.BalloonTitles();
  std::erase(shown, L"");
  EXPECT_TRUE(shown.empty());
}

class ShowCurrNoCheckTest : public WorkFormTest, public testing::WithParamInterface<bool> {};

TEST_P(ShowCurrNoCheckTest, TheMenuCheckMarkFollowsTheSettingAndItsToggleSavesAtOnce) {
  const bool shown = GetParam();
  WriteSettingsFile(std::string("[Common]\r\nShowCurrNo=") + (shown ? "1" : "0") + "\r\n");
  TWorkF& workF = CreateForm();
  HMENU menu = workF.TrayPopup.Handle();
  EXPECT_EQ(MenuItemChecked(menu, 1), shown);
  EXPECT_EQ(settings.ShowCurrNo, shown);

  workF.TrayPopup.Choose(1);
  EXPECT_EQ(MenuItemChecked(menu, 1), !shown);
  EXPECT_EQ(settings.ShowCurrNo, !shown);
  EXPECT_EQ(SettingsInFile().ShowCurrNo, !shown);
  EXPECT_TRUE(reports.empty());
}

INSTANTIATE_TEST_SUITE_P(OnAndOff, ShowCurrNoCheckTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "Shown" : "Hidden";
                         });

}  // namespace
}  // namespace ostrevin::uitest
