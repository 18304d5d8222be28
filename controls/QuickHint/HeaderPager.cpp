#include "HeaderPager.h"

namespace morvex::quickhint {

bool HeaderPager::Attach(HWND pager, HWND control) {
  if (!Subclass(pager)) return false;
  control_ = control;
  return true;
}

LRESULT HeaderPager::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_LBUTTONDBLCLK:
      return SendMessageA(control_, message, wParam, lParam);
    case WM_SETCURSOR:
      if (SendMessageA(control_, message, wParam, lParam)) return TRUE;
      break;
  }
  return DefaultProcessing(message, wParam, lParam);
}

}  // namespace morvex::quickhint
