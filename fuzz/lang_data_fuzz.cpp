// Fuzzes the language data loader: the input is loaded as a compiled
// Lang.dat alone, then as a Lang.txt text source. A language that loads must
// serve words, and a text source that loads must have written a cache that
// reads back to the same alphabets.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/CLangData.h"
#include "fuzz/fuzz_scratch_dir.h"

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

// Runs every language's services over a word of its own letters.
void Exercise(CLangData& data) {
  for (CLang* lang = data.GetFirst(); lang; lang = data.GetNext()) {
    char word[CLang::kMaxLetters + 1] = {};
    for (int i = 0; i < lang->GetLetterCount(); ++i) word[i] = lang->GetLetter(i).upper;
    char out[3 * CLang::kMaxLetters + 1];
    lang->StrTransliterate(word, out);
    lang->StrAnsiToOem(word, out);
    if (Sign(lang->CompareSortUpDown(word, out)) != -Sign(lang->CompareSortUpDown(out, word))) {
      __builtin_trap();
    }
  }
}

bool SameAlphabets(CLangData& a, const CLangData& b) {
  if (a.GetLangCount() != b.GetLangCount()) return false;
  for (const CLang* x = a.GetFirst(); x; x = a.GetNext()) {
    const CLang* y = b.GetLang(x->GetLangId());
    if (!y || x->GetLetterCount() != y->GetLetterCount() ||
        std::strcmp(x->GetLanguageString(nullptr), y->GetLanguageString(nullptr)) != 0 ||
        std::strcmp(x->GetLangStr(nullptr), y->GetLangStr(nullptr)) != 0) {
      return false;
    }
    for (int i = 0; i < x->GetLetterCount(); ++i) {
      const CLangLetter p = x->GetLetter(i);
      const CLangLetter q = y->GetLetter(i);
      if (std::memcmp(&p, &q, sizeof p) != 0) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FuzzScratchDir& dir = FuzzScratchDir::Get();
  const std::string cache = dir.Path("Lang.dat");
  const std::string source = dir.Path("Lang.txt");
  const std::string dirPath = dir.Path("");

  std::remove(source.c_str());
  if (!dir.Write("Lang.dat", data, size)) return 0;
  {
    CLangData compiled;
    if (compiled.Load(dirPath.c_str(), "Lang.dat") == CLangData::kLoaded) Exercise(compiled);
  }

  std::remove(cache.c_str());
  if (!dir.Write("Lang.txt", data, size)) return 0;
  CLangData parsed;
  if (parsed.Load(dirPath.c_str(), "Lang.dat") != CLangData::kLoaded) return 0;
  Exercise(parsed);
  std::remove(source.c_str());
  CLangData reread;
  if (reread.Load(dirPath.c_str(), "Lang.dat") != CLangData::kLoaded ||
      !SameAlphabets(parsed, reread)) {
    __builtin_trap();
  }
  return 0;
}
