// Options survive their process: CTest runs this program twice, first its
// Write step, which stores distinct options and leaves them in the
// registry, then its Read step, a new process that reads them back and
// clears them away.
#include <olectl.h>
#include <windows.h>

#include "fake_font.h"
#include "prefstore_client.h"

namespace com = morvex::com;

namespace {

const FontFacts kCourier{L"Courier New", 95000, 600, 204, FALSE, TRUE, FALSE};

class CrossProcessTest : public PrefStoreTest {
 protected:
  CrossProcessTest() : PrefStoreTest("Software\\MorvexTests\\PrefStoreProcess") {
    bool reading = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())
                       .rfind("Read", 0) == 0;
    eraseAtStart_ = !reading;
    eraseAtEnd_ = reading;
  }
};

TEST_F(CrossProcessTest, WriteStepStoresTheOptions) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  PutSampleOptions(options.Get());
  ASSERT_EQ(Hr{options->put_Font(MakeFakeFont(kCourier).Get())}, Hr{S_OK});
  com::Ptr<IVelHotKeyColl> hotKeys = HotKeysOf(options.Get());
  ASSERT_EQ(Hr{hotKeys->Remove(2)}, Hr{S_OK});
  ASSERT_EQ(Hr{options->Write()}, Hr{S_OK});
}

TEST_F(CrossProcessTest, ReadStepFindsThemInANewProcess) {
  ASSERT_TRUE(OptionsKeyExists()) << "the Write step runs first, in another process";
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  ASSERT_EQ(Hr{options->Read()}, Hr{S_OK});
  ExpectSampleOptions(options.Get());
  EXPECT_EQ(FontFactsOf(options.Get()), Realized(kCourier));
  EXPECT_EQ(FieldsOf(HotKeysOf(options.Get()).Get()),
            (HotKeyFields{{HKCmdTranslate, MOD_CONTROL | MOD_ALT, 'Z'},
                          {HKCmdQuickTip, MOD_CONTROL | MOD_ALT, 'S'}}));
}

}  // namespace
