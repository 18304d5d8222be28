// The older grammar string form of CGramInfo (grammar/CGramInfo.h):
// StrToGramOld and OldDicStrToString, whose item decoder (slot 1,
// StrToGram1) reads nothing in this system, and the one-letter semantic codes
// of StrToSemanticsOld.
#include "grammar/CGramInfo.h"

namespace {

struct OldSemanticCode {
  char code;
  int id;
};

constexpr OldSemanticCode kOldSemanticCodes[] = {
    {'1', 282}, {'2', 283}, {'3', 284}, {'4', 285}, {'5', 286}, {'6', 287}, {'7', 288}, {'8', 289},
    {'@', 276}, {'A', 256}, {'C', 270}, {'D', 264}, {'F', 272}, {'G', 273}, {'I', 265}, {'L', 277},
    {'M', 271}, {'N', 268}, {'O', 261}, {'P', 263}, {'Q', 266}, {'S', 260}, {'T', 262}, {'W', 258},
    {'Z', 269}, {'a', 280}, {'d', 275}, {'n', 278}, {'p', 259}, {'q', 267}, {'r', 279}, {'s', 274},
};

}  // namespace

const char* CGramInfo::StrToGram1(const char* pos, char /*syn*/) { return pos; }

void CGramInfo::StrToGramOld(const MCString& text, char syn) {
  if (syn != 0) SetSyn(syn);
  const char* p = text;
  while (*p != 0) {
    const char* last = StrToGram1(p, syn);
    if (last < p) last = p;
    if (*last == 0) break;
    p = last + 1;
  }
}

MCString CGramInfo::OldDicStrToString(const MCString& text, char syn) {
  StrToGramOld(text, syn);
  MCString display;
  GramToString(display);
  return display;
}

const char* CGramInfo::StrToSemanticsOld(const char* p) {
  for (; *p != 0 && *p != ';' && *p != '\\'; ++p) {
    for (const OldSemanticCode& entry : kOldSemanticCodes) {
      if (entry.code == *p) {
        SemAttr(entry.id, 1);
        break;
      }
    }
  }
  return p;
}
