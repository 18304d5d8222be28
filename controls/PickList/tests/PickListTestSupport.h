// What PickList's tests share: the control hosted by ProgID in our
// "AtlAxWin" inside a frame window of the test, as the program hosts it,
// with every LangChanged recorded; a bounded pump; and showing the menu
// while a second thread works on the open menu as a user would.
#pragma once

#include <gtest/gtest.h>
#include <ocidl.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "PickList.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/testing/ServerClient.h"
#include "controls/common/tests/PixelChecks.h"

namespace morvex::picklist::testing {

using morvex::com::testing::Hr;

inline constexpr wchar_t kPickListDll[] = L"PickList.dll";
inline constexpr char kProgId[] = "PickList.PickListCtrl";

// The open menu as a second thread finds it.
struct OpenMenu {
  HWND window = nullptr;  // of class "#32768"
  HMENU menu = nullptr;
};

class PickListTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Shows the menu at `at` (screen) and runs `action` from a second thread
  // once the menu window is up; returns when the menu is closed (pressing
  // Escape into it if the action left it open). False when no menu showed.
  bool TrackWhile(POINT at, const std::function<void(const OpenMenu&)>& action);
  // Pumps until every message posted before the call has been handled.
  void PumpPosted();
  // Pumps until `count` events arrived, at most a few seconds.
  bool WaitForEvents(size_t count);

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  com::Ptr<IPickListCtrl> control_;
  com::Ptr<com::EventSink> sink_;
  std::vector<long> events_;  // LangChanged arguments in arrival order
};

// The facts of one item as the system holds them.
struct ItemState {
  UINT id = 0;
  UINT type = 0;
  UINT state = 0;
};
ItemState ItemAt(HMENU menu, UINT position);

// Presses a key combination ("down", "enter") through SendInput.
void Press(const wchar_t* keys);

// The pixels of `window` as shown, top-down 0x00RRGGBB.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  bool Holds(const RECT& area, COLORREF colour) const {
    return controls::testing::Holds(*this, area, colour);
  }
  bool OnlyHolds(const RECT& area, std::initializer_list<COLORREF> colours) const {
    return controls::testing::OnlyHolds(*this, area, colours);
  }
};
Capture CaptureWindow(HWND window);
// Writes the capture as a 24-bit BMP file.
bool SaveBitmap(const Capture& capture, const char* path);

// The centre pixel (8, 8) of image `index` of PickList's bitmap `id`.
inline COLORREF PickListImageCentre(UINT id, int index) {
  return controls::testing::ImageCentre(GetModuleHandleW(kPickListDll), id, index);
}

// Icons made from PickList's own images (hot ones from bitmap 201, cold
// ones from 202) as a host makes its small icons, handed over as longs.
class Icons {
 public:
  Icons();
  Icons(const Icons&) = delete;
  Icons& operator=(const Icons&) = delete;
  ~Icons();
  long Hot(int k) const { return HandleToLong(icons_[0][k]); }
  long Cold(int k) const { return HandleToLong(icons_[1][k]); }

 private:
  HICON icons_[2][4] = {};
};

// Where the tests show the menu: inside the screen, away from the frame.
inline constexpr POINT kMenuAt = {420, 120};

// The item's rectangle in the menu window's own coordinates.
RECT ItemInWindow(const OpenMenu& open, UINT position);
// The 20 x 20 icon cell at the item's left.
RECT CellOf(const RECT& item);
POINT CentreOf(const RECT& rect);
void CloseMenu(const OpenMenu& open);

// Captures the menu until `ready` holds for the capture (the menu paints
// after it shows), at most a few seconds; the last capture.
template <class Ready>
Capture CaptureWhen(const OpenMenu& open, Ready ready) {
  Capture capture;
  DWORD start = GetTickCount();
  do {
    capture = CaptureWindow(open.window);
    if (ready(capture)) break;
    Sleep(20);
  } while (GetTickCount() - start < 3000);
  return capture;
}

}  // namespace morvex::picklist::testing
