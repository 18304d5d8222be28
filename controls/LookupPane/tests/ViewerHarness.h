// What every LookupPane test under Wine shares, whatever dictionaries it
// uses: the viewer hosted by its ProgID in our "AtlAxWin" inside a topmost
// frame of the test, set up as the main window sets it up, every event
// recorded, its children read back, real keys and clicks, and the screen's
// picture of it.
#pragma once

#include <gtest/gtest.h>
#include <ocidl.h>
#include <windows.h>
// After windows.h, which it needs.
#include <richedit.h>

#include <string>
#include <vector>

#include "LexiconHub.h"
#include "LookupPane.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/testing/MessagePump.h"
#include "com/testing/ServerClient.h"

namespace morvex::lookuppane::testing {

using com::testing::Hr;

inline constexpr wchar_t kLookupPaneDll[] = L"LookupPane.dll";
inline constexpr char kProgId[] = "LookupPane.VelDictViewCtrl.1";

inline constexpr UINT kListId = 616;
inline constexpr UINT kEntryId = 617;
inline constexpr UINT kArticleId = 618;
inline constexpr UINT kStripHostId = 619;
inline constexpr UINT kDirectionId = 620;
inline constexpr UINT kHistoryButtonId = 621;

enum : DISPID { kNeedToChangeLang = 1, kNeedToSetLangInput = 2, kNeedPopupMenu = 3 };

struct Event {
  DISPID id;
  std::vector<long> arguments;
};

class ViewerHarness : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new viewer in a host of width x height at (10, 10) of the frame,
  // events recorded; replaces the fixture's.
  void MakeViewer(int width, int height);
  // Colours, font and titles as the main window gives them.
  void SetUpAsTheHostDoes();

  HWND ControlWindow() const;  // the host's child
  HWND Child(UINT id) const { return GetDlgItem(ControlWindow(), static_cast<int>(id)); }
  HWND Entry() const { return Child(kEntryId); }
  HWND List() const { return Child(kListId); }
  HWND Article() const { return Child(kArticleId); }

  std::vector<std::string> Rows() const;
  int SelectedRow() const;
  std::string SelectedWord() const;
  std::string EntryText() const;
  // The article's text as the rich edit holds it (each line end one "\r").
  std::wstring ArticleText() const;
  std::vector<Event> EventsOf(DISPID id) const;

  // The frame in front and `window` focused, so that real input reaches it.
  void FocusForInput(HWND window);
  // Presses a key combination ("ctrl+v") through SendInput and lets the
  // windows handle it.
  void Press(const wchar_t* combo);
  // Types the characters through SendInput, as a keyboard does.
  void Type(const std::wstring& text);
  // A real click at `at`, client coordinates of `window`.
  void Click(HWND window, POINT at);
  // The article's position of the first `text` in it, -1 when absent.
  LONG ArticlePositionOf(const std::wstring& text) const;

  // Pumps until the condition holds, at most a few seconds.
  template <class Condition>
  bool WaitFor(Condition done) {
    return com::testing::PumpUntil(done, 5000);
  }

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  com::Ptr<IVelDictViewCtrl> viewer_;
  com::Ptr<com::EventSink> sink_;
  std::vector<Event> events_;
};

// A window as the screen shows it, kept as 32-bit pixels (top row first).
class ScreenPicture {
 public:
  explicit ScreenPicture(HWND window);
  int width() const { return width_; }
  int height() const { return height_; }
  // The pixel at (x, y) of the window; black outside it.
  COLORREF At(int x, int y) const;
  // Writes the picture as a .bmp file beside the test program; false when
  // it cannot.
  bool Save(const char* name) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> bits_;  // 0x00RRGGBB
};

// The character format at position `at` of the rich edit.
CHARFORMAT2W FormatAt(HWND view, LONG at);

}  // namespace morvex::lookuppane::testing
