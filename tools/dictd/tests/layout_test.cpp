// The layouts of the two dictd sources turned into plain article texts: a
// source article (as the source writes it) and the article text the
// dictionary stores for it, shown in UTF-8 and compared in the code page.
#include <gtest/gtest.h>

#include <string>

#include "tools/dictd/ArticleText.h"
#include "tools/dictd/FreedictLayout.h"
#include "tools/dictd/MuellerLayout.h"

namespace {

struct LayoutCase {
  const char* name;
  const char* source;    // the dictd article, UTF-8
  const char* expected;  // the article text, UTF-8 (no-break spaces as \u00A0)
};

std::string TextOf(const SourceArticle& article, CodePage codePage) {
  ArticleText text;
  std::string problem;
  EXPECT_TRUE(MakeArticleText(article, codePage, &text, &problem, nullptr)) << problem;
  return text.text;
}

TEST(MuellerLayout, BecomesArticleText) {
  const LayoutCase cases[] = {
      {"part of speech and one translation",
       u8"dictionary\n   [\u2197d\u026Ak\u0283\u025Cnr\u026A] _n. словарь\n", u8"N словарь"},
      {"sections with numbered senses and labels",
       u8"abandon\n   [\u025C\u2197b\u00E6nd\u025Cn]\n   1. _v.\n      1) покидать, оставлять\n"
       u8"      2) отказываться от\n      3) _refl. предаваться (страсти - to); to abandon\n"
       u8"      oneself to the idea склоняться к мысли\n   2. _n. _книж. развязность\n",
       u8"V 1. покидать, оставлять 2. отказываться от 3. refl) предаваться (страсти -\u00A0to); "
       u8"to abandon oneself to the idea склоняться к\u00A0мысли N. книж) развязность"},
      {"homonyms, a header's labels, lettered sub-senses",
       u8"cat\n   _I  [k\u00E6t]\n      1. _n.\n         1) кот; кошка\n"
       u8"         2) to see which way\n            а) выжидать;\n            б) ждать\n"
       u8"      2. _v. бить плетью\n   _II [k\u00E6t] _n. (_сокр. от caterpillar) _ам.\n"
       u8"         1) трактор\n",
       u8"N 1. кот; кошка 2. to see which way; выжидать; ждать V. бить плетью "
       u8"N. сокр. от caterpillar) ам) 1. трактор"},
      {"a reference to another head word", u8"color\n   [\u2197k\u028Cl\u025C] _ам. = colour\n",
       u8"ам) =\u00A0colour \\colour"},
      {"text that reads as structure is guarded",
       u8"house\n   _n. H. of Commons; p. 5 [x]; I am 10. here; a {b} <c> \\d e;f\n",
       u8"N H.\u00A0of Commons; p.\u00A0"
       u8"5; I\u00A0am 10\u00A0. here; a\u00A0(b) «c» /d e; f\u00A0"},
      {"a closing parenthesis without its opener", u8"go\n   1) a) b; (обыкн.) идти\n",
       u8"1. a\u00A0b; обыкн.) идти"},
  };
  for (const LayoutCase& c : cases) {
    const std::string expected = ConvertUtf8(c.expected, CodePage::k1251, nullptr);
    EXPECT_EQ(TextOf(ParseMuellerArticle(c.source), CodePage::k1251), expected) << c.name;
  }
}

TEST(FreedictLayout, BecomesArticleText) {
  const LayoutCase cases[] = {
      {"translations with genders, a domain, an example and a reference",
       u8"cat /k\u02C8at/\nKatze <fem> [zool.]\n      \"long-hair cat\"  - Langhaarkatze\n"
       u8"   Synonym: {feline}\n\n see: {cats}, {domestic cat}\n",
       u8"N zool) Katze f; long-hair cat \u2014\u00A0Langhaarkatze \\cats"},
      {"the head line's part of speech and a note",
       u8"litter /l\u02C8\u026At\u0259/ <v>\nAbfall verstreuen, etw. verschmutzen <v, trans>\n"
       u8"         Note: auf\n",
       u8"V Abfall verstreuen; etw. verschmutzen (auf)"},
      {"several genders and no part of speech",
       u8"resident\nBewohner <masc, fem>, Bewohnerin <fem>\n", u8"N Bewohner m/f; Bewohnerin f"},
      {"words without tags", u8"by the skin of one's teeth /ba\u026A/\nmit Ach und Krach\n",
       u8"mit Ach und Krach"},
  };
  for (const LayoutCase& c : cases) {
    const std::string expected = ConvertUtf8(c.expected, CodePage::k1252, nullptr);
    EXPECT_EQ(TextOf(ParseFreedictArticle(c.source), CodePage::k1252), expected) << c.name;
  }
}

TEST(FreedictLayout, ASenseWithoutTranslationIsEmpty) {
  EXPECT_TRUE(ParseFreedictArticle(u8"bicolor chromis /ba\u026A/\n\n").meanings.empty());
}

}  // namespace
