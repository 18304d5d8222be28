// Reading a dictd-format dictionary: the ".index" file (one line per head
// word: the word, a tab, the article's offset, a tab, its length, both in
// dictd's base-64 digits) and the ".dict" file of articles, plain or
// compressed with gzip or dictzip (read whole through zlib). The dictionary
// builder reads its sources with these; nothing else does.
//
// Bad input never ends the reading: a malformed index line or an article
// that lies outside the data is reported by its line number and left out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct DictdIndexEntry {
  std::string word;  // as the index gives it, UTF-8
  uint64_t offset = 0;
  uint64_t length = 0;
  unsigned line = 0;  // 1-based line of the index, for reports
};

// The value of dictd's base-64 number ("A".."Z", "a".."z", "0".."9", "+",
// "/", most significant digit first); false for an empty or invalid one or
// one past 2^48.
bool DecodeDictdNumber(std::string_view digits, uint64_t* value);

// The entries of index text, in file order. Lines that do not hold three
// tab-separated fields with valid numbers are described in `problems`, one
// line each, and skipped. The dictd header entries ("00-database-..." and
// "00database...") are skipped silently: they describe the source.
std::vector<DictdIndexEntry> ParseDictdIndex(std::string_view text,
                                             std::vector<std::string>* problems);

// The whole content of a file, decompressed when it is gzip or dictzip;
// false with a message in `error` when it cannot be read.
bool ReadDictdFile(const std::string& path, std::string* content, std::string* error);

// The article of an entry, or false when it runs past the end of the data.
bool ArticleOf(const std::string& data, const DictdIndexEntry& entry, std::string_view* article);

// The value of a dictd header entry (such as "00-database-short"), first
// line trimmed; empty when the index has none.
std::string DictdHeaderValue(std::string_view indexText, const std::string& data,
                             std::string_view name);
