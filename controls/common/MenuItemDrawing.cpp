#include "controls/common/MenuItemDrawing.h"

#include <algorithm>

namespace morvex::controls {

namespace {

// Paints the brush where the source is black, keeps the target elsewhere.
constexpr DWORD kPaintWhereSourceBlack = 0xB8074A;
// The system's check mark (OBM_CHECK, declared only with OEMRESOURCE).
constexpr WORD kSystemCheckBitmap = 32760;

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

int TextLength(const MenuItemRecord& record) { return static_cast<int>(record.text.size()); }

bool IsSeparator(const MenuItemRecord& record) { return (record.type & MFT_SEPARATOR) != 0; }

bool IsIndexOf(HIMAGELIST list, int index) {
  return list && index >= 0 && index < ImageList_GetImageCount(list);
}

// The check-mark bitmap of an item without an icon, centred in the cell
// (framed) when narrower, else cut to the cell around its centre. True
// when a bitmap was drawn.
bool DrawCheckBitmap(const DRAWITEMSTRUCT& item, const RECT& cell, const MenuLook& look) {
  bool checked = (item.itemState & ODS_CHECKED) != 0;
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_CHECKMARKS;
  HMENU menu = reinterpret_cast<HMENU>(item.hwndItem);
  if (!GetMenuItemInfoA(menu, item.itemID, FALSE, &info)) info = MENUITEMINFOA{};
  HBITMAP bitmap = checked ? info.hbmpChecked : info.hbmpUnchecked;
  HBITMAP systemCheck = nullptr;
  if (!bitmap) {
    if (!checked) return false;
    systemCheck = LoadBitmapA(nullptr, MAKEINTRESOURCEA(kSystemCheckBitmap));
    bitmap = systemCheck;
  }
  BITMAP facts = {};
  if (!bitmap || !GetObjectA(bitmap, sizeof facts, &facts)) return false;

  int cellWidth = cell.right - cell.left;
  int cellHeight = cell.bottom - cell.top;
  bool narrower = facts.bmWidth < cellWidth;
  RECT target = cell;
  POINT source = {0, 0};
  if (narrower) {
    target.left = cell.left + (cellWidth - facts.bmWidth) / 2;
    target.top = cell.top + (cellHeight - facts.bmHeight) / 2;
    target.right = target.left + facts.bmWidth;
    target.bottom = target.top + facts.bmHeight;
  } else {
    source = {(facts.bmWidth - cellWidth) / 2, (facts.bmHeight - cellHeight) / 2};
  }
  HDC memory = CreateCompatibleDC(item.hDC);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SetBkColor(item.hDC, selected ? look.back : GetSysColor(COLOR_3DLIGHT));
  BitBlt(item.hDC, target.left, target.top, target.right - target.left, target.bottom - target.top,
         memory, source.x, source.y, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  if (systemCheck) DeleteObject(systemCheck);
  if (narrower) {
    InflateRect(&target, 1, 1);
    DrawEdge(item.hDC, &target, BDR_SUNKENOUTER, BF_RECT);
  }
  return true;
}

// The icon centred in the cell: embossed for a disabled item, else on the
// cell's own background, framed when selected or checked.
void DrawIcon(const DRAWITEMSTRUCT& item, const RECT& cell, const MenuItemRecord& record,
              const MenuLook& look) {
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  bool checked = (item.itemState & ODS_CHECKED) != 0;
  int x = cell.left + (look.cell.cx - look.iconSize) / 2;
  int y = cell.top + (look.cell.cy - look.iconSize) / 2;
  HIMAGELIST hot = look.images->List(MenuImageList::kHot);
  HIMAGELIST cold = look.images->List(MenuImageList::kCold);
  if (item.itemState & ODS_GRAYED) {
    DrawEmbossedImage(item.hDC, cold, record.coldIndex, x, y, look.iconSize);
    return;
  }
  FillSolid(item.hDC, cell, checked && !selected ? GetSysColor(COLOR_3DLIGHT) : look.back);
  if (selected || checked) {
    RECT frame = cell;
    DrawEdge(item.hDC, &frame, checked ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  // With a mask and no list background, drawing is transparent either way.
  if (selected || (checked && look.checkedShowsHotImage)) {
    if (IsIndexOf(hot, record.hotIndex))
      ImageList_Draw(hot, record.hotIndex, item.hDC, x, y, ILD_TRANSPARENT);
  } else if (IsIndexOf(cold, record.coldIndex)) {
    ImageList_Draw(cold, record.coldIndex, item.hDC, x, y, ILD_TRANSPARENT);
  }
}

void DrawItemText(const DRAWITEMSTRUCT& item, const MenuItemRecord& record, COLORREF textBack,
                  const MenuLook& look) {
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  bool grayed = (item.itemState & ODS_GRAYED) != 0;
  RECT area = {item.rcItem.left + look.cell.cx + 3, item.rcItem.top,
               item.rcItem.right - look.cell.cx, item.rcItem.bottom};
  SetBkMode(item.hDC, TRANSPARENT);
  HGDIOBJ oldFont =
      SelectObject(item.hDC, (item.itemState & ODS_DEFAULT) ? look.defaultFont : look.font);
  const UINT format = DT_SINGLELINE | DT_VCENTER;
  COLORREF colour = grayed     ? GetSysColor(COLOR_GRAYTEXT)
                    : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                               : GetSysColor(COLOR_MENUTEXT);
  if (grayed && (!selected || GetSysColor(COLOR_GRAYTEXT) == textBack)) {
    RECT shifted = area;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(item.hDC, record.text.c_str(), TextLength(record), &shifted, format);
  }
  SetTextColor(item.hDC, colour);
  DrawTextA(item.hDC, record.text.c_str(), TextLength(record), &area, format);
  SelectObject(item.hDC, oldFont);
}

}  // namespace

SIZE MeasureMenuItem(HWND owner, const MenuItemRecord& record, bool isDefault,
                     const MenuLook& look) {
  int row = GetSystemMetrics(SM_CYMENU);
  if (IsSeparator(record)) return {0, row / 2};
  HDC dc = GetWindowDC(owner);
  HGDIOBJ oldFont = SelectObject(dc, isDefault ? look.defaultFont : look.font);
  RECT extent = {0, 0, 0, 0};
  DrawTextA(dc, record.text.c_str(), TextLength(record), &extent,
            DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
  int height = extent.bottom - extent.top;
  if (look.rowHeight == MenuRowHeight::kTextMetrics) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    height = metrics.tmHeight + metrics.tmExternalLeading + 2;
  }
  SelectObject(dc, oldFont);
  ReleaseDC(owner, dc);
  // The system adds a check mark's width to every owner-drawn item.
  int width =
      2 * look.cell.cx + (extent.right - extent.left) - GetSystemMetrics(SM_CXMENUCHECK) + 6;
  // At least a menu row, and never lower than the icon cell, whose frame
  // would otherwise reach into the next item.
  return {width, std::max({height, row, static_cast<int>(look.cell.cy)})};
}

void DrawMenuItem(const DRAWITEMSTRUCT& item, const MenuItemRecord& record, const MenuLook& look) {
  int saved = SaveDC(item.hDC);
  const RECT& bounds = item.rcItem;
  if (look.fillsItemFirst) FillSolid(item.hDC, bounds, look.back);
  if (IsSeparator(record)) {
    RECT lower = bounds;
    lower.top = (bounds.top + bounds.bottom) / 2;
    DrawEdge(item.hDC, &lower, EDGE_ETCHED, BF_TOP);
    RestoreDC(item.hDC, saved);
    return;
  }
  RECT cell = {bounds.left, bounds.top, bounds.left + look.cell.cx, bounds.top + look.cell.cy};
  OffsetRect(&cell, 0, ((bounds.bottom - bounds.top) - look.cell.cy) / 2);
  bool cellDrawn = true;
  if (record.hotIndex < 0) {
    cellDrawn = DrawCheckBitmap(item, cell, look);
  } else {
    DrawIcon(item, cell, record, look);
  }

  bool selected = (item.itemState & ODS_SELECTED) != 0;
  COLORREF textBack = selected ? GetSysColor(COLOR_HIGHLIGHT) : look.back;
  if (selected || item.itemAction == ODA_SELECT) {
    RECT behindText = bounds;
    if (cellDrawn) behindText.left += look.cell.cx + 1;
    FillSolid(item.hDC, behindText, textBack);
  }
  DrawItemText(item, record, textBack, look);
  RestoreDC(item.hDC, saved);
}

void DrawEmbossedImage(HDC dc, HIMAGELIST list, int index, int x, int y, int size) {
  if (!IsIndexOf(list, index)) return;
  HDC colourDc = CreateCompatibleDC(dc);
  HBITMAP colour = CreateCompatibleBitmap(dc, size, size);
  HGDIOBJ oldColour = SelectObject(colourDc, colour);
  PatBlt(colourDc, 0, 0, size, size, WHITENESS);
  ImageList_Draw(list, index, colourDc, 0, 0, ILD_TRANSPARENT);

  // One bit a pixel: white stays 1, every other colour becomes ink (0), so
  // the raster operation below works on whole pixels, not on colour bits.
  HDC maskDc = CreateCompatibleDC(dc);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  HGDIOBJ oldMask = SelectObject(maskDc, mask);
  SetBkColor(colourDc, RGB(255, 255, 255));
  BitBlt(maskDc, 0, 0, size, size, colourDc, 0, 0, SRCCOPY);

  COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  BitBlt(dc, x + 1, y + 1, size, size, maskDc, 0, 0, kPaintWhereSourceBlack);
  SelectObject(dc, GetSysColorBrush(COLOR_BTNSHADOW));
  BitBlt(dc, x, y, size, size, maskDc, 0, 0, kPaintWhereSourceBlack);
  SelectObject(dc, oldBrush);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);

  SelectObject(maskDc, oldMask);
  DeleteObject(mask);
  DeleteDC(maskDc);
  SelectObject(colourDc, oldColour);
  DeleteObject(colour);
  DeleteDC(colourDc);
}

}  // namespace morvex::controls
