// RecordView: an article record read in place, for showing it. The viewer
// and the tip page through dozens of articles a keystroke; building each one
// as a tree of nodes with strings of their own costs several times what
// showing it does. A view decodes the same record (EntryRecord.h decodes
// both with one reader) into flat lists of small nodes whose texts point into
// the record's bytes, and the dictionary form is written from it as from a
// tree (ArticleDictionaryForm.h).
//
// A view keeps what the dictionary form shows: codes, attributes, labels,
// combination texts and the entry's reference; contexts, definitions, group
// numbers and the references of synonyms are passed over. Its texts are
// valid while the bytes it was read from are. Internal to the engine.
#pragma once

#include <stdint.h>

#include <vector>

#include "lexicon/ArticleTextBuffer.h"

// A text as a record holds it: `length` bytes, no terminator.
struct RecordText {
  const char* chars = nullptr;
  int length = 0;

  bool IsEmpty() const { return length == 0; }
};

class RecordView {
 public:
  // The nodes, with the names of the tree's (CWordComb, CSynonym,
  // CSynonymGroup, CMeaning) for what the record reader and the dictionary
  // form use. Each holds its view, where its children are.
  class WordComb {
   public:
    char GetSyn() const { return syn_; }
    void SetSyn(char syn) { syn_ = syn; }
    RecordText GetSynonym() const { return synonym_; }
    void SetSynonym(const char* chars, int length) { synonym_ = {chars, length}; }
    RecordText GetAttr() const { return attr_; }
    void SetAttr(const char* chars, int length) { attr_ = {chars, length}; }
    void SetAttrType(uint8_t) {}

   private:
    char syn_ = 0;
    RecordText synonym_;
    RecordText attr_;
  };

  class Synonym {
   public:
    explicit Synonym(RecordView& view) : view_(&view) {}
    int GetSizeLabel() const { return labelCount_; }
    RecordText GetLabel(int index) const { return view_->labels_[firstLabel_ + index]; }
    // The new label's index (a record holds at most 255 per synonym).
    int AddLabel(const char* chars, int length) {
      RecordText* label = AddTo(view_->labels_, firstLabel_, labelCount_);
      *label = {chars, length};
      return labelCount_ - 1;
    }
    int GetSizeWordComb() const { return combCount_; }
    const WordComb* GetAtWordComb(int index) const { return &view_->combs_[firstComb_ + index]; }
    WordComb* AddNewWordComb() { return AddTo(view_->combs_, firstComb_, combCount_); }
    void SetContextType(uint8_t) {}
    void SetContext(const char*, int) {}
    void SetDefinition(const char*, int) {}
    void SetReference(const char*, int) {}

   private:
    RecordView* view_;
    int firstLabel_ = 0;
    int labelCount_ = 0;
    int firstComb_ = 0;
    int combCount_ = 0;
  };

  class SynonymGroup {
   public:
    explicit SynonymGroup(RecordView& view) : view_(&view) {}
    int GetSizeSynonym() const { return synonymCount_; }
    const Synonym* GetAtSynonym(int index) const { return &view_->synonyms_[first_ + index]; }
    Synonym* AddNewSynonym() { return AddTo(view_->synonyms_, first_, synonymCount_, *view_); }
    void SetGroupNumber(uint8_t) {}
    void SetDefinition(const char*, int) {}

   private:
    RecordView* view_;
    int first_ = 0;
    int synonymCount_ = 0;
  };

  class Meaning {
   public:
    explicit Meaning(RecordView& view) : view_(&view) {}
    char GetSyn() const { return syn_; }
    void SetSyn(char syn) { syn_ = syn; }
    RecordText GetAttr() const { return attr_; }
    void SetAttr(const char* chars, int length) { attr_ = {chars, length}; }
    int GetSizeSynonymGroup() const { return groupCount_; }
    const SynonymGroup* GetAtSynonymGroup(int index) const {
      return &view_->groups_[first_ + index];
    }
    SynonymGroup* AddNewSynonymGroup() {
      return AddTo(view_->groups_, first_, groupCount_, *view_);
    }

   private:
    RecordView* view_;
    char syn_ = 0;
    RecordText attr_;
    int first_ = 0;
    int groupCount_ = 0;
  };

  RecordView() = default;
  RecordView(const RecordView&) = delete;
  RecordView& operator=(const RecordView&) = delete;

  // --- The entry, as CDicEntry names it.
  uint8_t GetType() const { return type_; }
  // Forgets the record and takes the dictionary type and the head word the
  // next one is read for; the head word must stay valid as the texts do.
  void Reset(uint8_t type, const char* headWord, int headWordLength) {
    type_ = type;
    inWord_ = {headWord, headWordLength};
    Free();
  }
  RecordText GetInWord() const { return inWord_; }
  char GetSyn() const { return syn_; }
  void SetSyn(char syn) { syn_ = syn; }
  RecordText GetAttr() const { return attr_; }
  void SetAttr(const char* chars, int length) { attr_ = {chars, length}; }
  RecordText GetReference() const { return reference_; }
  void SetReference(const char* chars, int length) { reference_ = {chars, length}; }
  int GetSizeMeaning() const { return static_cast<int>(meanings_.size()); }
  const Meaning* GetAtMeaning(int index) const { return &meanings_[index]; }
  Meaning* AddNewMeaning() {
    meanings_.emplace_back(*this);
    return &meanings_.back();
  }
  // Lets the nodes go, keeping the head word; the lists keep their room.
  void Free() {
    syn_ = 0;
    attr_ = {};
    reference_ = {};
    meanings_.clear();
    groups_.clear();
    synonyms_.clear();
    labels_.clear();
    combs_.clear();
  }

 private:
  // Appends a node to the flat list of its kind; a parent's children start
  // at the first one it adds.
  template <class Node, class... Args>
  static Node* AddTo(std::vector<Node>& nodes, int& first, int& count, Args&... args) {
    if (count++ == 0) first = static_cast<int>(nodes.size());
    nodes.emplace_back(args...);
    return &nodes.back();
  }

  uint8_t type_ = 0;
  RecordText inWord_;
  char syn_ = 0;
  RecordText attr_;
  RecordText reference_;
  // Every node of a kind in record order: the children of one node follow
  // each other, so a node names its own by the first and the count.
  std::vector<Meaning> meanings_;
  std::vector<SynonymGroup> groups_;
  std::vector<Synonym> synonyms_;
  std::vector<RecordText> labels_;
  std::vector<WordComb> combs_;
};

// A view and the dictionary form written from it, kept together for their
// room from one record to the next.
struct InPlaceArticle {
  RecordView view;
  ArticleTextBuffer text;
};
