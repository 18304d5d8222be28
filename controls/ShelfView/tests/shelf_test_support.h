// What ShelfView's tests under Wine share: the real dictionary system over
// small dictionaries the build made with the dictd builder (the registry
// lists it reads written by the test, the user's own set aside), the shelf
// hosted by its ProgID in an "AtlAxWin" host of a topmost test window and
// set up as the main window sets it up, its events counted, and the windows
// and items inside it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "LexiconHub.h"
#include "ShelfView.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/testing/MessagePump.h"
#include "com/testing/ServerClient.h"

// The framework's client-side helpers, used throughout these tests.
using namespace morvex::com::testing;

inline constexpr wchar_t kShelfViewDll[] = L"ShelfView.dll";
inline constexpr char kShelfProgId[] = "ShelfView.ShelfViewCtrl.1";

// The test dictionaries: file name, languages and number of articles.
struct TestDictionary {
  const char* file;
  long langIn;
  long langOut;
  long articles;
};
inline constexpr TestDictionary kEnglishRussian = {"english_russian.dic", 1033, 1049, 3};
inline constexpr TestDictionary kRussianEnglish = {"russian_english.dic", 1049, 1033, 2};
inline constexpr TestDictionary kEnglishFrench = {"english_french.dic", 1033, 1036, 1};

// A started dictionary system whose collection holds the dictionaries
// given, in that order (one file may be listed more than once: each time
// it is an object of its own).
morvex::com::Ptr<ILexiconHub> MakeSystem(const std::vector<TestDictionary>& dictionaries);
// The collection's dictionary at 1-based `index`.
morvex::com::Ptr<IVelDictionary> DictionaryAt(ILexiconHub* system, long index);
// A dictionary object of `dictionary`'s file that no collection holds.
morvex::com::Ptr<IVelDictionary> LooseDictionary(const TestDictionary& dictionary);
// The name the system's registry manager makes for the dictionary, ANSI.
std::string MadeName(ILexiconHub* system, IVelDictionary* dictionary, long langId);

class ShelfTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new shelf in a host of `width` x `height` at (10, 10) of the test
  // window, its events counted; replaces the fixture's.
  void MakeShelf(int width, int height);
  // Gives the shelf a system as the main window does: DictSystem,
  // BackColor, TextColor, Font, DictCollName, InfoTipTitle, LangID.
  void SetUpAsTheHostDoes(ILexiconHub* system);

  HWND ControlWindow() const;  // the control's own window, the host's child
  HWND Pager() const;
  HWND Tree() const;
  int ItemCount() const;
  // Images in the tree's image list; -1 when it has none.
  int ImageCount() const;
  HTREEITEM Root() const;
  // The root's children in order.
  std::vector<HTREEITEM> Children() const;
  HTREEITEM Selected() const;
  std::string TextOf(HTREEITEM item) const;
  // The row of an item in the tree's client coordinates.
  RECT RowOf(HTREEITEM item) const;
  // Whether the shelf's ActiveObject is `dictionary` (COM identity).
  bool ActiveObjectIs(IVelDictionary* dictionary) const;
  void ResetCounts() { selChanges_ = needShowDics_ = 0; }

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  morvex::com::Ptr<IShelfViewCtrl> shelf_;
  morvex::com::Ptr<morvex::com::EventSink> sink_;
  int selChanges_ = 0;
  int needShowDics_ = 0;
  // The colours the host gives the shelf.
  COLORREF back_ = RGB(236, 232, 216);
  COLORREF text_ = RGB(0, 0, 160);
};

// A window's client area as the screen shows it, kept as a 24-bit
// bottom-up DIB, the layout of a .bmp file's pixels.
class ScreenPicture {
 public:
  explicit ScreenPicture(HWND window);
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF At(int x, int y) const;
  // Writes the picture as a .bmp file; false when it cannot.
  bool Save(const std::wstring& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  BITMAPINFOHEADER header_ = {};
  std::vector<BYTE> bits_;
};
