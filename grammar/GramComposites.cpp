// The composite attributes of CGramInfo (Number, Gender, Person, Tense,
// Degree, Aspect, Mood ...) as they follow from the flag bytes.

#include "grammar/CGramInfo.h"

namespace {

// The bits of Mood.
constexpr unsigned char kMoodReflexive = 1;
constexpr unsigned char kMoodSubjunctive = 2;
constexpr unsigned char kMoodImperative = 4;

// The value of a composite that keep (SetGram) may protect: a kept one
// changes only while it is still 0.
unsigned char Derived(unsigned char current, int derived, int keep) {
  return keep == 0 || current == 0 ? static_cast<unsigned char>(derived) : current;
}

}  // namespace

int CGramInfo::GetNumbers() const {
  if (Plural_ != 0) return Singular_ != 0 ? 2 : 1;
  return PluralOnly_ != 0 ? 1 : 0;
}

void CGramInfo::SetNumbers(int n) {
  if (n == 0) {
    Plural_ = 0;
    if (PluralOnly_ == 0) Singular_ = 1;
  } else if (n == 1) {
    if (SingularOnly_ == 0) Plural_ = 1;
    Singular_ = 0;
  } else if (n == 2) {
    if (SingularOnly_ == 0) Plural_ = 1;
    if (PluralOnly_ == 0) Singular_ = 1;
  }
  Number_ = static_cast<unsigned char>(n);
}

int CGramInfo::GetGenders() const { return MGender_ + 2 * FGender_; }

void CGramInfo::SetGenders(int g) {
  if (g == 0) NGender_ = 1;
  if (g == 1 || g == 3) MGender_ = 1;
  if (g == 2 || g == 3) FGender_ = 1;
  Gender_ = static_cast<unsigned char>(g);
}

int CGramInfo::GetGender1() {
  int gender = GetGenders();
  if (gender == 3) gender = 1;
  Gender_ = static_cast<unsigned char>(gender);
  return Gender_;
}

int CGramInfo::GetPersons() const {
  if (Person3_ != 0 || Person3s_ != 0 || Person3p_ != 0) return 3;
  if (Person2_ != 0 || Person2s_ != 0 || Person2p_ != 0) return Person_ == 3 ? 3 : 2;
  if (Person1_ != 0 || Person1s_ != 0 || Person1p_ != 0) return Person_ == 3 ? 3 : 1;
  return Person_;
}

int CGramInfo::GetTenses() const {
  if (TenseFuture_ != 0) return 2;
  return TensePast_ != 0 ? 1 : 0;
}

int CGramInfo::GetDegrees() const {
  if (Comparative_ != 0) return 1;
  return Superlative_ != 0 ? 2 : 0;
}

int CGramInfo::IsPerfective() const {
  if (Imperfective_ != 0) return 0;
  if (Perfective_ != 0) return 1;
  return PerfectiveOnly_ != 0 && ImperfectiveOnly_ == 0 ? 1 : 0;
}

int CGramInfo::IsReflexive() const { return Reflexive_ != 0 || ReflexiveOnly_ != 0 ? 1 : 0; }

void CGramInfo::SetGram(char /*syn*/, int keep) {
  Number_ = Derived(Number_, GetNumbers(), keep);
  Gender_ = Derived(Gender_, GetGenders(), keep);
  Short_ = FullOnly_ != 0 ? 0 : ShortOnly_;
  Degree_ = Derived(Degree_, GetDegrees(), keep);
  Voice_ = ActiveOnly_ != 0 ? 0 : Passive_;
  unsigned char mood = Mood_;
  if (GetImperative() != 0) mood |= kMoodImperative;
  Tense_ = Derived(Tense_, GetTenses(), keep);
  const int perfective = IsPerfective();
  Aspect_ = static_cast<unsigned char>(perfective);
  Perfective_ = static_cast<unsigned char>(perfective);
  Reflexive_ = static_cast<unsigned char>(IsReflexive());
  mood = static_cast<unsigned char>(Reflexive_ != 0 ? (mood | kMoodReflexive)
                                                    : (mood & ~kMoodReflexive));
  if (Subj_ != 0) mood |= kMoodSubjunctive;
  Mood_ = mood;
}
