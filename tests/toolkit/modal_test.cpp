#include <windows.h>

#include <gtest/gtest.h>

#include "base/app_error.h"
#include "toolkit/message_box.h"
#include "toolkit_test.h"

namespace ostrevin::toolkit {
namespace {

constexpr UINT kAnswer = WM_APP + 20;

// A main form and a dialog it owns, shown modally; the dialog answers itself
// with the modal result a posted message carries, once it is on screen.
class ModalTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    mainForm = std::make_unique<TestForm>();
    app.SetMainFormHandle(mainForm->Handle());
    mainForm->SetVisible(true);
    dialog = std::make_unique<TestForm>(
        FormDesign{.caption = L"Настройки", .clientWidth = 441, .clientHeight = 301},
        mainForm->Handle());
    dialog->intercept = [this](UINT message, WPARAM wParam, LPARAM) {
      if (message != kAnswer) return false;
      ownerEnabledMeanwhile = ::IsWindowEnabled(mainForm->Handle()) != FALSE;
      dialogVisibleMeanwhile = dialog->Visible();
      dialog->SetModalResult(static_cast<int>(wParam));
      return true;
    };
  }

  void AnswerWhenShown(int result) {
    dialog->OnShow = [this, result] { ::PostMessageW(dialog->Handle(), kAnswer, result, 0); };
  }

  std::unique_ptr<TestForm> mainForm;
  std::unique_ptr<TestForm> dialog;
  bool ownerEnabledMeanwhile = true;
  bool dialogVisibleMeanwhile = false;
};

TEST_F(ModalTest, ShowModalReturnsTheModalResultTheFormSets) {
  for (const int result : {Form::kModalOk, Form::kModalCancel}) {
    AnswerWhenShown(result);
    EXPECT_EQ(dialog->ShowModal(), result);
  }
}

TEST_F(ModalTest, TheOwnerIsDisabledWhileTheDialogIsShownAndEnabledAfter) {
  AnswerWhenShown(Form::kModalOk);
  dialog->ShowModal();
  EXPECT_TRUE(dialogVisibleMeanwhile);
  EXPECT_FALSE(ownerEnabledMeanwhile);
  EXPECT_TRUE(::IsWindowEnabled(mainForm->Handle()));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(::IsWindow(dialog->Handle())) << "hidden, not destroyed";
}

TEST_F(ModalTest, ClosingTheDialogCancelsIt) {
  dialog->OnShow = [this] { ::PostMessageW(dialog->Handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(dialog->ShowModal(), Form::kModalCancel);
}

TEST_F(ModalTest, TheProgramsCloseCancelsTheDialogAndStillEndsTheLoop) {
  dialog->OnShow = [this] { app.Terminate(); };
  EXPECT_EQ(dialog->ShowModal(), Form::kModalCancel);
  EXPECT_TRUE(app.Terminated());
  app.Run();  // ends at once and clears the request
}

TEST_F(ModalTest, AVisibleFormCannotBeShownModally) {
  dialog->SetVisible(true);
  EXPECT_THROW(dialog->ShowModal(), AppError);
}

class ConfirmTest : public ToolkitTest {};

TEST_F(ConfirmTest, TheQuestionStandsAt200200WithYesAndNoAndReturnsTheAnswer) {
  for (const int answer : {IDYES, IDNO}) {
    DialogBoxContents box;
    DialogBoxWatch watch([&](HWND window) {
      box = ReadDialogBox(window);
      ::PostMessageW(window, WM_COMMAND, answer, 0);
    });
    const bool yes = ConfirmAt(L"Сегодня уроков больше нет.\r\n\r\nЗакрыть Ostrevin?", {200, 200});

    EXPECT_EQ(yes, answer == IDYES);
    EXPECT_EQ(box.bounds.left, 200);
    EXPECT_EQ(box.bounds.top, 200);
    EXPECT_EQ(box.title, L"Confirm");
    EXPECT_TRUE(box.HasText(L"&Yes"));
    EXPECT_TRUE(box.HasText(L"&No"));
    EXPECT_TRUE(box.HasText(L"Сегодня уроков больше нет.\r\n\r\nЗакрыть Ostrevin?"));
    EXPECT_TRUE(box.HasIcon(::LoadIconW(nullptr, IDI_QUESTION)));
  }
}

TEST_F(ConfirmTest, ButtonTextsAreSetWhateverTheSystemsLanguage) {
  DialogBoxContents box;
  DialogBoxWatch watch([&](HWND window) {
    box = ReadDialogBox(window);
    ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
  });
  MessageBoxAt(L"?", L"Вопрос", MB_OKCANCEL, {10, 20}, {{IDOK, L"&Да"}, {IDCANCEL, L"&Нет"}});
  EXPECT_TRUE(box.HasText(L"&Да"));
  EXPECT_TRUE(box.HasText(L"&Нет"));
  EXPECT_EQ(box.bounds.left, 10);
  EXPECT_EQ(box.bounds.top, 20);
}

}  // namespace
}  // namespace ostrevin::toolkit
