// The walks over a dictionary's packed trie (lexicon/DicTrieFormat.h): the
// exact, near and prefix searches and the step to the next or previous word.
// CDicIndex runs them on its trie and its word buffers; each is bounded by the
// trie's length and by the 255 characters a word may have, and allocates
// nothing. Each returns the article offset (0 in word lists) or -1; `terminal`
// (may be null) receives the position of the node where the found word ends,
// which grows with every word in index order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "lexicon/DicTrieFormat.h"

namespace dictrie {

constexpr int kWordCapacity = 255;

// A word held in a caller's buffer of kWordCapacity + 1 bytes, always
// NUL-terminated; an append that would pass the capacity fails.
class WordBuffer {
 public:
  explicit WordBuffer(char* chars) : chars_(chars) { chars_[0] = '\0'; }
  bool Assign(const unsigned char* chars, size_t count);
  bool Append(const unsigned char* chars, size_t count);
  bool Append(unsigned char ch) { return Append(&ch, 1); }
  void Truncate(size_t length);
  size_t length() const { return length_; }
  const char* chars() const { return chars_; }

 private:
  char* chars_;
  size_t length_ = 0;
};

// The stored word equal to word[0..length) byte for byte.
int32_t FindExact(const TrieView& trie, const unsigned char* word, size_t length,
                  uint32_t* terminal);
// The first stored word that begins with word[0..length), into out.
int32_t FindNear(const TrieView& trie, const unsigned char* word, size_t length, WordBuffer& out,
                 uint32_t* terminal);
// The longest stored word that begins word[0..length), into out (empty on
// failure). The last input character also matches `upperLast` (its capital)
// where the stored word ends on it; the exact character is tried first.
int32_t FindPrefix(const TrieView& trie, const unsigned char* word, size_t length,
                   unsigned char upperLast, WordBuffer& out);
// The stored word after (forward) or before word[0..length), into out; fails
// when word is not stored or has no neighbour on that side.
int32_t StepFrom(const TrieView& trie, const unsigned char* word, size_t length, bool forward,
                 WordBuffer& out, uint32_t* terminal);

}  // namespace dictrie
