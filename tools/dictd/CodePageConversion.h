// UTF-8 text into the 8-bit code pages of the dictionaries: 1251 for Russian,
// 1252 for the other languages. The dictionary builder converts every head
// word and article text of a dictd source with it.
//
// A character the code page has is written as its byte. One it lacks is
// transliterated where a plain equivalent exists (accented Latin letters to
// their base letters, Cyrillic to Latin, Greek to Latin, a few symbols) and
// dropped otherwise, so that no byte of the result stands for a character
// other than the one written. Malformed UTF-8 is dropped byte by byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class CodePage { k1251, k1252 };

// 1251 for a Russian language id (primary language 25), else 1252.
CodePage CodePageOfLanguage(uint16_t langId);

// What a conversion had to change, for the builder's report.
struct ConversionCounts {
  unsigned transliterated = 0;  // characters written as their plain equivalent
  unsigned dropped = 0;         // characters without any equivalent
  unsigned malformed = 0;       // bytes that were no valid UTF-8

  ConversionCounts& operator+=(const ConversionCounts& other);
};

// The text in the code page; `counts` (may be null) adds what was changed.
std::string ConvertUtf8(std::string_view utf8, CodePage codePage, ConversionCounts* counts);
