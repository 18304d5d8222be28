// The compiled language data file, Lang.dat: its layout, encoded and decoded
// in this one place. CLangData::Load reads and writes it; nothing else in
// MorvexBase knows the layout.
//
// All integers little-endian, no padding, no header besides the count:
//   u16 language count, at least 1
//   then one record per language, in the language map's iteration order:
//     u16  language id (never 0)
//     u8   name length L (at most 26), then L bytes of name (no NUL)
//     2    bytes abbreviation (no NUL; a shorter one is NUL-padded)
//     u8   letter count n (at most 64)
//     n bytes of each column, in this order: Lower, Upper, BaseLower,
//          BaseUpper, OemLower, OemUpper, Class (not the order of the text
//          source's rows, nor the one CLang keeps in memory)
//     256  bytes transliteration: 64 slots of 4 bytes, slot i holding up to
//          3 characters of letter i, NUL-padded; all 64 slots whatever n is
// The file ends exactly after the last record.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/CLang.h"

namespace lang_data_file {

constexpr std::size_t kAbbreviationBytes = 2;
constexpr std::size_t kColumns = 7;
constexpr std::size_t kTransliterationSlotBytes = 4;
constexpr std::size_t kTransliterationBytes = CLang::kMaxLetters * kTransliterationSlotBytes;

}  // namespace lang_data_file

// The file's bytes for these languages, in this order.
std::string EncodeLangDataFile(const std::vector<const CLang*>& languages);

// The languages of a file in file order. False, with `languages` left
// empty, for a file that is not exactly a sound Lang.dat: a count of 0, a
// record cut short, a name over 26 or a letter count over 64 characters, an
// id of 0 or one that repeats, a NUL letter, or bytes after the last record.
bool DecodeLangDataFile(const unsigned char* bytes, std::size_t size,
                        std::vector<std::unique_ptr<CLang>>* languages);
