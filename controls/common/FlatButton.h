// FlatButton: the owner-drawn push button behind the small icon buttons of
// the viewer, the tip, the main program, the settings dialog and the about
// box. It draws a flat face that raises an edge while the mouse is over it,
// a hot or a cold icon, an optional drop-down arrow part, one of three edge
// shapes and a centred caption, and it tells its parent of Enter and Tab.
//
// The owner creates an ordinary "BUTTON" child, attaches a FlatButton to it
// (which makes it owner drawn), sets the look, and hands the button's
// WM_DRAWITEM back to it: either reflected (com/Reflection.h, the owner's
// answer is the button's) or sent on by hand, the owner answering TRUE:
//
//   button_.Attach(CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
//                                  x, y, cx, cy, parent, HMENU(619), module, nullptr));
//   button_.look().edgeShape = EdgeShape::kCapsule;
//   button_.LoadIcons(202, 0, 16, 16);
//   ...
//   case WM_DRAWITEM:                       // in the owner, without reflection
//     if (wParam == 619) { SendMessageA(button_.handle(), WM_DRAWITEM, wParam, lParam); return
//     TRUE; }
//
// A click comes to the parent as the button's BN_CLICKED (a double click is
// a second press); Enter released on the focused button as WM_COMMAND with
// its id, Tab released on it as WM_COMMAND with TABKEY_NOTIFY in the high
// word. Both name the button in lParam.
//
// Lives in the user-interface thread of its owner.
#pragma once

#include <windows.h>

#include <cstdint>

#include "com/SubclassedWindow.h"
#include "controls/common/ButtonIcons.h"
#include "controls/common/EdgeShapes.h"
#include "controls/common/portable/FlatButtonGeometry.h"

namespace morvex::controls {

// The notification code of Tab released on a flat button.
constexpr WORD TABKEY_NOTIFY = 0x5B74;

// How the button looks; the owner sets it after attaching and repaints.
struct FlatButtonLook {
  flat_button::Layout layout = flat_button::Layout::kIconLeftArrowRight;
  bool showText = true;      // the window text as caption
  bool raiseOnHover = true;  // flat: a raised edge while hot, a sunken one while pressed
  bool flat = true;          // false: the classic three-dimensional face
  bool focusFrame = false;   // flat: a focus frame while focused (the classic face always)
  bool coldEdge = false;     // flat: a shadow edge while not hot
  EdgeShape edgeShape = EdgeShape::kRectangle;
  bool dropArrow = false;
  bool transparent = false;  // the face shows the parent's background
  // Face and caption colours while not hot, and while hot or pressed; the
  // system's button face and text colours to start with.
  COLORREF coldBack;
  COLORREF coldText;
  COLORREF hotBack;
  COLORREF hotText;
};

class FlatButton : private com::SubclassedWindow {
 public:
  FlatButton();
  ~FlatButton() override;

  // Takes over `button`, a "BUTTON" child window, and makes it owner drawn
  // (its button type becomes BS_OWNERDRAW). False when it cannot be
  // subclassed (no window, or this object holds one already).
  bool Attach(HWND button);
  using com::SubclassedWindow::handle;
  using com::SubclassedWindow::SetOwner;

  FlatButtonLook& look() { return look_; }
  const FlatButtonLook& look() const { return look_; }

  // The icons from icon resources of the module this code is linked into,
  // drawn width x height (each taken modulo 256); cold id 0 shows the hot
  // icon in both states. The icons held before are freed and the button is
  // redrawn at once. False when the hot icon cannot be loaded.
  bool LoadIcons(UINT hotId, UINT coldId, int width, int height);
  // The same with copies of the given icons (the caller keeps its own); a
  // null cold icon makes the hot copy serve in both states.
  bool SetIcons(HICON hot, HICON cold, int width, int height);
  // The cursor over the button: a copy of `cursor` (null: the class cursor).
  void SetHoverCursor(HCURSOR cursor);

  // State, for the owner and for tests.
  bool hot() const { return hot_; }
  bool focused() const { return focused_; }  // as of the last draw
  bool arrowPressed() const { return arrowPressed_; }
  uint8_t arrowWidth() const { return arrowWidth_; }  // as of the last draw
  HICON hotIcon() const { return icons_.hot(); }
  HICON coldIcon() const { return icons_.cold(); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyUp(WPARAM key, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
  LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
  void Invalidate();
  void RedrawNow();

  // Drawing (FlatButtonDrawing.cpp).
  void Draw(const DRAWITEMSTRUCT& item);
  void DrawEdges(HDC dc, const RECT& face, bool selected) const;
  RECT DrawIcon(HDC dc, const RECT& item, bool hasCaption, bool selected, bool disabled) const;
  RECT DrawDropArrow(HDC dc, const RECT& item, const RECT& textArea) const;
  void DrawCaption(HDC dc, const char* caption, RECT textArea, bool selected, bool disabled) const;
  void DrawFocusFrame(HDC dc, const RECT& face) const;
  void DrawParentBackground(HDC dc) const;

  FlatButtonLook look_;
  bool hot_ = false;
  bool focused_ = false;
  bool arrowPressed_ = false;
  uint8_t arrowWidth_ = 255;
  uint8_t iconWidth_ = 0;
  uint8_t iconHeight_ = 0;
  ButtonIcons icons_;
  HCURSOR cursor_ = nullptr;
};

}  // namespace morvex::controls
