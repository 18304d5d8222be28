// CDicQueue: one queue of a base-dictionary set (lexicon/CDicSys.h): an
// ordered run of dictionaries with a current dictionary and a saved
// position, walked and searched in order. The set decides who owns the
// dictionaries; a queue never deletes one.
//
// Positions count from 0; kNoPosition (-1) stands for none.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"

class CDic;
class CDicEntry;

class CDicQueue {
 public:
  enum : int { kNoPosition = -1 };

  // Empty, at position 0, without a current dictionary.
  CDicQueue();
  CDicQueue(const CDicQueue&) = delete;
  CDicQueue& operator=(const CDicQueue&) = delete;

  int GetSize() const { return dics_.GetSize(); }
  // Null outside 0..GetSize() - 1.
  CDic* GetAt(int index) const;
  CDic* GetCurrent() const { return current_; }
  int GetPosition() const { return position_; }

  // Appends the dictionary (not null); 0 when the queue cannot grow.
  int Add(CDic* dic);
  // Removes the last dictionary, as a failed load takes one back.
  void RemoveLast();
  // Forgets every dictionary: position 0, no current dictionary.
  void Clear();

  // Makes dic current; the position becomes its index here, or kNoPosition
  // when the queue does not hold it.
  void SetCurrentDic(CDic* dic);
  // Saves the position and makes the dictionary there current. kNoPosition
  // takes the saved position; a position outside the queue becomes 0. An
  // empty queue has no current dictionary and gives kNoPosition.
  int SetCurrent(int position);
  // Makes the dictionary at the saved position current and returns the
  // position; kNoPosition and no current dictionary when it lies outside.
  int RestoreCurrent();
  // Makes the dictionary at the position current (none and kNoPosition
  // outside the queue) and returns it.
  CDic* First(int position);
  // Steps to the next dictionary and returns it; past the end the position
  // becomes kNoPosition, and from there every step gives null.
  CDic* Next();
  // Searches for the word, starting with the current dictionary when its
  // position is not 0, then every dictionary in order. The one that finds
  // it becomes current and its article is returned; when none does, the
  // position is kNoPosition and the result null. A search after such a miss
  // starts again with the first dictionary.
  CDicEntry* Find(const char* word, int32_t flags);

 private:
  // The position and the dictionary there become current; none and
  // kNoPosition outside the queue.
  void MoveTo(int position);
  bool Holds(int position) const { return position >= 0 && position < dics_.GetSize(); }

  MCPtrArray dics_;  // of CDic, not owned
  CDic* current_;
  int position_;
};
