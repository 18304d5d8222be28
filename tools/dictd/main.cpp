// morvex_dictd_build: builds a dictionary file (.dic) from a dictd-format
// source through the engine's entry points.
//
//   morvex_dictd_build --data DIR --layout mueller|freedict
//       --lang-in ID --lang-out ID --index FILE.index --dict FILE.dict[.dz]
//       --out FILE.dic [--info-in TEXT] [--info-out TEXT] [--report FILE]
//
// DIR holds the compiled language data (Lang.dat and the grammar tables).
// Articles that cannot be stored whole are left out and listed (in the
// report file when one is named, else on the error output); the dictionary
// is still built. Exit code 0 when the file was written and checked, 1 for
// a wrong command line, 2 when the source cannot be read or the engine
// refuses the dictionary (no file is left then).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "lexicon/MorvexLexicon.h"
#include "tools/dictd/ConvertedDictionary.h"
#include "tools/dictd/DictionaryWriter.h"
#include "tools/dictd/FormatCeilings.h"

namespace {

constexpr int kExitUsage = 1;
constexpr int kExitFailed = 2;
constexpr size_t kInfoTextLimit = 48;

const char kUsage[] =
    "usage: morvex_dictd_build --data DIR --layout mueller|freedict --lang-in ID --lang-out ID\n"
    "       --index FILE --dict FILE --out FILE [--info-in TEXT] [--info-out TEXT]"
    " [--report FILE]\n";

bool ParseLanguage(const std::string& text, uint16_t* id) {
  char* end = nullptr;
  const unsigned long value = std::strtoul(text.c_str(), &end, 10);
  if (text.empty() || *end != 0 || value == 0 || value > 0xFFFF) return false;
  *id = static_cast<uint16_t>(value);
  return true;
}

std::string InfoText(const std::string& utf8, CodePage codePage) {
  std::string text = ConvertUtf8(utf8, codePage, nullptr);
  if (text.size() > kInfoTextLimit) {
    std::fprintf(stderr, "note: the information text \"%s\" is kept to its first %zu bytes\n",
                 utf8.c_str(), kInfoTextLimit);
    text.resize(kInfoTextLimit);
  }
  return text;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

bool WriteReport(const ConvertedDictionary& dictionary, const std::string& path) {
  FILE* out = path.empty() ? stderr : std::fopen(path.c_str(), "w");
  if (!out) return false;
  for (const std::string& problem : dictionary.problems) std::fprintf(out, "%s\n", problem.c_str());
  return out == stderr || std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
  DictionarySource source;
  DictionaryProperties properties;
  const std::set<std::string> required = {"--data",  "--layout", "--lang-in", "--lang-out",
                                          "--index", "--dict",   "--out"};
  const std::set<std::string> optional = {"--info-in", "--info-out", "--report"};
  bool usable = argc % 2 == 1;
  for (const std::string& name : required) usable = usable && options.count(name) != 0;
  for (const auto& option : options) {
    usable = usable && (required.count(option.first) != 0 || optional.count(option.first) != 0);
  }
  if (!usable || !ParseSourceLayout(options["--layout"], &source.layout) ||
      !ParseLanguage(options["--lang-in"], &source.langIn) ||
      !ParseLanguage(options["--lang-out"], &source.langOut)) {
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }
  source.indexPath = options["--index"];
  source.dataPath = options["--dict"];
  const std::string outPath = options["--out"];

  if (MDInit(options["--data"].c_str()) != MD_OK) {
    std::fprintf(stderr, "%s: the language data cannot be loaded\n", options["--data"].c_str());
    return kExitFailed;
  }
  ConvertedDictionary dictionary;
  std::string error;
  if (!ConvertDictionary(source, &dictionary, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitFailed;
  }
  ApplyFormatCeilings(FormatLimits(), &dictionary);

  const CodePage wordPage = CodePageOfLanguage(source.langIn);
  const CodePage textPage = CodePageOfLanguage(source.langOut);
  properties.langIn = source.langIn;
  properties.langOut = source.langOut;
  properties.infoIn =
      InfoText(options.count("--info-in") ? options["--info-in"] : dictionary.shortName, wordPage);
  properties.infoOut = InfoText(
      options.count("--info-out") ? options["--info-out"] : "dictd " + BaseName(source.indexPath),
      textPage);

  // Written beside its place and moved there once checked, so that a failed
  // build leaves no file that looks finished; a build running at the same
  // time writes its own.
  const std::string partPath = outPath + "." + std::to_string(getpid()) + ".part";
  if (!WriteDictionary(dictionary, properties, partPath, &error) ||
      !VerifyDictionary(dictionary, partPath, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::remove(partPath.c_str());
    return kExitFailed;
  }
  if (std::rename(partPath.c_str(), outPath.c_str()) != 0) {
    std::fprintf(stderr, "%s: cannot be moved to %s\n", partPath.c_str(), outPath.c_str());
    std::remove(partPath.c_str());
    return kExitFailed;
  }
  const std::string reportPath = options.count("--report") ? options["--report"] : std::string();
  if (!WriteReport(dictionary, reportPath)) {
    std::fprintf(stderr, "%s: the report cannot be written\n", reportPath.c_str());
  }
  std::printf(
      "%s: %zu articles from %u source entries; %zu left out%s%s; characters transliterated %u, "
      "dropped %u, malformed bytes %u\n",
      outPath.c_str(), dictionary.articles.size(), dictionary.sourceEntries,
      dictionary.problems.size(), reportPath.empty() ? "" : ", listed in ", reportPath.c_str(),
      dictionary.counts.transliterated, dictionary.counts.dropped, dictionary.counts.malformed);
  return 0;
}
