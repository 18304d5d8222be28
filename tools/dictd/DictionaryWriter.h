// Writes a converted dictionary as a ".dic" file through the engine's own
// entry points (MDCreate, MDSetDicProperty, MDAddWords), then opens the new
// file and checks that it holds every article and that each head word is
// found. MDInit must have run. The dictionary builder and the benchmarks
// use it.
#pragma once

#include <cstdint>
#include <string>

#include "tools/dictd/ConvertedDictionary.h"

struct DictionaryProperties {
  uint16_t langIn = 0;
  uint16_t langOut = 0;
  std::string infoIn;  // at most 48 bytes are stored, in the code page
  std::string infoOut;
};

// The word list and the article list of MDAddWords for the articles: each
// text ends with a NUL, each list with an empty text.
void MakeWordLists(const ConvertedDictionary& dictionary, std::string* words,
                   std::string* articles);

// Creates the file at `path` (replacing one that is there) and adds every
// article in one request. False, with the reason in `error`, when the
// engine refuses a step; a file that was begun is removed again.
bool WriteDictionary(const ConvertedDictionary& dictionary, const DictionaryProperties& properties,
                     const std::string& path, std::string* error);

// Opens the file and checks the article count and that every head word is
// found; false with the reason otherwise.
bool VerifyDictionary(const ConvertedDictionary& dictionary, const std::string& path,
                      std::string* error);
