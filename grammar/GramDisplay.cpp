// The display forms of a dictionary grammar string, members of CGramInfo
// (grammar/CGramInfo.h): the readable form with attribute names and marked
// pieces separated by ';' (DicStrToString, GramToString), its way back
// (StringToDicStr), and the one-line attribute text of an article's
// dictionary form (DicStrToVelString).
//
// Names come through the record's name slots (IdToNameString,
// NameStringToId), so they are whatever the installed grammar tables give.
#include "grammar/CGramInfo.h"
#include "grammar/GramStringFormat.h"

using namespace gram_string;

namespace {

const unsigned char* Bytes(const char* p) { return reinterpret_cast<const unsigned char*>(p); }

// The characters first..last (none when last < first).
MCString Span(const unsigned char* first, const unsigned char* last) {
  const int count = last >= first ? static_cast<int>(last - first + 1) : 0;
  return MCString(reinterpret_cast<const char*>(first), count);
}

void AppendPiece(MCString& out, const MCString& piece, char separator) {
  if (piece.IsEmpty()) return;
  if (!out.IsEmpty()) out += separator;
  out += piece;
}

const char* kSemanticPrefix = "sem.";
constexpr int kSemanticPrefixLength = 4;

// The display marker of a dictionary section marker, or 0.
char DisplayMarkerOf(unsigned char marker) {
  switch (marker) {
    case kPersonMarker:
      return kDisplayPerson;
    case kCaseMarker:
      return kDisplayCase;
    case kControlMarker:
      return kDisplayControl;
    case kSubClassMarker:
      return kDisplaySubClass;
    case kParadigmMarker:
      return kDisplayParadigm;
    case kSemanticsMarker:
      return kDisplaySemantics;
    case kReferenceMarker:
      return kDisplayReference;
    default:
      return 0;
  }
}

unsigned char DicMarkerOf(char display) {
  switch (display) {
    case kDisplayPerson:
      return kPersonMarker;
    case kDisplayCase:
      return kCaseMarker;
    case kDisplayControl:
      return kControlMarker;
    case kDisplaySubClass:
      return kSubClassMarker;
    case kDisplayParadigm:
      return kParadigmMarker;
    case kDisplaySemantics:
      return kSemanticsMarker;
    case kDisplayReference:
      return kReferenceMarker;
    default:
      return 0;
  }
}

// The bytes DicStrToVelString shows: the common attributes a reader wants to
// see, and the person section.
bool StartsVelItem(unsigned char b) {
  return (b >= 129 && b <= 182) || (b >= 187 && b <= 244) || (b >= 246 && b <= 249) || b == 251;
}

// The trimmed piece of text from `from` up to the next ';' (or the end);
// *next becomes the position after that ';' (or the length).
MCString PieceAt(const MCString& text, int from, int* next) {
  int end = text.Find(';', from);
  if (end < 0) end = text.GetLength();
  *next = end + 1;
  MCString piece = text.Mid(from, end - from);
  piece.Trim();
  return piece;
}

bool StartsQuotedParadigm(const MCString& piece) {
  return piece.GetLength() >= 2 && piece[0] == kDisplayParadigm && piece[1] == '"';
}

// A piece by its first character: a marked piece becomes its section marker
// and the rest unchanged; any other piece is an attribute name. Pieces that
// the string cannot carry (empty, unknown names, ids that are no plain
// attribute byte, semantic names that give no section byte) are dropped, so
// they never turn into a marker that swallows the items after them.
void AppendConvertedPiece(CGramInfo& gram, const MCString& piece, MCString& out) {
  if (piece.IsEmpty()) return;
  const unsigned char marker = DicMarkerOf(piece[0]);
  if (marker == kSemanticsMarker) {
    out += static_cast<char>(marker);
    const MCString names = piece.Mid(1);
    int start = 0;
    while (start <= names.GetLength()) {
      int end = names.Find(':', start);
      if (end < 0) end = names.GetLength();
      MCString name = names.Mid(start, end - start);
      name.Trim();
      start = end + 1;
      if (name.IsEmpty()) continue;
      const int byte = gram.NameStringToId(MCString(kSemanticPrefix) + name) - kSemanticIdBase;
      if (byte >= 1 && byte < kSemanticsMarker && IsWritableSemanticIndex(byte - 1)) {
        out += static_cast<char>(byte);
      }
    }
  } else if (marker != 0) {
    out += static_cast<char>(marker);
    out += piece.Mid(1);
  } else {
    const int id = gram.NameStringToId(piece);
    if (id >= 1 && id <= 255 && !IsSectionMarker(static_cast<unsigned char>(id))) {
      out += static_cast<char>(id);
    }
  }
}

}  // namespace

// --- Dictionary string to display form.

MCString CGramInfo::DicStrToString(const MCString& dic) {
  MCString out;
  const unsigned char* p = Bytes(dic);
  while (*p != 0) {
    const unsigned char* last = LastOfDisplayedItem(p);
    MCString piece;
    const char marker = DisplayMarkerOf(*p);
    if (marker == 0) {
      piece = IdToNameString(*p);
    } else if (*p == kSemanticsMarker) {
      piece = kDisplaySemantics;
      bool first = true;
      for (const unsigned char* q = p + 1; q <= last; ++q) {
        if (*q == kSemanticsMarker) continue;
        // Only a semantic attribute's name stands for it here; a byte whose
        // id has no "sem." name has nothing to show.
        const MCString name = IdToNameString(kSemanticIdBase + *q);
        if (!name.StartsWith(kSemanticPrefix) || name.GetLength() == kSemanticPrefixLength) {
          continue;
        }
        if (!first) piece += ':';
        piece += name.Mid(kSemanticPrefixLength);
        first = false;
      }
    } else {
      piece = marker;
      const bool quoted = *p == kParadigmMarker && last > p && !IsDigit(p[1]);
      if (quoted) piece += '"';
      piece += Span(p + 1, last);
      if (quoted) piece += '"';
    }
    AppendPiece(out, piece, ';');
    p = last + 1;
  }
  return out;
}

void CGramInfo::GramToString(MCString& out) {
  MCString dic;
  GramToStr(dic, 0);
  out = DicStrToString(dic);
}

// --- Display form to dictionary string.

MCString CGramInfo::StringToDicStr(const MCString& display) {
  MCString out;
  int pos = 0;
  const int length = display.GetLength();
  while (pos < length) {
    int next = 0;
    MCString piece = PieceAt(display, pos, &next);
    if (StartsQuotedParadigm(piece)) {
      // The name runs to its closing quote, ';' included.
      const int open = display.Find("#\"", pos);
      int close = display.Find('"', open + 2);
      if (close < 0) close = length;
      AppendConvertedPiece(*this, MCString("#") + display.Mid(open + 2, close - open - 2), out);
      next = display.Find(';', close);
      pos = next < 0 ? length : next + 1;
      continue;
    }
    if (!piece.IsEmpty() && piece[0] == kDisplayReference) {
      // A reference is the rest of the string, as in the dictionary form.
      const int backslash = display.Find(kDisplayReference, pos);
      AppendConvertedPiece(*this, display.Mid(backslash), out);
      break;
    }
    if (!piece.IsEmpty() && piece[0] == kDisplayParadigm) {
      // An unquoted paradigm takes the pieces after it, up to semantics or a
      // reference, which may hold the characters of its section.
      while (next < length) {
        int after = 0;
        const MCString more = PieceAt(display, next, &after);
        if (!more.IsEmpty() && (more[0] == kDisplaySemantics || more[0] == kDisplayReference ||
                                StartsQuotedParadigm(more))) {
          break;
        }
        piece += ';';
        piece += more;
        next = after;
      }
    }
    AppendConvertedPiece(*this, piece, out);
    pos = next;
  }
  return out;
}

// --- Attribute text of the dictionary form.

// Sections other than the person are passed over whole, as the decoder
// consumes them: their contents (paradigm names, references, semantic bytes,
// Cyrillic case letters) are text or numbers, not attribute ids.
MCString CGramInfo::DicStrToVelString(const MCString& dic) {
  MCString out;
  const unsigned char* p = Bytes(dic);
  while (*p != 0) {
    const unsigned char* last = LastOfDecodedItem(p);
    if (*p == kPersonMarker) {
      AppendPiece(out, MCString("pers") + Span(p + 1, last), ' ');
    } else if (StartsVelItem(*p)) {
      AppendPiece(out, IdToNameString(*p), ' ');
    }
    p = last + 1;
  }
  return out;
}
