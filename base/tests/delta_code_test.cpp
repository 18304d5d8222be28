#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/DeltaCode.h"
#include "base/DigitTests.h"
#include "base/tests/wordlist_support.h"

namespace {

std::string Encode(const std::string& base, const std::string& word) {
  return static_cast<const char*>(MakeCommandFromWord(base.c_str(), word.c_str()));
}

std::string Decode(const std::string& base, const std::string& command, int* flag = nullptr) {
  int ignored = -1;
  return static_cast<const char*>(
      MakeWordFromCommand(base.c_str(), command.c_str(), flag ? *flag : ignored));
}

struct DeltaCase {
  const char* base;     // UTF-8
  const char* word;     // UTF-8
  const char* command;  // UTF-8
};

TEST(DeltaCodeTest, EncodesAndDecodesTheFormsOfAWord) {
  const DeltaCase cases[] = {
      {"стол", "стола", "0а"}, {"стол", "стол", "="},    {"стол", "сто", "1"},
      {"стол", "столы", "0ы"}, {"книга", "книги", "1и"}, {"", "", "="},
      {"кот", "", "3"},        {"", "дом", "0дом"},      {"кот", "кит", "2ит"},
  };
  for (const DeltaCase& c : cases) {
    const std::string base = Cp1251(c.base), word = Cp1251(c.word);
    EXPECT_EQ(Encode(base, word), Cp1251(c.command)) << c.base << " -> " << c.word;
    EXPECT_EQ(Decode(base, Cp1251(c.command)), word) << c.base << " <- " << c.command;
  }
}

TEST(DeltaCodeTest, DecodesEveryCommandForm) {
  const DeltaCase cases[] = {
      {"книга", "книги", "1и"},
      {"книга", "книга", "="},
      {"книга", "дом", "дом"},                 // not a code character: the word itself
      {"книга", "", ""},                       // empty command
      {"делать", "переделание", "2ние0пере"},  // second code character
      {"делать", "ело", "3о1"},                // front drop, nothing put in front
      {"кот", "", "9"},                        // drops more than the base holds
      {"кот", "", "0а9"},
      {"кот", "кот", "=лишнее"},  // only the first character selects
  };
  for (const DeltaCase& c : cases) {
    int flag = -1;
    EXPECT_EQ(Decode(Cp1251(c.base), Cp1251(c.command), &flag), Cp1251(c.word)) << c.command;
    EXPECT_EQ(flag, 0) << c.command;
  }
  int flag = 0;
  EXPECT_EQ(Decode(Cp1251("книга"), ">"), Cp1251("книга"));
  EXPECT_EQ(Decode(Cp1251("книга"), ">", &flag), Cp1251("книга"));
  EXPECT_EQ(flag, 1);
}

TEST(DeltaCodeTest, HandWrittenCodeCharactersInATailReadAsASecondCode) {
  // "0-ROM": 'R' (27) is taken as the front drop.
  EXPECT_EQ(Decode("CD", "0-ROM"), "OM");
}

TEST(DeltaCodeTest, WordsWithCodeCharactersInTheTailStillReadBackExactly) {
  const struct {
    const char* base;
    const char* word;
    const char* command;
  } cases[] = {
      {"win", "win95", "win95"},     // the word itself
      {"CD", "CD-ROM", "02CD-ROM"},  // starts with a code character: drop all, put it in front
      {"A", "=B", "10=B"},           // starts with a mark
      {"x", ">1", "10>1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Encode(c.base, c.word), c.command) << c.base << " -> " << c.word;
    EXPECT_EQ(Decode(c.base, c.command), c.word) << c.base << " <- " << c.command;
  }
}

TEST(DeltaCodeTest, RefusesToDropMoreThan35Characters) {
  const std::string base35(35, 'a'), base36(36, 'a'), capitals36(36, 'A');
  MessageRecorder recorder;
  EXPECT_EQ(Encode(base35, ""), "Z");
  EXPECT_EQ(Decode(base35, "Z"), "");
  EXPECT_TRUE(recorder.messages().empty());

  EXPECT_EQ(Encode(base36, "x"), "");
  // The two-code form cannot keep 36 characters either.
  EXPECT_EQ(Encode(capitals36 + "q", capitals36 + "Q"), "");
  ASSERT_EQ(recorder.messages().size(), 2u);
  for (const RecordedMessage& message : recorder.messages()) {
    EXPECT_EQ(message.text, "Error, Invalid NUM.");
    EXPECT_EQ(message.caption, "(null)");
  }
}

// Random words over letters, digits, capitals and the two marks, each word
// made from its base by a few edits so that long common prefixes occur.
TEST(DeltaCodeTest, EveryEncodedWordDecodesToItself) {
  const std::string alphabet = Cp1251("абвгдеёжз") + "xyzAZ09=>-";
  std::mt19937 random(20240607);
  auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(random);
  };
  auto randomText = [&](std::size_t maxLength) {
    std::string text(pick(maxLength), ' ');
    for (char& ch : text) ch = alphabet[pick(alphabet.size() - 1)];
    return text;
  };
  MessageRecorder recorder;
  for (int round = 0; round < 5000; ++round) {
    const std::string base = randomText(12);
    std::string word = base.substr(0, pick(base.size())) + randomText(4);
    if (pick(3) == 0) word = randomText(6);
    const std::string command = Encode(base, word);
    ASSERT_EQ(Decode(base, command), word) << base << " -> " << word << " via " << command;
  }
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(DigitTestsTest, ReadNumbersDigitsAndDigitOnlyTexts) {
  const struct {
    const char* text;
    int intDigit, contDigit, digitsOnly;
  } cases[] = {
      {"", 0, 0, 0},     {"12", 1, 1, 1}, {"12ab", 1, 1, 0}, {" - 5", 1, 1, 0},
      {"\t+7", 1, 1, 0}, {"+", 0, 0, 0},  {"--1", 0, 1, 0},  {"a1", 0, 1, 0},
      {"abc", 0, 0, 0},  {" 1", 1, 1, 0}, {"\xB9", 0, 0, 0}, {"007", 1, 1, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsStrIntDigit(c.text), c.intDigit) << '"' << c.text << '"';
    EXPECT_EQ(IsStrContDigit(c.text), c.contDigit) << '"' << c.text << '"';
    EXPECT_EQ(IsStrDigit(c.text), c.digitsOnly) << '"' << c.text << '"';
  }
  EXPECT_EQ(IsStrContDigit(nullptr), 0);
  EXPECT_EQ(IsStrDigit(nullptr), 0);
}

}  // namespace
