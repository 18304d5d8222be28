// Article trees and the records they make, shared by the tests of the
// record reader (record_test.cpp) and of reading records in place
// (record_stream_test.cpp): one tree for each record layout, with the bytes
// it is written as.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

class CEntry;
class CMeaning;
class CSynonym;
class CSynonymGroup;

// --- Building trees.
CSynonym* AddSynonym(CSynonymGroup& group, std::vector<std::string> words);
CSynonymGroup* AddGroup(CMeaning& meaning, uint8_t number,
                        std::vector<std::vector<std::string>> synonyms);
CMeaning* AddMeaning(CEntry& entry, char syn, const char* attr = "");

// n[m] 1. house; building 2. home
void BuildHouse(CEntry& entry);
// V 1. (~ away) coll) run off; flee 2. escape \run
void BuildRunOff(CEntry& entry);
// A tree where every field of the type-4 layout is set.
void BuildDefinitions(CEntry& entry);

const unsigned char* Data(const std::string& bytes);

struct GoldenRecord {
  const char* name;
  uint8_t type;
  void (*build)(CEntry&);
  std::string bytes;
};

// Every layout, and the trees above, with their bytes.
std::vector<GoldenRecord> GoldenRecords();
