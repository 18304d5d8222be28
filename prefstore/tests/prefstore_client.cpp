// The shared fixture of PrefStore's client tests.
#include "prefstore_client.h"

#include <olectl.h>

namespace com = morvex::com;

std::vector<BYTE> Le32(std::initializer_list<long> values) {
  std::vector<BYTE> bytes;
  for (long value : values)
    for (int i = 0; i < 4; ++i)
      bytes.push_back(static_cast<BYTE>(static_cast<unsigned long>(value) >> (8 * i)));
  return bytes;
}

void PrefStoreTest::SetUp() {
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
  if (eraseAtStart_) RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
  Redirect();
}

void PrefStoreTest::TearDown() {
  ExpectNoLiveObjects(L"PrefStore.dll");
  EndRedirect();
  if (eraseAtEnd_) RegDeleteTreeA(HKEY_CURRENT_USER, scratch_.c_str());
  CoUninitialize();
}

void PrefStoreTest::Redirect() {
  HKEY scratch = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &scratch, nullptr),
            ERROR_SUCCESS);
  LONG result = RegOverridePredefKey(HKEY_CURRENT_USER, scratch);
  RegCloseKey(scratch);
  ASSERT_EQ(result, ERROR_SUCCESS);
  redirected_ = true;
}

void PrefStoreTest::EndRedirect() {
  if (!redirected_) return;
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  redirected_ = false;
}

com::Ptr<IVelMorvexOpt> PrefStoreTest::MakeOptions() {
  return CreateByProgId<IVelMorvexOpt>(L"PrefStore.VelMorvexOpt");
}

com::Ptr<IVelHotKey> PrefStoreTest::MakeHotKey(long cmdId, long modifiers, long virtKey) {
  com::Ptr<IVelHotKey> hotKey = CreateByProgId<IVelHotKey>(L"PrefStore.VelHotKey");
  if (hotKey) {
    hotKey->put_CmdID(cmdId);
    hotKey->put_Modifiers(modifiers);
    hotKey->put_VirtKey(virtKey);
  }
  return hotKey;
}

com::Ptr<IVelHotKeyColl> HotKeysOf(IVelMorvexOpt* options) {
  VARIANT value;
  com::Ptr<IVelHotKeyColl> collection;
  EXPECT_EQ(Hr{options->GetHkeyColl(&value)}, Hr{S_OK});
  if (value.vt == VT_DISPATCH && value.pdispVal)
    value.pdispVal->QueryInterface(IID_IVelHotKeyColl, collection.PutVoid());
  VariantClear(&value);
  return collection;
}

bool PrefStoreTest::OptionsKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

RawValue PrefStoreTest::ReadRaw(const char* name) {
  RawValue raw;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return raw;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &raw.type, nullptr, &size) == ERROR_SUCCESS) {
    raw.bytes.resize(size);
    raw.present =
        RegQueryValueExA(key, name, nullptr, &raw.type, raw.bytes.data(), &size) == ERROR_SUCCESS;
    raw.bytes.resize(size);
  }
  RegCloseKey(key);
  return raw;
}

void PrefStoreTest::WriteRaw(const char* name, DWORD type, const std::vector<BYTE>& bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kOptionsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

namespace {

using GetLong = HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*)(long*);
using PutLong = HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*)(long);
using GetColor = HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*)(OLE_COLOR*);
using PutColor = HRESULT (STDMETHODCALLTYPE IVelMorvexOpt::*)(OLE_COLOR);

struct LongSample {
  const char* name;
  GetLong get;
  PutLong put;
  long value;
};

struct ColorSample {
  const char* name;
  GetColor get;
  PutColor put;
  OLE_COLOR value;
};

const LongSample kLongSamples[] = {
    {"Maximized", &IVelMorvexOpt::get_Maximized, &IVelMorvexOpt::put_Maximized, 1},
    {"ClipAutotrans", &IVelMorvexOpt::get_ClipAutotrans, &IVelMorvexOpt::put_ClipAutotrans, 2},
    {"TextAutotrans", &IVelMorvexOpt::get_TextAutotrans, &IVelMorvexOpt::put_TextAutotrans, -3},
    {"Left", &IVelMorvexOpt::get_Left, &IVelMorvexOpt::put_Left, -40},
    {"Top", &IVelMorvexOpt::get_Top, &IVelMorvexOpt::put_Top, 50},
    {"Right", &IVelMorvexOpt::get_Right, &IVelMorvexOpt::put_Right, 0x7FFFFFFF},
    {"Bottom", &IVelMorvexOpt::get_Bottom, &IVelMorvexOpt::put_Bottom, -0x7FFFFFFF - 1},
    {"LangID", &IVelMorvexOpt::get_LangID, &IVelMorvexOpt::put_LangID, 1049},
    {"CommandID", &IVelMorvexOpt::get_CommandID, &IVelMorvexOpt::put_CommandID, 32771},
    {"Animation", &IVelMorvexOpt::get_Animation, &IVelMorvexOpt::put_Animation, 0},
    {"MouseKey", &IVelMorvexOpt::get_MouseKey, &IVelMorvexOpt::put_MouseKey, 2},
    {"MouseModifier", &IVelMorvexOpt::get_MouseModifier, &IVelMorvexOpt::put_MouseModifier, 17},
};

const ColorSample kColorSamples[] = {
    {"ColorFore", &IVelMorvexOpt::get_ColorFore, &IVelMorvexOpt::put_ColorFore, 0x00112233},
    {"ColorBack", &IVelMorvexOpt::get_ColorBack, &IVelMorvexOpt::put_ColorBack, 0x00445566},
    {"ColorShadow", &IVelMorvexOpt::get_ColorShadow, &IVelMorvexOpt::put_ColorShadow, 0x80000005},
    {"ColorText", &IVelMorvexOpt::get_ColorText, &IVelMorvexOpt::put_ColorText, 0x00FFFFFF},
};

}  // namespace

void PutSampleOptions(IVelMorvexOpt* options) {
  for (const LongSample& sample : kLongSamples)
    EXPECT_EQ(Hr{(options->*sample.put)(sample.value)}, Hr{S_OK}) << sample.name;
  for (const ColorSample& sample : kColorSamples)
    EXPECT_EQ(Hr{(options->*sample.put)(sample.value)}, Hr{S_OK}) << sample.name;
  EXPECT_EQ(Hr{options->PutLastDictInfo(7, 1033, 1049)}, Hr{S_OK});
}

void ExpectSampleOptions(IVelMorvexOpt* options) {
  for (const LongSample& sample : kLongSamples) {
    long value = 0;
    EXPECT_EQ(Hr{(options->*sample.get)(&value)}, Hr{S_OK}) << sample.name;
    EXPECT_EQ(value, sample.value) << sample.name;
  }
  for (const ColorSample& sample : kColorSamples) {
    OLE_COLOR value = 0;
    EXPECT_EQ(Hr{(options->*sample.get)(&value)}, Hr{S_OK}) << sample.name;
    EXPECT_EQ(value, sample.value) << sample.name;
  }
  long dictId = 0, langIn = 0, langOut = 0;
  EXPECT_EQ(Hr{options->GetLastDictInfo(&dictId, &langIn, &langOut)}, Hr{S_OK});
  EXPECT_EQ(dictId, 7);
  EXPECT_EQ(langIn, 1033);
  EXPECT_EQ(langOut, 1049);
}

bool FontFacts::operator==(const FontFacts& other) const {
  return face == other.face && size == other.size && weight == other.weight &&
         charset == other.charset && !italic == !other.italic && !underline == !other.underline &&
         !strikethrough == !other.strikethrough;
}

void PrintTo(const FontFacts& facts, std::ostream* out) {
  *out << "{face of " << facts.face.size() << " chars \""
       << std::string(facts.face.begin(), facts.face.end()) << "\", size " << facts.size
       << ", weight " << facts.weight << ", charset " << facts.charset << ", italic "
       << facts.italic << ", underline " << facts.underline << ", strikethrough "
       << facts.strikethrough << "}";
}

FontFacts FontFactsOf(IVelMorvexOpt* options) {
  com::Ptr<IFontDisp> font;
  EXPECT_EQ(Hr{options->get_Font(font.Put())}, Hr{S_OK});
  return FontFactsOf(font.Get());
}

FontFacts Realized(const FontFacts& facts) { return FontFactsOf(MakeFont(facts).Get()); }

FontFacts FontFactsOf(IFontDisp* font) {
  FontFacts facts;
  com::Ptr<IFont> details;
  if (!font || FAILED(font->QueryInterface(IID_IFont, details.PutVoid()))) return facts;
  BSTR name = nullptr;
  if (SUCCEEDED(details->get_Name(&name)) && name) facts.face.assign(name, SysStringLen(name));
  SysFreeString(name);
  CY size = {};
  details->get_Size(&size);
  facts.size = size.int64;
  details->get_Weight(&facts.weight);
  details->get_Charset(&facts.charset);
  details->get_Italic(&facts.italic);
  details->get_Underline(&facts.underline);
  details->get_Strikethrough(&facts.strikethrough);
  return facts;
}

com::Ptr<IFontDisp> MakeFont(const FontFacts& facts) {
  std::wstring face = facts.face;
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = face.data();
  description.cySize.int64 = facts.size;
  description.sWeight = facts.weight;
  description.sCharset = facts.charset;
  description.fItalic = facts.italic;
  description.fUnderline = facts.underline;
  description.fStrikethrough = facts.strikethrough;
  com::Ptr<IFontDisp> font;
  EXPECT_EQ(Hr{OleCreateFontIndirect(&description, IID_IFontDisp, font.PutVoid())}, Hr{S_OK});
  return font;
}

HotKeyFields FieldsOf(IVelHotKeyColl* collection) {
  HotKeyFields fields;
  long count = 0;
  EXPECT_EQ(Hr{collection->get_Count(&count)}, Hr{S_OK});
  for (long i = 1; i <= count; ++i) {
    com::Ptr<IVelHotKey> item;
    EXPECT_EQ(Hr{collection->get_Item(i, item.Put())}, Hr{S_OK}) << i;
    long cmdId = 0, modifiers = 0, virtKey = 0;
    if (item) {
      item->get_CmdID(&cmdId);
      item->get_Modifiers(&modifiers);
      item->get_VirtKey(&virtKey);
    }
    fields.push_back({cmdId, modifiers, virtKey});
  }
  return fields;
}
