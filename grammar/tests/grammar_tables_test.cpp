// The grammar tables: opening (from sources, from compiled files, from a
// data directory that cannot be written), the lookups, the side tables, the
// shipped tables' contents, and the id helpers.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/CCorr.h"
#include "base/CVal.h"
#include "base/CVar.h"
#include "base/CVars.h"
#include "base/platform/FileFaults.h"
#include "base/tests/wordlist_support.h"
#include "grammar/CGramInfo.h"
#include "grammar/GrammarTables.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string ShippedSource(const char* name) {
  const std::string text = ReadFile(std::string(MORVEX_GRAMMAR_SOURCE_DIR) + "/" + name);
  EXPECT_FALSE(text.empty()) << name;
  return text;
}

const char kSmallNames[] =
    "table GramId\n{\n"
    "\"sg\", 131\n"
    "\"pl\", 132\n"
    "\"\", 140\n"  // a name left empty
    "\"sem.animal\", 258\n"
    "}\n";
const char kSmallValues[] =
    "#define Case 245\n#define Number 242\n"
    "table Number\n{\nsg, 0\npl, 1\n}\n"
    "table Cases\n{\nnom, 1\ngen, 2\n}\n"
    "corrtable\n{\nNumber, Number\nCase, Cases\n}\n";

class GrammarTablesTest : public ::testing::Test {
 protected:
  ~GrammarTablesTest() override {
    MClearFileFaults();
    CloseGrammar();
    CloseInGrammar();
    CloseOutGrammar();
  }

  std::string Dir() const { return dir_.DirWithSeparator(); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(dir_.Path(name)); }
  void WriteSmallTables(const std::string& prefix = "") const {
    dir_.Write(prefix + "GramId.txt", kSmallNames);
    dir_.Write(prefix + "GramVal.txt", kSmallValues);
  }
  void WriteShippedTables() const {
    dir_.Write("GramId.txt", ShippedSource("GramId.txt"));
    dir_.Write("GramVal.txt", ShippedSource("GramVal.txt"));
  }

  ScratchDir dir_;
  MessageRecorder recorder_;
};

// The names and values the shipped tables must give, whichever file they
// were read from.
void ExpectShippedLookups() {
  EXPECT_STREQ(GetGramAttrNameStr(CGramInfo::kIdSingular), "sg");
  EXPECT_STREQ(GetGramAttrNameStr(CGramInfo::kIdTensePast), "past");
  EXPECT_STREQ(GetGramAttrNameStr(258), "sem.weather");
  EXPECT_EQ(GetGramAttrNameStr(CGramInfo::kIdCase), nullptr);
  EXPECT_EQ(GetGramAttrNameId("PL"), CGramInfo::kIdPlural);
  EXPECT_EQ(GetGramAttrNameId("sem.animal"), 269);
  EXPECT_EQ(GetGramAttrNameId("nothing"), -1);

  const int cases = GetGramAttrNameToValueId(CGramInfo::kIdCase);
  ASSERT_GT(cases, 0);
  EXPECT_EQ(GetGramAttrNameToValueId(CGramInfo::kIdCase2), cases);
  EXPECT_EQ(GetGramAttrNameToValueId(CGramInfo::kIdControl), cases);
  EXPECT_EQ(GetGramAttrValueToNameId(cases), CGramInfo::kIdCase);
  EXPECT_STREQ(GetGramAttrValueStr(cases, 8), "acc");
  EXPECT_EQ(GetGramAttrValue(cases, "ins"), 16);
  const int syn = GetGramAttrNameToValueId(CGramInfo::kIdSyn);
  ASSERT_GT(syn, 0);
  EXPECT_STREQ(GetGramAttrValueStr(syn, 'N'), "noun");
  EXPECT_EQ(GetGramAttrValue(syn, "verb"), 'V');
  const int tense = GetGramAttrNameToValueId(CGramInfo::kIdTense);
  EXPECT_STREQ(GetGramAttrValueStr(tense, 1), "past");
}

// --- Opening

TEST_F(GrammarTablesTest, ShippedTablesOpenFromSourcesAndThenFromCompiledFiles) {
  WriteShippedTables();
  ASSERT_EQ(OpenGrammar(Dir().c_str()), 1);
  EXPECT_TRUE(recorder_.messages().empty());
  EXPECT_TRUE(Exists("GramId.dat"));
  EXPECT_TRUE(Exists("GramVal.dat"));
  ExpectShippedLookups();

  // Without the sources, the compiled files give the same tables.
  CloseGrammar();
  EXPECT_EQ(GetGramAttrNameStr(CGramInfo::kIdSingular), nullptr);
  std::filesystem::remove(dir_.Path("GramId.txt"));
  std::filesystem::remove(dir_.Path("GramVal.txt"));
  ASSERT_EQ(OpenGrammar(Dir().c_str()), 1);
  ExpectShippedLookups();
}

TEST_F(GrammarTablesTest, ReadOnlyDirectoryWithSourcesOnlyStillOpens) {
  const struct {
    const char* what;
    MFileOperation operation;
  } kFailures[] = {{"write", MFileOperation::kWrite},
                   {"flush", MFileOperation::kFlush},
                   {"rename", MFileOperation::kRename}};
  for (const auto& failure : kFailures) {
    SCOPED_TRACE(failure.what);
    WriteShippedTables();
    MSetFileFault(failure.operation, 1, true);
    ASSERT_EQ(OpenGrammar(Dir().c_str()), 1);
    ExpectShippedLookups();
    MClearFileFaults();
    EXPECT_FALSE(Exists("GramId.dat"));
    EXPECT_FALSE(Exists("GramVal.dat"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path("")),
                            std::filesystem::directory_iterator()),
              2);  // no temporary file stays behind
    CloseGrammar();
  }
}

TEST_F(GrammarTablesTest, NameTableIsOpenedFirstAndAloneDecidesTheValueTable) {
  // No name table: the value table is not even tried.
  dir_.Write("GramVal.txt", kSmallValues);
  EXPECT_EQ(OpenGrammar(Dir().c_str()), 0);
  EXPECT_FALSE(GetGrammarVars()->IsOpen());
  EXPECT_FALSE(GetGrammarVal()->IsOpen());
  EXPECT_FALSE(Exists("GramVal.dat"));

  // A name table without a value table: 0, and the names are there.
  std::filesystem::remove(dir_.Path("GramVal.txt"));
  dir_.Write("GramId.txt", kSmallNames);
  EXPECT_EQ(OpenGrammar(Dir().c_str()), 0);
  EXPECT_TRUE(GetGrammarVars()->IsOpen());
  EXPECT_FALSE(GetGrammarVal()->IsOpen());
  EXPECT_STREQ(GetGramAttrNameStr(131), "sg");
  EXPECT_EQ(GetGramAttrValueStr(1, 0), nullptr);

  dir_.Write("GramVal.txt", kSmallValues);
  EXPECT_EQ(OpenGrammar(Dir().c_str()), 1);
  EXPECT_EQ(CloseGrammar(), 1);
  EXPECT_FALSE(GetGrammarVars()->IsOpen());
  EXPECT_FALSE(GetGrammarVal()->IsOpen());
}

TEST_F(GrammarTablesTest, DirectoryIsUsedAsGiven) {
  // No separator is added: "...\data" opens "...\dataGramId.dat".
  WriteSmallTables("data");
  const std::string withoutSeparator = dir_.Path("data");
  ASSERT_EQ(OpenGrammar(withoutSeparator.c_str()), 1);
  EXPECT_TRUE(Exists("dataGramId.dat"));
  CloseGrammar();

  // A null directory is the current one.
  WriteSmallTables();
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_.Path(""));
  EXPECT_EQ(OpenGrammar(nullptr), 1);
  EXPECT_STREQ(GetGramAttrNameStr(132), "pl");
  CloseGrammar();
  EXPECT_EQ(OpenGrammar(""), 1);
  std::filesystem::current_path(previous);
}

TEST_F(GrammarTablesTest, OpeningAgainKeepsTheOpenTables) {
  WriteSmallTables();
  ASSERT_EQ(OpenGrammar(Dir().c_str()), 1);
  const char* name = GetGramAttrNameStr(131);
  // Another directory, even one without tables, changes nothing.
  EXPECT_EQ(OpenGrammar("/nowhere/"), 1);
  EXPECT_EQ(GetGramAttrNameStr(131), name);
  EXPECT_STREQ(name, "sg");
}

// --- Lookups

TEST_F(GrammarTablesTest, LookupsAnswerNoneUntilOpen) {
  EXPECT_EQ(GetGramAttrNameStr(131), nullptr);
  EXPECT_EQ(GetGramAttrNameId("sg"), -1);
  EXPECT_EQ(GetInGramAttrNameStr(131), nullptr);
  EXPECT_EQ(GetOutGramAttrNameId("sg"), -1);
  EXPECT_EQ(GetGramAttrNameToValueId(245), 0);
  EXPECT_EQ(GetGramAttrValueToNameId(1), 0);
  EXPECT_EQ(GetGramAttrValueStr(1, 1), nullptr);
  EXPECT_EQ(GetGramAttrValue(1, "nom"), -1);
  CGramInfo g;
  EXPECT_STREQ(g.IdToNameString(131), "");
  EXPECT_EQ(g.NameStringToId("sg"), -1);
}

TEST_F(GrammarTablesTest, LookupsOfAnOpenGrammar) {
  WriteSmallTables();
  ASSERT_EQ(OpenGrammar(Dir().c_str()), 1);
  const struct {
    int id;
    const char* name;  // null: none
  } kNames[] = {{131, "sg"},    {258, "sem.animal"}, {140, nullptr},
                {133, nullptr}, {0, nullptr},        {-1, nullptr}};
  for (const auto& row : kNames) {
    SCOPED_TRACE(row.id);
    if (row.name == nullptr) {
      EXPECT_EQ(GetGramAttrNameStr(row.id), nullptr);
    } else {
      EXPECT_STREQ(GetGramAttrNameStr(row.id), row.name);
    }
  }
  EXPECT_EQ(GetGramAttrNameId("SEM.Animal"), 258);
  EXPECT_EQ(GetGramAttrNameId("s"), -1);
  EXPECT_EQ(GetGramAttrNameId(nullptr), -1);

  CGramInfo g;
  EXPECT_STREQ(g.IdToNameString(132), "pl");
  EXPECT_STREQ(g.IdToNameString(140), "");
  EXPECT_EQ(g.NameStringToId("Pl"), 132);
  EXPECT_EQ(g.NameStringToId("xx"), -1);

  const int cases = GetGramAttrNameToValueId(245);
  EXPECT_EQ(cases, 2);
  EXPECT_EQ(GetGramAttrNameToValueId(242), 1);
  EXPECT_EQ(GetGramAttrNameToValueId(999), 0);
  EXPECT_EQ(GetGramAttrValueToNameId(2), 245);
  EXPECT_EQ(GetGramAttrValueToNameId(0), 0);
  EXPECT_STREQ(GetGramAttrValueStr(cases, 2), "gen");
  EXPECT_EQ(GetGramAttrValueStr(cases, 4), nullptr);
  EXPECT_EQ(GetGramAttrValueStr(7, 1), nullptr);
  EXPECT_EQ(GetGramAttrValueStr(-1, 1), nullptr);
  EXPECT_EQ(GetGramAttrValue(cases, "NOM"), 1);
  EXPECT_EQ(GetGramAttrValue(cases, "acc"), -1);
  EXPECT_EQ(GetGramAttrValue(7, "nom"), -1);
  EXPECT_EQ(GetGramAttrValue(cases, nullptr), -1);
}

TEST_F(GrammarTablesTest, SideTablesFallBackToTheMainTable) {
  WriteSmallTables();
  ASSERT_EQ(OpenGrammar(Dir().c_str()), 1);
  dir_.Write("GramIdEn.txt", "table\n{\n\"plural\", 132\n\"du\", 150\n}\n");
  dir_.Write("GramIdRu.txt", "table\n{\n\"mn\", 132\n}\n");

  EXPECT_EQ(OpenInGrammar(Dir().c_str(), nullptr), 0);
  EXPECT_EQ(OpenInGrammar(Dir().c_str(), ""), 0);
  EXPECT_EQ(OpenOutGrammar(Dir().c_str(), ""), 0);
  EXPECT_STREQ(GetInGramAttrNameStr(132), "pl");  // nothing opened

  ASSERT_EQ(OpenInGrammar(Dir().c_str(), "En"), 1);
  EXPECT_TRUE(Exists("GramIdEn.dat"));
  ASSERT_EQ(OpenOutGrammar(Dir().c_str(), "Ru"), 1);
  EXPECT_STREQ(GetInGramAttrNameStr(132), "plural");
  EXPECT_STREQ(GetOutGramAttrNameStr(132), "mn");
  EXPECT_STREQ(GetInGramAttrNameStr(131), "sg");  // only in the main table
  EXPECT_STREQ(GetInGramAttrNameStr(150), "du");
  EXPECT_EQ(GetOutGramAttrNameStr(150), nullptr);
  EXPECT_EQ(GetInGramAttrNameId("plural"), 132);
  EXPECT_EQ(GetInGramAttrNameId("sg"), 131);
  EXPECT_EQ(GetOutGramAttrNameId("plural"), -1);
  EXPECT_EQ(GetOutGramAttrNameId("mn"), 132);
  // The main table does not see the side tables.
  EXPECT_EQ(GetGramAttrNameId("plural"), -1);

  EXPECT_EQ(CloseInGrammar(), 1);
  EXPECT_EQ(CloseOutGrammar(), 1);
  EXPECT_STREQ(GetInGramAttrNameStr(132), "pl");

  // An empty directory is the current one.
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_.Path(""));
  EXPECT_EQ(OpenInGrammar("", "En"), 1);
  EXPECT_EQ(OpenOutGrammar(nullptr, "Xx"), 0);
  std::filesystem::current_path(previous);
  EXPECT_STREQ(GetInGramAttrNameStr(132), "plural");
}

// --- The shipped tables

// What a display name may be: it is read back from the display form of a
// grammar string, where ';' separates pieces and a leading marker opens a
// section.
void ExpectDisplayable(const std::string& name) {
  EXPECT_FALSE(name.empty());
  EXPECT_EQ(name.find_first_of("; \t"), std::string::npos) << name;
  EXPECT_EQ(std::string("P#$%&?\\").find(name[0]), std::string::npos) << name;
}

std::vector<const CVar*> Vars(const CVars& table) {
  std::vector<const CVar*> vars;
  for (int i = 0; i < table.GetVars().GetSize(); ++i) {
    vars.push_back(static_cast<const CVar*>(table.GetVars()[i]));
  }
  return vars;
}

TEST_F(GrammarTablesTest, ShippedNamesFollowTheRulesOfTheGrammarStrings) {
  WriteShippedTables();
  ASSERT_EQ(OpenGrammar(Dir().c_str()), 1);
  std::vector<std::string> seen;
  for (const CVar* var : Vars(*GetGrammarVars())) {
    const std::string name = var->GetVar().operator const char*();
    const int id = var->GetIntValue();
    SCOPED_TRACE(name);
    ExpectDisplayable(name);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), name), 0);
    seen.push_back(name);
    EXPECT_EQ(GetGramAttrNameStr(id), var->GetVar().operator const char*());  // one name per id
    if (id >= CGramInfo::kIdFirstSemantic) {
      EXPECT_EQ(name.rfind("sem.", 0), 0u);
      EXPECT_GT(name.size(), 4u);
      EXPECT_EQ(name.find(':'), std::string::npos);
      // The semantics section carries byte id - 255, which must not be a
      // byte that ends the section.
      EXPECT_LT(id - 255, 0xFC);
    } else {
      EXPECT_NE(name.rfind("sem.", 0), 0u);
      EXPECT_GE(id, 1);
    }
  }

  // Every flag byte of the record can be stored; the composites, the
  // paradigm parts and the ids whose bytes are markers are not named.
  for (int id = CGramInfo::kIdFirstCommon; id < CGramInfo::kIdFirstSemantic; ++id) {
    SCOPED_TRACE(id);
    const bool flag =
        (id >= 131 && id <= 182 && id != CGramInfo::kIdAspect) || id == CGramInfo::kIdSynt;
    EXPECT_EQ(GetGramAttrNameStr(id) != nullptr, flag);
  }
}

TEST_F(GrammarTablesTest, ShippedValuesNameEveryComposite) {
  WriteShippedTables();
  ASSERT_EQ(OpenGrammar(Dir().c_str()), 1);
  const CVal& values = *GetGrammarVal();
  // Table 0 stays empty: "no table" is 0 as well.
  ASSERT_GT(values.GetVal().GetSize(), 0);
  EXPECT_EQ(static_cast<const CVars*>(values.GetVal()[0])->GetVars().GetSize(), 0);
  for (int t = 1; t < values.GetVal().GetSize(); ++t) {
    for (const CVar* var : Vars(*static_cast<const CVars*>(values.GetVal()[t]))) {
      ExpectDisplayable(var->GetVar().operator const char*());
    }
  }

  const struct {
    int id;
    std::vector<std::pair<int, const char*>> values;
  } kComposites[] = {
      {CGramInfo::kIdNumber, {{0, "sg"}, {1, "pl"}, {2, "sg.pl"}}},
      {CGramInfo::kIdGender, {{0, "n"}, {1, "m"}, {2, "f"}, {3, "m.f"}}},
      {CGramInfo::kIdPerson, {{1, "1st"}, {2, "2nd"}, {3, "3rd"}}},
      {CGramInfo::kIdTense, {{0, "pres"}, {1, "past"}, {2, "fut"}}},
      {CGramInfo::kIdCase,
       {{1, "nom"}, {2, "gen"}, {4, "dat"}, {8, "acc"}, {16, "ins"}, {32, "prep"}}},
      {CGramInfo::kIdCase2, {{1, "nom"}, {32, "prep"}}},
      {CGramInfo::kIdControl, {{4, "dat"}}},
      {CGramInfo::kIdControl2, {{16, "ins"}}},
      {CGramInfo::kIdMood, {{1, "refl"}, {2, "subj"}, {4, "imper"}, {8, "inf"}}},
      {CGramInfo::kIdVoice, {{0, "act"}, {1, "pass"}}},
      {CGramInfo::kIdDegree, {{0, "pos"}, {1, "comp"}, {2, "superl"}}},
      {CGramInfo::kIdAspect, {{0, "ipf"}, {1, "pf"}}},
  };
  for (const auto& composite : kComposites) {
    SCOPED_TRACE(composite.id);
    const int table = GetGramAttrNameToValueId(composite.id);
    ASSERT_GT(table, 0);
    for (const auto& value : composite.values) {
      EXPECT_STREQ(GetGramAttrValueStr(table, value.first), value.second);
    }
  }

  // Every part-of-speech code has a name.
  const int syn = GetGramAttrNameToValueId(CGramInfo::kIdSyn);
  ASSERT_GT(syn, 0);
  const std::string kCodes =
      "#ABbDEGVXYguxyFHIiJKkMORSmrNPpQTUZanz?\xC1\xE2\xF8\xF9\xCF\xC7\xC9\xED\xEF";
  for (const char code : kCodes) {
    SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(code)));
    EXPECT_NE(GetGramAttrValueStr(syn, static_cast<unsigned char>(code)), nullptr);
  }
}

// --- Ids and paradigms

TEST(GrammarIdsTest, ParadigmPackingAndIdTypes) {
  const struct {
    int num, base;
    uint32_t packed;
  } kPacked[] = {
      {0xFFFF, 7, 0xFFFFFFFFu},      {-1, 0, 0xFFFFFFFFu},      {0x1FFFF, 2, 0xFFFFFFFFu},
      {12, 3, 0x0003000Cu},          {0x10005, 1, 0x00010005u}, {0, 0x8000, 0x80000000u},
      {0x7FFF, 0xFFFF, 0xFFFF7FFFu},
  };
  for (const auto& c : kPacked) {
    SCOPED_TRACE(testing::Message() << c.num << ":" << c.base);
    const int packed = MakeParadigm(c.num, c.base);
    EXPECT_EQ(static_cast<uint32_t>(packed), c.packed);
    if (c.packed != 0xFFFFFFFFu) {
      EXPECT_EQ(GetParaNum(packed), static_cast<short>(c.num & 0xFFFF));
      EXPECT_EQ(GetParaBase(static_cast<unsigned>(packed)), c.base);
    }
  }
  EXPECT_EQ(GetParaNum(-1), -1);
  EXPECT_EQ(GetParaNum(0x0003FFFE), -2);
  EXPECT_EQ(GetParaBase(0xFFFFFFFFu), 0xFFFF);

  // The record packs the same way.
  CGramInfo g;
  g.SetParadigmInfo(12, 3, 0);
  EXPECT_EQ(static_cast<int>(g.GetPara()), MakeParadigm(12, 3));

  for (const unsigned id : {129u, 130u, 185u, 254u}) EXPECT_EQ(GetGramIdType(id), 8) << id;
  for (const unsigned id : {0u, 128u, 131u, 184u, 186u, 253u, 255u, 256u, 0xFFFFFFFFu}) {
    EXPECT_EQ(GetGramIdType(id), 4) << id;
  }
}

TEST(GrammarIdsTest, PartOfSpeechSettings) {
  EXPECT_EQ(GetUnknownSyn(), '?');
  EXPECT_EQ(GetDigitSyn(), 'H');
  EXPECT_EQ(GetIdSyn(), '#');
  EXPECT_EQ(SetUnknownSyn('u'), 'u');
  EXPECT_EQ(SetDigitSyn('d'), 'd');
  EXPECT_EQ(SetIdSyn('i'), 'i');
  EXPECT_EQ(GetUnknownSyn(), 'u');
  EXPECT_EQ(GetDigitSyn(), 'd');
  EXPECT_EQ(GetIdSyn(), 'i');
  SetUnknownSyn('?');
  SetDigitSyn('H');
  SetIdSyn('#');
}

}  // namespace
