// Reading the resources of a module loaded as a data file, the way the
// program meets them: string tables by id, the items of a popup menu, the
// images of an icon, packed bitmaps with their pixels. Used by the tests of
// the program's resources and of the interface-language libraries.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace morvex::resources {

// A module mapped as data (no code runs), unloaded when this goes.
class DataModule {
 public:
  explicit DataModule(const char* file);
  ~DataModule();
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;

  HMODULE get() const { return module_; }
  explicit operator bool() const { return module_ != nullptr; }

 private:
  HMODULE module_;
};

// Every non-empty string of the module's string tables, by id.
std::map<int, std::wstring> StringTable(HMODULE module);

struct MenuItem {
  bool separator;
  UINT id;
  bool popup;
  std::wstring text;
};

// The items of a menu resource's top level, or of its first popup.
std::vector<MenuItem> MenuItems(HMODULE module, int menuId);
std::vector<MenuItem> PopupItems(HMODULE module, int menuId);

struct IconImage {
  int width;
  int height;
  int bitCount;
};

// The images an icon resource offers, from its group directory.
std::vector<IconImage> IconImages(HMODULE module, int iconId);

// A bitmap resource as stored: its header, palette and pixel rows.
struct PackedBitmap {
  BITMAPINFOHEADER header;
  std::vector<RGBQUAD> palette;
  std::vector<BYTE> bits;

  // The colour at (x, y), y counted from the top; palette formats only.
  COLORREF At(int x, int y) const;
};

std::optional<PackedBitmap> Bitmap(HMODULE module, int bitmapId);

// The names (integer ids) of the module's resources of one type.
std::vector<int> ResourceIds(HMODULE module, LPCSTR type);

// The raw bytes of one resource; empty when it is missing.
std::string ResourceBytes(HMODULE module, LPCSTR type, int id);

// Pixels of an icon drawn at its own size, in COLORREF, row by row from the
// top; a transparent pixel is kTransparent.
constexpr COLORREF kTransparent = 0xFF000000;
std::vector<COLORREF> IconPixels(HICON icon, int size);

}  // namespace morvex::resources
