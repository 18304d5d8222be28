#include "lexicon/RecordStream.h"

RecordStream::RecordStream(const unsigned char* bytes, unsigned size, uint8_t type,
                           const char* headWord, int headWordLength)
    : in_(bytes, size),
      layout_(LayoutOf(type)),
      type_(type),
      meaning_(*this),
      group_(*this),
      synonym_(*this) {
  inWord_.chars = headWord;
  inWord_.length = headWordLength;
  uint8_t count = 0;
  if (!layout_.hasRecords || (layout_.entryCodeAndAttr && !(in_.Char(syn_) && in_.Text(attr_))) ||
      (layout_.meanings && !in_.Byte(count))) {
    Fail();
    return;
  }
  meaningCount_ = meaningsLeft_ = count;
}

RecordStream::Meaning* RecordStream::NextMeaning(int index) {
  meaning_.syn_ = 0;
  meaning_.attr_ = RecordText();
  meaning_.groupCount_ = 0;
  uint8_t count = 0;
  if (failed_ || meaningsLeft_ == 0 || index != meaningCount_ - meaningsLeft_ || !MeaningDone() ||
      !in_.Char(meaning_.syn_) || !in_.Text(meaning_.attr_) ||
      (layout_.meaningGroups && !in_.Byte(count))) {
    Fail();
    return &meaning_;
  }
  --meaningsLeft_;
  meaning_.groupCount_ = groupsLeft_ = count;
  return &meaning_;
}

RecordStream::SynonymGroup* RecordStream::NextGroup(int index) {
  group_.synonymCount_ = 0;
  uint8_t number = 0;
  uint8_t count = 0;
  RecordText definition;
  if (failed_ || groupsLeft_ == 0 || index != meaning_.groupCount_ - groupsLeft_ || !GroupDone() ||
      !in_.Byte(number) || (layout_.definitions && !in_.Text(definition)) || !in_.Byte(count)) {
    Fail();
    return &group_;
  }
  --groupsLeft_;
  group_.synonymCount_ = synonymsLeft_ = count;
  return &group_;
}

RecordStream::Synonym* RecordStream::NextSynonym(int index) {
  synonym_.labelCount_ = 0;
  synonym_.combCount_ = 0;
  combCountRead_ = false;
  uint8_t contextType = 0;
  RecordText context;
  uint8_t count = 0;
  if (failed_ || synonymsLeft_ == 0 || index != group_.synonymCount_ - synonymsLeft_ ||
      inSynonym_ || !in_.Byte(contextType) || !in_.Text(context) || !in_.Byte(count)) {
    Fail();
    return &synonym_;
  }
  --synonymsLeft_;
  inSynonym_ = true;
  synonym_.labelCount_ = labelsLeft_ = count;
  return &synonym_;
}

RecordText RecordStream::NextLabel(int index) {
  RecordText label;
  if (failed_ || !inSynonym_ || labelsLeft_ == 0 || index != synonym_.labelCount_ - labelsLeft_ ||
      !in_.Text(label)) {
    Fail();
    return RecordText();
  }
  --labelsLeft_;
  return label;
}

// Asked for at every step of the walk over the combinations: read at the
// first.
int RecordStream::CombCount() {
  if (combCountRead_ || failed_) return synonym_.combCount_;
  uint8_t count = 0;
  if (!inSynonym_ || labelsLeft_ != 0 || !in_.Byte(count)) {
    Fail();
    return 0;
  }
  combCountRead_ = true;
  synonym_.combCount_ = combsLeft_ = count;
  if (count == 0) ReadSynonymEnd();
  return count;
}

RecordStream::WordComb* RecordStream::NextComb(int index) {
  comb_ = WordComb();
  uint8_t attrType = 0;
  if (failed_ || !inSynonym_ || !combCountRead_ || combsLeft_ == 0 ||
      index != synonym_.combCount_ - combsLeft_ || !in_.Char(comb_.syn_) ||
      !in_.Text(comb_.synonym_) || !in_.Byte(attrType) || !in_.Text(comb_.attr_)) {
    Fail();
    return &comb_;
  }
  if (--combsLeft_ == 0) ReadSynonymEnd();
  return &comb_;
}

void RecordStream::ReadSynonymEnd() {
  RecordText text;
  if ((layout_.definitions && !in_.Text(text)) || !in_.Text(text)) Fail();
  inSynonym_ = false;
}

RecordText RecordStream::GetReference() {
  if (referenceRead_ || failed_ || !layout_.entryReference) return reference_;
  if (meaningsLeft_ != 0 || !MeaningDone() || !in_.Text(reference_)) {
    Fail();
    reference_ = RecordText();
    return reference_;
  }
  referenceRead_ = true;
  return reference_;
}

bool RecordStream::ReadWhole() const {
  return !failed_ && meaningsLeft_ == 0 && MeaningDone() &&
         (referenceRead_ || !layout_.entryReference);
}
