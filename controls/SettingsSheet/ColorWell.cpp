#include "ColorWell.h"

#include <commdlg.h>
#include <windowsx.h>

namespace morvex::settingssheet {

namespace {

// The well's hot rectangles in picture pixels. The first of each item is
// where its caption goes; every top-left corner is a flood-fill seed.
struct HotRectangle {
  int item;
  RECT bounds;
};
constexpr HotRectangle kRectangles[] = {
    {ColorWell::kInterface, {8, 37, 80, 55}}, {ColorWell::kTitle, {8, 21, 150, 34}},
    {ColorWell::kControl, {11, 58, 75, 97}},  {ColorWell::kControl, {83, 58, 148, 97}},
    {ColorWell::kControl, {84, 41, 148, 49}},
};

const RECT& CaptionBounds(int item) {
  for (const HotRectangle& each : kRectangles)
    if (each.item == item) return each.bounds;
  return kRectangles[0].bounds;
}

// The default captions, in code page 1251: "&Интерфейс", "&Заголовок",
// "&Контрол", with the keys of И, З and К on a Russian keyboard.
constexpr const char* kDefaultCaptions[] = {"&\xC8\xED\xF2\xE5\xF0\xF4\xE5\xE9\xF1",
                                            "&\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA",
                                            "&\xCA\xEE\xED\xF2\xF0\xEE\xEB"};
constexpr int kDefaultKeys[] = {0x42, 0x50, 0x52};

bool IsItem(int item) { return item >= 0 && item < ColorWell::kItemCount; }

}  // namespace

ColorWell::ColorWell() : captionColour_(GetSysColor(COLOR_WINDOWTEXT)) {
  for (int item = 0; item < kItemCount; ++item)
    items_[item] = {GetSysColor(COLOR_BTNFACE), kDefaultCaptions[item],
                    MnemonicOf(kDefaultKeys[item])};
}

bool ColorWell::Attach(HWND window, UINT bitmapId, UINT cursorId) {
  return AttachPicture(window, bitmapId, cursorId);
}

COLORREF ColorWell::GetColor(int item) const {
  return IsItem(item) ? items_[item].colour : GetSysColor(COLOR_WINDOW);
}

void ColorWell::SetColor(int item, COLORREF colour) {
  if (IsItem(item)) items_[item].colour = colour;
}

UINT ColorWell::MnemonicOf(int key) {
  if (key >= 97 && key <= 122) key -= 32;
  return MapVirtualKeyExA(static_cast<UINT>(key), MAPVK_VK_TO_CHAR, GetKeyboardLayout(0));
}

COLORREF ColorWell::FillColourFor(COLORREF colour) {
  switch (colour) {
    case 0x000000:
      return 0x000001;
    case 0x808080:
      return 0x808081;
    case 0xC0C0C0:
      return 0xC0C0C1;
    case 0xFFFFFF:
      return 0xFFFFFE;
    default:
      return colour;
  }
}

void ColorWell::SetCaption(int item, const std::string& caption, int key) {
  if (!IsItem(item)) return;
  if (picture() && handle()) {
    Selection selection(picture());
    DrawCaption(selection.dc(), item, AreaColour(selection.dc(), item));
    items_[item].caption = caption;
    DrawCaption(selection.dc(), item, captionColour_);
    Repaint();
  }
  items_[item].caption = caption;
  items_[item].mnemonic = MnemonicOf(key);
}

COLORREF ColorWell::AreaColour(HDC dc, int item) const {
  const RECT& bounds = CaptionBounds(item);
  return GetPixel(dc, bounds.left, bounds.top);
}

void ColorWell::DrawCaption(HDC dc, int item, COLORREF colour) const {
  RECT bounds = CaptionBounds(item);
  HGDIOBJ oldFont = captionFont_ ? SelectObject(dc, captionFont_) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextA(dc, items_[item].caption.c_str(), -1, &bounds, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (oldFont) SelectObject(dc, oldFont);
}

void ColorWell::PaintItem(int item) {
  if (!IsItem(item) || !picture()) return;
  Selection selection(picture());
  HDC dc = selection.dc();
  const COLORREF surface = AreaColour(dc, item);
  DrawCaption(dc, item, surface);
  HBRUSH brush = CreateSolidBrush(FillColourFor(items_[item].colour));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  for (const HotRectangle& each : kRectangles)
    if (each.item == item)
      ExtFloodFill(dc, each.bounds.left, each.bounds.top, surface, FLOODFILLSURFACE);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  DrawCaption(dc, item, captionColour_);
  Repaint();
}

void ColorWell::PaintAll() {
  for (int item = 0; item < kItemCount; ++item) PaintItem(item);
}

void ColorWell::Paint(HDC dc) {
  Selection selection(picture());
  BitBlt(dc, 0, 0, pictureSize().cx, pictureSize().cy, selection.dc(), 0, 0, SRCCOPY);
}

void ColorWell::ChooseColour(int item) {
  CHOOSECOLORA choice = {};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = handle();
  choice.rgbResult = items_[item].colour;
  choice.lpCustColors = customColours_;
  choice.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorA(&choice)) return;
  items_[item].colour = choice.rgbResult;
  PaintItem(item);
}

bool ColorWell::OnPictureMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_GETDLGCODE:
      // While focused the letters are ours: a mnemonic equal to one of the
      // dialog's would otherwise press that button.
      *result = DefaultProcessing(message, wParam, lParam) | (focused() ? DLGC_WANTCHARS : 0);
      return true;
    case WM_KEYUP:
      if (!focused() || wParam < 65 || wParam > 90) return false;
      for (int item = 0; item < kItemCount; ++item) {
        if (items_[item].mnemonic == wParam) {
          ChooseColour(item);
          break;
        }
      }
      *result = 0;
      return true;
    case WM_LBUTTONDOWN: {
      if (hovering()) SetFocus(handle());
      POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      for (int k = static_cast<int>(sizeof(kRectangles) / sizeof(kRectangles[0])) - 1; k >= 0;
           --k) {
        if (PtInRect(&kRectangles[k].bounds, at)) {
          ChooseColour(kRectangles[k].item);
          break;
        }
      }
      *result = 0;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace morvex::settingssheet
