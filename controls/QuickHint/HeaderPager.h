// HeaderPager: the subclass of the pager that carries the tip's header. The
// header is an owner-drawn static inside the pager, so its drawing and
// colour requests, its cursor requests and a double-click on the pager go
// to the pager; some pagers (Wine's) drop them. This hands them on to the
// tip control, the header's real owner.
//
// Used by QuickHintCtrl.
#pragma once

#include <windows.h>

#include "com/SubclassedWindow.h"

namespace morvex::quickhint {

class HeaderPager : private com::SubclassedWindow {
 public:
  HeaderPager() = default;

  bool Attach(HWND pager, HWND control);
  using com::SubclassedWindow::handle;
  using com::SubclassedWindow::SetOwner;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND control_ = nullptr;
};

}  // namespace morvex::quickhint
