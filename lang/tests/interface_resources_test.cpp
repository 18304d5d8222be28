// The program's resources and the two interface-language libraries, read
// as the program meets them (modules loaded as data files): what a missing,
// misplaced or malformed resource would break. The program holds every
// string its code loads; each library replaces exactly the interface
// strings, keeping the blanks and line breaks the program joins them by, the
// tray menu with the program's commands in the program's order, and the
// about picture; mnemonics stay apart; the pictures have the sizes, depths
// and transparency that the menu painter, the image lists, the caption and
// the about panel take them with.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ModuleResources.h"
#include "app/Resources.h"

namespace res = morvex::resources;

namespace {

struct ModuleCase {
  const char* file;
  bool library;
  bool russian;
};

// The program's module first: the libraries are compared with it.
const ModuleCase kModules[] = {
    {MORVEX_PROGRAM_MODULE, false, false},
    {"MorvexSoloEN.dll", true, false},
    {"MorvexSoloRU.dll", true, true},
};
const ModuleCase& kProgram = kModules[0];

std::set<int> IdRanges(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> ids;
  for (auto [first, last] : ranges)
    for (int id = first; id <= last; ++id) ids.insert(id);
  return ids;
}

// Every string the program's code loads, and those an interface-language
// library replaces (the others are always the program's).
const std::set<int> kProgramStrings = IdRanges({{IDS_PAGE_TRANSLATION, IDS_PAGE_COLLECTION},
                                                {IDS_WINDOW_TITLE, IDS_HOOK_SET_KEY_ENTRY},
                                                {IDS_WEB_ADDRESS, IDS_HELP_SETTINGS_BUTTON}});
const std::set<int> kInterfaceStrings =
    IdRanges({{IDS_PAGE_TRANSLATION, IDS_PAGE_COLLECTION},
              {IDS_WINDOW_TITLE, IDS_HOTKEY_CONFLICT_SUFFIX},
              {IDS_WARNING_CAPTION_SUFFIX, IDS_WARNING_CAPTION_SUFFIX},
              {IDS_WEB_ADDRESS, IDS_WEB_ADDRESS},
              {IDS_SHEET_INTERFACE_FONT, IDS_HELP_SETTINGS_BUTTON}});

// The tray popup as the main window handles it and the menu painter gives
// its items their pictures (by position); 0 is the separator.
const std::vector<UINT> kTrayCommands = {ID_CMD_TRANSLATION, ID_CMD_DICTIONARY, ID_CMD_COLLECTION,
                                         ID_CMD_SETTINGS,    0,                 ID_CMD_HELP,
                                         ID_CMD_ABOUT,       ID_CMD_EXIT};

// Texts whose mnemonics the main window tells apart on Alt+key: the two
// named pages (the translation page has none) and the Settings button.
const int kMainWindowMnemonicTexts[] = {IDS_PAGE_DICTIONARY, IDS_PAGE_COLLECTION, IDS_SETTINGS_BUTTON};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kMenuPictureSize = 16;
constexpr int kTrayPictures = 6;

std::vector<int> Missing(const std::set<int>& expected, const std::map<int, std::wstring>& got) {
  std::vector<int> ids;
  for (int id : expected)
    if (!got.count(id)) ids.push_back(id);
  return ids;
}

std::vector<int> Extra(const std::set<int>& expected, const std::map<int, std::wstring>& got) {
  std::vector<int> ids;
  for (const auto& [id, text] : got)
    if (!expected.count(id)) ids.push_back(id);
  return ids;
}

// What the program's joins depend on: a blank at either end, line breaks.
struct Edges {
  bool leadingBlank;
  bool trailingBlank;
  long lineBreaks;
  bool operator==(const Edges& o) const {
    return leadingBlank == o.leadingBlank && trailingBlank == o.trailingBlank &&
           lineBreaks == o.lineBreaks;
  }
};

Edges EdgesOf(const std::wstring& text) {
  return {!text.empty() && text.front() == L' ', !text.empty() && text.back() == L' ',
          static_cast<long>(std::count(text.begin(), text.end(), L'\n'))};
}

// The character after the first '&' that is not a doubled "&&", upper-cased;
// 0 when the text has none.
wchar_t Mnemonic(const std::wstring& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {
      ++i;
      continue;
    }
    wchar_t c = text[i + 1];
    CharUpperBuffW(&c, 1);
    return c;
  }
  return 0;
}

void ExpectDistinctMnemonics(const std::vector<std::wstring>& texts, const std::string& where) {
  std::map<wchar_t, size_t> seen;
  for (size_t i = 0; i < texts.size(); ++i) {
    wchar_t mnemonic = Mnemonic(texts[i]);
    EXPECT_NE(mnemonic, 0) << where << ": text " << i << " has no mnemonic";
    if (!mnemonic) continue;
    auto [it, added] = seen.emplace(mnemonic, i);
    EXPECT_TRUE(added) << where << ": texts " << it->second << " and " << i << " share a mnemonic";
  }
}

bool HasCyrillic(const std::wstring& text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x400 && c <= 0x4FF; });
}

// The program reads its texts through the ANSI calls, in code page 1251.
bool FitsCodePage1251(const std::wstring& text) {
  BOOL usedDefault = FALSE;
  int length = WideCharToMultiByte(1251, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, &usedDefault);
  return length > 0 && !usedDefault;
}

std::vector<UINT> CommandsOf(const std::vector<res::MenuItem>& items) {
  std::vector<UINT> ids;
  for (const res::MenuItem& item : items) ids.push_back(item.separator ? 0 : item.id);
  return ids;
}

int Luminance(COLORREF c) { return (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100; }

TEST(InterfaceResources, ProgramHoldsEveryStringItsCodeLoads) {
  res::DataModule program(kProgram.file);
  ASSERT_TRUE(program) << kProgram.file;
  EXPECT_EQ(Missing(kProgramStrings, res::StringTable(program.get())), std::vector<int>{});
}

TEST(InterfaceResources, LibrariesHoldExactlyTheInterfaceStringsWithTheProgramsEdges) {
  res::DataModule program(kProgram.file);
  ASSERT_TRUE(program);
  std::map<int, std::wstring> own = res::StringTable(program.get());
  for (const ModuleCase& m : kModules) {
    if (!m.library) continue;
    res::DataModule library(m.file);
    ASSERT_TRUE(library) << m.file;
    std::map<int, std::wstring> strings = res::StringTable(library.get());
    EXPECT_EQ(Missing(kInterfaceStrings, strings), std::vector<int>{}) << m.file << " lacks them";
    EXPECT_EQ(Extra(kInterfaceStrings, strings), std::vector<int>{}) << m.file << " should not hold them";
    for (const auto& [id, text] : strings) {
      EXPECT_TRUE(EdgesOf(text) == EdgesOf(own[id]))
          << m.file << ": string " << id << " has other blanks or line breaks than the program's";
      if (!m.russian) {
        EXPECT_TRUE(text == own[id]) << m.file << ": string " << id << " is not the program's";
      }
    }
  }
}

TEST(InterfaceResources, TextsFitTheAnsiCodePageAndRussianOnesAreCyrillic) {
  for (const ModuleCase& m : kModules) {
    res::DataModule module(m.file);
    ASSERT_TRUE(module) << m.file;
    auto check = [&](const std::string& what, const std::wstring& text, bool sameInEveryLanguage) {
      EXPECT_TRUE(FitsCodePage1251(text)) << m.file << ": " << what << " does not fit code page 1251";
      if (m.russian && !sameInEveryLanguage) {
        EXPECT_TRUE(HasCyrillic(text)) << m.file << ": " << what << " is not translated";
      }
    };
    for (const auto& [id, text] : res::StringTable(module.get()))
      check("string " + std::to_string(id), text, id == IDS_WEB_ADDRESS);
    for (const res::MenuItem& item : res::PopupItems(module.get(), IDR_TRAY_MENU))
      if (!item.separator) check("menu item " + std::to_string(item.id), item.text, false);
  }
}

TEST(InterfaceResources, TrayMenuIsOnePopupOfTheProgramsCommandsInOrder) {
  for (const ModuleCase& m : kModules) {
    res::DataModule module(m.file);
    ASSERT_TRUE(module) << m.file;
    std::vector<res::MenuItem> top = res::MenuItems(module.get(), IDR_TRAY_MENU);
    ASSERT_EQ(top.size(), 1u) << m.file;
    EXPECT_TRUE(top[0].popup) << m.file;
    std::vector<res::MenuItem> items = res::PopupItems(module.get(), IDR_TRAY_MENU);
    EXPECT_EQ(CommandsOf(items), kTrayCommands) << m.file;
    for (const res::MenuItem& item : items)
      EXPECT_TRUE(item.separator || !item.text.empty()) << m.file << ": item " << item.id << " has no text";
  }
}

TEST(InterfaceResources, MnemonicsAreDistinct) {
  for (const ModuleCase& m : kModules) {
    res::DataModule module(m.file);
    ASSERT_TRUE(module) << m.file;
    std::map<int, std::wstring> strings = res::StringTable(module.get());
    std::vector<std::wstring> windowTexts;
    for (int id : kMainWindowMnemonicTexts) windowTexts.push_back(strings[id]);
    ExpectDistinctMnemonics(windowTexts, std::string(m.file) + " pages and Settings button");

    std::vector<std::wstring> menuTexts;
    for (const res::MenuItem& item : res::PopupItems(module.get(), IDR_TRAY_MENU))
      if (!item.separator) menuTexts.push_back(item.text);
    ExpectDistinctMnemonics(menuTexts, std::string(m.file) + " tray menu");
  }
}

TEST(InterfaceResources, AboutPictureIsABottomUpDibWithQuietCorners) {
  // Where the about panel draws its hyperlink (top right: it ends 48 pixels
  // from the right edge, 8 from the top) and its OK button (32 x 16, at
  // (208, 180) in the splash and near (260, 150) in the about box), in
  // light colours: the picture is dark and plain there.
  const RECT quietAreas[] = {{96, 0, 300, 36}, {196, 140, 300, 200}};
  for (const ModuleCase& m : kModules) {
    res::DataModule module(m.file);
    ASSERT_TRUE(module) << m.file;
    std::optional<res::PackedBitmap> picture = res::Bitmap(module.get(), IDB_ABOUT_PICTURE);
    ASSERT_TRUE(picture) << m.file;
    const BITMAPINFOHEADER& h = picture->header;
    EXPECT_EQ(h.biSize, 40u) << m.file;
    EXPECT_EQ(h.biWidth, 300) << m.file;
    EXPECT_EQ(h.biHeight, 200) << m.file << " (positive: bottom-up)";
    EXPECT_EQ(h.biBitCount, 8) << m.file;
    EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB)) << m.file;
    for (const RECT& area : quietAreas) {
      int darkest = 255, lightest = 0;
      for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
          int light = Luminance(picture->At(x, y));
          darkest = std::min(darkest, light);
          lightest = std::max(lightest, light);
        }
      EXPECT_LE(lightest, 110) << m.file << ": too light at " << area.left << ", " << area.top;
      EXPECT_LE(lightest - darkest, 24) << m.file << ": not plain at " << area.left << ", " << area.top;
    }
  }
}

struct IconCase {
  int id;
  std::vector<int> sizes;
  int bitCount;
};

TEST(ProgramResources, IconsHaveTheirSizesAndDepthsAndShowThroughWhereEmpty) {
  const IconCase cases[] = {
      {IDI_PROGRAM, {16, 32}, 8},      {IDI_COPY_HOT, {16}, 4},   {IDI_COPY_COLD, {16}, 4},
      {IDI_DICTIONARY_ITEM_HOT, {16}, 4}, {IDI_DICTIONARY_ITEM_COLD, {16}, 4}, {IDI_UNDO_HOT, {16}, 4},
      {IDI_UNDO_COLD, {16}, 4},        {IDI_CUT_HOT, {16}, 4},    {IDI_CUT_COLD, {16}, 4},
      {IDI_DELETE_HOT, {16}, 4},       {IDI_DELETE_COLD, {16}, 4}, {IDI_PASTE_HOT, {16}, 4},
      {IDI_PASTE_COLD, {16}, 4},
  };
  res::DataModule program(kProgram.file);
  ASSERT_TRUE(program);
  for (const IconCase& c : cases) {
    std::vector<int> sizes;
    for (const res::IconImage& image : res::IconImages(program.get(), c.id)) {
      EXPECT_EQ(image.width, image.height) << "icon " << c.id;
      EXPECT_EQ(image.bitCount, c.bitCount) << "icon " << c.id;
      sizes.push_back(image.width);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, c.sizes) << "icon " << c.id;
    for (int size : c.sizes) {
      HICON icon = static_cast<HICON>(
          LoadImageW(program.get(), MAKEINTRESOURCEW(c.id), IMAGE_ICON, size, size, LR_CREATEDIBSECTION));
      ASSERT_NE(icon, nullptr) << "icon " << c.id << " at " << size;
      std::vector<COLORREF> pixels = res::IconPixels(icon, size);
      long clear = std::count(pixels.begin(), pixels.end(), res::kTransparent);
      EXPECT_GT(clear, 0) << "icon " << c.id << " at " << size << " covers its whole square";
      EXPECT_LT(clear, size * size) << "icon " << c.id << " at " << size << " is empty";
      DestroyIcon(icon);
    }
  }
}

TEST(ProgramResources, ProgramIconIsMostlyItsKeyColourAtBothSizes) {
  res::DataModule program(kProgram.file);
  ASSERT_TRUE(program);
  for (int size : {16, 32}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(program.get(), MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, LR_CREATEDIBSECTION));
    ASSERT_NE(icon, nullptr) << size;
    std::map<COLORREF, int> counts;
    for (COLORREF c : res::IconPixels(icon, size))
      if (c != res::kTransparent) ++counts[c];
    DestroyIcon(icon);
    auto most = std::max_element(counts.begin(), counts.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    ASSERT_NE(most, counts.end()) << size;
    EXPECT_EQ(most->first, static_cast<COLORREF>(PROGRAM_ICON_KEY_COLOUR)) << size;
  }
}

// Whether every white pixel of picture k of a strip joins the picture's
// border through white: white inside a picture would be masked out as a
// hole.
bool WhiteOnlyAround(const res::PackedBitmap& strip, int k) {
  const int left = k * kMenuPictureSize, size = kMenuPictureSize;
  std::vector<bool> reached(size * size, false);
  std::vector<POINT> todo;
  for (int i = 0; i < size; ++i)
    for (POINT p : {POINT{i, 0}, POINT{i, size - 1}, POINT{0, i}, POINT{size - 1, i}}) todo.push_back(p);
  while (!todo.empty()) {
    POINT p = todo.back();
    todo.pop_back();
    if (p.x < 0 || p.y < 0 || p.x >= size || p.y >= size || reached[p.y * size + p.x]) continue;
    if (strip.At(left + p.x, p.y) != kWhite) continue;
    reached[p.y * size + p.x] = true;
    for (POINT n : {POINT{p.x + 1, p.y}, POINT{p.x - 1, p.y}, POINT{p.x, p.y + 1}, POINT{p.x, p.y - 1}})
      todo.push_back(n);
  }
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (strip.At(left + x, y) == kWhite && !reached[y * size + x]) return false;
  return true;
}

TEST(ProgramResources, TrayStripsAreSixPicturesOnWhiteWithOneOutline) {
  res::DataModule program(kProgram.file);
  ASSERT_TRUE(program);
  std::optional<res::PackedBitmap> strips[2] = {res::Bitmap(program.get(), IDB_TRAY_MENU_HOT),
                                                res::Bitmap(program.get(), IDB_TRAY_MENU_COLD)};
  for (const auto& strip : strips) {
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->header.biSize, 40u);
    EXPECT_EQ(strip->header.biWidth, kTrayPictures * kMenuPictureSize);
    EXPECT_EQ(strip->header.biHeight, kMenuPictureSize);
    EXPECT_EQ(strip->header.biBitCount, 4);
    for (int k = 0; k < kTrayPictures; ++k) {
      int drawn = 0;
      for (int y = 0; y < kMenuPictureSize; ++y)
        for (int x = 0; x < kMenuPictureSize; ++x) drawn += strip->At(k * kMenuPictureSize + x, y) != kWhite;
      EXPECT_GT(drawn, 0) << "picture " << k << " is empty";
      EXPECT_LT(drawn, kMenuPictureSize * kMenuPictureSize) << "picture " << k << " leaves no white";
      EXPECT_TRUE(WhiteOnlyAround(*strip, k)) << "picture " << k << " holds white";
    }
  }
  // Hot replaces cold under the mouse: the same pixels are drawn in both.
  for (int y = 0; y < kMenuPictureSize; ++y)
    for (int x = 0; x < kTrayPictures * kMenuPictureSize; ++x)
      ASSERT_EQ(strips[0]->At(x, y) == kWhite, strips[1]->At(x, y) == kWhite) << x << ", " << y;

  // As the menu painter loads them: six masked pictures per list.
  for (int id : {IDB_TRAY_MENU_HOT, IDB_TRAY_MENU_COLD}) {
    HIMAGELIST list = ImageList_Create(kMenuPictureSize, kMenuPictureSize, ILC_COLOR4 | ILC_MASK, 6, 10);
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(program.get(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr) << id;
    EXPECT_EQ(ImageList_AddMasked(list, bitmap, kWhite), 0) << id;
    EXPECT_EQ(ImageList_GetImageCount(list), kTrayPictures) << id;
    DeleteObject(bitmap);
    ImageList_Destroy(list);
  }
}

TEST(ProgramResources, EscapeIsTheOnlyAcceleratorAndItHides) {
  res::DataModule program(kProgram.file);
  ASSERT_TRUE(program);
  HACCEL table = LoadAcceleratorsW(program.get(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
  ASSERT_NE(table, nullptr);
  ACCEL entries[2] = {};
  ASSERT_EQ(CopyAcceleratorTableW(table, entries, 2), 1);
  EXPECT_EQ(entries[0].key, VK_ESCAPE);
  EXPECT_EQ(entries[0].fVirt, FVIRTKEY | FNOINVERT);
  EXPECT_EQ(entries[0].cmd, ID_CMD_HIDE);
  DestroyAcceleratorTable(table);
}

TEST(ProgramResources, NoDialogTemplateAndNoManifestSelectingCommonControls6) {
  res::DataModule program(kProgram.file);
  ASSERT_TRUE(program);
  EXPECT_EQ(res::ResourceIds(program.get(), RT_DIALOG), std::vector<int>{});
  // Common controls 6 has no flat scroll bars.
  for (int id : res::ResourceIds(program.get(), RT_MANIFEST))
    EXPECT_EQ(res::ResourceBytes(program.get(), RT_MANIFEST, id).find("Microsoft.Windows.Common-Controls"),
              std::string::npos)
        << "manifest " << id;
}

TEST(LanguageLibraries, LoadAsTheProgramLoadsThemAndHoldNoCode) {
  for (const ModuleCase& m : kModules) {
    if (!m.library) continue;
    HMODULE library = LoadLibraryA(m.file);
    ASSERT_NE(library, nullptr) << m.file;
    const auto* base = reinterpret_cast<const BYTE*>(library);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    EXPECT_EQ(nt->OptionalHeader.AddressOfEntryPoint, 0u) << m.file << " has code to run";
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.Size) {
      const auto* first = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
      EXPECT_EQ(first->Name, 0u) << m.file << " imports a library";
    }
    char title[64] = {};
    EXPECT_GT(LoadStringA(library, IDS_WINDOW_TITLE, title, sizeof title), 0) << m.file;
    HMENU menu = LoadMenuA(library, MAKEINTRESOURCEA(IDR_TRAY_MENU));
    EXPECT_NE(menu, nullptr) << m.file;
    DestroyMenu(menu);
    FreeLibrary(library);
  }
}

}  // namespace
