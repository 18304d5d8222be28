// What QuickHint's tests share: the tip hosted by ProgID in our "AtlAxWin"
// inside a frame window of the test, as the tip host does, with every event
// recorded (its DISPID and its arguments as numbers, in declared order); the
// tip's child windows; and small helpers to read the body and send keys.
#pragma once

#include <gtest/gtest.h>
#include <ocidl.h>
#include <richedit.h>
#include <windows.h>

#include <string>
#include <vector>

#include "QuickHint.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/testing/ServerClient.h"

namespace morvex::quickhint::testing {

using morvex::com::testing::Hr;

inline constexpr wchar_t kQuickHintDll[] = L"QuickHint.dll";
inline constexpr char kProgId[] = "QuickHint.QuickHintCtrl";

inline constexpr UINT kBodyId = 622;
inline constexpr UINT kHeaderId = 621;
inline constexpr UINT kButtonId = 619;

enum : DISPID {
  kLangChanged = 1,
  kNeedToHide = 2,
  kNeedToChangeLang = 3,
  kNeedEditMenu = 4,
  kNeedDictViewer = 5
};

struct Event {
  DISPID id;
  std::vector<long> arguments;
};

class QuickHintTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Body() const;
  HWND Header() const;
  HWND Button() const;
  // The events with this DISPID so far.
  std::vector<Event> EventsOf(DISPID id) const;
  // Pumps until the condition holds, at most a few seconds.
  template <class Condition>
  bool WaitFor(Condition done);

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  HWND tip_ = nullptr;  // the control's own window
  com::Ptr<IQuickHintCtrl> control_;
  com::Ptr<com::EventSink> sink_;
  std::vector<Event> events_;
};

// The body's text as the rich edit holds it (each line end one "\r").
std::wstring BodyText(HWND body);
// The character format at position `at` of the rich edit.
CHARFORMAT2W FormatAt(HWND body, LONG at);
// A window's client area as it paints itself into a DIB section
// (WM_PRINTCLIENT), top-down 0x00BBGGRR.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;
  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y * width + x)]; }
};
Pixels PrintClient(HWND window);
// The window as it shows on the screen, frame included.
Pixels CaptureOnScreen(HWND window);
// Writes the pixels as a binary PPM picture, for a person to look at.
bool SavePicture(const Pixels& pixels, const char* path);

// A key pressed and released in `window` as messages: key down, the
// typed character when there is one, key up.
void TypeKey(HWND window, UINT key, wchar_t character);

}  // namespace morvex::quickhint::testing

#include "com/testing/MessagePump.h"

template <class Condition>
bool morvex::quickhint::testing::QuickHintTest::WaitFor(Condition done) {
  return com::testing::PumpUntil(done, 5000);
}
