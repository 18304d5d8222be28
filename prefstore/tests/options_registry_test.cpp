// Read and Write of the options against the registry: the first Read
// creates the empty key, Write then Read in a new object gives back every
// value, the stored bytes are the records byte for byte, and damaged
// stored values are taken as far as they go, never beyond.
#include <olectl.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>

#include "fake_font.h"
#include "prefstore_client.h"

namespace com = morvex::com;

namespace {

class OptionsRegistryTest : public PrefStoreTest {
 protected:
  // A new object that has read what is stored.
  com::Ptr<IVelMorvexOpt> ReadOptions() {
    com::Ptr<IVelMorvexOpt> options = MakeOptions();
    if (options) {
      EXPECT_EQ(Hr{options->Read()}, Hr{S_OK});
    }
    return options;
  }

  // The two hot keys the tests store in place of the defaults.
  void PutCustomHotKeys(IVelMorvexOpt* options) {
    com::Ptr<IVelHotKeyColl> hotKeys = HotKeysOf(options);
    ASSERT_TRUE(hotKeys);
    for (int i = 0; i < 3; ++i) ASSERT_EQ(Hr{hotKeys->Remove(1)}, Hr{S_OK});
    ASSERT_EQ(Hr{hotKeys->Add(MakeHotKey(HKCmdQuickTip, MOD_SHIFT, VK_F2).Get())}, Hr{S_OK});
    ASSERT_EQ(Hr{hotKeys->Add(MakeHotKey(-7, 0x7FFFFFFF, -1).Get())}, Hr{S_OK});
  }
};

const HotKeyFields kDefaultHotKeys = {{HKCmdTranslate, MOD_CONTROL | MOD_ALT, 'Z'},
                                      {HKCmdDictionary, MOD_CONTROL | MOD_ALT, 'X'},
                                      {HKCmdQuickTip, MOD_CONTROL | MOD_ALT, 'S'}};
const HotKeyFields kCustomHotKeys = {{HKCmdQuickTip, MOD_SHIFT, VK_F2}, {-7, 0x7FFFFFFF, -1}};

const FontFacts kTahoma{L"Tahoma", 80000, 400, 204, FALSE, FALSE, FALSE};
const FontFacts kArial{L"Arial", 125000, 700, 0, TRUE, TRUE, TRUE};

TEST_F(OptionsRegistryTest, FirstReadCreatesTheEmptyKeyAndKeepsTheDefaults) {
  ASSERT_FALSE(OptionsKeyExists());
  com::Ptr<IVelMorvexOpt> options = ReadOptions();
  ASSERT_TRUE(options);
  EXPECT_TRUE(OptionsKeyExists());
  EXPECT_FALSE(ReadRaw("LangID").present) << "Read writes nothing";
  long langId = 0;
  options->get_LangID(&langId);
  EXPECT_EQ(langId, 1033);
  EXPECT_EQ(FontFactsOf(options.Get()), Realized(kTahoma));
  EXPECT_EQ(FieldsOf(HotKeysOf(options.Get()).Get()), kDefaultHotKeys);
}

TEST_F(OptionsRegistryTest, AKeyThatCannotBeMadeChangesNothingAndReportsNoFailure) {
  // Below a volatile key no lasting key can be created.
  HKEY company = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Kelbrin", 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &company, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(company);

  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  PutSampleOptions(options.Get());
  EXPECT_EQ(Hr{options->Write()}, Hr{S_OK});
  EXPECT_EQ(Hr{options->Read()}, Hr{S_OK});
  EXPECT_FALSE(OptionsKeyExists());
  ExpectSampleOptions(options.Get());
}

TEST_F(OptionsRegistryTest, WriteThenReadInANewObjectGivesBackEveryValue) {
  {
    com::Ptr<IVelMorvexOpt> written = MakeOptions();
    ASSERT_TRUE(written);
    PutSampleOptions(written.Get());
    ASSERT_EQ(Hr{written->put_Font(MakeFakeFont(kArial).Get())}, Hr{S_OK});
    PutCustomHotKeys(written.Get());
    ASSERT_EQ(Hr{written->Write()}, Hr{S_OK});
  }
  com::Ptr<IVelMorvexOpt> read = ReadOptions();
  ASSERT_TRUE(read);
  ExpectSampleOptions(read.Get());
  EXPECT_EQ(FontFactsOf(read.Get()), Realized(kArial));
  EXPECT_EQ(FieldsOf(HotKeysOf(read.Get()).Get()), kCustomHotKeys);
}

TEST_F(OptionsRegistryTest, WriteStoresEachValueInItsRecord) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  PutSampleOptions(options.Get());
  ASSERT_EQ(Hr{options->put_Font(MakeFakeFont(kArial).Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{options->Write()}, Hr{S_OK});

  std::vector<BYTE> font = {0x48, 0xE8, 0x01, 0,    0,  0, 0, 0,  // size 12.5 pt
                            0xBC, 0x02, 0x00, 0x00,               // weight 700, charset 0
                            1,    0,    0,    0,                  // italic
                            1,    0,    0,    0,                  // underline
                            1,    0,    0,    0,                  // strikethrough
                            5,    0,    0,    0,                  // name length
                            'A',  'r',  'i',  'a',  'l'};
  font.resize(288, 0);
  struct Expected {
    const char* name;
    DWORD type;
    std::vector<BYTE> bytes;
  };
  const Expected values[] = {
      {"Maximized", REG_DWORD, Le32({1})},
      {"ClipAutotrans", REG_DWORD, Le32({2})},
      {"TextAutotrans", REG_DWORD, Le32({-3})},
      {"Position", REG_BINARY, Le32({-40, 50, 0x7FFFFFFF, -0x7FFFFFFF - 1})},
      {"LangID", REG_DWORD, Le32({1049})},
      {"CommandID", REG_DWORD, Le32({32771})},
      {"Font", REG_BINARY, font},
      {"Hotkeys", REG_BINARY, Le32({123, 3, 0x5A, 124, 3, 0x58, 125, 3, 0x53})},
      {"ForeColor", REG_DWORD, Le32({0x00112233})},
      {"BackColor", REG_DWORD, Le32({0x00445566})},
      {"ShadowColor", REG_DWORD, Le32({static_cast<long>(0x80000005)})},
      {"TextColor", REG_DWORD, Le32({0x00FFFFFF})},
      {"Animation", REG_DWORD, Le32({0})},
      {"Last used dictionary", REG_BINARY, Le32({7, 1033, 1049})},
      {"MKey", REG_DWORD, Le32({2})},
      {"MModif", REG_DWORD, Le32({17})},
  };
  for (const Expected& expected : values) {
    RawValue raw = ReadRaw(expected.name);
    ASSERT_TRUE(raw.present) << expected.name;
    EXPECT_EQ(raw.type, expected.type) << expected.name;
    EXPECT_EQ(raw.bytes, expected.bytes) << expected.name;
  }
}

TEST_F(OptionsRegistryTest, WriteCutsAnOverlongFaceNameInsideTheRecord) {
  com::Ptr<IVelMorvexOpt> options = MakeOptions();
  ASSERT_TRUE(options);
  FontFacts longName = kArial;
  longName.face = std::wstring(300, L'W');
  ASSERT_EQ(Hr{options->put_Font(MakeFakeFont(longName).Get())}, Hr{S_OK});
  ASSERT_EQ(Hr{options->Write()}, Hr{S_OK});

  RawValue raw = ReadRaw("Font");
  ASSERT_EQ(raw.bytes.size(), 288u);
  EXPECT_EQ(std::string(raw.bytes.begin() + 28, raw.bytes.end() - 1), std::string(259, 'W'));
  EXPECT_EQ(raw.bytes.back(), 0);
  EXPECT_EQ(raw.bytes[24] | raw.bytes[25] << 8, 259) << "length of what the record holds";
  longName.face.resize(259);
  EXPECT_EQ(FontFactsOf(ReadOptions().Get()), Realized(longName));
}

TEST_F(OptionsRegistryTest, AnEmptiedCollectionLeavesTheStoredHotKeys) {
  com::Ptr<IVelMorvexOpt> first = MakeOptions();
  ASSERT_TRUE(first);
  PutCustomHotKeys(first.Get());
  ASSERT_EQ(Hr{first->Write()}, Hr{S_OK});

  com::Ptr<IVelHotKeyColl> hotKeys = HotKeysOf(first.Get());
  while (SUCCEEDED(hotKeys->Remove(1))) {
  }
  ASSERT_EQ(Hr{first->Write()}, Hr{S_OK});
  EXPECT_EQ(ReadRaw("Hotkeys").bytes.size(), 24u);
  EXPECT_EQ(FieldsOf(HotKeysOf(ReadOptions().Get()).Get()), kCustomHotKeys);
}

// Stored values as a hand-edited or damaged registry may hold them: each is
// read by a new object, which takes what the value covers and keeps its
// defaults for the rest.
struct StoredCase {
  const char* what;
  const char* name;
  DWORD type;
  std::vector<BYTE> bytes;
  std::function<void(IVelMorvexOpt*)> check;
};

long LongOf(IVelMorvexOpt* options, HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*get)(long*)) {
  long value = 0;
  EXPECT_EQ(Hr{(options->*get)(&value)}, Hr{S_OK});
  return value;
}

std::vector<long> PositionOf(IVelMorvexOpt* options) {
  return {LongOf(options, &IVelMorvexOpt::get_Left), LongOf(options, &IVelMorvexOpt::get_Top),
          LongOf(options, &IVelMorvexOpt::get_Right), LongOf(options, &IVelMorvexOpt::get_Bottom)};
}

std::vector<long> LastDictOf(IVelMorvexOpt* options) {
  long dictId = 0, langIn = 0, langOut = 0;
  EXPECT_EQ(Hr{options->GetLastDictInfo(&dictId, &langIn, &langOut)}, Hr{S_OK});
  return {dictId, langIn, langOut};
}

std::vector<BYTE> Text(const char* text) {
  return std::vector<BYTE>(text, text + strlen(text) + 1);
}

std::vector<BYTE> FontBytes(std::vector<BYTE> head, size_t size, BYTE fill) {
  head.resize(size, fill);
  return head;
}

const std::vector<BYTE> kArialHead = {0x80, 0x2C, 0x03, 0,    0, 0, 0, 0,  // size 20.8 pt
                                      0xBC, 0x02, 0xCC, 0x00,  // weight 700, charset 204
                                      1,    0,    0,    0,     // italic
                                      0,    0,    0,    0,     // underline
                                      0,    0,    0,    0,     // strikethrough
                                      5,    0,    0,    0};    // name length

std::vector<StoredCase> StoredCases(const std::vector<long>& defaultPosition) {
  auto langIdIs = [](long expected) {
    return [expected](IVelMorvexOpt* o) {
      EXPECT_EQ(LongOf(o, &IVelMorvexOpt::get_LangID), expected);
    };
  };
  auto animationIs = [](long expected) {
    return [expected](IVelMorvexOpt* o) {
      EXPECT_EQ(LongOf(o, &IVelMorvexOpt::get_Animation), expected);
    };
  };
  auto positionIs = [](std::vector<long> expected) {
    return [expected](IVelMorvexOpt* o) { EXPECT_EQ(PositionOf(o), expected); };
  };
  auto hotKeysAre = [](HotKeyFields expected) {
    return [expected](IVelMorvexOpt* o) { EXPECT_EQ(FieldsOf(HotKeysOf(o).Get()), expected); };
  };
  auto fontIs = [](FontFacts expected) {
    return [expected](IVelMorvexOpt* o) { EXPECT_EQ(FontFactsOf(o), Realized(expected)); };
  };
  auto lastDictIs = [](std::vector<long> expected) {
    return [expected](IVelMorvexOpt* o) { EXPECT_EQ(LastDictOf(o), expected); };
  };
  std::vector<BYTE> thirtyBytes = Le32({123, 1, 'A', 124, 2, 'B', 125, 4, 'C'});
  thirtyBytes.resize(30);
  std::vector<BYTE> arialShort = kArialHead;
  arialShort.insert(arialShort.end(), {'A', 'r', 'i', 'a', 'l', 0});

  return {
      {"number of 2 bytes", "LangID", REG_BINARY, {0x19, 0x04}, langIdIs(0x419)},
      {"number of 8 bytes", "LangID", REG_BINARY, Le32({1049, 0}), langIdIs(1033)},
      {"number as text that fits", "Animation", REG_SZ, Text("7"), animationIs('7')},
      {"number as longer text", "Animation", REG_SZ, Text("12345"), animationIs(1)},
      {"number of 0 bytes", "LangID", REG_BINARY, {}, langIdIs(0)},
      {"position of 0 bytes", "Position", REG_BINARY, {}, positionIs(defaultPosition)},
      {"position of 8 bytes", "Position", REG_BINARY, Le32({10, 20}), positionIs({10, 20, 0, 0})},
      {"position of 20 bytes", "Position", REG_BINARY, Le32({1, 2, 3, 4, 5}),
       positionIs(defaultPosition)},
      {"hot keys of 30 bytes", "Hotkeys", REG_BINARY, thirtyBytes,
       hotKeysAre({{123, 1, 'A'}, {124, 2, 'B'}})},
      {"hot keys of 11 bytes", "Hotkeys", REG_BINARY, std::vector<BYTE>(11, 1),
       hotKeysAre(kDefaultHotKeys)},
      {"hot keys as a number", "Hotkeys", REG_DWORD, Le32({5}), hotKeysAre(kDefaultHotKeys)},
      {"font of 288 bytes", "Font", REG_BINARY,
       FontBytes(FontBytes(kArialHead, 33, 'x'), 288, 0),  // "xxxxx", NUL-filled
       fontIs({L"xxxxx", 208000, 700, 204, TRUE, FALSE, FALSE})},
      {"font shorter than its record", "Font", REG_BINARY, arialShort,
       fontIs({L"Arial", 208000, 700, 204, TRUE, FALSE, FALSE})},
      {"font name without NUL", "Font", REG_BINARY, FontBytes(kArialHead, 288, 'N'),
       fontIs({std::wstring(259, L'N'), 208000, 700, 204, TRUE, FALSE, FALSE})},
      {"font of 300 bytes", "Font", REG_BINARY, FontBytes(kArialHead, 300, 'N'), fontIs(kTahoma)},
      {"font of 0 bytes", "Font", REG_BINARY, {}, fontIs(kTahoma)},
      {"last dictionary of 4 bytes", "Last used dictionary", REG_BINARY, Le32({9}),
       lastDictIs({9, 0, 0})},
      {"last dictionary of 20 bytes", "Last used dictionary", REG_BINARY, Le32({1, 2, 3, 4, 5}),
       lastDictIs({0, 0, 0})},
      {"mouse modifier", "MModif", REG_DWORD, Le32({VK_CONTROL}),
       [](IVelMorvexOpt* o) {
         EXPECT_EQ(LongOf(o, &IVelMorvexOpt::get_MouseModifier), VK_CONTROL);
       }},
  };
}

TEST_F(OptionsRegistryTest, StoredValuesAreTakenAsFarAsTheyGo) {
  com::Ptr<IVelMorvexOpt> fresh = MakeOptions();
  ASSERT_TRUE(fresh);
  std::vector<long> defaultPosition = PositionOf(fresh.Get());
  for (StoredCase& c : StoredCases(defaultPosition)) {
    SCOPED_TRACE(c.what);
    RegDeleteTreeA(HKEY_CURRENT_USER, kOptionsKey);
    WriteRaw(c.name, c.type, c.bytes);
    com::Ptr<IVelMorvexOpt> options = ReadOptions();
    ASSERT_TRUE(options);
    c.check(options.Get());
  }
}

}  // namespace
