// Reading a data module's resources for the resource tests; see
// ModuleResources.h.
#include "ModuleResources.h"

#include <algorithm>
#include <cstring>

namespace morvex::resources {

namespace {

// A string resource is a bundle of 16 counted strings: bundle n holds the
// ids (n - 1) * 16 to n * 16 - 1.
constexpr int kStringsPerBundle = 16;

#pragma pack(push, 2)
// One entry of an icon's group directory (RT_GROUP_ICON).
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colourCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytes;
  WORD iconId;
};
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
  if (IS_INTRESOURCE(name))
    reinterpret_cast<std::vector<int>*>(param)->push_back(LOWORD(reinterpret_cast<ULONG_PTR>(name)));
  return TRUE;
}

std::vector<MenuItem> ItemsOf(HMENU menu) {
  std::vector<MenuItem> items;
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = ARRAYSIZE(text);
    if (!GetMenuItemInfoW(menu, i, TRUE, &info)) continue;
    bool separator = (info.fType & MFT_SEPARATOR) != 0;
    items.push_back({separator, separator ? 0 : info.wID, info.hSubMenu != nullptr, text});
  }
  return items;
}

}  // namespace

DataModule::DataModule(const char* file)
    : module_(LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

DataModule::~DataModule() {
  if (module_) FreeLibrary(module_);
}

std::string ResourceBytes(HMODULE module, LPCSTR type, int id) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

std::vector<int> ResourceIds(HMODULE module, LPCSTR type) {
  std::vector<int> ids;
  EnumResourceNamesA(module, type, CollectId, reinterpret_cast<LONG_PTR>(&ids));
  return ids;
}

std::map<int, std::wstring> StringTable(HMODULE module) {
  std::map<int, std::wstring> strings;
  for (int bundle : ResourceIds(module, RT_STRING)) {
    std::string bytes = ResourceBytes(module, RT_STRING, bundle);
    std::wstring words(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(words.data(), bytes.data(), words.size() * sizeof(wchar_t));
    size_t at = 0;
    for (int i = 0; i < kStringsPerBundle && at < words.size(); ++i) {
      size_t length = words[at++];
      std::wstring text = words.substr(at, length);
      at += length;
      if (!text.empty()) strings[(bundle - 1) * kStringsPerBundle + i] = text;
    }
  }
  return strings;
}

std::vector<MenuItem> MenuItems(HMODULE module, int menuId) {
  HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(menuId));
  if (!menu) return {};
  std::vector<MenuItem> items = ItemsOf(menu);
  DestroyMenu(menu);
  return items;
}

std::vector<MenuItem> PopupItems(HMODULE module, int menuId) {
  HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(menuId));
  if (!menu) return {};
  HMENU popup = GetSubMenu(menu, 0);
  std::vector<MenuItem> items = popup ? ItemsOf(popup) : std::vector<MenuItem>{};
  DestroyMenu(menu);
  return items;
}

std::vector<IconImage> IconImages(HMODULE module, int iconId) {
  std::string bytes = ResourceBytes(module, RT_GROUP_ICON, iconId);
  if (bytes.size() < sizeof(GroupIconHeader)) return {};
  GroupIconHeader header;
  std::memcpy(&header, bytes.data(), sizeof header);
  std::vector<IconImage> images;
  for (size_t i = 0; i < header.count; ++i) {
    size_t at = sizeof header + i * sizeof(GroupIconEntry);
    if (at + sizeof(GroupIconEntry) > bytes.size()) break;
    GroupIconEntry entry;
    std::memcpy(&entry, bytes.data() + at, sizeof entry);
    // A width or height of 0 stands for 256.
    images.push_back({entry.width ? entry.width : 256, entry.height ? entry.height : 256,
                      entry.bitCount});
  }
  return images;
}

std::optional<PackedBitmap> Bitmap(HMODULE module, int bitmapId) {
  std::string bytes = ResourceBytes(module, RT_BITMAP, bitmapId);
  PackedBitmap bitmap;
  if (bytes.size() < sizeof bitmap.header) return std::nullopt;
  std::memcpy(&bitmap.header, bytes.data(), sizeof bitmap.header);
  const BITMAPINFOHEADER& h = bitmap.header;
  size_t colours = h.biBitCount <= 8 ? (h.biClrUsed ? h.biClrUsed : 1u << h.biBitCount) : 0;
  size_t paletteAt = h.biSize;
  size_t bitsAt = paletteAt + colours * sizeof(RGBQUAD);
  if (h.biSize < sizeof h || bitsAt > bytes.size()) return std::nullopt;
  bitmap.palette.resize(colours);
  std::memcpy(bitmap.palette.data(), bytes.data() + paletteAt, colours * sizeof(RGBQUAD));
  bitmap.bits.assign(bytes.begin() + bitsAt, bytes.end());
  return bitmap;
}

COLORREF PackedBitmap::At(int x, int y) const {
  const int bitCount = header.biBitCount;
  const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  const size_t stride = (header.biWidth * bitCount + 31) / 32 * 4;
  const int row = header.biHeight > 0 ? height - 1 - y : y;
  const size_t bitAt = static_cast<size_t>(x) * bitCount;
  const size_t byteAt = row * stride + bitAt / 8;
  if (bitCount > 8 || byteAt >= bits.size()) return kTransparent;
  const int shift = 8 - bitCount - static_cast<int>(bitAt % 8);
  const size_t index = (bits[byteAt] >> shift) & ((1u << bitCount) - 1);
  if (index >= palette.size()) return kTransparent;
  const RGBQUAD& q = palette[index];
  return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

std::vector<COLORREF> IconPixels(HICON icon, int size) {
  std::vector<COLORREF> pixels(size * size, kTransparent);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, canvas);
  auto* argb = static_cast<DWORD*>(bits);
  // Drawn once on black and once on white: where the two differ, the
  // background shows through.
  std::vector<DWORD> onBlack(size * size);
  for (DWORD background : {0x000000u, 0xFFFFFFu}) {
    std::fill(argb, argb + size * size, background);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    if (background == 0) {
      onBlack.assign(argb, argb + size * size);
      continue;
    }
    for (int i = 0; i < size * size; ++i) {
      DWORD c = onBlack[i] & 0xFFFFFF;
      if (c == (argb[i] & 0xFFFFFF)) pixels[i] = RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    }
  }
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
  return pixels;
}

}  // namespace morvex::resources
