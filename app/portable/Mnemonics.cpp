#include "app/portable/Mnemonics.h"

namespace morvex::solo {

namespace {

constexpr unsigned kPrimaryLanguageMask = 0x3FF;

// Lower case of the Latin letters and of code page 1251's Cyrillic ones.
unsigned char Folded(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF)) return static_cast<unsigned char>(c + 0x20);
  if (c == 0xA8) return 0xB8;  // Ё
  return c;
}

}  // namespace

int MnemonicChar(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return static_cast<unsigned char>(text[i + 1]);
    ++i;
  }
  return kNoMnemonic;
}

bool MnemonicMatches(unsigned char typed, const std::string& text, unsigned language,
                     const KeyboardTable& keyboard) {
  const int mnemonic = MnemonicChar(text);
  if (mnemonic == kNoMnemonic) return false;
  // The underlined character itself, whichever layout typed it: also where
  // the language has no layout installed.
  if (Folded(typed) == Folded(static_cast<unsigned char>(mnemonic))) return true;
  const unsigned typedKey = static_cast<unsigned>(keyboard.KeyOfCurrent(typed)) & 0xFF;
  const uint8_t typedChar = static_cast<uint8_t>(keyboard.CharOfCurrent(typedKey));
  for (uintptr_t layout : keyboard.Layouts()) {
    if (((layout & 0xFFFF) ^ language) & kPrimaryLanguageMask) continue;
    const unsigned key =
        static_cast<unsigned>(keyboard.KeyOf(static_cast<unsigned char>(mnemonic), layout)) & 0xFF;
    const uint8_t mapped = static_cast<uint8_t>(keyboard.CharOf(key, layout));
    if (mapped != 0 && mapped == typedChar) return true;
  }
  return false;
}

}  // namespace morvex::solo
