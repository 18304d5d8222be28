// morvex_compile_data DIR: compiles DIR/Lang.txt into DIR/Lang.dat and the
// grammar tables DIR/GramId.txt, DIR/GramVal.txt into their .dat files with
// the libraries' own loaders, and checks that the compiled files read back.
// Run by the build (tools/compile_data/CMakeLists.txt).
//
// Exit codes: 0 done, 1 the data could not be compiled, 2 wrong usage.

#include <cstdio>
#include <string>

#include "base/CLangData.h"
#include "base/MCFile.h"
#include "grammar/GrammarTables.h"

namespace {

const char kLangDat[] = "Lang.dat";

bool CompileLangData(const std::string& dir) {
  // Load trusts an existing cache: drop it so that the text is read.
  const std::string compiled = dir + "/" + kLangDat;
  MCFile::Remove(compiled.c_str());
  MCFile probe;
  if (probe.IsFileExist(compiled.c_str())) {
    std::fprintf(stderr, "morvex_compile_data: cannot replace %s\n", compiled.c_str());
    return false;
  }
  CLangData fromText;
  const int loaded = fromText.Load(dir.c_str(), kLangDat);
  if (loaded != CLangData::kLoaded) {
    std::fprintf(stderr, "morvex_compile_data: no language read from %s/Lang.txt (code %d)\n",
                 dir.c_str(), loaded);
    return false;
  }
  CLangData fromCache;
  if (!probe.IsFileExist(compiled.c_str()) ||
      fromCache.Load(dir.c_str(), kLangDat) != CLangData::kLoaded ||
      fromCache.GetLangCount() != fromText.GetLangCount()) {
    std::fprintf(stderr, "morvex_compile_data: %s was not written or does not read back\n",
                 compiled.c_str());
    return false;
  }
  std::printf("%s: %d languages\n", compiled.c_str(), fromCache.GetLangCount());
  return true;
}

// The grammar tables compile themselves when only their sources are there.
bool CompileGrammar(const std::string& dir) {
  const char* const compiledNames[] = {"GramId.dat", "GramVal.dat"};
  for (const char* name : compiledNames) MCFile::Remove((dir + "/" + name).c_str());
  const std::string prefix = dir + "/";
  if (!OpenGrammar(prefix.c_str())) {
    std::fprintf(stderr, "morvex_compile_data: the grammar tables in %s do not open\n",
                 dir.c_str());
    return false;
  }
  CloseGrammar();
  MCFile probe;
  for (const char* name : compiledNames) {
    const std::string compiled = prefix + name;
    if (!probe.IsFileExist(compiled.c_str())) {
      std::fprintf(stderr, "morvex_compile_data: %s was not written\n", compiled.c_str());
      return false;
    }
  }
  // Reopen from the compiled files alone.
  if (!OpenGrammar(prefix.c_str())) {
    std::fprintf(stderr, "morvex_compile_data: the compiled grammar tables do not read back\n");
    return false;
  }
  CloseGrammar();
  std::printf("%sGramId.dat, GramVal.dat: compiled\n", prefix.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: morvex_compile_data DATA_DIR\n");
    return 2;
  }
  return CompileLangData(argv[1]) && CompileGrammar(argv[1]) ? 0 : 1;
}
