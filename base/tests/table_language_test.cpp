#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "base/CCorr.h"
#include "base/CVal.h"
#include "base/CVar.h"
#include "base/CVars.h"
#include "base/MCFile.h"
#include "base/platform/FileFaults.h"
#include "base/tests/wordlist_support.h"

namespace {

// --- Readable forms of tables, so that whole contents compare at once.

// "name=value:type[arg,arg]" per variable, joined by " ".
std::string Dump(const CVars& table) {
  std::string out;
  for (int i = 0; i < table.GetVars().GetSize(); ++i) {
    const CVar* var = static_cast<const CVar*>(table.GetVars()[i]);
    if (!out.empty()) out += ' ';
    out += std::string(var->GetVar()) + "=";
    out += var->GetType() == CVar::kStringType ? "'" + std::string(var->GetStringValue()) + "'"
                                               : std::to_string(var->GetIntValue());
    out += ":" + std::to_string(var->GetType());
    if (var->GetArgList().GetSize() == 0) continue;
    out += '[';
    for (int a = 0; a < var->GetArgList().GetSize(); ++a) {
      out += (a ? "," : "") + std::to_string(var->GetArgList()[a]);
    }
    out += ']';
  }
  return out;
}

// "corr attr>table ..." then one "#index{variables}" per table.
std::string Dump(const CVal& set) {
  std::string out = "corr";
  for (int i = 0; i < set.GetCorr().GetSize(); ++i) {
    const CCorr* corr = static_cast<const CCorr*>(set.GetCorr()[i]);
    out += " " + std::to_string(corr->attrId) + ">" + std::to_string(corr->tableIndex);
  }
  for (int i = 0; i < set.GetVal().GetSize(); ++i) {
    out += " #" + std::to_string(i) + "{" + Dump(*static_cast<const CVars*>(set.GetVal()[i])) + "}";
  }
  return out;
}

std::vector<std::string> TableNames(const CVal& set) {
  std::vector<std::string> names;
  for (int i = 0; i < set.GetVal().GetSize(); ++i) {
    names.push_back(std::string(static_cast<const CVars*>(set.GetVal()[i])->GetTableName()));
  }
  return names;
}

// The bytes, written as numbers and characters.
std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (const int byte : bytes) out += static_cast<char>(byte);
  return out;
}

// Gives the tests the protected table lookup.
class InspectableVal : public CVal {
 public:
  using CVal::GetTableIndex;
};

std::vector<std::string> Messages(const MessageRecorder& recorder) {
  std::vector<std::string> out;
  for (const RecordedMessage& m : recorder.messages()) out.push_back(m.caption + "|" + m.text);
  return out;
}

class TableLanguageTest : public ::testing::Test {
 protected:
  ~TableLanguageTest() override { MClearFileFaults(); }

  std::string Read(const std::string& name) const {
    std::ifstream in(dir_.Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(dir_.Path(name)); }
  // The names in the scratch directory's top level.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path(""))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  MCString PathOf(const std::string& name) const { return dir_.Path(name).c_str(); }

  ScratchDir dir_;
  MessageRecorder recorder_;
};

// --- Parsing

const char kTableSetSource[] =
    "#define Case 245\n"
    "#define Letter 'a'\n"
    "#define Escaped '\\n'\n"
    "#define Quoted \"text\"\n"
    "#define Minus -1\n"
    "#define Spaced    7\n"
    "#define Empty\n"
    "#define Alias Case\n"
    "#define Unknown Nowhere\n"
    "enum Number\n"
    "{\n"
    "  Singular,\n"
    "  Plural = 5,\n"
    "  Both\n"
    "  Late = Case\n"
    "  After\n"
    "}\n"
    "const Max = 99\n"
    "Min = -3\n"
    "Count=Plural\n"
    "const Bad = Nope\n"
    "just words\n"
    "table CaseValues\n"
    "{\n"
    "\"nominative\", 1,\n"
    "\"genitive\", Both\n"
    "\"dative\", Nope\n"
    "minus, -1\n"
    "}\n"
    "corrtable\n"
    "{\n"
    "Case, CaseValues\n"
    "Plural, Later\n"
    "Missing, casevalues\n"
    "}\n"
    "table Later\n"
    "{\n"
    "\"x\", After\n"
    "}\n";

TEST_F(TableLanguageTest, TableSetSourceGivesEveryStatementAndItsMessages) {
  // The scratch constants show through '=' lines that use them.
  const std::string probes =
      "vLetter = Letter\nvEscaped = Escaped\nvQuoted = Quoted\nvMinus = Minus\n"
      "vSpaced = Spaced\nvEmpty = Empty\nvAlias = Alias\nvUnknown = Unknown\n"
      "vSingular = Singular\nvBoth = Both\nvLate = Late\n";
  dir_.Write("GramVal.txt", kTableSetSource + probes);
  InspectableVal set;
  ASSERT_EQ(set.Open(PathOf("GramVal.dat")), 1);
  EXPECT_TRUE(set.IsOpen());
  EXPECT_EQ(Dump(set),
            "corr 245>1 5>0 0>1"
            " #0{Max=99:10000 Min=-3:0 Count=5:0 Bad=0:10000"
            " vLetter=97:0 vEscaped=110:0 vQuoted=0:0 vMinus=0:0 vSpaced=7:0 vEmpty=0:0"
            " vAlias=245:0 vUnknown=0:0 vSingular=0:0 vBoth=6:0 vLate=245:0}"
            " #1{nominative=1:10000 genitive=6:10000 dative=0:10000 minus=-1:10000}"
            " #2{x=246:10000}");
  EXPECT_EQ(TableNames(set), (std::vector<std::string>{"CommonVars", "CaseValues", "Later"}));
  EXPECT_EQ(Messages(recorder_), (std::vector<std::string>{
                                     "Error in Val|Enum -1 not defined.",
                                     "Error in Val|Enum Nowhere not defined.",
                                     "Error in Val|Enum Nope not defined.",
                                     "Error in Val|Enum Nope not defined.",
                                     "Error in Val|Table Later not find.",
                                     "Error in Val|Enum Missing not defined.",
                                 }));

  EXPECT_EQ(set.GetValue(1, "GENITIVE"), 6);
  EXPECT_EQ(set.GetValue(1, "locative"), -1);
  EXPECT_EQ(set.GetValue(3, "x"), -1);
  EXPECT_EQ(set.GetValue(-1, "x"), -1);
  EXPECT_STREQ(set.GetValueStr(1, 6), "genitive");
  EXPECT_STREQ(set.GetValueStr(1, 7), "");
  EXPECT_STREQ(set.GetValueStr(3, 1), "");
  EXPECT_EQ(set.GetNameToValueId(245), 1);
  EXPECT_EQ(set.GetNameToValueId(777), 0);
  EXPECT_EQ(set.GetValueToNameId(1), 245);
  EXPECT_EQ(set.GetValueToNameId(2), 0);
  EXPECT_EQ(set.GetTableIndex("later"), 2);
  EXPECT_EQ(set.GetTableIndex("Elsewhere"), -1);
}

TEST_F(TableLanguageTest, SingleTableSourceReadsFunctionEntriesAndItsMessages) {
  dir_.Write("GramId.txt",
             "#define GetId 40\n"
             "#define Bad -1\n"
             "enum\n"
             "{\n"
             "A,\n"
             "B = 5,\n"
             "C\n"
             "}\n"
             "table GramId\n"
             "{\n"
             "\"Stat\", 128\n"
             "\"int Get(char, bool)\", GetId\n"
             "\"Put(str =, obj)\", GetId\n"
             "\"int Seven(char)\", 7\n"
             "\"Nothing()\", GetId\n"
             "\"void Odd(char, float)\", GetId\n"
             "\"a, b\", 3\n"
             "\"Lost\", Nowhere\n"
             "\"sem.Animal\", 256,\n"
             "}\n"
             "const Max = C\n"
             "Singular = 131\n"
             "Oops = Nowhere\n"
             "corrtable\n"
             "{\n"
             "X, Y\n"
             "}\n");
  CVars table;
  ASSERT_EQ(table.Open(PathOf("GramId.dat")), 1);
  EXPECT_EQ(Dump(table),
            "Stat=128:10000 Get=40:10000[4,2,6] Put=40:10000[9,1] Seven=7:10000"
            " Nothing=40:10000 Odd=40:10000[0,2] a, b=3:10000 Lost=0:10000"
            " sem.Animal=256:10000 Max=6:10000 Singular=131:0 Oops=0:0");
  EXPECT_STREQ(table.GetTableName(), "CommonVars");
  EXPECT_EQ(Messages(recorder_), (std::vector<std::string>{
                                     "Error in Val|Enum -1 not defined.",
                                     "Error in Vars|Argument float not defined.",
                                     "Error in Vars|Enum Nowhere not defined.",
                                     "Error in Vars|Enum Nowhere not defined.",
                                 }));

  EXPECT_EQ(table.GetNameId("STAT"), 128);
  EXPECT_EQ(table.GetNameId("Sta"), -1);
  EXPECT_STREQ(table.GetNameStr(256), "sem.Animal");
  EXPECT_STREQ(table.GetNameStr(999), "");
  ASSERT_NE(table.GetVarFromId(40), nullptr);
  EXPECT_STREQ(table.GetVarFromId(40)->GetVar(), "Get");
  EXPECT_EQ(table.GetVarFromId(999), nullptr);
  const CVar key("SEM.animal");
  EXPECT_EQ(table.GetVars().Find(&key, CompareVars), 8);
}

// --- Compiled files

TEST_F(TableLanguageTest, CompiledFilesReloadEqualWithoutTheSource) {
  dir_.Write("GramVal.txt", kTableSetSource);
  CVal parsed;
  ASSERT_EQ(parsed.Open(PathOf("GramVal.dat")), 1);
  ASSERT_TRUE(Exists("GramVal.dat"));
  std::filesystem::remove(dir_.Path("GramVal.txt"));
  const size_t parseMessages = recorder_.messages().size();

  InspectableVal loaded;
  ASSERT_EQ(loaded.Open(PathOf("GramVal.dat")), 1);
  EXPECT_EQ(Dump(loaded), Dump(parsed));
  EXPECT_EQ(recorder_.messages().size(), parseMessages);
  // Table names are not compiled.
  EXPECT_EQ(TableNames(loaded), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(loaded.GetTableIndex(""), 0);
  EXPECT_EQ(loaded.GetTableIndex("CaseValues"), -1);
  EXPECT_STREQ(loaded.GetValueStr(1, 6), "genitive");
  // No temporary file stays behind.
  EXPECT_EQ(Files(), (std::vector<std::string>{"GramVal.dat"}));
}

TEST_F(TableLanguageTest, CompiledBytesFollowTheLayout) {
  dir_.Write("One.txt",
             "#define K 3\n"
             "table\n{\n\"ab\", 258\n\"int F(char)\", K\n}\n");
  CVars table;
  ASSERT_EQ(table.Open(PathOf("One.dat")), 1);
  EXPECT_EQ(Read("One.dat"),
            Bytes({2, 0,                                             // 2 variables
                   2, 'a', 'b', 0, 0x10, 0x27, 2,    1, 0, 0,        // ab, 10000, 258
                   1, 'F', 2,   4, 2,    0x10, 0x27, 3, 0, 0, 0}));  // F int(char), 3

  dir_.Write("Set.txt", "#define A -5\n#define A 7\ntable T\n{\nv, -2\n}\ncorrtable\n{\nA, T\n}\n");
  CVal set;
  ASSERT_EQ(set.Open(PathOf("Set.dat")), 1);
  EXPECT_EQ(Read("Set.dat"),
            Bytes({1, 0, 7, 0,   0, 0,    1,    0,    0,    0,  // 1 correspondence: 7 > table 1
                   2, 0,                                        // 2 tables
                   0, 0,                                        // CommonVars: empty
                   1, 0, 1, 'v', 0, 0x10, 0x27, 0xFE, 0xFF, 0xFF, 0xFF}));  // v -2

  // A string value, which only a compiled file can give, keeps its text.
  CVar text("S");
  text.SetType(CVar::kStringType);
  text.SetStringValue("hi");
  {
    MCFile file(dir_.Path("var.bin").c_str(), 0x9001);
    ASSERT_EQ(text.Write(file), 1);
  }
  EXPECT_EQ(Read("var.bin"), Bytes({1, 'S', 0, 0x12, 0x27, 2, 'h', 'i'}));
  CVar back;
  MCFile file(dir_.Path("var.bin").c_str(), 0x8020);
  ASSERT_EQ(back.Read(file), 1);
  EXPECT_EQ(file.GetPosition(), 8);
  EXPECT_STREQ(back.GetStringValue(), "hi");
  EXPECT_EQ(back.GetType(), CVar::kStringType);
}

TEST_F(TableLanguageTest, WriteRefusesWhatTheFormatCannotHold) {
  CVars table;
  CVar* var = new CVar(MCString('n', 256));
  table.GetVars().Add(var);
  MCFile file(dir_.Path("long.bin").c_str(), 0x9001);
  EXPECT_EQ(table.Write(file), 0);
  EXPECT_EQ(file.GetLength(), 0);
  var->SetVar(MCString('n', 255));
  EXPECT_EQ(table.Write(file), 1);
}

struct Damage {
  const char* what;
  std::string (*damage)(const std::string& good);
};

const Damage kVarsDamage[] = {
    {"empty", [](const std::string&) { return std::string(); }},
    {"no variables", [](const std::string&) { return std::string("\0\0", 2); }},
    {"count only", [](const std::string& g) { return g.substr(0, 2); }},
    {"last byte cut", [](const std::string& g) { return g.substr(0, g.size() - 1); }},
    {"a byte too many", [](const std::string& g) { return g + '\0'; }},
    {"count too large", [](const std::string& g) { return char(g[0] + 1) + g.substr(1); }},
    {"name length past the end",
     [](const std::string& g) { return g.substr(0, 2) + "\xFF" + g.substr(3); }},
    {"NUL in a name", [](const std::string& g) { return g.substr(0, 3) + '\0' + g.substr(4); }},
    {"string type without text",
     [](const std::string& g) { return g.substr(0, 6) + "\x12\x27" + g.substr(8); }},
};

TEST_F(TableLanguageTest, DamagedSingleTableFallsBackToTheSourceAndIsRewritten) {
  dir_.Write("T.txt", "table\n{\n\"ab\", 1\n\"cd\", 2\n}\n");
  std::string good;
  {
    CVars table;
    ASSERT_EQ(table.Open(PathOf("T.dat")), 1);
    good = Read("T.dat");
    ASSERT_EQ(good.size(), 22u);
  }
  for (const Damage& damage : kVarsDamage) {
    SCOPED_TRACE(damage.what);
    dir_.Write("T.dat", damage.damage(good));
    CVars table;
    ASSERT_EQ(table.Open(PathOf("T.dat")), 1);
    EXPECT_EQ(Dump(table), "ab=1:10000 cd=2:10000");
    EXPECT_EQ(Read("T.dat"), good);

    // Without the source the damaged file is refused and the table stays empty.
    std::filesystem::rename(dir_.Path("T.txt"), dir_.Path("T.keep"));
    dir_.Write("T.dat", damage.damage(good));
    CVars orphan;
    EXPECT_EQ(orphan.Open(PathOf("T.dat")), 0);
    EXPECT_FALSE(orphan.IsOpen());
    EXPECT_EQ(orphan.GetVars().GetSize(), 0);
    std::filesystem::rename(dir_.Path("T.keep"), dir_.Path("T.txt"));
  }
}

TEST_F(TableLanguageTest, DamagedTableSetFallsBackToTheSource) {
  dir_.Write("S.txt", "#define A 9\ntable T\n{\nv, 1\n}\ncorrtable\n{\nA, T\n}\n");
  std::string good;
  {
    CVal set;
    ASSERT_EQ(set.Open(PathOf("S.dat")), 1);
    good = Read("S.dat");
  }
  const std::string damaged[] = {
      "",
      good.substr(0, good.size() - 3),  // inside the last table
      good.substr(0, 6) + std::string("\x02\x00\x00\x00", 4) +
          good.substr(10),                                                // table index 2 of 2
      good.substr(0, 10) + std::string("\x03\x00", 2) + good.substr(12),  // 3 tables announced
      good + "x",
  };
  for (const std::string& bytes : damaged) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    dir_.Write("S.dat", bytes);
    CVal set;
    ASSERT_EQ(set.Open(PathOf("S.dat")), 1);
    EXPECT_EQ(Dump(set), "corr 9>1 #0{} #1{v=1:10000}");
    EXPECT_EQ(TableNames(set), (std::vector<std::string>{"CommonVars", "T"}));
    EXPECT_EQ(Read("S.dat"), good);
  }
}

// --- Opening

TEST_F(TableLanguageTest, OpenIsDoneOnceAndReopeningGivesNoDuplicates) {
  dir_.Write("T.txt", "table\n{\n\"ab\", 1\n}\n");
  CVars table;
  ASSERT_EQ(table.Open(PathOf("T.dat")), 1);
  // Open on an open table reads nothing, even when the files are gone.
  std::filesystem::remove(dir_.Path("T.dat"));
  std::filesystem::remove(dir_.Path("T.txt"));
  EXPECT_EQ(table.Open(PathOf("T.dat")), 1);
  EXPECT_EQ(Dump(table), "ab=1:10000");

  EXPECT_EQ(table.Close(), 1);
  EXPECT_FALSE(table.IsOpen());
  EXPECT_EQ(table.GetVars().GetSize(), 0);
  EXPECT_EQ(table.Open(PathOf("T.dat")), 0);
  EXPECT_EQ(table.Open(""), 0);

  dir_.Write("T.txt", "table\n{\n\"ab\", 1\n}\n");
  ASSERT_EQ(table.Open(PathOf("T.dat")), 1);
  table.Close();
  ASSERT_EQ(table.Open(PathOf("T.dat")), 1);
  EXPECT_EQ(Dump(table), "ab=1:10000");
}

TEST_F(TableLanguageTest, UnwritableCacheStillOpensAndLeavesNothingBehind) {
  dir_.Write("S.txt", "table T\n{\nv, 1\n}\n");
  const struct {
    const char* what;
    MFileOperation operation;
  } kFailures[] = {{"write", MFileOperation::kWrite},
                   {"flush", MFileOperation::kFlush},
                   {"rename", MFileOperation::kRename}};
  for (const auto& failure : kFailures) {
    SCOPED_TRACE(failure.what);
    MSetFileFault(failure.operation, 1, true);
    CVal set;
    ASSERT_EQ(set.Open(PathOf("S.dat")), 1);
    EXPECT_TRUE(set.IsOpen());
    EXPECT_EQ(Dump(set), "corr #0{} #1{v=1:10000}");
    // Closed and opened again, it reads the source again without piling up.
    set.Close();
    ASSERT_EQ(set.Open(PathOf("S.dat")), 1);
    EXPECT_EQ(Dump(set), "corr #0{} #1{v=1:10000}");
    MClearFileFaults();
    EXPECT_EQ(Files(), (std::vector<std::string>{"S.txt"}));
  }
}

TEST_F(TableLanguageTest, CacheNamesAndEmptySources) {
  // A source that yields nothing opens, but is not compiled.
  dir_.Write("Empty.txt", "// nothing yet\n\njust words\n");
  CVars empty;
  EXPECT_EQ(empty.Open(PathOf("Empty.dat")), 1);
  EXPECT_FALSE(Exists("Empty.dat"));

  // A compiled name equal to the source's never overwrites the source.
  const std::string source = "table\n{\n\"ab\", 1\n}\n";
  dir_.Write("Self.txt", source);
  CVars self;
  EXPECT_EQ(self.Open(PathOf("Self.txt")), 1);
  EXPECT_EQ(Dump(self), "ab=1:10000");
  EXPECT_EQ(Read("Self.txt"), source);

  // Only the last path component holds the extension.
  dir_.Write("data.1/GramId.txt", source);
  CVars dotted;
  EXPECT_EQ(dotted.Open(PathOf("data.1/GramId")), 1);
  EXPECT_EQ(Dump(dotted), "ab=1:10000");
  EXPECT_TRUE(Exists("data.1/GramId"));
}

// --- Includes

TEST_F(TableLanguageTest, IncludesResolveAgainstTheIncludingFile) {
  // The current directory is elsewhere; each include names a sibling of its includer.
  dir_.Write("data/GramVal.txt", "#include \"parts/values.txt\"\ncorrtable\n{\nCase, Cases\n}\n");
  dir_.Write("data/parts/values.txt", "#include \"defines.txt\"\ntable Cases\n{\nnom, 1\n}\n");
  dir_.Write("data/parts/defines.txt", "#define Case 245\n");
  CVal set;
  ASSERT_EQ(set.Open(PathOf("data/GramVal.dat")), 1);
  EXPECT_EQ(Dump(set), "corr 245>1 #0{} #1{nom=1:10000}");
  EXPECT_TRUE(recorder_.messages().empty());
}

TEST_F(TableLanguageTest, IncludesNestAtMostSixteenDeepAndFailuresOpenNothing) {
  for (const int depth : {16, 17}) {
    SCOPED_TRACE(depth);
    const std::string stem = "d" + std::to_string(depth) + "_";
    for (int i = 0; i < depth; ++i) {
      dir_.Write(stem + std::to_string(i) + ".txt", "v" + std::to_string(i) + " = " +
                                                        std::to_string(i) + "\n#include \"" + stem +
                                                        std::to_string(i + 1) + ".txt\"\n");
    }
    dir_.Write(stem + std::to_string(depth) + ".txt", "last = 1\n");
    CVars table;
    const int opened = table.Open(PathOf(stem + "0.dat"));
    EXPECT_EQ(opened, depth == 16 ? 1 : 0);
    EXPECT_EQ(table.GetVars().GetSize(), depth == 16 ? 17 : 0);
    EXPECT_EQ(Exists(stem + "0.dat"), depth == 16);
  }
  ASSERT_EQ(recorder_.messages().size(), 1u);
  EXPECT_EQ(recorder_.messages()[0].caption, "Error open file.");

  dir_.Write("Missing.txt", "a = 1\n#include \"nowhere.txt\"\n");
  CVars missing;
  EXPECT_EQ(missing.Open(PathOf("Missing.dat")), 0);
  EXPECT_EQ(missing.GetVars().GetSize(), 0);
  EXPECT_FALSE(Exists("Missing.dat"));
}

}  // namespace
