#include "RowDrawing.h"

#include <string>

namespace morvex::lookuppane {

void DrawWordRow(const DRAWITEMSTRUCT& item, const RowLook& look) {
  if (item.CtlType != ODT_LISTBOX || item.itemID == static_cast<UINT>(-1)) return;
  if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
  const LRESULT length = SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<size_t>(length) + 1);
    const LRESULT copied =
        SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  if (selected)
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
  else
    FillRect(dc, &item.rcItem, look.backBrush);
  HGDIOBJ old = look.font ? SelectObject(dc, look.font) : nullptr;
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : look.textColour);
  SetBkMode(dc, TRANSPARENT);
  const int y = (item.rcItem.top + item.rcItem.bottom - look.textHeight) / 2;
  TextOutA(dc, item.rcItem.left + 2, y, text.data(), static_cast<int>(text.size()));
  if (old) SelectObject(dc, old);
}

}  // namespace morvex::lookuppane
