// Tests of the grammar strings: the dictionary grammar string to and from the
// record, its display form and back, the attribute text of the dictionary
// form, the part-of-speech names and the case letters.
//
// The record's fields are compared through Snapshot, which lists every
// nonzero field by id, so a row states the whole expected record.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grammar/CGramInfo.h"
#include "grammar/GramCase.h"
#include "grammar/tests/grammar_tables_fixture.h"

namespace {

// A small attribute-name table. Language ids 5 and 127; common ids with and
// without a member; ids 241 and 245, which collide with section markers;
// semantic names, one without the "sem." prefix (257), and ones whose bytes
// sit next to the bytes the semantics section cannot hold.
const char kGramIdSource[] =
    "table GramId\n"
    "{\n"
    "\"lang5\", 5\n"
    "\"lang127\", 127\n"
    "\"sg\", 131\n"
    "\"pl\", 132\n"
    "\"m\", 135\n"
    "\"pers1\", 138\n"
    "\"tr\", 150\n"
    "\"aspect\", 152\n"
    "\"synt\", 186\n"
    "\"x200\", 200\n"
    "\"person\", 241\n"
    "\"case\", 245\n"
    "\"sem.anim\", 256\n"
    "\"odd\", 257\n"
    "\"sem.abstr\", 258\n"
    "\"sem.far\", 500\n"
    "\"sem.edge\", 506\n"
    "\"sem.lost\", 507\n"
    "\"sem.last\", 508\n"
    "}\n";
const char kGramValSource[] = "table Numbers\n{\n\"sg\", 0\n\"pl\", 1\n}\n";

using GramStringTest = GrammarTablesTest<kGramIdSource, kGramValSource>;

std::string Str(const MCString& s) {
  return std::string(static_cast<const char*>(s), static_cast<size_t>(s.GetLength()));
}

// Every nonzero field: common ids as "id=value", the subclass (which has no
// id), the paradigm name, the language attributes as "Lid" and the semantic
// bytes as "S<index>".
std::string Snapshot(CGramInfo& gram) {
  std::string out;
  const auto add = [&out](const std::string& item) { out += (out.empty() ? "" : " ") + item; };
  for (int id = CGramInfo::kIdFirstCommon; id < CGramInfo::kIdAnswersItself; ++id) {
    const int value = gram.GetValue(id, 1);
    if (value != 0) add(std::to_string(id) + "=" + std::to_string(value));
  }
  if (gram.GetSubClass() != 0) add("sub=" + std::to_string(gram.GetSubClass()));
  MCString name;
  gram.GetValue(CGramInfo::kIdParaName, name);
  if (!name.IsEmpty()) add("name=" + Str(name));
  for (int id = 1; id <= 127; ++id) {
    if (gram.GramAttr(id) != 0) add("L" + std::to_string(id));
  }
  for (int i = 0; i <= 255; ++i) {
    if (gram.SemAttr(i) != 0) add("S" + std::to_string(i));
  }
  return out;
}

std::string Decoded(const std::string& dic) {
  CGramInfo gram;
  gram.StrToGram(MCString(dic.data(), static_cast<int>(dic.size())), 0);
  return Snapshot(gram);
}

std::string Encoded(CGramInfo& gram) {
  MCString out;
  gram.GramToStr(out, 0);
  return Str(out);
}

// --- Dictionary grammar string to record.

struct DecodeRow {
  const char* what;
  std::string dic;
  std::string expected;
};

TEST_F(GramStringTest, DecodesEveryItemKind) {
  const std::string name200(200, 'q');
  const DecodeRow rows[] = {
      {"attributes, case, paradigm", std::string("\x83\x96\xF5GD\xFC") + "12a:3",
       "131=1 150=1 183=97 184=3 245=6 252=12"},
      {"paradigm base, no modifier", std::string("\xFC") + "12:15", "184=15 252=12"},
      {"':' without a base", std::string("\xFC") + "7:", "252=7"},
      {"paradigm name, then semantics", std::string("\xFC") + "name\xFF\x03", "name=name S2"},
      {"marker alone: no paradigm", "\xFC", "252=-1"},
      {"no paradigm, then semantics", "\xFC\xFF\x02", "252=-1 S1"},
      {"both case sets", "\xF5NG:A", "245=3 246=8"},
      {"nominative alone", "\xF5N", "245=1"},
      {"Cyrillic case letters", "\xF5\xC8\xD0", "245=3"},
      {"government: the last letter", "\xFAGD", "250=4"},
      {"both governments", std::string("\xFA") + "G:A", "250=2 251=8"},
      {"person: the last digit", std::string("\xF1") + "13", "241=3"},
      {"subclass number", std::string("\xFD") + "12\x83", "131=1 sub=12"},
      {"subclass letter", "\xFDx\x83", "131=1 sub=120"},
      {"ignored bytes", "\xB7\xB8\x83", "131=1"},
      {"language attributes", "\x05\x7F", "L5 L127"},
      {"reference swallows the rest", std::string("\x83\xFE") + "ab\x84", "131=1"},
      {"semantics cleared and set", "\xFF\x01\xFF\x03\xFD", "S0 S2 S252"},
      // A subclass marker at the end consumes only itself: the bytes beyond
      // the terminator (here a "pl") are never read.
      {"subclass marker at the end", std::string("\x83\xFD\0\x84", 4), "131=1"},
      {"person marker at the end", std::string("\x83\xF1\0\x84", 4), "131=1"},
      // A long name is consumed whole and kept cut to 80 characters.
      {"paradigm name over 80", "\xFC" + name200 + "\xFF\x03",
       "name=" + std::string(80, 'q') + " S2"},
  };
  for (const DecodeRow& row : rows) {
    EXPECT_EQ(Decoded(row.dic), row.expected) << row.what;
  }
}

TEST_F(GramStringTest, DecoderKeepsWhatTheStringDoesNotSet) {
  CGramInfo gram;
  gram.SetPlural(1);
  gram.StrToGram("\x83", 0);
  EXPECT_EQ(Snapshot(gram), "131=1 132=1");
}

// --- Record to dictionary grammar string, and back.

struct EncodeRow {
  const char* what;
  std::function<void(CGramInfo&)> fill;
  std::string dic;
  bool comesBackWhole = true;
};

TEST_F(GramStringTest, EncodesAndDecodesBackToTheSameRecord) {
  const EncodeRow rows[] = {
      {"attributes, case, paradigm",
       [](CGramInfo& g) {
         g.SetSingular(1);
         g.SetTransitive(1);
         g.SetCase(6);
         g.SetParadigmInfo(12, 3, 0);
         g.SetParaMod('a');
       },
       std::string("\x83\x96\xF5GD\xFC") + "12a:3"},
      {"only named common attributes are written",
       [](CGramInfo& g) {
         g.SetSingular(1);
         g.SetMGender(1);
         g.SetFGender(1);  // 136 has no name
       },
       "\x83\x87", false},
      {"person with another person flag",
       [](CGramInfo& g) {
         g.SetPerson(3);
         g.SetPerson1(1);
       },
       std::string("\x8A\xF1") + "13"},
      {"second case set only", [](CGramInfo& g) { g.SetCase2(40); }, "\xF5:AP"},
      {"both governments",
       [](CGramInfo& g) {
         g.SetControl(2);
         g.SetControl2(8);
       },
       "\xFAG:A"},
      {"subclass, language attributes",
       [](CGramInfo& g) {
         g.SetSubClass(200);
         g.GramAttr(5, 1);
         g.GramAttr(127, 1);
       },
       std::string("\x05\x7F\xFD") + "200"},
      {"no paradigm", [](CGramInfo& g) { g.SetParaNum(CGramInfo::kNoParadigm); }, "\xFC"},
      {"paradigm name and semantics",
       [](CGramInfo& g) {
         g.SetValue(CGramInfo::kIdParaName, MCString("abc"));
         g.SemAttr(256, 1);
         g.SemAttr(258, 1);
         g.SemAttr(252, 1);
       },
       std::string("\xFC") + "abc\xFF\x01\x03\xFD"},
      {"a number over 16 bits' sign reads back as itself", [](CGramInfo& g) { g.SetParaNum(-5); },
       std::string("\xFC") + "65531"},
      // Semantic indices whose byte would be NUL (255) or would end the
      // section (251 0xFC, 253 0xFE, 254 0xFF) are not written.
      {"unstorable semantic indices",
       [](CGramInfo& g) {
         for (int i : {251, 252, 253, 254, 255}) g.SemAttr(i, 1);
       },
       "\xFF\xFD", false},
  };
  for (const EncodeRow& row : rows) {
    CGramInfo gram;
    row.fill(gram);
    const std::string dic = Encoded(gram);
    EXPECT_EQ(dic, row.dic) << row.what;
    CGramInfo back;
    back.StrToGram(MCString(dic.data(), static_cast<int>(dic.size())), 0);
    if (row.comesBackWhole) {
      EXPECT_EQ(Snapshot(back), Snapshot(gram)) << row.what;
    }
    EXPECT_EQ(Encoded(back), dic) << row.what;
  }
}

TEST_F(GramStringTest, NominativeAloneAndEmptyParadigmWriteNothing) {
  CGramInfo gram;
  gram.SetCase(1);
  gram.SetCase2(1);
  gram.SetParaMod(0);
  EXPECT_EQ(Encoded(gram), "");
}

TEST_F(GramStringTest, FullRecordFitsTheBufferAndKeepsWhatTheFormatCarries) {
  CGramInfo gram;
  for (int id = 131; id <= 182; ++id) gram.SetValue(id, 1, 1);
  for (int id = 1; id <= 127; ++id) gram.GramAttr(id, 1);
  for (int i = 0; i <= 255; ++i) gram.SemAttr(i, 1);
  gram.SetValue(CGramInfo::kIdParaName, MCString(std::string(300, 'n').c_str()));
  gram.SetPerson(2);
  gram.SetPerson1(1);
  gram.SetPerson3(1);
  gram.SetSubClass(255);
  gram.SetCase(63);
  gram.SetCase2(63);
  gram.SetControl(32);
  gram.SetControl2(16);
  MCString dic;
  gram.GramToStr(dic, 'N');
  EXPECT_EQ(gram.GetSyn(), 'N');
  EXPECT_LE(dic.GetLength(), 1023);

  CGramInfo back;
  back.StrToGram(dic, 0);
  MCString name;
  back.GetValue(CGramInfo::kIdParaName, name);
  EXPECT_EQ(Str(name), std::string(80, 'n'));
  for (int i = 0; i <= 255; ++i) {
    const bool storable = i != 251 && i != 253 && i != 254 && i != 255;
    EXPECT_EQ(back.SemAttr(i), storable ? 1 : 0) << "semantic index " << i;
  }
  for (int id = 1; id <= 127; ++id) EXPECT_EQ(back.GramAttr(id), 1) << id;
  EXPECT_EQ(back.GetCase(), 63);
  EXPECT_EQ(back.GetControl2(), 16);
  EXPECT_EQ(back.GetSubClass(), 255);
}

// --- Through the virtual slots.

// Replaces the subclass section in both directions.
class LetterSubClassGram : public CGramInfo {
 public:
  char* SubClassToDicStr(char* pos) override {
    if (GetSubClass() == 0) return pos;
    *pos++ = '\xFD';
    *pos++ = static_cast<char>('a' + GetSubClass());
    return pos;
  }
  const char* DicStrToSubClass(const char* pos) override {
    if (pos[1] == 0) return pos;
    SetSubClass(static_cast<unsigned char>(pos[1] - 'a'));
    return pos + 1;
  }
};

TEST_F(GramStringTest, CodecsGoThroughTheSlots) {
  LetterSubClassGram gram;
  gram.SetSubClass(2);
  gram.SetSingular(1);
  EXPECT_EQ(Encoded(gram), std::string("\x83\xFD") + "c");
  LetterSubClassGram back;
  back.StrToGram("\xFD\x63\x83", 0);  // 0x63 is the letter c
  EXPECT_EQ(Snapshot(back), "131=1 sub=2");
}

// --- Display form.

struct DisplayRow {
  std::string dic;
  std::string display;
};

TEST_F(GramStringTest, DisplayFormRoundTrips) {
  const DisplayRow rows[] = {
      {"\x83\x84", "sg;pl"},
      {"\x05\x83", "lang5;sg"},
      {std::string("\x83\xF5GD:A\xFC") + "12a:3", "sg;?GD:A;#12a:3"},
      {std::string("\x8A\xF1") + "13", "pers1;P13"},
      {std::string("\xFD") + "12\xFAG:A", "&12;$G:A"},
      {std::string("\xFC") + "name\xFF\x01\x03", "#\"name\";%anim:abstr"},
      {std::string("\xFC") + "a;b", "#\"a;b\""},
      {"\xFC", "#"},
      {"\xFF\x01\xF5\xFB\xFD", "%anim:far:edge:last"},
      // A reference is the rest of the string, ';' included.
      {std::string("\x83\xFE") + "see;also", "sg;\\see;also"},
  };
  CGramInfo gram;
  for (const DisplayRow& row : rows) {
    const MCString dic(row.dic.data(), static_cast<int>(row.dic.size()));
    EXPECT_EQ(Str(gram.DicStrToString(dic)), row.display);
    EXPECT_EQ(Str(gram.StringToDicStr(MCString(row.display.c_str()))), row.dic) << row.display;
  }
}

TEST_F(GramStringTest, DisplayShowsOnlyWhatHasAName) {
  const DisplayRow rows[] = {
      // Unnamed attribute bytes give no piece.
      {"\x83\x88\x84", "sg;pl"},
      // A semantic byte shows only through a "sem." name: 257 is named
      // "odd", 259 not at all.
      {"\xFF\x02\x04\x01", "%anim"},
  };
  CGramInfo gram;
  for (const DisplayRow& row : rows) {
    EXPECT_EQ(Str(gram.DicStrToString(MCString(row.dic.c_str()))), row.display);
  }
}

TEST_F(GramStringTest, DisplayPiecesTheStringCannotCarryAreDropped) {
  const DisplayRow rows[] = {
      // Empty and unknown pieces (id -1 would read back as the semantics
      // marker and swallow what follows).
      {"\x83\x84", "sg;;nosuch; pl ;"},
      // Names whose ids are section markers, or no byte at all.
      {"\x83", "person;case;sg;sem.anim"},
      // Semantic names: unknown, and one whose byte (0xFC) would end the section.
      {"\xFF\x01", "%anim:nosuch:lost"},
  };
  CGramInfo gram;
  for (const DisplayRow& row : rows) {
    EXPECT_EQ(Str(gram.StringToDicStr(MCString(row.display.c_str()))), row.dic) << row.display;
  }
}

TEST_F(GramStringTest, GramToStringShowsTheRecord) {
  CGramInfo gram;
  gram.SetSingular(1);
  gram.SetCase(6);
  gram.SemAttr(256, 1);
  MCString display;
  gram.GramToString(display);
  EXPECT_EQ(Str(display), "sg;?GD;%anim");
}

// --- Attribute text of the dictionary form.

TEST_F(GramStringTest, VelStringShowsAttributesAndPersonOnly) {
  const DisplayRow rows[] = {
      {std::string("\x83\x96\xF1") + "3\xF5GD\xFC" + "12\xFF\x03", "sg tr pers3"},
      {"\x05\x83\xBA", "sg"},  // language attribute, 186 not shown
      // The contents of passed-over sections are no attribute ids.
      {"\x83\xFC\x84\x96", "sg"},                 // a paradigm name
      {"\x83\xFE\x84\x96", "sg"},                 // a reference
      {"\x83\xFF\x83\x84", "sg"},                 // semantic bytes
      {"\x83\xF5G\xC8", "sg"},                    // case letters, one of them Cyrillic (200)
      {"\x83\xFD\xC8", "sg"},                     // a subclass letter
      {std::string("\xFC") + "1\xC8\x83", "sg"},  // a paradigm modifier
  };
  CGramInfo gram;
  for (const DisplayRow& row : rows) {
    EXPECT_EQ(Str(gram.DicStrToVelString(MCString(row.dic.c_str()))), row.display) << row.display;
  }
}

// --- Display writers and decoders.

TEST_F(GramStringTest, DisplayWritersMarkTheirSections) {
  CGramInfo gram;
  gram.SetPerson(2);
  gram.SetSubClass(7);
  gram.SetCase(3);
  gram.SetControl(8);
  gram.SetParaNum(0);
  gram.SetParaMod('x');
  gram.SemAttr(256, 1);
  gram.SemAttr(258, 1);
  char buf[256];
  char* end = gram.PersonToString(buf);
  end = gram.SubClassToString(end);
  end = gram.CaseToString(end);
  end = gram.ControlToString(end);
  end = gram.ParadigmToString(end);  // number 0 without a name: nothing
  end = gram.SemanticsToString(end);
  end = gram.ReferenceToString(end);
  EXPECT_EQ(std::string(buf, end), "P2&7?NG$A%sem.animsem.abstr");

  gram.SetValue(CGramInfo::kIdParaName, MCString("nm"));
  end = gram.ParadigmToString(buf);
  EXPECT_EQ(std::string(buf, end), "#\"nm\"");
}

TEST_F(GramStringTest, DisplayItemsDecodeIntoTheRecord) {
  const DecodeRow rows[] = {
      {"paradigm number", "#12a:3", "183=97 184=3 252=12"},
      {"quoted paradigm name", "#\"ab\"c%", "name=abc"},
      {"case sets", "?GD:A$", "245=6 246=8"},
      {"government", "$G:A?", "250=2 251=8"},
      {"person", "P12&", "241=2"},
      {"subclass", "&12", "sub=12"},
      {"semantics by name", "%anim: abstr;sg", "S0 S2"},
      {"not a marker", "sg", ""},
  };
  for (const DecodeRow& row : rows) {
    CGramInfo gram;
    gram.StringToGram(row.dic.c_str());
    EXPECT_EQ(Snapshot(gram), row.expected) << row.what;
  }
}

// --- Older form.

TEST_F(GramStringTest, OlderFormSetsOnlyThePartOfSpeechAndOldSemanticCodes) {
  CGramInfo gram;
  gram.StrToGramOld("\x83\x84", 'N');
  EXPECT_EQ(Snapshot(gram), "240=78");
  const char codes[] = "AW1x;P";
  EXPECT_EQ(gram.StrToSemanticsOld(codes), codes + 4);
  EXPECT_EQ(Snapshot(gram), "240=78 S0 S2 S26");
}

// --- Part-of-speech names and case letters.

TEST(GramPartOfSpeechTest, EveryCodeHasItsName) {
  const struct {
    const char* codes;
    const char* name;
  } rows[] = {
      {"#", "Red"},
      {"A\xCF", "Adj"},
      {"Bb", "Inf Part"},
      {"D", "Adv"},
      {"EGVXYguxy\xC1\xE2\xF8\xF9", "Verb"},
      {"F", "Part"},
      {"H", "Dig"},
      {"Ii", "Num"},
      {"J", "Conj"},
      {"Kk", "Neg Part"},
      {"MORSmr\xC7", "Pron"},
      {"N", "Noun"},
      {"Pp", "Prep"},
      {"Q", "Question"},
      {"T", "Art"},
      {"U", "Modal Verb"},
      {"Z", "Verb-Noun-Adj"},
      {"a", "Adj-Pron"},
      {"n", "Noun Pl"},
      {"z", "Verb-Noun"},
      {"\xC9", "Name"},
      {"\xED", "Noun-Adj-Adv"},
      {"\xEF", "Adj-Pron-Adv"},
      {"WCLcw?\xC0\xFF", "Expr"},
  };
  for (const auto& row : rows) {
    for (const char* code = row.codes; *code != 0; ++code) {
      EXPECT_STREQ(CGramInfo::ConvSynToVelPart(*code), row.name) << int(*code & 0xFF);
    }
  }
  EXPECT_STREQ(CGramInfo::ConvSynToVelPart(0), "Expr");
}

TEST(GramCaseTest, CaseLettersAndNumbers) {
  const struct {
    int bits;
    const char* latin;
    const char* cyrillic;
    int number;
  } rows[] = {
      {0, "", "", 0},
      {1, "N", "\xC8", 0},
      {6, "GD", "\xD0\xC4", 1},
      {8, "A", "\xC2", 3},
      {63, "NGDAIP", "\xC8\xD0\xC4\xC2\xD2\xCF", 1},
      {32, "P", "\xCF", 5},
      {64 | 16, "I", "\xD2", 4},
  };
  CGramInfo gram;
  for (const auto& row : rows) {
    char buf[16];
    EXPECT_EQ(std::string(buf, gram.CaseToStr(static_cast<unsigned char>(row.bits), buf)),
              row.latin);
    EXPECT_EQ(std::string(buf, c_case(row.bits, buf)), row.cyrillic);
    EXPECT_EQ(x_case(row.bits), row.number) << row.bits;
  }
}

}  // namespace
