// MCHashMap<KeyTraits>: the hash map from a key to an MCObject pointer behind
// the exported maps MCMapWordToOb and MCMapStringToOb. Use those classes, not
// this one.
//
// Chained buckets, 17 unless InitHashTable sets another count. The bucket
// table is allocated at the first insertion; nodes come from blocks of
// blockSize nodes and are recycled through a free list. When a removal leaves
// the map empty, the table and every block are freed. A new entry goes to the
// head of its bucket's chain.
//
// Iteration visits the buckets in ascending order and each chain from its
// head, so within a bucket the newest entry comes first. Callers rely on that
// order: the language data file is written in it. Changing the map during an
// iteration invalidates the position.
//
// Values are not owned. Running out of memory while inserting ends the
// process, as it does for MCString: no insertion can report a failure.
//
// KeyTraits gives Key (the stored key), Arg (the key as the members take it)
// and Hash(Arg). The member definitions live in base/MCHashMapImpl.h and are
// instantiated and exported by MorvexBase only.
#pragma once

#include "base/BaseExport.h"
#include "base/MCObject.h"

// An iteration position; null after the last entry.
struct MCMapPosition;
typedef MCMapPosition* POSITION;

template <class KeyTraits>
class MCHashMap : public MCObject {
 public:
  typedef typename KeyTraits::Key Key;
  typedef typename KeyTraits::Arg Arg;

  explicit MCHashMap(int blockSize);
  ~MCHashMap() override;
  MCHashMap(const MCHashMap&) = delete;
  MCHashMap& operator=(const MCHashMap&) = delete;

  // Sets the number of buckets and frees the table; allocates an empty one
  // now when allocateNow. Only an empty map changes: a map holding entries,
  // a size of 0 and a table that cannot be allocated leave it as it is.
  void InitHashTable(unsigned size, int allocateNow = 1);
  unsigned GetHashTableSize() const;
  int GetCount() const;
  int IsEmpty() const;
  // The bucket of a key is HashKey(key) modulo the table size.
  unsigned HashKey(Arg key) const;

  // 1 and the value when the key is present, else 0.
  int Lookup(Arg key, MCObject*& value) const;
  // The value of key; a missing key is inserted with a null value.
  MCObject*& operator[](Arg key);
  void SetAt(Arg key, MCObject* value);
  // 1 when the key was present.
  int RemoveKey(Arg key);
  void RemoveAll();

  // Null for an empty map.
  POSITION GetStartPosition() const;
  // The entry at position; position moves to the next one (null after the
  // last). A null position is left alone.
  void GetNextAssoc(POSITION& position, Key& key, MCObject*& value) const;

 protected:
  struct Node {
    Node* next;
    unsigned bucket;
    Key key;
    MCObject* value;
  };
  // The node of key, or null.
  Node* FindNode(Arg key) const;

 private:
  struct Block {
    Block* next;
  };

  unsigned BucketOf(Arg key) const;
  Node* FirstNodeFrom(unsigned bucket) const;
  Node* NewNode(Arg key, unsigned bucket);
  void FreeNode(Node* node);

  Node** table_;
  unsigned tableSize_;
  int count_;
  Node* freeList_;
  Block* blocks_;
  int blockSize_;
};
