// CEntry: an article as a tree. The entry carries a part-of-speech code, a
// grammar attribute and a reference, and owns its meanings; a meaning owns
// numbered synonym groups, a group synonyms, a synonym word combinations.
// Every node records the dictionary type (1 to 7) it was made for, which
// decides the parts its record holds (lexicon/EntryRecord.h); children are
// made with their parent's type. The head word is added by CDicEntry.
//
// The dictionary (CDic) holds its current article as a CDicEntry; the record
// reader and writer, the article syntax and the editor build and walk trees.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "lexicon/ArticleChildren.h"
#include "lexicon/LexiconExport.h"

class CMeaning;

class MLEX_API CEntry : public MCObject {
 public:
  explicit CEntry(uint8_t type = 1);
  ~CEntry() override;
  CEntry(const CEntry&) = delete;
  CEntry& operator=(const CEntry&) = delete;

  uint8_t GetType() const { return type_; }
  // Set once the record has been read from the dictionary file.
  int IsLoaded() const { return loaded_ != 0; }
  void SetLoaded(int loaded) { loaded_ = loaded ? 1 : 0; }
  char GetSyn() const { return syn_; }  // 0: no code
  void SetSyn(char syn) { syn_ = syn; }
  const MCString& GetAttr() const { return attr_; }
  void SetAttr(const MCString& attr) { attr_ = attr; }
  // The text from `length` bytes, in the room the old one had.
  void SetAttr(const char* chars, int length);
  const MCString& GetReference() const { return reference_; }
  void SetReference(const MCString& reference) { reference_ = reference; }
  void SetReference(const char* chars, int length);

  // --- Meanings (at most 255; indexes out of range give null or do nothing).
  int GetSizeMeaning() const { return meanings_.GetSize(); }
  CMeaning* GetAtMeaning(int index) const;
  CMeaning* AddNewMeaning();
  void RemoveAtMeaning(int index);
  // The first meaning with the code, else null.
  CMeaning* GetMeaning(char syn) const;
  // The same, else the first meaning (null when there is none).
  CMeaning* SelectMeaning(char syn) const;

  // Lets the meanings go; they are kept for the next ones made.
  void Free();
  // Deep copy of the other entry's type, fields and meanings; null only
  // empties this entry, itself changes nothing.
  void Copy(const CEntry* other);
  // Meanings of the other entry with the code of one of this entry's are
  // merged into it and removed from the other; copies of the rest are
  // appended (append nonzero) or put in front. When the two entries'
  // attributes differ, a copied meaning without an attribute takes the
  // other entry's, so that it keeps its grammar. The number merged or
  // added; 0 for null or itself.
  int Merge(CEntry* other, int append);

 private:
  int32_t loaded_;
  uint8_t type_;
  char syn_;
  MCString attr_;
  article_children::ChildList<CMeaning> meanings_;
  MCString reference_;
};

// An article with its head word: what a dictionary search yields.
class MLEX_API CDicEntry : public CEntry {
 public:
  explicit CDicEntry(uint8_t type = 1);
  ~CDicEntry() override;

  const MCString& GetInWord() const { return inWord_; }
  void SetInWord(const MCString& inWord) { inWord_ = inWord; }
  // The head word from `length` bytes, in the room the old one had.
  void SetInWord(const char* chars, int length);

  using CEntry::Copy;
  // The head word too.
  void Copy(const CDicEntry* other);

 private:
  MCString inWord_;
};
