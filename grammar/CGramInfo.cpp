#include "grammar/CGramInfo.h"

#include "grammar/ByteSets.h"
#include "grammar/GrammarTables.h"

CGramInfo::CGramInfo() { ClearAll(); }

CGramInfo::~CGramInfo() = default;

void CGramInfo::ClearGramInfo() {
  langAttrs_.RemoveAll();
  paraName_.Empty();
  syn_ = 0;
  stat_ = 0;
  baseGrm_ = 0;
  addGrm_ = 0;
  paraNum_ = 0;
  paraMod_ = 0;
  paraBase_ = 0;
#define MORVEX_GRAM_CLEAR_PLAIN(Name, id) Name##_ = 0;
#define MORVEX_GRAM_CLEAR_MOOD(Name, id, bit) Name##_ = 0;
  MORVEX_GRAM_ATTRIBUTE_BYTES(MORVEX_GRAM_CLEAR_PLAIN, MORVEX_GRAM_CLEAR_MOOD)
#undef MORVEX_GRAM_CLEAR_PLAIN
#undef MORVEX_GRAM_CLEAR_MOOD
  subClass_ = 0;
  control_ = 0;
  control2_ = 0;
}

void CGramInfo::ClearSemantics() { semantics_.Clear(); }

void CGramInfo::ClearAll() {
  ClearGramInfo();
  ClearSemantics();
}

// --- Copying and merging

void CGramInfo::CopyScalarsTo(CGramInfo& to) const {
  to.syn_ = syn_;
  to.stat_ = stat_;
  to.baseGrm_ = baseGrm_;
  to.addGrm_ = addGrm_;
  to.paraName_ = paraName_;
  to.paraNum_ = paraNum_;
  to.paraMod_ = paraMod_;
  to.paraBase_ = paraBase_;
#define MORVEX_GRAM_COPY_PLAIN(Name, id) to.Name##_ = Name##_;
#define MORVEX_GRAM_COPY_MOOD(Name, id, bit) to.Name##_ = Name##_;
  MORVEX_GRAM_ATTRIBUTE_BYTES(MORVEX_GRAM_COPY_PLAIN, MORVEX_GRAM_COPY_MOOD)
#undef MORVEX_GRAM_COPY_PLAIN
#undef MORVEX_GRAM_COPY_MOOD
  to.subClass_ = subClass_;
  to.control_ = control_;
  to.control2_ = control2_;
}

CGramInfo* CGramInfo::Copy(CGramInfo* to) {
  if (to == nullptr) return nullptr;
  if (to == this) return to;
  to->langAttrs_.Copy(langAttrs_);
  to->semantics_.CopyFrom(semantics_);
  CopyScalarsTo(*to);
  return to;
}

void CGramInfo::OrFlagsFrom(const CGramInfo& other) {
  // Every flag byte, the case and mood bit sets included; the composites
  // Number, Gender, Person, Tense and Degree stay as they are.
  static constexpr unsigned char CGramInfo::*kMerged[] = {
      &CGramInfo::Singular_,     &CGramInfo::Plural_,         &CGramInfo::SingularOnly_,
      &CGramInfo::PluralOnly_,   &CGramInfo::MGender_,        &CGramInfo::FGender_,
      &CGramInfo::NGender_,      &CGramInfo::Person1_,        &CGramInfo::Person2_,
      &CGramInfo::Person3_,      &CGramInfo::Person1s_,       &CGramInfo::Person2s_,
      &CGramInfo::Person3s_,     &CGramInfo::Person1p_,       &CGramInfo::Person2p_,
      &CGramInfo::Person3p_,     &CGramInfo::TensePresent_,   &CGramInfo::TensePast_,
      &CGramInfo::TenseFuture_,  &CGramInfo::Case_,           &CGramInfo::Case2_,
      &CGramInfo::Mood_,         &CGramInfo::Subj_,           &CGramInfo::Imperative_,
      &CGramInfo::Reflexive_,    &CGramInfo::ReflexiveOnly_,  &CGramInfo::IrreflexiveOnly_,
      &CGramInfo::Voice_,        &CGramInfo::ActiveOnly_,     &CGramInfo::Passive_,
      &CGramInfo::PassiveOnly_,  &CGramInfo::Infinitive_,     &CGramInfo::Transitive_,
      &CGramInfo::Intransitive_, &CGramInfo::Aspect_,         &CGramInfo::Perfective_,
      &CGramInfo::Imperfective_, &CGramInfo::PerfectiveOnly_, &CGramInfo::ImperfectiveOnly_,
      &CGramInfo::Imperson_,     &CGramInfo::Short_,          &CGramInfo::ShortOnly_,
      &CGramInfo::FullOnly_,     &CGramInfo::Synt_,           &CGramInfo::Comparative_,
      &CGramInfo::Superlative_,  &CGramInfo::Qualitative_,    &CGramInfo::Ordinal_,
      &CGramInfo::Possessive_,   &CGramInfo::Prelative_,      &CGramInfo::Proper_,
      &CGramInfo::Abstract_,     &CGramInfo::Real_,           &CGramInfo::Collective_,
      &CGramInfo::Countable_,    &CGramInfo::Uncountable_,    &CGramInfo::Animated_,
      &CGramInfo::control_,      &CGramInfo::control2_,
  };
  for (unsigned char CGramInfo::*member : kMerged) this->*member |= other.*member;
}

void CGramInfo::SetBit(CGramInfo* other) {
  if (other == nullptr || other == this) return;
  OrBytesInto(langAttrs_, other->langAttrs_);
  SetBitSemantics(other->semantics_);

  paraName_ = other->paraName_;
  // As the merge has always worked: a record that has a paradigm takes the
  // other's number, one without (kNoParadigm) keeps having none.
  if (paraNum_ != kNoParadigm && other->paraNum_ != 0) paraNum_ = other->paraNum_;
  if (other->paraMod_ != 0) paraMod_ = other->paraMod_;
  if (other->paraBase_ != 0) paraBase_ = other->paraBase_;

  OrFlagsFrom(*other);
  subClass_ = other->subClass_;
}

// --- Text values and routing by id

MCString& CGramInfo::GetValue(int id, MCString& out) {
  if (id == kIdParaName) {
    out = paraName_;
  } else {
    out.Empty();
  }
  return out;
}

void CGramInfo::SetValue(int id, MCString value) {
  if (id == kIdParaName) paraName_ = value;
}

int CGramInfo::Attr(int id) {
  if (id < 1) return 0;
  if (id < kIdFirstCommon) return GramAttr(id);
  if (id < kIdFirstSemantic) return GetValue(id, 1);
  return SemAttr(id);
}

void CGramInfo::Attr(int id, unsigned char value) {
  if (id < 1) return;
  if (id < kIdFirstCommon) {
    GramAttr(id, value);
  } else if (id < kIdFirstSemantic) {
    SetValue(id, value, 1);
  } else {
    SemAttr(id, value);
  }
}

void CGramInfo::GramAttr(int id, unsigned char value) {
  if (id < 1 || id >= kIdFirstCommon) return;
  langAttrs_.SetAtGrow(id - 1, value);
}

int CGramInfo::GramAttr(int id) const {
  if (id < 1 || id > langAttrs_.GetSize()) return 0;
  return langAttrs_[id - 1];
}

// --- Names

MCString CGramInfo::IdToNameString(int id) { return MCString(GetGramAttrNameStr(id)); }

int CGramInfo::NameStringToId(MCString name) { return GetGramAttrNameId(name); }

// --- Paradigm

uint32_t CGramInfo::GetPara() const {
  return static_cast<uint32_t>(::MakeParadigm(paraNum_, paraBase_));
}

void CGramInfo::SetParadigmInfo(unsigned long packed, unsigned char /*mod*/) {
  paraNum_ = static_cast<int16_t>(packed & 0xFFFFu);
  paraBase_ = static_cast<unsigned char>((packed >> 16) & 0xFFu);
}

void CGramInfo::SetParadigmInfo(int num, int base, unsigned char /*mod*/) {
  SetParaNum(num);
  SetParaBase(base);
}
