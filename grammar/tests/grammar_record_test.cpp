// The grammatical attribute record: routing by id, the composites, merging,
// copying and the packed paradigm.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "grammar/CGramInfo.h"
#include "grammar/CWordGram.h"

namespace {

// --- Every numeric member, by the id that names it.

using ByteGetter = unsigned char (CGramInfo::*)() const;
using ByteSetter = void (CGramInfo::*)(unsigned char);

struct ByteRow {
  int id;
  const char* name;
  ByteGetter get;
  ByteSetter set;
};

#define ROW(id, Name) \
  { id, #Name, &CGramInfo::Get##Name, &CGramInfo::Set##Name }
const ByteRow kByteRows[] = {
    ROW(128, Stat),           ROW(242, Number),
    ROW(131, Singular),       ROW(132, Plural),
    ROW(133, SingularOnly),   ROW(134, PluralOnly),
    ROW(243, Gender),         ROW(135, MGender),
    ROW(136, FGender),        ROW(137, NGender),
    ROW(241, Person),         ROW(138, Person1),
    ROW(139, Person2),        ROW(140, Person3),
    ROW(141, Person1s),       ROW(142, Person2s),
    ROW(143, Person3s),       ROW(144, Person1p),
    ROW(145, Person2p),       ROW(146, Person3p),
    ROW(244, Tense),          ROW(147, TensePresent),
    ROW(148, TensePast),      ROW(149, TenseFuture),
    ROW(245, Case),           ROW(246, Case2),
    ROW(248, Mood),           ROW(163, Subj),
    ROW(160, Imperative),     ROW(157, Reflexive),
    ROW(158, ReflexiveOnly),  ROW(159, IrreflexiveOnly),
    ROW(247, Voice),          ROW(166, ActiveOnly),
    ROW(164, Passive),        ROW(165, PassiveOnly),
    ROW(161, Infinitive),     ROW(150, Transitive),
    ROW(151, Intransitive),   ROW(152, Aspect),
    ROW(153, Perfective),     ROW(155, Imperfective),
    ROW(154, PerfectiveOnly), ROW(156, ImperfectiveOnly),
    ROW(162, Imperson),       ROW(167, Short),
    ROW(168, ShortOnly),      ROW(169, FullOnly),
    ROW(249, Degree),         ROW(186, Synt),
    ROW(170, Comparative),    ROW(171, Superlative),
    ROW(179, Qualitative),    ROW(180, Ordinal),
    ROW(181, Possessive),     ROW(182, Prelative),
    ROW(174, Proper),         ROW(175, Abstract),
    ROW(176, Real),           ROW(177, Collective),
    ROW(172, Countable),      ROW(173, Uncountable),
    ROW(178, Animated),       ROW(250, Control),
    ROW(251, Control2),
};
#undef ROW

// The members whose accessors are not bytes: the value stored by id, what
// GetValue answers for it, and what the named getter gives.
struct WideRow {
  int id;
  const char* name;
  int stored;
  int answered;
  int (*get)(const CGramInfo&);
  void (*set)(CGramInfo&, int);
};

const WideRow kWideRows[] = {
    // Syn and ParaMod answer as unsigned bytes.
    {240, "Syn", 0xCF, 0xCF,
     [](const CGramInfo& g) { return int(static_cast<unsigned char>(g.GetSyn())); },
     [](CGramInfo& g, int v) { g.SetSyn(static_cast<char>(v)); }},
    {183, "ParaMod", 0xE0, 0xE0,
     [](const CGramInfo& g) { return int(static_cast<unsigned char>(g.GetParaMod())); },
     [](CGramInfo& g, int v) { g.SetParaMod(static_cast<char>(v)); }},
    {184, "ParaBase", 200, 200, [](const CGramInfo& g) { return g.GetParaBase(); },
     [](CGramInfo& g, int v) { g.SetParaBase(v); }},
    // ParaNum is signed 16 bits.
    {252, "ParaNum", 1234, 1234, [](const CGramInfo& g) { return g.GetParaNum(); },
     [](CGramInfo& g, int v) { g.SetParaNum(v); }},
    {252, "ParaNum -1", 0xFFFF, -1, [](const CGramInfo& g) { return g.GetParaNum(); },
     [](CGramInfo& g, int v) { g.SetParaNum(v); }},
};

// Every numeric member of the record, by id and directly, as one list.
std::vector<int> Members(const CGramInfo& g) {
  std::vector<int> values;
  for (const ByteRow& row : kByteRows) values.push_back((g.*row.get)());
  for (const WideRow& row : kWideRows) values.push_back(row.get(g));
  values.push_back(g.GetSubClass());
  values.push_back(g.GetBaseGrm());
  values.push_back(g.GetAddGrm());
  return values;
}

// The whole record as the generic interface sees it: every id from 1 to 520
// and the paradigm name.
std::vector<int> State(CGramInfo& g) {
  std::vector<int> values = Members(g);
  for (int id = 1; id <= 520; ++id) values.push_back(g.Attr(id));
  MCString name;
  values.push_back(g.GetValue(CGramInfo::kIdParaName, name).GetLength());
  values.push_back(g.GetSemantics().GetBytes().GetSize());
  return values;
}

TEST(GramRecordTest, EveryByteIdRoutesToItsMemberAndBack) {
  for (const ByteRow& row : kByteRows) {
    SCOPED_TRACE(row.name);
    CGramInfo byId;
    byId.SetValue(row.id, 0x107, 1);  // stored as a byte
    EXPECT_EQ((byId.*row.get)(), 7);
    EXPECT_EQ(byId.GetValue(row.id, 1), 7);
    EXPECT_EQ(byId.GetValue(row.id, 0), 7);
    EXPECT_EQ(byId.Attr(row.id), 7);
    // No other member moved.
    CGramInfo expected;
    (expected.*row.set)(7);
    EXPECT_EQ(Members(byId), Members(expected));

    CGramInfo bySetter;
    (bySetter.*row.set)(9);
    EXPECT_EQ(bySetter.GetValue(row.id, 1), 9);
    bySetter.Attr(row.id, 3);
    EXPECT_EQ((bySetter.*row.get)(), 3);
  }
}

TEST(GramRecordTest, EveryWideIdRoutesToItsMemberAndBack) {
  for (const WideRow& row : kWideRows) {
    SCOPED_TRACE(row.name);
    CGramInfo byId;
    byId.SetValue(row.id, row.stored, 1);
    EXPECT_EQ(row.get(byId), row.answered);
    EXPECT_EQ(byId.GetValue(row.id, 1), row.answered);
    CGramInfo expected;
    row.set(expected, row.stored);
    EXPECT_EQ(Members(byId), Members(expected));

    CGramInfo bySetter;
    row.set(bySetter, row.stored);
    EXPECT_EQ(bySetter.GetValue(row.id, 0), row.answered);
  }
}

TEST(GramRecordTest, MoodFlagsAnswerFromMoodBitsToo) {
  CGramInfo g;
  g.SetMood(4);
  EXPECT_EQ(g.GetImperative(), 1);
  EXPECT_EQ(g.GetInfinitive(), 0);
  g.SetMood(8);
  EXPECT_EQ(g.GetImperative(), 0);
  EXPECT_EQ(g.GetInfinitive(), 1);
  // GetValue reads the member itself.
  EXPECT_EQ(g.GetValue(CGramInfo::kIdInfinitive, 1), 0);
  g.SetPerfect(1);
  EXPECT_EQ(g.GetAspect(), 1);
  EXPECT_EQ(g.GetPerfect(), 1);
}

TEST(GramRecordTest, RoutingOutsideTheMembers) {
  CGramInfo g;
  const std::vector<int> empty = State(g);

  // Ids without a member change nothing, whatever the flag.
  const struct {
    int id;
    int flag;
  } kIgnored[] = {{0, 0},   {-5, 0},  {129, 0}, {185, 0}, {185, 1}, {200, 0},
                  {200, 1}, {255, 0}, {253, 0}, {5, 1},   {300, 1}, {INT_MIN, 0}};
  for (const auto& write : kIgnored) {
    SCOPED_TRACE(testing::Message() << write.id << " flag " << write.flag);
    g.SetValue(write.id, 1, write.flag);
    EXPECT_EQ(State(g), empty);
  }
  g.Attr(0, 1);
  g.Attr(-1, 1);
  g.Attr(200, 1);
  EXPECT_EQ(State(g), empty);
  EXPECT_EQ(g.Attr(0), 0);
  EXPECT_EQ(g.Attr(200), 0);
  EXPECT_EQ(g.GetValue(200, 0), 0);
  EXPECT_EQ(g.GetValue(255, 0), 255);
  EXPECT_EQ(g.GetValue(255, 1), 255);

  // Language attributes: ids 1..127, byte id-1, grown as needed.
  EXPECT_EQ(g.GetGramAttr(5), 0);
  g.GramAttr(5, 1);
  EXPECT_EQ(g.GetGramAttr(5), 1);
  EXPECT_EQ(g.GetGramAttr(6), 0);
  EXPECT_EQ(g.GramAttr(4), 0);
  g.SetValue(127, 2, 0);
  EXPECT_EQ(g.Attr(127), 2);
  EXPECT_EQ(g.GetValue(127, 0), 2);
  EXPECT_EQ(g.GetValue(127, 1), 0);
  g.GramAttr(128, 1);
  g.GramAttr(0, 1);
  EXPECT_EQ(g.GetGramAttr(128), 0);
  EXPECT_EQ(g.GetGramAttr(0), 0);
  EXPECT_EQ(g.GetGramAttr(-1), 0);

  // Semantic attributes: id 256 + i is byte i.
  g.Attr(300, 1);
  EXPECT_EQ(g.GetSemantics().GetBytes().GetSize(), 45);
  EXPECT_EQ(g.GetSemantics().GetBytes()[44], 1);
  EXPECT_EQ(g.Attr(300), 1);
  EXPECT_EQ(g.SemAttr(44), 1);  // a small id is the index itself
  EXPECT_EQ(g.GetValue(300, 0), 1);
  g.SetValue(301, 1, 0);
  EXPECT_EQ(g.GetSemAttr(301), 1);
  EXPECT_EQ(g.GetSemAttr(-1), 0);
  EXPECT_EQ(g.GetSemAttr(9999), 0);
}

TEST(GramRecordTest, SemanticIdsBeyondTheFormatDoNotGrowTheArray) {
  CGramInfo g;
  g.Attr(511, 1);  // byte 255, the last one
  EXPECT_EQ(g.GetSemantics().GetBytes().GetSize(), 256);
  for (const int id : {512, 100000, INT_MAX}) {
    SCOPED_TRACE(id);
    g.Attr(id, 1);
    g.SemAttr(id, 1);
    EXPECT_EQ(g.GetSemantics().GetBytes().GetSize(), 256);
    EXPECT_EQ(g.Attr(id), 0);
  }
  g.SemAttr(-3, 1);
  EXPECT_EQ(g.GetSemantics().GetBytes().GetSize(), 256);
}

TEST(GramRecordTest, TextValuesAndTheWord) {
  CGramInfo g;
  MCString out = "stale";
  g.SetValue(CGramInfo::kIdParaName, MCString("pname"));
  EXPECT_STREQ(g.GetValue(CGramInfo::kIdParaName, out), "pname");
  EXPECT_STREQ(g.GetValue(CGramInfo::kIdWord, out), "");
  g.SetValue(CGramInfo::kIdWord, MCString("ignored"));
  EXPECT_STREQ(g.GetValue(CGramInfo::kIdWord, out), "");

  CWordGram w;
  w.SetValue(CGramInfo::kIdWord, MCString("house"));
  EXPECT_STREQ(w.GetWord(), "house");
  EXPECT_STREQ(w.GetValue(CGramInfo::kIdWord, out), "house");
  w.SetValue(CGramInfo::kIdParaName, MCString("p1"));
  EXPECT_STREQ(w.GetValue(CGramInfo::kIdParaName, out), "p1");
  // Through the base: the slots are CWordGram's.
  CGramInfo& base = w;
  EXPECT_STREQ(base.GetValue(CGramInfo::kIdWord, out), "house");
  base.SetValue(CGramInfo::kIdSingular, 1, 1);
  EXPECT_EQ(w.GetSingular(), 1);
  EXPECT_EQ(base.GetValue(CGramInfo::kIdWord, 0), 0);
}

// --- Clearing and copying

TEST(GramRecordTest, ClearingKeepsWhatItShould) {
  CGramInfo g;
  EXPECT_EQ(g.GetParaNum(), 0);
  EXPECT_EQ(g.GetPara(), 0u);
  g.SetSyn('N');
  g.SetParaNum(-1);
  g.SetPlural(1);
  g.SetSubClass(4);
  g.SetBaseGrm(1);
  g.GramAttr(3, 1);
  g.SetValue(CGramInfo::kIdParaName, MCString("x"));
  g.Attr(258, 1);

  g.ClearGramInfo();
  EXPECT_EQ(g.GetParaNum(), 0);
  EXPECT_EQ(g.GetSyn(), 0);
  EXPECT_EQ(g.GetPlural(), 0);
  EXPECT_EQ(g.GetSubClass(), 0);
  EXPECT_EQ(g.GetBaseGrm(), 0);
  EXPECT_EQ(g.GetGramAttr(3), 0);
  MCString name;
  EXPECT_STREQ(g.GetValue(CGramInfo::kIdParaName, name), "");
  EXPECT_EQ(g.GetSemAttr(258), 1);  // the semantics stay

  g.ClearAll();
  EXPECT_TRUE(g.GetSemantics().IsEmpty());
  CGramInfo fresh;
  EXPECT_EQ(State(g), State(fresh));
}

// A record with something in every kind of member.
void Fill(CGramInfo& g) {
  g.SetSyn('V');
  g.SetStat(1);
  g.SetBaseGrm(2);
  g.SetAddGrm(3);
  g.SetValue(CGramInfo::kIdParaName, MCString("para"));
  g.SetParaNum(12);
  g.SetParaMod('a');
  g.SetParaBase(3);
  g.SetTransitive(1);
  g.SetCase(6);
  g.SetAnimated(1);
  g.SetSubClass(9);
  g.SetControl(8);
  g.SetControl2(2);
  g.Attr(257, 1);
  g.GramAttr(7, 5);
}

TEST(GramRecordTest, CopyIsDeep) {
  CGramInfo source;
  Fill(source);
  CGramInfo copy;
  copy.SetPlural(1);  // overwritten
  copy.Attr(300, 1);  // replaced by the source's semantics
  EXPECT_EQ(source.Copy(&copy), &copy);
  EXPECT_EQ(State(copy), State(source));

  copy.GramAttr(7, 0);
  copy.Attr(257, 0);
  copy.SetValue(CGramInfo::kIdParaName, MCString("other"));
  EXPECT_EQ(source.GetGramAttr(7), 5);
  EXPECT_EQ(source.GetSemAttr(257), 1);
  MCString name;
  EXPECT_STREQ(source.GetValue(CGramInfo::kIdParaName, name), "para");

  EXPECT_EQ(source.Copy(nullptr), nullptr);
  EXPECT_EQ(source.Copy(&source), &source);
  CGramInfo again;
  Fill(again);
  EXPECT_EQ(State(source), State(again));
}

TEST(GramRecordTest, WordGramCopiesTheWordAndTheRecord) {
  CWordGram source;
  source.SetWord("went");
  Fill(source);
  CWordGram copy;
  EXPECT_EQ(source.Copy(&copy), &copy);
  EXPECT_STREQ(copy.GetWord(), "went");
  EXPECT_EQ(State(copy), State(source));
  EXPECT_EQ(source.Copy(static_cast<CWordGram*>(nullptr)), nullptr);

  // Copied as a plain record, the word stays.
  CWordGram plain;
  plain.SetWord("mine");
  source.Copy(static_cast<CGramInfo*>(&plain));
  EXPECT_STREQ(plain.GetWord(), "mine");
  EXPECT_EQ(State(plain), State(source));

  CWordGram* heap = new CWordGram;
  ASSERT_NE(heap, nullptr);
  source.Copy(heap);
  delete heap;
}

// --- Merging

TEST(GramRecordTest, SetBitMergesByTheRules) {
  CGramInfo into;
  into.SetSyn('N');
  into.SetNumber(1);
  into.SetPlural(1);
  into.SetCase(2);
  into.SetMood(1);
  into.SetControl(4);
  into.SetSubClass(5);
  into.SetParaNum(3);
  into.SetParaMod('x');
  into.SetParaBase(1);
  into.SetValue(CGramInfo::kIdParaName, MCString("mine"));
  into.GramAttr(2, 1);
  into.Attr(256, 1);

  CGramInfo other;
  other.SetSyn('V');
  other.SetStat(7);
  other.SetNumber(2);
  other.SetGender(2);
  other.SetDegree(1);
  other.SetSingular(1);
  other.SetCase(8);
  other.SetMood(4);
  other.SetControl(16);
  other.SetControl2(1);
  other.SetAnimated(1);
  other.SetVoice(1);
  other.SetSubClass(0);
  other.SetParaNum(9);
  other.SetValue(CGramInfo::kIdParaName, MCString("theirs"));
  other.GramAttr(5, 2);
  other.Attr(260, 1);

  into.SetBit(&other);
  // Flags and bit sets are OR-ed.
  EXPECT_EQ(into.GetPlural(), 1);
  EXPECT_EQ(into.GetSingular(), 1);
  EXPECT_EQ(into.GetCase(), 10);
  EXPECT_EQ(into.GetMood(), 5);
  EXPECT_EQ(into.GetControl(), 20);
  EXPECT_EQ(into.GetControl2(), 1);
  EXPECT_EQ(into.GetAnimated(), 1);
  EXPECT_EQ(into.GetVoice(), 1);
  // Composites and the leading bytes stay.
  EXPECT_EQ(into.GetSyn(), 'N');
  EXPECT_EQ(into.GetStat(), 0);
  EXPECT_EQ(into.GetNumber(), 1);
  EXPECT_EQ(into.GetGender(), 0);
  EXPECT_EQ(into.GetDegree(), 0);
  // SubClass and the name are taken; ParaNum taken, ParaMod and ParaBase kept
  // when the other's are 0.
  EXPECT_EQ(into.GetSubClass(), 0);
  MCString name;
  EXPECT_STREQ(into.GetValue(CGramInfo::kIdParaName, name), "theirs");
  EXPECT_EQ(into.GetParaNum(), 9);
  EXPECT_EQ(into.GetParaMod(), 'x');
  EXPECT_EQ(into.GetParaBase(), 1);
  // The byte sets grow to the longer one and merge.
  EXPECT_EQ(into.GetGramAttr(2), 1);
  EXPECT_EQ(into.GetGramAttr(5), 2);
  EXPECT_EQ(into.GetSemAttr(256), 1);
  EXPECT_EQ(into.GetSemAttr(260), 1);
  EXPECT_EQ(into.GetSemantics().GetBytes().GetSize(), 5);

  // A record without a paradigm keeps having none; a 0 never replaces one.
  CGramInfo none;
  none.SetParaNum(CGramInfo::kNoParadigm);
  none.SetBit(&other);
  EXPECT_EQ(none.GetParaNum(), CGramInfo::kNoParadigm);
  CGramInfo zero;
  into.SetBit(&zero);
  EXPECT_EQ(into.GetParaNum(), 9);

  const std::vector<int> before = State(into);
  into.SetBit(nullptr);
  EXPECT_EQ(State(into), before);
}

// --- Composites

// A record with the given bytes set by id.
struct IdValue {
  int id;
  int value;
};
void Set(CGramInfo& g, const std::vector<IdValue>& values) {
  for (const IdValue& v : values) g.SetValue(v.id, v.value, 1);
}

TEST(GramRecordTest, DerivedValuesFollowTheFlags) {
  enum : int { kSg = 131, kPl = 132, kPlOnly = 134, kM = 135, kF = 136, kPers = 241 };
  const struct {
    std::vector<IdValue> flags;
    int numbers, genders, persons, tenses, degrees, perfective, reflexive;
  } kCases[] = {
      {{}, 0, 0, 0, 0, 0, 0, 0},
      {{{kSg, 1}}, 0, 0, 0, 0, 0, 0, 0},
      {{{kPl, 1}}, 1, 0, 0, 0, 0, 0, 0},
      {{{kPl, 1}, {kSg, 1}}, 2, 0, 0, 0, 0, 0, 0},
      {{{kPlOnly, 1}}, 1, 0, 0, 0, 0, 0, 0},
      {{{kM, 1}}, 0, 1, 0, 0, 0, 0, 0},
      {{{kF, 1}}, 0, 2, 0, 0, 0, 0, 0},
      {{{kM, 1}, {kF, 1}}, 0, 3, 0, 0, 0, 0, 0},
      {{{kPers, 2}}, 0, 0, 2, 0, 0, 0, 0},
      {{{138, 1}}, 0, 0, 1, 0, 0, 0, 0},
      {{{144, 1}, {kPers, 3}}, 0, 0, 3, 0, 0, 0, 0},
      {{{142, 1}}, 0, 0, 2, 0, 0, 0, 0},
      {{{139, 1}, {kPers, 3}}, 0, 0, 3, 0, 0, 0, 0},
      {{{139, 1}, {kPers, 1}}, 0, 0, 2, 0, 0, 0, 0},
      {{{138, 1}, {146, 1}}, 0, 0, 3, 0, 0, 0, 0},
      {{{143, 1}}, 0, 0, 3, 0, 0, 0, 0},
      {{{148, 1}}, 0, 0, 0, 1, 0, 0, 0},
      {{{148, 1}, {149, 1}}, 0, 0, 0, 2, 0, 0, 0},
      {{{147, 1}}, 0, 0, 0, 0, 0, 0, 0},
      {{{170, 1}, {171, 1}}, 0, 0, 0, 0, 1, 0, 0},
      {{{171, 1}}, 0, 0, 0, 0, 2, 0, 0},
      {{{153, 1}}, 0, 0, 0, 0, 0, 1, 0},
      {{{153, 1}, {155, 1}}, 0, 0, 0, 0, 0, 0, 0},
      {{{154, 1}}, 0, 0, 0, 0, 0, 1, 0},
      {{{154, 1}, {156, 1}}, 0, 0, 0, 0, 0, 0, 0},
      {{{157, 1}}, 0, 0, 0, 0, 0, 0, 1},
      {{{158, 1}}, 0, 0, 0, 0, 0, 0, 1},
      {{{159, 1}}, 0, 0, 0, 0, 0, 0, 0},
  };
  for (size_t i = 0; i < sizeof(kCases) / sizeof(kCases[0]); ++i) {
    SCOPED_TRACE(i);
    const auto& c = kCases[i];
    CGramInfo g;
    Set(g, c.flags);
    EXPECT_EQ(g.GetNumbers(), c.numbers);
    EXPECT_EQ(g.GetGenders(), c.genders);
    EXPECT_EQ(g.GetPersons(), c.persons);
    EXPECT_EQ(g.GetTenses(), c.tenses);
    EXPECT_EQ(g.GetDegrees(), c.degrees);
    EXPECT_EQ(g.IsPerfective(), c.perfective);
    EXPECT_EQ(g.IsReflexive(), c.reflexive);
  }
}

TEST(GramRecordTest, NumberAndGenderSetters) {
  const struct {
    int n;
    std::vector<IdValue> flags;  // Singular, Plural, SingularOnly, PluralOnly
    int singular, plural;
  } kNumbers[] = {
      {0, {{132, 1}}, 1, 0}, {0, {{132, 1}, {134, 1}}, 0, 0},
      {1, {{131, 1}}, 0, 1}, {1, {{131, 1}, {133, 1}}, 0, 0},
      {2, {}, 1, 1},         {2, {{133, 1}}, 1, 0},
      {2, {{134, 1}}, 0, 1}, {5, {{131, 1}}, 1, 0},
  };
  for (const auto& c : kNumbers) {
    SCOPED_TRACE(testing::Message() << "SetNumbers(" << c.n << ") flags " << c.flags.size());
    CGramInfo g;
    Set(g, c.flags);
    g.SetNumbers(c.n);
    EXPECT_EQ(g.GetSingular(), c.singular);
    EXPECT_EQ(g.GetPlural(), c.plural);
    EXPECT_EQ(g.GetNumber(), c.n);
  }

  const struct {
    int g;
    int n, m, f;
  } kGenders[] = {{0, 1, 0, 0}, {1, 0, 1, 0}, {2, 0, 0, 1}, {3, 0, 1, 1}, {4, 0, 0, 0}};
  for (const auto& c : kGenders) {
    SCOPED_TRACE(c.g);
    CGramInfo g;
    g.SetGenders(c.g);
    EXPECT_EQ(g.GetNGender(), c.n);
    EXPECT_EQ(g.GetMGender(), c.m);
    EXPECT_EQ(g.GetFGender(), c.f);
    EXPECT_EQ(g.GetGender(), c.g);
  }

  CGramInfo both;
  both.SetMGender(1);
  both.SetFGender(1);
  EXPECT_EQ(both.GetGender1(), 1);
  EXPECT_EQ(both.GetGender(), 1);
  both.SetMGender(0);
  EXPECT_EQ(both.GetGender1(), 2);
  EXPECT_EQ(both.GetGender(), 2);
}

TEST(GramRecordTest, SetGramDerivesTheComposites) {
  struct Composites {
    int number, gender, degree, tense, voice, isShort, aspect, perfective, reflexive, mood;
  };
  const struct {
    const char* what;
    std::vector<IdValue> flags;
    int keep;
    Composites out;
  } kCases[] = {
      {"nothing", {}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"kept composites stay",
       {{242, 2}, {243, 1}, {249, 2}, {244, 1}, {132, 1}, {136, 1}, {170, 1}, {149, 1}},
       1,
       {2, 1, 2, 1, 0, 0, 0, 0, 0, 0}},
      {"recomputed without keep",
       {{242, 2}, {243, 1}, {249, 2}, {244, 1}, {132, 1}, {136, 1}, {170, 1}, {149, 1}},
       0,
       {1, 2, 1, 2, 0, 0, 0, 0, 0, 0}},
      {"keep fills zeros",
       {{132, 1}, {131, 1}, {171, 1}, {148, 1}},
       1,
       {2, 0, 2, 1, 0, 0, 0, 0, 0, 0}},
      {"short only", {{168, 1}}, 0, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0}},
      {"full only wins", {{168, 1}, {169, 1}, {167, 1}}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"passive", {{164, 1}}, 0, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
      {"active only wins", {{164, 1}, {166, 1}}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"perfective only", {{154, 1}}, 0, {0, 0, 0, 0, 0, 0, 1, 1, 0, 0}},
      {"imperfective", {{155, 1}, {152, 1}}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"imperative and subjunctive", {{160, 1}, {163, 1}}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 6}},
      {"reflexive only", {{158, 1}, {248, 8}}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 1, 9}},
      {"reflexive bit cleared", {{248, 1 | 4}}, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 4}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    CGramInfo g;
    Set(g, c.flags);
    g.SetGram('N', c.keep);
    const Composites got = {g.GetNumber(),    g.GetGender(), g.GetDegree(), g.GetTense(),
                            g.GetVoice(),     g.GetShort(),  g.GetAspect(), g.GetPerfective(),
                            g.GetReflexive(), g.GetMood()};
    EXPECT_EQ(got.number, c.out.number);
    EXPECT_EQ(got.gender, c.out.gender);
    EXPECT_EQ(got.degree, c.out.degree);
    EXPECT_EQ(got.tense, c.out.tense);
    EXPECT_EQ(got.voice, c.out.voice);
    EXPECT_EQ(got.isShort, c.out.isShort);
    EXPECT_EQ(got.aspect, c.out.aspect);
    EXPECT_EQ(got.perfective, c.out.perfective);
    EXPECT_EQ(got.reflexive, c.out.reflexive);
    EXPECT_EQ(got.mood, c.out.mood);
    EXPECT_EQ(g.GetSyn(), 0);  // the character has no effect
  }
}

// --- Paradigm

TEST(GramRecordTest, ParadigmPacking) {
  const struct {
    int num, base;
    uint32_t packed;
  } kCases[] = {
      {0, 0, 0},
      {12, 3, 0x0003000Cu},
      {-1, 7, 0xFFFFFFFFu},
      {-2, 1, 0x0001FFFEu},
      {0x7FFF, 255, 0x00FF7FFFu},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.num << ":" << c.base);
    CGramInfo g;
    g.SetParadigmInfo(c.num, c.base, 'z');
    EXPECT_EQ(g.GetPara(), c.packed);
    EXPECT_EQ(g.MakeParadigm(), c.packed);
    EXPECT_EQ(g.GetParaMod(), 0);  // the third argument leaves ParaMod

    CGramInfo unpacked;
    unpacked.SetParaMod('q');
    unpacked.SetParadigmInfo(static_cast<unsigned long>(c.packed), 'z');
    EXPECT_EQ(unpacked.GetParaNum(), c.num);
    EXPECT_EQ(unpacked.GetParaBase(), c.num == -1 ? 255 : c.base);
    EXPECT_EQ(unpacked.GetParaMod(), 'q');
  }
}

}  // namespace
