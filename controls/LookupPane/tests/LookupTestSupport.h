// What LookupPane's tests over the real dictionary system share: small
// dictionaries the test program builds through the engine (10, 60 and 200
// words, with vulgar and capitalised entries, references and web
// addresses), a started system whose registry lists are the test's, and
// the viewer of ViewerHarness handed those dictionaries.
#pragma once

#include <string>
#include <vector>

#include "ViewerHarness.h"
#include "dictsystem/tests/test_dictionaries.h"

namespace morvex::lookuppane::testing {

// A dictionary the tests build: its file and what it holds.
struct BuiltDictionary {
  std::string path;  // ANSI, Windows form
  uint16_t langIn;
  uint16_t langOut;
  std::vector<TestArticle> articles;
  // The head words a listing shows: sorted as the dictionary sorts them,
  // the vulgar ones left out.
  std::vector<std::string> listed;
};

// The test dictionaries, built once per run: `words` listed words (10, 60
// or 200) plus vulgar ones, English-Russian.
const BuiltDictionary& EnglishRussian(int words);
// A Russian-English one, for the direction and the Cyrillic strip.
const BuiltDictionary& RussianEnglish();
// An English-Russian one whose every word is vulgar.
const BuiltDictionary& AllVulgar();
// The article texts of the formatting and link tests, English-Russian.
const BuiltDictionary& Articles();

// A dictionary object of the file, closed, as the system reads one.
com::Ptr<IVelDictionary> DictionaryOf(const BuiltDictionary& dictionary);

class ViewerTest : public ViewerHarness {
 protected:
  void SetUp() override;
  void TearDown() override;

  // SetDictionary with a new object of the file.
  void Use(const BuiltDictionary& dictionary);

  com::Ptr<ILexiconHub> system_;
  com::Ptr<IVelDictionary> dictionary_;
};

// The slice of `listed` a window of 50 rows shows around `word`: starting
// at it, or ending at the last word when fewer follow; and the row of the
// word in it.
struct ExpectedWindow {
  std::vector<std::string> rows;
  int selected;
};
ExpectedWindow WindowAround(const std::vector<std::string>& listed, size_t index);
// The index of the word a lookup of `typed` lands on: the first listed word
// beginning with it, with it lower-cased, or with it shortened.
size_t IndexOfLookup(const std::vector<std::string>& listed, std::string typed);

}  // namespace morvex::lookuppane::testing
