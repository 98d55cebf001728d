// Dialog forms: buttons with modal results, the keyboard of the dialog
// manager, tab pages, link labels and the system's file dialogs.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "dialog_test.h"
#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/file_dialog.h"
#include "toolkit/graphic_control.h"
#include "toolkit/handles.h"
#include "toolkit/label.h"
#include "toolkit/masked_time_field.h"
#include "toolkit/numeric_field.h"
#include "toolkit/tab_control.h"

namespace ostrevin::toolkit {
namespace {

class DialogFormTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    first = std::make_unique<CheckBox>(*dialog,
                                       CheckBoxDesign{.name = L"first", .place = {8, 8, 100, 17}});
    second = std::make_unique<CheckBox>(
        *dialog, CheckBoxDesign{.name = L"second", .place = {8, 30, 100, 17}});
    ok = std::make_unique<Button>(*dialog, ButtonDesign{.name = L"btnOK",
                                                        .place = {256, 268, 75, 25},
                                                        .caption = L"OK",
                                                        .isDefault = true,
                                                        .modalResult = Form::kModalOk,
                                                        .onClick = Record(L"click")});
    cancel = std::make_unique<Button>(*dialog, ButtonDesign{.name = L"Button2",
                                                            .place = {336, 268, 75, 25},
                                                            .caption = L"Отмена",
                                                            .isCancel = true,
                                                            .modalResult = Form::kModalCancel});
  }

  // Shows the dialog modally; the keys are pressed one after the other once
  // it is on screen, each after the one before has been handled.
  int ShowModalAndPress(std::vector<UINT> keys) {
    dialog->OnShow = [this] { ::PostMessageW(dialog->Handle(), kPressKey, 0, 0); };
    dialog->intercept = [this, keys](UINT message, WPARAM next, LPARAM) {
      if (message != kPressKey || next >= keys.size()) return message == kPressKey;
      focusBefore.push_back(::GetFocus());
      ::PostMessageW(::GetFocus(), WM_KEYDOWN, keys[next], 1);
      ::PostMessageW(dialog->Handle(), kPressKey, next + 1, 0);
      return true;
    };
    return dialog->ShowModal();
  }

  static constexpr UINT kPressKey = WM_APP + 30;
  std::unique_ptr<CheckBox> first;
  std::unique_ptr<CheckBox> second;
  std::unique_ptr<Button> ok;
  std::unique_ptr<Button> cancel;
  std::vector<HWND> focusBefore;
};

TEST_F(DialogFormTest, EnterPressesTheDefaultButtonAndTheFocusStartsOnTheFirstControl) {
  EXPECT_EQ(ShowModalAndPress({VK_RETURN}), Form::kModalOk);
  ASSERT_EQ(focusBefore.size(), 1u);
  EXPECT_EQ(focusBefore[0], first->Handle());
  EXPECT_EQ(events, std::vector<std::wstring>{L"click btnOK"});
}

TEST_F(DialogFormTest, EscapePressesTheCancelButton) {
  EXPECT_EQ(ShowModalAndPress({VK_ESCAPE}), Form::kModalCancel);
  EXPECT_TRUE(events.empty());
}

TEST_F(DialogFormTest, TabMovesTheFocusDownTheControlsInTheirOrder) {
  ShowModalAndPress({VK_TAB, VK_TAB, VK_TAB, VK_ESCAPE});
  EXPECT_EQ(focusBefore,
            (std::vector<HWND>{first->Handle(), second->Handle(), ok->Handle(), cancel->Handle()}));
}

TEST_F(DialogFormTest, AnOkHandlerCanTakeBackTheModalResultAndKeepTheDialogOpen) {
  int presses = 0;
  ok->OnClick = [&](Control&) {
    if (++presses == 1) dialog->SetModalResult(0);
  };
  EXPECT_EQ(ShowModalAndPress({VK_RETURN, VK_RETURN}), Form::kModalOk);
  EXPECT_EQ(presses, 2);
}

TEST_F(DialogFormTest, TheMainFormsShortcutKeysDoNothingWhileTheDialogIsActive) {
  int runs = 0;
  Action action(*mainForm, ActionDesign{.shortcut = VK_F12, .onExecute = [&] { ++runs; }});
  EXPECT_EQ(ShowModalAndPress({VK_F12, VK_ESCAPE}), Form::kModalCancel);
  EXPECT_EQ(runs, 0);
  mainForm->SetVisible(true);
  ::SetForegroundWindow(mainForm->Handle());
  ::SetActiveWindow(mainForm->Handle());
  ::PostMessageW(mainForm->Handle(), WM_KEYDOWN, VK_F12, 1);
  app.ProcessMessages();
  EXPECT_EQ(runs, 1) << "the main form's own keys while it is active";
}

// A field last in the Tab order, after the two boxes and the two buttons:
// four Tabs reach it.
constexpr UINT kTabsToTheField[] = {VK_TAB, VK_TAB, VK_TAB, VK_TAB};

std::vector<UINT> TabToTheFieldThen(std::initializer_list<UINT> keys) {
  std::vector<UINT> all(std::begin(kTabsToTheField), std::end(kTabsToTheField));
  all.insert(all.end(), keys);
  return all;
}

struct ClosingKey {
  UINT key;
  int modalResult;
  std::vector<std::wstring> events;
  const wchar_t* text;
};

// Enter presses OK, which takes the focus as a click would: the field is
// left first (brought within its limits, its exit raised), then OK acts.
// Escape cancels and leaves no field.
TEST_F(DialogFormTest, EnterLeavesTheFieldBeingEditedBeforeOkActsAndEscapeLeavesNone) {
  const ClosingKey keys[] = {
      {VK_RETURN, Form::kModalOk, {L"change edLessLen", L"exit edLessLen", L"click btnOK"}, L"100"},
      {VK_ESCAPE, Form::kModalCancel, {}, L"500"},
  };
  for (const ClosingKey& c : keys) {
    NumericField field(*dialog, NumericFieldDesign{.name = L"edLessLen",
                                                   .place = {176, 96, 49, 22},
                                                   .limits = {3, 100},
                                                   .value = 45,
                                                   .onChange = Record(L"change"),
                                                   .onExit = Record(L"exit")});
    ::SetWindowTextW(field.Handle(), L"500");
    events.clear();
    EXPECT_EQ(ShowModalAndPress(TabToTheFieldThen({c.key})), c.modalResult) << c.key;
    EXPECT_EQ(focusBefore.back(), field.Handle());
    EXPECT_EQ(events, c.events) << c.key;
    EXPECT_EQ(field.Text(), c.text) << c.key;
    dialog->SetVisible(false);
    focusBefore.clear();
  }
}

TEST_F(DialogFormTest, EnterInAnIncompleteTimeFieldIsRefusedThereAndTheDialogStaysOpen) {
  MaskedTimeField field(
      *dialog,
      MaskedTimeFieldDesign{.name = L"MaskEdit1", .place = {288, 24, 41, 21}, .text = L"08:30"});
  // Backspace takes the last digit; Enter is refused in the field; Escape
  // brings the time back, and the next Escape cancels.
  EXPECT_EQ(
      ShowModalAndPress(TabToTheFieldThen({VK_END, VK_BACK, VK_RETURN, VK_ESCAPE, VK_ESCAPE})),
      Form::kModalCancel);
  EXPECT_TRUE(events.empty()) << "OK was never pressed";
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, L"Invalid input value.  Use escape key to abandon changes.");
  EXPECT_EQ(focusBefore.back(), field.Handle()) << "the focus stayed in the field";
  EXPECT_EQ(field.Text(), L"08:30");
}

class TabPageTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    tabs = std::make_unique<TabControl>(
        *dialog, TabControlDesign{.name = L"PageControl1", .place = {8, 8, 425, 249}});
    for (const wchar_t* caption : {L"Расписание уроков и звонков", L"Общие", L"Звуки"}) {
      pages.push_back(std::make_unique<TabPage>(*tabs, TabPageDesign{.caption = caption}));
    }
    box = std::make_unique<CheckBox>(*dialog, CheckBoxDesign{.name = L"cbAllSndsOFF",
                                                             .page = pages[2].get(),
                                                             .place = {8, 16, 137, 17},
                                                             .onClick = Record(L"click")});
  }

  std::unique_ptr<TabControl> tabs;
  std::vector<std::unique_ptr<TabPage>> pages;
  std::unique_ptr<CheckBox> box;
};

TEST_F(TabPageTest, ChoosingATabShowsItsPageAloneAndControlsOnPagesReachTheirForm) {
  ASSERT_EQ(tabs->PageCount(), 3);
  EXPECT_EQ(tabs->ActivePageIndex(), 0);
  EXPECT_TRUE(::IsWindowVisible(pages[0]->Handle()) || !dialog->Visible());
  tabs->SetActivePage(*pages[1]);
  EXPECT_EQ(tabs->ActivePageIndex(), 1);
  ShowDialog();
  ::SendMessageW(tabs->Handle(), TCM_SETCURFOCUS, 2, 0);
  app.ProcessMessages();
  EXPECT_EQ(tabs->ActivePageIndex(), 2);
  EXPECT_FALSE(::IsWindowVisible(pages[1]->Handle()));
  EXPECT_TRUE(::IsWindowVisible(pages[2]->Handle()));
  EXPECT_EQ(::GetParent(box->Handle()), pages[2]->Handle());

  ::SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(events, std::vector<std::wstring>{L"click cbAllSndsOFF"});
}

// What a page needs only when shown (the settings dialog makes a page's
// controls there) is made before it shows, each time it comes out hidden, by
// the user's choice of its tab or by the program's.
TEST_F(TabPageTest, OnShowingRunsBeforeAHiddenPageShows) {
  std::vector<std::wstring> shown;
  std::unique_ptr<CheckBox> made;
  for (std::size_t index = 1; index < pages.size(); ++index) {
    TabPage& page = *pages[index];
    page.OnShowing = [&, index] {
      const bool visible = (::GetWindowLongW(page.Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
      shown.push_back(L"page " + std::to_wstring(index) + (visible ? L" shown" : L" hidden"));
      if (!made) {
        made = std::make_unique<CheckBox>(
            *dialog,
            CheckBoxDesign{.name = L"cbMadeLater", .page = &page, .place = {8, 40, 137, 17}});
      }
    };
  }
  tabs->SetActivePage(*pages[1]);
  EXPECT_EQ(shown, std::vector<std::wstring>{L"page 1 hidden"});
  tabs->SetActivePage(*pages[1]);
  EXPECT_EQ(shown.size(), 1u) << "a page shown already is not shown again";
  ASSERT_TRUE(made);
  EXPECT_EQ(::GetParent(made->Handle()), pages[1]->Handle());

  ShowDialog();
  EXPECT_TRUE(::IsWindowVisible(made->Handle()));
  ::SendMessageW(tabs->Handle(), TCM_SETCURFOCUS, 2, 0);
  app.ProcessMessages();
  ::SendMessageW(tabs->Handle(), TCM_SETCURFOCUS, 1, 0);
  app.ProcessMessages();
  EXPECT_EQ(shown,
            (std::vector<std::wstring>{L"page 1 hidden", L"page 2 hidden", L"page 1 hidden"}));
  EXPECT_TRUE(::IsWindowVisible(made->Handle()));
  EXPECT_FALSE(::IsWindowVisible(box->Handle()));
  EXPECT_EQ(dialog->FindControl(L"cbMadeLater"), made.get());
}

std::wstring TabCaption(HWND tabs, int index) {
  wchar_t text[64] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  ::SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

// A page made later can take its tab before an earlier one's; choosing a tab
// still shows that tab's own page.
TEST_F(TabPageTest, APageGoesBeforeTheOneItNames) {
  TabPage inserted(*tabs, {.caption = L"Звонки", .before = pages[2].get()});
  ASSERT_EQ(tabs->PageCount(), 4);
  EXPECT_EQ(&tabs->Page(2), &inserted);
  EXPECT_EQ(&tabs->Page(3), pages[2].get());
  EXPECT_EQ(TabCaption(tabs->Handle(), 2), L"Звонки");
  EXPECT_EQ(TabCaption(tabs->Handle(), 3), L"Звуки");

  ShowDialog();
  ::SendMessageW(tabs->Handle(), TCM_SETCURFOCUS, 2, 0);
  app.ProcessMessages();
  EXPECT_TRUE(::IsWindowVisible(inserted.Handle()));
  EXPECT_FALSE(::IsWindowVisible(pages[2]->Handle()));
  ::SendMessageW(tabs->Handle(), TCM_SETCURFOCUS, 3, 0);
  app.ProcessMessages();
  EXPECT_TRUE(::IsWindowVisible(pages[2]->Handle()));
  EXPECT_FALSE(::IsWindowVisible(inserted.Handle()));
}

TEST_F(TabPageTest, ThePagesFillTheTabBodyBelowTheTabs) {
  RECT page{};
  ::GetWindowRect(pages[0]->Handle(), &page);
  RECT tabsRect{};
  ::GetWindowRect(tabs->Handle(), &tabsRect);
  EXPECT_GT(page.top, tabsRect.top + 10);
  EXPECT_LT(page.bottom, tabsRect.bottom);
  EXPECT_GT(page.right - page.left, 400);
  EXPECT_TRUE(::GetWindowLongW(pages[0]->Handle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

// A windowless control that fills itself black and counts its paints.
class BlackSquare : public GraphicControl {
 public:
  int paints = 0;

 protected:
  void Paint(HDC dc) override {
    ++paints;
    const RECT whole{0, 0, Width(), Height()};
    ::FillRect(dc, &whole, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  }
};

// A themed control asks for its parent's background with its own DC, its
// origin moved to the control's corner and clipped to the control: only the
// windowless controls under it are painted, each in its place.
TEST_F(TabPageTest, AChildsBackgroundHoldsOnlyTheWindowlessControlsUnderIt) {
  BlackSquare under;
  under.SetBounds(10, 10, 20, 20);
  BlackSquare elsewhere;
  elsewhere.SetBounds(200, 100, 20, 20);
  pages[0]->Graphics().Add(under);
  pages[0]->Graphics().Add(elsewhere);

  const HWND page = pages[0]->Handle();
  const WindowDc screen(nullptr);
  const UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  const UniqueBitmap picture(::CreateCompatibleBitmap(screen.get(), 30, 30));
  {
    const SelectGuard selection(dc.get(), picture.get());
    // The child's corner is the page's point (5, 5).
    ::SetViewportOrgEx(dc.get(), -5, -5, nullptr);
    ::SendMessageW(page, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    ::SetViewportOrgEx(dc.get(), 0, 0, nullptr);
    EXPECT_EQ(::GetPixel(dc.get(), 5, 5), RGB(0, 0, 0));
    EXPECT_EQ(::GetPixel(dc.get(), 24, 24), RGB(0, 0, 0));
    EXPECT_NE(::GetPixel(dc.get(), 4, 4), RGB(0, 0, 0));
    EXPECT_NE(::GetPixel(dc.get(), 25, 25), RGB(0, 0, 0));
  }
  EXPECT_EQ(under.paints, 1);
  EXPECT_EQ(elsewhere.paints, 0);
  pages[0]->Graphics().Remove(under);
  pages[0]->Graphics().Remove(elsewhere);
}

// The colour on the screen at a point of a window's client area.
COLORREF ScreenColourAt(HWND window, POINT point) {
  ::ClientToScreen(window, &point);
  const WindowDc screen(nullptr);
  return ::GetPixel(screen.get(), point.x, point.y);
}

// The page shown covers every pixel of the one hidden, also inside a group
// box, which paints only its frame and caption.
TEST_F(TabPageTest, ChangingTheTabLeavesNothingOfTheOldPageOnTheScreen) {
  BlackSquare square;
  square.SetBounds(10, 10, 40, 40);
  pages[0]->Graphics().Add(square);
  const UniqueWindow groupBox(::CreateWindowExW(
      0, L"BUTTON", L"Заключительная часть:", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 100, 100,
      pages[1]->Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(groupBox);
  ShowDialog();
  ::UpdateWindow(dialog->Handle());
  const POINT inside{30, 30};
  ASSERT_EQ(ScreenColourAt(pages[0]->Handle(), inside), RGB(0, 0, 0));

  for (const int tab : {1, 2}) {
    ::SendMessageW(tabs->Handle(), TCM_SETCURFOCUS, tab, 0);
    app.ProcessMessages();
    ::UpdateWindow(dialog->Handle());
    EXPECT_NE(ScreenColourAt(pages[0]->Handle(), inside), RGB(0, 0, 0)) << "tab " << tab;
    ::SendMessageW(tabs->Handle(), TCM_SETCURFOCUS, 0, 0);
    app.ProcessMessages();
    ::UpdateWindow(dialog->Handle());
    EXPECT_EQ(ScreenColourAt(pages[0]->Handle(), inside), RGB(0, 0, 0)) << "back from " << tab;
  }
  pages[0]->Graphics().Remove(square);
}

TEST_F(TabPageTest, ALinkLabelOnAPageHasAHandCursorATooltipAndAClick) {
  int clicks = 0;
  Label link(*dialog, {.name = L"lbURL",
                       .page = pages[0].get(),
                       .place = {288, 184},
                       .caption = L"ostrevin.example",
                       .font = FontDesign{.height = 13, .underline = true, .color = 0xFF0000},
                       .autoSize = true,
                       .handCursor = true,
                       .hint = L"Сайт разработчика",
                       .onClick = [&] { ++clicks; }});
  EXPECT_GT(link.Width(), 20);
  EXPECT_GE(link.Height(), 13);
  EXPECT_EQ(link.Cursor(), ::LoadCursorW(nullptr, IDC_HAND));

  wchar_t hint[64] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = pages[0]->Handle();
  tool.uId = 1;
  tool.lpszText = hint;
  ASSERT_TRUE(
      ::SendMessageW(link.TooltipHandle(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_STREQ(hint, L"Сайт разработчика");
  EXPECT_TRUE(::EqualRect(&tool.rect, &link.Bounds()));

  const LPARAM middle = MAKELPARAM(288 + link.Width() / 2, 184 + link.Height() / 2);
  ::SendMessageW(pages[0]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
  ::SendMessageW(pages[0]->Handle(), WM_LBUTTONUP, 0, middle);
  EXPECT_EQ(clicks, 1);
}

class FileDialogTest : public ToolkitTest {
 protected:
  // Answers the next file dialog with a name, or cancels it.
  void Answer(const std::wstring& name) {
    watch.reset();
    watch = std::make_unique<DialogBoxWatch>([this, name](HWND box) {
      wchar_t title[128] = {};
      ::GetWindowTextW(box, title, static_cast<int>(std::size(title)));
      titles.push_back(title);
      if (name.empty()) {
        ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        return;
      }
      test_support::AnswerFileDialog(box, name);
    });
  }

  const FileDialogDesign design{.title = L"Сохранить настройки как",
                                .filter = L"Файлы настроек (*.INI)|*.INI|Все файлы (*.*)|*.*",
                                .defaultExtension = L"INI"};
  std::unique_ptr<DialogBoxWatch> watch;
  std::vector<std::wstring> titles;
};

TEST_F(FileDialogTest, TheSaveDialogAddsTheDefaultExtensionAndAsksNothingOfAnExistingFile) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::wstring existing = (folder / L"ostrevin-настройки.INI").wstring();
  {
    std::FILE* file = _wfopen(existing.c_str(), L"w");
    if (file) std::fclose(file);
  }
  Answer((folder / L"ostrevin-настройки").wstring());
  const std::optional<std::wstring> chosen = AskFileToSave(design);
  std::filesystem::remove(existing);
  ASSERT_TRUE(chosen.has_value());
  // The extension's letter case is the system's.
  EXPECT_EQ(_wcsicmp(std::filesystem::path(*chosen).filename().c_str(), L"ostrevin-настройки.INI"),
            0);
  EXPECT_EQ(titles, std::vector<std::wstring>{L"Сохранить настройки как"});
}

TEST_F(FileDialogTest, TheOpenDialogTakesAMissingFileAndCancelChoosesNothing) {
  const std::wstring missing =
      (std::filesystem::temp_directory_path() / L"ostrevin-нет-такого.INI").wstring();
  ASSERT_EQ(::GetModuleHandleW(L"comdlg32.dll"), nullptr) << "imported or loaded too early";
  Answer(missing);
  const std::optional<std::wstring> chosen = AskFileToOpen(design);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(std::filesystem::path(*chosen).filename().wstring(), L"ostrevin-нет-такого.INI");
  Answer(L"");
  EXPECT_FALSE(AskFileToOpen(design).has_value());
  EXPECT_NE(::GetModuleHandleW(L"comdlg32.dll"), nullptr) << "kept for the next dialog";
}

}  // namespace
}  // namespace ostrevin::toolkit
