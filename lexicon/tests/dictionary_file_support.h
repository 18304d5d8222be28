// A helper of the search and entry-point tests: a whole dictionary file made
// from (head word, plain article) pairs with the engine's own index builder
// and record encoder, so that a test states its dictionary as a table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ArticleRow {
  std::string word;  // as stored: reversed in dictionaries of types 2 and 3
  std::string text;  // plain article syntax; ignored in word lists (5, 6)
};

// The bytes of a dictionary of `type` (input language 1033, output 1049)
// holding the rows, which must be in index order; "" when the rows cannot
// be built into an index or a record.
std::string DictionaryFileBytes(uint8_t type, const std::vector<ArticleRow>& rows);
