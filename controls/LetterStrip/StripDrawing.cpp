#include "StripDrawing.h"

namespace morvex::letterstrip {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr UINT kLetterFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A one-pixel frame: `light` on the top and left edges, `dark` on the
// bottom and right ones.
void DrawFrame(HDC dc, const RECT& cell, COLORREF light, COLORREF dark) {
  FillColour(dc, {cell.left, cell.top, cell.right, cell.top + 1}, light);
  FillColour(dc, {cell.left, cell.top, cell.left + 1, cell.bottom}, light);
  FillColour(dc, {cell.left, cell.bottom - 1, cell.right, cell.bottom}, dark);
  FillColour(dc, {cell.right - 1, cell.top, cell.right, cell.bottom}, dark);
}

void DrawCells(HDC dc, const RECT& area, const LetterTable& letters, const StripMetrics& metrics,
               const StripState& state, const StripLook& look) {
  FillRect(dc, &area, look.backBrush);
  for (int index = 0; index < letters.count(); ++index) {
    RECT cell = metrics.CellRect(index, area);
    COLORREF colour = look.text;
    if (index == state.selected) {
      colour = index == state.hot ? look.selectedHotText : look.selectedText;
      DrawFrame(dc, cell, kBlack, kWhite);
    } else if (index == state.hot) {
      DrawFrame(dc, cell, kWhite, kBlack);
    }
    SetTextColor(dc, colour);
    DrawTextA(dc, letters.Letter(index), 1, &cell, kLetterFormat);
  }
}

}  // namespace

void DrawLetterStrip(HDC target, const RECT& area, const LetterTable& letters,
                     const StripMetrics& metrics, const StripState& state, const StripLook& look) {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  HDC memory = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
  if (!memory || !bitmap) {
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    return;
  }
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  HGDIOBJ oldFont = look.font ? SelectObject(memory, look.font) : nullptr;
  SetBkColor(memory, look.back);
  DrawCells(memory, {0, 0, width, height}, letters, metrics, state, look);
  BitBlt(target, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
  if (oldFont) SelectObject(memory, oldFont);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace morvex::letterstrip
