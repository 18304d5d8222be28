// The flat button's picture: face, edges, icon, drop arrow, caption and
// focus frame, drawn into the context of the item the owner hands back.
#include "controls/common/FlatButton.h"

namespace morvex::controls {

namespace {

using flat_button::Layout;

struct EdgeColours {
  COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  COLORREF darkShadow = GetSysColor(COLOR_3DDKSHADOW);
};

void FillTriangle(HDC dc, const flat_button::Triangle& triangle, int systemColour) {
  POINT corners[3];
  for (int i = 0; i < 3; ++i) corners[i] = {triangle.corners[i].x, triangle.corners[i].y};
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(systemColour));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(systemColour));
  Polygon(dc, corners, 3);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

}  // namespace

void FlatButton::Draw(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  focused_ = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT face = item.rcItem;
  arrowWidth_ = flat_button::ArrowWidth(face.right - face.left);

  if (!look_.flat && focused_) {
    FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&face, -1, -1);
  }
  if (look_.transparent)
    DrawParentBackground(dc);
  else
    FillSolidRect(dc, face, hot_ || selected ? look_.hotBack : look_.coldBack);
  DrawEdges(dc, face, selected);

  char caption[256] = "";
  if (look_.showText && handle()) GetWindowTextA(handle(), caption, sizeof caption);
  RECT textArea = item.rcItem;
  if (icons_.hot()) textArea = DrawIcon(dc, item.rcItem, caption[0] != '\0', selected, disabled);
  if (look_.dropArrow) textArea = DrawDropArrow(dc, item.rcItem, textArea);
  if (caption[0]) DrawCaption(dc, caption, textArea, selected, disabled);

  if ((!look_.flat || look_.focusFrame) && focused_ && !selected) DrawFocusFrame(dc, face);
}

void FlatButton::DrawEdges(HDC dc, const RECT& face, bool selected) const {
  const EdgeColours colours;
  const EdgeShape shape = look_.edgeShape;
  if (!selected || arrowPressed_) {
    if (!look_.flat)
      DrawEdgeShape(dc, face, colours.darkShadow, colours.shadow, shape);
    else if (hot_ && look_.raiseOnHover)
      DrawEdgeShape(dc, face, colours.highlight, colours.shadow, shape);
    else if (!hot_ && look_.coldEdge)
      DrawEdgeShape(dc, face, colours.shadow, colours.shadow, shape);
    return;
  }
  if (!look_.flat) {
    FrameRect(dc, &face, GetSysColorBrush(COLOR_BTNSHADOW));
    return;
  }
  if (!look_.raiseOnHover) return;
  if (!look_.dropArrow) {
    DrawEdgeShape(dc, face, colours.shadow, colours.highlight, shape);
    return;
  }
  RECT main = face;
  main.right = face.right - arrowWidth_ + 2;
  DrawEdgeShape(dc, main, colours.shadow, colours.highlight, shape);
  RECT arrow = face;
  arrow.left = face.right - arrowWidth_;
  DrawEdgeShape(dc, arrow, colours.highlight, colours.shadow, shape);
}

RECT FlatButton::DrawIcon(HDC dc, const RECT& item, bool hasCaption, bool selected,
                          bool disabled) const {
  const flat_button::IconRequest request = {ToGeometry(item), look_.layout, hasCaption,
                                            look_.dropArrow,  arrowWidth_,  iconWidth_,
                                            iconHeight_,      selected};
  const flat_button::IconPlacement placed = flat_button::PlaceIcon(request);
  HICON icon = hot_ || selected ? icons_.hot() : icons_.cold();
  DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, placed.origin.x,
             placed.origin.y, iconWidth_, iconHeight_, DST_ICON | (disabled ? DSS_DISABLED : 0));
  return ToWindows(placed.textArea);
}

RECT FlatButton::DrawDropArrow(HDC dc, const RECT& item, const RECT& textArea) const {
  const RECT part = ToWindows(flat_button::ArrowPart(ToGeometry(item), look_.layout, arrowWidth_));
  const flat_button::Point centre = flat_button::CentreOf(ToGeometry(part));
  FillTriangle(dc, flat_button::DropArrowTriangle(centre), hot_ ? COLOR_BTNTEXT : COLOR_BTNSHADOW);

  const EdgeColours colours;
  if (arrowPressed_) {
    DrawEdgeShape(dc, part, colours.shadow, colours.highlight, look_.edgeShape);
  } else if (look_.flat && !hot_ && look_.coldEdge) {
    FillSolidRect(dc, {part.left, part.top + 1, part.left + 1, part.bottom - 1}, colours.shadow);
  } else {
    FillSolidRect(dc, {part.left, part.top + 1, part.left + 1, part.bottom}, colours.shadow);
    FillSolidRect(dc, {part.left + 1, part.top, part.left + 2, part.bottom - 1}, colours.highlight);
  }
  return ToWindows(
      flat_button::TextAreaBesideArrow(ToGeometry(textArea), look_.layout, arrowWidth_));
}

void FlatButton::DrawCaption(HDC dc, const char* caption, RECT textArea, bool selected,
                             bool disabled) const {
  if (selected) OffsetRect(&textArea, 1, 1);
  const bool lit = hot_ || selected;
  COLORREF oldText = SetTextColor(dc, lit ? look_.hotText : look_.coldText);
  COLORREF oldBack = SetBkColor(dc, lit ? look_.hotBack : look_.coldBack);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  RECT measured = {0, 0, 0, 0};
  DrawTextA(dc, caption, -1, &measured, DT_CALCRECT | DT_SINGLELINE);
  const int width = measured.right - measured.left;
  const int height = measured.bottom - measured.top;
  const flat_button::Point origin = flat_button::CentredOrigin(ToGeometry(textArea), width, height);
  DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption), lstrlenA(caption), origin.x,
             origin.y, width, height, DST_PREFIXTEXT | (disabled ? DSS_DISABLED : 0));
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
}

void FlatButton::DrawFocusFrame(HDC dc, const RECT& face) const {
  RECT frame = face;
  if (look_.edgeShape == EdgeShape::kRectangle) {
    InflateRect(&frame, -1, -1);
    ::DrawFocusRect(dc, &frame);
    return;
  }
  InflateRect(&frame, -2, -2);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  DrawEdgeShape(dc, frame, shadow, shadow, look_.edgeShape);
}

// The parent erases into a memory picture of the area under the button,
// never on the screen: a parent that clips its children would leave that
// area out, and reading the screen back gives whatever is shown there.
void FlatButton::DrawParentBackground(HDC dc) const {
  HWND parent = handle() ? GetParent(handle()) : nullptr;
  if (!parent) return;
  RECT area;
  GetWindowRect(handle(), &area);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC parentDc = GetDC(parent);
  HDC memory = CreateCompatibleDC(parentDc);
  HBITMAP picture = CreateCompatibleBitmap(parentDc, width, height);
  HGDIOBJ old = SelectObject(memory, picture);
  SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
  SetViewportOrgEx(memory, 0, 0, nullptr);
  BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(parent, parentDc);
}

}  // namespace morvex::controls
