// The interface languages' key names: the registry keys the installer writes
// are found for every language id.
#include <gtest/gtest.h>

#include "app/portable/LanguageKey.h"

namespace morvex::solo {
namespace {

TEST(LanguageKeyTest, IdsBecomeThreeOrMoreUpperCaseHexDigits) {
  struct {
    long id;
    const char* name;
  } cases[] = {{0x419, "419"},  {0x409, "409"},   {0x40C, "40C"}, {9, "009"},
               {0x0C0C, "C0C"}, {0x10419, "419"}, {0, "000"}};
  for (const auto& c : cases) EXPECT_EQ(LanguageKeySuffix(c.id), c.name) << c.id;
}

}  // namespace
}  // namespace morvex::solo
