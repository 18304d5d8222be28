#include "com/ModalDialog.h"

#include "com/WindowObject.h"

namespace morvex::com {

namespace {

// The property of a dialog window that holds its object.
LPCSTR ObjectProperty() {
  static const LPCSTR property = ModuleWindowProperty("ModalDialog");
  return property;
}

// The messages whose answer a dialog procedure returns itself; every other
// answer goes through DWLP_MSGRESULT, the return value saying only
// "handled".
bool AnswersDirectly(UINT message) {
  switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
      return true;
    default:
      return false;
  }
}

}  // namespace

INT_PTR ModalDialog::Run(HWND owner, HINSTANCE module, int templateId) {
  if (dialog_) return -1;
  INT_PTR code = DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner, Procedure,
                                 reinterpret_cast<LPARAM>(this));
  // dialog_ is set at WM_INITDIALOG and kept until here, so it tells
  // whether a dialog was made at all: the system answers 0, not -1, for
  // some of its failures.
  const bool made = dialog_ != nullptr;
  dialog_ = nullptr;
  return made ? code : -1;
}

bool ModalDialog::OnInitDialog(HWND) { return true; }

bool ModalDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  if (message != WM_COMMAND) return false;
  *result = 0;
  return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
}

bool ModalDialog::OnCommand(int id, int, HWND) {
  if (id != IDOK && id != IDCANCEL) return false;
  End(id);
  return true;
}

void ModalDialog::End(INT_PTR code) {
  if (dialog_) EndDialog(dialog_, code);
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ModalDialog*>(lParam);
    if (!SetPropA(dialog, ObjectProperty(), self)) {
      EndDialog(dialog, -1);
      return FALSE;
    }
    self->dialog_ = dialog;
    return self->OnInitDialog(reinterpret_cast<HWND>(wParam)) ? TRUE : FALSE;
  }
  // Before WM_INITDIALOG (WM_SETFONT ...) there is no object yet.
  auto* self = static_cast<ModalDialog*>(GetPropA(dialog, ObjectProperty()));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) RemovePropA(dialog, ObjectProperty());
  INT_PTR result = 0;
  if (!self->OnMessage(message, wParam, lParam, &result)) return FALSE;
  if (AnswersDirectly(message)) return result;
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace morvex::com
