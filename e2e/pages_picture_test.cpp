// The main window's pages as the user sees them, read from the screen, in
// the installed program with both shipped dictionaries: on the collection
// page each dictionary's row shows its pair's flags (LocaleKit's direction
// picture) over the shelf's book, the selected row framed sunken and the
// other rows' names in the text colour of the options; on the dictionary
// page after Ctrl+Alt+X the clipboard's word in the entry, its row of the
// word list selected, the article painted in the text colour, and the
// direction button showing the current pair's flags.
//
// The expected pictures are taken from where the program takes them: the
// locale kit's direction bitmap and the shelf's strip of tree pictures
// (bitmap 201 of ShelfView.dll), both as installed.
#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <string>
#include <vector>

#include "LocaleKit.h"
#include "PrefStore.h"
#include "com/ComPtr.h"
#include "controls/common/tests/PixelChecks.h"
#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "harness/MouseInput.h"
#include "harness/ScreenPixels.h"

namespace morvex::e2e {

namespace {

using controls::testing::Holds;

constexpr int kPageStripHostId = 1000;
constexpr int kViewerHostId = 1002;
constexpr int kShelfHostId = 1003;
constexpr int kShelfTreeId = 1000;
constexpr int kShelfPagerId = 1001;
constexpr int kWordListId = 616;
constexpr int kEntryId = 617;
constexpr int kArticleId = 618;
constexpr int kDirectionButtonId = 620;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
// The options' text colour: no picture of the program holds it, so where it
// shows, text was painted in it.
constexpr COLORREF kTextColour = RGB(0, 112, 48);
// The shelf's tree pictures in bitmap 201: a dictionary, the selected one.
constexpr int kBookImage = 3;
constexpr int kOpenBookImage = 4;
constexpr int kTreePictureSize = 32;
// The locale kit names a primary language with its neutral sublanguage bit.
constexpr long kNeutralSublanguage = 0x400;

// The shipped dictionaries in the collection's order.
struct Pair {
  long langIn;
  long langOut;
};
constexpr Pair kEnglishRussian = {1033, 1049};
constexpr Pair kEnglishFrench = {1033, 1036};

using harness::Picture;
using harness::PictureOfBitmap;

// The locale kit's direction bitmap of the pair, as the shelf and the main
// window ask for it; the caller deletes it.
HBITMAP DirectionBitmap(const Pair& pair) {
  com::Ptr<ILocaleKitMngr> locales;
  long handle = 0;
  if (FAILED(CoCreateInstance(CLSID_LocaleKitMngr, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ILocaleKitMngr, locales.PutVoid())) ||
      FAILED(locales->GetLangDirectionBmp(pair.langIn | kNeutralSublanguage,
                                          pair.langOut | kNeutralSublanguage, &handle)))
    return nullptr;
  // A bitmap handle travels in 32 bits; its upper half is the sign's.
  return reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(handle));
}

// The whole direction picture, as the shelf shows it.
Picture DirectionPicture(const Pair& pair) {
  Picture picture;
  if (HBITMAP bitmap = DirectionBitmap(pair)) {
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    picture = PictureOfBitmap(bitmap, {0, 0, size.bmWidth, size.bmHeight});
    DeleteObject(bitmap);
  }
  return picture;
}

// The direction picture as the main window keeps it for the viewer's
// button: 32 x 16 in a 16-colour masked image list, drawn on magenta.
Picture ButtonPicture(const Pair& pair) {
  constexpr int kWidth = 32, kHeight = 16;
  Picture picture;
  HBITMAP bitmap = DirectionBitmap(pair);
  if (!bitmap) return picture;
  HIMAGELIST list = ImageList_Create(kWidth, kHeight, ILC_COLOR4 | ILC_MASK, 1, 1);
  const int index = list ? ImageList_AddMasked(list, bitmap, kMagenta) : -1;
  DeleteObject(bitmap);
  if (index >= 0) {
    HDC screen = GetDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, canvas);
    RECT all = {0, 0, kWidth, kHeight};
    HBRUSH magenta = CreateSolidBrush(kMagenta);
    FillRect(memory, &all, magenta);
    DeleteObject(magenta);
    ImageList_Draw(list, index, memory, 0, 0, ILD_TRANSPARENT);
    SelectObject(memory, previous);
    DeleteDC(memory);
    picture = PictureOfBitmap(canvas, {0, 0, kWidth, kHeight});
    DeleteObject(canvas);
  }
  if (list) ImageList_Destroy(list);
  return picture;
}

// Picture `index` of the shelf's strip of tree pictures, as installed.
Picture TreePicture(int index) {
  Picture picture;
  HMODULE shelf =
      LoadLibraryExW(InstalledFile(L"ShelfView.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!shelf) return picture;
  auto strip = static_cast<HBITMAP>(
      LoadImageA(shelf, MAKEINTRESOURCEA(201), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (strip) {
    picture = PictureOfBitmap(strip, {kTreePictureSize * index, 0, kTreePictureSize * (index + 1),
                                       kTreePictureSize});
    DeleteObject(strip);
  }
  FreeLibrary(shelf);
  return picture;
}

// Pixels of the picture (its magenta left out) that the screen shows
// otherwise with the picture's top-left at `at`.
int PixelsAmiss(const harness::ScreenPixels& screen, const Picture& picture, POINT at) {
  int amiss = 0;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if (picture.At(x, y) != kMagenta) amiss += screen.At(at.x + x, at.y + y) != picture.At(x, y);
  return amiss;
}

// The leftmost place in the band where the picture shows whole; x -1 when
// nowhere.
POINT FindPicture(const harness::ScreenPixels& screen, const Picture& picture, const RECT& band) {
  return harness::FindPicture(screen, picture, band, kMagenta);
}

int PixelsOf(const harness::ScreenPixels& screen, const RECT& area, COLORREF colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += screen.At(x, y) == colour;
  return count;
}

RECT ScreenRectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

// The window's client area on the screen.
RECT ClientOnScreen(HWND window) {
  RECT rect = {};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void StoreTextColour(COLORREF colour) {
  com::Ptr<IVelMorvexOpt> options = ReadStoredOptions();
  if (!options) return;
  options->put_ColorText(colour);
  options->Write();
}

class PagesPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
    StoreOptions({});
    StoreTextColour(kTextColour);
    ASSERT_TRUE(program_.Start());
    mainWindow_ = program_.WaitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(mainWindow_, nullptr);
    // The splash stands over the window's middle.
    ASSERT_TRUE(program_.SkipSplash());
  }
  void TearDown() override {
    program_.CloseFromOutside();
    DWORD exitCode = 1;
    EXPECT_TRUE(program_.WaitForExit(kExitTimeoutMs, &exitCode));
    ForgetOptions();
  }

  HWND Child(HWND parent, int id) const { return parent ? DescendantWithId(parent, id) : nullptr; }

  // The dictionary page with the word looked up, through the dictionary key.
  bool LookUpFromTheClipboard(const wchar_t* word) {
    if (!PutClipboardText(word) || !Press(L"ctrl+alt+x")) return false;
    return WaitUntil(
        [&] {
          HWND article = Child(mainWindow_, kArticleId);
          return article && IsWindowVisible(article) &&
                 TextOf(Child(mainWindow_, kEntryId)) == word && !TextOf(article).empty();
        },
        kReactionTimeoutMs);
  }

  // The pointer away from the window: no row hot, no button lit.
  static void PointerAway() { harness::MovePointer({1000, 740}); }

  // The screen over the window once `painted` holds of it, or the last
  // look at it.
  template <class Condition>
  harness::ScreenPixels ScreenOnce(Condition painted) const {
    harness::ScreenPixels screen;
    WaitUntil(
        [&] {
          screen = harness::ScreenPixels::Capture(ScreenRectOf(mainWindow_));
          return painted(screen);
        },
        kReactionTimeoutMs);
    return screen;
  }

  InstalledProgram program_;
  HWND mainWindow_ = nullptr;
};

// The collection's header is the last one at the bottom of the page strip
// while another page is open.
TEST_F(PagesPictureTest, EachShelfRowShowsItsPairsFlagsAndTheSelectedRowIsSunken) {
  ASSERT_TRUE(LookUpFromTheClipboard(L"house"));
  HWND tree = Child(Child(mainWindow_, kShelfHostId), kShelfTreeId);
  ASSERT_NE(tree, nullptr) << "no shelf";
  const RECT strip = ScreenRectOf(Child(mainWindow_, kPageStripHostId));
  ASSERT_TRUE(ClickUntil(
      [&] {
        return POINT{(strip.left + strip.right) / 2, strip.bottom - 8};
      },
      [&] { return IsWindowVisible(tree) != FALSE; }, kReactionTimeoutMs))
      << "the collection page opens";
  PointerAway();

  // Rows are the tree's item height apart from the top of its client area
  // (the tree never scrolls itself; the pager moves it): the root, then the
  // dictionaries in the collection's order.
  auto item = [tree](WPARAM relation, LPARAM from) {
    return SendMessageA(tree, TVM_GETNEXTITEM, relation, from);
  };
  const LRESULT root = item(TVGN_ROOT, 0);
  const LRESULT first = item(TVGN_CHILD, root);
  const LRESULT second = item(TVGN_NEXT, first);
  ASSERT_NE(second, 0) << "both dictionaries listed";
  ASSERT_EQ(item(TVGN_NEXT, second), 0);
  ASSERT_EQ(item(TVGN_FIRSTVISIBLE, 0), root);
  EXPECT_EQ(item(TVGN_CARET, 0), first) << "the current dictionary's row is selected";
  const int rowHeight = static_cast<int>(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0));
  const int indent = static_cast<int>(SendMessageA(tree, TVM_GETINDENT, 0, 0));
  ASSERT_GE(rowHeight, kTreePictureSize) << "a row holds its pictures whole";
  const RECT client = ClientOnScreen(tree);
  auto rowRect = [&](int row) {
    return RECT{client.left, client.top + row * rowHeight, client.right,
                client.top + (row + 1) * rowHeight};
  };
  // The pager shows every row.
  const RECT shown = ClientOnScreen(Child(Child(mainWindow_, kShelfHostId), kShelfPagerId));
  EXPECT_LE(shown.top, rowRect(0).top);
  EXPECT_GE(shown.bottom, rowRect(2).bottom);

  struct Row {
    const char* name;
    int row;
    Pair pair;
  };
  const Row rows[] = {{"English-Russian", 1, kEnglishRussian},
                      {"English-French", 2, kEnglishFrench}};
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  auto sunkenOn = [&](const harness::ScreenPixels& screen, const RECT& rect) {
    const int middleX = (rect.left + rect.right) / 2, middleY = (rect.top + rect.bottom) / 2;
    // Wine's tree gives a row's drawing a rectangle a pixel shorter than
    // the rows' pitch: the light bottom line is the last or the one above.
    return screen.At(middleX, rect.top) == shadow && screen.At(rect.left, middleY) == shadow &&
           (screen.At(middleX, rect.bottom - 1) == light ||
            screen.At(middleX, rect.bottom - 2) == light) &&
           screen.At(rect.right - 1, middleY) == light;
  };
  auto checkRows = [&](int selectedRow) {
    const harness::ScreenPixels screen = ScreenOnce([&](const harness::ScreenPixels& pixels) {
      return sunkenOn(pixels, rowRect(selectedRow));
    });
    ASSERT_FALSE(screen.empty());
    for (const Row& row : rows) {
      SCOPED_TRACE(row.name);
      const bool selected = row.row == selectedRow;
      const RECT rect = rowRect(row.row);
      const Picture flags = DirectionPicture(row.pair);
      ASSERT_FALSE(flags.empty());
      EXPECT_EQ(PixelsAmiss(screen, flags, {rect.left + indent, rect.top}), 0)
          << "the pair's flags at the row's indent";
      // The book below the flags: open on the selected row. Wine's tree
      // draws a row's picture a pixel above the row's top.
      const Picture book = TreePicture(selected ? kOpenBookImage : kBookImage);
      ASSERT_FALSE(book.empty());
      const RECT cells = {rect.left, rect.top - 1, rect.left + 3 * indent + kTreePictureSize,
                          rect.bottom + 1};
      EXPECT_GE(FindPicture(screen, book, cells).x, 0) << "the book in the picture cell";
      EXPECT_EQ(sunkenOn(screen, rect), selected) << "dark top and left, light bottom and right";
      // The name right of the pictures: in the options' colour, except on
      // the selected row, which keeps the highlight's text.
      const RECT label = {rect.left + 2 * indent + kTreePictureSize, rect.top + 1, rect.right - 1,
                          rect.bottom - 1};
      const int coloured = PixelsOf(screen, label, kTextColour);
      if (selected) {
        EXPECT_EQ(coloured, 0);
      } else {
        EXPECT_GT(coloured, 5);
      }
    }
  };
  {
    SCOPED_TRACE("the current dictionary selected");
    checkRows(1);
  }
  // Down in the tree, focused by a click below its rows, as a user moves on.
  SCOPED_TRACE("the next one selected");
  harness::SendClick({{(client.left + client.right) / 2, shown.bottom - 4}});
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == mainWindow_; }, kReactionTimeoutMs));
  ASSERT_TRUE(Press(L"down"));
  ASSERT_TRUE(WaitUntil([&] { return item(TVGN_CARET, 0) == second; }, kReactionTimeoutMs));
  PointerAway();
  checkRows(2);
}

TEST_F(PagesPictureTest, TheDictionaryPageShowsTheClipboardsWordAndItsArticle) {
  ASSERT_TRUE(LookUpFromTheClipboard(L"house"));
  PointerAway();
  HWND entry = Child(mainWindow_, kEntryId);
  HWND list = Child(mainWindow_, kWordListId);
  HWND article = Child(mainWindow_, kArticleId);
  HWND direction = Child(mainWindow_, kDirectionButtonId);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(direction, nullptr);
  EXPECT_TRUE(IsWindowVisible(Child(mainWindow_, kViewerHostId)));

  // The word's row of the list is selected, and painted so.
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  ASSERT_GE(selected, 0);
  // Read in wide characters: Wine hands list texts across processes so.
  wchar_t text[64] = {};
  ASSERT_LT(SendMessageW(list, LB_GETTEXTLEN, selected, 0), LRESULT{ARRAYSIZE(text)});
  SendMessageW(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"house");
  const int rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, selected, 0));
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  const RECT listArea = ClientOnScreen(list);
  const RECT row = {listArea.left, listArea.top + static_cast<int>(selected - top) * rowHeight,
                    listArea.right,
                    listArea.top + static_cast<int>(selected - top + 1) * rowHeight};
  ASSERT_LE(row.bottom, listArea.bottom) << "the word's row is in view";

  const RECT articleArea = ClientOnScreen(article);
  const RECT buttonArea = ClientOnScreen(direction);
  // The button gets its picture with the dictionary, and may paint it
  // after the article.
  const Picture flags = ButtonPicture(kEnglishRussian);
  ASSERT_FALSE(flags.empty());
  const harness::ScreenPixels screen = ScreenOnce([&](const harness::ScreenPixels& pixels) {
    return Holds(pixels, articleArea, kTextColour) && FindPicture(pixels, flags, buttonArea).x >= 0;
  });
  ASSERT_FALSE(screen.empty());
  {
    SCOPED_TRACE("the entry");
    const RECT area = ClientOnScreen(entry);
    EXPECT_TRUE(Holds(screen, area, GetSysColor(COLOR_WINDOWTEXT)) ||
                Holds(screen, area, kTextColour))
        << "the word's letters";
  }
  {
    SCOPED_TRACE("the word list");
    EXPECT_EQ(screen.At(row.right - 3, (row.top + row.bottom) / 2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(Holds(screen, row, GetSysColor(COLOR_HIGHLIGHTTEXT))) << "the word's letters";
    const RECT next = {row.left, row.bottom, row.right, row.bottom + rowHeight};
    EXPECT_GT(PixelsOf(screen, next, kTextColour), 5) << "the next word in the text colour";
  }
  {
    SCOPED_TRACE("the article");
    EXPECT_GT(PixelsOf(screen, articleArea, kTextColour), 20) << "the translation painted";
    EXPECT_TRUE(Holds(screen, articleArea, RGB(0, 0, 0))) << "the head word";
    // From its beginning: the grey part of speech before the head word at
    // the top left, not a long line scrolled sideways.
    const RECT start = {articleArea.left, articleArea.top, articleArea.left + 80,
                        articleArea.top + 20};
    EXPECT_TRUE(Holds(screen, start, RGB(128, 128, 128))) << "the article's first words";
  }
  {
    SCOPED_TRACE("the direction button");
    EXPECT_GE(FindPicture(screen, flags, buttonArea).x, 0)
        << "English-Russian's flags on the button";
  }
}

}  // namespace

}  // namespace morvex::e2e
