// Menu items as the owner-drawn menu renderer (MenuPainter.h) reads and
// writes them: the record a converted item carries in its item data, and
// the item information calls that keep the renderer's text buffer right on
// every call.
//
// Used by MenuPainter and its drawing code; nothing else touches records.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace morvex::controls {

// "odm0" read as a little-endian 32-bit number.
inline constexpr uint32_t kMenuItemTag = 0x306D646F;

// What a converted item carries in its dwItemData. The renderer allocates
// and frees it, and reads an item's data as a record only after finding the
// pointer among the records it made (foreign item data, often a plain
// number, is never dereferenced).
struct MenuItemRecord {
  int32_t reserved = -1;
  int32_t coldIndex = -1;  // image list B
  int32_t hotIndex = -1;   // image list A
  std::string text;        // the item's text before it became owner-drawn
  uint32_t tag = kMenuItemTag;
  UINT type = 0;  // fType when converted, MFT_OWNERDRAW included
};

// An item's identifier, submenu, type, data and text (at most 255
// characters), read by position.
struct MenuItemFacts {
  UINT id = 0;
  HMENU submenu = nullptr;
  UINT type = 0;
  ULONG_PTR data = 0;
  std::string text;
};

// False when the menu has no item at `position`.
bool ReadMenuItem(HMENU menu, UINT position, MenuItemFacts* facts);

// Writes the item's type and data; `text` is the item's text when the type
// makes it a string item (ignored for owner-drawn items and separators).
bool WriteMenuItemType(HMENU menu, UINT position, UINT type, ULONG_PTR data, const char* text);

// The item's state bits (MFS_...); false when there is no such item.
bool ReadMenuItemState(HMENU menu, UINT item, bool byPosition, UINT* state);
bool WriteMenuItemState(HMENU menu, UINT position, UINT state);

// Takes the item out and puts it back at its place with everything it had
// (identifier, type, state, data, submenu, check bitmaps, text), so that
// the system measures it again.
bool ReinsertMenuItem(HMENU menu, UINT position);

}  // namespace morvex::controls
