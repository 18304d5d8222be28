#include "FontSample.h"

namespace morvex::settingssheet {

FontSample::~FontSample() {
  if (font_) DeleteObject(font_);
}

bool FontSample::Attach(HWND window) {
  if (!window || !Subclass(window)) return false;
  LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  SetWindowLongPtrA(window, GWL_STYLE,
                    (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_OWNERDRAW);
  return true;
}

void FontSample::Show(const LOGFONTA& font, COLORREF colour) {
  if (font_) DeleteObject(font_);
  font_ = CreateFontIndirectA(&font);
  colour_ = colour;
  if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT FontSample::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return DefaultProcessing(message, wParam, lParam);
}

void FontSample::Draw(const DRAWITEMSTRUCT& item) const {
  HBRUSH background = CreateSolidBrush(GetBkColor(item.hDC));
  FillRect(item.hDC, &item.rcItem, background);
  DeleteObject(background);
  HGDIOBJ oldFont = font_ ? SelectObject(item.hDC, font_) : nullptr;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, colour_);
  RECT bounds = item.rcItem;
  DrawTextA(item.hDC, "AaBbCc", -1, &bounds, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (oldFont) SelectObject(item.hDC, oldFont);
}

}  // namespace morvex::settingssheet
