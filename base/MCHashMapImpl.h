// The member definitions of MCHashMap (base/MCHashMap.h). Included only by
// the MorvexBase sources that instantiate and export the maps, so every map
// operation runs in MorvexBase whichever library calls it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "base/MCHashMap.h"

namespace mchashmap {

constexpr unsigned kDefaultTableSize = 17;

[[noreturn]] inline void OutOfMemory() {
  std::fputs("MCHashMap: out of memory\n", stderr);
  std::abort();
}

}  // namespace mchashmap

template <class KeyTraits>
MCHashMap<KeyTraits>::MCHashMap(int blockSize)
    : table_(nullptr),
      tableSize_(mchashmap::kDefaultTableSize),
      count_(0),
      freeList_(nullptr),
      blocks_(nullptr),
      blockSize_(1) {
  // At least one node per block, and a block's byte count that fits a size_t.
  constexpr std::size_t kMaxBlockSize = (SIZE_MAX - sizeof(Block)) / sizeof(Node);
  if (blockSize > 1) {
    blockSize_ = static_cast<std::size_t>(blockSize) > kMaxBlockSize
                     ? static_cast<int>(kMaxBlockSize)
                     : blockSize;
  }
}

template <class KeyTraits>
MCHashMap<KeyTraits>::~MCHashMap() {
  RemoveAll();
}

template <class KeyTraits>
void MCHashMap<KeyTraits>::InitHashTable(unsigned size, int allocateNow) {
  // Entries sit in the buckets of the old size: a new table would lose them.
  if (count_ > 0 || size == 0 || size > SIZE_MAX / sizeof(Node*)) return;
  Node** table = nullptr;
  if (allocateNow) {
    table = static_cast<Node**>(MAlloc(sizeof(Node*) * size));
    if (!table) return;
    std::memset(table, 0, sizeof(Node*) * size);
  }
  MFree(table_);
  table_ = table;
  tableSize_ = size;
}

template <class KeyTraits>
unsigned MCHashMap<KeyTraits>::GetHashTableSize() const {
  return tableSize_;
}

template <class KeyTraits>
int MCHashMap<KeyTraits>::GetCount() const {
  return count_;
}

template <class KeyTraits>
int MCHashMap<KeyTraits>::IsEmpty() const {
  return count_ == 0;
}

template <class KeyTraits>
unsigned MCHashMap<KeyTraits>::HashKey(Arg key) const {
  return KeyTraits::Hash(key);
}

template <class KeyTraits>
unsigned MCHashMap<KeyTraits>::BucketOf(Arg key) const {
  return KeyTraits::Hash(key) % tableSize_;
}

template <class KeyTraits>
typename MCHashMap<KeyTraits>::Node* MCHashMap<KeyTraits>::FindNode(Arg key) const {
  if (!table_) return nullptr;
  for (Node* node = table_[BucketOf(key)]; node; node = node->next) {
    if (node->key == key) return node;
  }
  return nullptr;
}

template <class KeyTraits>
int MCHashMap<KeyTraits>::Lookup(Arg key, MCObject*& value) const {
  Node* node = FindNode(key);
  if (!node) return 0;
  value = node->value;
  return 1;
}

template <class KeyTraits>
MCObject*& MCHashMap<KeyTraits>::operator[](Arg key) {
  Node* node = FindNode(key);
  if (node) return node->value;
  if (!table_) {
    table_ = static_cast<Node**>(MAlloc(sizeof(Node*) * tableSize_));
    if (!table_) mchashmap::OutOfMemory();
    std::memset(table_, 0, sizeof(Node*) * tableSize_);
  }
  unsigned bucket = BucketOf(key);
  node = NewNode(key, bucket);
  node->next = table_[bucket];
  table_[bucket] = node;
  ++count_;
  return node->value;
}

template <class KeyTraits>
void MCHashMap<KeyTraits>::SetAt(Arg key, MCObject* value) {
  (*this)[key] = value;
}

template <class KeyTraits>
int MCHashMap<KeyTraits>::RemoveKey(Arg key) {
  if (!table_) return 0;
  for (Node** link = &table_[BucketOf(key)]; *link; link = &(*link)->next) {
    Node* node = *link;
    if (node->key == key) {
      *link = node->next;
      FreeNode(node);
      if (--count_ == 0) RemoveAll();
      return 1;
    }
  }
  return 0;
}

template <class KeyTraits>
void MCHashMap<KeyTraits>::RemoveAll() {
  if (table_) {
    for (unsigned bucket = 0; bucket < tableSize_; ++bucket) {
      for (Node* node = table_[bucket]; node; node = node->next) node->key.~Key();
    }
  }
  MFree(table_);
  table_ = nullptr;
  while (blocks_) {
    Block* next = blocks_->next;
    MFree(blocks_);
    blocks_ = next;
  }
  freeList_ = nullptr;
  count_ = 0;
}

template <class KeyTraits>
typename MCHashMap<KeyTraits>::Node* MCHashMap<KeyTraits>::FirstNodeFrom(unsigned bucket) const {
  if (!table_) return nullptr;
  for (; bucket < tableSize_; ++bucket) {
    if (table_[bucket]) return table_[bucket];
  }
  return nullptr;
}

template <class KeyTraits>
POSITION MCHashMap<KeyTraits>::GetStartPosition() const {
  return reinterpret_cast<POSITION>(FirstNodeFrom(0));
}

template <class KeyTraits>
void MCHashMap<KeyTraits>::GetNextAssoc(POSITION& position, Key& key, MCObject*& value) const {
  Node* node = reinterpret_cast<Node*>(position);
  if (!node) return;
  key = node->key;
  value = node->value;
  Node* next = node->next ? node->next : FirstNodeFrom(node->bucket + 1);
  position = reinterpret_cast<POSITION>(next);
}

template <class KeyTraits>
typename MCHashMap<KeyTraits>::Node* MCHashMap<KeyTraits>::NewNode(Arg key, unsigned bucket) {
  static_assert(alignof(Node) <= alignof(Block), "nodes follow the block header");
  if (!freeList_) {
    Block* block = static_cast<Block*>(MAlloc(sizeof(Block) + sizeof(Node) * blockSize_));
    if (!block) mchashmap::OutOfMemory();
    block->next = blocks_;
    blocks_ = block;
    Node* nodes = reinterpret_cast<Node*>(block + 1);
    for (int i = blockSize_ - 1; i >= 0; --i) {
      nodes[i].next = freeList_;
      freeList_ = &nodes[i];
    }
  }
  Node* node = freeList_;
  freeList_ = node->next;
  node->bucket = bucket;
  new (&node->key) Key(key);
  node->value = nullptr;
  return node;
}

template <class KeyTraits>
void MCHashMap<KeyTraits>::FreeNode(Node* node) {
  node->key.~Key();
  node->next = freeList_;
  freeList_ = node;
}
