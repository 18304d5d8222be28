// CDicSys: a base-dictionary set for one language pair. It keeps a forward
// and a reverse list of dictionary files (by default the base dictionaries
// named after the pair), loads a list into its queues and lets callers walk
// and search the queues in order. The Dic, DicQue and DicArray functions
// (lexicon/DicQueues.h) are thin wrappers over it.
//
// Queue 0 owns the dictionaries loaded into it; queue 1 holds the same ones
// and queues 2 and 3 whatever a caller puts there, without owning them.
#pragma once

#include <stdint.h>

#include "base/CLangPair.h"
#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "lexicon/CDicItem.h"
#include "lexicon/CDicQueue.h"

class CDic;

// A dictionary opened for reading, index and all; null when it cannot be.
CDic* OpenWholeDictionary(const char* path);

class CDicSys : public MCObject {
 public:
  enum : int { kQueueCount = 4, kOwningQueue = 0, kMirrorQueue = 1 };

  // The pair starts empty and is then set as by SetLangId. A base directory
  // that does not end in a separator gets one.
  CDicSys(uint16_t langIn, uint16_t langOut, const char* baseDir);
  // Deletes the dictionaries of queue 0 and the items of both lists.
  ~CDicSys() override;
  CDicSys(const CDicSys&) = delete;
  CDicSys& operator=(const CDicSys&) = delete;

  // --- The language pair and the current list.
  // The first input language ever given is kept. When the pair takes the
  // languages (both loaded), the current list is chosen again.
  void SetLangId(uint16_t langIn, uint16_t langOut);
  // The forward list while the pair's input language is the first input
  // language, else the reverse list.
  void ChooseCurrentList();
  CDicItemList* GetCurrentList() { return forwardIsCurrent_ ? &forward_ : &reverse_; }

  // --- The lists. Refilling a list deletes its old items first.
  // Each list gets the one base dictionary of its direction, named after
  // the pair and lower-cased, in the base directory.
  void SetCommonLists();
  // Runs of NUL-terminated paths ending with an empty one, taken as given;
  // null is an empty run.
  void SetLists(const char* forwardPaths, const char* reversePaths);
  void FreeLists();

  // --- The queues.
  // Null for a number outside 0..kQueueCount - 1.
  CDicQueue* GetQueue(int number);
  // Opens every file of the list that queue 0 does not hold yet and appends
  // it to queues 0 and 1. 1 when some file could not be opened (it is left
  // out), else 0.
  int Load(const CDicItemList& list);
  // Deletes the dictionaries of queue 0 and empties every queue.
  void ClearQueues();
  // Clears the queues when queue 0 holds no dictionary: 1, else 0.
  int ClearQueuesIfEmpty();

  // --- Walking a queue (CDicQueue::First and Next). WalkFirst remembers
  // the queue, and WalkNext(-1) walks the one remembered. A queue outside
  // 0..kQueueCount - 1 gives null, and WalkFirst then remembers nothing.
  CDic* WalkFirst(int queue, int position);
  CDic* WalkNext(int queue);
  // The position of the queue walked last.
  int GetWalkedPosition() const { return queues_[walkedQueue_].GetPosition(); }

 private:
  // The base dictionary's file name, lower-cased, in the base directory.
  MCString BaseDictionaryPath(const MCString& name) const;
  // Puts a dictionary just opened from path into queues 0 and 1; 0 (nothing
  // changed) when a queue cannot grow.
  int AppendLoaded(CDic* dic, const char* path);

  uint16_t firstLangIn_;
  CLangPair pair_;
  MCString baseDir_;
  CDicQueue queues_[kQueueCount];
  MCStringArray loadedPaths_;  // the file of each dictionary in queue 0
  int walkedQueue_;
  CDicItemList forward_;
  CDicItemList reverse_;
  bool forwardIsCurrent_;
};
