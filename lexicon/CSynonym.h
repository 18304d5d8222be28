// CSynonym: one translation in an article tree: its word combinations, a
// context that stands to its left or right, labels (usage marks such as
// "coll"), and in type-4 dictionaries a definition, and a reference. A
// synonym group (CSynonymGroup) owns its synonyms; the article syntax, the
// tip and the viewer read them.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "lexicon/ArticleChildren.h"
#include "lexicon/LexiconExport.h"

class CWordComb;

class MLEX_API CSynonym : public MCObject {
 public:
  // Where the context stands.
  enum ContextType : uint8_t {
    kContextNone = 0,
    kContextBoth = 1,
    kContextLeft = 'L',
    kContextRight = 'R',
  };

  explicit CSynonym(uint8_t type = 1);
  ~CSynonym() override;
  CSynonym(const CSynonym&) = delete;
  CSynonym& operator=(const CSynonym&) = delete;

  uint8_t GetType() const { return type_; }
  uint8_t GetContextType() const { return contextType_; }
  void SetContextType(uint8_t contextType) { contextType_ = contextType; }
  const MCString& GetContext() const { return context_; }
  void SetContext(const MCString& context) { context_ = context; }
  // The text from `length` bytes, in the room the old one had.
  void SetContext(const char* chars, int length);
  const MCString& GetDefinition() const { return definition_; }
  void SetDefinition(const MCString& definition) { definition_ = definition; }
  void SetDefinition(const char* chars, int length);
  const MCString& GetReference() const { return reference_; }
  void SetReference(const MCString& reference) { reference_ = reference; }
  void SetReference(const char* chars, int length);

  // --- Word combinations (at most 255; indexes out of range give null or
  // do nothing).
  int GetSizeWordComb() const { return wordCombs_.GetSize(); }
  CWordComb* GetAtWordComb(int index) const;
  // A new last combination of this synonym's type; null when 255 are there.
  CWordComb* AddNewWordComb();
  void RemoveAtWordComb(int index);

  // --- Labels (at most 255).
  int GetSizeLabel() const { return labels_.GetSize(); }
  const char* GetAtLabel(int index) const;  // null out of range
  const MCStringArray& GetLabels() const { return labels_; }
  // The new label's index, or -1 when 255 are there.
  int AddLabel(const MCString& label);
  int AddLabel(const char* chars, int length) { return AddLabel(MCString(chars, length)); }
  void RemoveAtLabel(int index);
  int HasLabel(const char* label) const;

  // Lets the combinations go and drops the labels.
  void Free();
  // As newly made with the type, keeping the room of the texts and the
  // combinations let go for reuse.
  void Reset(uint8_t type);
  // Deep copy of another synonym; null only empties this one, itself
  // changes nothing.
  void Copy(const CSynonym* other);
  // Synonyms hold nothing that merges: 0.
  int Merge(CSynonym* other, int append);

  // The text of a combination, "" out of range.
  MCString GetWord(int index) const;
  // The texts of all combinations joined by single blanks.
  MCString GetSynonymString() const;
  // 1 when the synonym is exactly one combination and that has a code.
  int IsWordComb() const;

 private:
  uint8_t type_;
  uint8_t contextType_;
  MCString context_;
  MCStringArray labels_;
  article_children::ChildList<CWordComb> wordCombs_;
  MCString definition_;
  MCString reference_;
};
