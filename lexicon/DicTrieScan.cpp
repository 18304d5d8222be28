#include "lexicon/DicTrieScan.h"

#include <bitset>
#include <cstring>

namespace dictrie {

namespace {

constexpr uint32_t kMaxWordBytes = 255;

// A branch on the way down, and the next of its children to visit.
struct Frame {
  TrieNode branch;
  int next;
  uint32_t depth;  // the characters taken above the branch's children
};

// Where the node ends in the trie, given that ReadNode accepted it.
uint32_t NodeEnd(const TrieNode& node) {
  switch (node.kind) {
    case NodeKind::kEndOfWord:
      return node.position + 1 + kOffsetWidth;
    case NodeKind::kLeaf:
      return node.position + 1 + kOffsetWidth + static_cast<uint32_t>(node.charCount);
    case NodeKind::kBranch:
      break;
  }
  return node.position + 1 + static_cast<uint32_t>(node.childCount) * kEntrySize;
}

bool HasDistinctChildren(const TrieNode& branch) {
  std::bitset<256> seen;
  for (int k = 0; k < branch.childCount; ++k) {
    const unsigned char ch = branch.ChildChar(k);
    if (seen[ch] || (ch == kEndOfWordChar && k != 0)) return false;
    seen[ch] = true;
  }
  return true;
}

bool ScanInOrder(const TrieView& trie, std::vector<WordEnd>* ends) {
  if (trie.IsEmpty()) return true;
  // A path holds at most one branch per character, and one more for the
  // end-of-word child.
  Frame path[kMaxPathNodes];
  int depth = 0;
  uint32_t expected = kRootPosition;  // where the next node must start
  TrieNode node;
  uint32_t chars = 0;  // taken on the way to `node`
  if (!trie.ReadNode(expected, &node)) return false;
  for (;;) {
    if (node.position != expected) return false;
    expected = NodeEnd(node);
    if (node.kind == NodeKind::kBranch) {
      if (depth == kMaxPathNodes || !HasDistinctChildren(node)) return false;
      path[depth++] = Frame{node, 0, chars};
    } else {
      const uint32_t leafChars = static_cast<uint32_t>(node.charCount);
      if (node.kind == NodeKind::kLeaf && (chars + leafChars > kMaxWordBytes ||
                                           std::memchr(node.chars, '\0', leafChars) != nullptr)) {
        return false;
      }
      if (chars == 0 && node.kind == NodeKind::kEndOfWord) return false;  // an empty word
      ends->push_back(WordEnd{node.position + 1, node.offset});
    }
    // The next child to visit: of the deepest branch with one left.
    while (depth > 0 && path[depth - 1].next == path[depth - 1].branch.childCount) --depth;
    if (depth == 0) break;
    Frame& parent = path[depth - 1];
    const int k = parent.next++;
    const unsigned char ch = parent.branch.ChildChar(k);
    chars = ch == kEndOfWordChar ? parent.depth : parent.depth + 1;
    if (chars > kMaxWordBytes || !trie.ReadChild(parent.branch, k, &node)) return false;
  }
  return expected == trie.Length();
}

}  // namespace

bool ScanWordEnds(const TrieView& trie, std::vector<WordEnd>* ends) {
  ends->clear();
  if (!trie.IsWordList() && ScanInOrder(trie, ends)) return true;
  ends->clear();
  return false;
}

}  // namespace dictrie
