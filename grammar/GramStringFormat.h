// The byte layout of a dictionary grammar string, in one place: its marker
// bytes, the case letters, the limits of what the format carries, and where
// each item of a string ends.
//
// The dictionary grammar string is one byte per set attribute, followed by
// sections that a marker byte opens (person, subclass, case, government,
// paradigm, semantics, reference). The decoders, the encoders and the display
// conversions of CGramInfo (grammar/GramSectionDecoders.cpp,
// GramSectionWriters.cpp, GramDisplay.cpp) all go by these definitions, so
// that a string is cut into items the same way everywhere. Internal to
// MorvexMorph.
#pragma once

namespace gram_string {

// --- Marker bytes. Every other byte is an attribute id.
enum : unsigned char {
  kIgnoredB7 = 0xB7,  // passed over by the decoder
  kIgnoredB8 = 0xB8,
  kPersonMarker = 0xF1,     // digits '1'..'3'
  kCaseMarker = 0xF5,       // case letters, ':' and the letters of the second case set
  kControlMarker = 0xFA,    // letter of the governed case, ':' and the second one
  kParadigmMarker = 0xFC,   // number [modifier] [':' base], or a name
  kSubClassMarker = 0xFD,   // a decimal number or one character
  kReferenceMarker = 0xFE,  // any text up to the end of the string
  kSemanticsMarker = 0xFF,  // byte b is semantic byte b - 1
};

// --- Limits of the format.
enum : int {
  // The caller's buffer of GramToStr, terminator included.
  kDicStrBufferSize = 1024,
  // The longest paradigm name a string holds (and a decoder keeps).
  kMaxParadigmName = 80,
  // Language attributes are ids 1..127; byte i of the language array is id i + 1.
  kLangAttrCount = 127,
  // Common attributes written as plain bytes: ids 129..239.
  kFirstWrittenCommonId = 129,
  kLastWrittenCommonId = 239,
  // The semantic attribute of byte b in the semantics section is 255 + b.
  kSemanticIdBase = 255,
};

// Display markers that open the marked pieces of a display grammar string.
enum : char {
  kDisplayPerson = 'P',
  kDisplaySubClass = '&',
  kDisplayCase = '?',
  kDisplayControl = '$',
  kDisplayParadigm = '#',
  kDisplaySemantics = '%',
  kDisplayReference = '\\',
};

// The case bit (1, 2, 4, 8, 16, 32) of a Latin case letter N G D A I P or of
// its code page 1251 Cyrillic counterpart; 0 for any other character.
int CaseBitOfLetter(unsigned char c);
// Writes the letters of the case bits in the order N G D A I P (Latin, or the
// code page 1251 letters) and returns the position after them; no NUL.
char* WriteCaseLetters(unsigned bits, char* out);
char* WriteCyrillicCaseLetters(unsigned bits, char* out);

// Writes value in decimal and returns the position after it; no NUL.
char* WriteDecimal(unsigned value, char* out);
// Reads the decimal digits that start at p into *value (modulo 2^32; callers
// keep the low bits they store) and returns the position of the last digit.
// p must point at a digit.
const unsigned char* ReadDecimal(const unsigned char* p, unsigned* value);

bool IsDigit(unsigned char c);
// A marker byte that opens a section (0xF1, 0xF5, 0xFA, 0xFC-0xFF).
bool IsSectionMarker(unsigned char c);
// A semantic byte index (0-based) that the semantics section can carry: its
// byte index + 1 is neither NUL nor a byte that ends or is passed over in
// the section (0xFC, 0xFE, 0xFF).
bool IsWritableSemanticIndex(int index);

// A paradigm section as the decoder reads it.
struct ParadigmText {
  enum Kind { kNone, kNumber, kName } kind = kNone;
  unsigned number = 0;                  // kNumber
  unsigned char mod = 0;                // kNumber: the modifier character, 0 none
  unsigned base = 0;                    // kNumber: 0 when no base follows
  const unsigned char* name = nullptr;  // kName: the name's first character
  int nameLength = 0;                   // kName: all of it (callers keep kMaxParadigmName)
  const unsigned char* last = nullptr;  // the last character consumed
};
// marker points at the paradigm's marker; stops are the two characters that
// refuse a modifier and end a name (0xFE and 0xFF in a dictionary string).
ParadigmText ReadParadigm(const unsigned char* marker, const unsigned char* stops);

// A subclass section: the number (or the one character) and the last
// character consumed; hasValue is false for a marker at the end.
struct SubClassText {
  bool hasValue = false;
  unsigned value = 0;
  const unsigned char* last = nullptr;
};
SubClassText ReadSubClass(const unsigned char* marker);

// The position of the last character that the decoder consumes for the item
// that starts at p (p itself for a plain byte or a section with no content).
// Never a NUL: a marker at the end of the string consumes only itself.
const unsigned char* LastOfDecodedItem(const unsigned char* p);
// The same for the display walk, whose subclass and paradigm pieces take
// every character up to the next section marker (so that a display form
// converts back into the same bytes).
const unsigned char* LastOfDisplayedItem(const unsigned char* p);

// The last character before the first one (after p) in `ends` or NUL; p
// itself when that comes at once. ends is a NUL-terminated byte list.
const unsigned char* LastBefore(const unsigned char* p, const unsigned char* ends);

// End sets of the sections, after their marker.
extern const unsigned char kPersonEnds[];
extern const unsigned char kCaseEnds[];
extern const unsigned char kControlEnds[];
extern const unsigned char kSemanticsEnds[];
extern const unsigned char kParadigmNameEnds[];  // also the stops of ReadParadigm
extern const unsigned char kSubClassDisplayEnds[];

}  // namespace gram_string
