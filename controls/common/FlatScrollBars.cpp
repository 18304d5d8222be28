#include "controls/common/FlatScrollBars.h"

#include <commctrl.h>

namespace morvex::controls {

namespace {

constexpr INT_PTR kTwoToneStyle = FSB_ENCARTA_MODE;

}  // namespace

void FlatScrollBars::Attach(HWND window, COLORREF background) {
  window_ = window;
  if (!window_) return;
  InitializeFlatSB(window_);
  SetBackground(background);
  ownBars_ = FlatSB_SetScrollProp(window_, WSB_PROP_VSTYLE, kTwoToneStyle, FALSE) &&
             FlatSB_SetScrollProp(window_, WSB_PROP_HSTYLE, kTwoToneStyle, FALSE);
  if (ownBars_) FlatSB_ShowScrollBar(window_, SB_BOTH, TRUE);
}

void FlatScrollBars::SetBackground(COLORREF background) {
  if (!window_) return;
  FlatSB_SetScrollProp(window_, WSB_PROP_VBKGCOLOR, static_cast<INT_PTR>(background), FALSE);
  FlatSB_SetScrollProp(window_, WSB_PROP_HBKGCOLOR, static_cast<INT_PTR>(background), FALSE);
}

void FlatScrollBars::Sync() {
  if (!window_) return;
  const int bars[] = {SB_HORZ, SB_VERT};
  for (int bar : bars) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (GetScrollInfo(window_, bar, &info)) FlatSB_SetScrollInfo(window_, bar, &info, FALSE);
  }
}

void FlatScrollBars::Show() {
  if (!window_ || !ownBars_) return;
  ShowScrollBar(window_, SB_BOTH, FALSE);
  FlatSB_ShowScrollBar(window_, SB_BOTH, TRUE);
}

}  // namespace morvex::controls
