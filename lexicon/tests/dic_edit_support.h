// Helpers of the editing tests: a dictionary made for editing, everything it
// reads back through an open object, and the layout check of a rewritten
// file.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "lexicon/CDic.h"

constexpr uint16_t kEnglishLang = 1033;
constexpr uint16_t kRussianLang = 1049;

// Head word -> plain article text, as the dictionary gives them back.
using Contents = std::map<std::string, std::string>;

// Creates a dictionary at path and sets its type and languages; it stays
// open for editing.
bool CreateForEditing(CDic& dic, const std::string& path, uint8_t type,
                      uint16_t langIn = kEnglishLang);

// The plain text an article is stored as: split into a tree of the type and
// merged back ("" in word lists).
std::string StoredText(uint8_t type, const std::string& article);

// Every word of the index with its article, each found by the exact search;
// a word whose search or record fails is marked so.
Contents ReadThrough(CDic& dic);

// The bytes of the dictionary's file. An open dictionary holds its file
// exclusively (on Windows nobody else can read it), so it is closed for the
// reading and opened again for editing.
std::string FileBytesOf(CDic& dic, const std::string& path);

// The layout every rewritten file has: the header, then the records from the
// data start in index order, each exactly one whole record and back to back,
// the index right after the last, and nothing after the index; the header's
// count is the number of words. Word lists hold no records.
::testing::AssertionResult HasEditedLayout(const std::string& bytes);

// The names in a directory.
std::vector<std::string> FilesIn(const std::string& dir);

// A NUL-separated list ending with an empty text.
std::string ZList(const std::vector<std::string>& items);
