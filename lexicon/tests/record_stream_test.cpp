// Reading a record in place as the dictionary form walks it: the same text
// as the tree shows, for every layout and for texts on either side of the
// size the form copies in one block; damaged records and walks out of the
// record's order fail the stream. Each record sits in a buffer of its exact
// size, so a read past its end shows under AddressSanitizer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lexicon/ArticleDictionaryForm.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"
#include "lexicon/DicSearchFlags.h"
#include "lexicon/EntryRecord.h"
#include "lexicon/RecordStream.h"
#include "lexicon/tests/record_fixtures.h"

namespace {

constexpr const char* kHeadWord = "word";

// Combinations of every length around the copy block, then one whose block
// would end one byte past the record.
void BuildTextLengths(CEntry& entry) {
  entry.SetSyn('n');
  CSynonymGroup* group = AddGroup(*AddMeaning(entry, 'n'), 1, {});
  CSynonym* synonym = AddSynonym(*group, {});
  for (int length : {0, 1, 15, 16, 31, 32, 33, 64, 255}) {
    synonym->AddNewWordComb()->SetSynonym(std::string(length, 'a' + length % 26).c_str());
  }
  synonym->AddLabel("lab");
  AddSynonym(*group, {std::string(26, 'z')});
  entry.SetReference("r");
}

std::string Record(uint8_t type, void (*build)(CEntry&)) {
  CEntry entry(type);
  build(entry);
  MCByteArray bytes;
  if (!EncodeEntryRecord(entry, bytes)) return std::string();
  return std::string(reinterpret_cast<const char*>(bytes.GetData()), bytes.GetSize());
}

std::vector<GoldenRecord> Records() {
  std::vector<GoldenRecord> records = GoldenRecords();
  records.push_back(
      {"texts around the block size", 1, BuildTextLengths, Record(1, BuildTextLengths)});
  return records;
}

// The dictionary form read from the tree the bytes decode to.
std::string FormFromTree(uint8_t type, const std::vector<unsigned char>& bytes) {
  CDicEntry entry(type);
  entry.SetInWord(kHeadWord);
  if (!DecodeEntryRecord(bytes.data(), static_cast<unsigned>(bytes.size()), entry)) return "<cut>";
  return std::string(MergeString(entry, kMDFindDictForm));
}

struct Shown {
  std::string text;
  bool whole;
};

Shown FormFromStream(uint8_t type, const std::vector<unsigned char>& bytes) {
  RecordStream stream(bytes.data(), static_cast<unsigned>(bytes.size()), type, kHeadWord, 4);
  ArticleTextBuffer text;
  article_dict_form::AppendDicEntry(text, stream);
  return {std::string(text.data(), text.size()), stream.ReadWhole()};
}

std::vector<unsigned char> Exactly(const std::string& bytes, size_t size) {
  return std::vector<unsigned char>(bytes.begin(), bytes.begin() + size);
}

TEST(RecordStreamTest, ShowsWhatTheTreeShows) {
  for (const GoldenRecord& record : Records()) {
    SCOPED_TRACE(record.name);
    ASSERT_FALSE(record.bytes.empty());
    const std::vector<unsigned char> alone = Exactly(record.bytes, record.bytes.size());
    const Shown shown = FormFromStream(record.type, alone);
    EXPECT_TRUE(shown.whole);
    EXPECT_EQ(shown.text, FormFromTree(record.type, alone));

    // With the next record's bytes behind it, every short text takes the
    // block copy; the text is the same.
    std::vector<unsigned char> followed = alone;
    followed.resize(alone.size() + 300, 0xEE);
    EXPECT_EQ(FormFromStream(record.type, followed).text, shown.text);
  }
}

TEST(RecordStreamTest, EveryCutRecordFails) {
  for (const GoldenRecord& record : Records()) {
    SCOPED_TRACE(record.name);
    for (size_t size = 0; size < record.bytes.size(); ++size) {
      EXPECT_FALSE(FormFromStream(record.type, Exactly(record.bytes, size)).whole) << size;
    }
  }
}

TEST(RecordStreamTest, TypesWithoutRecordsFail) {
  const std::vector<unsigned char> bytes(8, 0);
  for (uint8_t type : {0, 5, 6, 8, 255}) {
    EXPECT_FALSE(FormFromStream(type, bytes).whole) << int(type);
  }
}

// The whole record, node by node, as the dictionary form walks it.
void WalkInOrder(RecordStream& stream) {
  for (int m = 0; m < stream.GetSizeMeaning(); ++m) {
    RecordStream::Meaning* meaning = stream.GetAtMeaning(m);
    for (int g = 0; g < meaning->GetSizeSynonymGroup(); ++g) {
      RecordStream::SynonymGroup* group = meaning->GetAtSynonymGroup(g);
      for (int s = 0; s < group->GetSizeSynonym(); ++s) {
        RecordStream::Synonym* synonym = group->GetAtSynonym(s);
        for (int l = 0; l < synonym->GetSizeLabel(); ++l) synonym->GetLabel(l);
        for (int c = 0; c < synonym->GetSizeWordComb(); ++c) synonym->GetAtWordComb(c);
      }
    }
  }
  stream.GetReference();
}

TEST(RecordStreamTest, AWalkOutOfTheRecordsOrderFails) {
  // V 1. (~ away) coll) run off; flee 2. escape \run
  const GoldenRecord runOff = GoldenRecords()[1];
  const std::vector<unsigned char> bytes = Exactly(runOff.bytes, runOff.bytes.size());
  struct Walk {
    const char* name;
    std::function<void(RecordStream&)> walk;
    bool whole;
  };
  const Walk walks[] = {
      {"in order", WalkInOrder, true},
      {"the reference first", [](RecordStream& s) { s.GetReference(); }, false},
      {"the second group first", [](RecordStream& s) { s.GetAtMeaning(0)->GetAtSynonymGroup(1); },
       false},
      {"the combinations before the label",
       [](RecordStream& s) {
         s.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(0)->GetAtWordComb(0);
       },
       false},
      {"a combination skipped",
       [](RecordStream& s) {
         RecordStream::Synonym* synonym = s.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(0);
         synonym->GetLabel(0);
         synonym->GetSizeWordComb();
         synonym->GetAtWordComb(1);
       },
       false},
      {"the next synonym before this one's combinations",
       [](RecordStream& s) {
         RecordStream::SynonymGroup* group = s.GetAtMeaning(0)->GetAtSynonymGroup(0);
         group->GetAtSynonym(0)->GetLabel(0);
         group->GetAtSynonym(1);
       },
       false},
      {"stopped before the second group",
       [](RecordStream& s) {
         RecordStream::SynonymGroup* group = s.GetAtMeaning(0)->GetAtSynonymGroup(0);
         for (int i = 0; i < group->GetSizeSynonym(); ++i) {
           RecordStream::Synonym* synonym = group->GetAtSynonym(i);
           for (int l = 0; l < synonym->GetSizeLabel(); ++l) synonym->GetLabel(l);
           for (int c = 0; c < synonym->GetSizeWordComb(); ++c) synonym->GetAtWordComb(c);
         }
       },
       false},
  };
  for (const Walk& walk : walks) {
    SCOPED_TRACE(walk.name);
    RecordStream stream(bytes.data(), static_cast<unsigned>(bytes.size()), runOff.type, kHeadWord,
                        4);
    walk.walk(stream);
    EXPECT_EQ(stream.ReadWhole(), walk.whole);
  }
}

}  // namespace
