// What the shelf shows: each dictionary's row carries its language pair's
// direction picture (the flags LocaleKit draws) where the shelf puts it,
// the selected row is framed sunken, and the other rows' text is in the
// host's text colour. Read back from the screen; the picture is saved for
// a look.
#include <string>
#include <vector>

#include "LocaleKit.h"
#include "com/testing/ServerClient.h"
#include "shelf_test_support.h"

namespace com = morvex::com;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// The direction picture LocaleKit makes for the pair, as pixels.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;
  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y * width + x)]; }
};

Picture DirectionPicture(long langIn, long langOut) {
  Picture picture;
  com::Ptr<ILocaleKitMngr> locales = CreateByProgId<ILocaleKitMngr>(L"LocaleKit.LocaleKitMngr");
  long handle = 0;
  if (!locales || FAILED(locales->GetLangDirectionBmp(langIn | 0x400, langOut | 0x400, &handle)))
    return picture;
  auto bitmap = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(handle));
  BITMAP size = {};
  GetObjectA(bitmap, sizeof size, &size);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  picture.width = size.bmWidth;
  picture.height = size.bmHeight;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) picture.colours.push_back(GetPixel(memory, x, y));
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(bitmap);
  return picture;
}

// Pixels of the direction picture (its transparent magenta left out) that
// the screen shows otherwise at (left, top).
int FlagPixelsAmiss(const ScreenPicture& screen, const Picture& flags, int left, int top) {
  int amiss = 0;
  for (int y = 0; y < flags.height; ++y)
    for (int x = 0; x < flags.width; ++x)
      if (flags.At(x, y) != kMagenta) amiss += screen.At(left + x, top + y) != flags.At(x, y);
  return amiss;
}

int PixelsOf(const ScreenPicture& screen, const RECT& area, COLORREF colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += screen.At(x, y) == colour;
  return count;
}

TEST_F(ShelfTest, RowsShowTheirFlagsTheSelectedOneSunkenInTheHostsTextColour) {
  const std::vector<TestDictionary> shelved = {kEnglishRussian, kRussianEnglish, kEnglishFrench};
  com::Ptr<ILexiconHub> system = MakeSystem(shelved);
  ASSERT_TRUE(system);
  SetUpAsTheHostDoes(system.Get());
  ASSERT_EQ(Hr{shelf_->put_ActiveObject(DictionaryAt(system.Get(), 2).Get())}, Hr{S_OK});
  ScreenPicture screen(Tree());
  ASSERT_GT(screen.width(), 0);
  const std::wstring saved = L"shelfview_collection.bmp";
  EXPECT_TRUE(ScreenPicture(frame_).Save(saved));

  int indent = static_cast<int>(SendMessageA(Tree(), TVM_GETINDENT, 0, 0));
  std::vector<HTREEITEM> rows = Children();
  ASSERT_EQ(rows.size(), shelved.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    Picture flags = DirectionPicture(shelved[i].langIn, shelved[i].langOut);
    ASSERT_GT(flags.width, 0);
    RECT row = RowOf(rows[i]);
    EXPECT_EQ(FlagPixelsAmiss(screen, flags, row.left + indent, row.top), 0);
  }

  RECT selected = RowOf(rows[1]);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  int middleY = (selected.top + selected.bottom) / 2,
      middleX = (selected.left + selected.right) / 2;
  EXPECT_EQ(screen.At(middleX, selected.top), shadow);
  EXPECT_EQ(screen.At(selected.left, middleY), shadow);
  EXPECT_EQ(screen.At(middleX, selected.bottom - 1), light);
  EXPECT_EQ(screen.At(selected.right - 1, middleY), light);

  // The label lies right of the pictures; the unselected rows' letters are
  // in the host's colour, the selected row's are not.
  for (size_t i = 0; i < rows.size(); ++i) {
    RECT label = RowOf(rows[i]);
    label.left += 2 * indent + 32;
    int coloured = PixelsOf(screen, label, text_);
    if (i == 1) {
      EXPECT_EQ(coloured, 0) << i;
    } else {
      EXPECT_GT(coloured, 5) << i;
    }
  }
}

}  // namespace
