// The words the viewer searches for: the engine's case retry lower-cases
// only Latin and Cyrillic capitals; over-long words are cut.
#include <gtest/gtest.h>

#include "SearchWord.h"

namespace morvex::lookuppane {
namespace {

TEST(SearchWordTest, OnlyLatinAndCyrillicCapitalsAreLowerCased) {
  EXPECT_EQ(LowerCasedForSearch("Zebra-AZ"), "zebra-az");
  // Я (0xDF) and А (0xC0) go down, ё/Ё (0xB8/0xA8), я and digits stay.
  EXPECT_EQ(LowerCasedForSearch("\xC0\xDF\xA8\xB8\xFF"
                                "09@["),
            "\xE0\xFF\xA8\xB8\xFF"
            "09@[");
}

TEST(SearchWordTest, WordsAreCutAtTheLongestRow) {
  EXPECT_EQ(SearchWordOf(std::string(300, 'a')).size(), kMaxWordLength);
  EXPECT_EQ(SearchWordOf("cat"), "cat");
}

}  // namespace
}  // namespace morvex::lookuppane
