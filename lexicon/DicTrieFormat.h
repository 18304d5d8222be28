// The packed trie of a dictionary's word index, and a bounded view of it
// that the searches, the listing and the fuzz target walk.
//
// A position is a byte index into the trie; the root node is at 0. A node
// starts with one byte b:
//   b = 0        end of word: then the 3-byte article offset
//   b = 1..127   branch of b children: b entries of 4 bytes, the child's
//                position relative to this node (3 bytes, >= 1), then the
//                child's character (0: the end-of-word child, always first)
//   b = 128..255 leaf: the 3-byte article offset, then 256 - b characters
// Word lists store no article offsets. 3-byte numbers are unsigned
// little-endian. Nodes are written depth-first, a parent before its
// children, so every child lies after its parent.
#pragma once

#include <cstddef>
#include <cstdint>

namespace dictrie {

constexpr uint32_t kRootPosition = 0;
constexpr int kOffsetWidth = 3;  // article offsets and relative positions
constexpr int kEntrySize = 4;    // relative position, then the character
constexpr int kMaxChildren = 127;
constexpr int kMaxLeafChars = 128;
constexpr int kLeafBase = 256;               // a leaf of c characters starts with 256 - c
constexpr uint32_t kNumberLimit = 1u << 24;  // offsets and relative positions stay below
constexpr unsigned char kEndOfWordChar = 0;
// A path holds at most 255 characters: 255 steps that take one, plus the
// step to the end-of-word node and the end node itself.
constexpr int kMaxPathNodes = 257;

inline uint32_t ReadU24(const unsigned char* bytes);
void WriteU24(unsigned char* bytes, uint32_t value);

enum class NodeKind { kEndOfWord, kBranch, kLeaf };

struct TrieNode {
  NodeKind kind = NodeKind::kEndOfWord;
  uint32_t position = 0;
  int32_t offset = 0;                      // end of word and leaf; 0 in word lists
  int childCount = 0;                      // branch
  const unsigned char* entries = nullptr;  // branch: childCount entries
  const unsigned char* chars = nullptr;    // leaf
  int charCount = 0;                       // leaf

  unsigned char ChildChar(int k) const { return entries[k * kEntrySize + kOffsetWidth]; }
  // The index of the first child with that character, or -1.
  int FindChild(unsigned char ch) const;
  bool HasEndOfWordChild() const { return FindChild(kEndOfWordChar) >= 0; }
};

class TrieView {
 public:
  TrieView(const unsigned char* bytes, uint32_t length, bool wordList)
      : bytes_(bytes), length_(length), wordList_(wordList) {}

  bool IsEmpty() const { return length_ == 0; }
  uint32_t Length() const { return length_; }
  bool IsWordList() const { return wordList_; }
  // False when the node at `position` does not lie wholly inside the trie.
  bool ReadNode(uint32_t position, TrieNode* node) const;
  // Reads child k of a branch; false when its relative position is 0 or
  // the child lies outside the trie, or when an end-of-word child is not an
  // end-of-word node.
  bool ReadChild(const TrieNode& branch, int k, TrieNode* child) const;

 private:
  const unsigned char* bytes_;
  uint32_t length_;
  bool wordList_;
};

// Defined here so that the walks, which read a node at every step, inline them.

inline uint32_t ReadU24(const unsigned char* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16;
}

inline int TrieNode::FindChild(unsigned char ch) const {
  for (int k = 0; k < childCount; ++k) {
    if (ChildChar(k) == ch) return k;
  }
  return -1;
}

inline bool TrieView::ReadNode(uint32_t position, TrieNode* node) const {
  if (position >= length_) return false;
  const unsigned char* at = bytes_ + position;
  const uint32_t room = length_ - position - 1;  // bytes after the node's first
  const uint32_t offsetBytes = wordList_ ? 0 : kOffsetWidth;
  *node = TrieNode();
  node->position = position;
  const unsigned b = at[0];
  if (b == 0) {
    if (room < offsetBytes) return false;
    node->kind = NodeKind::kEndOfWord;
    node->offset = wordList_ ? 0 : static_cast<int32_t>(ReadU24(at + 1));
    return true;
  }
  if (b <= static_cast<unsigned>(kMaxChildren)) {
    if (room < b * kEntrySize) return false;
    node->kind = NodeKind::kBranch;
    node->childCount = static_cast<int>(b);
    node->entries = at + 1;
    return true;
  }
  const uint32_t charCount = kLeafBase - b;
  if (room < offsetBytes + charCount) return false;
  node->kind = NodeKind::kLeaf;
  node->offset = wordList_ ? 0 : static_cast<int32_t>(ReadU24(at + 1));
  node->chars = at + 1 + offsetBytes;
  node->charCount = static_cast<int>(charCount);
  return true;
}

inline bool TrieView::ReadChild(const TrieNode& branch, int k, TrieNode* child) const {
  const uint32_t relative = ReadU24(branch.entries + k * kEntrySize);
  if (relative == 0 || relative >= length_ - branch.position) return false;
  if (!ReadNode(branch.position + relative, child)) return false;
  return branch.ChildChar(k) != kEndOfWordChar || child->kind == NodeKind::kEndOfWord;
}

}  // namespace dictrie
