// The hot-key collection: 1-based positions, its refusals (E_INVALIDARG,
// E_POINTER, E_UNEXPECTED) that leave it unchanged, removal that moves later
// items down, and an enumerator over a copy of the items.
#include <windows.h>

#include "prefstore_client.h"

namespace com = morvex::com;

namespace {

class HotKeyCollectionTest : public PrefStoreTest {
 protected:
  void SetUp() override {
    PrefStoreTest::SetUp();
    options_ = MakeOptions();
    ASSERT_TRUE(options_);
    hotKeys_ = HotKeysOf(options_.Get());
    ASSERT_TRUE(hotKeys_);
  }
  void TearDown() override {
    hotKeys_.Reset();
    options_.Reset();
    PrefStoreTest::TearDown();
  }

  long Count() {
    long count = -1;
    EXPECT_EQ(Hr{hotKeys_->get_Count(&count)}, Hr{S_OK});
    return count;
  }

  com::Ptr<IVelMorvexOpt> options_;
  com::Ptr<IVelHotKeyColl> hotKeys_;
};

TEST_F(HotKeyCollectionTest, PositionsOutsideOneToCountAreRefused) {
  ASSERT_EQ(Count(), 3);
  for (long position : {-1L, 0L, 4L, 0x7FFFFFFFL}) {
    com::Ptr<IVelHotKey> item;
    EXPECT_EQ(Hr{hotKeys_->get_Item(position, item.Put())}, Hr{E_INVALIDARG}) << position;
    EXPECT_FALSE(item) << position;
    EXPECT_EQ(Hr{hotKeys_->Remove(position)}, Hr{E_INVALIDARG}) << position;
  }
  EXPECT_EQ(Count(), 3);
  com::Ptr<IVelHotKey> last;
  EXPECT_EQ(Hr{hotKeys_->get_Item(3, last.Put())}, Hr{S_OK});
  long cmdId = 0;
  last->get_CmdID(&cmdId);
  EXPECT_EQ(cmdId, HKCmdQuickTip);
}

TEST_F(HotKeyCollectionTest, NullPointersAndForeignObjectsAreRefused) {
  EXPECT_EQ(Hr{hotKeys_->get_Count(nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{hotKeys_->get_Item(1, nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{hotKeys_->get__NewEnum(nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{hotKeys_->Add(nullptr)}, Hr{E_POINTER});
  // An object without IVelHotKey, passed as one by a careless caller.
  EXPECT_EQ(Hr{hotKeys_->Add(reinterpret_cast<IVelHotKey*>(options_.Get()))}, Hr{E_UNEXPECTED});
  EXPECT_EQ(Count(), 3);
}

TEST_F(HotKeyCollectionTest, AddAppendsTheObjectAndRemoveMovesLaterItemsDown) {
  com::Ptr<IVelHotKey> added = MakeHotKey(200, MOD_WIN, 'W');
  ASSERT_EQ(Hr{hotKeys_->Add(added.Get())}, Hr{S_OK});
  ASSERT_EQ(Count(), 4);
  com::Ptr<IVelHotKey> fourth;
  ASSERT_EQ(Hr{hotKeys_->get_Item(4, fourth.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::SameObject(fourth.Get(), added.Get()));

  ASSERT_EQ(Hr{hotKeys_->Remove(2)}, Hr{S_OK});
  EXPECT_EQ(FieldsOf(hotKeys_.Get()), (HotKeyFields{{HKCmdTranslate, MOD_CONTROL | MOD_ALT, 'Z'},
                                                    {HKCmdQuickTip, MOD_CONTROL | MOD_ALT, 'S'},
                                                    {200, MOD_WIN, 'W'}}));
}

TEST_F(HotKeyCollectionTest, EnumeratorWalksACopyOfTheItems) {
  com::Ptr<IUnknown> unknown;
  ASSERT_EQ(Hr{hotKeys_->get__NewEnum(unknown.Put())}, Hr{S_OK});
  com::Ptr<IEnumVARIANT> items;
  ASSERT_EQ(Hr{unknown.As(&items)}, Hr{S_OK});
  while (SUCCEEDED(hotKeys_->Remove(1))) {
  }
  ASSERT_EQ(Count(), 0);

  std::vector<long> virtKeys;
  VARIANT item;
  VariantInit(&item);
  ULONG fetched = 0;
  while (items->Next(1, &item, &fetched) == S_OK) {
    EXPECT_EQ(item.vt, VT_DISPATCH);
    com::Ptr<IVelHotKey> hotKey;
    if (item.vt == VT_DISPATCH && item.pdispVal)
      item.pdispVal->QueryInterface(IID_IVelHotKey, hotKey.PutVoid());
    long virtKey = 0;
    if (hotKey) hotKey->get_VirtKey(&virtKey);
    virtKeys.push_back(virtKey);
    VariantClear(&item);
  }
  EXPECT_EQ(virtKeys, (std::vector<long>{'Z', 'X', 'S'}));
}

TEST_F(HotKeyCollectionTest, CollectionMadeByItsProgIdStartsEmpty) {
  com::Ptr<IVelHotKeyColl> own = CreateByProgId<IVelHotKeyColl>(L"PrefStore.VelHotKeyColl");
  ASSERT_TRUE(own);
  long count = -1;
  EXPECT_EQ(Hr{own->get_Count(&count)}, Hr{S_OK});
  EXPECT_EQ(count, 0);
}

}  // namespace
