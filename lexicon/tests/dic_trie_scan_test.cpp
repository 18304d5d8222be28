// The one-pass scan of a trie's word ends: it must find every word of a
// built trie with its slot and offset, and refuse every other layout, since
// the editor trusts it to name each record that moves.
//
// The scan is internal to the engine's library, so only the native build,
// which links it directly, runs these cases; the editor's tests cover it in
// both builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lexicon/CDicIndex.h"
#include "lexicon/DicTrieScan.h"
#include "lexicon/tests/dic_index_support.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::vector<dictrie::WordEnd> ScannedEnds(const Bytes& bytes, bool wordList, bool* accepted) {
  std::vector<dictrie::WordEnd> ends = {{1, 1}};  // emptied on refusal
  *accepted = dictrie::ScanWordEnds(
      dictrie::TrieView(bytes.data(), static_cast<uint32_t>(bytes.size()), wordList), &ends);
  return ends;
}

TEST(DicIndexScan, ABuiltTrieGivesTheListedOffsetsInOrder) {
  Words words;
  for (int i = 0; i < 300; ++i) {
    const std::string stem = "w" + std::to_string(1000 + i * 7);
    words.push_back(stem);
    if (i % 3 == 0) words.push_back(stem + "ing");  // an end-of-word child
  }
  std::sort(words.begin(), words.end());
  CDicIndex index;
  ASSERT_TRUE(BuildWords(index, words));
  const std::string trie = TrieBytes(index);
  bool accepted = false;
  const std::vector<dictrie::WordEnd> ends =
      ScannedEnds(Bytes(trie.begin(), trie.end()), false, &accepted);
  ASSERT_TRUE(accepted);
  ASSERT_EQ(ends.size(), words.size());
  for (size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(ends[i].offset, OffsetOfWord(i)) << words[i];
    EXPECT_EQ(static_cast<int32_t>(dictrie::ReadU24(
                  reinterpret_cast<const unsigned char*>(trie.data()) + ends[i].slot)),
              OffsetOfWord(i));
  }
}

// Tries the searches read but the scan cannot vouch for: their words would
// not come out in index order, or not all of them.
TEST(DicIndexScan, RefusesAnyOtherLayout) {
  struct Refused {
    const char* name;
    Bytes bytes;
    bool wordList;
  };
  const Refused cases[] = {
      {"a word list", {0xFF, 'a'}, true},
      {"a byte after the last node", {0xFF, 0x01, 0x00, 0x00, 'a', 0x00}, false},
      // {a, b} with the leaf of b before that of a.
      {"a younger child first",
       {0x02, 0x0E, 0x00, 0x00, 'a', 0x09, 0x00, 0x00, 'b', 0xFF, 0x02, 0x00, 0x00, 'b', 0xFF, 0x01,
        0x00, 0x00, 'a'},
       false},
      {"a gap between nodes",
       {0x01, 0x06, 0x00, 0x00, 'a', 0x7F, 0xFF, 0x01, 0x00, 0x00, 'x'},
       false},
      {"a repeated child",
       {0x02, 0x09, 0x00, 0x00, 'a', 0x0E, 0x00, 0x00, 'a', 0xFF, 0x01, 0x00, 0x00, 'x', 0xFF, 0x02,
        0x00, 0x00, 'y'},
       false},
      {"the end of a word after a sibling",
       {0x02, 0x09, 0x00, 0x00, 'a', 0x0E, 0x00, 0x00, 0x00, 0xFF, 0x01, 0x00, 0x00, 'x', 0x00,
        0x02, 0x00, 0x00},
       false},
      {"a NUL in a leaf", {0xFE, 0x01, 0x00, 0x00, 'a', 0x00}, false},
      {"a damaged child", {0x01, 0xFF, 0x00, 0x00, 'a'}, false},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.name);
    bool accepted = true;
    EXPECT_TRUE(ScannedEnds(c.bytes, c.wordList, &accepted).empty());
    EXPECT_FALSE(accepted);
  }
}

}  // namespace
