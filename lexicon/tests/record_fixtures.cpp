#include "lexicon/tests/record_fixtures.h"

#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"
#include "lexicon/tests/dic_test_support.h"

CSynonym* AddSynonym(CSynonymGroup& group, std::vector<std::string> words) {
  CSynonym* synonym = group.AddNewSynonym();
  for (const std::string& word : words) synonym->AddNewWordComb()->SetSynonym(word.c_str());
  return synonym;
}

CSynonymGroup* AddGroup(CMeaning& meaning, uint8_t number,
                        std::vector<std::vector<std::string>> synonyms) {
  CSynonymGroup* group = meaning.AddNewSynonymGroup();
  group->SetGroupNumber(number);
  for (const auto& words : synonyms) AddSynonym(*group, words);
  return group;
}

CMeaning* AddMeaning(CEntry& entry, char syn, const char* attr) {
  CMeaning* meaning = entry.AddNewMeaning();
  meaning->SetSyn(syn);
  meaning->SetAttr(attr);
  return meaning;
}

void BuildHouse(CEntry& entry) {
  entry.SetSyn('n');
  entry.SetAttr("m");
  CMeaning* meaning = AddMeaning(entry, 'n');
  AddGroup(*meaning, 1, {{"house"}, {"building"}});
  AddGroup(*meaning, 2, {{"home"}});
}

void BuildRunOff(CEntry& entry) {
  entry.SetSyn('V');
  CMeaning* meaning = AddMeaning(entry, 'V');
  CSynonymGroup* first = AddGroup(*meaning, 1, {{"run", "off"}, {"flee"}});
  CSynonym* runOff = first->GetAtSynonym(0);
  runOff->SetContextType(CSynonym::kContextLeft);
  runOff->SetContext("away");
  runOff->AddLabel("coll");
  AddGroup(*meaning, 2, {{"escape"}});
  entry.SetReference("run");
}

void BuildDefinitions(CEntry& entry) {
  entry.SetSyn('n');
  entry.SetAttr("f");
  CMeaning* meaning = AddMeaning(entry, 'a', "pl");
  CSynonymGroup* group = AddGroup(*meaning, 3, {{"word"}});
  group->SetDefinition("gd");
  CSynonym* synonym = group->GetAtSynonym(0);
  synonym->SetDefinition("sd");
  synonym->SetReference("sr");
  CWordComb* comb = synonym->GetAtWordComb(0);
  comb->SetSyn('v');
  comb->SetAttrType(CWordComb::kAttrAfter);
  comb->SetAttr("ca");
  entry.SetReference("er");
}

namespace {

void BuildCodesOnly(CEntry& entry) {
  AddMeaning(entry, 'N', "sg");
  entry.SetSyn('x');         // not stored in type 2
  entry.SetReference("no");  // neither is this
}

void BuildReferenceOnly(CEntry& entry) {
  entry.SetReference("see cat");
  AddMeaning(entry, 'n');  // not stored in types 3 and 7
}

void BuildEmptyAttribute(CEntry& entry) { entry.SetSyn('n'); }

// Synonym of one plain word, as the record holds it: no context, no label,
// one combination, no reference.
std::string PlainSynonym(const char* word) {
  return Bytes({0, 0, 0, 1, 0, static_cast<int>(std::string(word).size()), word, 0, 0, 0});
}

}  // namespace

const unsigned char* Data(const std::string& bytes) {
  return reinterpret_cast<const unsigned char*>(bytes.data());
}

std::vector<GoldenRecord> GoldenRecords() {
  return {
      {"type 1", 1, BuildHouse,
       Bytes({'n', 1, "m", 1, 'n', 0, 2, 1, 2}) + PlainSynonym("house") + PlainSynonym("building") +
           Bytes({2, 1}) + PlainSynonym("home") + Bytes({0})},
      {"type 1 with context, label and reference", 1, BuildRunOff,
       Bytes({'V',    0, 1, 'V', 0,     2, 1, 2, 'L', 4,     "away", 1, 4,
              "coll", 2, 0, 3,   "run", 0, 0, 0, 3,   "off", 0,      0, 0}) +
           PlainSynonym("flee") + Bytes({2, 1}) + PlainSynonym("escape") + Bytes({3, "run"})},
      {"type 2", 2, BuildCodesOnly, Bytes({1, 'N', 2, "sg"})},
      {"type 3", 3, BuildReferenceOnly, Bytes({7, "see cat"})},
      {"type 7", 7, BuildReferenceOnly, Bytes({7, "see cat"})},
      {"type 4", 4, BuildDefinitions,
       Bytes({'n', 1, "f", 1, 'a',    2,   "pl", 1,    3, 2,    "gd", 1,    0, 0,
              0,   1, 'v', 4, "word", 'R', 2,    "ca", 2, "sd", 2,    "sr", 2, "er"})},
      {"empty attribute", 1, BuildEmptyAttribute, Bytes({'n', 0, 0, 0})},
  };
}
