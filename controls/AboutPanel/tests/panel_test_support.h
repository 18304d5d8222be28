// What AboutPanel's tests under Wine share: the panel hosted by ProgID in
// our "AtlAxWin" inside a magenta frame of the test (magenta shows at once
// where the panel paints nothing), its children and every OnExit
// recorded; the tests' own picture; and pixels read back from the screen.
#pragma once

#include <gtest/gtest.h>
#include <ocidl.h>
#include <windows.h>

#include <vector>

#include "AboutPanelVtable.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/testing/ServerClient.h"

namespace morvex::aboutpanel::testing {

using com::testing::Hr;

inline constexpr wchar_t kDll[] = L"AboutPanel.dll";

// The quarters of panel_picture.bmp (images/make_images.py): top-left,
// top-right, bottom-left, bottom-right.
inline constexpr COLORREF kQuarters[4] = {RGB(200, 40, 40), RGB(40, 160, 60), RGB(50, 70, 200),
                                          RGB(230, 200, 30)};

class PanelTest : public ::testing::Test {
 protected:
  // The frame's place on the screen; the panel fills it.
  explicit PanelTest(RECT frame = {100, 100, 400, 300}) : frameRect_(frame) {}
  void SetUp() override;
  void TearDown() override;

  // Sizes the host, which the panel lays itself out for.
  void Resize(int width, int height);

  RECT frameRect_;
  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  HWND panel_ = nullptr;
  HWND button_ = nullptr;
  HWND link_ = nullptr;
  com::Ptr<IAboutPanelCtrl> control_;
  com::Ptr<com::EventSink> sink_;
  std::vector<long> exits_;
};

// The tests' picture, a bitmap resource of the test program.
const void* TestPicture();

// The OK button's (GetBnOkPos) or the link's rectangle as the panel gives it.
RECT Rect(IAboutPanelCtrl* control, bool okButton);
::testing::AssertionResult RectIs(const RECT& actual, const RECT& expected);

// Pixels of `window`'s client area (null: the screen) as shown, row by row.
std::vector<COLORREF> Capture(HWND window, int width, int height);
// For looking at: a capture as a 32-bit BMP beside the test program.
void Save(const std::vector<COLORREF>& pixels, int width, int height, const char* path);

}  // namespace morvex::aboutpanel::testing
