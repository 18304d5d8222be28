// CGramInfo: what is grammatically known about one word (part of speech,
// number, gender, person, tense, case, mood, voice, aspect, degree,
// government, inflection paradigm, semantic classes and the attributes of
// one language) in one record.
//
// The dictionary engine fills a record while it shows an article in its
// dictionary form; CWordGram (grammar/CWordGram.h) couples one with its word.
// Every attribute has an integer id, so a record is read and written in three
// ways: by id (GetValue, SetValue, Attr), through one getter and one setter per
// attribute, and through the dictionary grammar string and its display form.
//
//   ids 1..127     language attributes, byte id-1 of a byte array
//   ids 128..255   the common attributes below (kId... constants)
//   ids 256 and up semantic attributes, byte id-256 of the CSemantics
//
// Attribute names come from the grammar tables (grammar/GrammarTables.h).
// The codecs of the grammar strings are virtual, in a fixed slot order, and
// every internal use of them goes through the slot, so that a derived class
// can replace the format of one section.
#pragma once

#include <cstdint>

#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "grammar/CSemantics.h"
#include "grammar/GrammarExport.h"

// The 62 attribute bytes of the record, in their stored order, each with its
// id: PLAIN(Name, id) has GetName and SetName over the byte; MOOD_FLAG(Name,
// id, bit) has a getter that also answers 1 when Mood holds bit.
#define MORVEX_GRAM_ATTRIBUTE_BYTES(PLAIN, MOOD_FLAG) \
  PLAIN(Number, 242)                                  \
  PLAIN(Singular, 131)                                \
  PLAIN(Plural, 132)                                  \
  PLAIN(SingularOnly, 133)                            \
  PLAIN(PluralOnly, 134)                              \
  PLAIN(Gender, 243)                                  \
  PLAIN(MGender, 135)                                 \
  PLAIN(FGender, 136)                                 \
  PLAIN(NGender, 137)                                 \
  PLAIN(Person, 241)                                  \
  PLAIN(Person1, 138)                                 \
  PLAIN(Person2, 139)                                 \
  PLAIN(Person3, 140)                                 \
  PLAIN(Person1s, 141)                                \
  PLAIN(Person2s, 142)                                \
  PLAIN(Person3s, 143)                                \
  PLAIN(Person1p, 144)                                \
  PLAIN(Person2p, 145)                                \
  PLAIN(Person3p, 146)                                \
  PLAIN(Tense, 244)                                   \
  PLAIN(TensePresent, 147)                            \
  PLAIN(TensePast, 148)                               \
  PLAIN(TenseFuture, 149)                             \
  PLAIN(Case, 245)                                    \
  PLAIN(Case2, 246)                                   \
  PLAIN(Mood, 248)                                    \
  PLAIN(Subj, 163)                                    \
  MOOD_FLAG(Imperative, 160, 4)                       \
  PLAIN(Reflexive, 157)                               \
  PLAIN(ReflexiveOnly, 158)                           \
  PLAIN(IrreflexiveOnly, 159)                         \
  PLAIN(Voice, 247)                                   \
  PLAIN(ActiveOnly, 166)                              \
  PLAIN(Passive, 164)                                 \
  PLAIN(PassiveOnly, 165)                             \
  MOOD_FLAG(Infinitive, 161, 8)                       \
  PLAIN(Transitive, 150)                              \
  PLAIN(Intransitive, 151)                            \
  PLAIN(Aspect, 152)                                  \
  PLAIN(Perfective, 153)                              \
  PLAIN(Imperfective, 155)                            \
  PLAIN(PerfectiveOnly, 154)                          \
  PLAIN(ImperfectiveOnly, 156)                        \
  PLAIN(Imperson, 162)                                \
  PLAIN(Short, 167)                                   \
  PLAIN(ShortOnly, 168)                               \
  PLAIN(FullOnly, 169)                                \
  PLAIN(Degree, 249)                                  \
  PLAIN(Synt, 186)                                    \
  PLAIN(Comparative, 170)                             \
  PLAIN(Superlative, 171)                             \
  PLAIN(Qualitative, 179)                             \
  PLAIN(Ordinal, 180)                                 \
  PLAIN(Possessive, 181)                              \
  PLAIN(Prelative, 182)                               \
  PLAIN(Proper, 174)                                  \
  PLAIN(Abstract, 175)                                \
  PLAIN(Real, 176)                                    \
  PLAIN(Collective, 177)                              \
  PLAIN(Countable, 172)                               \
  PLAIN(Uncountable, 173)                             \
  PLAIN(Animated, 178)

class MMORPH_API CGramInfo : public MCObject {
 public:
  // Ids of the members outside the 62 attribute bytes.
  enum : int {
    kIdStat = 128,
    kIdWord = 129,  // answered by CWordGram only
    kIdParaMod = 183,
    kIdParaBase = 184,
    kIdParaName = 185,  // text
    kIdSyn = 240,
    kIdControl = 250,
    kIdControl2 = 251,
    kIdParaNum = 252,
    kIdAnswersItself = 255,  // GetValue gives 255
    kIdFirstCommon = 128,
    kIdFirstSemantic = 256,
  };
  // The ids of the 62 attribute bytes: kIdNumber, kIdSingular, ...
#define MORVEX_GRAM_ID_PLAIN(Name, id) kId##Name = id,
#define MORVEX_GRAM_ID_MOOD(Name, id, bit) kId##Name = id,
  enum : int { MORVEX_GRAM_ATTRIBUTE_BYTES(MORVEX_GRAM_ID_PLAIN, MORVEX_GRAM_ID_MOOD) };
#undef MORVEX_GRAM_ID_PLAIN
#undef MORVEX_GRAM_ID_MOOD
  // ParaNum of a record without a paradigm (the decoders set it).
  enum : int { kNoParadigm = -1 };

  // --- Construction and clearing.
  CGramInfo();  // cleared, as after ClearAll
  CGramInfo(const CGramInfo&) = delete;
  CGramInfo& operator=(const CGramInfo&) = delete;

  // Empties the language attributes and the paradigm name and zeroes every
  // byte (ParaNum too: 0, not kNoParadigm); the semantics stay.
  void ClearGramInfo();
  void ClearSemantics();
  void ClearAll();

  // --- Virtual slots, in their fixed order (0 is the destructor).
  ~CGramInfo() override;
  // 1: the older form's item decoder; returns its position unchanged.
  virtual const char* StrToGram1(const char* pos, char syn);
  // 2: the attribute name of id from the grammar tables, or "".
  virtual MCString IdToNameString(int id);
  // 3: the id of an attribute name, -1 when the tables do not know it.
  virtual int NameStringToId(MCString name);
  // 4: stores syn as Syn when it is not 0, then writes the record as a
  // dictionary grammar string into out (at most 1023 characters).
  virtual void GramToStr(MCString& out, char syn);
  // 5: the Latin case letters of the bits (N G D A I P) at out, without a
  // NUL; returns the position after them.
  virtual char* CaseToStr(unsigned char bits, char* out);
  // 6-12: the section writers of the dictionary grammar string; each takes
  // the write position and returns the position after what it wrote.
  virtual char* ParadigmToDicStr(char* pos);
  virtual char* SemanticsToDicStr(char* pos);
  virtual char* CaseToDicStr(char* pos);
  virtual char* ControlToDicStr(char* pos);
  virtual char* PersonToDicStr(char* pos);
  virtual char* SubClassToDicStr(char* pos);
  virtual char* ReferenceToDicStr(char* pos);
  // 13-19: the section decoders of the display form; each is given the
  // position of its marker and returns the last position it consumed.
  virtual const char* StringToParadigm(const char* pos);
  virtual const char* StringToSemantics(const char* pos);
  virtual const char* StringToCase(const char* pos);
  virtual const char* StringToControl(const char* pos);
  virtual const char* StringToPerson(const char* pos);
  virtual const char* StringToSubClass(const char* pos);
  virtual const char* StringToReference(const char* pos);
  // 20-26: the section decoders of the dictionary grammar string, likewise.
  virtual const char* DicStrToParadigm(const char* pos);
  virtual const char* DicStrToSemantics(const char* pos);
  virtual const char* DicStrToCase(const char* pos);
  virtual const char* DicStrToControl(const char* pos);
  virtual const char* DicStrToPerson(const char* pos);
  virtual const char* DicStrToSubClass(const char* pos);
  virtual const char* DicStrToReference(const char* pos);
  // 27: copies every member into to and returns it; null gives null.
  virtual CGramInfo* Copy(CGramInfo* to);
  // 28: id 185 copies the paradigm name into out, any other id empties it;
  // returns out.
  virtual MCString& GetValue(int id, MCString& out);
  // 29: the member of a common id (Syn and ParaMod as unsigned bytes,
  // ParaNum sign-extended); 255 for id 255; for any other id 0 when flag is
  // nonzero, else Attr(id).
  virtual int GetValue(int id, int flag);
  // 30: id 185 replaces the paradigm name; any other id does nothing.
  virtual void SetValue(int id, MCString value);
  // 31: stores value through the setter of a common id; any other id goes
  // to Attr(id, value) when flag is 0 and is ignored otherwise.
  virtual void SetValue(int id, int value, int flag);

  // --- Routing by id: 1..127 language, 128..255 common, 256+ semantic.
  int Attr(int id);
  int GetAttr(int id) { return Attr(id); }
  void Attr(int id, unsigned char value);
  void SetAttr(int id, unsigned char value) { Attr(id, value); }
  // Language attributes (ids 1..127; other ids are ignored, getters give 0).
  void GramAttr(int id, unsigned char value);
  void SetGramAttr(int id, unsigned char value) { GramAttr(id, value); }
  int GramAttr(int id) const;
  int GetGramAttr(int id) const { return GramAttr(id); }
  // Semantic attributes, through CSemantics::Attr.
  void SemAttr(int id, unsigned char value) { semantics_.Attr(id, value); }
  void SetSemAttr(int id, unsigned char value) { semantics_.Attr(id, value); }
  int SemAttr(int id) const { return semantics_.Attr(id); }
  int GetSemAttr(int id) const { return semantics_.Attr(id); }

  // --- Semantics.
  CSemantics& GetSemantics() { return semantics_; }
  CSemantics& Sem() { return semantics_; }
  void SetSemantics(CSemantics& semantics) { semantics_.CopyFrom(semantics); }
  void SetBitSemantics(CSemantics& semantics) { semantics_.OrWith(semantics); }

  // --- Merging: ORs the other's flags into this record (null does nothing).
  void SetBit(CGramInfo* other);

  // --- Composites derived from the flag bytes.
  int GetNumbers() const;
  void SetNumbers(int n);
  int GetGenders() const;
  void SetGenders(int g);
  int GetGender1();  // also stores the result into Gender
  int GetPersons() const;
  int GetTenses() const;
  int GetDegrees() const;
  int IsPerfective() const;
  int IsReflexive() const;
  // Derives the composites (Number, Gender, Degree, Tense, Voice, Short,
  // Aspect, Perfective, Reflexive, Mood) from the flags. With keep nonzero,
  // Number, Gender, Degree and Tense change only while they are 0. The
  // character has no effect.
  void SetGram(char syn, int keep);

  // --- Paradigm.
  // ParaBase << 16 | ParaNum as unsigned 16 bits; all bits set when ParaNum
  // is kNoParadigm.
  uint32_t GetPara() const;
  uint32_t MakeParadigm() const { return GetPara(); }
  // ParaNum := the low 16 bits, ParaBase := bits 16-23; ParaMod stays.
  void SetParadigmInfo(unsigned long packed, unsigned char mod);
  void SetParadigmInfo(int num, int base, unsigned char mod);
  int GetParaNum() const { return paraNum_; }
  void SetParaNum(int num) { paraNum_ = static_cast<int16_t>(num); }
  int GetParaBase() const { return paraBase_; }
  void SetParaBase(int base) { paraBase_ = static_cast<unsigned char>(base); }
  char GetParaMod() const { return paraMod_; }
  void SetParaMod(char mod) { paraMod_ = mod; }

  // --- The leading members and the government.
  char GetSyn() const { return syn_; }
  void SetSyn(char syn) { syn_ = syn; }
  unsigned char GetStat() const { return stat_; }
  void SetStat(unsigned char value) { stat_ = value; }
  unsigned char GetBaseGrm() const { return baseGrm_; }
  void SetBaseGrm(unsigned char value) { baseGrm_ = value; }
  unsigned char GetAddGrm() const { return addGrm_; }
  void SetAddGrm(unsigned char value) { addGrm_ = value; }
  unsigned char GetSubClass() const { return subClass_; }
  void SetSubClass(unsigned char value) { subClass_ = value; }
  unsigned char GetControl() const { return control_; }
  void SetControl(unsigned char value) { control_ = value; }
  unsigned char GetControl2() const { return control2_; }
  void SetControl2(unsigned char value) { control2_ = value; }

  // --- One getter and one setter per attribute byte.
#define MORVEX_GRAM_ACCESS_PLAIN(Name, id)            \
  unsigned char Get##Name() const { return Name##_; } \
  void Set##Name(unsigned char value) { Name##_ = value; }
#define MORVEX_GRAM_ACCESS_MOOD(Name, id, bit)                                   \
  unsigned char Get##Name() const { return (Mood_ & (bit)) != 0 ? 1 : Name##_; } \
  void Set##Name(unsigned char value) { Name##_ = value; }
  MORVEX_GRAM_ATTRIBUTE_BYTES(MORVEX_GRAM_ACCESS_PLAIN, MORVEX_GRAM_ACCESS_MOOD)
#undef MORVEX_GRAM_ACCESS_PLAIN
#undef MORVEX_GRAM_ACCESS_MOOD
  // Aspect's other name.
  unsigned char GetPerfect() const { return Aspect_; }
  void SetPerfect(unsigned char value) { Aspect_ = value; }

  // --- The grammar strings (the codecs behind the slots above).
  // Decodes a dictionary grammar string into the record, which is not
  // cleared first. The character has no effect.
  void StrToGram(const MCString& text, char syn);
  // Decodes the one item at p; returns the last position it consumed.
  const char* DicStrToGram(const char* p);
  // Writes the dictionary grammar string and its NUL into buf (1024
  // characters) and returns buf.
  char* GramToDicStr(char* buf);
  char* CommonAttrToDicStr(char* pos);
  char* LangAttrToDicStr(char* pos);
  // The display form of a dictionary grammar string, and back.
  MCString DicStrToString(const MCString& dic);
  MCString StringToDicStr(const MCString& display);
  // out := the display form of the record.
  void GramToString(MCString& out);
  // The one-line attribute text of an article's dictionary form.
  MCString DicStrToVelString(const MCString& dic);
  // The part-of-speech name of a code ("Noun", ..., "Expr").
  static const char* ConvSynToVelPart(char syn);
  // Display writers: each takes the write position and returns the
  // position after what it wrote.
  char* ParadigmToString(char* pos);
  char* SemanticsToString(char* pos);
  char* CaseToString(char* pos);
  char* ControlToString(char* pos);
  char* PersonToString(char* pos);
  char* SubClassToString(char* pos);
  char* ReferenceToString(char* pos);
  // Dispatches the display item at pos; returns the last position consumed.
  const char* StringToGram(const char* pos);
  // The whole-text display decoder: leaves the record unchanged.
  void StringToGram(const MCString& text);
  // The older form.
  void StrToGramOld(const MCString& text, char syn);
  MCString OldDicStrToString(const MCString& text, char syn);
  const char* StrToSemanticsOld(const char* p);

 private:
  // Copies every member except the semantics and the language attributes.
  void CopyScalarsTo(CGramInfo& to) const;
  // ORs the flag bytes that SetBit merges.
  void OrFlagsFrom(const CGramInfo& other);

  char syn_;
  unsigned char stat_;
  unsigned char baseGrm_;
  unsigned char addGrm_;
  MCString paraName_;
  int16_t paraNum_;
  char paraMod_;
  unsigned char paraBase_;
#define MORVEX_GRAM_MEMBER_PLAIN(Name, id) unsigned char Name##_;
#define MORVEX_GRAM_MEMBER_MOOD(Name, id, bit) unsigned char Name##_;
  MORVEX_GRAM_ATTRIBUTE_BYTES(MORVEX_GRAM_MEMBER_PLAIN, MORVEX_GRAM_MEMBER_MOOD)
#undef MORVEX_GRAM_MEMBER_PLAIN
#undef MORVEX_GRAM_MEMBER_MOOD
  unsigned char subClass_;
  unsigned char control_;
  unsigned char control2_;
  CSemantics semantics_;
  MCByteArray langAttrs_;  // byte i: language attribute id i+1

  friend class GramIdRouting;
};
