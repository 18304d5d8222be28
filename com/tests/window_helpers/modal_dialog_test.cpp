// Modal dialogs from a template in this program's resources: every way a
// dialog ends gives Run its code, a dialog that cannot be made gives -1 at
// once, the object is reached whatever other code writes into the window's
// user slots, and a handler's answer reaches the sender as the message
// asks. Each dialog drives itself from its own message loop, and a guard
// timer ends it should nothing else.
#include "com/ModalDialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "com/tests/window_helpers/TestDialogResource.h"

namespace morvex::com {

namespace {

constexpr UINT kRunStep = WM_APP + 1;
constexpr UINT kEndWith = WM_APP + 2;  // wParam: the code
constexpr UINT kGuardMilliseconds = 5000;
// What Run returns when the guard, not the test, ended the dialog.
constexpr INT_PTR kGuardExpired = -77;

HINSTANCE TestModule() { return GetModuleHandleA(nullptr); }

BOOL CALLBACK EndIfDialog(HWND window, LPARAM) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") == 0) EndDialog(window, kGuardExpired);
  return TRUE;
}

void CALLBACK EndThisThreadsDialogs(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), EndIfDialog, 0);
}

// Runs the dialog with a guard that ends it should nothing else: a timer
// of the thread, not of the dialog, so that it needs neither the dialog's
// handle nor its object.
INT_PTR RunGuarded(ModalDialog& dialog, HWND owner, int templateId) {
  const UINT_PTR guard = SetTimer(nullptr, 0, kGuardMilliseconds, EndThisThreadsDialogs);
  const INT_PTR code = dialog.Run(owner, TestModule(), templateId);
  KillTimer(nullptr, guard);
  return code;
}

// A dialog that runs one step, at WM_INITDIALOG or from its message loop
// just after.
class ScriptedDialog : public ModalDialog {
 public:
  using Step = void (*)(ScriptedDialog& dialog);
  enum class When { kAtInit, kAfterInit };
  explicit ScriptedDialog(Step step, When when = When::kAfterInit) : step_(step), when_(when) {}

  using ModalDialog::End;
  bool initialized() const { return initialized_; }
  int messagesBeforeInit() const { return messagesBeforeInit_; }

 protected:
  bool OnInitDialog(HWND) override {
    initialized_ = true;
    if (when_ == When::kAtInit) {
      step_(*this);
    } else {
      PostMessageA(handle(), kRunStep, 0, 0);
    }
    return true;
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override {
    if (!initialized_) ++messagesBeforeInit_;
    switch (message) {
      case kRunStep:
        step_(*this);
        return true;
      case kEndWith:
        End(static_cast<INT_PTR>(wParam));
        return true;
      default:
        return ModalDialog::OnMessage(message, wParam, lParam, result);
    }
  }

 private:
  Step step_;
  When when_;
  bool initialized_ = false;
  int messagesBeforeInit_ = 0;
};

void ClickButton(ScriptedDialog& dialog, int id) {
  SendMessageA(GetDlgItem(dialog.handle(), id), BM_CLICK, 0, 0);
}

TEST(ModalDialogTest, EndsWithTheCodeOfWhatEndedIt) {
  // The object a user slot points to once other code has written it.
  static ScriptedDialog decoy([](ScriptedDialog&) {});
  const struct {
    const char* name;
    ScriptedDialog::Step step;
    ScriptedDialog::When when;
    INT_PTR code;
  } cases[] = {
      {"End from a handler", [](ScriptedDialog& d) { d.End(42); }, ScriptedDialog::When::kAfterInit,
       42},
      {"End at WM_INITDIALOG", [](ScriptedDialog& d) { d.End(7); }, ScriptedDialog::When::kAtInit, 7},
      {"the OK button", [](ScriptedDialog& d) { ClickButton(d, IDOK); },
       ScriptedDialog::When::kAfterInit, IDOK},
      {"the Cancel button", [](ScriptedDialog& d) { ClickButton(d, IDCANCEL); },
       ScriptedDialog::When::kAfterInit, IDCANCEL},
      {"Escape in the edit box",
       [](ScriptedDialog& d) {
         PostMessageA(GetDlgItem(d.handle(), IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
       },
       ScriptedDialog::When::kAfterInit, IDCANCEL},
      {"closing the window", [](ScriptedDialog& d) { PostMessageA(d.handle(), WM_CLOSE, 0, 0); },
       ScriptedDialog::When::kAfterInit, IDCANCEL},
      {"End after other code wrote the user slots",
       [](ScriptedDialog& d) {
         SetWindowLongPtrA(d.handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&decoy));
         SetWindowLongPtrA(d.handle(), DWLP_USER, reinterpret_cast<LONG_PTR>(&decoy));
         PostMessageA(d.handle(), kEndWith, 42, 0);
       },
       ScriptedDialog::When::kAfterInit, 42},
      {"a second Run while one runs",
       [](ScriptedDialog& d) {
         // A second dialog let through would run this step again.
         static bool inStep = false;
         if (inStep) return;
         inStep = true;
         EXPECT_EQ(d.Run(nullptr, TestModule(), IDD_TEST_DIALOG), -1);
         inStep = false;
         d.End(42);
       },
       ScriptedDialog::When::kAfterInit, 42},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialog dialog(c.step, c.when);
    EXPECT_EQ(RunGuarded(dialog, nullptr, IDD_TEST_DIALOG), c.code);
    EXPECT_EQ(dialog.messagesBeforeInit(), 0) << "a message reached the object before WM_INITDIALOG";
    EXPECT_EQ(dialog.handle(), nullptr);
  }
}

TEST(ModalDialogTest, ADialogThatCannotBeMadeGivesMinusOneAtOnce) {
  HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              TestModule(), nullptr);
  DestroyWindow(gone);
  const struct {
    const char* name;
    HWND owner;
    int templateId;
  } cases[] = {
      {"no such template", nullptr, IDD_MISSING_DIALOG},
      {"an owner that is no window", gone, IDD_TEST_DIALOG},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialog dialog([](ScriptedDialog& d) { d.End(42); });
    EXPECT_EQ(RunGuarded(dialog, c.owner, c.templateId), -1);
    EXPECT_FALSE(dialog.initialized());
  }
}

// Most answers travel through DWLP_MSGRESULT; a few (control colours ...)
// are the dialog procedure's own return value.
class AnsweringDialog : public ScriptedDialog {
 public:
  static constexpr INT_PTR kNotifyAnswer = 0x5A5A;
  using ScriptedDialog::ScriptedDialog;

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override {
    switch (message) {
      case WM_NOTIFY:
        *result = kNotifyAnswer;
        return true;
      case WM_CTLCOLORSTATIC:
        *result = reinterpret_cast<INT_PTR>(GetStockObject(GRAY_BRUSH));
        return true;
      default:
        return ScriptedDialog::OnMessage(message, wParam, lParam, result);
    }
  }
};

TEST(ModalDialogTest, AnswersReachTheSenderAsTheMessageAsks) {
  AnsweringDialog dialog([](ScriptedDialog& d) {
    HWND edit = GetDlgItem(d.handle(), IDC_TEST_EDIT);
    const NMHDR header = {edit, static_cast<UINT_PTR>(IDC_TEST_EDIT), static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(SendMessageA(d.handle(), WM_NOTIFY, IDC_TEST_EDIT, reinterpret_cast<LPARAM>(&header)),
              AnsweringDialog::kNotifyAnswer);
    HDC dc = GetDC(edit);
    EXPECT_EQ(SendMessageA(d.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(edit)),
              reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH)));
    ReleaseDC(edit, dc);
    d.End(0);
  });
  EXPECT_EQ(RunGuarded(dialog, nullptr, IDD_TEST_DIALOG), 0);
}

TEST(ModalDialogTest, IsAnAnsiWindowWithItsTemplateTextsInCodePage1251) {
  ASSERT_EQ(GetACP(), 1251u) << "start Wine with LC_ALL=ru_RU.UTF-8";
  ScriptedDialog dialog([](ScriptedDialog& d) {
    EXPECT_FALSE(IsWindowUnicode(d.handle()));
    char caption[64] = {};
    GetWindowTextA(d.handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "\xCF\xF0\xE8\xE2\xE5\xF2");  // the template's, in code page 1251
    d.End(0);
  });
  EXPECT_EQ(RunGuarded(dialog, nullptr, IDD_TEST_DIALOG), 0);
}

}  // namespace

}  // namespace morvex::com
