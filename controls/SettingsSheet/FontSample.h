// FontSample: the settings dialog's font sample (item 212), an owner-drawn
// static that shows "AaBbCc" in the text font and colour. The dialog passes
// it its WM_DRAWITEM.
#pragma once

#include <windows.h>

#include "com/SubclassedWindow.h"

namespace morvex::settingssheet {

class FontSample : private com::SubclassedWindow {
 public:
  FontSample() = default;
  ~FontSample() override;

  // Takes over the static and makes it owner drawn.
  bool Attach(HWND window);
  // A font made from `font` and the colour; the sample repaints.
  void Show(const LOGFONTA& font, COLORREF colour);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Draw(const DRAWITEMSTRUCT& item) const;

  HFONT font_ = nullptr;
  COLORREF colour_ = 0;
};

}  // namespace morvex::settingssheet
