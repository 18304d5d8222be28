#include "lexicon/tests/shipped_alphabets.h"

#include <fstream>
#include <sstream>

#include "base/CLangData.h"
#include "base/tests/wordlist_support.h"

namespace {

constexpr unsigned short kRussian = 0x419;

}  // namespace

bool LoadShippedAlphabets() {
  static const bool loaded = [] {
    std::ifstream source(MORVEX_SOURCE_DATA_DIR "/Lang.txt", std::ios::binary);
    if (!source) return false;
    std::stringstream text;
    text << source.rdbuf();
    // Loading the text writes the compiled Lang.dat beside it, so the copy
    // goes into a directory of the test's own, never into the source tree.
    static ScratchDir dir;
    dir.Write("Lang.txt", text.str());
    return GetLangData()->Load(dir.DirWithSeparator().c_str(), "Lang.dat") == CLangData::kLoaded &&
           GetLang(kRussian) != nullptr;
  }();
  return loaded;
}
