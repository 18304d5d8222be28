// The writers of CGramInfo (grammar/CGramInfo.h): the record as a dictionary
// grammar string (GramToStr, GramToDicStr and the section writers
// ...ToDicStr), the display form's section writers (...ToString), and the
// case letters (CaseToStr, c_case, x_case).
//
// Every section writes a bounded number of characters (the paradigm name is
// cut to the format's 80 characters, only the semantic bytes the format can
// carry are written), so the whole string always fits the 1024-character
// buffer of GramToStr; kMaxDicStrLength below is that bound.
#include <cstring>

#include "grammar/CGramInfo.h"
#include "grammar/GramCase.h"
#include "grammar/GramStringFormat.h"

using namespace gram_string;

namespace {

// The most that each part of a dictionary grammar string takes.
constexpr int kMaxCommonAttrs = kLastWrittenCommonId - kFirstWrittenCommonId + 1 - 3;
constexpr int kMaxPerson = 1 + 2 + 1;  // marker, two other persons, Person
constexpr int kMaxSubClass = 1 + 3;    // marker, 0..255
constexpr int kMaxCaseLetters = 6;
constexpr int kMaxCasePair = 1 + kMaxCaseLetters + 1 + kMaxCaseLetters;
constexpr int kMaxParadigmNumber = 1 + 5 + 1 + 1 + 3;  // marker, number, modifier, ':', base
constexpr int kMaxParadigm =
    kMaxParadigmNumber > 1 + kMaxParadigmName ? kMaxParadigmNumber : 1 + kMaxParadigmName;
constexpr int kMaxSemantics = 1 + 252;  // marker, the indices IsWritableSemanticIndex accepts
constexpr int kMaxDicStrLength = kMaxCommonAttrs + kLangAttrCount + kMaxPerson + kMaxSubClass +
                                 2 * kMaxCasePair + kMaxParadigm + kMaxSemantics;
static_assert(kMaxDicStrLength < kDicStrBufferSize, "a grammar string fits GramToStr's buffer");

// The part of the paradigm name that the format can hold: up to the first
// byte that would end it, at most kMaxParadigmName characters.
int WritableNameLength(const MCString& name) {
  int length = 0;
  while (length < name.GetLength() && length < kMaxParadigmName) {
    const unsigned char c = static_cast<unsigned char>(name[length]);
    if (c == kReferenceMarker || c == kSemanticsMarker) break;
    ++length;
  }
  return length;
}

// A paradigm given by name, else by number, modifier and base. The display
// form quotes a name and shows nothing for a paradigm number 0 without a
// name, whatever the modifier.
char* WriteParadigm(CGramInfo& gram, char marker, bool display, char* pos) {
  MCString name;
  gram.GetValue(CGramInfo::kIdParaName, name);
  const int nameLength = WritableNameLength(name);
  const int number = gram.GetParaNum();
  const char mod = gram.GetParaMod();
  if (number == 0 && nameLength > 0) {
    *pos++ = marker;
    if (display) *pos++ = '"';
    std::memcpy(pos, static_cast<const char*>(name), static_cast<size_t>(nameLength));
    pos += nameLength;
    if (display) *pos++ = '"';
    return pos;
  }
  if (number == 0 && (display || mod == 0)) return pos;
  *pos++ = marker;
  if (number == CGramInfo::kNoParadigm) return pos;
  // As the packed paradigm does, the number goes as unsigned 16 bits, so a
  // negative one reads back as itself instead of as a name.
  pos = WriteDecimal(static_cast<unsigned>(number) & 0xFFFFu, pos);
  if (mod != 0) *pos++ = mod;
  if (gram.GetParaBase() != 0) {
    *pos++ = ':';
    pos = WriteDecimal(static_cast<unsigned>(gram.GetParaBase()), pos);
  }
  return pos;
}

// A pair of case sets after one marker: the first set's letters, then ':'
// and the second's. A set is written when it is not 0 and, for the case
// sets, not exactly nominative.
char* WriteCasePair(CGramInfo& gram, char marker, unsigned char first, unsigned char second,
                    bool skipNominative, char* pos) {
  const auto written = [skipNominative](unsigned char bits) {
    return bits != 0 && !(skipNominative && bits == 1);
  };
  bool opened = false;
  if (written(first)) {
    *pos++ = marker;
    opened = true;
    pos = gram.CaseToStr(first, pos);
  }
  if (written(second)) {
    if (!opened) *pos++ = marker;
    *pos++ = ':';
    pos = gram.CaseToStr(second, pos);
  }
  return pos;
}

// The other persons that are set, then Person itself; the format's digits
// are 1..3, so a Person outside them writes no section.
char* WritePerson(const CGramInfo& gram, char marker, char* pos) {
  const int person = gram.GetPerson();
  if (person < 1 || person > 3) return pos;
  *pos++ = marker;
  const unsigned char flags[] = {gram.GetPerson1(), gram.GetPerson2(), gram.GetPerson3()};
  for (int i = 1; i <= 3; ++i) {
    if (flags[i - 1] != 0 && person != i) *pos++ = static_cast<char>('0' + i);
  }
  *pos++ = static_cast<char>('0' + person);
  return pos;
}

char* WriteSubClass(const CGramInfo& gram, char marker, char* pos) {
  if (gram.GetSubClass() == 0) return pos;
  *pos++ = marker;
  return WriteDecimal(gram.GetSubClass(), pos);
}

}  // namespace

// --- Dictionary grammar string.

void CGramInfo::GramToStr(MCString& out, char syn) {
  if (syn != 0) SetSyn(syn);
  char buf[kDicStrBufferSize];
  GramToDicStr(buf);
  out = buf;
}

char* CGramInfo::GramToDicStr(char* buf) {
  char* pos = CommonAttrToDicStr(buf);
  pos = LangAttrToDicStr(pos);
  pos = PersonToDicStr(pos);
  pos = SubClassToDicStr(pos);
  pos = CaseToDicStr(pos);
  pos = ControlToDicStr(pos);
  pos = ParadigmToDicStr(pos);
  pos = SemanticsToDicStr(pos);
  pos = ReferenceToDicStr(pos);
  *pos = 0;
  return buf;
}

// The tables decide which common attributes a dictionary stores: only those
// they name. Stat (128) and the paradigm's own ids are never written.
char* CGramInfo::CommonAttrToDicStr(char* pos) {
  for (int id = kFirstWrittenCommonId; id <= kLastWrittenCommonId; ++id) {
    if (id == kIdParaMod || id == kIdParaBase || id == kIdParaName) continue;
    if (GetValue(id, 1) != 0 && !IdToNameString(id).IsEmpty()) *pos++ = static_cast<char>(id);
  }
  return pos;
}

char* CGramInfo::LangAttrToDicStr(char* pos) {
  const int count = langAttrs_.GetSize() < kLangAttrCount ? langAttrs_.GetSize() : kLangAttrCount;
  for (int i = 0; i < count; ++i) {
    if (langAttrs_[i] != 0) *pos++ = static_cast<char>(i + 1);
  }
  return pos;
}

char* CGramInfo::PersonToDicStr(char* pos) {
  return WritePerson(*this, static_cast<char>(kPersonMarker), pos);
}

char* CGramInfo::SubClassToDicStr(char* pos) {
  return WriteSubClass(*this, static_cast<char>(kSubClassMarker), pos);
}

char* CGramInfo::CaseToDicStr(char* pos) {
  return WriteCasePair(*this, static_cast<char>(kCaseMarker), GetCase(), GetCase2(), true, pos);
}

char* CGramInfo::ControlToDicStr(char* pos) {
  return WriteCasePair(*this, static_cast<char>(kControlMarker), GetControl(), GetControl2(), false,
                       pos);
}

char* CGramInfo::ParadigmToDicStr(char* pos) {
  return WriteParadigm(*this, static_cast<char>(kParadigmMarker), false, pos);
}

// Semantic indices whose byte would be NUL or a byte that ends the section
// cannot be stored and are left out.
char* CGramInfo::SemanticsToDicStr(char* pos) {
  const MCByteArray& bytes = semantics_.GetBytes();
  if (bytes.GetSize() == 0) return pos;
  *pos++ = static_cast<char>(kSemanticsMarker);
  for (int i = 0; i < bytes.GetSize(); ++i) {
    if (bytes[i] != 0 && IsWritableSemanticIndex(i)) *pos++ = static_cast<char>(i + 1);
  }
  return pos;
}

// The reference belongs to the article; the record has none to write.
char* CGramInfo::ReferenceToDicStr(char* pos) { return pos; }

char* CGramInfo::CaseToStr(unsigned char bits, char* out) { return WriteCaseLetters(bits, out); }

// --- Display writers.

char* CGramInfo::ParadigmToString(char* pos) {
  return WriteParadigm(*this, kDisplayParadigm, true, pos);
}

// The full names of the set semantic attributes, one after another.
char* CGramInfo::SemanticsToString(char* pos) {
  const MCByteArray& bytes = semantics_.GetBytes();
  if (bytes.GetSize() == 0) return pos;
  *pos++ = kDisplaySemantics;
  for (int i = 0; i < bytes.GetSize(); ++i) {
    if (bytes[i] == 0) continue;
    const MCString name = IdToNameString(kIdFirstSemantic + i);
    std::memcpy(pos, static_cast<const char*>(name), static_cast<size_t>(name.GetLength()));
    pos += name.GetLength();
  }
  return pos;
}

char* CGramInfo::CaseToString(char* pos) {
  return WriteCasePair(*this, kDisplayCase, GetCase(), GetCase2(), true, pos);
}

char* CGramInfo::ControlToString(char* pos) {
  return WriteCasePair(*this, kDisplayControl, GetControl(), GetControl2(), false, pos);
}

char* CGramInfo::PersonToString(char* pos) { return WritePerson(*this, kDisplayPerson, pos); }

char* CGramInfo::SubClassToString(char* pos) { return WriteSubClass(*this, kDisplaySubClass, pos); }

char* CGramInfo::ReferenceToString(char* pos) { return pos; }

// --- Exported case helpers.

char* c_case(int bits, char* out) {
  return WriteCyrillicCaseLetters(static_cast<unsigned>(bits), out);
}

int x_case(int bits) {
  for (int number = 1; number <= 5; ++number) {
    if (bits & (1 << number)) return number;
  }
  return 0;
}
