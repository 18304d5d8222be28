// CLang: one alphabet of the language data (Lang.dat), with the letter
// tests, case and base-letter mappings, word comparisons, OEM code-page
// conversion and Latin transliteration that the character services
// (base/CharServices.h) apply for a loaded language id.
//
// An alphabet is up to 64 letter rows in dictionary order. Row i holds the
// capital and small form of letter i, the capital and small form of its base
// letter (the letter without its diacritic), its two OEM codes, its class
// ('v' vowel, 'c' consonant, anything else neither) and up to three Latin
// characters. A character is a letter when it is the capital or small form
// of some row; the first such row gives its alphabet index. Characters are
// compared as unsigned bytes; NUL is never a letter.
//
// The language data loaders (base/CLangData.h) fill the rows with SetLetter
// and close the alphabet with SetLetterCount, which also builds the 256-entry
// lookup tables every service reads, so no service scans the rows.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCObject.h"

// One letter row as the language data describes it.
struct CLangLetter {
  char lower;
  char upper;
  char baseLower;
  char baseUpper;
  char oemLower;
  char oemUpper;
  char letterClass;         // 'v', 'c' or anything else
  char transliteration[4];  // up to 3 characters, NUL-padded
};

class MBASE_API CLang : public MCObject {
 public:
  // (Enumerators: see CLangData::LoadResult.)
  enum Limits : int {
    kMaxLetters = 64,
    kMaxNameLength = 26,  // longer names are cut
    kAbbreviationLength = 2,
    kTransliterationLength = 3,
  };

  // Null texts give ""; the name and abbreviation are cut to their fields.
  // The alphabet starts empty.
  CLang(const char* name = nullptr, const char* abbreviation = nullptr, unsigned short id = 0);
  ~CLang() override;

  unsigned short GetLangId() const { return id_; }
  // The abbreviation (the name), also copied to dst when dst is not null
  // (room for 3 (27) characters).
  const char* GetLangStr(char* dst) const;
  const char* GetLanguageString(char* dst) const;

  // --- Letter tests: 0 or non-zero. IsAlpha, IsAlphaNum, IsUpper and IsLower
  // fall back to the 7-bit rules for characters outside the alphabet.
  int IsAlpha(char ch) const;
  int IsAlphaNum(char ch) const;
  int IsUpper(char ch) const;  // in the capital column
  int IsLower(char ch) const;  // in the small column
  // ch itself when it is a letter of that class, else 0.
  char IsVowel(char ch) const;
  char IsConsonant(char ch) const;
  // Whether a letter is its own base letter (Base) or differs from it (Spec);
  // 0 for a non-letter. The Lower and Upper forms look at one column only.
  int IsBaseAlpha(char ch) const;
  int IsSpecAlpha(char ch) const;
  int IsBaseLower(char ch) const;
  int IsSpecLower(char ch) const;
  int IsBaseUpper(char ch) const;
  int IsSpecUpper(char ch) const;

  // --- Mappings; a character outside the alphabet is returned unchanged
  // (no 7-bit fallback).
  char ToLower(char ch) const;
  char ToUpper(char ch) const;
  char ToBaseLower(char ch) const;
  char ToBaseUpper(char ch) const;
  // In place; null-safe; return s.
  char* StrLwr(char* s) const;
  char* StrUpr(char* s) const;
  int CharToIndex(char ch) const;     // the alphabet index, -1 for a non-letter
  char IndexToChar(int index) const;  // the small letter, 0 outside the alphabet

  // --- Comparisons: negative, zero or positive; null counts as "".
  int CompareNoCase(const char* a, const char* b) const;
  int CompareBaseNoCase(const char* a, const char* b) const;
  int CompareNNoCase(const char* a, const char* b, unsigned n) const;
  int CompareNSort(const char* a, const char* b, unsigned n) const;  // as CompareNNoCase
  int CompareBaseNNoCase(const char* a, const char* b, unsigned n) const;
  // Case first (capitals before small letters), then the alphabet.
  int CompareSort(const char* a, const char* b) const;
  // The dictionary order: the alphabet first, then capitals before small
  // letters. Two different words of letters never compare equal.
  int CompareSortUpDown(const char* a, const char* b) const;

  // --- Code pages and transliteration. The string forms write a
  // NUL-terminated result to dst and return the position of its NUL (null
  // when dst is null). For the code pages dst may equal src; a
  // transliteration needs room for 3 characters per letter plus the NUL and
  // must not overlap src.
  char CharAnsiToOem(char ch) const;
  char CharOemToAnsi(char ch) const;
  char* StrAnsiToOem(const char* src, char* dst) const;
  char* StrOemToAnsi(const char* src, char* dst) const;
  char* StrTransliterate(const char* src, char* dst) const;

  // --- The alphabet's rows, for the language data loaders and writers.
  int GetLetterCount() const { return letterCount_; }
  // Row index, or a zeroed row outside 0..count-1.
  CLangLetter GetLetter(int index) const;
  // Stores row index (0..63); the transliteration is cut to 3 characters.
  // Returns 0 and stores nothing for another index or when one of the six
  // character fields is NUL (NUL is never a letter, and an OEM code of 0
  // would end every converted string).
  int SetLetter(int index, const CLangLetter& letter);
  // Closes the alphabet at count rows (cut to 0..64): the rows from count on
  // are zeroed and the lookup tables rebuilt. Call it after the last
  // SetLetter.
  void SetLetterCount(int count);

 private:
  enum : int { kNoRow = -1 };

  void BuildLookupTables();
  // The comparisons' walks, with the per-character mapping they fold by.
  int CompareFolded(const char* a, const char* b, char (CLang::*fold)(char) const) const;
  int CompareNFolded(const char* a, const char* b, unsigned n,
                     char (CLang::*fold)(char) const) const;
  // The orders of two different letters that the word orders combine: by
  // case (capital, caseless, small) and by alphabet index, letters outside
  // the alphabet before it and among themselves by their 7-bit capitals.
  int CaseOrder(char a, char b) const;
  int AlphabetOrder(char a, char b) const;
  int LetterRow(char ch) const { return letterRow_[static_cast<unsigned char>(ch)]; }
  int LowerRow(char ch) const { return lowerRow_[static_cast<unsigned char>(ch)]; }
  int UpperRow(char ch) const { return upperRow_[static_cast<unsigned char>(ch)]; }

  // The alphabet as the language data gives it; every column is zero from
  // letterCount_ on.
  unsigned short id_;
  char abbreviation_[kAbbreviationLength + 1];
  char name_[kMaxNameLength + 1];
  std::uint8_t letterCount_;
  char upper_[kMaxLetters];
  char lower_[kMaxLetters];
  char baseUpper_[kMaxLetters];
  char baseLower_[kMaxLetters];
  char oemUpper_[kMaxLetters];
  char oemLower_[kMaxLetters];
  char class_[kMaxLetters];
  char transliteration_[kMaxLetters][kTransliterationLength + 1];

  // Built by SetLetterCount: for each byte the first row holding it in the
  // small column, in the capital column and in either (kNoRow when none),
  // and both code-page conversions in full.
  std::int8_t lowerRow_[256];
  std::int8_t upperRow_[256];
  std::int8_t letterRow_[256];
  char ansiToOem_[256];
  char oemToAnsi_[256];
};
