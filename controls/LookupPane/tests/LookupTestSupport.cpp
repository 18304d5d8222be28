#include "LookupTestSupport.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "com/Automation.h"
#include "com/WideText.h"
#include "dictsystem/tests/hub_test_support.h"

namespace morvex::lookuppane::testing {

namespace {

// "дом", "здание", "цвет" in code page 1251.
constexpr char kHouseRu[] = "\xE4\xEE\xEC";
constexpr char kBuildingRu[] = "\xE7\xE4\xE0\xED\xE8\xE5";
constexpr char kColourRu[] = "\xF6\xE2\xE5\xF2";

// The engine of this program builds the dictionaries.
class EngineEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(InitTestEngine()); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

std::string Lower(std::string word) {
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

// The words of the generated dictionaries: a letter, "a" and an ending,
// for every letter but z, in dictionary order.
std::vector<std::string> GeneratedWords() {
  static const char* const kEndings[] = {"ble", "cket", "dge", "ment", "ness", "rry", "st", "ter"};
  std::vector<std::string> words;
  for (char letter = 'a'; letter < 'z'; ++letter)
    for (const char* ending : kEndings) words.push_back(std::string(1, letter) + "a" + ending);
  return words;
}

// Latin words as the English alphabet orders them: letter by letter, a
// capital before its small letter.
void SortAsTheDictionary(std::vector<std::string>* words) {
  auto rank = [](char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return 2 * std::tolower(byte) + (std::islower(byte) ? 1 : 0);
  };
  std::sort(words->begin(), words->end(), [&rank](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&rank](char x, char y) { return rank(x) < rank(y); });
  });
}

BuiltDictionary Build(const std::string& name, uint16_t langIn, uint16_t langOut,
                      std::vector<TestArticle> articles) {
  static const std::string directory = FreshDirectory("lookuppane-dictionaries");
  BuiltDictionary built;
  built.path = directory + name + ".dic";
  built.langIn = langIn;
  built.langOut = langOut;
  for (const TestArticle& article : articles)
    if (article.text.find("vulg)") == std::string::npos) built.listed.push_back(article.word);
  SortAsTheDictionary(&built.listed);
  TestDictionaryHeader header;
  header.langIn = langIn;
  header.langOut = langOut;
  EXPECT_TRUE(BuildDictionary(built.path, header, articles)) << name;
  built.articles = std::move(articles);
  return built;
}

TestArticle Noun(const std::string& word, const std::string& text) { return {word, "N " + text}; }

// Many more lines than the article shows.
std::string LongTranslation() {
  std::string text;
  for (int i = 1; i <= 60; ++i)
    text += std::to_string(i % 10) + ". " + kHouseRu + " " + std::to_string(i) + " ";
  return text;
}

std::vector<TestArticle> EnglishArticles(int words) {
  std::vector<TestArticle> articles;
  const std::vector<std::string> generated = GeneratedWords();
  // Every k-th generated word, three places left for the capitalised
  // entries and the last word.
  const size_t wanted = static_cast<size_t>(words) - 3;
  for (size_t i = 0; i < wanted; ++i) {
    const std::string& word = generated[i * generated.size() / wanted];
    articles.push_back(Noun(word, std::string(kHouseRu) + " " + word));
  }
  articles.push_back(Noun("London", kHouseRu));
  articles.push_back(Noun("Paris", kHouseRu));
  articles.push_back(Noun("zebra", kHouseRu));
  // Vulgar words at the start, in the middle and near the end.
  for (const char* vulgar : {"aaa", "max", "yax", "zax"})
    articles.push_back(Noun(vulgar, "vulg) " + std::string(kHouseRu)));
  return articles;
}

}  // namespace

const BuiltDictionary& EnglishRussian(int words) {
  static std::map<int, BuiltDictionary> built;
  auto found = built.find(words);
  if (found == built.end())
    found = built
                .emplace(words, Build("english_russian_" + std::to_string(words), 1033, 1049,
                                      EnglishArticles(words)))
                .first;
  return found->second;
}

const BuiltDictionary& RussianEnglish() {
  // "дом", "здание", "цвет", "ящик" with English translations.
  static const BuiltDictionary built =
      Build("russian_english", 1049, 1033,
            {Noun(kHouseRu, "house"), Noun(kBuildingRu, "building"), Noun(kColourRu, "colour"),
             Noun("\xFF\xF9\xE8\xEA", "box")});
  return built;
}

const BuiltDictionary& AllVulgar() {
  static const BuiltDictionary built =
      Build("all_vulgar", 1033, 1049,
            {Noun("damn", "vulg) " + std::string(kHouseRu)), Noun("heck", "vulg) x")});
  return built;
}

const BuiltDictionary& Articles() {
  static const BuiltDictionary built =
      Build("articles", 1033, 1049,
            {Noun("house", std::string(kHouseRu) + "; " + kBuildingRu),
             Noun("color", std::string(kColourRu) + " \\colour"), Noun("colour", kColourRu),
             Noun("arch", std::string("arch) ") + kHouseRu), Noun("arc", kColourRu),
             Noun("punct", std::string(kColourRu) + " \\...colour"),
             Noun("site", std::string(kHouseRu) + " http://example.com/site.htm"),
             Noun("secure", std::string(kHouseRu) + " https://example.com/a"),
             Noun("mail", std::string(kHouseRu) + " mailto:someone@example.com"),
             Noun("ftp", std::string(kHouseRu) + " ftp://example.com/file"),
             Noun("other", std::string(kHouseRu) + " \\x:http://example.com"),
             // An address the opener refuses (a quote in it): nothing starts.
             Noun("quoted", std::string(kHouseRu) + " \\http://example.com/\"q"),
             Noun("long", LongTranslation())});
  return built;
}

com::Ptr<IVelDictionary> DictionaryOf(const BuiltDictionary& dictionary) {
  com::Ptr<IVelDictionary> object =
      com::testing::CreateByProgId<IVelDictionary>(L"LexiconHub.VelDictionary");
  if (!object) return nullptr;
  com::Bstr path(com::WideFromAnsi(dictionary.path).c_str());
  EXPECT_EQ(Hr{object->put_AccessMode(vdsModeCreate)}, Hr{S_OK});
  EXPECT_EQ(Hr{object->put_DicFileName(path.Get())}, Hr{S_OK});
  return object;
}

void ViewerTest::SetUp() {
  // One theme and no installed dictionary: the tests hand their own over.
  ClearDictionaryLists();
  MakeListKey("0");
  SetListString("Name\\409", "0", "General");
  system_ = com::testing::CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  ASSERT_TRUE(system_);
  com::Bstr data(com::WideFromAnsi(EngineDataDirectory()).c_str());
  ASSERT_EQ(Hr{system_->put_PathToData(data.Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{system_->Init()}, Hr{S_OK});
  ViewerHarness::SetUp();
}

void ViewerTest::Use(const BuiltDictionary& dictionary) {
  dictionary_ = DictionaryOf(dictionary);
  ASSERT_TRUE(dictionary_);
  ASSERT_EQ(Hr{viewer_->SetDictionary(dictionary_.Get())}, Hr{S_OK});
  com::testing::PumpPending();
}

void ViewerTest::TearDown() {
  ViewerHarness::TearDown();
  dictionary_.Reset();
  system_.Reset();
}

ExpectedWindow WindowAround(const std::vector<std::string>& listed, size_t index) {
  const size_t rows = std::min<size_t>(50, listed.size());
  const size_t first = std::min(index, listed.size() - rows);
  return {std::vector<std::string>(listed.begin() + static_cast<std::ptrdiff_t>(first),
                                   listed.begin() + static_cast<std::ptrdiff_t>(first + rows)),
          static_cast<int>(index - first)};
}

size_t IndexOfLookup(const std::vector<std::string>& listed, std::string typed) {
  auto beginsWith = [&listed](const std::string& prefix) -> size_t {
    for (size_t i = 0; i < listed.size(); ++i)
      if (listed[i].compare(0, prefix.size(), prefix) == 0) return i;
    return listed.size();
  };
  for (;;) {
    size_t found = beginsWith(typed);
    if (found < listed.size() || typed.empty()) return found;
    found = beginsWith(Lower(typed));
    if (found < listed.size()) return found;
    typed.pop_back();
  }
}

}  // namespace morvex::lookuppane::testing
