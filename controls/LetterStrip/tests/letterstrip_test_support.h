// What LetterStrip's tests under Wine share: the strip created by its
// ProgID in an "AtlAxWin" host of a topmost test window (no other test's
// window lies over it), its LetterSelected events recorded, fonts made and
// measured as the test's own check, the windows inside the strip, its
// pixels read back, and the check that nothing of the server outlives a
// test.
#pragma once

#include <gtest/gtest.h>
#include <olectl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/Fonts.h"
#include "com/testing/MessagePump.h"
#include "com/testing/ServerClient.h"
#include "controls/LetterStrip/LetterStrip.h"

// The framework's client-side helpers and message pumps, used throughout
// these tests.
using namespace morvex::com::testing;

inline constexpr wchar_t kLetterStripDll[] = L"LetterStrip.dll";
inline constexpr char kLetterStripProgId[] = "LetterStrip.VelLetterStripCtrl.1";
inline constexpr int kCyrillicCount = 28;
inline constexpr int kLatinCount = 26;
// Ж in code page 1251 and as the strip reports it.
inline constexpr char kZheAnsi[] = "\xC6";
inline constexpr wchar_t kZhe[] = L"\x0416";

// The letter font the tests give the strip.
inline constexpr morvex::com::FontSpec kStripFont = {L"Tahoma", 10, FW_NORMAL, RUSSIAN_CHARSET,
                                                     false};

// The extent of `text` in `spec`'s font remade in character set `charset`.
SIZE MeasureInCharset(const morvex::com::FontSpec& spec, BYTE charset, const char* text);

// Colours as 0x00BBGGRR (COLORREF), row by row from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;

  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y * width + x)]; }
  // How many pixels of the rectangle differ from `colour`.
  int CountOther(const RECT& area, COLORREF colour) const;
};

// The client area of a window as it is on the screen, painted first.
Pixels CaptureClient(HWND window);
// Writes the pixels as a 24-bit BMP file; false when it cannot.
bool SaveBmp(const Pixels& pixels, const std::wstring& path);

class StripTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A strip in a host of `width` x `height` at (10, 10) of the test window,
  // with the test font unless told otherwise; replaces the fixture's.
  void MakeStrip(int width, int height, bool withFont = true);

  // Puts LangType and remembers which alphabet the strip shows.
  void SetLangType(long langType);

  HWND ControlWindow() const;  // the control's own window, the host's child
  HWND Pager() const;
  HWND Cells() const;  // the owner-drawn static on the pager
  int Count() const;   // cells of the alphabet the strip shows
  int Cell() const;    // one cell's width: (GetSize's cx - 4) / Count()
  long CurSel() const;
  // Cell `index`'s rectangle on the static, and its centre on the screen.
  RECT CellOnStatic(int index) const;
  POINT CellCentreOnScreen(int index) const;

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  morvex::com::Ptr<IVelLetterStripCtrl> strip_;
  morvex::com::Ptr<morvex::com::EventSink> sink_;
  std::vector<std::wstring> selected_;  // LetterSelected, in order
  int langType_ = 25;
};
