// The strip driven through its interface and its windows, without real
// input: the size it asks of its host, measured in the font its letters
// are drawn in; which text selects which letter; selections outside the
// alphabet; Left and Right by every route a key takes; scrolling the
// selection into a narrow pager; its pixels; its cursor.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/WideText.h"
#include "letterstrip_test_support.h"

namespace com = morvex::com;

namespace {

using StripSizeTest = StripTest;
using SelectionTest = StripTest;
using PixelTest = StripTest;

struct SizeCase {
  const char* name;
  long langType;
  BYTE sourceCharset;
  bool vertical;
  const char* letter;  // what the test measures
  BYTE stripCharset;   // the character set the letters are drawn in
};

// In character set 0 the byte of Ж is Æ: the strip still measures Ж.
const SizeCase kSizeCases[] = {
    {"Latin", 9, ANSI_CHARSET, false, "W", ANSI_CHARSET},
    {"Cyrillic", 25, RUSSIAN_CHARSET, false, kZheAnsi, RUSSIAN_CHARSET},
    {"CyrillicFromAWesternFont", 25, ANSI_CHARSET, false, kZheAnsi, RUSSIAN_CHARSET},
    {"LatinVertical", 9, ANSI_CHARSET, true, "W", ANSI_CHARSET},
};

TEST_F(StripSizeTest, FollowsTheLetterMeasuredInTheStripFont) {
  for (const SizeCase& row : kSizeCases) {
    SCOPED_TRACE(row.name);
    MakeStrip(480, 28, false);
    SetLangType(row.langType);
    if (row.vertical) {
      ASSERT_EQ(Hr{strip_->SetVertStyle(1)}, Hr{S_OK});
    }
    com::FontSpec spec = {L"Arial", 12, FW_NORMAL, row.sourceCharset, false};
    com::Ptr<IFontDisp> font;
    ASSERT_EQ(Hr{com::CreateFontDisp(spec, &font)}, Hr{S_OK});
    ASSERT_EQ(Hr{strip_->put_AbcFont(font.Get())}, Hr{S_OK});

    SIZE letter = MeasureInCharset(spec, row.stripCharset, row.letter);
    ASSERT_GT(letter.cx, 0);
    if (row.sourceCharset != row.stripCharset) {
      ASSERT_NE(MeasureInCharset(spec, row.sourceCharset, row.letter).cx, letter.cx)
          << "this font does not tell the two letters apart";
    }
    short cx = 0, cy = 0;
    ASSERT_EQ(Hr{strip_->GetSize(&cx, &cy)}, Hr{S_OK});
    if (row.vertical) {
      EXPECT_EQ(cx, letter.cx + 4);
      EXPECT_EQ(cy, (letter.cy + 4) * Count() + 4);
    } else {
      EXPECT_EQ(cx, (letter.cx + 4) * Count() + 4);
      EXPECT_EQ(cy, letter.cy + 4);
    }
  }
}

struct LetterCase {
  long langType;
  const char* text;  // code page 1251
  long index;
};

// Each row starts from another letter selected: a text that names no letter
// clears it.
const LetterCase kLetterCases[] = {
    {25, "\xE6", 6},       // ж
    {25, kZheAnsi, 6},     // Ж
    {25, "\xE0", 0},       // а
    {25, "\xFF", 27},      // я
    {25, "\xE9", -1},      // й: not in the strip
    {25, "\xB8", -1},      // ё: not in the strip, and no capital by subtraction
    {25, "\xC6\xC6", -1},  // ЖЖ
    {25, "", -1},         {25, "1", -1}, {25, "w", -1}, {9, "w", 22}, {9, "W", 22}, {9, "\xE6", -1},
};

TEST_F(SelectionTest, SelectLetterFindsOnlyAWholeLetterOfTheAlphabet) {
  for (const LetterCase& row : kLetterCases) {
    SCOPED_TRACE(std::to_string(row.langType) + " \"" + row.text + "\"");
    SetLangType(row.langType);
    ASSERT_EQ(Hr{strip_->SetCurSel(3)}, Hr{S_OK});
    com::Bstr text(com::WideFromAnsi(row.text).c_str());
    ASSERT_EQ(Hr{strip_->SelectLetter(text.Get())}, Hr{S_OK});
    EXPECT_EQ(CurSel(), row.index);

    com::Bstr letter;
    ASSERT_EQ(Hr{strip_->get_CurLetter(letter.Put())}, Hr{S_OK});
    if (row.index < 0) {
      EXPECT_TRUE(letter.IsNull()) << "no string when nothing is selected";
    } else {
      std::wstring capital = com::WideFromAnsi(row.text);
      CharUpperW(capital.data());
      EXPECT_EQ(std::wstring(letter.Text()), capital);
    }
    // put CurLetter is the same as SelectLetter.
    ASSERT_EQ(Hr{strip_->SetCurSel(3)}, Hr{S_OK});
    ASSERT_EQ(Hr{strip_->put_CurLetter(text.Get())}, Hr{S_OK});
    EXPECT_EQ(CurSel(), row.index);
  }
  EXPECT_TRUE(selected_.empty()) << "only a click fires LetterSelected";
}

TEST_F(SelectionTest, AnIndexOutsideTheAlphabetSelectsNothing) {
  for (long index : {-5L, -1L, 28L, 100L, 27L}) {
    SCOPED_TRACE(index);
    ASSERT_EQ(Hr{strip_->SetCurSel(6)}, Hr{S_OK});
    ASSERT_EQ(Hr{strip_->SetCurSel(index)}, Hr{S_OK});
    EXPECT_EQ(CurSel(), index == 27 ? 27 : -1);
  }
  // The Latin alphabet has no 28th letter: the selection goes with it.
  SetLangType(9);
  EXPECT_EQ(CurSel(), -1);
  com::Bstr letter;
  ASSERT_EQ(Hr{strip_->get_CurLetter(letter.Put())}, Hr{S_OK});
  EXPECT_TRUE(letter.IsNull());
  EXPECT_TRUE(selected_.empty()) << "SetCurSel fires nothing";
}

struct ArrowCase {
  long from;
  WPARAM key;
  bool handled;
  long to;
};

const ArrowCase kArrowCases[] = {
    {27, VK_RIGHT, true, 0}, {0, VK_LEFT, true, 27},    {5, VK_RIGHT, true, 6},
    {5, VK_LEFT, true, 4},   {-1, VK_RIGHT, false, -1}, {-1, VK_LEFT, false, -1},
    {5, VK_UP, false, 5},
};

// The host forwards keys to TranslateAccelerator; a loop that never does
// lets WM_KEYDOWN reach the static that has the focus, or the control's
// own window.
TEST_F(SelectionTest, LeftAndRightGoRoundTheAlphabetByEveryRoute) {
  enum class Route { kAccelerator, kStatic, kControl };
  com::Ptr<IOleInPlaceActiveObject> active;
  ASSERT_EQ(Hr{strip_.As(&active)}, Hr{S_OK});
  for (Route route : {Route::kAccelerator, Route::kStatic, Route::kControl}) {
    for (const ArrowCase& row : kArrowCases) {
      SCOPED_TRACE("route " + std::to_string(static_cast<int>(route)) + " from " +
                   std::to_string(row.from) + " key " + std::to_string(row.key));
      ASSERT_EQ(Hr{strip_->SetCurSel(row.from)}, Hr{S_OK});
      MSG message = {Cells(), WM_KEYDOWN, row.key, 1, 0, {}};
      if (route == Route::kAccelerator) {
        EXPECT_EQ(Hr{active->TranslateAccelerator(&message)}, Hr{row.handled ? S_OK : S_FALSE});
      } else {
        SendMessageW(route == Route::kStatic ? Cells() : ControlWindow(), WM_KEYDOWN, row.key, 1);
      }
      EXPECT_EQ(CurSel(), row.to);
    }
  }
  MSG release = {Cells(), WM_KEYUP, VK_RIGHT, 1, 0, {}};
  ASSERT_EQ(Hr{strip_->SetCurSel(4)}, Hr{S_OK});
  EXPECT_EQ(Hr{active->TranslateAccelerator(&release)}, Hr{S_FALSE});
  EXPECT_EQ(CurSel(), 4);
  EXPECT_TRUE(selected_.empty()) << "the arrows fire nothing";
}

// The cell mapped from the static into the pager lies within the pager's
// client area, whatever the pager's buttons did to it.
TEST_F(SelectionTest, SetCurSelBringsTheCellIntoANarrowPager) {
  MakeStrip(100, 28);
  RECT pagerClient = {};
  GetClientRect(Pager(), &pagerClient);
  ASSERT_LT(pagerClient.right, Cell() * Count()) << "the strip must not fit";
  for (long index : {25L, 0L, 27L, 3L, 14L, 27L, 26L, 1L}) {
    SCOPED_TRACE(index);
    ASSERT_EQ(Hr{strip_->SetCurSel(index)}, Hr{S_OK});
    PumpPending();
    GetClientRect(Pager(), &pagerClient);
    RECT cell = CellOnStatic(static_cast<int>(index));
    MapWindowPoints(Cells(), Pager(), reinterpret_cast<POINT*>(&cell), 2);
    EXPECT_GE(cell.left, pagerClient.left);
    EXPECT_LE(cell.right, pagerClient.right);
  }
  ASSERT_EQ(Hr{strip_->SetCurSel(-1)}, Hr{S_OK});
  EXPECT_EQ(SendMessageW(Pager(), PGM_GETPOS, 0, 0), 0) << "nothing selected: back to the start";
}

// The Cyrillic strip as it shows on the screen (saved beside the test as
// letterstrip_cyrillic.bmp): a glyph in every cell, the selected cell
// sunken (black above and left, white below and right), nothing else framed.
TEST_F(PixelTest, CyrillicStripShowsEveryLetterAndTheSelectionSunken) {
  ASSERT_EQ(Hr{strip_->SetCurSel(6)}, Hr{S_OK});
  Pixels pixels = CaptureClient(Cells());
  ASSERT_GT(pixels.width, Cell() * Count() - 1);
  EXPECT_TRUE(SaveBmp(CaptureClient(frame_), L"letterstrip_cyrillic.bmp"));
  const COLORREF back = GetSysColor(COLOR_BTNFACE);
  const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  for (int index = 0; index < Count(); ++index) {
    SCOPED_TRACE(index);
    RECT cell = CellOnStatic(index);
    RECT inside = {cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
    EXPECT_GT(pixels.CountOther(inside, back), 4) << "no glyph in the cell";
    if (index == 6) {
      EXPECT_EQ(pixels.CountOther({cell.left, cell.top, cell.right - 1, cell.top + 1}, black), 0);
      EXPECT_EQ(pixels.CountOther({cell.left, cell.top, cell.left + 1, cell.bottom - 1}, black), 0);
      EXPECT_EQ(pixels.CountOther({cell.left, cell.bottom - 1, cell.right, cell.bottom}, white), 0);
      EXPECT_EQ(pixels.CountOther({cell.right - 1, cell.top, cell.right, cell.bottom}, white), 0);
    } else {
      EXPECT_EQ(pixels.At(cell.left, cell.top), back);
      EXPECT_EQ(pixels.At(cell.right - 1, cell.bottom - 1), back);
    }
  }
  RECT after = {Cell() * Count(), 0, pixels.width, pixels.height};
  EXPECT_EQ(pixels.CountOther(after, back), 0) << "past the last cell the strip is empty";

  // The strip's own colours: a green ground, the selected letter in red.
  ASSERT_EQ(Hr{strip_->put_AbcBkColor(RGB(0, 160, 0))}, Hr{S_OK});
  ASSERT_EQ(Hr{strip_->put_PressedTextColor(RGB(255, 0, 0))}, Hr{S_OK});
  pixels = CaptureClient(Cells());
  RECT selected = CellOnStatic(6), other = CellOnStatic(7);
  EXPECT_EQ(pixels.At(other.left, other.top), RGB(0, 160, 0));
  auto reddish = [&](const RECT& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) {
        COLORREF c = pixels.At(x, y);
        count += GetRValue(c) > 200 && GetGValue(c) < 100 && GetBValue(c) < 100;
      }
    return count;
  };
  EXPECT_GT(reddish(selected), 0) << "the selected letter is drawn in PressedTextColor";
  EXPECT_EQ(reddish(other), 0);
}

// The container's colours may name system colours; the strip shows the
// colours they name.
TEST_F(PixelTest, AmbientColoursOfTheContainerColourTheStrip) {
  com::Variant highlight(static_cast<long>(0x80000000 | COLOR_HIGHLIGHT));
  com::Variant red(static_cast<long>(RGB(255, 0, 0)));
  ASSERT_EQ(Hr{com::AxSetAmbientProperty(host_, DISPID_AMBIENT_BACKCOLOR, highlight.Get())},
            Hr{S_OK});
  ASSERT_EQ(Hr{com::AxSetAmbientProperty(host_, DISPID_AMBIENT_FORECOLOR, red.Get())}, Hr{S_OK});
  Pixels pixels = CaptureClient(Cells());
  RECT cell = CellOnStatic(0);
  EXPECT_EQ(pixels.At(cell.left, cell.top), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_GT(pixels.CountOther(cell, GetSysColor(COLOR_HIGHLIGHT)), 0);
  int redPixels = 0;
  for (int y = cell.top; y < cell.bottom; ++y)
    for (int x = cell.left; x < cell.right; ++x) redPixels += pixels.At(x, y) == RGB(255, 0, 0);
  EXPECT_GT(redPixels, 0) << "the letters take the container's fore colour";
}

std::vector<BYTE> MaskBits(HCURSOR cursor, POINT* hotSpot) {
  ICONINFO info = {};
  if (!GetIconInfo(cursor, &info)) return {};
  *hotSpot = {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
  BITMAP mask = {};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  std::vector<BYTE> bits(static_cast<size_t>(mask.bmWidthBytes) * mask.bmHeight);
  GetBitmapBits(info.hbmMask, static_cast<LONG>(bits.size()), bits.data());
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return bits;
}

// Over the strip its own cursor shows, resource 202 of the DLL; the strip
// made that copy for itself and frees it when it goes.
TEST_F(PixelTest, TheStripShowsItsOwnCursorAndFreesIt) {
  EXPECT_EQ(SendMessageW(ControlWindow(), WM_SETCURSOR, reinterpret_cast<WPARAM>(ControlWindow()),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  HCURSOR shown = GetCursor();
  ASSERT_NE(shown, LoadCursor(nullptr, IDC_ARROW));
  HMODULE dll = GetModuleHandleW(kLetterStripDll);
  ASSERT_NE(dll, nullptr);
  auto* resource = static_cast<HCURSOR>(
      LoadImageW(dll, MAKEINTRESOURCEW(202), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
  ASSERT_NE(resource, nullptr);
  POINT shownHotSpot = {-1, -1}, resourceHotSpot = {-2, -2};
  std::vector<BYTE> shownMask = MaskBits(shown, &shownHotSpot);
  EXPECT_FALSE(shownMask.empty());
  EXPECT_EQ(shownMask, MaskBits(resource, &resourceHotSpot));
  EXPECT_EQ(shownHotSpot.x, resourceHotSpot.x);
  EXPECT_EQ(shownHotSpot.y, resourceHotSpot.y);
  DestroyCursor(resource);

  sink_->Disconnect();
  strip_.Reset();
  DestroyWindow(host_);
  host_ = nullptr;
  ICONINFO info = {};
  EXPECT_FALSE(GetIconInfo(shown, &info)) << "the strip's cursor outlives it";
  EXPECT_NE(GetCursor(), shown);
}

}  // namespace
