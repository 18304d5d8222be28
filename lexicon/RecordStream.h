// RecordStream: an article record read in place, for showing it. The viewer
// and the tip page through dozens of articles a keystroke, and what costs is
// reading each record into nodes first and walking them again to write the
// text. The stream offers the record the way the dictionary form walks a
// tree (ArticleDictionaryForm.h) and reads each node as the walk reaches it:
// the record is read and written in one pass, one node of each kind at a
// time, its texts pointing into the record's bytes.
//
// The walk must take the nodes in the record's order, each child once, as
// the dictionary form does; a walk that skips or goes back fails the stream
// as a damaged record does. Only what the form shows is kept: codes,
// attributes, labels, combination texts and the entry's reference;
// contexts, definitions, group numbers and the synonyms' references are read
// past. Internal to the engine.
#pragma once

#include <stdint.h>

#include "lexicon/RecordReader.h"

class RecordStream {
 public:
  class WordComb {
   public:
    char GetSyn() const { return syn_; }
    RecordText GetSynonym() const { return synonym_; }
    RecordText GetAttr() const { return attr_; }

   private:
    friend class RecordStream;
    char syn_ = 0;
    RecordText synonym_;
    RecordText attr_;
  };

  class Synonym {
   public:
    explicit Synonym(RecordStream& stream) : stream_(&stream) {}
    int GetSizeLabel() const { return labelCount_; }
    RecordText GetLabel(int index) { return stream_->NextLabel(index); }
    int GetSizeWordComb() { return stream_->CombCount(); }
    WordComb* GetAtWordComb(int index) { return stream_->NextComb(index); }

   private:
    friend class RecordStream;
    RecordStream* stream_;
    int labelCount_ = 0;
    int combCount_ = 0;
  };

  class SynonymGroup {
   public:
    explicit SynonymGroup(RecordStream& stream) : stream_(&stream) {}
    int GetSizeSynonym() const { return synonymCount_; }
    Synonym* GetAtSynonym(int index) { return stream_->NextSynonym(index); }

   private:
    friend class RecordStream;
    RecordStream* stream_;
    int synonymCount_ = 0;
  };

  class Meaning {
   public:
    explicit Meaning(RecordStream& stream) : stream_(&stream) {}
    char GetSyn() const { return syn_; }
    RecordText GetAttr() const { return attr_; }
    int GetSizeSynonymGroup() const { return groupCount_; }
    SynonymGroup* GetAtSynonymGroup(int index) { return stream_->NextGroup(index); }

   private:
    friend class RecordStream;
    RecordStream* stream_;
    char syn_ = 0;
    RecordText attr_;
    int groupCount_ = 0;
  };

  // Starts on the `size` bytes of a record of a dictionary of `type`, shown
  // under the head word (which must stay valid as the bytes do).
  RecordStream(const unsigned char* bytes, unsigned size, uint8_t type, const char* headWord,
               int headWordLength);
  RecordStream(const RecordStream&) = delete;
  RecordStream& operator=(const RecordStream&) = delete;

  // --- The entry, as CDicEntry names it.
  uint8_t GetType() const { return type_; }
  RecordText GetInWord() const { return inWord_; }
  char GetSyn() const { return syn_; }
  RecordText GetAttr() const { return attr_; }
  int GetSizeMeaning() const { return meaningCount_; }
  Meaning* GetAtMeaning(int index) { return NextMeaning(index); }
  // Read once the meanings have been.
  RecordText GetReference();

  // True when the walk has read the whole record, within its bytes and in
  // its order: what it showed is the article. DecodeEntryRecord gives 1 for
  // the same bytes and type exactly then.
  bool ReadWhole() const;

 private:
  Meaning* NextMeaning(int index);
  SynonymGroup* NextGroup(int index);
  Synonym* NextSynonym(int index);
  RecordText NextLabel(int index);
  int CombCount();
  WordComb* NextComb(int index);
  // What follows a synonym's combinations.
  void ReadSynonymEnd();
  // Whether the walk has read all of the current meaning (group), so that
  // the next may start.
  bool MeaningDone() const { return groupsLeft_ == 0 && GroupDone(); }
  bool GroupDone() const { return synonymsLeft_ == 0 && !inSynonym_; }
  // The stream stops: the record is damaged or the walk out of order. The
  // nodes handed out from then on are empty.
  void Fail() { failed_ = true; }

  RecordReader in_;
  const RecordLayout& layout_;
  uint8_t type_;
  RecordText inWord_;
  char syn_ = 0;
  RecordText attr_;
  RecordText reference_;
  int meaningCount_ = 0;
  // Where the walk stands: the children still to come of the current node
  // of each kind.
  int meaningsLeft_ = 0;
  int groupsLeft_ = 0;
  int synonymsLeft_ = 0;
  int labelsLeft_ = 0;
  int combsLeft_ = 0;
  bool inSynonym_ = false;  // from a synonym's start to its end
  bool combCountRead_ = false;
  bool referenceRead_ = false;
  bool failed_ = false;
  Meaning meaning_;
  SynonymGroup group_;
  Synonym synonym_;
  WordComb comb_;
};
