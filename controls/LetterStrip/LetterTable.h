// The alphabets the strip shows, one capital letter per cell, and how a
// text the host passes finds its letter. Letters are ANSI, code page 1251
// for the Cyrillic table.
//
// Used by the alphabet strip control (VelLetterStripCtrl).
#pragma once

#include <windows.h>

#include <string_view>

namespace morvex::letterstrip {

// The primary language id that selects the Cyrillic table; every other id
// selects the Latin one.
constexpr WORD kRussianLangType = 25;

class LetterTable {
 public:
  // The table of a primary language id.
  static const LetterTable& For(WORD langType);

  int count() const { return count_; }
  // The letter at index as a one-character string; null outside the table.
  const char* Letter(int index) const;
  // The letter whose extent sizes every cell of the strip.
  const char* measure() const { return measure_; }
  // The index of the letter the text names: its first 255 characters, a-z
  // and the code page's lower-case range (0xE0-0xFF) taken as capitals,
  // equal to one letter of the table; -1 when it names none.
  int Find(std::string_view ansiText) const;

 private:
  LetterTable(const char* const* letters, int count, const char* measure)
      : letters_(letters), count_(count), measure_(measure) {}

  const char* const* letters_;
  int count_;
  const char* measure_;
};

}  // namespace morvex::letterstrip
