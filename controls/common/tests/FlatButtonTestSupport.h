// What the flat button's tests share: a parent window that records the
// commands its buttons send and can reflect their drawing, a "BUTTON" child
// with a FlatButton attached, drawing it into a canvas (the menu renderer
// tests', a 32-bit DIB section read back pixel by pixel), and the system's
// edge colours.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "PainterTestSupport.h"
#include "controls/common/FlatButton.h"

namespace morvex::controls::testing {

constexpr int kButtonId = 619;

// Writes the picture as a BMP file into the directory MORVEX_TEST_PICTURES
// names, when the run names one.
void SavePictureIfAsked(const Canvas& canvas, int width, int height, const char* name);

struct Command {
  WORD id;
  WORD code;
  HWND sender;
};

class FlatButtonTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new button of `style` ("BUTTON" styles) in place of the fixture's,
  // `width` x `height` at (100, 20) in the parent, attached.
  void MakeButton(DWORD style, int width, int height);
  // The item of the button drawn into `canvas` (width x height), as its
  // owner hands it over; DrawInto sends it to the button.
  DRAWITEMSTRUCT ItemFor(const Canvas& canvas, SIZE size, UINT itemState) const;
  void DrawInto(const Canvas& canvas, SIZE size, UINT itemState);
  // Makes the button hot (a move over it) or cold again (a move away).
  void Hover(int x, int y, WPARAM keys = 0);

  // The commands the parent received since the last call.
  std::vector<Command> TakeCommands();

  HWND parent_ = nullptr;
  HWND buttonWindow_ = nullptr;
  std::unique_ptr<FlatButton> button_;
};

// The parent reflects its children's notifications (com/Reflection.h)
// while set; else it leaves WM_DRAWITEM to DefWindowProc.
void SetParentReflects(bool reflects);
// The parent's WM_ERASEBKGND paints its client area left of x = split in
// `left` and the rest in `right`; every other erase is the default.
void SetParentBackground(int split, COLORREF left, COLORREF right);

struct EdgeColours {
  COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  COLORREF darkShadow = GetSysColor(COLOR_3DDKSHADOW);
  COLORREF text = GetSysColor(COLOR_BTNTEXT);
};

}  // namespace morvex::controls::testing
