// Source articles into the plain article syntax: the shape the syntax can
// hold, the texts and counts the record format refuses, and what the
// builder hands the engine reading back as it was written.
#include <gtest/gtest.h>

#include <string>

#include "base/MCString.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"
#include "tools/dictd/ArticleText.h"

namespace {

SourceArticle OneSynonym(const std::string& words, std::vector<std::string> labels = {}) {
  SourceArticle article;
  article.meanings.push_back(SourceMeaning{'N', {SourceGroup{0, {SourceSynonym{labels, words}}}}});
  return article;
}

bool Make(const SourceArticle& article, std::string* text, std::string* problem) {
  ArticleText out;
  const bool made = MakeArticleText(article, CodePage::k1252, &out, problem, nullptr);
  *text = out.text;
  return made;
}

TEST(ArticleText, JoinsWhatTheSyntaxCannotSeparate) {
  SourceArticle article;
  article.meanings.push_back(SourceMeaning{'N', {SourceGroup{1, {{{}, "house"}}}}});
  // No code: it would read back as part of the meaning before.
  article.meanings.push_back(SourceMeaning{0, {SourceGroup{0, {{{}, "home"}}}}});
  // Not numbered after a numbered group: it would join that group.
  article.meanings.push_back(
      SourceMeaning{'V', {SourceGroup{2, {{{}, "lodge"}}}, SourceGroup{0, {{{}, "shelter"}}}}});
  // Empty parts go.
  article.meanings.push_back(SourceMeaning{'A', {SourceGroup{0, {{{}, " "}}}}});
  std::string text;
  std::string problem;
  ASSERT_TRUE(Make(article, &text, &problem)) << problem;
  EXPECT_EQ(text, "N 1. house; home V. 2. lodge; shelter");

  CEntry entry(kBuiltDictionaryType);
  SplitString(entry, MCString(text.c_str()));
  ASSERT_EQ(entry.GetSizeMeaning(), 2);
  EXPECT_EQ(entry.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetSizeSynonym(), 2);
  EXPECT_EQ(entry.GetAtMeaning(1)->GetSyn(), 'V');
}

TEST(ArticleText, KeepsLabelsAndTheReference) {
  SourceArticle article = OneSynonym("(ugs.) Katze", {"zool"});
  article.reference = "cats";
  std::string text;
  std::string problem;
  ASSERT_TRUE(Make(article, &text, &problem)) << problem;
  EXPECT_EQ(text, "N zool) ugs.) Katze \\cats");
  CEntry entry(kBuiltDictionaryType);
  SplitString(entry, MCString(text.c_str()));
  const CSynonym* synonym = entry.GetAtMeaning(0)->GetAtSynonymGroup(0)->GetAtSynonym(0);
  ASSERT_EQ(synonym->GetSizeLabel(), 2);
  EXPECT_EQ(synonym->GetContextType(), CSynonym::kContextNone);
  EXPECT_STREQ(static_cast<const char*>(entry.GetReference()), "cats");
}

TEST(ArticleText, RefusesWhatTheRecordCannotHold) {
  const struct {
    const char* name;
    SourceArticle article;
    const char* problem;
  } cases[] = {
      {"no translation", OneSynonym(" "), "no translation"},
      {"a word of 256 bytes", OneSynonym(std::string(256, 'x')), "longer than 255"},
      {"a label of 256 bytes", OneSynonym("cat", {std::string(256, 'x')}), "longer than 255"},
      {"256 words in one synonym", OneSynonym([] {
         std::string words;
         for (int i = 0; i < 256; ++i) words += "ab ";
         return words;
       }()),
       "more than 255 words"},
      {"256 synonyms in one sense",
       [] {
         SourceArticle article = OneSynonym("first");
         for (int i = 0; i < 255; ++i) {
           article.meanings[0].groups[0].synonyms.push_back({{}, "w" + std::to_string(i)});
         }
         return article;
       }(),
       "more than 255 synonyms"},
      {"256 meanings",
       [] {
         SourceArticle article;
         for (int i = 0; i < 256; ++i) {
           article.meanings.push_back(SourceMeaning{'N', {SourceGroup{0, {{{}, "w"}}}}});
         }
         return article;
       }(),
       "more than 255 meanings"},
  };
  for (const auto& c : cases) {
    std::string text;
    std::string problem;
    EXPECT_FALSE(Make(c.article, &text, &problem)) << c.name;
    EXPECT_NE(problem.find(c.problem), std::string::npos) << c.name << ": " << problem;
  }
}

TEST(ArticleText, GuardedTextsReadBackWhole) {
  // Each would otherwise be cut into a meaning, a group, a word code, a
  // label, a context or a reference.
  const char* texts[] = {"x",     "H. of",   "see p.", "at 5. o'clock", "I am",    "a) b",
                         "(c) d", "e <f> g", "h\\i",   "j [k] l",       "m {n} o", "p; q"};
  for (const char* words : texts) {
    std::string text;
    std::string problem;
    ASSERT_TRUE(Make(OneSynonym(words), &text, &problem)) << words << ": " << problem;
    CEntry entry(kBuiltDictionaryType);
    SplitString(entry, MCString(text.c_str()));
    ASSERT_EQ(entry.GetSizeMeaning(), 1) << words;
    EXPECT_EQ(entry.GetSyn(), 'N') << words;
    const CMeaning* meaning = entry.GetAtMeaning(0);
    ASSERT_EQ(meaning->GetSizeSynonymGroup(), 1) << words;
    EXPECT_EQ(meaning->GetAtSynonymGroup(0)->GetSizeSynonym(), 1) << words;
    EXPECT_TRUE(entry.GetReference().IsEmpty()) << words;
    const CSynonym* synonym = meaning->GetAtSynonymGroup(0)->GetAtSynonym(0);
    EXPECT_EQ(synonym->GetContextType(), CSynonym::kContextNone) << words;
    EXPECT_TRUE(synonym->GetContext().IsEmpty()) << words;
    for (int i = 0; i < synonym->GetSizeWordComb(); ++i) {
      EXPECT_EQ(synonym->GetAtWordComb(i)->GetSyn(), 0) << words;
    }
  }
}

}  // namespace
