// TipBody: the subclass of the tip's rich-edit body. With its read-only
// switch on, typed text, Backspace, Enter and Delete never reach the rich
// edit (the arrows still move the caret); what the tip answers (Tab, Esc,
// Ctrl+L, a double-click, the loss of focus) goes to the control as the
// private messages below. It also keeps the standard scroll bars hidden
// and hands their state to the flat scroll-bar layer.
//
// Used by QuickHintCtrl, which creates the rich edit and attaches this.
#pragma once

#include <windows.h>

#include "com/SubclassedWindow.h"

namespace morvex::quickhint {

// From the body to the control.
constexpr UINT WM_TIPBODY_TAB = 0xD80;
constexpr UINT WM_TIPBODY_KILLFOCUS = 0xD81;
constexpr UINT WM_TIPBODY_HIDE = 0xD82;  // wParam 0: Esc typed; 1: double-clicked
constexpr UINT WM_TIPBODY_CHANGELANG = 0xD83;
constexpr WPARAM kHideByEscape = 0;
constexpr WPARAM kHideByDoubleClick = 1;

class TipBody : private com::SubclassedWindow {
 public:
  TipBody() = default;

  // Takes over the rich edit; its messages for the control go to `control`.
  bool Attach(HWND richEdit, HWND control);
  using com::SubclassedWindow::handle;
  using com::SubclassedWindow::SetOwner;

  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
  LRESULT OnKeyUp(WPARAM key, LPARAM lParam);
  LRESULT OnChar(WPARAM character, LPARAM lParam);
  void HideStandardScrollBars();
  void CopyScrollStateToFlatBars();

  HWND control_ = nullptr;
  bool readOnly_ = false;
  bool ctrlHeld_ = false;
};

}  // namespace morvex::quickhint
