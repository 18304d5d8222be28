// The article tree and its records: the bytes of each dictionary type's
// record, reading back, bounded reading of damaged records, the limits of
// the format, and the tree operations (copy, merge, selection, cuts).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/MCArray.h"
#include "base/MCFile.h"
#include "base/tests/wordlist_support.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"
#include "lexicon/DicSearchFlags.h"
#include "lexicon/EntryRecord.h"
#include "lexicon/tests/dic_test_support.h"
#include "lexicon/tests/record_fixtures.h"

namespace {

// The tree as text, every field shown, for comparing trees.
std::string Dump(const CEntry& entry) {
  std::string out = "E" + std::to_string(entry.GetType()) + "(" +
                    std::to_string(static_cast<unsigned char>(entry.GetSyn())) + "," +
                    std::string(entry.GetAttr()) + "," + std::string(entry.GetReference()) + ")";
  for (int m = 0; m < entry.GetSizeMeaning(); ++m) {
    const CMeaning* meaning = entry.GetAtMeaning(m);
    out += " M(" + std::to_string(static_cast<unsigned char>(meaning->GetSyn())) + "," +
           std::string(meaning->GetAttr()) + ")";
    for (int g = 0; g < meaning->GetSizeSynonymGroup(); ++g) {
      const CSynonymGroup* group = meaning->GetAtSynonymGroup(g);
      out += " G(" + std::to_string(group->GetGroupNumber()) + "," +
             std::string(group->GetDefinition()) + ")";
      for (int s = 0; s < group->GetSizeSynonym(); ++s) {
        const CSynonym* synonym = group->GetAtSynonym(s);
        out += " S(" + std::to_string(synonym->GetContextType()) + "," +
               std::string(synonym->GetContext()) + ",[";
        for (int l = 0; l < synonym->GetSizeLabel(); ++l)
          out += std::string(synonym->GetAtLabel(l)) + ";";
        out += "]," + std::string(synonym->GetDefinition()) + "," +
               std::string(synonym->GetReference()) + ")";
        for (int c = 0; c < synonym->GetSizeWordComb(); ++c) {
          const CWordComb* comb = synonym->GetAtWordComb(c);
          out += " C(" + std::to_string(static_cast<unsigned char>(comb->GetSyn())) + "," +
                 std::string(comb->GetSynonym()) + "," + std::to_string(comb->GetAttrType()) + "," +
                 std::string(comb->GetAttr()) + ")";
        }
      }
    }
  }
  return out;
}

std::string Encoded(const CEntry& entry) {
  MCByteArray bytes;
  if (!EncodeEntryRecord(entry, bytes)) return "<refused>";
  return std::string(reinterpret_cast<const char*>(bytes.GetData()), bytes.GetSize());
}

TEST(EntryRecordTest, EachTypeWritesItsLayoutAndReadsItBack) {
  for (const GoldenRecord& golden : GoldenRecords()) {
    SCOPED_TRACE(golden.name);
    CEntry entry(golden.type);
    golden.build(entry);
    EXPECT_EQ(Hex(Encoded(entry)), Hex(golden.bytes));

    CEntry read(golden.type);
    ASSERT_EQ(DecodeEntryRecord(Data(golden.bytes), golden.bytes.size(), read), 1);
    EXPECT_EQ(Hex(Encoded(read)), Hex(golden.bytes));
    CEntry again(golden.type);
    ASSERT_EQ(DecodeEntryRecord(Data(golden.bytes), golden.bytes.size(), again), 1);
    EXPECT_EQ(Dump(again), Dump(read));
  }
  // "n[m] 1. house; building 2. home" takes 56 bytes.
  EXPECT_EQ(GoldenRecords()[0].bytes.size(), 56u);
}

TEST(EntryRecordTest, EveryCutRecordStopsWhereItsBytesEnd) {
  for (const GoldenRecord& golden : GoldenRecords()) {
    SCOPED_TRACE(golden.name);
    for (size_t size = 0; size < golden.bytes.size(); ++size) {
      CEntry read(golden.type);
      EXPECT_EQ(DecodeEntryRecord(Data(golden.bytes), size, read), 0) << size;
    }
  }
  // What was read before the end stays: the entry's code and attribute.
  const std::string house = GoldenRecords()[0].bytes;
  CEntry read(1);
  EXPECT_EQ(DecodeEntryRecord(Data(house), 4, read), 0);
  EXPECT_EQ(read.GetSyn(), 'n');
  EXPECT_EQ(std::string(read.GetAttr()), "m");
  EXPECT_EQ(read.GetSizeMeaning(), 1);  // made before it was read
}

// The dictionary reads every article into the same tree: what an article
// read before left there must never show through, whole or cut.
TEST(EntryRecordTest, ARecordReadOverAnotherReadsAsIntoAFreshTree) {
  std::vector<GoldenRecord> typeOne;
  for (const GoldenRecord& golden : GoldenRecords()) {
    if (golden.type == 1) typeOne.push_back(golden);
  }
  ASSERT_GE(typeOne.size(), 3u);
  for (const GoldenRecord& before : typeOne) {
    for (const GoldenRecord& after : typeOne) {
      for (size_t size = 0; size <= after.bytes.size(); ++size) {
        SCOPED_TRACE(std::string(before.name) + " then " + after.name + " cut at " +
                     std::to_string(size));
        CEntry fresh(1);
        const int freshWhole = DecodeEntryRecord(Data(after.bytes), size, fresh);
        CEntry reused(1);
        ASSERT_EQ(DecodeEntryRecord(Data(before.bytes), before.bytes.size(), reused), 1);
        // A cut record leaves the entry's own fields as they were; its
        // meanings are always the record's.
        reused.SetSyn(0);
        reused.SetAttr(MCString());
        reused.SetReference(MCString());
        EXPECT_EQ(DecodeEntryRecord(Data(after.bytes), size, reused), freshWhole);
        EXPECT_EQ(Dump(reused), Dump(fresh));
      }
    }
  }
}

TEST(EntryRecordTest, TextsKeptFromATreeSurviveTheNextRead) {
  const GoldenRecord house = GoldenRecords()[0];
  const GoldenRecord runOff = GoldenRecords()[1];
  CEntry read(1);
  ASSERT_EQ(DecodeEntryRecord(Data(house.bytes), house.bytes.size(), read), 1);
  const MCString attr = read.GetAttr();
  const MCString word = read.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(0)->GetWord(0);
  const MCString second = read.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(1)->GetWord(0);
  ASSERT_EQ(DecodeEntryRecord(Data(runOff.bytes), runOff.bytes.size(), read), 1);
  EXPECT_EQ(std::string(attr), "m");
  EXPECT_EQ(std::string(word), "house");
  EXPECT_EQ(std::string(second), "building");
  EXPECT_EQ(std::string(read.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(0)->GetWord(0)),
            "run");

  // Nodes made after a read start empty, and copies replace what was read.
  read.Free();
  CMeaning* meaning = read.AddNewMeaning();
  ASSERT_NE(meaning, nullptr);
  EXPECT_EQ(meaning->GetSyn(), 0);
  EXPECT_EQ(std::string(meaning->GetAttr()), "");
  EXPECT_EQ(meaning->GetSizeSynonymGroup(), 0);
  CEntry houseTree(1);
  BuildHouse(houseTree);
  read.Copy(&houseTree);
  EXPECT_EQ(Dump(read), Dump(houseTree));
}

TEST(EntryRecordTest, HugeCountsInFewBytesMakeFewObjects) {
  // 255 meanings of 255 groups of 255 synonyms, claimed in 6 bytes.
  const std::string claim = Bytes({'n', 0, 255, 'n', 0, 255});
  CEntry read(1);
  EXPECT_EQ(DecodeEntryRecord(Data(claim), claim.size(), read), 0);
  ASSERT_EQ(read.GetSizeMeaning(), 1);
  ASSERT_EQ(read.GetAtMeaning(0)->GetSizeSynonymGroup(), 1);  // made, then its read failed
  EXPECT_EQ(read.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetSizeSynonym(), 0);
}

TEST(EntryRecordTest, TypesWithoutRecordsNeitherWriteNorRead) {
  for (uint8_t type : {0, 5, 6, 8, 255}) {
    SCOPED_TRACE(type);
    CEntry entry(type);
    EXPECT_EQ(HasEntryRecords(type), 0);
    EXPECT_EQ(Encoded(entry), "<refused>");
    const std::string bytes = Bytes({0, 0, 0});
    EXPECT_EQ(DecodeEntryRecord(Data(bytes), bytes.size(), entry), 0);
  }
  for (uint8_t type : {1, 2, 3, 4, 7}) EXPECT_EQ(HasEntryRecords(type), 1) << type;
}

TEST(EntryRecordTest, TextsOver255BytesAreRefusedNotCut) {
  struct Case {
    const char* name;
    void (*set)(CEntry&, const MCString&);
  } const cases[] = {
      {"entry attribute", [](CEntry& e, const MCString& t) { e.SetAttr(t); }},
      {"entry reference", [](CEntry& e, const MCString& t) { e.SetReference(t); }},
      {"meaning attribute", [](CEntry& e, const MCString& t) { e.GetAtMeaning(0)->SetAttr(t); }},
      {"label",
       [](CEntry& e, const MCString& t) {
         e.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(0)->AddLabel(t);
       }},
      {"combination text",
       [](CEntry& e, const MCString& t) {
         e.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(0)->GetAtWordComb(0)->SetSynonym(t);
       }},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CEntry fits(1);
    BuildHouse(fits);
    c.set(fits, MCString('x', 255));
    EXPECT_NE(Encoded(fits), "<refused>");

    CEntry tooLong(1);
    BuildHouse(tooLong);
    c.set(tooLong, MCString('x', 256));
    EXPECT_EQ(Encoded(tooLong), "<refused>");
    MCFile file(dir.Path("record.bin").c_str(), MCFile::kModeCreate | MCFile::kModeReadWrite);
    EXPECT_EQ(WriteEntryRecord(file, tooLong), 0);
    EXPECT_EQ(file.GetLength(), 0);
  }
}

TEST(EntryRecordTest, NoKindTakesA256thChild) {
  CEntry entry(1);
  for (int i = 0; i < 255; ++i) ASSERT_NE(entry.AddNewMeaning(), nullptr);
  EXPECT_EQ(entry.AddNewMeaning(), nullptr);
  EXPECT_EQ(entry.GetSizeMeaning(), 255);
  CMeaning* meaning = entry.GetAtMeaning(0);
  CSynonymGroup* group = nullptr;
  for (int i = 0; i < 255; ++i) group = meaning->AddNewSynonymGroup();
  EXPECT_EQ(meaning->AddNewSynonymGroup(), nullptr);
  CSynonym* synonym = nullptr;
  for (int i = 0; i < 255; ++i) synonym = group->AddNewSynonym();
  EXPECT_EQ(group->AddNewSynonym(), nullptr);
  for (int i = 0; i < 255; ++i) {
    synonym->AddNewWordComb();
    synonym->AddLabel("l");
  }
  EXPECT_EQ(synonym->AddNewWordComb(), nullptr);
  EXPECT_EQ(synonym->AddLabel("l"), -1);
  EXPECT_EQ(synonym->GetSizeLabel(), 255);
}

TEST(EntryRecordTest, FileRecordsAreReadWithinTheirExtent) {
  ScratchDir dir;
  const GoldenRecord golden = GoldenRecords()[1];
  CEntry entry(golden.type);
  golden.build(entry);
  {
    MCFile file(dir.Path("records.bin").c_str(), MCFile::kModeCreate | MCFile::kModeReadWrite);
    ASSERT_EQ(file.Write("ab", 2), 2u);
    ASSERT_EQ(WriteEntryRecord(file, entry), 1);
    ASSERT_EQ(file.Write("\x05trail", 6), 6u);  // what follows the record
  }
  EXPECT_EQ(ReadWholeFile(dir.Path("records.bin")).substr(2, golden.bytes.size()), golden.bytes);
  const unsigned size = golden.bytes.size();
  struct Case {
    unsigned extent;
    int result;
  } const cases[] = {{size, 1}, {size + 6, 1}, {size - 1, 0}, {0, 0}, {1000000, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extent);
    MCFile file(dir.Path("records.bin").c_str(), MCFile::kModeRead);
    ASSERT_EQ(file.Seek(2, MCFile::kBegin), 2);
    CEntry read(golden.type);
    EXPECT_EQ(ReadEntryRecord(file, c.extent, read), c.result);
    if (c.result) {
      EXPECT_EQ(Dump(read), Dump(entry));
    }
  }
}

// --- Tree operations.

TEST(ArticleTreeTest, CopyIsDeepAndHarmlessOnItself) {
  CDicEntry original(4);
  BuildDefinitions(original);
  original.SetInWord("head");
  const std::string before = Dump(original);

  CDicEntry copy(1);
  BuildHouse(copy);
  copy.Copy(&original);
  EXPECT_EQ(Dump(copy), before);
  EXPECT_EQ(copy.GetType(), 4);
  EXPECT_EQ(std::string(copy.GetInWord()), "head");
  EXPECT_EQ(copy.GetAtMeaning(0)->GetType(), 4);
  copy.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(0)->AddLabel("changed");
  copy.GetAtMeaning(0)->SetAttr("changed");
  EXPECT_EQ(Dump(original), before);

  original.Copy(&original);
  EXPECT_EQ(Dump(original), before);
  CMeaning* meaning = original.GetAtMeaning(0);
  meaning->Copy(meaning);
  meaning->GetAtSynonymGroup(0)->Copy(meaning->GetAtSynonymGroup(0));
  EXPECT_EQ(Dump(original), before);

  copy.Copy(static_cast<const CDicEntry*>(nullptr));
  EXPECT_EQ(copy.GetSizeMeaning(), 0);
  EXPECT_EQ(std::string(copy.GetInWord()), "");
}

// An entry of meanings given as (code, attribute, groups of one-word synonyms).
struct MeaningSpec {
  char syn;
  const char* attr;
  std::vector<std::pair<uint8_t, std::vector<std::vector<std::string>>>> groups;
};

void BuildEntry(CEntry& entry, const char* attr, const std::vector<MeaningSpec>& meanings) {
  entry.SetAttr(attr);
  for (const MeaningSpec& spec : meanings) {
    CMeaning* meaning = AddMeaning(entry, spec.syn, spec.attr);
    for (const auto& group : spec.groups) AddGroup(*meaning, group.first, group.second);
  }
}

// Meanings, groups and synonyms in short form: "n[a]{1:x,y|2:z}".
std::string Shape(const CEntry& entry) {
  std::string out;
  for (int m = 0; m < entry.GetSizeMeaning(); ++m) {
    const CMeaning* meaning = entry.GetAtMeaning(m);
    out += std::string(1, meaning->GetSyn()) + "[" + std::string(meaning->GetAttr()) + "]{";
    for (int g = 0; g < meaning->GetSizeSynonymGroup(); ++g) {
      const CSynonymGroup* group = meaning->GetAtSynonymGroup(g);
      out += (g ? "|" : "") + std::to_string(group->GetGroupNumber()) + ":";
      for (int s = 0; s < group->GetSizeSynonym(); ++s)
        out += (s ? "," : "") + std::string(group->GetAtSynonym(s)->GetSynonymString());
    }
    out += "}";
  }
  return out;
}

TEST(ArticleTreeTest, MergeJoinsMatchingNodesAndCopiesTheRest) {
  struct Case {
    const char* name;
    int append;
    const char* theirAttr;
    std::vector<MeaningSpec> theirs;
    int merged;
    std::string mine;  // after the merge
    std::string theirsLeft;
  } const cases[] = {
      {"same code: groups merge, duplicate synonyms go",
       1,
       "m",
       {{'n', "", {{1, {{"house"}, {"hut"}}}, {3, {{"flat"}}}}}},
       1,
       "n[]{1:house,building,hut|2:home|3:flat}",
       ""},
      {"other codes are appended with the other entry's attribute",
       1,
       "f",
       {{'v', "", {{1, {{"to house"}}}}}, {'a', "x", {}}},
       2,
       "n[]{1:house,building|2:home}v[f]{1:to house}a[x]{}",
       "v[]{1:to house}a[x]{}"},
      {"prepended in their order",
       0,
       "m",
       {{'v', "", {}}, {'a', "", {}}},
       2,
       "v[]{}a[]{}n[]{1:house,building|2:home}",
       "v[]{}a[]{}"},
      {"groups prepended",
       0,
       "m",
       {{'n', "", {{4, {{"den"}}}}}},
       1,
       "n[]{4:den|1:house,building|2:home}",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CEntry mine(1);
    BuildEntry(mine, "m", {{'n', "", {{1, {{"house"}, {"building"}}}, {2, {{"home"}}}}}});
    CEntry theirs(1);
    BuildEntry(theirs, c.theirAttr, c.theirs);
    EXPECT_EQ(mine.Merge(&theirs, c.append), c.merged);
    EXPECT_EQ(Shape(mine), c.mine);
    EXPECT_EQ(Shape(theirs), c.theirsLeft);
  }
}

TEST(ArticleTreeTest, MergeWithItselfOrNothingChangesNothing) {
  CEntry entry(1);
  BuildHouse(entry);
  const std::string before = Dump(entry);
  CMeaning* meaning = entry.GetAtMeaning(0);
  CSynonymGroup* group = meaning->GetAtSynonymGroup(0);
  CSynonym* synonym = group->GetAtSynonym(0);
  EXPECT_EQ(entry.Merge(&entry, 1), 0);
  EXPECT_EQ(meaning->Merge(meaning, 1), 0);
  EXPECT_EQ(group->Merge(group, 0), 0);
  EXPECT_EQ(synonym->Merge(synonym, 1), 0);
  EXPECT_EQ(entry.Merge(nullptr, 1), 0);
  EXPECT_EQ(meaning->Merge(nullptr, 1), 0);
  EXPECT_EQ(group->Merge(nullptr, 1), 0);
  EXPECT_EQ(Dump(entry), before);

  CSynonym other(1);
  other.AddNewWordComb()->SetSynonym("x");
  EXPECT_EQ(synonym->Merge(&other, 1), 0);
}

TEST(ArticleTreeTest, SelectionAndWalks) {
  CEntry empty(1);
  EXPECT_EQ(empty.SelectMeaning('n'), nullptr);
  EXPECT_EQ(empty.GetAtMeaning(0), nullptr);
  EXPECT_EQ(empty.GetAtMeaning(-1), nullptr);
  empty.RemoveAtMeaning(3);

  CEntry entry(1);
  BuildEntry(entry, "", {{'n', "", {{1, {{"a"}, {"b"}}}, {2, {{"c"}}}}}, {'v', "", {}}});
  EXPECT_EQ(entry.GetMeaning('v'), entry.GetAtMeaning(1));
  EXPECT_EQ(entry.GetMeaning('q'), nullptr);
  EXPECT_EQ(entry.SelectMeaning('q'), entry.GetAtMeaning(0));

  CMeaning* meaning = entry.GetAtMeaning(0);
  std::string walked;
  for (CSynonym* s = meaning->GetFirst(); s; s = meaning->GetNext())
    walked += std::string(s->GetSynonymString());
  EXPECT_EQ(walked, "ab");  // the first group only
  EXPECT_EQ(meaning->GetNext(), nullptr);
  EXPECT_EQ(entry.GetAtMeaning(1)->GetFirst(), nullptr);

  CSynonym* b = meaning->GetAtSynonymGroup(0)->GetAtSynonym(1);
  b->SetContext("ctx");
  b->AddLabel("coll");
  EXPECT_EQ(meaning->SelectSynonymContext("ctx"), b);
  EXPECT_EQ(meaning->SelectSynonymContext("none"), nullptr);
  EXPECT_EQ(meaning->SelectSynonymLabel("coll"), b);
  EXPECT_EQ(meaning->SelectSynonymLabel("none"), nullptr);
}

TEST(ArticleTreeTest, SynonymTexts) {
  CSynonym synonym(1);
  EXPECT_EQ(synonym.IsWordComb(), 0);
  CWordComb* first = synonym.AddNewWordComb();
  first->SetSynonym("run");
  EXPECT_EQ(synonym.IsWordComb(), 0);
  first->SetSyn('v');
  EXPECT_EQ(synonym.IsWordComb(), 1);
  synonym.AddNewWordComb()->SetSynonym("off");
  EXPECT_EQ(synonym.IsWordComb(), 0);
  EXPECT_EQ(std::string(synonym.GetSynonymString()), "run off");
  EXPECT_EQ(std::string(synonym.GetWord(1)), "off");
  EXPECT_EQ(std::string(synonym.GetWord(2)), "");
  EXPECT_EQ(synonym.GetAtLabel(0), nullptr);
  synonym.AddLabel("coll");
  synonym.Free();
  EXPECT_EQ(synonym.GetSizeWordComb(), 0);
  EXPECT_EQ(synonym.GetSizeLabel(), 0);
}

TEST(ArticleTreeTest, CutsAtALabel) {
  auto build = [](CMeaning& meaning) {
    meaning.SetSyn('n');
    meaning.SetAttr("m");
    CSynonymGroup* group = meaning.AddNewSynonymGroup();
    group->SetGroupNumber(2);
    group->SetDefinition("d");
    for (const char* word : {"a", "b", "c"}) AddSynonym(*group, {word});
    group->GetAtSynonym(1)->AddLabel("coll");
    group->GetAtSynonym(2)->AddLabel("coll");
    AddGroup(meaning, 3, {{"z"}});  // never part of a cut
  };
  auto shape = [](const CMeaning& meaning) {
    CEntry entry(1);
    entry.AddNewMeaning()->Copy(&meaning);
    return Shape(entry);
  };
  struct Case {
    const char* label;
    std::string toLabel, fromLabel;
  } const cases[] = {
      {"coll", "n[m]{2:a}", "n[m]{2:b,c}"},
      {"none", "n[m]{2:a,b,c}", "n[m]{}"},
  };
  CMeaning source(1);
  build(source);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    CMeaning cut(1);
    AddGroup(cut, 9, {{"old"}});
    cut.CopyFromStartToLabel(&source, c.label);
    EXPECT_EQ(shape(cut), c.toLabel);
    EXPECT_EQ(std::string(cut.GetAtSynonymGroup(0) ? cut.GetAtSynonymGroup(0)->GetDefinition()
                                                   : MCString("d")),
              "d");
    cut.CopyFromLabelToEnd(&source, c.label);
    EXPECT_EQ(shape(cut), c.fromLabel);

    MCObArray before, from;
    EXPECT_EQ(source.CopyFromStartToLabel(before, c.label), std::string(c.label) == "coll" ? 1 : 3);
    EXPECT_EQ(before[0], source.GetAtSynonymGroup(0)->GetAtSynonym(0));  // not copies
    EXPECT_EQ(source.CopyFromLabelToEnd(from, c.label), std::string(c.label) == "coll" ? 2 : 0);
  }
  // The first synonym has the label: nothing before it, and no empty group.
  source.GetAtSynonymGroup(0)->GetAtSynonym(0)->AddLabel("first");
  CMeaning cut(1);
  cut.CopyFromStartToLabel(&source, "first");
  EXPECT_EQ(cut.GetSizeSynonymGroup(), 0);
  // Cutting a meaning by itself.
  source.CopyFromLabelToEnd(&source, "coll");
  EXPECT_EQ(shape(source), "n[m]{2:b,c}");
}

TEST(EntryRecordTest, LongFileRecordsAreReadPastTheReadBuffer) {
  ScratchDir dir;
  CEntry entry(1);
  for (int i = 0; i < 60; ++i) AddMeaning(entry, 'n', std::string(200, 'a' + i % 26).c_str());
  const std::string bytes = Encoded(entry);
  ASSERT_GT(bytes.size(), 10000u);
  dir.Write("long.bin", bytes);
  for (unsigned extent :
       {static_cast<unsigned>(bytes.size()), static_cast<unsigned>(bytes.size() - 1)}) {
    SCOPED_TRACE(extent);
    MCFile file(dir.Path("long.bin").c_str(), MCFile::kModeRead);
    CEntry read(1);
    EXPECT_EQ(ReadEntryRecord(file, extent, read), extent == bytes.size() ? 1 : 0);
    if (extent == bytes.size()) {
      EXPECT_EQ(Dump(read), Dump(entry));
    }
  }
}

// --- The current article of a dictionary.

// A type-1 dictionary of "cat" and "dog" written by hand: the records at 176,
// then the index, a branch of two leaves.
class DicArticleTest : public ::testing::Test {
 protected:
  void WriteDic(uint8_t type, const std::string& catRecord, const std::string& dogRecord,
                int indexShift = 0) {
    const uint32_t cat = CDicHeader::kRegionSize;
    const uint32_t dog = cat + catRecord.size();
    const bool words = type == 5 || type == 6;
    const std::string catOffset = words ? "" : U32(cat).substr(0, 3);
    const std::string dogOffset = words ? "" : U32(dog).substr(0, 3);
    const std::string catLeaf = Bytes({0xFE}) + catOffset + "at";
    const std::string trie = Bytes({2}) + U32(9).substr(0, 3) + "c" +
                             U32(9 + catLeaf.size()).substr(0, 3) + "d" + catLeaf + Bytes({0xFE}) +
                             dogOffset + "og";
    CDicHeader header = CDicHeader::ForNewFile(0);
    header.type = type;
    header.articleCount = 2;
    header.indexOffset = dog + dogRecord.size() + indexShift;
    const std::string records = catRecord + dogRecord;
    std::string file = HeaderBytes(header) + std::string(7, '\0') + records;
    file.resize(header.indexOffset, '\0');
    dir_.Write("two.dic", file + U32(trie.size()) + trie);
  }

  std::string HeadWord() { return std::string(dic_.GetEntry()->GetInWord()); }

  ScratchDir dir_;
  CDic dic_;
};

TEST_F(DicArticleTest, SearchesReadTheRecordOfTheWordFound) {
  const GoldenRecord house = GoldenRecords()[0];
  const GoldenRecord runOff = GoldenRecords()[1];
  WriteDic(1, house.bytes, runOff.bytes);
  ASSERT_EQ(dic_.Load(dir_.Path("two.dic").c_str(), 0), 1);
  CEntry expectedHouse(1), expectedRunOff(1);
  house.build(expectedHouse);
  runOff.build(expectedRunOff);

  const char* word = "unset";
  ASSERT_EQ(dic_.Find(kMDFindExact, "cat", &word), 1);
  EXPECT_EQ(word, nullptr);
  EXPECT_EQ(HeadWord(), "cat");
  EXPECT_EQ(dic_.GetRecordOffset(), 176);
  EXPECT_TRUE(dic_.GetEntry()->IsLoaded());
  EXPECT_EQ(Dump(*dic_.GetEntry()), Dump(expectedHouse));

  ASSERT_EQ(dic_.Next(&word), 1);
  EXPECT_STREQ(word, "dog");
  EXPECT_EQ(HeadWord(), "dog");
  EXPECT_EQ(Dump(*dic_.GetEntry()), Dump(expectedRunOff));
  EXPECT_EQ(dic_.Next(&word), 0);
  EXPECT_EQ(dic_.GetEntry()->GetSizeMeaning(), 0);  // an empty article
  ASSERT_EQ(dic_.Prev(&word), 1);
  EXPECT_EQ(Dump(*dic_.GetEntry()), Dump(expectedHouse));

  ASSERT_EQ(dic_.Find(kMDFindNear, "d", &word), 1);
  EXPECT_STREQ(word, "dog");
  EXPECT_EQ(HeadWord(), "dog");

  EXPECT_EQ(dic_.Find(kMDFindExact, "cow", &word), 0);
  EXPECT_EQ(dic_.GetRecordOffset(), CDic::kNoRecord);
  EXPECT_EQ(dic_.GetEntry()->GetSizeMeaning(), 0);
  EXPECT_EQ(HeadWord(), "");
}

TEST_F(DicArticleTest, TheWordOnlyLeavesTheRecordUnreadUntilAsked) {
  const GoldenRecord house = GoldenRecords()[0];
  WriteDic(1, house.bytes, house.bytes);
  ASSERT_EQ(dic_.Load(dir_.Path("two.dic").c_str(), 0), 1);
  ASSERT_EQ(dic_.Find(kMDFindWordOnly, "dog", nullptr), 1);
  EXPECT_EQ(HeadWord(), "dog");
  EXPECT_FALSE(dic_.GetEntry()->IsLoaded());
  EXPECT_EQ(dic_.GetEntry()->GetSizeMeaning(), 0);
  ASSERT_EQ(dic_.Prev(nullptr), 1);  // the stored mode is word-only too
  EXPECT_FALSE(dic_.GetEntry()->IsLoaded());
  EXPECT_EQ(dic_.LoadEntry(), 1);
  EXPECT_EQ(dic_.GetEntry()->GetSizeMeaning(), 1);
  EXPECT_EQ(dic_.LoadEntry(), 1);  // read once
}

TEST_F(DicArticleTest, ARecordIsReadNoFurtherThanTheIndex) {
  // The dog record claims a reference of 9 bytes; only 2 lie before the
  // index, whose bytes would otherwise be taken for the rest.
  WriteDic(3, Bytes({1, "x"}), Bytes({9, "ab"}));
  ASSERT_EQ(dic_.Load(dir_.Path("two.dic").c_str(), 0), 1);
  EXPECT_EQ(dic_.Find(kMDFindExact, "cat", nullptr), 1);
  EXPECT_EQ(std::string(dic_.GetEntry()->GetReference()), "x");
  EXPECT_EQ(dic_.Find(kMDFindExact, "dog", nullptr), 0);
  EXPECT_EQ(std::string(dic_.GetEntry()->GetReference()), "");
}

// Records may lie after the index; the last one then ends where the file
// does, and one that claims more fails with what it had.
TEST_F(DicArticleTest, ARecordAtTheEndOfTheFileIsReadNoFurtherThanIt) {
  const std::string catRecord = Bytes({1, "x"});
  const std::string dogRecord = Bytes({9, "ab"});
  auto trieFor = [](uint32_t cat, uint32_t dog) {
    const std::string catLeaf = Bytes({0xFE}) + U32(cat).substr(0, 3) + "at";
    return Bytes({2}) + U32(9).substr(0, 3) + "c" + U32(9 + catLeaf.size()).substr(0, 3) + "d" +
           catLeaf + Bytes({0xFE}) + U32(dog).substr(0, 3) + "og";
  };
  CDicHeader header = CDicHeader::ForNewFile(0);
  header.type = 3;
  header.articleCount = 2;
  header.indexOffset = CDicHeader::kRegionSize;
  const uint32_t cat = CDicHeader::kRegionSize + 4 + trieFor(0, 0).size();
  const uint32_t dog = cat + catRecord.size();
  const std::string trie = trieFor(cat, dog);
  std::string file = HeaderBytes(header) + std::string(7, '\0');
  dir_.Write("tail.dic", file + U32(trie.size()) + trie + catRecord + dogRecord);
  ASSERT_EQ(dic_.Load(dir_.Path("tail.dic").c_str(), 0), 1);
  EXPECT_EQ(dic_.Find(kMDFindExact, "cat", nullptr), 1);
  EXPECT_EQ(std::string(dic_.GetEntry()->GetReference()), "x");
  EXPECT_EQ(dic_.Find(kMDFindExact, "dog", nullptr), 0);
  EXPECT_EQ(std::string(dic_.GetEntry()->GetReference()), "");
  EXPECT_EQ(dic_.Find(kMDFindExact, "cat", nullptr), 1);
  EXPECT_EQ(std::string(dic_.GetEntry()->GetReference()), "x");
}

TEST_F(DicArticleTest, WordListsHaveNoArticles) {
  WriteDic(5, "", "");
  ASSERT_EQ(dic_.Load(dir_.Path("two.dic").c_str(), 0), 1);
  EXPECT_EQ(dic_.Find(kMDFindExact, "dog", nullptr), 1);
  EXPECT_EQ(dic_.GetEntry(), nullptr);
  EXPECT_EQ(dic_.GetRecordOffset(), CDic::kNoRecord);
  EXPECT_EQ(dic_.LoadEntry(), 0);
}

// Labels the dictionary form hides or cuts, codes on combinations with and
// without text, a reference after the meanings.
void BuildShownLabels(CEntry& entry) {
  CMeaning* meaning = AddMeaning(entry, 0);
  CSynonymGroup* group = AddGroup(*meaning, 1, {{"a", "b"}, {""}, {"c"}});
  CSynonym* labelled = group->GetAtSynonym(0);
  labelled->AddLabel("g_hidden");
  labelled->AddLabel(MCString("co\0ll", 5));
  labelled->AddLabel("vulg");
  labelled->GetAtWordComb(0)->SetSyn('N');
  group->GetAtSynonym(1)->GetAtWordComb(0)->SetSyn('V');
  AddGroup(*AddMeaning(entry, 'V'), 0, {});
  entry.SetReference("see b");
}

// Showing an article, the dictionary reads its record in place rather than
// into the tree; both must give the same text, and the tree is still there
// when asked for.
TEST_F(DicArticleTest, TheDictionaryFormReadInPlaceIsTheTreesForm) {
  std::vector<GoldenRecord> cases = GoldenRecords();
  cases.push_back({"labels and codes", 1, BuildShownLabels, ""});
  for (GoldenRecord& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.bytes.empty()) {
      CEntry built(c.type);
      c.build(built);
      c.bytes = Encoded(built);
    }
    dic_.Close();
    WriteDic(c.type, c.bytes, c.bytes);
    ASSERT_EQ(dic_.Load(dir_.Path("two.dic").c_str(), 0), 1);
    CDicEntry expected(c.type);
    ASSERT_EQ(DecodeEntryRecord(Data(c.bytes), c.bytes.size(), expected), 1);
    expected.SetInWord("dog");
    const std::string shown(MergeString(expected, kMDFindDictForm));

    ASSERT_EQ(dic_.Find(kMDFindExact | kMDFindDictForm, "cat", nullptr), 1);
    ASSERT_EQ(dic_.Next(nullptr), 1);
    EXPECT_EQ(std::string(dic_.GetEntryText(kMDFindDictForm)), shown);
    ASSERT_TRUE(dic_.GetEntry()->IsLoaded());
    EXPECT_EQ(Dump(*dic_.GetEntry()), Dump(expected));
    EXPECT_EQ(std::string(dic_.GetEntryText(kMDFindDictForm)), shown);
    // The plain form is the entry's text alone, as the editor takes it back.
    EXPECT_EQ(std::string(dic_.GetEntryText(0)),
              std::string(MergeString(static_cast<const CEntry&>(expected), 0)));
  }
}

// A record cut short is read into the tree, which keeps what there was.
TEST_F(DicArticleTest, ADamagedRecordShowsWhatItsTreeHolds) {
  const std::string house = GoldenRecords()[0].bytes;
  WriteDic(1, house, house.substr(0, 20));  // the index follows at once
  ASSERT_EQ(dic_.Load(dir_.Path("two.dic").c_str(), 0), 1);
  CDicEntry expected(1);
  EXPECT_EQ(DecodeEntryRecord(Data(house), 20, expected), 0);
  expected.SetInWord("dog");
  EXPECT_EQ(dic_.Find(kMDFindExact | kMDFindDictForm, "dog", nullptr), 0);
  EXPECT_EQ(std::string(dic_.GetEntryText(kMDFindDictForm)),
            std::string(MergeString(expected, kMDFindDictForm)));
  EXPECT_EQ(Dump(*dic_.GetEntry()), Dump(expected));
}

TEST(DicArticleWithoutFileTest, WithoutASearchThereIsNoArticleToRead) {
  CDic dic;
  EXPECT_EQ(dic.GetEntry(), nullptr);
  EXPECT_EQ(dic.LoadEntry(), 0);
  EXPECT_EQ(dic.GetRecordOffset(), CDic::kNoRecord);
}

}  // namespace
