// Converted dictionaries into .dic files (tools/dictd/DictionaryWriter.h).
#include "tools/dictd/DictionaryWriter.h"

#include <cstdio>
#include <cstring>

#include "lexicon/DicSearchFlags.h"
#include "lexicon/MorvexLexicon.h"
#include "tools/dictd/ArticleText.h"

namespace {

constexpr size_t kInfoTextBytes = 48;  // the header's field; setting reads all 48

// Closes the handle it holds when it goes.
class OpenDictionary {
 public:
  explicit OpenDictionary(MD_HANDLE handle) : handle_(handle) {}
  ~OpenDictionary() {
    if (handle_) MDClose(&handle_);
  }
  OpenDictionary(const OpenDictionary&) = delete;
  OpenDictionary& operator=(const OpenDictionary&) = delete;
  MD_HANDLE get() const { return handle_; }

 private:
  MD_HANDLE handle_;
};

struct InfoField {
  char bytes[kInfoTextBytes] = {};
  explicit InfoField(const std::string& text) {
    std::memcpy(bytes, text.data(), text.size() < kInfoTextBytes ? text.size() : kInfoTextBytes);
  }
};

bool WriteInto(const ConvertedDictionary& dictionary, const DictionaryProperties& properties,
               const std::string& path, std::string* error) {
  OpenDictionary dic(MDCreate(path.c_str()));
  if (!dic.get()) {
    *error = path + ": cannot be created";
    return false;
  }
  const InfoField infoIn(properties.infoIn);
  const InfoField infoOut(properties.infoOut);
  MD_PROP prop = {};
  prop.flags =
      MD_PROP_TYPE | MD_PROP_LANG_IN | MD_PROP_LANG_OUT | MD_PROP_INFO_IN | MD_PROP_INFO_OUT;
  prop.type = kBuiltDictionaryType;
  prop.langIn = properties.langIn;
  prop.langOut = properties.langOut;
  prop.infoIn = infoIn.bytes;
  prop.infoOut = infoOut.bytes;
  if (MDSetDicProperty(dic.get(), &prop) != MD_OK) {
    *error = path + ": the dictionary's properties cannot be set";
    return false;
  }
  if (dictionary.articles.empty()) return true;
  std::string words;
  std::string articles;
  MakeWordLists(dictionary, &words, &articles);
  if (MDAddWords(dic.get(), words.c_str(), articles.c_str()) != MD_OK) {
    *error = path + ": the engine refused to add the articles";
    return false;
  }
  return true;
}

}  // namespace

void MakeWordLists(const ConvertedDictionary& dictionary, std::string* words,
                   std::string* articles) {
  words->clear();
  articles->clear();
  for (const ConvertedArticle& article : dictionary.articles) {
    words->append(article.word).push_back('\0');
    articles->append(article.text).push_back('\0');
  }
  words->push_back('\0');
  articles->push_back('\0');
}

bool WriteDictionary(const ConvertedDictionary& dictionary, const DictionaryProperties& properties,
                     const std::string& path, std::string* error) {
  if (WriteInto(dictionary, properties, path, error)) return true;
  std::remove(path.c_str());
  return false;
}

bool VerifyDictionary(const ConvertedDictionary& dictionary, const std::string& path,
                      std::string* error) {
  OpenDictionary dic(MDOpen(path.c_str(), 0));
  if (!dic.get()) {
    *error = path + ": cannot be opened";
    return false;
  }
  MD_PROP prop = {};
  prop.flags = MD_PROP_COUNT;
  if (MDGetDicProperty(dic.get(), &prop) != MD_OK ||
      prop.articleCount != dictionary.articles.size()) {
    *error = path + ": holds " + std::to_string(prop.articleCount) + " articles, not " +
             std::to_string(dictionary.articles.size());
    return false;
  }
  unsigned missing = 0;
  std::string firstMissing;
  for (const ConvertedArticle& article : dictionary.articles) {
    if (MDFind(dic.get(), kMDFindWordOnly, article.word.c_str(), nullptr, nullptr) == MD_OK) {
      continue;
    }
    if (missing++ == 0) firstMissing = article.word;
  }
  if (missing > 0) {
    *error = path + ": " + std::to_string(missing) + " head words are not found, the first \"" +
             firstMissing + "\"";
    return false;
  }
  return true;
}
