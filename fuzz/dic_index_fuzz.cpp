// Fuzzes the word index's walks: the first byte chooses a word list or not,
// then comes a NUL-terminated search word, and the rest is the trie. Every
// search, a bounded run of Next and Prev, the vulgar walk and the listing
// must stay inside the trie and end; a listed set of words builds again. A
// trie the one-pass scan of word ends accepts must list the same offsets.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/MCArray.h"
#include "lexicon/CDicIndex.h"
#include "lexicon/DicTrieScan.h"

namespace {

// Marks every article at an odd offset, so that the vulgar walk moves on.
class OddOffsetsMarked : public CDicArticleSource {
 public:
  const char* GetArticleText(int32_t offset, const char*, int32_t) override {
    return offset % 2 ? "vulg." : "clean";
  }
};

constexpr int kSteps = 300;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const bool wordList = data[0] & 1;
  ++data;
  --size;
  const void* nul = std::memchr(data, 0, size);
  const std::size_t wordLength = nul ? static_cast<const std::uint8_t*>(nul) - data : size;
  const MCString word(reinterpret_cast<const char*>(data), static_cast<int>(wordLength));
  const std::size_t used = nul ? wordLength + 1 : wordLength;
  data += used;
  size -= used;

  CDicIndex index;
  index.SetWordList(wordList);
  index.LoadBytes(data, static_cast<int>(size));
  index.FindExact(word);
  index.FindNear(word);
  index.FindPrefix(word);
  index.FindFlexion(word);
  index.FindNear("");
  for (int i = 0; i < kSteps && index.Next() != CDicIndex::kNotFound; ++i) {
  }
  for (int i = 0; i < kSteps && index.Prev() != CDicIndex::kNotFound; ++i) {
  }
  OddOffsetsMarked articles;
  const char* found = nullptr;
  index.Find(kMDFindNear | kMDFindNoVulgar | kMDFindDictForm, word, &found, &articles);
  index.Next(&found, &articles);
  index.Prev(&found, &articles);

  MCStringArray words;
  MCDWordArray offsets;
  const int listed = index.ListWords(words, offsets);
  std::vector<dictrie::WordEnd> ends;
  const dictrie::TrieView view(index.GetBytes(), static_cast<uint32_t>(index.GetLength()),
                               wordList);
  if (dictrie::ScanWordEnds(view, &ends)) {
    if (static_cast<int>(ends.size()) != listed) __builtin_trap();
    for (int i = 0; i < listed; ++i) {
      const dictrie::WordEnd& end = ends[static_cast<size_t>(i)];
      if (end.offset != static_cast<int32_t>(offsets.GetAt(i)) ||
          end.slot + dictrie::kOffsetWidth > view.Length() ||
          static_cast<int32_t>(dictrie::ReadU24(index.GetBytes() + end.slot)) != end.offset) {
        __builtin_trap();
      }
    }
  }
  CDicIndex rebuilt;
  rebuilt.SetWordList(wordList);
  MCDWordArray slots;
  rebuilt.Build(words, &slots);
  return 0;
}
