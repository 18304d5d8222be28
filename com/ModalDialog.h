// A modal dialog made from a DIALOG or DIALOGEX template in a module's
// resources, with a C++ object as its handler: a derived class handles
// WM_INITDIALOG in OnInitDialog, commands in OnCommand and any other
// message in OnMessage, and ends the dialog with End. The dialog is an
// ANSI window: texts in its messages are in the ANSI code page.
//
// Used by the program and the controls for their dialog boxes. The object
// is found from the window through a window property of its own, so other
// code may write the window's user slots (GWLP_USERDATA, DWLP_USER).
#pragma once

#include <windows.h>

namespace morvex::com {

class ModalDialog {
 public:
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Shows the dialog owned by owner (may be null) and returns when it has
  // ended, with the code given to End (IDOK, IDCANCEL by default). -1 when
  // the dialog could not be made (no such template, an owner that is no
  // window, a control class that is missing) or this object is already
  // running one.
  INT_PTR Run(HWND owner, HINSTANCE module, int templateId);

  // The dialog window from WM_INITDIALOG on; null when none is running.
  HWND handle() const { return dialog_; }

 protected:
  ModalDialog() = default;
  virtual ~ModalDialog() = default;

  // The dialog and its controls exist. True lets the system put the focus
  // on defaultFocus; false when the handler has set the focus itself.
  virtual bool OnInitDialog(HWND defaultFocus);
  // Every message after WM_INITDIALOG. True when handled, with the message's
  // answer in *result (the dialog gives it to the sender as the message
  // asks: as the return value or through DWLP_MSGRESULT); false leaves the
  // message to the system's dialog handling. The default sends WM_COMMAND
  // to OnCommand.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result);
  // A command from a control (control is its window), a menu or an
  // accelerator (control null). True when handled. The default ends the
  // dialog with IDOK or IDCANCEL on those commands.
  virtual bool OnCommand(int id, int code, HWND control);

  // Ends the running dialog: Run returns code once the handler in progress
  // has returned. Does nothing when no dialog is running.
  void End(INT_PTR code);

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  HWND dialog_ = nullptr;
};

}  // namespace morvex::com
