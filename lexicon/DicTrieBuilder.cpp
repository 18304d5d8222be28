#include "lexicon/DicTrieBuilder.h"

#include <algorithm>
#include <bitset>
#include <cstring>

#include "lexicon/CDicIndex.h"
#include "lexicon/DicTrieFormat.h"
#include "lexicon/DicTrieSearch.h"

namespace dictrie {

namespace {

constexpr size_t kTrieSizeLimit = 0x7FFFFFFF;  // the trie is held in an MCString

// The starting reservation for a trie that replaces one of `previous` bytes.
size_t InitialReservation(uint32_t previous) {
  if (previous < 1000) return 2000;
  if (previous < 100000) return 3 * static_cast<size_t>(previous);
  if (previous < 5000000) return 2 * static_cast<size_t>(previous);
  return previous;
}

// Room for a trie of words with `characters` in all: each character once and,
// per word, a node byte, an article offset and the branch entry leading to
// it. Shared prefixes keep a trie below that, so it seldom has to grow.
size_t ReservationForWords(size_t characters, size_t count) {
  return characters + count * (1 + kOffsetWidth + kEntrySize);
}

}  // namespace

bool TrieBuilder::Build(const MCStringArray& words, uint32_t previousLength,
                        std::vector<unsigned char>* trie, std::vector<uint32_t>* slots) {
  trie_ = trie;
  slots_ = slots;
  trie->clear();
  slots->assign(wordList_ ? 0 : static_cast<size_t>(words.GetSize()), CDicIndex::kNoSlot);
  words_.clear();
  words_.reserve(static_cast<size_t>(words.GetSize()));
  size_t characters = 0;
  for (int i = 0; i < words.GetSize(); ++i) {
    const char* chars = words.GetAt(i);
    const size_t length = std::strlen(chars);
    if (length == 0 || length > static_cast<size_t>(kWordCapacity)) return false;
    characters += length;
    const Word word{reinterpret_cast<const unsigned char*>(chars), static_cast<uint32_t>(length),
                    static_cast<uint32_t>(i)};
    const bool repeated = !words_.empty() && words_.back().length == word.length &&
                          std::memcmp(words_.back().chars, word.chars, length) == 0;
    if (!repeated) words_.push_back(word);
  }
  if (words_.empty()) return true;
  trie->reserve(std::max(InitialReservation(previousLength),
                         std::min(ReservationForWords(characters, words_.size()), kTrieSizeLimit)));
  return BuildRange(0, words_.size(), 0) && trie->size() <= kTrieSizeLimit;
}

bool TrieBuilder::BuildRange(size_t first, size_t end, uint32_t depth) {
  if (progress_) {
    const int32_t thousandths = static_cast<int32_t>(static_cast<uint64_t>(first) * 1000 /
                                                     static_cast<uint64_t>(words_.size()));
    if (progress_(thousandths) == 0) return false;
  }
  // A tail longer than a leaf holds goes on as a chain of one-child branches.
  if (end - first == 1 && words_[first].length - depth <= static_cast<uint32_t>(kMaxLeafChars)) {
    return WriteLeaf(words_[first], depth);
  }
  return WriteBranch(first, end, depth);
}

bool TrieBuilder::WriteLeaf(const Word& word, uint32_t depth) {
  const uint32_t count = word.length - depth;
  trie_->push_back(static_cast<unsigned char>(count == 0 ? 0 : kLeafBase - count));
  WriteOffsetSlot(word);
  trie_->insert(trie_->end(), word.chars + depth, word.chars + word.length);
  return true;
}

void TrieBuilder::WriteOffsetSlot(const Word& word) {
  if (wordList_) return;
  (*slots_)[word.input] = static_cast<uint32_t>(trie_->size());
  trie_->insert(trie_->end(), kOffsetWidth, 0);
}

bool TrieBuilder::WriteBranch(size_t first, size_t end, uint32_t depth) {
  // The children: where each one's range starts, in list order. Held on the
  // stack: a build makes a branch for most words.
  size_t starts[kMaxChildren];
  unsigned char chars[kMaxChildren];
  size_t count = 0;
  std::bitset<256> seen;
  for (size_t i = first; i < end; ++i) {
    const Word& word = words_[i];
    // Only the first word of a range may end here (a word before its
    // extensions); a later one means the list is out of order.
    const unsigned char ch = word.length == depth ? kEndOfWordChar : word.chars[depth];
    if (ch == kEndOfWordChar && i != first) return false;
    if (count > 0 && chars[count - 1] == ch) continue;
    if (seen[ch]) return false;  // this character's words are not contiguous
    if (count == static_cast<size_t>(kMaxChildren)) return false;
    seen[ch] = true;
    starts[count] = i;
    chars[count] = ch;
    ++count;
  }
  const size_t node = trie_->size();
  trie_->push_back(static_cast<unsigned char>(count));
  for (size_t k = 0; k < count; ++k) {
    trie_->insert(trie_->end(), kOffsetWidth, 0);
    trie_->push_back(chars[k]);
  }
  for (size_t k = 0; k < count; ++k) {
    const size_t relative = trie_->size() - node;
    if (relative >= kNumberLimit) return false;
    WriteU24(trie_->data() + node + 1 + k * kEntrySize, static_cast<uint32_t>(relative));
    const size_t childEnd = k + 1 < count ? starts[k + 1] : end;
    const uint32_t childDepth = chars[k] == kEndOfWordChar ? depth : depth + 1;
    if (!BuildRange(starts[k], childEnd, childDepth)) return false;
  }
  return true;
}

}  // namespace dictrie
