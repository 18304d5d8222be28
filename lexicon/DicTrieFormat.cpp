#include "lexicon/DicTrieFormat.h"

namespace dictrie {

uint32_t ReadU24(const unsigned char* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16;
}

void WriteU24(unsigned char* bytes, uint32_t value) {
  bytes[0] = static_cast<unsigned char>(value);
  bytes[1] = static_cast<unsigned char>(value >> 8);
  bytes[2] = static_cast<unsigned char>(value >> 16);
}

int TrieNode::FindChild(unsigned char ch) const {
  for (int k = 0; k < childCount; ++k) {
    if (ChildChar(k) == ch) return k;
  }
  return -1;
}

bool TrieView::ReadNode(uint32_t position, TrieNode* node) const {
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

bool TrieView::ReadChild(const TrieNode& branch, int k, TrieNode* child) const {
  const uint32_t relative = ReadU24(branch.entries + k * kEntrySize);
  if (relative == 0 || relative >= length_ - branch.position) return false;
  if (!ReadNode(branch.position + relative, child)) return false;
  return branch.ChildChar(k) != kEndOfWordChar || child->kind == NodeKind::kEndOfWord;
}

}  // namespace dictrie
