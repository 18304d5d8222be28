// What the page strip's tests under Wine share: the apartment and the
// strip's DLL held for the whole run, a visible frame window with the strip
// created by its ProgID in our "AtlAxWin" host as the program creates it,
// the strip's events recorded as text ("A2" ActivatePage(2), "C0"
// ClickOnActivePage(0)), page windows of a known colour, the message pumps
// of com/testing, rectangles seen from the strip, and pixels of windows.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/testing/MessagePump.h"
#include "com/testing/ServerClient.h"
#include "controls/PageStrip/PageStrip.h"

// Rectangles compared and printed by the tests (in the namespace of RECT,
// where GoogleTest looks).
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline void PrintTo(const RECT& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace pagestrip_test {

using morvex::com::Ptr;
using morvex::com::testing::Hr;
using morvex::com::testing::Pump;
using morvex::com::testing::PumpUntil;

inline constexpr wchar_t kPageStripDll[] = L"PageStrip.dll";
inline constexpr char kPageStripProgId[] = "PageStrip.VelPageStrip.1";

// The strip's client size in the tests' frames.
inline constexpr int kStripWidth = 300;
inline constexpr int kStripHeight = 240;

// The colour page windows paint themselves in.
inline constexpr COLORREF kPageColour = RGB(40, 160, 90);

// A window's rectangle in the client coordinates of `reference`.
RECT RectIn(HWND window, HWND reference);

// A frame with a strip of kStripWidth x kStripHeight filling it; every test
// must leave no object of the strip's DLL alive.
class StripTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Three pages, "Translation", "Dictionary" and "Collection", each with a
  // page window of its own; the last one open.
  void AddThreePagesWithWindows();
  // A visible child of the frame that paints itself in kPageColour.
  HWND MakePageWindow();
  // The events recorded so far, and a fresh start of them.
  std::string TakeEvents();

  HWND StripWindow() const;

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  Ptr<IVelPageStrip> strip_;
  std::vector<HWND> pages_;

 private:
  Ptr<morvex::com::EventSink> sink_;
  std::string events_;
};

// The colour of one pixel of a window's client area, as 0x00BBGGRR.
COLORREF WindowPixel(HWND window, POINT client);
// The pixels of a window's client area as it shows them (its child
// windows included), top row first, each as 0x00BBGGRR; also written as a
// bitmap file `path` when given (the tests' own screenshot, to look at).
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  bool Holds(const RECT& area, COLORREF colour) const;
};
Picture CaptureWindow(HWND window, const wchar_t* path = nullptr);

}  // namespace pagestrip_test
