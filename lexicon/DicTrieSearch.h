// The walks over a dictionary's packed trie (lexicon/DicTrieFormat.h): the
// exact, near and prefix searches and the step to the next or previous word.
// CDicIndex runs them on its trie and its word buffers; each is bounded by the
// trie's length and by the 255 characters a word may have, and allocates
// nothing. Each returns the article offset (0 in word lists) or -1; `terminal`
// (may be null) receives the position of the node where the found word ends,
// which grows with every word in index order. The exact and near searches
// record the branches down to the word they find in a TriePath, from which
// StepOn reaches the neighbour without walking down again from the root.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "lexicon/DicTrieFormat.h"

namespace dictrie {

constexpr int kWordCapacity = 255;

// A word held in a caller's buffer of kWordCapacity + 1 bytes, always
// NUL-terminated; an append that would pass the capacity fails.
class WordBuffer {
 public:
  explicit WordBuffer(char* chars) : chars_(chars) { chars_[0] = '\0'; }
  bool Assign(const unsigned char* chars, size_t count) {
    Truncate(0);
    return Append(chars, count);
  }
  bool Append(const unsigned char* chars, size_t count) {
    if (count > kWordCapacity - length_) return false;
    std::memcpy(chars_ + length_, chars, count);
    length_ += count;
    chars_[length_] = '\0';
    return true;
  }
  bool Append(unsigned char ch) { return Append(&ch, 1); }
  void Truncate(size_t length) {
    if (length >= length_) return;
    length_ = length;
    chars_[length_] = '\0';
  }
  size_t length() const { return length_; }
  const char* chars() const { return chars_; }

 private:
  char* chars_;
  size_t length_ = 0;
};

// The branches on the way from the root to a word: at each, the child taken
// and the length of the word before the child's character. Positions only,
// no pointers: each node is read again, within the trie, when it is used.
struct TriePath {
  struct Branch {
    uint32_t position;
    int16_t child;
    uint16_t place;
  };
  // False when no path is known, or when a walk from the root along the word
  // would not retrace it (only a damaged trie, with a repeated child
  // character or a NUL inside a leaf, gives such a word).
  bool valid = false;
  int depth = 0;
  Branch branches[kMaxPathNodes];
};

// The stored word equal to word[0..length) byte for byte; path (may be null)
// receives the way to it, valid on success.
int32_t FindExact(const TrieView& trie, const unsigned char* word, size_t length,
                  uint32_t* terminal, TriePath* path);
// The first stored word that begins with word[0..length), into out; path as
// for FindExact.
int32_t FindNear(const TrieView& trie, const unsigned char* word, size_t length, WordBuffer& out,
                 uint32_t* terminal, TriePath* path);
// The longest stored word that begins word[0..length), into out (empty on
// failure). The last input character also matches `upperLast` (its capital)
// where the stored word ends on it; the exact character is tried first.
int32_t FindPrefix(const TrieView& trie, const unsigned char* word, size_t length,
                   unsigned char upperLast, WordBuffer& out);
// The stored word after (forward) or before word[0..length), whose valid
// path is `path`, into out; the path becomes the neighbour's. Fails when the
// word has no neighbour on that side (path kept) or the trie is damaged on
// the way (path no longer valid).
int32_t StepOn(const TrieView& trie, const unsigned char* word, TriePath& path, bool forward,
               WordBuffer& out, uint32_t* terminal);

}  // namespace dictrie
