#include "LetterTable.h"

#include <string>

namespace morvex::letterstrip {

namespace {

// Code page 1251, written as bytes so that no editor or compiler setting can
// change them: А-И (0xC0-0xC8), К-Щ (0xCA-0xD9), Э Ю Я (0xDD-0xDF). Ё, Й, Ъ,
// Ы and Ь have no cell.
const char* const kCyrillic[] = {"\xC0", "\xC1", "\xC2", "\xC3", "\xC4", "\xC5", "\xC6",
                                 "\xC7", "\xC8", "\xCA", "\xCB", "\xCC", "\xCD", "\xCE",
                                 "\xCF", "\xD0", "\xD1", "\xD2", "\xD3", "\xD4", "\xD5",
                                 "\xD6", "\xD7", "\xD8", "\xD9", "\xDD", "\xDE", "\xDF"};

const char* const kLatin[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                              "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

constexpr size_t kMaxTextLength = 255;

char Capital(char c) {
  auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'a' && byte <= 'z') || byte >= 0xE0) return static_cast<char>(byte - 32);
  return c;
}

}  // namespace

const LetterTable& LetterTable::For(WORD langType) {
  // Zhe and W: the widest capitals of each alphabet.
  static const LetterTable cyrillic(kCyrillic, sizeof kCyrillic / sizeof *kCyrillic, "\xC6");
  static const LetterTable latin(kLatin, sizeof kLatin / sizeof *kLatin, "W");
  return langType == kRussianLangType ? cyrillic : latin;
}

const char* LetterTable::Letter(int index) const {
  return index >= 0 && index < count_ ? letters_[index] : nullptr;
}

int LetterTable::Find(std::string_view ansiText) const {
  std::string capitals(ansiText.substr(0, kMaxTextLength));
  for (char& c : capitals) c = Capital(c);
  for (int index = 0; index < count_; ++index) {
    if (capitals == letters_[index]) return index;
  }
  return -1;
}

}  // namespace morvex::letterstrip
