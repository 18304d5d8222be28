#include "lexicon/DicTrieSearch.h"

#include <cstring>

namespace dictrie {

namespace {

constexpr int32_t kNotFound = -1;

int32_t Found(const TrieNode& node, uint32_t* terminal) {
  if (terminal) *terminal = node.position;
  return node.offset;
}

// Records that the walk took child k of `branch` with the word `place`
// characters long; false when the path is full.
bool Record(TriePath* path, const TrieNode& branch, int k, size_t place) {
  if (!path) return true;
  if (path->depth >= kMaxPathNodes) return false;
  path->branches[path->depth++] = {branch.position, static_cast<int16_t>(k),
                                   static_cast<uint16_t>(place)};
  return true;
}

// As Record, for a child not chosen by its character: a walk from the root
// along the word takes the first child with that character, so the path is
// the word's only if this is that child.
bool RecordChosen(TriePath* path, const TrieNode& branch, int k, size_t place) {
  if (path && branch.FindChild(branch.ChildChar(k)) != k) path->valid = false;
  return Record(path, branch, k, place);
}

// A leaf's characters end the word; one of them NUL would end it early.
bool AppendLeaf(const TrieNode& leaf, WordBuffer& out, TriePath* path) {
  const size_t count = static_cast<size_t>(leaf.charCount);
  if (path && std::memchr(leaf.chars, 0, count) != nullptr) path->valid = false;
  return out.Append(leaf.chars, count);
}

// From `node` down to the first (forward) or last word below it, appending
// the characters taken to out and the branches passed to path (may be null).
int32_t Descend(const TrieView& trie, TrieNode node, bool forward, WordBuffer& out,
                uint32_t* terminal, TriePath* path) {
  for (int visited = 0; visited < kMaxPathNodes; ++visited) {
    switch (node.kind) {
      case NodeKind::kEndOfWord:
        return Found(node, terminal);
      case NodeKind::kLeaf:
        if (!AppendLeaf(node, out, path)) return kNotFound;
        return Found(node, terminal);
      case NodeKind::kBranch: {
        const int k = forward ? 0 : node.childCount - 1;
        const unsigned char ch = node.ChildChar(k);
        TrieNode child;
        if (!trie.ReadChild(node, k, &child) || !RecordChosen(path, node, k, out.length())) {
          return kNotFound;
        }
        if (ch != kEndOfWordChar && !out.Append(ch)) return kNotFound;
        node = child;
        break;
      }
    }
  }
  return kNotFound;
}

// Starts a path that the walk fills; it stays valid only if the walk succeeds.
void StartPath(TriePath* path) {
  if (!path) return;
  path->valid = true;
  path->depth = 0;
}

int32_t EndPath(TriePath* path, int32_t offset) {
  if (path && offset == kNotFound) path->valid = false;
  return offset;
}

}  // namespace

namespace {

int32_t WalkExact(const TrieView& trie, const unsigned char* word, size_t length,
                  uint32_t* terminal, TriePath* path) {
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
        if (k < 0 || !trie.ReadChild(node, k, &child) || !Record(path, node, k, i)) {
          return kNotFound;
        }
        if (ch != kEndOfWordChar) ++i;
        node = child;
        break;
      }
    }
  }
  return kNotFound;
}

int32_t WalkNear(const TrieView& trie, const unsigned char* word, size_t length, WordBuffer& out,
                 uint32_t* terminal, TriePath* path) {
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
        if (!AppendLeaf(node, out, path)) return kNotFound;
        return Found(node, terminal);
      }
      case NodeKind::kBranch: {
        const int k = node.FindChild(word[i]);
        TrieNode child;
        if (k < 0 || !trie.ReadChild(node, k, &child) || !Record(path, node, k, i)) {
          return kNotFound;
        }
        ++i;
        node = child;
        break;
      }
    }
  }
  if (i < length) return kNotFound;
  return Descend(trie, node, true, out, terminal, path);
}

}  // namespace

int32_t FindExact(const TrieView& trie, const unsigned char* word, size_t length,
                  uint32_t* terminal, TriePath* path) {
  StartPath(path);
  return EndPath(path, WalkExact(trie, word, length, terminal, path));
}

int32_t FindNear(const TrieView& trie, const unsigned char* word, size_t length, WordBuffer& out,
                 uint32_t* terminal, TriePath* path) {
  StartPath(path);
  return EndPath(path, WalkNear(trie, word, length, out, terminal, path));
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

int32_t StepOn(const TrieView& trie, const unsigned char* word, TriePath& path, bool forward,
               WordBuffer& out, uint32_t* terminal) {
  if (!path.valid) return kNotFound;
  // The deepest branch where the word has a neighbour on the chosen side.
  for (int d = path.depth - 1; d >= 0; --d) {
    const TriePath::Branch passed = path.branches[d];
    TrieNode turn;
    if (!trie.ReadNode(passed.position, &turn) || turn.kind != NodeKind::kBranch ||
        passed.child >= turn.childCount) {
      break;
    }
    if (forward ? passed.child == turn.childCount - 1 : passed.child == 0) continue;
    const int k = forward ? passed.child + 1 : passed.child - 1;
    TrieNode child;
    if (!trie.ReadChild(turn, k, &child) || !out.Assign(word, passed.place)) return kNotFound;
    path.depth = d;
    const unsigned char ch = turn.ChildChar(k);
    if (!RecordChosen(&path, turn, k, passed.place) || (ch != kEndOfWordChar && !out.Append(ch))) {
      path.valid = false;
      return kNotFound;
    }
    return EndPath(&path, Descend(trie, child, forward, out, terminal, &path));
  }
  return kNotFound;
}

}  // namespace dictrie
