// Menu mnemonics under any keyboard layout of the interface language: the
// letter after the "&" of a menu text, and whether a typed character stands
// on the same key as that letter under one of the language's layouts. The
// main window answers WM_MENUCHAR with it, so that "&Настройки" opens from
// the key Y while the English layout is active.
//
// Portable: the keyboard is reached through KeyboardTable, which the
// program fills from the system's layout functions and the native tests
// from a fake table. Texts are 8-bit ANSI (code page 1251 for Russian).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvex::solo {

// The keyboard as the system's layout functions describe it. Layouts are
// keyboard-layout handles as numbers; their low 16 bits are a language id.
class KeyboardTable {
 public:
  virtual ~KeyboardTable() = default;
  // The installed layouts (GetKeyboardLayoutList).
  virtual std::vector<uintptr_t> Layouts() const = 0;
  // The virtual key that types `c` under `layout`, in the low byte; -1
  // (all bits) when the layout cannot type it (VkKeyScanExA).
  virtual int16_t KeyOf(unsigned char c, uintptr_t layout) const = 0;
  // The unshifted character of a virtual key under `layout`, 0 for none
  // (MapVirtualKeyExA, MAPVK_VK_TO_CHAR).
  virtual uint32_t CharOf(unsigned key, uintptr_t layout) const = 0;
  // The same two under the thread's current layout.
  virtual int16_t KeyOfCurrent(unsigned char c) const = 0;
  virtual uint32_t CharOfCurrent(unsigned key) const = 0;
};

// The mnemonic of a menu text: the character after its first single "&"
// ("&&" shows an ampersand and is skipped), or kNoMnemonic. A byte 0xFF
// ("я" in code page 1251) is a mnemonic like any other.
constexpr int kNoMnemonic = -1;
int MnemonicChar(const std::string& text);

// Whether `typed` (a character of the current layout) is the mnemonic of
// `text` (in either case), or is on the key of that mnemonic under a layout
// of `language`'s primary language. Only those layouts are asked; a text
// without a mnemonic, or a mnemonic that maps to no character, never
// matches another character.
bool MnemonicMatches(unsigned char typed, const std::string& text, unsigned language,
                     const KeyboardTable& keyboard);

}  // namespace morvex::solo
