// CDicItem and CDicItemList: the lists of dictionary files that a
// base-dictionary set (lexicon/CDicSys.h) keeps for each direction of its
// language pair and loads into its queues. A list owns its items.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "lexicon/LexiconExport.h"

// One dictionary file of a list. The flag word and the open mode are kept
// for the callers that set them; opening a file does not look at them.
class MLEX_API CDicItem : public MCObject {
 public:
  CDicItem(const char* path, uint16_t value, uint8_t mode);
  ~CDicItem() override;

  const MCString& GetPath() const { return path_; }
  uint16_t GetFlags() const { return flags_; }
  uint16_t GetValue() const { return value_; }
  uint8_t GetMode() const { return mode_; }

 private:
  uint16_t flags_;
  uint16_t value_;
  MCString path_;
  uint8_t mode_;
};

class MLEX_API CDicItemList : public MCObject {
 public:
  CDicItemList();
  // Deletes every item.
  ~CDicItemList() override;
  CDicItemList(const CDicItemList&) = delete;
  CDicItemList& operator=(const CDicItemList&) = delete;

  int GetSize() const { return items_.GetSize(); }
  // Null outside 0..GetSize() - 1.
  const CDicItem* GetAt(int index) const;
  // Appends an item of the path; 0 when the list cannot grow.
  int Add(const char* path, uint16_t value, uint8_t mode);
  // Deletes every item and empties the list.
  void Free();

 private:
  MCObArray items_;  // of CDicItem, owned
};
