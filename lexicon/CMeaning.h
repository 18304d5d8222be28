// CMeaning: one meaning of an article, with its own part-of-speech code and
// grammar attribute and, except in type-2 dictionaries, its numbered synonym
// groups. An entry (CEntry) owns its meanings. Besides the tree access it
// offers the walks and cuts the tip and the editor use: the synonyms of the
// first group in turn, the first synonym with a context or a label, and the
// synonyms before or from a label.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "lexicon/ArticleChildren.h"
#include "lexicon/LexiconExport.h"

class CSynonym;
class CSynonymGroup;

class MLEX_API CMeaning : public MCObject {
 public:
  explicit CMeaning(uint8_t type = 1);
  ~CMeaning() override;
  CMeaning(const CMeaning&) = delete;
  CMeaning& operator=(const CMeaning&) = delete;

  uint8_t GetType() const { return type_; }
  char GetSyn() const { return syn_; }  // 0: no code
  void SetSyn(char syn) { syn_ = syn; }
  const MCString& GetAttr() const { return attr_; }
  void SetAttr(const MCString& attr) { attr_ = attr; }
  // The text from `length` bytes, in the room the old one had.
  void SetAttr(const char* chars, int length);

  // --- Synonym groups (at most 255; indexes out of range give null or do
  // nothing).
  int GetSizeSynonymGroup() const { return groups_.GetSize(); }
  CSynonymGroup* GetAtSynonymGroup(int index) const;
  CSynonymGroup* AddNewSynonymGroup();
  void RemoveAtSynonymGroup(int index);

  void Free();
  // As newly made with the type, keeping the room of the attribute and the
  // groups let go for reuse.
  void Reset(uint8_t type);
  // Deep copy; null only empties this meaning, itself changes nothing.
  void Copy(const CMeaning* other);
  // Groups of the other meaning with the number of one of this meaning's
  // groups are merged into it and removed from the other; copies of the rest
  // are appended (append nonzero) or put in front. The number merged or
  // added; 0 for null or itself.
  int Merge(CMeaning* other, int append);

  // --- The synonyms of the first group.
  // The first synonym (null when there is none); GetNext gives the following
  // ones, null after the last.
  CSynonym* GetFirst();
  CSynonym* GetNext();
  CSynonym* SelectSynonymContext(const char* context) const;
  CSynonym* SelectSynonymLabel(const char* label) const;

  // This meaning becomes the other's type, code and attribute with one group:
  // the number and definition of the other's first group and copies of its
  // synonyms before (from) the first one that has the label. A group left
  // empty is dropped. The other may be this meaning.
  void CopyFromStartToLabel(const CMeaning* other, const char* label);
  void CopyFromLabelToEnd(const CMeaning* other, const char* label);
  // Adds to `synonyms` this meaning's own synonyms (not copies) of the first
  // group before (from) the first one that has the label; the array's size.
  int CopyFromStartToLabel(MCObArray& synonyms, const char* label) const;
  int CopyFromLabelToEnd(MCObArray& synonyms, const char* label) const;

 private:
  // Index in the first group of the first synonym with the label; its size
  // when none has it (0 without a group).
  int FirstWithLabel(const char* label) const;
  void CopyPartOfFirstGroup(const CMeaning& other, const char* label, bool fromLabel);
  int CollectPartOfFirstGroup(MCObArray& synonyms, const char* label, bool fromLabel) const;

  uint8_t type_;
  char syn_;
  MCString attr_;
  article_children::ChildList<CSynonymGroup> groups_;
  uint8_t cursor_;  // of GetFirst and GetNext
};
