// HyperLinkStatic: a static child window made a clickable link. It draws
// its text underlined in one of three colours (hover or focus, visited,
// normal), shows a cursor of its owner's, fits itself to its text, answers
// Enter and Tab to its parent, and opens its text as an address (OpenUrl)
// when its owner asks, with a box naming the reason when that fails.
//
// The parent reflects its children's notifications (com/Reflection.h): the
// link draws itself from the reflected WM_DRAWITEM and answers the
// reflected WM_CTLCOLORSTATIC. A click reaches the parent as the static's
// STN_CLICKED; Enter's release as a command with code 0, Tab's with
// kTabKeyNotify, the link's window in lParam.
//
// Used by the about panel.
#pragma once

#include <windows.h>

#include <string>

#include "com/SubclassedWindow.h"
#include "controls/common/UrlOpener.h"

namespace morvex::controls {

// The command code of Tab released on the link.
constexpr WORD kTabKeyNotify = 0x5B74;

class HyperLinkStatic : public com::SubclassedWindow {
 public:
  HyperLinkStatic();
  ~HyperLinkStatic() override;

  // Subclasses the static and makes it owner-drawn and notifying; a window
  // without text gets the link's text, and a link without text takes the
  // window's. The cursor becomes the arrow, the colours the given ones, and
  // the window is fitted to its text. False when the window cannot be
  // subclassed.
  bool Attach(HWND window, COLORREF hover, COLORREF normal);

  // A font made from the description, always underlined.
  void SetFont(const LOGFONTA& font);
  void SetColors(COLORREF hover, COLORREF normal, COLORREF visited);
  // The owner's cursor, which it keeps and frees.
  void SetCursor(HCURSOR cursor);
  // The text shown, which is also the address opened.
  void SetText(const char* text);
  // What opening starts; the system's until a test gives its own, which
  // must outlive the link.
  void SetUrlStarter(const UrlStarter& starter) { starter_ = &starter; }

  // The text's size in the link's font; (0, 0) without a device context.
  SIZE TextExtent() const;
  // Moves and sizes the window to its text within `area` (parent client
  // coordinates), or within its own rectangle when `area` is null.
  void Fit(const RECT* area);
  // Opens the text as an address. Success marks the link visited; failure
  // clears the mark and shows the box with the reason. True on success.
  bool Open();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnCtlColorStatic(HDC dc);
  void OnMouseMove(WPARAM keys, LPARAM position);
  void OnCaptureChanged();
  void OnFocus(bool gained);
  bool OnKeyUp(WPARAM key);
  void Redraw();

  COLORREF hover_ = RGB(0, 0, 0x80);
  COLORREF normal_ = RGB(0, 0, 0xEE);
  COLORREF visited_ = RGB(0x55, 0x1A, 0x8B);
  bool wasVisited_ = false;
  bool hovering_ = false;
  bool focused_ = false;
  std::string text_;
  HFONT font_ = nullptr;
  HCURSOR cursor_ = nullptr;
  const UrlStarter* starter_ = &SystemUrlStarter();
};

// --- Details, exposed for the tests.

// The rectangle a link with the style and text size takes within `area`:
// as high as its text (centred with a margin under SS_CENTERIMAGE), and
// cx + 10 wide centred, or cx + 5 wide at the left or the right.
RECT FitHyperLinkRect(const RECT& area, SIZE text, LONG style);

// The error box's text for an opening's result.
const char* HyperLinkErrorText(INT_PTR result);

// The error box's caption.
constexpr char kHyperLinkErrorCaption[] = "Unable to open hyperlink:";

}  // namespace morvex::controls
