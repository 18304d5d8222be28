#include "lexicon/DicTrieSearch.h"

#include <cstring>

namespace dictrie {

namespace {

constexpr int32_t kNotFound = -1;

int32_t Found(const TrieNode& node, uint32_t* terminal) {
  if (terminal) *terminal = node.position;
  return node.offset;
}

// From `node` down to the first (forward) or last word below it, appending
// the characters taken to out.
int32_t Descend(const TrieView& trie, TrieNode node, bool forward, WordBuffer& out,
                uint32_t* terminal) {
  for (int visited = 0; visited < kMaxPathNodes; ++visited) {
    switch (node.kind) {
      case NodeKind::kEndOfWord:
        return Found(node, terminal);
      case NodeKind::kLeaf:
        if (!out.Append(node.chars, static_cast<size_t>(node.charCount))) return kNotFound;
        return Found(node, terminal);
      case NodeKind::kBranch: {
        const int k = forward ? 0 : node.childCount - 1;
        const unsigned char ch = node.ChildChar(k);
        TrieNode child;
        if (!trie.ReadChild(node, k, &child)) return kNotFound;
        if (ch != kEndOfWordChar && !out.Append(ch)) return kNotFound;
        node = child;
        break;
      }
    }
  }
  return kNotFound;
}

}  // namespace

bool WordBuffer::Assign(const unsigned char* chars, size_t count) {
  Truncate(0);
  return Append(chars, count);
}

bool WordBuffer::Append(const unsigned char* chars, size_t count) {
  if (count > kWordCapacity - length_) return false;
  std::memcpy(chars_ + length_, chars, count);
  length_ += count;
  chars_[length_] = '\0';
  return true;
}

void WordBuffer::Truncate(size_t length) {
  if (length >= length_) return;
  length_ = length;
  chars_[length_] = '\0';
}

int32_t FindExact(const TrieView& trie, const unsigned char* word, size_t length,
                  uint32_t* terminal) {
  TrieNode node;
  if (!trie.ReadNode(kRootPosition, &node)) return kNotFound;
  size_t i = 0;
  for (int visited = 0; visited < kMaxPathNodes; ++visited) {
    switch (node.kind) {
      case NodeKind::kEndOfWord:
        return i == length ? Found(node, terminal) : kNotFound;
      case NodeKind::kLeaf: {
        const size_t count = static_cast<size_t>(node.charCount);
        if (length - i != count || std::memcmp(node.chars, word + i, count) != 0) return kNotFound;
        return Found(node, terminal);
      }
      case NodeKind::kBranch: {
        const unsigned char ch = i < length ? word[i] : kEndOfWordChar;
        const int k = node.FindChild(ch);
        TrieNode child;
        if (k < 0 || !trie.ReadChild(node, k, &child)) return kNotFound;
        if (ch != kEndOfWordChar) ++i;
        node = child;
        break;
      }
    }
  }
  return kNotFound;
}

int32_t FindNear(const TrieView& trie, const unsigned char* word, size_t length, WordBuffer& out,
                 uint32_t* terminal) {
  TrieNode node;
  if (!out.Assign(word, length) || !trie.ReadNode(kRootPosition, &node)) return kNotFound;
  size_t i = 0;
  // While the input lasts the buffer already holds it; once it is used up the
  // first child at every branch completes the word.
  for (int visited = 0; visited < kMaxPathNodes && i < length; ++visited) {
    switch (node.kind) {
      case NodeKind::kEndOfWord:
        return kNotFound;  // a stored word shorter than the input
      case NodeKind::kLeaf: {
        const size_t rest = length - i;
        if (rest > static_cast<size_t>(node.charCount) ||
            std::memcmp(node.chars, word + i, rest) != 0) {
          return kNotFound;
        }
        out.Truncate(i);
        if (!out.Append(node.chars, static_cast<size_t>(node.charCount))) return kNotFound;
        return Found(node, terminal);
      }
      case NodeKind::kBranch: {
        const int k = node.FindChild(word[i]);
        TrieNode child;
        if (k < 0 || !trie.ReadChild(node, k, &child)) return kNotFound;
        ++i;
        node = child;
        break;
      }
    }
  }
  if (i < length) return kNotFound;
  return Descend(trie, node, true, out, terminal);
}

int32_t FindPrefix(const TrieView& trie, const unsigned char* word, size_t length,
                   unsigned char upperLast, WordBuffer& out) {
  out.Truncate(0);
  TrieNode node;
  if (!trie.ReadNode(kRootPosition, &node)) return kNotFound;
  // The last branch passed that ends a stored word, and the length of that word.
  TrieNode shorter;
  size_t shorterLength = 0;
  bool haveShorter = false;
  size_t i = 0;
  for (int visited = 0; visited < kMaxPathNodes; ++visited) {
    if (node.kind == NodeKind::kEndOfWord) return node.offset;
    if (node.kind == NodeKind::kLeaf) {
      const size_t count = static_cast<size_t>(node.charCount);
      const size_t rest = length - i;
      const bool accepted = rest >= count && std::memcmp(node.chars, word + i, count - 1) == 0 &&
                            (node.chars[count - 1] == word[i + count - 1] ||
                             (rest == count && node.chars[count - 1] == upperLast));
      if (accepted && out.Append(node.chars, count)) return node.offset;
      break;
    }
    if (node.HasEndOfWordChild()) {
      shorter = node;
      shorterLength = out.length();
      haveShorter = true;
    }
    int k = -1;
    if (i == length) {
      k = node.FindChild(kEndOfWordChar);
    } else {
      k = node.FindChild(word[i]);
      if (k < 0 && length - i == 1 && upperLast != word[i]) k = node.FindChild(upperLast);
    }
    TrieNode child;
    if (k < 0 || !trie.ReadChild(node, k, &child)) break;
    const unsigned char ch = node.ChildChar(k);
    if (ch != kEndOfWordChar) {
      if (!out.Append(ch)) break;
      ++i;
    }
    node = child;
  }
  // The walk failed: fall back once to the shorter stored word.
  if (haveShorter) {
    TrieNode end;
    if (trie.ReadChild(shorter, shorter.FindChild(kEndOfWordChar), &end)) {
      out.Truncate(shorterLength);
      return end.offset;
    }
  }
  out.Truncate(0);
  return kNotFound;
}

int32_t StepFrom(const TrieView& trie, const unsigned char* word, size_t length, bool forward,
                 WordBuffer& out, uint32_t* terminal) {
  TrieNode node;
  if (!trie.ReadNode(kRootPosition, &node)) return kNotFound;
  // The last branch where the word has a neighbour on the chosen side.
  TrieNode turn;
  int turnChild = -1;
  size_t turnPlace = 0;
  size_t i = 0;
  bool atEnd = false;
  for (int visited = 0; visited < kMaxPathNodes && !atEnd; ++visited) {
    switch (node.kind) {
      case NodeKind::kEndOfWord:
        if (i != length) return kNotFound;
        atEnd = true;
        break;
      case NodeKind::kLeaf: {
        const size_t count = static_cast<size_t>(node.charCount);
        if (length - i != count || std::memcmp(node.chars, word + i, count) != 0) return kNotFound;
        atEnd = true;
        break;
      }
      case NodeKind::kBranch: {
        const unsigned char ch = i < length ? word[i] : kEndOfWordChar;
        const int k = node.FindChild(ch);
        TrieNode child;
        if (k < 0 || !trie.ReadChild(node, k, &child)) return kNotFound;
        if (forward ? k < node.childCount - 1 : k > 0) {
          turn = node;
          turnChild = k;
          turnPlace = i;
        }
        if (ch != kEndOfWordChar) ++i;
        node = child;
        break;
      }
    }
  }
  if (!atEnd || turnChild < 0) return kNotFound;
  const int k = forward ? turnChild + 1 : turnChild - 1;
  TrieNode child;
  if (!trie.ReadChild(turn, k, &child) || !out.Assign(word, turnPlace)) return kNotFound;
  const unsigned char ch = turn.ChildChar(k);
  if (ch != kEndOfWordChar && !out.Append(ch)) return kNotFound;
  return Descend(trie, child, forward, out, terminal);
}

}  // namespace dictrie
