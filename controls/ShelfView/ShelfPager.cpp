#include "ShelfPager.h"

#include <commctrl.h>

#include "com/Reflection.h"

namespace morvex::shelfview {

namespace {

constexpr DWORD kPagerStyle = WS_CHILD | WS_VISIBLE | PGS_DRAGNDROP;

com::WindowClassSpec PagerClass() {
  com::WindowClassSpec spec = {"ShelfViewPager"};
  spec.superclassOf = WC_PAGESCROLLERA;
  return spec;
}

}  // namespace

bool ShelfPager::Create(HWND control, const RECT& rect) {
  return Window::Create(PagerClass(), control, rect, kPagerStyle, 0, kPagerId);
}

void ShelfPager::Place(int width, int height) {
  if (!handle()) return;
  SetWindowPos(handle(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(handle(), PGM_RECALCSIZE, 0, 0);
}

LRESULT ShelfPager::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == com::kReflectedMessageBase + WM_NOTIFY) {
    return OnNotify(reinterpret_cast<NMHDR*>(lParam));
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT ShelfPager::OnNotify(NMHDR* header) {
  if (!header || !tree_->handle()) return 0;
  if (header->code == PGN_CALCSIZE) {
    auto* size = reinterpret_cast<NMPGCALCSIZE*>(header);
    if (size->dwFlag == PGF_CALCHEIGHT) size->iHeight = tree_->RowsHeight();
  } else if (header->code == PGN_SCROLL) {
    reinterpret_cast<NMPGSCROLL*>(header)->iScroll = tree_->RowHeight();
  }
  return 0;
}

}  // namespace morvex::shelfview
