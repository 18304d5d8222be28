// Benchmarks of the dictionary engine on the real dictionaries: the
// English-Russian one (about 46,000 head words) and as much of the
// English-German one as the format holds, to show how costs grow with size.
// Every figure is per call of the entry points the dictionary system uses.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/MCFile.h"
#include "lexicon/DicSearchFlags.h"
#include "lexicon/MorvexLexicon.h"
#include "tools/dictd/ConvertedDictionary.h"
#include "tools/dictd/DictionaryWriter.h"
#include "tools/dictd/FormatCeilings.h"

namespace {

constexpr size_t kSampleWords = 1000;
constexpr int kViewerRows = 50;

struct BenchDictionary {
  const char* name;
  const char* path;
};
const BenchDictionary kMueller = {"Mueller", MORVEX_MUELLER_DIC};
const BenchDictionary kFreedict = {"FreedictEngDeu", MORVEX_FREEDICT_DIC};

// Closes the handle when it goes.
class Handle {
 public:
  explicit Handle(MD_HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_) MDClose(&handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  MD_HANDLE get() const { return handle_; }

 private:
  MD_HANDLE handle_;
};

bool Initialized() {
  static const bool initialized = MDInit(MORVEX_DATA_DIR) == MD_OK;
  return initialized;
}

// Head words spread evenly over the dictionary, in index order.
std::vector<std::string> SampleWords(MD_HANDLE dic) {
  std::vector<std::string> all;
  const char* word = nullptr;
  for (int status = MDFind(dic, kMDFindNear | kMDFindWordOnly, "", &word, nullptr); status == MD_OK;
       status = MDNext(dic, &word, nullptr)) {
    all.emplace_back(word);
  }
  std::vector<std::string> sample;
  const size_t step = all.size() / kSampleWords + 1;
  for (size_t i = 0; i < all.size(); i += step) sample.push_back(all[i]);
  return sample;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("morvex_bench_" + name)).string();
}

void CopyFile(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  out << in.rdbuf();
}

// The copy as an edit must make it: every byte on the disk before the file
// may replace the dictionary.
void CopyFileFlushed(const std::string& from, const std::string& to) {
  CopyFile(from, to);
  MCFile written(to.c_str(), MCFile::kTypeBinary | MCFile::kModeReadWrite);
  written.Flush();
}

// A benchmark over an opened dictionary and its sample words; skipped with
// a message when the dictionary is missing.
template <class Body>
void WithDictionary(benchmark::State& state, const BenchDictionary& dictionary, Body body) {
  Handle dic(Initialized() ? MDOpen(dictionary.path, 0) : nullptr);
  if (!dic.get()) {
    state.SkipWithError("the dictionary cannot be opened");
    return;
  }
  const std::vector<std::string> words = SampleWords(dic.get());
  if (words.empty()) {
    state.SkipWithError("the dictionary is empty");
    return;
  }
  body(state, dic.get(), words);
}

void FindExact(benchmark::State& state, const BenchDictionary* dictionary, int32_t flags) {
  WithDictionary(
      state, *dictionary,
      [flags](benchmark::State& s, MD_HANDLE dic, const std::vector<std::string>& words) {
        size_t next = 0;
        for (auto _ : s) {
          const char* article = nullptr;
          const int status = MDFind(dic, flags, words[next].c_str(), nullptr, &article);
          benchmark::DoNotOptimize(status);
          benchmark::DoNotOptimize(article);
          next = next + 1 == words.size() ? 0 : next + 1;
        }
      });
}

// The viewer's page: a near search with the vulgar filter, then 49 Next.
void ViewerPage(benchmark::State& state, const BenchDictionary* dictionary) {
  WithDictionary(state, *dictionary,
                 [](benchmark::State& s, MD_HANDLE dic, const std::vector<std::string>& words) {
                   size_t next = 0;
                   for (auto _ : s) {
                     const char* word = nullptr;
                     const char* article = nullptr;
                     const int32_t flags = kMDFindNear | kMDFindDictForm | kMDFindNoVulgar;
                     int status = MDFind(dic, flags, words[next].c_str(), &word, &article);
                     for (int row = 1; row < kViewerRows && status == MD_OK; ++row) {
                       status = MDNext(dic, &word, &article);
                     }
                     benchmark::DoNotOptimize(article);
                     next = next + 1 == words.size() ? 0 : next + 1;
                   }
                 });
}

void Open(benchmark::State& state, const BenchDictionary* dictionary) {
  if (!Initialized()) {
    state.SkipWithError("the language data cannot be loaded");
    return;
  }
  for (auto _ : state) {
    Handle dic(MDOpen(dictionary->path, 0));
    if (!dic.get()) {
      state.SkipWithError("the dictionary cannot be opened");
      break;
    }
  }
}

// The whole English-Russian dictionary built from its source list: the
// conversion of the dictd source is made once, before the timing.
void BuildFromSourceList(benchmark::State& state) {
  DictionarySource source{MORVEX_MUELLER_INDEX, MORVEX_MUELLER_DICT, SourceLayout::kMueller, 1033,
                          1049};
  ConvertedDictionary dictionary;
  std::string error;
  if (!Initialized() || !ConvertDictionary(source, &dictionary, &error)) {
    state.SkipWithError("the source cannot be converted");
    return;
  }
  ApplyFormatCeilings(FormatLimits(), &dictionary);
  std::string words;
  std::string articles;
  MakeWordLists(dictionary, &words, &articles);
  const std::string path = TempPath("build.dic");
  for (auto _ : state) {
    Handle dic(MDCreate(path.c_str()));
    MD_PROP prop = {};
    prop.flags = MD_PROP_TYPE | MD_PROP_LANG_IN | MD_PROP_LANG_OUT;
    prop.type = 1;
    prop.langIn = 1033;
    prop.langOut = 1049;
    if (!dic.get() || MDSetDicProperty(dic.get(), &prop) != MD_OK ||
        MDAddWords(dic.get(), words.c_str(), articles.c_str()) != MD_OK) {
      state.SkipWithError("the engine refused the dictionary");
      break;
    }
  }
  state.counters["articles"] = static_cast<double>(dictionary.articles.size());
  std::remove(path.c_str());
}

// Copying the dictionary file, the yardstick of one edit: the best of five.
template <class Copy>
double SecondsToCopy(const std::string& from, const std::string& to, Copy copy) {
  double best = 1e9;
  for (int i = 0; i < 5; ++i) {
    const auto start = std::chrono::steady_clock::now();
    copy(from, to);
    const auto end = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double>(end - start).count());
  }
  return best;
}

template <void (*Copy)(const std::string&, const std::string&)>
void CopyDictionaryFile(benchmark::State& state) {
  const std::string copy = TempPath("copy.dic");
  for (auto _ : state) Copy(MORVEX_MUELLER_DIC, copy);
  std::remove(copy.c_str());
}

// One request that rewrites a copy of the English-Russian dictionary, made
// by `request` with the iteration's parity. The counters give its time over
// that of copying the file, measured in the same run: copy_ratio against a
// copy left in the system's cache, flushed_copy_ratio against one flushed to
// the disk as the edit does.
template <class Request>
void RewriteRequest(benchmark::State& state, Request request) {
  const std::string path = TempPath("edit.dic");
  const std::string copy = TempPath("edit-copy.dic");
  CopyFile(MORVEX_MUELLER_DIC, path);
  const double copySeconds = SecondsToCopy(path, copy, CopyFile);
  const double flushedCopySeconds = SecondsToCopy(path, copy, CopyFileFlushed);
  std::remove(copy.c_str());
  Handle dic(Initialized() ? MDOpen(path.c_str(), MD_LOAD_WRITABLE) : nullptr);
  const char* article = nullptr;
  if (!dic.get() || MDFind(dic.get(), kMDFindExact, "dictionary", nullptr, &article) != MD_OK) {
    state.SkipWithError("the dictionary copy cannot be opened for editing");
    return;
  }
  const std::string texts[2] = {article, std::string(article) + "; x"};
  bool odd = true;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (request(dic.get(), texts[odd ? 1 : 0], odd) != MD_OK) {
      state.SkipWithError("the request failed");
      break;
    }
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    odd = !odd;
  }
  if (state.iterations() > 0) {
    const double perRequest = seconds / static_cast<double>(state.iterations());
    state.counters["copy_ratio"] = perRequest / copySeconds;
    state.counters["flushed_copy_ratio"] = perRequest / flushedCopySeconds;
  }
  std::remove(path.c_str());
}

// The article of one word changed, back and forth.
void EditWord(benchmark::State& state) {
  RewriteRequest(state, [](MD_HANDLE dic, const std::string& text, bool) {
    return MDEditWord(dic, "dictionary", "dictionary", text.c_str());
  });
}

// A new word added, then deleted again: both change the word list.
void AddOrDeleteWord(benchmark::State& state) {
  RewriteRequest(state, [](MD_HANDLE dic, const std::string& text, bool add) {
    return add ? MDAddWord(dic, "dictionaryx", text.c_str()) : MDDeleteWord(dic, "dictionaryx");
  });
}

void RegisterAll() {
  for (const BenchDictionary* dictionary : {&kMueller, &kFreedict}) {
    const std::string prefix = std::string(dictionary->name) + "/";
    benchmark::RegisterBenchmark((prefix + "FindExactDictForm").c_str(), FindExact, dictionary,
                                 kMDFindExact | kMDFindDictForm)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark((prefix + "FindExactWordOnly").c_str(), FindExact, dictionary,
                                 kMDFindExact | kMDFindWordOnly)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark((prefix + "ViewerPage").c_str(), ViewerPage, dictionary)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark((prefix + "Open").c_str(), Open, dictionary)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  }
  benchmark::RegisterBenchmark("Mueller/BuildFromSourceList", BuildFromSourceList)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
  benchmark::RegisterBenchmark("Mueller/CopyFile", CopyDictionaryFile<CopyFile>)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Mueller/CopyFileFlushed", CopyDictionaryFile<CopyFileFlushed>)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Mueller/EditWord", EditWord)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Mueller/AddOrDeleteWord", AddOrDeleteWord)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
