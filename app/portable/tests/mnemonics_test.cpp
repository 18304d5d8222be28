// Menu mnemonics: which letter a menu text marks, and whether a key typed
// under the current layout is that letter's key under one of the interface
// language's layouts. The keyboard is a fake US + Russian table, since
// Wine installs one layout only.
#include "app/portable/Mnemonics.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace morvex::solo {
namespace {

constexpr uintptr_t kUs = 0x04090409;
constexpr uintptr_t kRussian = 0x04190419;
constexpr unsigned kEnglish = 0x409, kRussianLanguage = 0x419;

// Letters of code page 1251 on the keys of a Russian layout, and Latin
// letters on the keys of the US layout. Unshifted characters are what the
// key names: the virtual key itself, as the system gives for letter keys.
class FakeKeyboard : public KeyboardTable {
 public:
  explicit FakeKeyboard(uintptr_t current) : current_(current) {
    for (unsigned char c = 'A'; c <= 'Z'; ++c) {
      keys_[kUs][c] = c;
      keys_[kUs][static_cast<unsigned char>(c + 32)] = c;
    }
    keys_[kRussian][0xCD] = 'Y';  // Н
    keys_[kRussian][0xED] = 'Y';  // н
    keys_[kRussian][0xD4] = 'A';  // Ф
    keys_[kRussian][0xFF] = 'Z';  // я
    keys_[kRussian][0xCF] = 'G';  // П
  }

  std::vector<uintptr_t> Layouts() const override { return {kUs, kRussian}; }
  int16_t KeyOf(unsigned char c, uintptr_t layout) const override {
    asked_.insert(layout);
    auto table = keys_.find(layout);
    auto key = table->second.find(c);
    return key == table->second.end() ? -1 : key->second;
  }
  uint32_t CharOf(unsigned key, uintptr_t layout) const override {
    asked_.insert(layout);
    // 0xFF is what a failed KeyOf leaves in the low byte: no character.
    return key >= 'A' && key <= 'Z' ? key : 0;
  }
  int16_t KeyOfCurrent(unsigned char c) const override { return KeyOf(c, current_); }
  uint32_t CharOfCurrent(unsigned key) const override { return CharOf(key, current_); }

  mutable std::set<uintptr_t> asked_;

 private:
  uintptr_t current_;
  std::map<uintptr_t, std::map<unsigned char, int16_t>> keys_;
};

TEST(MnemonicsTest, MnemonicIsTheCharacterAfterTheFirstSingleAmpersand) {
  struct {
    const char* text;
    int mnemonic;
  } cases[] = {
      {"&Settings...", 'S'},     {"Select &All", 'A'},
      {"Settings", kNoMnemonic}, {"\xD1&\xFF", 0xFF},  // "С&я": 0xFF is a letter, not "none"
      {"A&&B", kNoMnemonic},                           // "&&" shows an ampersand
      {"A&&B &C", 'C'},          {"X&", kNoMnemonic},  // nothing after the ampersand
      {"", kNoMnemonic},
  };
  for (const auto& c : cases) EXPECT_EQ(MnemonicChar(c.text), c.mnemonic) << c.text;
}

TEST(MnemonicsTest, AMnemonicMatchesItsKeyUnderAnyLayoutOfTheLanguage) {
  FakeKeyboard usActive(kUs);
  // "&Настройки": H-key typed as "y" under the US layout.
  EXPECT_TRUE(
      MnemonicMatches('y', "&\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8", kRussianLanguage, usActive));
  EXPECT_FALSE(
      MnemonicMatches('n', "&\xCD\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8", kRussianLanguage, usActive));
  EXPECT_TRUE(MnemonicMatches('s', "&Settings...", kEnglish, usActive));
  EXPECT_TRUE(MnemonicMatches('S', "&Settings...", kEnglish, usActive));
  EXPECT_TRUE(MnemonicMatches('z', "\xD1&\xFF", kRussianLanguage, usActive));

  FakeKeyboard russianActive(kRussian);
  EXPECT_TRUE(MnemonicMatches(0xED, "&\xCD", kRussianLanguage, russianActive));
  // The underlined letter itself matches, in either case, whatever the
  // current layout makes of its key (and where the language has no layout).
  EXPECT_TRUE(MnemonicMatches('s', "&Settings...", kEnglish, russianActive));
  EXPECT_TRUE(MnemonicMatches(0xFD, "&\xDD", kEnglish, russianActive));
  EXPECT_FALSE(MnemonicMatches('t', "&Settings...", kEnglish, russianActive));
}

TEST(MnemonicsTest, OtherLanguagesLayoutsAreNeverAsked) {
  FakeKeyboard usActive(kUs);
  // Under the Russian layout "Ф" is on A; the English language's layouts
  // cannot type it, so "a" does not match, and the Russian one is not asked.
  EXPECT_FALSE(MnemonicMatches('a', "&\xD4", kEnglish, usActive));
  EXPECT_EQ(usActive.asked_.count(kRussian), 0u);
  // A sublanguage is the same language.
  EXPECT_TRUE(MnemonicMatches('a', "&\xD4", 0x0819, usActive));
}

TEST(MnemonicsTest, NoMnemonicAndUnmappedCharactersNeverMatch) {
  FakeKeyboard usActive(kUs);
  // A typed character no key gives maps to 0, as does a mnemonic no layout
  // of the language types: 0 against 0 is no match.
  EXPECT_FALSE(MnemonicMatches('2', "&1", kEnglish, usActive));
  EXPECT_FALSE(MnemonicMatches('s', "Settings", kEnglish, usActive));
  EXPECT_FALSE(MnemonicMatches('&', "A&&B", kEnglish, usActive));
}

}  // namespace
}  // namespace morvex::solo
