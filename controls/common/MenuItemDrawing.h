// Measuring and drawing one owner-drawn menu item of the renderer
// (MenuPainter.h): a 16-pixel icon cell at the left (icon, or check
// bitmap, with its frame), the text beside it (bold for the default item,
// embossed grey for a disabled one) and the etched separator.
//
// Used by MenuPainter for WM_MEASUREITEM and WM_DRAWITEM.
#pragma once

#include <windows.h>

#include "controls/common/MenuImages.h"
#include "controls/common/MenuItems.h"

namespace morvex::controls {

// How the height of a text row is found.
enum class MenuRowHeight {
  kTextMetrics,    // the font's height and external leading, + 2
  kTextRectangle,  // the height DrawText reports for the text
};

// What drawing reads of the renderer.
struct MenuLook {
  COLORREF back;             // item and cell background
  HFONT font;                // item text
  HFONT defaultFont;         // the default item's (bold) text
  int iconSize;              // icons are square
  SIZE cell;                 // the icon cell
  const MenuImages* images;  // never null
  MenuRowHeight rowHeight;
  bool fillsItemFirst;        // the item's rectangle is filled with `back` first
  bool checkedShowsHotImage;  // a checked item shows list A, like a selected one
};

// Items are at least one system menu row and one icon cell high; a
// separator is half a row.
SIZE MeasureMenuItem(HWND owner, const MenuItemRecord& record, bool isDefault,
                     const MenuLook& look);

void DrawMenuItem(const DRAWITEMSTRUCT& item, const MenuItemRecord& record, const MenuLook& look);

// The image `index` of `list` as grey relief at (x, y): a highlight copy
// one pixel down and right under a shadow copy, every pixel that is not
// white in the image being ink. Nothing for an index outside the list.
void DrawEmbossedImage(HDC dc, HIMAGELIST list, int index, int x, int y, int size);

}  // namespace morvex::controls
