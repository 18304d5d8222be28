// The decoders of CGramInfo (grammar/CGramInfo.h): a dictionary grammar
// string into the record (StrToGram, DicStrToGram and the section decoders
// DicStrTo...), and the display form's section decoders (StringTo...).
//
// Each section decoder is given the position of its marker and returns the
// last position it consumed, which is never the terminator: grammar strings
// come from dictionary files, so a marker at the end of a string consumes
// only itself.
#include <cstring>

#include "grammar/CGramInfo.h"
#include "grammar/GramStringFormat.h"

using namespace gram_string;

namespace {

const unsigned char* Bytes(const char* p) { return reinterpret_cast<const unsigned char*>(p); }
const char* Chars(const unsigned char* p) { return reinterpret_cast<const char*>(p); }

// Display form: the end sets of the sections and the paradigm's stops.
const unsigned char kDisplayPersonEnds[] = "#$%&?\\";
const unsigned char kDisplayCaseEnds[] = "#$%&\\";
const unsigned char kDisplayControlEnds[] = "#%&?\\";
const unsigned char kDisplayParadigmStops[] = "%\\";
const unsigned char kDisplaySemanticsEnds[] = ";#\\";

// Every digit '1'..'3' of the section sets Person (the last one counts).
const char* DecodePerson(CGramInfo& gram, const char* marker, const unsigned char* ends) {
  const unsigned char* last = LastBefore(Bytes(marker), ends);
  for (const unsigned char* p = Bytes(marker) + 1; p <= last; ++p) {
    if (*p >= '1' && *p <= '3') gram.SetPerson(static_cast<unsigned char>(*p - '0'));
  }
  return Chars(last);
}

// Calls take(bit, second) for each case letter of the section, second
// being true after a ':'; returns the section's last character.
template <typename Take>
const char* ScanCaseLetters(const char* marker, const unsigned char* ends, Take take) {
  const unsigned char* last = LastBefore(Bytes(marker), ends);
  bool second = false;
  for (const unsigned char* p = Bytes(marker) + 1; p <= last; ++p) {
    if (*p == ':') {
      second = true;
      continue;
    }
    const unsigned char bit = static_cast<unsigned char>(CaseBitOfLetter(*p));
    if (bit != 0) take(bit, second);
  }
  return Chars(last);
}

// Case letters OR their bits into Case, after a ':' into Case2.
const char* DecodeCase(CGramInfo& gram, const char* marker, const unsigned char* ends) {
  return ScanCaseLetters(marker, ends, [&gram](unsigned char bit, bool second) {
    if (second) {
      gram.SetCase2(static_cast<unsigned char>(gram.GetCase2() | bit));
    } else {
      gram.SetCase(static_cast<unsigned char>(gram.GetCase() | bit));
    }
  });
}

// Each case letter sets Control to its bit (the last one counts), after a
// ':' Control2.
const char* DecodeControl(CGramInfo& gram, const char* marker, const unsigned char* ends) {
  return ScanCaseLetters(marker, ends, [&gram](unsigned char bit, bool second) {
    if (second) {
      gram.SetControl2(bit);
    } else {
      gram.SetControl(bit);
    }
  });
}

// The paradigm section replaces the whole paradigm. A name longer than the
// format allows is consumed whole and kept cut to kMaxParadigmName.
const char* DecodeParadigm(CGramInfo& gram, const char* marker, const unsigned char* stops,
                           bool dropQuotes) {
  const ParadigmText text = ReadParadigm(Bytes(marker), stops);
  gram.SetParaNum(CGramInfo::kNoParadigm);
  gram.SetParaBase(0);
  gram.SetParaMod(0);
  MCString name;
  if (text.kind == ParadigmText::kNumber) {
    gram.SetParaNum(static_cast<int>(text.number & 0xFFFFu));
    if (text.mod != 0) gram.SetParaMod(static_cast<char>(text.mod));
    gram.SetParaBase(static_cast<int>(text.base & 0xFFu));
  } else if (text.kind == ParadigmText::kName) {
    char kept[kMaxParadigmName];
    int length = 0;
    for (int i = 0; i < text.nameLength && length < kMaxParadigmName; ++i) {
      if (dropQuotes && text.name[i] == '"') continue;
      kept[length++] = static_cast<char>(text.name[i]);
    }
    name = MCString(kept, length);
    gram.SetParaNum(name.IsEmpty() ? CGramInfo::kNoParadigm : 0);
  }
  gram.SetValue(CGramInfo::kIdParaName, name);
  return Chars(text.last);
}

}  // namespace

// --- Dictionary grammar string.

void CGramInfo::StrToGram(const MCString& text, char /*syn*/) {
  const char* p = text;
  while (*p != 0) {
    const char* last = DicStrToGram(p);
    // A replaced decoder that reports no progress, or the terminator, ends
    // the walk rather than running off the string.
    if (last < p) last = p;
    if (*last == 0) break;
    p = last + 1;
  }
}

const char* CGramInfo::DicStrToGram(const char* p) {
  const unsigned char b = *Bytes(p);
  switch (b) {
    case kIgnoredB7:
    case kIgnoredB8:
      return p;
    case kPersonMarker:
      return DicStrToPerson(p);
    case kSubClassMarker:
      return DicStrToSubClass(p);
    case kCaseMarker:
      return DicStrToCase(p);
    case kControlMarker:
      return DicStrToControl(p);
    case kParadigmMarker:
      return DicStrToParadigm(p);
    case kSemanticsMarker:
      return DicStrToSemantics(p);
    case kReferenceMarker:
      return DicStrToReference(p);
    default:
      if (b != 0) SetValue(b, 1, 0);
      return p;
  }
}

const char* CGramInfo::DicStrToParadigm(const char* pos) {
  return DecodeParadigm(*this, pos, kParadigmNameEnds, false);
}

const char* CGramInfo::DicStrToSemantics(const char* pos) {
  ClearSemantics();
  const unsigned char* last = LastBefore(Bytes(pos), kSemanticsEnds);
  for (const unsigned char* p = Bytes(pos) + 1; p <= last; ++p) {
    if (*p != kSemanticsMarker) SemAttr(kIdFirstSemantic + *p - 1, 1);
  }
  return Chars(last);
}

const char* CGramInfo::DicStrToCase(const char* pos) { return DecodeCase(*this, pos, kCaseEnds); }

const char* CGramInfo::DicStrToControl(const char* pos) {
  return DecodeControl(*this, pos, kControlEnds);
}

const char* CGramInfo::DicStrToPerson(const char* pos) {
  return DecodePerson(*this, pos, kPersonEnds);
}

const char* CGramInfo::DicStrToSubClass(const char* pos) {
  const SubClassText text = ReadSubClass(Bytes(pos));
  if (text.hasValue) SetSubClass(static_cast<unsigned char>(text.value & 0xFFu));
  return Chars(text.last);
}

// A reference is kept by the article, not by the record: it is only consumed.
const char* CGramInfo::DicStrToReference(const char* pos) {
  return Chars(LastOfDecodedItem(Bytes(pos)));
}

// --- Display form.

const char* CGramInfo::StringToGram(const char* pos) {
  switch (*pos) {
    case kDisplayParadigm:
      return StringToParadigm(pos);
    case kDisplayControl:
      return StringToControl(pos);
    case kDisplaySemantics:
      return StringToSemantics(pos);
    case kDisplaySubClass:
      return StringToSubClass(pos);
    case kDisplayCase:
      return StringToCase(pos);
    case kDisplayPerson:
      return StringToPerson(pos);
    case kDisplayReference:
      return StringToReference(pos);
    default:
      return pos;
  }
}

// The whole-text display decoder has no body in this system.
void CGramInfo::StringToGram(const MCString& /*text*/) {}

const char* CGramInfo::StringToParadigm(const char* pos) {
  return DecodeParadigm(*this, pos, kDisplayParadigmStops, true);
}

// The names of the section ("%" and ':'-separated names without their "sem."
// prefix, as DicStrToString writes them) set their semantic attributes;
// unknown names set nothing.
const char* CGramInfo::StringToSemantics(const char* pos) {
  ClearSemantics();
  const unsigned char* last = LastBefore(Bytes(pos), kDisplaySemanticsEnds);
  const char* first = pos + 1;
  const MCString section(first, static_cast<int>(Chars(last) - first + 1));
  int start = 0;
  while (start <= section.GetLength()) {
    int end = section.Find(':', start);
    if (end < 0) end = section.GetLength();
    MCString name = section.Mid(start, end - start);
    name.Trim();
    if (!name.IsEmpty()) {
      const int id = NameStringToId(MCString("sem.") + name);
      if (id >= kIdFirstSemantic) SemAttr(id, 1);
    }
    start = end + 1;
  }
  return Chars(last);
}

const char* CGramInfo::StringToCase(const char* pos) {
  return DecodeCase(*this, pos, kDisplayCaseEnds);
}

const char* CGramInfo::StringToControl(const char* pos) {
  return DecodeControl(*this, pos, kDisplayControlEnds);
}

const char* CGramInfo::StringToPerson(const char* pos) {
  return DecodePerson(*this, pos, kDisplayPersonEnds);
}

const char* CGramInfo::StringToSubClass(const char* pos) { return DicStrToSubClass(pos); }

const char* CGramInfo::StringToReference(const char* pos) { return DicStrToReference(pos); }
