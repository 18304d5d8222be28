#include "e2e/DictionaryWords.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <random>

#include "LexiconHub.h"
#include "com/Automation.h"
#include "com/ComPtr.h"

namespace morvex::e2e {

namespace {

using com::Bstr;
using com::Ptr;

// Short words are often abbreviations with odd articles; long ones do not
// change what is measured.
constexpr size_t kShortest = 3;
constexpr size_t kLongest = 14;
constexpr size_t kShortestTranslation = 3;
// More head words than any shipped dictionary has: a walk that does not
// end is a fault of the dictionary, not a long list.
constexpr long kMostSteps = 1000000;

bool PlainWord(const std::wstring& word) {
  if (word.size() < kShortest || word.size() > kLongest) return false;
  for (wchar_t c : word)
    if (c < L'a' || c > L'z') return false;
  return true;
}

bool Cyrillic(wchar_t c) { return c >= L'\u0430' && c <= L'\u044F'; }

bool Boundary(wchar_t c) { return iswspace(c) || wcschr(L",;.:()[]!?\"", c) != nullptr; }

// The first run of lower-case Cyrillic letters long enough to be a word.
std::wstring FirstRussianWord(const std::wstring& article) {
  size_t start = 0;
  while (start < article.size()) {
    while (start < article.size() && !Cyrillic(article[start])) ++start;
    size_t end = start;
    while (end < article.size() && Cyrillic(article[end])) ++end;
    // A run glued to anything else (a stress mark, a letter outside the
    // run) may be shown split: only whole words count.
    const bool whole = (start == 0 || Boundary(article[start - 1])) &&
                       (end == article.size() || Boundary(article[end]));
    if (end - start >= kShortestTranslation && whole) return article.substr(start, end - start);
    start = end;
  }
  return {};
}

Ptr<IVelDictionary> FindDictionary(ILexiconHub* hub, long langIn, long langOut) {
  Ptr<IVelDictCollection> dictionaries;
  long count = 0;
  if (FAILED(hub->get_MorDictColl(dictionaries.Put())) || !dictionaries ||
      FAILED(dictionaries->get_Count(&count)))
    return nullptr;
  for (long i = 1; i <= count; ++i) {
    Ptr<IVelDictionary> dictionary;
    long in = 0, out = 0;
    if (SUCCEEDED(dictionaries->get_Item(i, dictionary.Put())) && dictionary &&
        SUCCEEDED(dictionary->get_LangIn(&in)) && SUCCEEDED(dictionary->get_LangOut(&out)) &&
        in == langIn && out == langOut)
      return dictionary;
  }
  return nullptr;
}

void Keep(const Bstr& word, const Bstr& article, std::vector<DictionaryWord>* words) {
  DictionaryWord entry{word.Text(), FirstRussianWord(article.Text())};
  if (PlainWord(entry.word) && !entry.translation.empty()) words->push_back(std::move(entry));
}

}  // namespace

bool ReadDictionaryWords(long langIn, long langOut, std::vector<DictionaryWord>* words,
                         std::wstring* error) {
  words->clear();
  CLSID clsid;
  Ptr<ILexiconHub> hub;
  if (FAILED(CLSIDFromProgID(L"Morvex.LexiconHub", &clsid)) ||
      FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, __uuidof(ILexiconHub),
                              hub.PutVoid())) ||
      FAILED(hub->Init())) {
    *error = L"the dictionary system is not installed";
    return false;
  }
  Ptr<IVelDictionary> dictionary = FindDictionary(hub.Get(), langIn, langOut);
  if (!dictionary) {
    *error = L"no such dictionary is installed";
    return false;
  }
  if (FAILED(dictionary->Open(vdsOpenRead))) {
    *error = L"the dictionary does not open";
    return false;
  }
  // From the first head word on, one step at a time.
  Bstr word, article;
  HRESULT result = dictionary->Find(vdfFindNear, Bstr(L"a").Get(), word.Put(), article.Put());
  for (long step = 0; SUCCEEDED(result) && !word.IsNull() && step < kMostSteps; ++step) {
    Keep(word, article, words);
    result = dictionary->Next(word.Put(), article.Put());
  }
  dictionary->Close();
  if (words->empty()) *error = L"the dictionary holds no plain word with a Russian article";
  return !words->empty();
}

std::vector<DictionaryWord> DrawWords(const std::vector<DictionaryWord>& words, size_t count,
                                      uint32_t seed) {
  // mt19937's sequence is the same everywhere; the reduction is ours.
  std::mt19937 draw(seed);
  std::vector<DictionaryWord> drawn;
  drawn.reserve(count);
  for (size_t i = 0; i < count; ++i) drawn.push_back(words[draw() % words.size()]);
  return drawn;
}

}  // namespace morvex::e2e
