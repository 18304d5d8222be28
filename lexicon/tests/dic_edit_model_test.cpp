// Editing against a model: random sequences of adds, list adds, edits (in
// place, moved, refused) and deletes, each checked against a std::map of
// what the dictionary should hold, through the open object and after
// reopening the file, with the layout of every rewritten file checked.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/tests/wordlist_support.h"
#include "lexicon/CDic.h"
#include "lexicon/tests/dic_edit_support.h"
#include "lexicon/tests/dic_test_support.h"
#include "lexicon/tests/shipped_alphabets.h"

namespace {

struct ModelConfig {
  const char* name;
  uint8_t type;
  uint16_t lang;
  std::string alphabet;
  bool needsAlphabets;
};

class EditModel {
 public:
  EditModel(const ModelConfig& config, unsigned seed) : config_(config), random_(seed), steps_(0) {}

  std::string RandomWord() {
    const size_t length = 1 + random_() % 4;
    std::string word;
    for (size_t i = 0; i < length; ++i)
      word += config_.alphabet[random_() % config_.alphabet.size()];
    return word;
  }

  // A present word, or a random one when there is none.
  std::string SomeWord(bool present) {
    if (!present || contents_.empty()) return RandomWord();
    auto it = contents_.begin();
    std::advance(it, static_cast<long>(random_() % contents_.size()));
    return it->first;
  }

  std::string RandomArticle() {
    static const char* const kForms[] = {"n house %", "v 1. go %; walk 2. run", "a (~ well) %",
                                         "n [pl] % \\ref"};
    std::string form = kForms[random_() % 4];
    form.replace(form.find('%'), 1, "w" + std::to_string(++steps_));
    return form;
  }

  // Runs one random request on the dictionary and on the model; returns what
  // the dictionary answered, and sets expected and changed from the model.
  int Step(CDic& dic, int* expected, bool* changed, std::string* what) {
    const unsigned kind = random_() % 7;
    *expected = 1;
    *changed = false;
    switch (kind) {
      case 0: {
        const std::string word = SomeWord(random_() % 4 == 0), article = RandomArticle();
        *what = "add " + word;
        *changed = Add(word, article);
        return dic.AddWord(word.c_str(), article.c_str());
      }
      case 1: {
        std::vector<std::string> words, articles;
        const size_t count = 1 + random_() % 6;
        for (size_t i = 0; i < count; ++i) {
          words.push_back(SomeWord(random_() % 4 == 0));
          articles.push_back(RandomArticle());
          if (Add(words.back(), articles.back())) *changed = true;
        }
        *what = "add list";
        return dic.AddWords(ZList(words).data(), ZList(articles).data());
      }
      case 2:
      case 3: {
        const std::string oldWord = SomeWord(true);
        const std::string newWord = kind == 2 ? oldWord : SomeWord(random_() % 3 == 0);
        const std::string article = RandomArticle();
        *what = "edit " + oldWord + " -> " + newWord;
        if (!contents_.count(oldWord) || (newWord != oldWord && contents_.count(newWord))) {
          *expected = 0;
        } else {
          contents_.erase(oldWord);
          contents_[newWord] = StoredText(config_.type, article);
          *changed = true;
        }
        return dic.EditWord(oldWord.c_str(), newWord.c_str(), article.c_str());
      }
      case 4:
      case 5: {
        const std::string word = SomeWord(random_() % 3 != 0);
        *what = "delete " + word;
        *changed = contents_.erase(word) > 0;
        return dic.DeleteWord(word.c_str());
      }
      default: {
        std::vector<std::string> words;
        const size_t count = 1 + random_() % 5;
        for (size_t i = 0; i < count; ++i) {
          words.push_back(SomeWord(random_() % 3 != 0));
          if (contents_.erase(words.back()) > 0) *changed = true;
        }
        *what = "delete list";
        return dic.DeleteWords(ZList(words).data());
      }
    }
  }

  const Contents& contents() const { return contents_; }

 private:
  bool Add(const std::string& word, const std::string& article) {
    if (contents_.count(word)) return false;
    contents_[word] = StoredText(config_.type, article);
    return true;
  }

  const ModelConfig& config_;
  std::mt19937 random_;
  Contents contents_;
  int steps_;
};

TEST(DicEditModel, RandomRequestsAgainstAMap) {
  const ModelConfig configs[] = {
      {"English articles", 1, kEnglishLang, "abcAB", false},
      {"articles with definitions", 4, kEnglishLang, "xyz-", false},
      {"word list", 5, kEnglishLang, "abAB", false},
      // Latin letters rank alike under a Cyrillic alphabet.
      {"Russian articles with Latin words", 1, kRussianLang, Cp1251("аёжЁ") + "xyXY", true},
  };
  for (const ModelConfig& config : configs) {
    SCOPED_TRACE(config.name);
    if (config.needsAlphabets) {
      ASSERT_TRUE(LoadShippedAlphabets()) << "the build's data/Lang.txt has no Russian alphabet";
    }
    ScratchDir dir;
    const std::string path = dir.Path("model.dic");
    CDic dic;
    ASSERT_TRUE(CreateForEditing(dic, path, config.type, config.lang));
    EditModel model(config, 1700u + config.type);
    std::string before = FileBytesOf(dic, path);
    for (int step = 0; step < 150; ++step) {
      int expected = 0;
      bool changed = false;
      std::string what;
      const int result = model.Step(dic, &expected, &changed, &what);
      SCOPED_TRACE("step " + std::to_string(step) + ": " + what);
      ASSERT_EQ(result, expected);
      ASSERT_EQ(ReadThrough(dic), model.contents());
      ASSERT_EQ(dic.GetHeader().articleCount, model.contents().size());
      const std::string after = FileBytesOf(dic, path);  // closed and opened again
      if (changed) {
        ASSERT_TRUE(HasEditedLayout(after));
      } else {
        ASSERT_EQ(after, before);
      }
      ASSERT_EQ(ReadThrough(dic), model.contents());
      before = after;
    }
  }
}

}  // namespace
