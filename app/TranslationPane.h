// CTranslationPane: the translation page of the main window, a plain-text
// rich edit the user pastes or types text into, with flat scroll bars in
// the interface colours that follow the text.
//
// Used by the main window, which creates the window in its control chain
// and keeps this object for the window's life.
#pragma once

#include <windows.h>

#include "com/SubclassedWindow.h"
#include "controls/common/FlatScrollBars.h"

namespace morvex::solo {

class CTranslationPane : private com::SubclassedWindow {
 public:
  static constexpr UINT kId = 1001;

  // The rich edit as a child of parent; null when it cannot be made (the
  // rich-edit library is loaded at start).
  static HWND CreateWindowIn(HWND parent);
  // Takes the window over and gives it its settings: false for a null
  // window. background is the text's, barColor the scroll bars'.
  bool Setup(HWND window, COLORREF background, COLORREF barColor);

  HWND window() const { return handle(); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  controls::FlatScrollBars bars_;
};

}  // namespace morvex::solo
