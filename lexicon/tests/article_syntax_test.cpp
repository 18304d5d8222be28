// The article text syntax: plain texts of every dictionary type split into
// trees and merged back (including texts that bend the syntax: entries
// without a code, decimal numbers, unclosed brackets), and the dictionary
// form that the tip and the viewer show.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>
#include <string>

#include "grammar/tests/grammar_tables_fixture.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"
#include "lexicon/DicSearchFlags.h"

namespace {

// --- A one-line summary of a tree: every node with its non-empty fields.

std::string Str(const MCString& text) { return std::string(text, text.GetLength()); }

std::string DumpWordComb(const CWordComb& wordComb) {
  std::string out = " C";
  if (wordComb.GetSyn() != 0) out += std::string(1, wordComb.GetSyn()) + ":";
  if (wordComb.GetAttrType() != CWordComb::kAttrNone) {
    const uint8_t type = wordComb.GetAttrType();
    out += "[" + std::string(1, type == CWordComb::kAttrBoth ? 'B' : char(type)) +
           Str(wordComb.GetAttr()) + "]";
  }
  return out + "'" + Str(wordComb.GetSynonym()) + "'";
}

std::string DumpSynonym(const CSynonym& synonym) {
  std::string out = " S";
  if (synonym.GetContextType() != CSynonym::kContextNone || !synonym.GetContext().IsEmpty()) {
    const uint8_t type = synonym.GetContextType();
    out += "(" + std::string(1, type == CSynonym::kContextBoth ? 'B' : char(type ? type : '-')) +
           Str(synonym.GetContext()) + ")";
  }
  for (int i = 0; i < synonym.GetSizeLabel(); ++i) out += std::string(synonym.GetAtLabel(i)) + ")";
  if (!synonym.GetDefinition().IsEmpty()) out += "{" + Str(synonym.GetDefinition()) + "}";
  if (!synonym.GetReference().IsEmpty()) out += "<" + Str(synonym.GetReference()) + ">";
  for (int i = 0; i < synonym.GetSizeWordComb(); ++i)
    out += DumpWordComb(*synonym.GetAtWordComb(i));
  return out;
}

std::string DumpEntry(const CEntry& entry) {
  std::string out = "E";
  if (entry.GetSyn() != 0) out += ":" + std::string(1, entry.GetSyn());
  if (!entry.GetAttr().IsEmpty()) out += "[" + Str(entry.GetAttr()) + "]";
  if (!entry.GetReference().IsEmpty()) out += "\\" + Str(entry.GetReference());
  for (int m = 0; m < entry.GetSizeMeaning(); ++m) {
    const CMeaning& meaning = *entry.GetAtMeaning(m);
    out += " M";
    if (meaning.GetSyn() != 0) out += std::string(1, meaning.GetSyn());
    if (!meaning.GetAttr().IsEmpty()) out += "[" + Str(meaning.GetAttr()) + "]";
    for (int g = 0; g < meaning.GetSizeSynonymGroup(); ++g) {
      const CSynonymGroup& group = *meaning.GetAtSynonymGroup(g);
      out += " G";
      if (group.GetGroupNumber() != 0) out += std::to_string(group.GetGroupNumber());
      if (!group.GetDefinition().IsEmpty()) out += "{" + Str(group.GetDefinition()) + "}";
      for (int s = 0; s < group.GetSizeSynonym(); ++s) out += DumpSynonym(*group.GetAtSynonym(s));
    }
  }
  return out;
}

// A test name from a row's description.
template <class Row>
std::string CaseName(const testing::TestParamInfo<Row>& info) {
  std::string name;
  for (const char* p = info.param.name; *p; ++p) {
    name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  }
  return name;
}

// --- Plain form: split, merge, and split again to the same tree.

struct RoundTripCase {
  const char* name;
  uint8_t type;
  const char* text;
  const char* tree;
  const char* merged;
};

const RoundTripCase kRoundTrips[] = {
    {"worked example", 1, "n[m] 1. house; building 2. home",
     "E:n[m] Mn G1 S C'house' S C'building' G2 S C'home'", "n[m] 1. house; building 2. home"},
    {"context, label, reference", 1, "V 1. (~ away) coll) run off; flee 2. escape \\run",
     "E:V\\run MV G1 S(Laway)coll) C'run' C'off' S C'flee' G2 S C'escape'",
     "V 1. (~away) coll) run off; flee 2. escape \\run"},
    {"entry without a code", 1, "house; home", "E M G S C'house' S C'home'", "house; home"},
    {"entry without a code, attribute first", 1, "[m] house", "E[m] M G S C'house'", "[m] house"},
    {"a.b is text", 1, "N a.b c", "E:N MN G S C'a.b' C'c'", "N a.b c"},
    {"backslash inside brackets", 1, "N house[x\\y]", "E:N MN G S C[Rx\\y]'house'",
     "N house[x\\y]"},
    {"decimal numbers stay whole", 1, "N about 1.5 litres; Windows 3.1; 10. ten",
     "E:N MN G S C'about' C'1.5' C'litres' S C'Windows' C'3.1' G10 S C'ten'",
     "N about 1.5 litres; Windows 3.1 10. ten"},
    {"unclosed bracket is a character", 1, "N [m 1. house (x",
     "E:N MN G S C'[m' G1 S C'house' C'(x'", "N [m 1. house (x"},
    {"unclosed brace and angle", 1, "N {a <b", "E:N MN G S C'{a' C'<b'", "N {a <b"},
    {"contexts right and both", 1, "V (x~) go; (~y~) come", "E:V MV G S(Rx) C'go' S(By) C'come'",
     "V (x~) go; (~y~) come"},
    {"combination codes and attributes", 1, "N N house; [a] house; big [b]",
     "E:N MN G S CN:'house' S C[La]'house' S C[Rb]'big'", "N N house; [a] house; big[b]"},
    {"meanings with their own codes", 1, "N 1. house V. 1. to house; A.[x] homely",
     "E:N MN G1 S C'house' MV G1 S C'to' C'house' MA[x] G S C'homely'",
     "N 1. house V. 1. to house A.[x] homely"},
    {"definitions and synonym reference", 4, "N 1. {a dwelling} house {big} <home>",
     "E:N MN G1{a dwelling} S{big}<home> C'house'", "N 1.{a dwelling} house {big} <home>"},
    {"type 2 has no entry code", 2, "house; home", "E M G S C'house' S C'home'", "house; home"},
    {"reference only", 3, "\\see  other", "E\\see  other", "\\see  other"},
    {"empty text", 1, "   ", "E", ""},
};

void PrintTo(const RoundTripCase& row, std::ostream* out) { *out << row.text; }

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, SplitsMergesAndSplitsAgain) {
  const RoundTripCase& row = GetParam();
  CEntry entry(row.type);
  SplitString(entry, row.text);
  EXPECT_EQ(DumpEntry(entry), row.tree);
  const MCString merged = MergeString(entry, 0);
  EXPECT_EQ(Str(merged), row.merged);
  CEntry again(row.type);
  SplitString(again, merged);
  EXPECT_EQ(DumpEntry(again), row.tree);
}

INSTANTIATE_TEST_SUITE_P(ArticleSyntax, RoundTrip, testing::ValuesIn(kRoundTrips),
                         CaseName<RoundTripCase>);

TEST(ArticleSyntax, SplitReplacesWhatTheEntryHeld) {
  CEntry entry(1);
  SplitString(entry, "n[m] 1. house \\ref");
  SplitString(entry, "house");
  EXPECT_EQ(DumpEntry(entry), "E M G S C'house'");
}

// A meaning without a code must not write its 0: the text would end there.
TEST(ArticleSyntax, MeaningWithoutCodeWritesNoNul) {
  CMeaning meaning(1);
  meaning.SetAttr("x");
  meaning.AddNewSynonymGroup()->AddNewSynonym()->AddNewWordComb()->SetSynonym("house");
  const MCString merged = MergeString(meaning, 0, 'n');
  EXPECT_EQ(Str(merged), "[x]house");
  EXPECT_EQ(std::strlen(merged), static_cast<size_t>(merged.GetLength()));
}

// --- The whole article: head word, "*" and the entry's text.

struct ArticleCase {
  const char* name;
  uint8_t type;
  const char* text;
  const char* inWord;  // as stored
  const char* tree;
  const char* merged;
};

const ArticleCase kArticles[] = {
    {"head word and text", 1, "house*N home", "house", "E:N MN G S C'home'", "house*N home"},
    {"blanks around both", 1, "  house * N home ", "house", "E:N MN G S C'home'", "house*N home"},
    {"a later star is text", 1, "a*N b*c", "a", "E:N MN G S C'b*c'", "a*N b*c"},
    {"empty head word", 1, "*N home", "", "E:N MN G S C'home'", "*N home"},
    {"no star: a head word alone", 1, "house", "house", "E", "house*"},
    {"reversed words", 2, "house*home", "esuoh", "E M G S C'home'", "house*home"},
    {"reversed reference only", 3, "house*\\see home", "esuoh", "E\\see home", "house*\\see home"},
    {"type 5 is the head word alone", 5, "a*b", "a*b", "E", "a*b"},
    {"type 6 keeps its star", 6, "house*", "house", "E", "house*"},
};

void PrintTo(const ArticleCase& row, std::ostream* out) { *out << row.text; }

class ArticleRoundTrip : public testing::TestWithParam<ArticleCase> {};

TEST_P(ArticleRoundTrip, SplitsTheHeadWordOffAndMergesBack) {
  const ArticleCase& row = GetParam();
  CDicEntry entry(row.type);
  SplitArticle(entry, row.text);
  EXPECT_EQ(Str(entry.GetInWord()), row.inWord);
  EXPECT_EQ(DumpEntry(entry), row.tree);
  const MCString merged = MergeString(entry, 0);
  EXPECT_EQ(Str(merged), row.merged);
  CDicEntry again(row.type);
  SplitArticle(again, merged);
  EXPECT_EQ(Str(again.GetInWord()), row.inWord);
  EXPECT_EQ(DumpEntry(again), row.tree);
}

INSTANTIATE_TEST_SUITE_P(ArticleSyntax, ArticleRoundTrip, testing::ValuesIn(kArticles),
                         CaseName<ArticleCase>);

TEST(ArticleSyntax, SplitArticleReplacesWhatTheEntryHeld) {
  CDicEntry entry(1);
  SplitArticle(entry, "old*n[m] 1. house \\ref");
  SplitArticle(entry, "new*house");
  EXPECT_EQ(Str(entry.GetInWord()), "new");
  EXPECT_EQ(DumpEntry(entry), "E M G S C'house'");
}

// --- Dictionary form.

struct DictFormCase {
  const char* name;
  uint8_t type;
  const char* word;
  const char* text;
  const char* shown;
};

const DictFormCase kDictForms[] = {
    {"worked example", 1, "\xE4\xEE\xEC", "n[m] 1. house; building 2. home",
     "{Noun Pl} \xE4\xEE\xEC\r\n\t\xB7{Noun Pl} house; building; home;"},
    {"labels and reference", 1, "\xE1\xE5\xE6\xE0\xF2\xFC",
     "V 1. (~ away) coll) run off; flee 2. escape \\run",
     "{Verb} \xE1\xE5\xE6\xE0\xF2\xFC\r\n\t\xB7{Verb} coll) run off; flee; escape;\r\n\\run"},
    {"engine labels hidden", 1, "w", "N g_x) a; coll) b", "{Noun} w\r\n\t\xB7{Noun} a; coll) b;"},
    {"a meaning a line", 1, "w", "N house V. go",
     "{Noun} w\r\n\t\xB7{Noun} house;\r\n\t\xB7{Verb} go;"},
    {"combination code", 1, "w", "N N house", "{Noun} w\r\n\t\xB7{Noun} {Noun} house;"},
    {"without a code the head word stands alone", 1, "w", "house", "w\r\nhouse;"},
    {"reference only: head word first", 3, "w", "\\see other", "w\r\n\\see other"},
    {"capital at the end stays", 1, "w", "N house \\see R",
     "{Noun} w\r\n\t\xB7{Noun} house;\r\n\\see R"},
    {"nothing at all", 1, "w", "", "w"},
};

void PrintTo(const DictFormCase& row, std::ostream* out) { *out << row.text; }

class DictForm : public testing::TestWithParam<DictFormCase> {};

TEST_P(DictForm, ShowsTheArticle) {
  const DictFormCase& row = GetParam();
  CDicEntry entry(row.type);
  entry.SetInWord(row.word);
  SplitString(entry, row.text);
  EXPECT_EQ(Str(MergeString(entry, kMDFindDictForm)), row.shown);
}

INSTANTIATE_TEST_SUITE_P(ArticleSyntax, DictForm, testing::ValuesIn(kDictForms),
                         CaseName<DictFormCase>);

TEST(ArticleSyntax, DictFormOfEntryWithOnlyReference) {
  CEntry entry(1);
  entry.SetReference("other");
  EXPECT_EQ(Str(MergeString(entry, kMDFindDictForm)), "\\other");
}

// An empty meaning in the middle adds no empty line.
TEST(ArticleSyntax, DictFormSkipsEmptyMeaning) {
  CEntry entry(1);
  entry.SetSyn('N');
  CMeaning* first = entry.AddNewMeaning();
  first->SetSyn('N');
  first->AddNewSynonymGroup()->AddNewSynonym()->AddNewWordComb()->SetSynonym("house");
  entry.AddNewMeaning();
  CMeaning* last = entry.AddNewMeaning();
  last->SetSyn('V');
  last->AddNewSynonymGroup()->AddNewSynonym()->AddNewWordComb()->SetSynonym("go");
  EXPECT_EQ(Str(MergeString(entry, kMDFindDictForm)),
            "{Noun}\r\n\t\xB7{Noun} house;\r\n\t\xB7{Verb} go;");
}

// --- The grammar inside a part-of-speech block, named by the grammar tables.

// A few of the shipped attribute names (data/GramId.txt) under their ids.
const char kGramIdSource[] =
    "table GramId\n{\n\"sg\", 131\n\"pl\", 132\n\"m\", 135\n\"tr\", 150\n}\n";
const char kGramValSource[] = "table Numbers\n{\n\"sg\", 0\n\"pl\", 1\n}\n";

using DictFormGrammar = GrammarTablesTest<kGramIdSource, kGramValSource>;

TEST_F(DictFormGrammar, BlocksShowTheNamedAttributes) {
  const struct {
    const char* what;
    const char* text;
    const char* shown;
  } rows[] = {
      {"entry attribute", "N[\x83\x96] 1. house", "{Noun [sg tr]} w\r\n\t\xB7{Noun} house;"},
      {"meaning attribute", "N house V.[\x84] go",
       "{Noun} w\r\n\t\xB7{Noun} house;\r\n\t\xB7{Verb [pl]} go;"},
      {"combination attribute", "N N [\x87] house", "{Noun} w\r\n\t\xB7{Noun} {Noun [m]} house;"},
      {"nothing named: no brackets", "N[\x90m] house", "{Noun} w\r\n\t\xB7{Noun} house;"},
  };
  for (const auto& row : rows) {
    CDicEntry entry(1);
    entry.SetInWord("w");
    SplitString(entry, row.text);
    EXPECT_EQ(Str(MergeString(entry, kMDFindDictForm)), row.shown) << row.what;
  }
}

}  // namespace
