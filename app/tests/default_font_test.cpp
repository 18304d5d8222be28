// The options' font as the program takes it: any size a user can choose
// is kept, the millions of points that a damaged registry record holds
// (drawn as text a pixel high) are not.
#include <gtest/gtest.h>
#include <olectl.h>
#include <windows.h>

#include <string>

#include "app/DefaultFont.h"

namespace morvex::solo {

namespace {

constexpr LONGLONG kPoint = 10000;  // the currency unit of a font's size

struct FontCase {
  const char* name;
  LONGLONG size;
  bool usable;
};

class DefaultFontTest : public ::testing::TestWithParam<FontCase> {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }
};

TEST_P(DefaultFontTest, OnlyASizeAUserCanChooseIsUsable) {
  const FontCase& c = GetParam();
  std::wstring face = L"Tahoma";
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = face.data();
  description.cySize.int64 = c.size;
  description.sWeight = FW_NORMAL;
  description.sCharset = DEFAULT_CHARSET;
  com::Ptr<IFontDisp> font;
  ASSERT_TRUE(SUCCEEDED(OleCreateFontIndirect(&description, IID_IFontDisp, font.PutVoid())));
  EXPECT_EQ(IsUsableFont(font.Get()), c.usable);
}

const FontCase kFonts[] = {
    {"EightPoints", 8 * kPoint, true},
    {"TheFontDialogsLargest", 1638 * kPoint, true},
    // No size asks for the system's height.
    {"NoSize", 0, true},
    {"APointMoreThanTheLargest", 1639 * kPoint, false},
    // The first eight bytes of a garbled record.
    {"MillionsOfPoints", 0x595BE34FC4E16E73LL, false},
};

INSTANTIATE_TEST_SUITE_P(Fonts, DefaultFontTest, ::testing::ValuesIn(kFonts),
                         [](const ::testing::TestParamInfo<FontCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(DefaultFontTest, TheDefaultIsUsableAndNoFontIsNot) {
  EXPECT_TRUE(IsUsableFont(CreateDefaultFont().Get()));
  EXPECT_FALSE(IsUsableFont(nullptr));
}

}  // namespace

}  // namespace morvex::solo
