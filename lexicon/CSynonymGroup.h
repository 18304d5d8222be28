// CSynonymGroup: a numbered group of synonyms inside a meaning ("1. house;
// building"), with a definition in type-4 dictionaries. A meaning
// (CMeaning) owns its groups.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "lexicon/ArticleChildren.h"
#include "lexicon/LexiconExport.h"

class CSynonym;

class MLEX_API CSynonymGroup : public MCObject {
 public:
  explicit CSynonymGroup(uint8_t type = 1);
  ~CSynonymGroup() override;
  CSynonymGroup(const CSynonymGroup&) = delete;
  CSynonymGroup& operator=(const CSynonymGroup&) = delete;

  uint8_t GetType() const { return type_; }
  uint8_t GetGroupNumber() const { return number_; }  // 0: none
  void SetGroupNumber(uint8_t number) { number_ = number; }
  const MCString& GetDefinition() const { return definition_; }
  void SetDefinition(const MCString& definition) { definition_ = definition; }
  // The text from `length` bytes, in the room the old one had.
  void SetDefinition(const char* chars, int length);

  // --- Synonyms (at most 255; indexes out of range give null or do nothing).
  int GetSizeSynonym() const { return synonyms_.GetSize(); }
  CSynonym* GetAtSynonym(int index) const;
  CSynonym* AddNewSynonym();
  void RemoveAtSynonym(int index);

  void Free();
  // As newly made with the type, keeping the room of the definition and the
  // synonyms let go for reuse.
  void Reset(uint8_t type);
  // Deep copy; null only empties this group, itself changes nothing.
  void Copy(const CSynonymGroup* other);
  // The other group's synonyms whose synonym string one of this group's has
  // are deleted from it; copies of the rest are appended (append nonzero) or
  // put in front. The number of synonyms deleted or added; 0 for null or
  // itself.
  int Merge(CSynonymGroup* other, int append);

 private:
  uint8_t type_;
  uint8_t number_;
  MCString definition_;
  article_children::ChildList<CSynonym> synonyms_;
};
