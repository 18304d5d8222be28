// The part-of-speech names of CGramInfo::ConvSynToVelPart
// (grammar/CGramInfo.h): what the dictionary form of an article shows for
// its one-letter part-of-speech code.
#include "grammar/CGramInfo.h"

namespace {

struct PartOfSpeech {
  const char* codes;  // the codes of the name (code page 1251 bytes as escapes)
  const char* name;
};

constexpr PartOfSpeech kPartsOfSpeech[] = {
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
};

constexpr const char* kOtherPart = "Expr";

// The name of every code, looked up once per block of every article shown.
struct PartNames {
  const char* byCode[256];

  constexpr PartNames() : byCode() {
    for (const char*& name : byCode) name = kOtherPart;
    for (const PartOfSpeech& part : kPartsOfSpeech) {
      for (const char* code = part.codes; *code != 0; ++code) {
        byCode[static_cast<unsigned char>(*code)] = part.name;
      }
    }
  }
};

constexpr PartNames kPartNames;

}  // namespace

const char* CGramInfo::ConvSynToVelPart(char syn) {
  return kPartNames.byCode[static_cast<unsigned char>(syn)];
}
